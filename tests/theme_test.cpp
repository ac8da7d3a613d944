// The theme interface: the plain "No Theme" look, the shared colour rule,
// right-to-left text flags, the registry of looks, and one smoke test of
// every operation of every registered look.
#include "framework/graphics/canvas.h"
#include "framework/base/sysutils.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "styling/core/themeregistry.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/skthemes.h"
#include "tests/support/testthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

TEST(PlainTheme, AnswersAsTheLookThatIsNotThere)
{
    TSkTheme theme;
    EXPECT_EQ(theme.GetName(), "No Theme");
    EXPECT_FALSE(theme.IsAvailable());
    EXPECT_EQ(theme.GetSize(ksCaptionHeight), 0);
    // The default colour names system colour 0, the scroll bar's, resolved.
    EXPECT_EQ(theme.GetColor(kcWindow), TColor(GetSysColor(COLOR_SCROLLBAR)));
}

TEST(ThemeColors, ShiftsApplyToEveryKindAndRefreshOnlyOnAChange)
{
    TTestTheme theme;
    theme.SetDeltaHue(0);
    theme.SetDeltaBrightness(0);
    EXPECT_EQ(theme.updates, 0);
    for (uint8_t kind : {4, 26, 255})  // kinds without an entry
        EXPECT_EQ(theme.GetColor(kind), TColor(GetSysColor(COLOR_SCROLLBAR))) << int(kind);
    // A third of the hue circle takes green to blue, brightness after it.
    theme.SetDeltaHue(85);
    theme.SetDeltaHue(85);
    theme.SetDeltaBrightness(30);
    theme.SetDeltaBrightness(30);
    EXPECT_EQ(theme.updates, 2);
    EXPECT_EQ(theme.GetColor(kcWindow), TColor(RGB(30, 30, 230)));
    EXPECT_EQ(theme.GetColor(200) & 0xFF000000u, 0u);  // never a system colour reference
}

TEST(RightToLeft, FlagsChangeOnlyUnderAMiddleEastLocale)
{
    const unsigned Rtl = DT_RTLREADING, Line = DT_VCENTER | DT_SINGLELINE;
    const struct { bool middleEast; TBiDiMode mode; unsigned in, out; } cases[] = {
        {false, bdRightToLeft, Line, Line},
        {true, bdRightToLeft, Line, Line | DT_RIGHT | Rtl},
        {true, bdRightToLeft, Line | DT_CENTER, Line | DT_CENTER | Rtl},
        {true, bdRightToLeft, Line | DT_RIGHT, Line | Rtl},
        {true, bdRightToLeftReadingOnly, Line | DT_RIGHT, Line | DT_RIGHT | Rtl},
        {true, bdRightToLeftNoAlign, Line, Line | Rtl},
        {true, bdLeftToRight, Line | DT_RIGHT, Line | DT_RIGHT},
    };
    const bool saved = SysLocale().MiddleEast;
    TSkTheme theme;
    for (const auto& c : cases) {
        SysLocale().MiddleEast = c.middleEast;
        theme.SetBiDiMode(c.mode);
        EXPECT_EQ(theme.DrawTextBiDiModeFlags(c.in), c.out) << c.middleEast << int(c.mode) << c.in;
        EXPECT_EQ(theme.DrawTextBiDiModeFlagsReadingOnly(), c.out & Rtl);
    }
    SysLocale().MiddleEast = saved;
}

TEST(ThemeRegistry, PlaceholderFirstThenRegistrationOrderAndTheFirstOfANameWins)
{
    RegisterTestThemes();
    std::vector<const TClassInfo*> order;
    for (const TSkThemeClass& c : ThemeClasses())
        order.push_back(c.Class);
    auto at = [&](const TClassInfo* c) { return std::find(order.begin(), order.end(), c) - order.begin(); };
    EXPECT_EQ(at(TSkTheme::StaticClass()), 0);
    EXPECT_LT(at(TTestTheme::StaticClass()), at(TTestTwinFirst::StaticClass()));
    EXPECT_LT(at(TTestTwinFirst::StaticClass()), at(TTestTwinSecond::StaticClass()));
    EXPECT_EQ(at(TTestStray::StaticClass()), long(order.size()));
    RegisterTheme<TTestTheme>();  // again: neither added nor moved
    ASSERT_EQ(ThemeClasses().size(), order.size());
    EXPECT_EQ(ThemeClasses()[size_t(at(TTestTheme::StaticClass()))].Class, TTestTheme::StaticClass());
    EXPECT_EQ(FindThemeClass("Twin")->Class, TTestTwinFirst::StaticClass());
    for (const char* name : {"twin", "Twin ", "Twi", "", "Stray"})
        EXPECT_EQ(FindThemeClass(name), nullptr) << name;
    std::unique_ptr<TSkTheme> made(FindThemeClass("Counting")->Create());
    EXPECT_EQ(made->ClassInfo(), TTestTheme::StaticClass());
}

