#include "styling/core/skcolors.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(SkColors, ConversionsShadesHueShiftsAndBlends)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const TSkColor odd = SkRGBA(250, 10, 128, 0), red = 0xFFFF0000;
    const struct {
        const char* rule;
        TSkColor got, want;
    } cases[] = {
        {"pixel order, opaque", ColorToSkColor(0x123456, 0), 0xFF563412},
        {"system colour", ColorToSkColor(clBtnFace), ColorToSkColor(TColor(face))},
        {"alpha dropped", TSkColor(SkColorToColor(0x80563412)), 0x123456},
        {"make clamps", MakeSkColor(-5, 300, 128, 7), 0x0700FF80},
        {"lighten mod 256", LightenSkColor(0x10203040, 256 + 0x20), 0x10405060},
        {"lighten saturates", LightenSkColor(0x00F0E0D0, 0x20), 0x00FFFFF0},
        {"darken saturates, keeps alpha", DarkenSkColor(0x7F102030, 300), 0x7F000004},
        {"brightness clamps, opaque", ChangeBrightness(odd, 10), SkRGBA(255, 20, 138, 255)},
        {"brightness 16-bit sum", ChangeBrightness(odd, 65536 - 20), SkRGBA(230, 0, 108, 255)},
        {"brightness wraps negative", ChangeBrightness(odd, 40000), 0xFF000000},
        {"hue a third round, opaque", ChangeHue(0x00FF0000, 85), 0xFF00FF00},
        {"hue below the circle", ChangeHue(red, -85), 0xFF0000FF},
        {"hue circle of 255", ChangeHue(red, 255 + 85), 0xFF00FF00},
        {"hue corrected once", ChangeHue(SkRGBA(200, 40, 90, 255), 600), ChangeHue(SkRGBA(200, 40, 90, 255), 90)},
        {"grey has no hue", ChangeHue(SkRGBA(90, 90, 90, 10), 77), 0xFF5A5A5A},
        {"grey from lightness", HSLToSkColor(0.5, 0, 0.7), 0xFF808080},
        {"theme: hue then brightness", TSkColor(ShiftThemeColor(clRed, 170, 300)), TSkColor(clWhite)},
        {"theme: no turn moves nothing", TSkColor(ShiftThemeColor(RGB(0, 11, 104), 0, 10)), RGB(10, 21, 114)},
        {"theme: system colour plain", TSkColor(ShiftThemeColor(clBtnFace, 0, 0)), face},
        {"blend: alpha too", BlendSkColor(0x80FFFFFF, 0xFF000000), 0xBF808080},
        {"blend: no carry", BlendSkColor(0x80FFFFFF, 0xFFFFFFFF), 0xBFFFFFFF},
        {"blend: each channel", BlendSkColor(0x40FF8000, 0xFF0000FF), 0xCE4020BE},
        {"blend: opaque source", BlendSkColor(0xFF123456, 0x00ABCDEF), 0xFF123456},
        {"blend: clear source", BlendSkColor(0x00123456, 0x7FABCDEF), 0x7FABCDEF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want) << c.rule << std::hex << ": " << c.got;
}

TEST(SkColors, HslRoundTripsAndWrapsNegativeHues)
{
    double h, s, l;
    RGBToHSL(SkRGBA(255, 0, 255, 255), h, s, l);
    EXPECT_DOUBLE_EQ(h, 5.0 / 6.0);
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51) {
                RGBToHSL(SkRGBA(r, g, b, 255), h, s, l);
                ASSERT_EQ(HSLToSkColor(l, s, h), SkRGBA(r, g, b, 255)) << r << "," << g << "," << b;
            }
}
