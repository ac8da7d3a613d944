#include "styling/core/skdraw.h"

#include "framework/graphics/bitmap.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcolors.h"
#include "styling/core/skrects.h"

#include <algorithm>

namespace {

// The side of a pattern brush: older systems use no more of a pattern.
constexpr int PatternSize = 8;
// The size DrawIconCentered draws icons at: the small icon.
constexpr int SmallIconSize = 16;
// A gradient's bands are one more than this at most.
constexpr int MaxGradientSteps = 255;

void SolidBrush(TCanvas* canvas, TColor color)
{
    TBrush* brush = canvas->Brush();
    brush->SetBitmap(nullptr);
    brush->SetColor(color);
    brush->SetStyle(bsSolid);
}

void ClearBrush(TCanvas* canvas)
{
    canvas->Brush()->SetBitmap(nullptr);
    canvas->Brush()->SetStyle(bsClear);
}

void SolidPen(TCanvas* canvas, TColor color)
{
    TPen* pen = canvas->Pen();
    pen->SetColor(color);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

// The 8 x 8 checkerboard brush of the dither fills.
std::unique_ptr<TBitmap> DitherPattern(TColor color1, TColor color2)
{
    auto pattern = std::make_unique<TBitmap>(PatternSize, PatternSize, pf32bit);
    TSkColor c1 = ColorToSkColor(color1), c2 = ColorToSkColor(color2);
    for (int y = 0; y < PatternSize; ++y) {
        auto* row = static_cast<TSkColor*>(pattern->ScanLine(y));
        for (int x = 0; x < PatternSize; ++x)
            row[x] = (x + y) % 2 == 0 ? c2 : c1;
    }
    return pattern;
}

} // namespace

void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color)
{
    if (IsRectEmptyEx(rect))
        return;
    SolidBrush(canvas, color);
    canvas->FillRect(rect);
}

void FillRectColor(TCanvas* canvas, int left, int top, int right, int bottom, TColor color)
{
    FillRectColor(canvas, TRect{left, top, right, bottom}, color);
}

void FrameRectColor(TCanvas* canvas, const TRect& rect, TColor color)
{
    if (IsRectEmptyEx(rect))
        return;
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas->Rectangle(rect);
}

void FrameRectColor(TCanvas* canvas, int left, int top, int right, int bottom, TColor color)
{
    FrameRectColor(canvas, TRect{left, top, right, bottom}, color);
}

void DrawFrame3D(TCanvas* canvas, const TRect& r, TColor topLeft, TColor bottomRight)
{
    if (IsRectEmptyEx(r))
        return;
    ClearBrush(canvas);
    SolidPen(canvas, topLeft);
    canvas->MoveTo(r.left, r.bottom - 2);
    canvas->LineTo(r.left, r.top);
    canvas->LineTo(r.right - 1, r.top);
    SolidPen(canvas, bottomRight);
    canvas->MoveTo(r.right - 1, r.top);
    canvas->LineTo(r.right - 1, r.bottom - 1);
    canvas->LineTo(r.left - 1, r.bottom - 1);
}

void DrawBevelLines(TCanvas* canvas, TRect& r, TSkBevelSides sides, int count, TColor topLeft,
                    TColor bottomRight)
{
    for (int i = 0; i < count && !IsRectEmptyEx(r); ++i) {
        if (sides.Contains(kbvLeft)) {
            SolidPen(canvas, topLeft);
            Line(canvas, r.left, r.top, r.left, r.bottom);
        }
        if (sides.Contains(kbvTop)) {
            SolidPen(canvas, topLeft);
            Line(canvas, r.left, r.top, r.right, r.top);
        }
        if (sides.Contains(kbvBottom)) {
            SolidPen(canvas, bottomRight);
            Line(canvas, r.left, r.bottom - 1, r.right, r.bottom - 1);
        }
        if (sides.Contains(kbvRight)) {
            SolidPen(canvas, bottomRight);
            Line(canvas, r.right - 1, r.top, r.right - 1, r.bottom);
        }
        r.left += sides.Contains(kbvLeft);
        r.top += sides.Contains(kbvTop);
        r.right -= sides.Contains(kbvRight);
        r.bottom -= sides.Contains(kbvBottom);
    }
}