namespace {

// One call of the smoke test: the canvas's origin is at the corner of the
// rectangle, so r is the rectangle there and w x h its size; s is the state,
// and the other arguments are varied with it.
struct TCall { TCanvas* c; TRect r; int w, h; uint8_t s; TSkCustomItem* item; TSkStatusPanel* panel; };
using TOperation = void (*)(const TSkTheme&, const TCall&);

#define OP(name, ...) {#name, [](const TSkTheme& t, const TCall& a) { t.name(__VA_ARGS__); }}
#define MEASURE(name) {#name, [](const TSkTheme& t, const TCall& a) { int w, h; t.name(a.c, a.item, w, h); }}

// Every operation of the theme interface, in slot order.
const std::pair<const char*, TOperation> Operations[] = {
    OP(DrawFormButton, a.c, a.r, a.s, a.s & 1, a.s & 2, a.s & 4, TSkBorderStyle(a.s % 3)),
    OP(DrawFormFrame, a.c, a.w, a.h, TRect{4, 24, a.w - 4, a.h - 4}, a.s & 1, TSkBorderStyle(a.s % 3)),
    MEASURE(MeasureMenuBarItem),
    MEASURE(MeasurePopupItem),
    OP(DrawMenuBarBackground, a.c, a.w, a.h),
    OP(DrawMenuBarItem, a.c, a.item, a.r, a.s & 1, a.s & 2),
    OP(DrawMenuBarButton, a.c, a.item, a.r, a.s & 1, a.s & 2),
    OP(DrawPopupBackground, a.c, a.w, a.h),
    OP(DrawPopupItem, a.c, a.item, a.r, a.s & 1, a.s & 2),
    OP(DrawPopupScrollButton, a.c, a.r, 1 + (a.s & 1), a.s & 2),
    OP(DrawButton, a.c, a.w, a.h, a.s),
    OP(DrawCheckBox, a.c, a.r, a.s, a.s % 3),
    OP(DrawRadioButton, a.c, a.r, a.s, a.s & 1),
    OP(DrawTrackThumb, a.c, a.r, a.s & 1, a.s % 3, a.s),
    OP(DrawTrackBar, a.c, a.r, TRect{a.w / 4, 0, a.w / 2, a.h}),
    OP(DrawProgressFrame, a.c, a.r),
    OP(DrawProgressBar, a.c, a.r, TRect{0, 0, a.w / 2, a.h}, a.s & 1, a.s & 2),
    OP(DrawHeaderPanel, a.c, a.r, a.s & 1, 0),
    OP(DrawHeaderPanelCaption, a.c, a.r, L"Header panel caption"),
    OP(DrawHeaderPanelButton, a.c, a.r, a.s & 1, a.s, a.s & 2),
    OP(DrawGroupBox, a.c, a.r, TRect{8, 0, a.w - 8, 14}, L"Group box caption"),
    OP(DrawScrollTrack, a.c, a.r, a.s & 1 ? sbVertical : sbHorizontal),
    OP(DrawScrollButton, a.c, a.r, a.s & 1 ? sbVertical : sbHorizontal, a.s & 2, a.s),
    OP(DrawScrollThumb, a.c, a.r, a.s & 1 ? sbVertical : sbHorizontal, a.s),
    OP(DrawTabSheet, a.c, a.r),
    OP(DrawTab, a.c, a.r, a.s & 3, a.s),
    OP(DrawTabScrollButton, a.c, a.r, a.s & 1, 0, a.s),
    OP(DrawEditFrame, a.c, a.r, a.s),
    OP(DrawComboButton, a.c, a.r, a.s),
    OP(DrawSpeedButton, a.c, a.r, a.s, a.s & 1, a.s & 2),
    OP(DrawSpeedDropButton, a.c, a.r, a.s, a.s & 1, a.s & 2),
    OP(DrawSpeedContainer, a.c, a.r),
    OP(DrawGripBar, a.c, a.r, TRect{2, 2, a.w - 2, a.h - 2}),
    OP(DrawBarBackground, a.c, a.r),
    OP(DrawSmallButton, a.c, a.r, a.s, 0),
    OP(DrawItemBackground, a.c, a.r, a.s),
    OP(DrawPanelFace, a.c, a.r, a.s & 1, a.s & 2),
    OP(DrawHeaderSection, a.c, a.r, 0, a.s),
    OP(DrawStatusBar, a.c, a.r),
    OP(DrawSizeGrip, a.c, a.r),
    OP(DrawStatusPanel, a.c, a.r, a.s & 1 ? a.panel : nullptr),
    OP(DrawMemoFrame, a.c, a.r, a.s & 1),
    {"GetFormRegion", [](const TSkTheme& t, const TCall& a) {
         if (HRGN region = t.GetFormRegion(a.w, a.h, TSkBorderStyle(a.s % 3)))
             DeleteObject(region);
     }},
};

#undef OP
#undef MEASURE

// Known faults of the picture looks today, which place pictures of their own
// size at the rectangle's corner: these draw past a 1 x 1 rectangle, those
// even into empty and inverted ones. Until the looks are mended, only the
// other sizes are checked for them.
const std::set<std::string> PastOnePixel = {
    "DrawFormFrame", "DrawPopupItem", "DrawPopupScrollButton", "DrawGroupBox", "DrawScrollButton",
    "DrawTabScrollButton", "DrawEditFrame", "DrawComboButton", "DrawSpeedDropButton",
    "DrawStatusPanel", "DrawMemoFrame"};
const std::set<std::string> IntoEmpty = {"DrawFormButton", "DrawCheckBox", "DrawRadioButton",
                                         "DrawTrackThumb", "DrawHeaderPanelButton"};

} // namespace

