// Snapping of a dragged form to the edges of its work area.
#pragma once

#include <windows.h>

// The target rectangle of a caption drag, moved so that an edge closer than
// size pixels to the same edge of area lies on it (left before right, top
// before bottom). The shadow margin at the right and bottom is not part of
// the form's visible edges; the rectangle keeps its size.
RECT SkGravitate(const RECT& target, const RECT& area, int size, int shadow);
