#include "styling/core/skcolors.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(SkColorConversion, PlainColoursSwapToPixelOrderAndAreAlwaysOpaque)
{
    EXPECT_EQ(ColorToSkColor(clRed, 255), 0xFFFF0000u);
    EXPECT_EQ(ColorToSkColor(0x123456, 0), 0xFF563412u);
    EXPECT_EQ(SkColorToColor(0x80563412u), 0x123456);

    COLORREF face = GetSysColor(COLOR_BTNFACE);
    TSkColor expected = SkRGBA(GetRValue(face), GetGValue(face), GetBValue(face), 255);
    EXPECT_EQ(ColorToSkColor(clBtnFace, 0), expected);
}

TEST(SkColorConversion, MakeClampsEachChannel)
{
    EXPECT_EQ(MakeSkColor(-5, 300, 128, 7), 0x0700FF80u);
    EXPECT_EQ(MakeSkColor(0, 255, 1, 255), 0xFF00FF01u);
}

TEST(SkColorShades, LightenAndDarkenTakeTheAmountModulo256AndKeepAlpha)
{
    EXPECT_EQ(LightenSkColor(0x10203040u, 256), 0x10203040u);
    EXPECT_EQ(LightenSkColor(0x10203040u, 0x20), 0x10405060u);
    EXPECT_EQ(LightenSkColor(0x00F0E0D0u, 0x20), 0x00FFFFF0u);
    EXPECT_EQ(LightenSkColor(0x00000000u, -1), 0x00FFFFFFu);  // -1 is 255 as a byte

    EXPECT_EQ(DarkenSkColor(0xFF646464u, 300), 0xFF383838u);  // 300 mod 256 = 44
    EXPECT_EQ(DarkenSkColor(0x7F102030u, 0x18), 0x7F000818u);
}

TEST(SkColorShades, BrightnessClampsSixteenBitSumsAndMakesOpaque)
{
    TSkColor c = SkRGBA(250, 10, 128, 0);
    EXPECT_EQ(ChangeBrightness(c, 10), SkRGBA(255, 20, 138, 255));
    EXPECT_EQ(ChangeBrightness(c, -20), SkRGBA(230, 0, 108, 255));
    EXPECT_EQ(ChangeBrightness(c, 65536 + 10), SkRGBA(255, 20, 138, 255));
    // 250 + 40000 wraps to a negative 16-bit value: every channel goes dark.
    EXPECT_EQ(ChangeBrightness(c, 40000), SkRGBA(0, 0, 0, 255));
}

TEST(SkColorHue, HslOfPrimariesAndRoundTrips)
{
    double h, s, l;
    RGBToHSL(SkRGBA(255, 0, 0, 255), h, s, l);
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_DOUBLE_EQ(s, 1);
    EXPECT_DOUBLE_EQ(l, 0.5);
    RGBToHSL(SkRGBA(255, 0, 255, 255), h, s, l);
    EXPECT_DOUBLE_EQ(h, 5.0 / 6.0);  // negative hue wrapped round
    RGBToHSL(SkRGBA(64, 64, 64, 255), h, s, l);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 0);

    EXPECT_EQ(HSLToSkColor(0.5, 0, 0.7), 0xFF808080u);
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51) {
                TSkColor c = SkRGBA(r, g, b, 255);
                RGBToHSL(c, h, s, l);
                ASSERT_EQ(HSLToSkColor(l, s, h), c) << r << "," << g << "," << b;
            }
}

TEST(SkColorHue, ShiftMovesRoundA255StepCircle)
{
    const TSkColor red = SkRGBA(255, 0, 0, 255);
    EXPECT_EQ(ChangeHue(red, 85), 0xFF00FF00u);
    EXPECT_EQ(ChangeHue(SkRGBA(255, 0, 0, 0), 0), red);
    EXPECT_EQ(ChangeHue(red, 170), 0xFF0000FFu);
    EXPECT_EQ(ChangeHue(red, -85), 0xFF0000FFu);
    EXPECT_EQ(ChangeHue(red, 255 + 85), 0xFF00FF00u);
    // Only one correction is made: 600 stays above the circle and lands where
    // 90 steps would.
    EXPECT_EQ(ChangeHue(SkRGBA(200, 40, 90, 255), 600), ChangeHue(SkRGBA(200, 40, 90, 255), 90));

    for (int amount : {-300, -1, 1, 77, 254, 1000})
        EXPECT_EQ(ChangeHue(SkRGBA(90, 90, 90, 10), amount), 0xFF5A5A5Au) << amount;
}

TEST(SkColorHue, ThemeColoursShiftHueThenBrightness)
{
    EXPECT_EQ(ShiftThemeColor(clRed, 85, 0), clLime);
    EXPECT_EQ(ShiftThemeColor(clRed, 0, -55), 0x0000C8);
    EXPECT_EQ(ShiftThemeColor(clRed, 170, 300), clWhite);
    // A system colour comes out as a plain one.
    EXPECT_GE(ShiftThemeColor(clBtnFace, 0, 0), 0);
    EXPECT_LE(ShiftThemeColor(clBtnFace, 0, 0), 0xFFFFFF);
    // A hue the quantised circle would move by one stays put without a turn.
    EXPECT_EQ(ShiftThemeColor(RGB(0, 11, 104), 0, 0), TColor(RGB(0, 11, 104)));
    EXPECT_EQ(ShiftThemeColor(RGB(0, 11, 104), 0, 10), TColor(RGB(10, 21, 114)));
}

TEST(SkColorBlend, SourceAlphaWeighsEveryChannelAlphaIncluded)
{
    EXPECT_EQ(BlendSkColor(0x80FFFFFFu, 0xFF000000u) >> 24, 191u);
    EXPECT_EQ(SkRed(BlendSkColor(0x80FF0000u, 0xFF000000u)), 128);
    EXPECT_EQ(BlendSkColor(0x80FFFFFFu, 0xFFFFFFFFu), 0xBFFFFFFFu);  // no carry between channels
    EXPECT_EQ(BlendSkColor(0x40FF8000u, 0xFF0000FFu), 0xCE4020BEu);
    EXPECT_EQ(BlendSkColor(0xFF123456u, 0x00ABCDEFu), 0xFF123456u);
    EXPECT_EQ(BlendSkColor(0x00123456u, 0x7FABCDEFu), 0x7FABCDEFu);
}
