// The round-cornered looks: the names and places of all the looks, their
// tables, and pixels probed at the cut corners, buttons and caption bands.
#include "styling/themes/skthemehighlight.h"
#include "styling/themes/skthemelines.h"

#include "styling/core/skcolors.h"
#include "styling/core/skdraw.h"
#include "styling/core/themeregistry.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeflat.h"
#include "styling/themes/skthemekde.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"
#include "styling/themes/skthemeofficexp.h"
#include "styling/themes/skthemestd.h"
#include "styling/themes/skthemes.h"
#include "styling/menus/skitems.h"
#include "tests/support/themeprobe.h"

#include <memory>

namespace {

constexpr COLORREF Blue = RGB(100, 160, 255), Navy = RGB(0, 51, 153), Pale = RGB(235, 235, 238),
                   Silver = RGB(210, 210, 210), Grey = RGB(168, 168, 168), Amber = RGB(248, 199, 81);

using HighlightTest = ThemeProbeTest<TSkThemeHighlight>;
using LinesTest = ThemeProbeTest<TSkThemeLines>;

}  // namespace

// Each stored name selects exactly its class, in a fixed order (the
// first match wins); near misses select none.
TEST(RoundLooks, AllNineLooksAreRegisteredInTheirFixedOrder)
{
    RegisterSkThemes();
    const std::pair<const char*, const TClassInfo*> order[] = {
        {"No Theme", nullptr},
        {"Flat", TSkThemeFlat::StaticClass()},
        {"Highlight", TSkThemeHighlight::StaticClass()},
        {"Lines", TSkThemeLines::StaticClass()},
        {"Luna", TSkThemeLuna::StaticClass()},
        {"MetalLuna", TSkThemeMetalLuna::StaticClass()},
        {"Advanced", TSkThemeStd::StaticClass()},
        {"Cool Flat", TSkThemeCoolFlat::StaticClass()},
        {"OfficeXP", TSkThemeOfficeXP::StaticClass()},
        {"KDE", TSkThemeKDE::StaticClass()}};
    ASSERT_EQ(ThemeClasses().size(), std::size(order));
    for (size_t i = 0; i < std::size(order); ++i) {
        const auto& [name, cls] = order[i];
        EXPECT_EQ(ThemeClasses()[i].Name, name);
        EXPECT_EQ(FindThemeClass(name), &ThemeClasses()[i]) << name;
        EXPECT_TRUE(!cls || ThemeClasses()[i].Class == cls) << name;
        std::unique_ptr<TSkTheme> made(ThemeClasses()[i].Create());
        EXPECT_TRUE(made->GetName() == name && (!cls || made->IsAvailable())) << name;
    }
    for (const char* name : {"highlight", "Line", "Lines ", "kde", "CoolFlat", "Cool flat", "flat",
                             "Office XP", "OfficeXp", "Flat "})
        EXPECT_EQ(FindThemeClass(name), nullptr) << name;
}

TEST(RoundLooks, TablesDifferOnlyWhereLinesHasItsOwnColours)
{
    TSkControlsUnit unit;
    TSkThemeHighlight highlight;
    TSkThemeLines lines;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct TCase { uint8_t kind; COLORREF highlight, lines; };
    const TCase cases[] = {{0, GetSysColor(COLOR_ACTIVECAPTION), Blue}, {1, GetSysColor(COLOR_INACTIVECAPTION), Grey},
                           {kcWindow, Pale, Pale},    {kcBorder, Navy, Navy},         {kcSelection, Blue, Blue},
                           {kcFace, face, Silver},    {kcHotFace, Amber, Amber},      {kcMenuBar, face, Pale},
                           {kcPopup, face, Pale},     {kcPopupHighlightText, RGB(255, 255, 255), RGB(255, 255, 255)},
                           {4, GetSysColor(COLOR_SCROLLBAR), GetSysColor(COLOR_SCROLLBAR)},
                           {26, GetSysColor(COLOR_SCROLLBAR), GetSysColor(COLOR_SCROLLBAR)}};
    for (const TCase& c : cases)
        EXPECT_TRUE(COLORREF(highlight.GetColor(c.kind)) == c.highlight && COLORREF(lines.GetColor(c.kind)) == c.lines)
            << int(c.kind);
    lines.SetDeltaHue(30);
    EXPECT_EQ(lines.GetColor(0), ShiftThemeColor(TColor(Blue), 30, 0));
    for (const TSkTheme* look : {static_cast<const TSkTheme*>(&highlight), static_cast<const TSkTheme*>(&lines)}) {
        EXPECT_TRUE(look->HasCaptionShadow() && look->IsAvailable());
        ExpectSizesAndFonts(*look, {{ksFrameWidth, 4}, {ksCaptionHeight, 26}, {ksButtonWidth, 20}, {ksButtonRight, 7},
                                    {22, 4}, {30, 0}}, "Tahoma", 9);
        // Round window corners whatever the border style.
        for (TSkBorderStyle style : {kbsNone, kbsStandard, kbsToolWindow}) {
            HRGN region = look->GetFormRegion(80, 60, style);
            ASSERT_NE(region, nullptr);
            // Each corner pixel of the window is cut, and nothing outside it is in.
            EXPECT_TRUE(!PtInRegion(region, 0, 0) && PtInRegion(region, 1, 0) && PtInRegion(region, 0, 1) &&
                        !PtInRegion(region, 79, 59) && PtInRegion(region, 78, 59) && PtInRegion(region, 79, 58) &&
                        !PtInRegion(region, 80, 30) && PtInRegion(region, 40, 30))
                << int(style);
            DeleteObject(region);
        }
    }
}