TColor LightenColor(TColor color, int amount)
{
    return SkColorToColor(LightenSkColor(ColorToSkColor(color), amount));
}

TColor DarkenColor(TColor color, int amount)
{
    return SkColorToColor(DarkenSkColor(ColorToSkColor(color), amount));
}

// The bevels' light and dark rings: 150 away from the face outside, 90 inside.
constexpr int BevelOuter = 150;
constexpr int BevelInner = 90;

void DrawRaisedBevel(TCanvas* canvas, TRect& r, TColor face)
{
    DrawFrame3D(canvas, r, LightenColor(face, BevelOuter), DarkenColor(face, BevelOuter));
    r = GrowRect(r, -1);
    DrawFrame3D(canvas, r, face, DarkenColor(face, BevelInner));
    r = GrowRect(r, -1);
}

void DrawSunkenBevel(TCanvas* canvas, TRect& r, TColor face)
{
    DrawFrame3D(canvas, r, DarkenColor(face, BevelOuter), LightenColor(face, BevelOuter));
    r = GrowRect(r, -1);
    DrawFrame3D(canvas, r, DarkenColor(face, BevelInner), face);
    r = GrowRect(r, -1);
}

void DrawSmallArrow(TCanvas* canvas, const TRect& box, bool down, int dx, int dy, TColor color)
{
    constexpr int Width = 7, Height = 4;
    TRect at = CenterRect(TRect{0, 0, Width, Height}, box);
    OffsetRect(&at, dx, dy);
    if (!RectsEqual(IntersectRects(at, box), at))
        return;
    // One row per line, 1, 3, 5 and 7 pixels wide, drawn as fills so the
    // rows are exact whatever the pen does at polygon edges.
    for (int row = 0; row < Height; ++row) {
        const int half = down ? Height - 1 - row : row;
        FillRectColor(canvas, at.left + 3 - half, at.top + row, at.left + 4 + half,
                      at.top + row + 1, color);
    }
}

void DrawProgressBlocks(TCanvas* canvas, const TRect& client, const TRect& bar, bool vertical,
                        TColor color)
{
    // The last block may reach past the end of the bar.
    const int thickness = vertical ? RectWidth(client) : RectHeight(client);
    const int pitch = SkRound(0.64 * thickness) + 2;
    const int n = (vertical ? RectHeight(bar) : RectWidth(bar)) / pitch;
    if (n <= 0)
        return;
    for (int i = 0; i <= n; ++i) {
        TRect block = client;
        if (vertical) {
            block.top = block.bottom - pitch + 2;
            block.top -= i * pitch;
            block.bottom -= i * pitch;
        } else {
            block.right = block.left + pitch - 2;
            block.left += i * pitch;
            block.right += i * pitch;
        }
        FillRectColor(canvas, IntersectRects(block, client), color);
    }
}

void MoveTo(TCanvas* canvas, int x, int y)
{
    canvas->MoveTo(x, y);
}

void LineToColor(TCanvas* canvas, int x, int y, TColor color)
{
    SolidPen(canvas, color);
    canvas->LineTo(x, y);
}

void FillRoundRectColor(TCanvas* canvas, const TRect& r, int corner, TColor color)
{
    if (IsRectEmptyEx(r))
        return;
    SolidBrush(canvas, color);
    SolidPen(canvas, color);
    canvas->RoundRect(r.left, r.top, r.right, r.bottom, corner, corner);
}

void FrameRoundRectColor(TCanvas* canvas, const TRect& r, int corner, TColor color)
{
    if (IsRectEmptyEx(r))
        return;
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas->RoundRect(r.left, r.top, r.right, r.bottom, corner, corner);
}

void FramePolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color)
{
    if (points.empty())
        return;
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas->Polygon(points);
}

void PolygonColor(TCanvas* canvas, const std::vector<TPoint>& points, TColor color)
{
    if (points.empty())
        return;
    SolidBrush(canvas, color);
    SolidPen(canvas, color);
    canvas->Polygon(points);
}

void DrawFocusRectColor(TCanvas* canvas, const TRect& rect, TColor color)
{
    if (IsRectEmptyEx(rect))
        return;
    SolidBrush(canvas, color);
    canvas->DrawFocusRect(rect);
}

