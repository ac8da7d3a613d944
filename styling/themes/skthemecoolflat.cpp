#include "styling/themes/skthemecoolflat.h"

#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"

#include <array>

FW_IMPLEMENT_CLASS(TSkThemeCoolFlat, TSkThemeFlat)

namespace {

// Kinds without a colour of their own, and kind 4, are red: this look's
// default is a plain colour, not the system's scroll-bar colour.
constexpr TColor Fallback = TColor(0x0000FF);
constexpr TColor Sky = TColor(0x9CDEF7);
constexpr TColor Slate = TColor(0x8396A0);
constexpr std::array<TColor, 26> CoolFlatColors = {
    Sky,                          // 0 active caption
    clBtnFace,                    // 1 inactive caption
    RgbColor(0, 0, 0),            // 2 caption shadow
    RgbColor(0, 0, 0),            // 3 active caption text
    Fallback,                     // 4
    RgbColor(0, 0, 0),            // 5 inactive caption text
    RgbColor(255, 255, 255),      // 6 window
    Slate,                        // 7 border
    RgbColor(51, 102, 153),       // 8 selection
    RgbColor(254, 254, 251),      // 9 disabled face
    RgbColor(197, 197, 177),      // 10 disabled border
    clBtnFace,                    // 11 face
    TColor(0xE1EAEB),             // 12 hot face
    Slate,                        // 13 menu border
    clBtnFace,                    // 14 menu bar
    Sky,                          // 15 menu bar highlight
    clBtnFace,                    // 16 popup
    Sky,                          // 17 popup highlight
    RgbColor(0, 0, 0),            // 18 menu bar text
    RgbColor(0, 0, 0),            // 19 menu bar highlight text
    RgbColor(0, 0, 0),            // 20 popup text
    RgbColor(0, 0, 0),            // 21 popup highlight text
    RgbColor(128, 128, 128),      // 22 disabled menu text
    RgbColor(0, 0, 0),            // 23 header caption text
    RgbColor(149, 206, 255),      // 24 header gradient start
    RgbColor(49, 106, 197),       // 25 header gradient end
};
static_assert(CoolFlatColors.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> CoolFlatSizes = {
    3, 3, 23, 18, 10, 20, 20, 15, 15, 3,   // 0..9
    3, 2, 3, 3, 22, 17, 13, 13, 13, 13,    // 10..19
    9, 18, 4, 18, 17, 17, 1, 18, 15, 11,   // 20..29
};
static_assert(CoolFlatSizes.size() == ksLastSizeKind + 1, "one size per kind");

// How far the lifted and pushed rings of the caption buttons stand from their face.
constexpr int Edge = 30;
constexpr TColor Ink = RgbColor(0, 0, 0);

}  // namespace

int TSkThemeCoolFlat::GetSize(uint8_t kind) const
{
    return kind < CoolFlatSizes.size() ? CoolFlatSizes[kind] : 0;
}

TColor TSkThemeCoolFlat::GetColor(uint8_t kind) const
{
    return ShiftedColor(kind < CoolFlatColors.size() ? CoolFlatColors[kind] : Fallback);
}

std::string TSkThemeCoolFlat::GetName() const { return ClassThemeName(); }

void TSkThemeCoolFlat::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                      bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    // The caption band runs from the frame's inner edge down to the client.
    const TRect band{client.left, client.left, client.right, client.top};
    FillRectColor(canvas, band, GetColor(1));
    FrameRectColor(canvas, band, GetColor(kcBorder));
    TRect r{0, 0, width, height};
    DrawOutline(canvas, r, GetColor(kcBorder));
    DrawOutline(canvas, r, GetColor(kcFace));
    DrawOutline(canvas, r, GetColor(kcFace));
}

void TSkThemeCoolFlat::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool,
                                       bool pressed, bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    FillRectColor(canvas, rect, face);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    DrawEdgeRing(canvas, r, face, Edge, pressed);
    r = GrowRect(r, -1);
    FrameRectColor(canvas, r, face);
    DrawCaptionButtonGlyph(canvas, rect, glyph, pressed, Ink);
}
