// TSkColor: the library's 32-bit pixel (alpha, red, green, blue from the top
// byte down; the memory order of a 32-bit DIB) and its arithmetic.
// Byte-level and free of windows.h.
#pragma once

#include "framework/base/colors.h"

#include <cstdint>

using TSkColor = uint32_t;

// The key colour of transparent copies and the fill of fresh paint buffers.
constexpr TSkColor SkTransparentColor = 0x007F007F;
// What a read outside a bitmap gives.
constexpr TSkColor SkInvalidPixel = 0x33333333;
constexpr TSkColor SkColorMask = 0x00FFFFFF;  // red, green, blue without alpha

constexpr uint8_t SkAlpha(TSkColor c) { return static_cast<uint8_t>(c >> 24); }
constexpr uint8_t SkRed(TSkColor c) { return static_cast<uint8_t>(c >> 16); }
constexpr uint8_t SkGreen(TSkColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t SkBlue(TSkColor c) { return static_cast<uint8_t>(c); }
constexpr TSkColor SkRGBA(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    return (TSkColor(a) << 24) | (TSkColor(r) << 16) | (TSkColor(g) << 8) | b;
}

// Rounds to the nearest integer, halves to even.
int SkRound(double value);

// System colours resolved; the result is always opaque (the alpha argument is
// kept for callers that pass one, and ignored).
TSkColor ColorToSkColor(TColor color, uint8_t alpha = 255);
TColor SkColorToColor(TSkColor color);

// Each channel clamped to 0..255.
TSkColor MakeSkColor(int16_t red, int16_t green, int16_t blue, uint8_t alpha);

// Amount taken mod 256, channels saturate; alpha unchanged.
TSkColor LightenSkColor(TSkColor color, int amount);
TSkColor DarkenSkColor(TSkColor color, int amount);

// Channel + amount as a 16-bit signed sum, clamped; the result is opaque.
TSkColor ChangeBrightness(TSkColor color, int amount);
// Hue moved round a circle of 255 steps; the result is opaque.
TSkColor ChangeHue(TSkColor color, int amount);

// A theme colour moved by the global hue and brightness shift: hue first,
// then brightness, each through a plain colour. System colours are resolved;
// a zero shift leaves the colour exactly as it is.
TColor ShiftThemeColor(TColor color, int deltaHue, int deltaBrightness);

// Hue, saturation and lightness, each 0..1.
void RGBToHSL(TSkColor color, double& hue, double& saturation, double& lightness);
TSkColor HSLToSkColor(double lightness, double saturation, double hue);

// src over dst by src's alpha, every channel (alpha included) rounded apart.
TSkColor BlendSkColor(TSkColor src, TSkColor dst);