TEST(ThemeSmoke, EveryOperationOfEveryLookStaysInItsRectangleAndLeavesNoObject)
{
    RegisterSkThemes();
    TSkControlsUnit unit;
    TestDib dib(240, 160);
    TCanvas canvas;
    TSkCustomItem item(nullptr), separator(nullptr);
    item.SetCaption(L"&Open file");
    item.SetShortCut(scCtrl | 'O');
    item.Add(new TSkCustomItem(nullptr));  // a sub-menu arrow too
    separator.SetCaption(L"-");
    TSkStatusPanel panel;
    // 0 x 0, inverted, 1 x 1 and large, with room around.
    const TRect sizes[] = {{30, 30, 30, 30}, {60, 50, 40, 20}, {25, 35, 26, 36}, {6, 6, 234, 154}};
    // Nothing may show outside the rectangle grown by one pixel, and
    // nothing at all from a look that is not available.
    auto paintEverything = [&](const TSkTheme& theme) {
        for (const auto& [name, operation] : Operations)
            for (const TRect& r : sizes) {
                dib.Fill(RGB(1, 2, 3));
                canvas.SetHandle(dib.DC());
                SetViewportOrgEx(dib.DC(), r.left, r.top, nullptr);
                const int w = r.right - r.left, h = r.bottom - r.top;
                for (uint8_t s = kesNormal; s <= kesDefault; ++s) {
                    item.SetChecked(s & 1);
                    item.SetEnabled(s != kesDisabled);
                    operation(theme, TCall{&canvas, TRect{0, 0, w, h}, w, h, s,
                                           s == kesFocused ? &separator : &item, &panel});
                }
                SetViewportOrgEx(dib.DC(), 0, 0, nullptr);
                canvas.SetHandle(nullptr);
                if (IntoEmpty.count(name) ? w < 2 : PastOnePixel.count(name) && w == 1)
                    continue;
                const RECT allowed = theme.IsAvailable() ? GrowRect(r, 1) : RECT{};
                const uint32_t* bits = dib.Bits();
                int outside = 0;
                for (int i = 0; i < dib.Width() * dib.Height(); ++i)
                    outside += (bits[i] & 0xFFFFFF) != 0x010203 &&
                               !PtInRect(&allowed, POINT{i % dib.Width(), i / dib.Width()});
                EXPECT_EQ(outside, 0) << theme.GetName() << " " << name << " in " << r.left << ","
                                      << r.top << "," << r.right << "," << r.bottom;
            }
    };
    ASSERT_GE(ThemeClasses().size(), 10u);  // "No Theme" and the nine looks
    for (const TSkThemeClass& themeClass : ThemeClasses()) {
        std::unique_ptr<TSkTheme> theme(themeClass.Create());
        paintEverything(*theme);  // also fills the system's caches and the canvas's tools
        const DWORD before = GdiObjectCount();
        paintEverything(*theme);
        EXPECT_EQ(GdiObjectCount(), before) << themeClass.Name;
    }
}
