// The classic look drawn into a real device context and probed at its edges
// and marks, against colours worked out here from the system's own.
#include "styling/themes/skthemestd.h"

#include "styling/core/skcolors.h"
#include "tests/support/themeprobe.h"

namespace {

// What every colour kind resolves to with no shift.
COLORREF Expected(uint8_t kind)
{
    const COLORREF fixed[] = {0, 0, RGB(0, 0, 0), RGB(255, 255, 255), 0, RGB(255, 255, 255)};
    switch (kind) {
    case 0: return Sys(COLOR_ACTIVECAPTION);
    case 1: return Sys(COLOR_INACTIVECAPTION);
    case 4: return Sys(COLOR_SCROLLBAR);
    case 6: return Sys(COLOR_WINDOW);
    case 8: case 15: case 17: return Sys(COLOR_HIGHLIGHT);
    case 9: return RGB(254, 254, 251);
    case 10: return RGB(197, 197, 177);
    case 11: return Sys(COLOR_BTNFACE);
    case 12: return RGB(230, 220, 220);
    case 14: case 16: return Moved(Sys(COLOR_BTNFACE), 10);
    case 18: case 20: return Sys(COLOR_MENUTEXT);
    case 19: case 21: return Sys(COLOR_HIGHLIGHTTEXT);
    case 22: return RGB(128, 128, 128);
    case 24: return RGB(149, 206, 255);
    case 25: return RGB(49, 106, 197);
    case 7: case 13: case 23: return RGB(0, 0, 0);
    default: return kind < 6 ? fixed[kind] : Sys(COLOR_SCROLLBAR);
    }
}

using StdTest = ThemeProbeTest<TSkThemeStd>;

}  // namespace

TEST_F(StdTest, TablesAnswerTheSystemColoursAndEveryColourShifts)
{
    EXPECT_TRUE(theme.GetName() == "Advanced" && theme.IsAvailable() && theme.HasCaptionShadow());
    EXPECT_EQ(theme.GetFormRegion(50, 40, kbsStandard), nullptr);
    ExpectSizesAndFonts(theme, {{ksFrameWidth, 3}, {ksCaptionHeight, 23}, {ksButtonWidth, 18}, {ksCheckBoxWidth, 13},
                                {ksScrollBarSize, 17}, {29, 11}, {30, 0}}, "Tahoma", 9);
    for (int k = 0; k <= 26; ++k)
        EXPECT_EQ(Color(uint8_t(k)), Expected(uint8_t(k))) << k;
    // Every kind, the system ones and the brightened face too, follows the shift.
    theme.SetDeltaHue(40);
    theme.SetDeltaBrightness(-25);
    for (int k = 0; k <= 26; ++k)
        EXPECT_EQ(theme.GetColor(uint8_t(k)), ShiftThemeColor(TColor(Expected(uint8_t(k))), 40, -25)) << k;
}

TEST_F(StdTest, BevelsOfFramesAndButtonsSitWhereTheirLightFalls)
{
    const COLORREF face = Color(kcFace), hot = Color(kcHotFace);
    theme.DrawFormFrame(&canvas, 100, 60, TRect{3, 26, 97, 57}, true, kbsStandard);
    // Outer ring light up and left, dark down and right (the far corners are
    // dark); inner ring face and softer dark; then a ring of face.
    EXPECT_EQ(At(0, 0), Moved(face, 150));
    EXPECT_EQ(At(0, 59), Moved(face, -150));
    EXPECT_EQ(At(99, 0), Moved(face, -150));
    EXPECT_EQ(At(1, 1), face);
    EXPECT_EQ(At(98, 58), Moved(face, -90));
    EXPECT_EQ(At(2, 30), face);
    // The caption band starts at the caption colour under the rings and ends
    // at the client's top; the client itself is left alone.
    EXPECT_EQ(At(3, 3), Color(0));
    EXPECT_EQ(Count({3, 3, 97, 26}, Paper), 0);
    EXPECT_EQ(At(50, 26), Paper);

    struct TButtonCase { uint8_t state; COLORREF corner, inner, farInner, centre; };
    const TButtonCase buttons[] = {
        {kesNormal, Moved(face, 150), face, Moved(face, -90), face},
        {kesHot, Moved(hot, 150), hot, Moved(hot, -90), hot},
        {kesPressed, Moved(face, -150), Moved(face, -90), face, face},
        {kesDefault, Moved(face, 150), face, Moved(face, -90), face},
        {kesDisabled, Color(kcDisabledFace), Paper, Paper, Paper},  // an outline only
    };
    for (const TButtonCase& b : buttons) {
        theme.DrawButton(Fresh(), 40, 20, b.state);
        EXPECT_TRUE(At(0, 0) == b.corner && At(1, 1) == b.inner && At(38, 18) == b.farInner &&
                    At(20, 10) == b.centre)
            << int(b.state);
        EXPECT_EQ(At(39, 19), b.state == kesDisabled ? b.corner : b.state == kesPressed ? Moved(face, 150)
                                                                                        : Moved(b.centre, -150));
    }
}

