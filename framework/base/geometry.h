// Points, sizes and rectangles: the platform's own structures, so they pass
// straight to the API. Rectangles exclude their right and bottom edges.
#pragma once

#include <windows.h>

using TPoint = POINT;
using TSize = SIZE;
using TRect = RECT;

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height)
{
    return TRect{left, top, left + width, top + height};
}