void GradientFillRect(TCanvas* canvas, const TRect& r, TColor start, TColor end, bool vertical)
{
    if (IsRectEmptyEx(r))
        return;
    const int size = vertical ? RectHeight(r) : RectWidth(r);
    const int n = std::min(MaxGradientSteps, size);
    const uint32_t c1 = ColorToRGB(start), c2 = ColorToRGB(end);
    double base[3], span[3];
    for (int k = 0; k < 3; ++k) {
        int a = (c1 >> (8 * k)) & 0xFF, b = (c2 >> (8 * k)) & 0xFF;
        base[k] = a * 255.0;
        span[k] = (b - a) * 255.0;
    }
    for (int i = 0; i <= n; ++i) {
        int from = MulDiv(i, size, n), to = MulDiv(i + 1, size, n);
        TRect band = vertical ? TRect{r.left, r.top + from, r.right, r.top + to}
                              : TRect{r.left + from, r.top, r.left + to, r.bottom};
        band = IntersectRects(band, r);
        if (IsRectEmptyEx(band))
            continue;
        int channel[3];
        for (int k = 0; k < 3; ++k)
            channel[k] = SkRound((i * span[k] / n + base[k]) / 255);
        FillRectColor(canvas, band, TColor(channel[0] | (channel[1] << 8) | (channel[2] << 16)));
    }
}

void DitherFillRect(TCanvas* canvas, const TRect& rect, TColor color1, TColor color2)
{
    TRect r = rect;
    r.left = std::max(0, int(r.left));
    r.top = std::max(0, int(r.top));
    if (IsRectEmptyEx(r))
        return;
    auto pattern = DitherPattern(color1, color2);
    canvas->Brush()->SetBitmap(pattern.get());
    canvas->FillRect(r);
    canvas->Brush()->SetBitmap(nullptr);  // no pattern lingers for the next caller
}

void DitherFillPolygon(TCanvas* canvas, const std::vector<TPoint>& points, TColor color1,
                       TColor color2)
{
    if (points.empty())
        return;
    auto pattern = DitherPattern(color1, color2);
    canvas->Brush()->SetBitmap(pattern.get());
    canvas->Pen()->SetStyle(psClear);
    canvas->Polygon(points);
    canvas->Brush()->SetBitmap(nullptr);
}

void DrawFrameGlyph(TCanvas* canvas, const TRect& rect, UINT type, TColor color, UINT state)
{
    DrawFrameGlyphInner(canvas, rect, 0, rect, type, color, state);
}

void DrawFrameGlyphInner(TCanvas* canvas, const TRect& rect, int margin, const TRect& clip,
                         UINT type, TColor color, UINT state)
{
    const TRect inner = IntersectRects(GrowRect(rect, -margin), clip);
    if (IsRectEmptyEx(rect) || IsRectEmptyEx(inner))
        return;
    TSkBitmap glyph;
    glyph.SetSize(RectWidth(rect), RectHeight(rect));
    glyph.Fill(SkRGBA(255, 255, 255, 255));
    RECT area{0, 0, glyph.Width(), glyph.Height()};
    DrawFrameControl(glyph.DC(), &area, type, state);
    GdiFlush();
    const TSkColor ink = ColorToSkColor(color);
    TSkColor* p = glyph.Pixels();
    for (size_t i = 0, n = size_t(glyph.Width()) * glyph.Height(); i < n; ++i)
        p[i] = (p[i] & SkColorMask) == 0 ? ink : SkTransparentColor;
    const TRect src{inner.left - rect.left, inner.top - rect.top, inner.right - rect.left,
                    inner.bottom - rect.top};
    glyph.Draw(canvas->Handle(), inner.left, inner.top, true, src);
}

void DrawIconCentered(TCanvas* canvas, const TRect& rect, HICON icon)
{
    if (!icon || IsRectEmptyEx(rect))
        return;
    TRect at = CenterRect(TRect{0, 0, SmallIconSize, SmallIconSize}, rect);
    DrawIconEx(canvas->Handle(), at.left, at.top, icon, SmallIconSize, SmallIconSize, 0, nullptr,
               DI_NORMAL);
}