TEST_F(StdTest, MarksChecksAndGlyphsInTheirStateColours)
{
    const COLORREF face = Color(kcFace);
    const TRect box{10, 10, 23, 23};
    struct TCheckCase { uint8_t state, check; COLORREF back, mark; int marks; };
    const TCheckCase checks[] = {
        {kesNormal, kchUnchecked, Color(kcWindow), 0, 0},
        {kesNormal, kchChecked, Color(kcWindow), Color(kcBorder), 7},  // at least a tick's worth
        {kesHot, kchChecked, Color(kcHotFace), Color(kcBorder), 7},
        {kesDisabled, kchChecked, face, Color(kcDisabledFace), 7},
        {kesNormal, kchGrayed, Color(kcWindow), Color(kcBorder), 49},  // a 7 x 7 square
    };
    for (const TCheckCase& c : checks) {
        theme.DrawCheckBox(Fresh(), box, c.state, c.check);
        // Sunken: soft dark outside, strong dark inside, both lit at the far side.
        EXPECT_TRUE(At(10, 10) == Moved(face, -90) && At(22, 22) == Moved(face, 90) &&
                    At(11, 11) == Moved(face, -150) && At(21, 21) == face)
            << int(c.state) << int(c.check);
        EXPECT_EQ(Count({10, 11, 22, 12}, Moved(face, -150)), 10);  // the tick stays off the rings
        EXPECT_EQ(At(12, 20), c.back);
        const int marks = c.marks ? Count({12, 12, 21, 21}, c.mark) : 0;
        EXPECT_TRUE(c.check == kchGrayed ? marks == c.marks : marks >= c.marks) << int(c.state) << " " << marks;
        EXPECT_EQ(Count({0, 0, 120, 80}, Paper), 120 * 80 - 13 * 13);
    }
    // A pressed scroll arrow and a combo arrow are black triangles on the
    // face; a hot scroll button takes the hot face.
    theme.DrawScrollButton(Fresh(), {0, 0, 17, 17}, sbVertical, true, kesHot);
    EXPECT_EQ(At(3, 3), Color(kcHotFace));
    EXPECT_GT(Count({4, 4, 13, 13}, RGB(0, 0, 0)), 5);
    theme.DrawComboButton(&canvas, {20, 0, 37, 21}, kesNormal);
    const TRect arrow{25, 9, 32, 13};  // centred, one lower
    EXPECT_EQ(Count(arrow, Color(kcBorder)), 7 + 5 + 3 + 1);
    EXPECT_TRUE(At(25, 9) == Color(kcBorder) && At(28, 12) == Color(kcBorder) && At(27, 12) == face);
}

TEST_F(StdTest, TabsJoinThePageAndEditsKeepTheirCorner)
{
    const COLORREF face = Color(kcFace);
    struct TTabCase { uint8_t position; TPoint lit, open; };
    const TRect tab{20, 20, 60, 40};
    const TTabCase tabs[] = {{ktpTop, {40, 19}, {40, 40}}, {ktpBottom, {20, 30}, {40, 19}},
                             {ktpLeft, {19, 30}, {60, 30}}, {ktpRight, {30, 20}, {19, 30}}};
    for (const TTabCase& t : tabs) {
        theme.DrawTab(Fresh(), tab, t.position, kesNormal);
        // The light edge reaches one pixel out; the page side is face, one
        // pixel out too, over where the dark edge was.
        EXPECT_TRUE(At(t.lit.x, t.lit.y) == Moved(face, 150) && At(t.open.x, t.open.y) == face)
            << int(t.position);
    }
    // The disabled edit's corner square shows through its rings; five rings
    // of the fill inside the two frame rings, and the middle left alone.
    theme.DrawEditFrame(Fresh(), {0, 0, 100, 50}, kesDisabled);
    const COLORREF fill = Color(kcDisabledFace);
    EXPECT_TRUE(At(0, 0) == Moved(face, -90) && At(1, 1) == Moved(face, -150) && At(98, 48) == face);
    EXPECT_EQ(Count({2, 2, 7, 3}, fill), 5);
    EXPECT_TRUE(At(7, 7) == Paper && At(85, 35) == fill && At(79, 29) == Paper);
    // A non-flat speed button under the mouse and a flat idle one leave the caller's paint.
    theme.DrawSpeedButton(Fresh(), {0, 0, 24, 24}, kesHot, false, false);
    theme.DrawSpeedButton(&canvas, {30, 0, 54, 24}, kesNormal, true, false);
    EXPECT_EQ(Count({0, 0, 60, 30}, Paper), 60 * 30);
    theme.DrawSpeedButton(&canvas, {0, 0, 24, 24}, kesNormal, false, true);  // held down: a checker
    EXPECT_TRUE(At(3, 3) == RGB(255, 255, 255) && At(4, 3) == face);
}
