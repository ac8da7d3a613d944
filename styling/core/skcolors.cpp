#include "styling/core/skcolors.h"

#include <algorithm>
#include <cmath>

namespace {

// Values are held to this range before they become int, which it fits.
constexpr double IntSafeRange = 1e9;

uint8_t ClampByte(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// Rounds halves to even. Done by hand: the C library's nearbyint saves and
// restores the floating-point environment on every call, which made a hue
// shift of a whole atlas several times slower.
int RoundEven(double value)
{
    if (value != value)
        return 0;  // NaN
    value = std::clamp(value, -IntSafeRange, IntSafeRange);
    int whole = static_cast<int>(value);  // towards zero
    double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && (whole & 1)))
        return whole + 1;
    if (rest < -0.5 || (rest == -0.5 && (whole & 1)))
        return whole - 1;
    return whole;
}

double Floor(double value)
{
    if (value != value)
        return 0;
    value = std::clamp(value, -IntSafeRange, IntSafeRange);
    double whole = static_cast<double>(static_cast<int>(value));
    return whole > value ? whole - 1 : whole;
}

int Wrap16(int value)
{
    int v = value & 0xFFFF;
    return v >= 0x8000 ? v - 0x10000 : v;
}

double HueChannel(double m1, double m2, double h)
{
    double f = h - Floor(h);
    if (6 * f < 1)
        return m1 + (m2 - m1) * 6 * f;
    if (2 * f < 1)
        return m2;
    if (3 * f < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - f) * 6;
    return m1;
}

uint8_t UnitToByte(double value) { return ClampByte(RoundEven(value * 255)); }

} // namespace

int SkRound(double value)
{
    return RoundEven(value);
}

TSkColor ColorToSkColor(TColor color, uint8_t)
{
    uint32_t rgb = ColorToRGB(color);
    return SkRGBA(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF, 255);
}

TColor SkColorToColor(TSkColor color)
{
    return static_cast<TColor>(SkRed(color) | (SkGreen(color) << 8) | (SkBlue(color) << 16));
}

TSkColor MakeSkColor(int16_t red, int16_t green, int16_t blue, uint8_t alpha)
{
    return SkRGBA(ClampByte(red), ClampByte(green), ClampByte(blue), alpha);
}

TSkColor LightenSkColor(TSkColor color, int amount)
{
    int a = amount & 0xFF;
    return SkRGBA(ClampByte(SkRed(color) + a), ClampByte(SkGreen(color) + a),
                  ClampByte(SkBlue(color) + a), SkAlpha(color));
}

TSkColor DarkenSkColor(TSkColor color, int amount)
{
    int a = amount & 0xFF;
    return SkRGBA(ClampByte(SkRed(color) - a), ClampByte(SkGreen(color) - a),
                  ClampByte(SkBlue(color) - a), SkAlpha(color));
}

TSkColor ChangeBrightness(TSkColor color, int amount)
{
    return SkRGBA(ClampByte(Wrap16(SkRed(color) + amount)),
                  ClampByte(Wrap16(SkGreen(color) + amount)),
                  ClampByte(Wrap16(SkBlue(color) + amount)), 255);
}

void RGBToHSL(TSkColor color, double& hue, double& saturation, double& lightness)
{
    double r = SkRed(color) / 255.0, g = SkGreen(color) / 255.0, b = SkBlue(color) / 255.0;
    double max = std::max({r, g, b}), min = std::min({r, g, b});
    lightness = (max + min) / 2;
    if (max == min) {
        hue = saturation = 0;
        return;
    }
    double d = max - min;
    saturation = lightness >= 0.5 ? d / (2 - max - min) : d / (max + min);
    if (r == max)
        hue = (g - b) / d;
    else if (g == max)
        hue = 2 + (b - r) / d;
    else
        hue = 4 + (r - g) / d;
    hue /= 6;
    if (hue < 0)
        hue += 1;
}

TSkColor HSLToSkColor(double lightness, double saturation, double hue)
{
    if (saturation == 0) {
        uint8_t grey = UnitToByte(lightness);
        return SkRGBA(grey, grey, grey, 255);
    }
    double m2 = lightness <= 0.5 ? lightness * (1 + saturation)
                                 : lightness + saturation - lightness * saturation;
    double m1 = 2 * lightness - m2;
    return SkRGBA(UnitToByte(HueChannel(m1, m2, hue + 1.0 / 3.0)),
                  UnitToByte(HueChannel(m1, m2, hue)),
                  UnitToByte(HueChannel(m1, m2, hue - 1.0 / 3.0)), 255);
}

TSkColor ChangeHue(TSkColor color, int amount)
{
    double h, s, l;
    RGBToHSL(color, h, s, l);
    int step = RoundEven(h * 255) + amount;
    // One correction each way: the circle has 255 steps, not 256.
    if (step > 255)
        step -= 255;
    if (step < 0)
        step += 255;
    return HSLToSkColor(l, s, step / 255.0);
}

TColor ShiftThemeColor(TColor color, int deltaHue, int deltaBrightness)
{
    // The hue circle is quantised, so even a zero turn can move a channel by
    // one: no turn must leave the colour as it is.
    TColor hued = deltaHue == 0 ? SkColorToColor(ColorToSkColor(color))
                                : SkColorToColor(ChangeHue(ColorToSkColor(color), deltaHue));
    return SkColorToColor(ChangeBrightness(ColorToSkColor(hued), deltaBrightness));
}

TSkColor BlendSkColor(TSkColor src, TSkColor dst)
{
    uint32_t a = SkAlpha(src);
    if (a == 255)
        return src;
    if (a == 0)
        return dst;
    // Two channels per 32-bit product: red with blue, alpha with green. Each
    // product fits its 16-bit half, so the halves never carry into each other.
    auto scale = [](uint32_t pair, uint32_t by) {
        return ((pair * by + 0x00800080u) >> 8) & 0x00FF00FFu;
    };
    uint32_t rb = scale(src & 0x00FF00FFu, a) + scale(dst & 0x00FF00FFu, 255 - a);
    uint32_t ag = scale((src >> 8) & 0x00FF00FFu, a) + scale((dst >> 8) & 0x00FF00FFu, 255 - a);
    return rb | (ag << 8);
}
