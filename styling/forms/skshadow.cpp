#include "styling/forms/skshadow.h"

#include <algorithm>

uint8_t SkShadowEdgeAlpha(int distance)
{
    static constexpr uint8_t fade[] = {20, 70, 120};
    return distance >= 0 && distance < int(std::size(fade)) ? fade[distance] : SkShadowAlpha;
}

namespace {

TSkColor BackgroundAt(const TSkBitmap* background, int x, int y)
{
    if (!background || x < 0 || y < 0 || x >= background->Width() || y >= background->Height())
        return 0xFF000000;
    return *background->PixelPtr(x, y) | 0xFF000000;
}

// One strip of the shadow, clipped to the surface. right and bottom are the
// window's outer edges, from which the fade is counted.
void Darken(TSkBitmap& surface, RECT strip, int right, int bottom, const TSkBitmap* background,
            POINT origin)
{
    strip.left = std::max<LONG>(strip.left, 0);
    strip.top = std::max<LONG>(strip.top, 0);
    strip.right = std::min<LONG>(strip.right, surface.Width());
    strip.bottom = std::min<LONG>(strip.bottom, surface.Height());
    for (int y = strip.top; y < strip.bottom; ++y) {
        TSkColor* row = surface.PixelPtr(0, y);
        const uint8_t rowAlpha = SkShadowEdgeAlpha(bottom - 1 - y);
        for (int x = strip.left; x < strip.right; ++x) {
            // The bottom right corner fades along both edges.
            const uint8_t alpha = std::min(rowAlpha, SkShadowEdgeAlpha(right - 1 - x));
            row[x] = BlendSkColor(SkShadowColor | TSkColor(alpha) << 24,
                                  BackgroundAt(background, x + origin.x, y + origin.y));
        }
    }
}

}  // namespace

void SkPaintShadow(TSkBitmap& surface, int frameWidth, int frameHeight, int size,
                   const TSkBitmap* background, POINT origin)
{
    if (surface.IsEmpty() || size < 1 || frameWidth < 1 || frameHeight < 1)
        return;
    const int right = frameWidth + size, bottom = frameHeight + size;
    GdiFlush();  // the surface may still have drawing queued
    Darken(surface, {frameWidth, size, right, bottom}, right, bottom, background, origin);
    Darken(surface, {size, frameHeight, frameWidth, bottom}, right, bottom, background, origin);
    surface.FillRect({frameWidth, 0, right, size}, SkTransparentColor);
    surface.FillRect({0, frameHeight, size, bottom}, SkTransparentColor);
}

void SkBlendOverBackground(TSkBitmap& surface, const RECT& area, int value,
                           const TSkBitmap& background, POINT origin)
{
    if (surface.IsEmpty() || background.IsEmpty() || IsRectEmpty(&area))
        return;
    value = std::clamp(value, 0, 255);
    GdiFlush();
    surface.SetAlphaRect(static_cast<uint8_t>(value), area);
    const RECT from{area.left + origin.x, area.top + origin.y, area.right + origin.x,
                    area.bottom + origin.y};
    surface.DrawUnder(background, area.left, from, area.top);
    // What the background did not cover keeps the form's pixels; the alpha
    // goes back so a later mix starts from opaque pixels.
    surface.SetAlphaRect(255, area);
}
