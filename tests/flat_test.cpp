// The three flat looks: the answers that set them apart from the classic
// look and from each other, and pixels probed at the edges and faces that
// differ.
#include "styling/core/skcolors.h"
#include "styling/core/themeregistry.h"
#include "styling/menus/skitems.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeflat.h"
#include "styling/themes/skthemeofficexp.h"
#include "styling/themes/skthemes.h"
#include "tests/support/themeprobe.h"

#include <array>
#include <memory>

namespace {

// What every colour kind of Flat resolves to with no shift; kind 26 stands
// for every kind without an entry.
COLORREF FlatExpected(uint8_t kind)
{
    const COLORREF face = Sys(COLOR_BTNFACE), lilac = RGB(182, 189, 210);
    const std::array<COLORREF, 27> colors = {
        Sys(COLOR_ACTIVECAPTION), Sys(COLOR_INACTIVECAPTION), RGB(0, 0, 0), RGB(255, 255, 255),
        Sys(COLOR_SCROLLBAR), RGB(255, 255, 255), Sys(COLOR_WINDOW), Sys(COLOR_BTNSHADOW),
        Moved(face, -30), RGB(254, 254, 251), RGB(197, 197, 177), face, lilac, Sys(COLOR_BTNSHADOW),
        Moved(face, 10), lilac, Moved(face, 10), lilac, Sys(COLOR_MENUTEXT), Sys(COLOR_MENUTEXT),
        Sys(COLOR_MENUTEXT), Sys(COLOR_MENUTEXT), RGB(128, 128, 128), RGB(0, 0, 0),
        RGB(149, 206, 255), RGB(49, 106, 197), Sys(COLOR_SCROLLBAR)};
    return colors[kind];
}

COLORREF CoolFlatExpected(uint8_t kind)
{
    const COLORREF face = Sys(COLOR_BTNFACE), sky = RGB(0xF7, 0xDE, 0x9C), slate = RGB(0xA0, 0x96, 0x83);
    const COLORREF black = RGB(0, 0, 0), red = RGB(255, 0, 0);
    const std::array<COLORREF, 27> colors = {
        sky, face, black, black, red, black, RGB(255, 255, 255), slate, RGB(51, 102, 153),
        RGB(254, 254, 251), RGB(197, 197, 177), face, RGB(0xEB, 0xEA, 0xE1), slate, face, sky, face, sky,
        black, black, black, black, RGB(128, 128, 128), black, RGB(149, 206, 255), RGB(49, 106, 197), red};
    return colors[kind];
}

// Flat's colours but for the border, selection, menu border and popup.
COLORREF OfficeXPExpected(uint8_t kind)
{
    switch (kind) {
    case kcBorder: return RGB(128, 128, 128);
    case kcSelection: return RGB(133, 146, 181);
    case kcMenuBorder: return RGB(0, 0, 128);
    case kcPopup: return RGB(255, 255, 255);
    default: return FlatExpected(kind);
    }
}

using FlatTest = ThemeProbeTest<TSkThemeFlat>;
using CoolFlatTest = ThemeProbeTest<TSkThemeCoolFlat>;
using OfficeXPTest = ThemeProbeTest<TSkThemeOfficeXP>;

}  // namespace