TEST_F(HighlightTest, RoundOutlinesLeaveTheirCornersAtAnySize)
{
    const COLORREF line = Color(kcBorder);
    struct TCase { TRect r; int drawn; };
    const TCase cases[] = {{{10, 10, 40, 25}, 2 * 28 + 2 * 13}, {{10, 30, 40, 31}, 28}, {{50, 30, 51, 50}, 18},
                           {{60, 30, 62, 32}, 0}, {{70, 30, 73, 33}, 4}, {{80, 30, 80, 40}, 0}};
    for (const TCase& c : cases) {
        theme.DrawScrollTrack(Fresh(), c.r, sbVertical);
        EXPECT_EQ(Count({0, 0, 120, 80}, line), c.drawn) << c.r.left;
        EXPECT_EQ(Count({0, 0, 120, 80}, Paper), 120 * 80 - c.drawn) << c.r.left;
        for (const TPoint p : {TPoint{c.r.left, c.r.top}, TPoint{c.r.right - 1, c.r.bottom - 1}})
            EXPECT_EQ(At(p.x, p.y), Paper) << c.r.left;
    }
    // A button's corners stay too; a disabled one is only the outline in
    // the disabled colour.
    const COLORREF face = Color(kcFace);
    theme.DrawButton(Fresh(), 40, 20, kesNormal);
    EXPECT_TRUE(At(0, 0) == Paper && At(39, 19) == Paper && At(1, 0) == line && At(1, 1) == Moved(face, 30) &&
                At(2, 2) == Moved(face, 10) && At(20, 10) == face && At(38, 18) == line);
    theme.DrawButton(Fresh(), 40, 20, kesHot);
    EXPECT_TRUE(At(20, 10) == Amber && At(1, 18) == Moved(Amber, -30));
    theme.DrawButton(Fresh(), 40, 20, kesDisabled);
    EXPECT_TRUE(At(0, 0) == Paper && At(1, 0) == RGB(254, 254, 251) && At(39, 10) == RGB(254, 254, 251));
    EXPECT_EQ(Count({1, 1, 39, 19}, Paper), 38 * 18);
}

TEST_F(HighlightTest, FacesFollowTheirStateInsideNavyOutlines)
{
    const COLORREF line = Color(kcBorder), window = Color(kcWindow);
    // A hot check box rings its window face in the amber's shade; checked, the tick is navy.
    theme.DrawCheckBox(&canvas, {0, 0, 13, 13}, kesHot, kchChecked);
    EXPECT_TRUE(At(0, 0) == line && At(1, 1) == Moved(Amber, -50) && At(11, 11) == Moved(Amber, 50) &&
                At(2, 10) == window);
    EXPECT_GE(Count({2, 2, 11, 11}, line), 7);
    // A pressed scroll thumb sinks its selection face; a speed button held
    // down is the selection inside a round outline.
    theme.DrawScrollThumb(&canvas, {20, 0, 37, 40}, sbVertical, kesPressed);
    EXPECT_TRUE(At(20, 0) == Paper && At(21, 0) == line && At(21, 1) == Moved(Blue, -30) && At(28, 20) == Blue);
    theme.DrawSpeedButton(&canvas, {40, 0, 64, 24}, kesNormal, true, true);
    EXPECT_TRUE(At(40, 0) == Paper && At(41, 0) == line && At(52, 12) == Blue);
    // A tab opens into the page below over its own outline; its corners stay.
    theme.DrawTab(Fresh(), {20, 20, 60, 40}, ktpTop, kesNormal);
    EXPECT_TRUE(At(20, 20) == Paper && At(20, 30) == line && At(40, 39) == Color(kcFace) && At(20, 39) == Paper);
    // Highlighted menu entries are ringed round in navy; the cut corners
    // show the menu's own face, not the highlight.
    TSkCustomItem item(nullptr);
    item.SetCaption(L"File");
    theme.DrawMenuBarItem(Fresh(), &item, {0, 0, 40, 23}, true, false);
    EXPECT_TRUE(At(2, 2) == Color(kcMenuBar) && At(3, 2) == Navy && At(4, 4) == Blue);
    theme.DrawPopupItem(Fresh(), &item, {0, 0, 100, 23}, true, false);
    EXPECT_TRUE(At(0, 0) == Color(kcPopup) && At(99, 22) == Color(kcPopup) && At(1, 0) == Navy &&
                At(98, 1) == Blue);
    // The form frame: a gradient band outlined round, then round window rings.
    theme.DrawFormFrame(Fresh(), 100, 60, TRect{4, 30, 96, 57}, true, kbsStandard);
    EXPECT_TRUE(At(0, 0) == Paper && At(1, 0) == line && At(1, 1) == Moved(Color(kcFace), 30) &&
                At(4, 4) == Color(0) && At(5, 4) == line && At(50, 40) == Paper);
}

TEST_F(LinesTest, TheCaptionBandIsBlueWithShadowLinesEveryThirdRow)
{
    theme.DrawFormFrame(&canvas, 100, 60, TRect{4, 30, 96, 57}, true, kbsStandard);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int y = 5; y < 29; ++y)
        EXPECT_TRUE(At(50, y) == (y % 3 == 0 ? shadow : Blue) && At(6, y) == At(90, y)) << y;
    EXPECT_TRUE(At(50, 4) == Color(kcBorder) && At(50, 29) == Color(kcBorder));
    // The lines stop at the band: the client below keeps its pixels.
    EXPECT_EQ(Count({4, 30, 96, 56}, Paper), 92 * 26);
    theme.DrawFormFrame(Fresh(), 100, 60, TRect{4, 30, 96, 57}, false, kbsStandard);
    EXPECT_EQ(At(50, 5), Grey);
}
