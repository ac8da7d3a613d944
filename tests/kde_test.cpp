// The strongly bevelled look: its name and tables, the double rings of its
// buttons and the dotted caption band, probed in a real device context.
#include "styling/themes/skthemekde.h"

#include "styling/core/skcolors.h"
#include "styling/core/themeregistry.h"
#include "styling/themes/skthemes.h"
#include "tests/support/themeprobe.h"

namespace {

using KDETest = ThemeProbeTest<TSkThemeKDE>;

}  // namespace

TEST_F(KDETest, NameTablesAndFontsAreItsOwn)
{
    EXPECT_TRUE(theme.GetName() == "KDE" && theme.IsAvailable() && theme.HasCaptionShadow());
    EXPECT_EQ(theme.GetFormRegion(50, 40, kbsStandard), nullptr);
    ExpectSizesAndFonts(theme, {{ksFrameWidth, 3}, {ksCaptionHeight, 20}, {ksButtonWidth, 16}, {ksButtonRight, 3},
                                {22, 10}, {30, 0}}, "Verdana", 9);
    const std::pair<uint8_t, COLORREF> colors[] = {
        {0, RGB(82, 110, 149)}, {1, RGB(128, 128, 128)}, {kcWindow, Sys(COLOR_WINDOW)},
        {kcBorder, RGB(0, 0, 0)}, {kcHotFace, RGB(220, 220, 230)}, {kcMenuBar, Moved(Sys(COLOR_BTNFACE), 10)},
        {kcPopupHighlightText, Sys(COLOR_HIGHLIGHTTEXT)}, {4, Sys(COLOR_SCROLLBAR)}, {26, Sys(COLOR_SCROLLBAR)}};
    for (const auto& [kind, color] : colors)
        EXPECT_EQ(Color(kind), color) << int(kind);
    theme.SetDeltaHue(40);
    for (const auto& [kind, color] : colors)
        EXPECT_EQ(theme.GetColor(kind), ShiftThemeColor(TColor(color), 40, 0)) << int(kind);
}

TEST_F(KDETest, ButtonsWearTwoRingsAndADisabledOneOnlyAnOutline)
{
    const COLORREF face = Color(kcFace), hot = Color(kcHotFace);
    struct TCase { uint8_t state; COLORREF corner, inner, farInner, centre; };
    const TCase cases[] = {
        {kesNormal, Moved(face, 120), Moved(face, 120), Moved(face, -120), face},
        {kesHot, Moved(hot, 120), Moved(hot, 120), Moved(hot, -120), RGB(220, 220, 230)},
        {kesPressed, Moved(face, -120), Moved(face, -120), Moved(face, 120), face},
        {kesDisabled, Color(kcDisabledFace), Paper, Paper, Paper},
    };
    for (const TCase& c : cases) {
        theme.DrawButton(Fresh(), 40, 20, c.state);
        EXPECT_TRUE(At(0, 0) == c.corner && At(1, 1) == c.inner && At(38, 18) == c.farInner &&
                    At(2, 2) == c.centre && At(20, 10) == c.centre)
            << int(c.state);
    }
    // Edits sink into the same step, the second ring dark over the face,
    // and keep five rings of their fill inside.
    theme.DrawEditFrame(Fresh(), {0, 0, 60, 30}, kesNormal);
    EXPECT_TRUE(At(0, 0) == Moved(face, -120) && At(59, 29) == Moved(face, 120) && At(1, 1) == Moved(face, -120) &&
                At(58, 28) == face && At(6, 6) == Color(kcWindow) && At(7, 7) == Paper &&
                At(50, 20) == Color(kcWindow));
    // Check boxes sink into two rings on the window, hot or disabled faces inside.
    const std::pair<uint8_t, COLORREF> boxes[] = {
        {kesNormal, Color(kcWindow)}, {kesHot, RGB(220, 220, 230)}, {kesDisabled, face}};
    for (const auto& [state, back] : boxes) {
        theme.DrawCheckBox(Fresh(), {0, 0, 13, 13}, state, kchUnchecked);
        EXPECT_TRUE(At(0, 0) == Moved(face, -120) && At(1, 1) == Moved(face, -120) && At(12, 12) == Moved(face, 120) &&
                    At(11, 11) == Moved(face, 120) && At(6, 6) == back && At(2, 10) == back)
            << int(state);
    }
    // Scroll thumbs keep the plain face whatever the state, pressed ones sunk.
    for (uint8_t state : {kesHot, kesPressed}) {
        theme.DrawScrollThumb(Fresh(), {0, 0, 17, 40}, sbVertical, state);
        EXPECT_TRUE(At(0, 0) == Moved(face, state == kesPressed ? -120 : 120) && At(8, 20) == face) << int(state);
    }
    // A pressed list item is the face in two rings of the window's light and dark.
    const COLORREF window = Color(kcWindow);
    theme.DrawItemBackground(Fresh(), {0, 0, 30, 20}, kibDown);
    EXPECT_TRUE(At(0, 0) == Moved(window, 120) && At(1, 1) == Moved(window, 120) && At(29, 19) == Moved(window, -120) &&
                At(28, 18) == Moved(window, -120) && At(15, 10) == face);
    // A held-down speed button is a checker inside sunken rings.
    theme.DrawSpeedButton(Fresh(), {0, 0, 24, 24}, kesNormal, false, true);
    EXPECT_TRUE(At(0, 0) == Moved(face, -120) && Count({2, 2, 22, 22}, RGB(255, 255, 255)) == 200);
}

TEST_F(KDETest, TheCaptionBandIsDottedOnTheWindowsGrid)
{
    const COLORREF c = Color(0), light = Moved(c, 60), dark = Moved(c, -60);
    theme.DrawFormFrame(&canvas, 100, 60, TRect{3, 26, 97, 57}, true, kbsStandard);
    int lights = 0, darks = 0, wrong = 0;
    for (int y = 3; y < 26; ++y)
        for (int x = 3; x < 97; ++x) {
            const COLORREF want = x % 4 == 0 && y % 4 == 0 ? light : x % 4 == 1 && y % 4 == 1 ? dark : c;
            lights += At(x, y) == light, darks += At(x, y) == dark, wrong += At(x, y) != want;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(lights, 24 * 6);
    EXPECT_EQ(darks, 23 * 6);
    // Then the half-step ring and two outlines of the caption colour.
    EXPECT_TRUE(At(0, 0) == light && At(99, 59) == dark && At(1, 40) == c && At(2, 40) == c && At(50, 40) == Paper);
    // An inactive window dots its own colour; a band that starts off the
    // window keeps to the same grid, and a band turned inside out draws nothing.
    theme.DrawFormFrame(Fresh(), 100, 60, TRect{-5, 10, 97, 57}, false, kbsStandard);
    EXPECT_TRUE(At(4, 4) == Moved(Color(1), 60) && At(5, 5) == Moved(Color(1), -60) && At(50, 12) == Paper);
    theme.DrawFormFrame(Fresh(), 100, 60, TRect{3, 2, 97, 57}, true, kbsStandard);
    EXPECT_EQ(Count({3, 3, 97, 57}, Paper), 94 * 54);
}