TEST(FlatLooks, TablesSetTheLooksApartAndEveryColourShifts)
{
    TSkControlsUnit unit;
    TSkThemeFlat flat;
    TSkThemeCoolFlat cool;
    TSkThemeOfficeXP office;
    const std::pair<const TSkTheme*, COLORREF (*)(uint8_t)> looks[] = {
        {&flat, FlatExpected}, {&cool, CoolFlatExpected}, {&office, OfficeXPExpected}};
    for (const auto& [look, expected] : looks) {
        EXPECT_FALSE(look->HasCaptionShadow()) << look->GetName();
        EXPECT_EQ(look->GetFormRegion(80, 60, kbsStandard), nullptr);
        for (int k = 0; k <= 27; ++k)
            EXPECT_EQ(COLORREF(look->GetColor(uint8_t(k))), expected(uint8_t(std::min(k, 26))))
                << look->GetName() << " " << k;
        EXPECT_EQ(COLORREF(look->GetColor(255)), expected(26));
        for (uint8_t k = kfCaption; k <= kfHeaderCaption + 1; ++k)
            EXPECT_TRUE(look->GetFontName(k) == "Tahoma" && look->GetFontSize(k) == (k == kfCaption ? 9 : 8) &&
                        look->GetFontStyle(k).Empty())
                << look->GetName() << " " << int(k);
        EXPECT_EQ(look->GetSize(30), 0);
    }
    // Cool Flat has its own sizes; OfficeXP keeps Flat's.
    const std::array<uint8_t, 12> kinds = {ksCaptionHeight, ksToolCaptionHeight, ksButtonWidth, ksButtonHeight,
                                           ksButtonRight, ksButtonGap, ksMenuItemHeight, ksCheckBoxWidth,
                                           ksScrollBarSize, 20, 27, 29};
    const std::array<int, 12> flatSizes = {23, 20, 18, 15, 6, 1, 23, 13, 17, 11, 21, 11};
    const std::array<int, 12> coolSizes = {23, 18, 20, 20, 3, 2, 22, 13, 17, 9, 18, 11};
    for (size_t i = 0; i < kinds.size(); ++i)
        EXPECT_TRUE(flat.GetSize(kinds[i]) == flatSizes[i] && office.GetSize(kinds[i]) == flatSizes[i] &&
                    cool.GetSize(kinds[i]) == coolSizes[i])
            << int(kinds[i]);
    cool.SetDeltaHue(40);
    cool.SetDeltaBrightness(-25);
    office.SetDeltaBrightness(20);
    for (int k = 0; k <= 26; ++k) {
        EXPECT_EQ(cool.GetColor(uint8_t(k)), ShiftThemeColor(TColor(CoolFlatExpected(uint8_t(k))), 40, -25)) << k;
        EXPECT_EQ(office.GetColor(uint8_t(k)), ShiftThemeColor(TColor(OfficeXPExpected(uint8_t(k))), 0, 20)) << k;
    }
}

TEST_F(FlatTest, ButtonsAreOutlinedAndLitOnlyWhereTheirStateSays)
{
    const COLORREF line = Color(kcBorder), sel = Color(kcSelection), hot = Color(kcHotFace);
    theme.DrawButton(&canvas, 40, 20, kesDisabled);
    EXPECT_EQ(Count({0, 0, 120, 80}, Paper), 120 * 80);  // nothing at all
    struct TCase { uint8_t state; COLORREF topLeft, bottomRight, centre; };
    const TCase cases[] = {
        {kesNormal, Color(kcFace), Color(kcFace), Color(kcFace)},
        {kesHot, Moved(hot, 30), hot, hot},
        {kesPressed, Moved(sel, -30), Moved(sel, 30), sel},
        {kesFocused, sel, Moved(sel, -30), sel},
        {kesDefault, sel, Moved(sel, -30), sel},
    };
    for (const TCase& c : cases) {
        theme.DrawButton(Fresh(), 40, 20, c.state);
        EXPECT_TRUE(At(0, 0) == line && At(39, 19) == line && At(20, 0) == line) << int(c.state);
        EXPECT_TRUE(At(1, 1) == c.topLeft && At(38, 18) == c.bottomRight && At(20, 10) == c.centre)
            << int(c.state);
    }
    // A scroll track is an outline only; a tab opens into the page below it.
    theme.DrawScrollTrack(Fresh(), {0, 0, 17, 60}, sbVertical);
    EXPECT_TRUE(At(0, 30) == line && At(16, 59) == line && Count({1, 1, 16, 59}, Paper) == 15 * 58);
    theme.DrawTab(&canvas, {30, 10, 70, 30}, ktpTop, kesSelected);
    EXPECT_TRUE(At(30, 10) == line && At(50, 29) == Color(kcFace) && At(69, 29) == line);
}

TEST_F(FlatTest, SpeedButtonsShowTheirStateOrLeaveTheCallersPaint)
{
    const COLORREF line = Color(kcBorder), face = Color(kcFace), hot = Color(kcHotFace), sel = Color(kcSelection);
    struct TCase { uint8_t state; bool flat, down; COLORREF corner, inner, centre; };
    const TCase cases[] = {
        {kesNormal, true, false, line, face, face},          // flat and idle: still outlined
        {kesNormal, true, true, line, sel, sel},
        {kesHot, true, false, line, Moved(hot, 30), hot},
        {kesPressed, true, false, line, Moved(face, -30), face},
        {kesNormal, false, false, line, Moved(face, 30), face},
        {kesPressed, false, true, line, sel, sel},
        {kesHot, false, false, Paper, Paper, Paper},         // raised under the mouse: nothing
        {kesDisabled, true, true, Paper, Paper, Paper},
    };
    for (const TCase& c : cases) {
        theme.DrawSpeedButton(Fresh(), {0, 0, 24, 24}, c.state, c.flat, c.down);
        EXPECT_TRUE(At(0, 0) == c.corner && At(1, 1) == c.inner && At(12, 12) == c.centre)
            << int(c.state) << c.flat << c.down;
    }
    // A selected popup item is ringed in the menu border on the highlight.
    TSkCustomItem item(nullptr);
    item.SetCaption(L"Move");
    theme.DrawPopupItem(Fresh(), &item, {0, 0, 100, 23}, true, true);
    EXPECT_TRUE(At(0, 0) == Color(kcMenuBorder) && At(99, 22) == Color(kcMenuBorder) &&
                At(2, 2) == Color(kcPopupHighlight));
}

