// The drop shadow of a skinned form and the translucency of its own pixels,
// both painted over the snapshot of the screen behind the window rather than
// through layered windows. Pure pixel work on 32-bit bitmaps; the form says
// where and when.
#pragma once

#include "styling/core/skbitmap.h"

#include <windows.h>

// The shadow's darkening colour and its opacity away from the fading edge.
constexpr TSkColor SkShadowColor = 0x003F3F3F;
constexpr uint8_t SkShadowAlpha = 0x80;

// How opaque the shadow is at distance pixels from its outer edge: the
// three outermost lines fade out, the rest has the full shadow alpha.
uint8_t SkShadowEdgeAlpha(int distance);

// Paints the shadow of a frameWidth x frameHeight frame whose window is
// size pixels wider and taller: the strip right of the frame (from y = size
// down) and the one below it (from x = size across) darken the background;
// the two squares outside the window's region (top right and bottom left)
// get the key colour. background may be null (the shadow then darkens black);
// origin is where the surface's (0, 0) lies in the background.
void SkPaintShadow(TSkBitmap& surface, int frameWidth, int frameHeight, int size,
                   const TSkBitmap* background, POINT origin);

// Mixes the pixels of area (surface coordinates) over the background so
// that they keep value/255 of their weight; 255 leaves them exact. Pixels
// the background does not cover stay as they are.
void SkBlendOverBackground(TSkBitmap& surface, const RECT& area, int value,
                           const TSkBitmap& background, POINT origin);
