// Rectangle arithmetic on Windows rectangles (right and bottom exclusive).
#pragma once

#include <windows.h>

// Saturated at the int range: the extent of an extreme rectangle does not
// fit otherwise.
int RectWidth(const RECT& r);
int RectHeight(const RECT& r);

// rect moved so that it is centred in bounds; odd offsets are halved
// towards zero.
RECT CenterRect(const RECT& rect, const RECT& bounds);
// rect moved to bounds' left edge and centred vertically in it.
RECT CenterRectVert(const RECT& rect, const RECT& bounds);
RECT GrowRect(const RECT& rect, int by);
bool IsRectEmptyEx(const RECT& rect);
bool RectsEqual(const RECT& a, const RECT& b);
// The part of a inside b, or an empty rectangle.
RECT IntersectRects(const RECT& a, const RECT& b);