TEST_F(FlatTest, EditsKeepAWideMarginOfTheirFillAndTheCornerSquare)
{
    theme.DrawEditFrame(&canvas, {0, 0, 100, 50}, kesNormal);
    const COLORREF fill = Color(kcWindow);
    // The outline, then seven rings of the fill; the middle is left alone
    // except for the bottom-right square.
    EXPECT_EQ(At(0, 0), Color(kcBorder));
    EXPECT_EQ(Count({1, 25, 8, 26}, fill), 7);
    EXPECT_TRUE(At(8, 25) == Paper && At(85, 35) == fill && At(79, 29) == Paper);
    theme.DrawMemoFrame(Fresh(), {0, 0, 100, 50}, false);
    EXPECT_TRUE(At(0, 0) == Color(kcDisabledBorder) && At(9, 25) == Color(kcDisabledFace) && At(10, 25) == Paper);
}

TEST_F(CoolFlatTest, FrameAndCaptionButtonsAreOutlinesNotBevels)
{
    const COLORREF line = Color(kcBorder), face = Color(kcFace);
    theme.DrawFormFrame(&canvas, 100, 60, TRect{3, 22, 97, 57}, true, kbsStandard);
    EXPECT_TRUE(At(0, 0) == line && At(99, 59) == line && At(1, 1) == face && At(2, 40) == face);
    // The caption band in the inactive caption colour, outlined, whatever the state.
    EXPECT_TRUE(At(3, 3) == line && At(50, 21) == line && At(50, 10) == Color(1) && At(50, 22) == Paper);
    theme.DrawFormButton(Fresh(), {0, 0, 20, 20}, kfbTray, false, true, true, kbsStandard);
    EXPECT_TRUE(At(0, 0) == line && At(1, 1) == Moved(face, -30) && At(18, 18) == Moved(face, 30) &&
                At(2, 2) == face && At(3, 3) == face);
}

TEST_F(OfficeXPTest, LivelyControlsAreRingedInNavy)
{
    const COLORREF navy = Color(kcMenuBorder), line = Color(kcBorder);
    struct TCase { uint8_t state; COLORREF ring, face; };
    const TCase buttons[] = {{kesNormal, line, Color(kcFace)},
                             {kesHot, navy, Color(kcHotFace)},
                             {kesPressed, navy, Color(kcSelection)},
                             {kesDefault, navy, Color(kcSelection)},
                             {kesDisabled, Color(kcDisabledFace), Paper}};
    for (const TCase& c : buttons) {
        theme.DrawButton(Fresh(), 40, 20, c.state);
        EXPECT_TRUE(At(0, 0) == c.ring && At(39, 19) == c.ring && At(1, 1) == c.face && At(20, 10) == c.face)
            << int(c.state);
    }
    const TCase thumbs[] = {{kesNormal, line, Color(kcFace)}, {kesHot, navy, Color(kcHotFace)},
                            {kesPressed, navy, Color(kcSelection)}, {kesDisabled, line, Color(kcDisabledFace)}};
    for (const TCase& c : thumbs) {
        theme.DrawScrollThumb(Fresh(), {0, 0, 17, 40}, sbVertical, c.state);
        EXPECT_TRUE(At(0, 0) == c.ring && At(1, 1) == c.face && At(8, 20) == c.face) << int(c.state);
    }
    // Progress blocks: the hot face inside a navy ring, the bar less its margin.
    theme.DrawProgressBar(Fresh(), {0, 0, 100, 16}, {0, 0, 50, 16}, false, false);
    EXPECT_TRUE(At(1, 1) == navy && At(1, 14) == navy && At(4, 8) == Color(kcHotFace) && At(0, 0) == Paper);
    // An idle popup item is white beside a glyph column of the face colour.
    TSkCustomItem item(nullptr);
    item.SetCaption(L"Move");
    theme.DrawPopupItem(Fresh(), &item, {0, 0, 100, 23}, false, false);
    EXPECT_TRUE(At(2, 2) == Color(kcFace) && At(95, 2) == RGB(255, 255, 255));
    // A hot check box is ringed in navy on the plain face.
    theme.DrawCheckBox(Fresh(), {0, 0, 13, 13}, kesHot, kchUnchecked);
    EXPECT_TRUE(At(0, 0) == navy && At(6, 6) == Color(kcFace));
}
