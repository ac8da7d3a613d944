// Canvas routines of the themes: each sets the canvas's pen and brush itself
// and draws in one call; the canvas keeps those tools afterwards. An empty or
// inverted rectangle draws nothing.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/base/colors.h"
#include "framework/base/sets.h"

#include <windows.h>

#include <vector>

enum TSkBevelSide { kbvLeft, kbvTop, kbvRight, kbvBottom };  // bits 1, 2, 4, 8
using TSkBevelSides = TSet<TSkBevelSide>;

void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color);
void FillRectColor(TCanvas* canvas, int left, int top, int right, int bottom, TColor color);
void FrameRectColor(TCanvas* canvas, const TRect& rect, TColor color);
void FrameRectColor(TCanvas* canvas, int left, int top, int right, int bottom, TColor color);

// Left and top edges in topLeft, right and bottom in bottomRight; the two
// far corners belong to bottomRight.
void DrawFrame3D(TCanvas* canvas, const TRect& rect, TColor topLeft, TColor bottomRight);
// count rings of the chosen sides, moving each drawn side inward as it goes.
void DrawBevelLines(TCanvas* canvas, TRect& rect, TSkBevelSides sides, int count, TColor topLeft,
                    TColor bottomRight);

void MoveTo(TCanvas* canvas, int x, int y);
void LineToColor(TCanvas* canvas, int x, int y, TColor color);

void FillRoundRectColor(TCanvas* canvas, const TRect& rect, int corner, TColor color);
void FrameRoundRectColor(TCanvas* canvas, const TRect& rect, int corner, TColor color);
void FramePolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color);
void PolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color);
void DrawFocusRectColor(TCanvas* canvas, const TRect& rect, TColor color);

// Bands of solid colour from start to end, left to right or top to bottom;
// at most 256 bands, and the end colour itself is never reached.
void GradientFillRect(TCanvas* canvas, const TRect& rect, TColor start, TColor end, bool vertical);
// A checkerboard of single pixels: color2 where both coordinates are even or
// both odd, color1 elsewhere.
void DitherFillRect(TCanvas* canvas, const TRect& rect, TColor color1, TColor color2);
void DitherFillPolygon(TCanvas* canvas, const std::vector<TPoint>& points, TColor color1,
                       TColor color2);

// The system's frame-control glyph (DFC_* type and DFCS_* state) in one
// colour, leaving the background as it was.
void DrawFrameGlyph(TCanvas* canvas, const TRect& rect, UINT type, TColor color, UINT state);
// The icon at 16 x 16, centred in rect.
void DrawIconCentered(TCanvas* canvas, const TRect& rect, HICON icon);
