// Canvas routines of the themes: each sets the canvas's pen and brush itself
// and draws in one call; the canvas keeps those tools afterwards. An empty or
// inverted rectangle draws nothing.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/base/colors.h"
#include "framework/base/sets.h"

#include <windows.h>

#include <array>
#include <vector>

enum TSkBevelSide { kbvLeft, kbvTop, kbvRight, kbvBottom };  // bits 1, 2, 4, 8
using TSkBevelSides = TSet<TSkBevelSide>;

// While one lives, the routines here read the layout of the canvas's paint
// buffer (pixels, origin, clip) once instead of at every call. A look opens
// one per operation: none of them moves the origin or the clip while it
// draws, and most draw several small pieces. Only the outermost batch on a
// device context counts; routines on any other context are unaffected.
class TSkDrawBatch {
public:
    explicit TSkDrawBatch(TCanvas* canvas);
    ~TSkDrawBatch();
    TSkDrawBatch(const TSkDrawBatch&) = delete;
    TSkDrawBatch& operator=(const TSkDrawBatch&) = delete;

private:
    bool outer_;
};

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

// A plain colour with amount added to (or taken from) each of red, green
// and blue, clamped; system colours are resolved first.
TColor LightenColor(TColor color, int amount);
TColor DarkenColor(TColor color, int amount);

// The classic two-ring bevels around a face of colour face: raised is light
// outside, sunken dark. Each shrinks rect by the two rings it drew.
void DrawRaisedBevel(TCanvas* canvas, TRect& rect, TColor face);
void DrawSunkenBevel(TCanvas* canvas, TRect& rect, TColor face);
// The flat looks' pieces: a 1-pixel outline that shrinks rect by one, and a
// single ring lit (lifted) or shaded (pushed) amount away from face.
void DrawOutline(TCanvas* canvas, TRect& rect, TColor color);
void DrawEdgeRing(TCanvas* canvas, const TRect& rect, TColor face, int amount, bool pushed);
// Two such rings, one inside the other, lit outside (raised) or shaded
// outside (sunken); rect shrinks by the two rings.
void DrawRingBevel(TCanvas* canvas, TRect& rect, TColor face, int amount, bool sunken);
// A 1-pixel outline with 3 x 3 corner ellipses: the frame less its four
// corner pixels, which keep whatever was there, at any size.
void DrawRoundOutline(TCanvas* canvas, const TRect& rect, TColor color);
// The region of a window with such corners on its width x height.
HRGN RoundWindowRegion(int width, int height);

// A classic form frame: the caption band between the frame's inner edge and
// the client in a gradient from caption to captionEnd, then the raised
// bevel and one more ring of face around the whole width x height.
void DrawClassicFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                          TColor caption, TColor captionEnd, TColor face);
// A caption button's picture (close, help, minimize, maximize, restore,
// roll up, roll down, tray, in the order of the theme's glyph codes) in one
// colour over whatever face is there.
void DrawCaptionButtonGlyph(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool pressed,
                            TColor color);
// The system's scroll arrow for a button of a bar of that kind; pressed
// draws it flat and moved.
void DrawScrollArrowGlyph(TCanvas* canvas, const TRect& rect, bool vertical, bool first,
                          bool pressed, TColor color);
// A header panel button's close cross or chevron (up, or down when down),
// inside the ring of rect.
void DrawHeaderButtonGlyph(TCanvas* canvas, const TRect& rect, bool close, bool down,
                           bool pressed, TColor color);
// The drop-down arrow of a speed button: a 7 x 4 triangle, moved by one
// when pressed; disabled, an etched outline in etch and color instead.
void DrawDropArrow(TCanvas* canvas, const TRect& rect, bool pressed, bool disabled, TColor color,
                   TColor etch);
// The corners of a track thumb, clockwise: a block for pointer 0, else a
// pentagon with its tip in the middle of the first (top or left, pointer 1)
// or second side.
std::vector<TPoint> TrackThumbPoints(const TRect& rect, bool vertical, uint8_t pointer);

// A 7 x 4 triangle centred in box and moved by (dx, dy), pointing down or
// up; nothing when the box is too small to hold it.
void DrawSmallArrow(TCanvas* canvas, const TRect& box, bool down, int dx, int dy, TColor color);

// A progress bar's blocks in client up to the end of bar: about two thirds
// of the client's thickness long, 2 pixels apart, clipped to client.
// With an outline colour, each block is also ringed in it.
void DrawProgressBlocks(TCanvas* canvas, const TRect& client, const TRect& bar, bool vertical,
                        TColor color, TColor outline = clNone);

// The sides of a clockwise polygon lit (facing up or left) or shaded, the
// shaded ones with a second line of inner just inside.
void DrawShadedPolygonSides(TCanvas* canvas, const std::vector<TPoint>& points, TColor light, TColor dark,
                            TColor inner);
// A group box's line along rect with each corner cut by 2 pixels, broken
// where the caption stands.
void DrawCutCornerGroupLine(TCanvas* canvas, const TRect& rect, const TRect& caption, TColor color);

void MoveTo(TCanvas* canvas, int x, int y);
void LineToColor(TCanvas* canvas, int x, int y, TColor color);

void FillRoundRectColor(TCanvas* canvas, const TRect& rect, int corner, TColor color);
void FrameRoundRectColor(TCanvas* canvas, const TRect& rect, int corner, TColor color);
void FramePolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color);
void PolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color);
// The lower right half of the largest square in rect's bottom-right corner,
// its diagonal included.
void FillCornerTriangle(TCanvas* canvas, const TRect& rect, TColor color);
void DrawFocusRectColor(TCanvas* canvas, const TRect& rect, TColor color);

// A smooth bar (bar less a 1-pixel margin) or blocks within client less
// the same margin; with an outline colour each piece is ringed in it.
void DrawProgressFill(TCanvas* canvas, const TRect& client, const TRect& bar, bool vertical,
                      bool smooth, TColor color, TColor outline = clNone);
// A group box's closed line along rect, broken where the caption stands,
// all of it moved by (offset, offset).
void DrawGroupBoxLine(TCanvas* canvas, const TRect& rect, const TRect& caption, int offset,
                      TColor color);

// Bands of solid colour from start to end, left to right or top to bottom;
// at most 256 bands, and the end colour itself is never reached.
void GradientFillRect(TCanvas* canvas, const TRect& rect, TColor start, TColor end, bool vertical);
// A checkerboard of single pixels: color2 where both coordinates are even or
// both odd, color1 elsewhere.
void DitherFillRect(TCanvas* canvas, const TRect& rect, TColor color1, TColor color2);
// An 8 x 8 pattern, row by row, laid on the device's grid from its origin
// as a brush's is; a negative left or top of rect counts as 0.
void PatternFillRect(TCanvas* canvas, const TRect& rect, const std::array<TColor, 64>& pattern);
void DitherFillPolygon(TCanvas* canvas, const std::vector<TPoint>& points, TColor color1,
                       TColor color2);

// The system's frame-control glyph (DFC_* type and DFCS_* state) in one
// colour, leaving the background as it was.
void DrawFrameGlyph(TCanvas* canvas, const TRect& rect, UINT type, TColor color, UINT state);
// The same glyph drawn at the size of glyph, of which only the ink at least
// margin pixels inside its edges is copied, and only where it falls in clip.
void DrawFrameGlyphInner(TCanvas* canvas, const TRect& glyph, int margin, const TRect& clip,
                         UINT type, TColor color, UINT state);
// The icon at 16 x 16, centred in rect.
void DrawIconCentered(TCanvas* canvas, const TRect& rect, HICON icon);
