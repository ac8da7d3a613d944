#include "styling/core/skdraw.h"

#include "framework/graphics/bitmap.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcolors.h"
#include "styling/core/skrects.h"
#include "styling/core/themethemes.h"

#include <algorithm>
#include <map>
#include <tuple>

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

// The paint buffer's layout as the outermost open batch read it.
struct TBatchState {
    HDC dc = nullptr;
    bool ok = false;
    TSkBitmap::TDirectTarget target{};
};
thread_local TBatchState batchState;

bool Inspect(HDC dc, TSkBitmap::TDirectTarget& target)
{
    if (!dc || dc != batchState.dc)
        return TSkBitmap::DirectTarget(dc, target);
    if (batchState.ok) {
        GdiFlush();  // GDI's own drawing in between lands before these pixels
        target = batchState.target;
    }
    return batchState.ok;
}

// Plain fills straight into the pixels of a paint buffer: what GDI would
// write (the colour with alpha 0), without a call per fill. Setting up GDI
// for a few pixels costs many times what the pixels do.
class TDirectPixels {
public:
    explicit TDirectPixels(TCanvas* canvas) : ok_(Inspect(canvas->Handle(), target_)) {}
    explicit operator bool() const { return ok_; }

    // Calls paint(row pointer, device x from, device x to, device y) for
    // every visible row of the logical rectangle.
    template <typename TPaint>
    void Rows(int64_t left, int64_t top, int64_t right, int64_t bottom, TPaint paint) const
    {
        const RECT& v = target_.visible;
        const int64_t l = std::max<int64_t>(left + target_.dx, v.left);
        const int64_t r = std::min<int64_t>(right + target_.dx, v.right);
        const int64_t t = std::max<int64_t>(top + target_.dy, v.top);
        const int64_t b = std::min<int64_t>(bottom + target_.dy, v.bottom);
        for (int64_t y = t; y < b && l < r; ++y)
            paint(target_.bits + y * target_.stride, l, r, y);
    }
    int64_t Dx() const { return target_.dx; }
    int64_t Dy() const { return target_.dy; }
    void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, TSkColor pixel) const
    {
        Rows(left, top, right, bottom, [pixel](TSkColor* row, int64_t l, int64_t r, int64_t) {
            std::fill(row + l, row + r, pixel);
        });
    }

private:
    TSkBitmap::TDirectTarget target_{};
    bool ok_;
};

// What GDI leaves in a 32-bit pixel it fills or draws a line over with a
// solid colour: the colour, alpha 0.
TSkColor GdiPixel(TColor color) { return ColorToSkColor(color) & SkColorMask; }

} // namespace

TSkDrawBatch::TSkDrawBatch(TCanvas* canvas) : outer_(!batchState.dc && canvas->Handle())
{
    if (!outer_)
        return;
    batchState.dc = canvas->Handle();
    batchState.ok = TSkBitmap::DirectTarget(batchState.dc, batchState.target);
}

TSkDrawBatch::~TSkDrawBatch()
{
    if (outer_)
        batchState = TBatchState{};
}

void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color)
{
    if (IsRectEmptyEx(rect))
        return;
    SolidBrush(canvas, color);
    if (TDirectPixels direct{canvas}) {
        direct.Fill(rect.left, rect.top, rect.right, rect.bottom, GdiPixel(color));
        return;
    }
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
    // Narrower outlines are left to GDI's own rules.
    if (RectWidth(rect) >= 2 && RectHeight(rect) >= 2) {
        if (TDirectPixels direct{canvas}) {
            const TSkColor p = GdiPixel(color);
            const TRect& r = rect;
            direct.Fill(r.left, r.top, r.right, r.top + 1, p);
            direct.Fill(r.left, r.bottom - 1, r.right, r.bottom, p);
            direct.Fill(r.left, r.top + 1, r.left + 1, r.bottom - 1, p);
            direct.Fill(r.right - 1, r.top + 1, r.right, r.bottom - 1, p);
            return;
        }
    }
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
    if (RectWidth(r) >= 2 && RectHeight(r) >= 2) {
        if (TDirectPixels direct{canvas}) {
            // The pixels the two pen strokes below cover.
            const TSkColor a = GdiPixel(topLeft), b = GdiPixel(bottomRight);
            direct.Fill(r.left, r.top, r.right - 1, r.top + 1, a);
            direct.Fill(r.left, r.top + 1, r.left + 1, r.bottom - 1, a);
            direct.Fill(r.right - 1, r.top, r.right, r.bottom - 1, b);
            direct.Fill(r.left, r.bottom - 1, r.right, r.bottom, b);
            SolidPen(canvas, bottomRight);
            return;
        }
    }
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

void DrawOutline(TCanvas* canvas, TRect& rect, TColor color)
{
    FrameRectColor(canvas, rect, color);
    rect = GrowRect(rect, -1);
}

void DrawEdgeRing(TCanvas* canvas, const TRect& rect, TColor face, int amount, bool pushed)
{
    const TColor light = LightenColor(face, amount), dark = DarkenColor(face, amount);
    DrawFrame3D(canvas, rect, pushed ? dark : light, pushed ? light : dark);
}

void DrawRingBevel(TCanvas* canvas, TRect& rect, TColor face, int amount, bool sunken)
{
    for (int ring = 0; ring < 2; ++ring) {
        DrawEdgeRing(canvas, rect, face, amount, sunken);
        rect = GrowRect(rect, -1);
    }
}

void DrawRoundOutline(TCanvas* canvas, const TRect& r, TColor color)
{
    if (IsRectEmptyEx(r))
        return;
    SolidBrush(canvas, color);
    // Four spans that leave out the corner pixels; on a rectangle one or two
    // pixels high (or wide) the sides are empty and the ends stay untouched.
    const TRect spans[] = {{r.left + 1, r.top, r.right - 1, r.top + 1},
                           {r.left + 1, r.bottom - 1, r.right - 1, r.bottom},
                           {r.left, r.top + 1, r.left + 1, r.bottom - 1},
                           {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
    TDirectPixels direct{canvas};
    const TSkColor p = GdiPixel(color);
    for (const TRect& s : spans) {
        if (IsRectEmptyEx(s))
            continue;
        if (direct)
            direct.Fill(s.left, s.top, s.right, s.bottom, p);
        else
            canvas->FillRect(s);
    }
}

HRGN RoundWindowRegion(int width, int height)
{
    return CreateRoundRectRgn(0, 0, width + 1, height + 1, 3, 3);
}

void DrawClassicFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                          TColor caption, TColor captionEnd, TColor face)
{
    // The caption band runs from the frame's inner edge down to the client.
    GradientFillRect(canvas, {client.left, client.left, client.right, client.top}, caption,
                     captionEnd, false);
    TRect r{0, 0, width, height};
    DrawRaisedBevel(canvas, r, face);
    FrameRectColor(canvas, r, face);
}

void DrawCaptionButtonGlyph(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool pressed,
                            TColor color)
{
    if (IsRectEmptyEx(rect))
        return;
    static const UINT captions[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONHELP, DFCS_CAPTIONMIN,
                                    DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE};
    if (glyph <= kfbRestore) {
        DrawFrameGlyph(canvas, rect, DFC_CAPTION, color, captions[glyph] | (pressed ? DFCS_PUSHED : 0));
    } else if (glyph == kfbRollup || glyph == kfbRolldown) {
        TRect t{rect.left + 4, rect.top + 5, rect.right - 4, rect.bottom - 5};
        if (!pressed)
            OffsetRect(&t, -1, -1);
        if (IsRectEmptyEx(t))
            return;
        const int mid = (t.left + t.right) / 2;
        if (glyph == kfbRollup)
            PolygonColor(canvas, {{t.left, t.bottom}, {t.right, t.bottom}, {mid, t.top}}, color);
        else
            PolygonColor(canvas, {{t.left, t.top}, {t.right, t.top}, {mid, t.bottom}}, color);
    } else if (glyph == kfbTray) {
        TRect t = GrowRect(rect, -5);
        OffsetRect(&t, pressed, 2 + pressed);
        FillRectColor(canvas, t, color);
    }
}

void DrawScrollArrowGlyph(TCanvas* canvas, const TRect& rect, bool vertical, bool first,
                          bool pressed, TColor color)
{
    UINT arrow = vertical ? (first ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                          : (first ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
    if (pressed)
        arrow |= DFCS_PUSHED | DFCS_FLAT;
    DrawFrameGlyph(canvas, rect, DFC_SCROLL, color, arrow);
}

void DrawHeaderButtonGlyph(TCanvas* canvas, const TRect& rect, bool close, bool down,
                           bool pressed, TColor color)
{
    const UINT pushed = pressed ? DFCS_PUSHED : 0;
    if (close)
        DrawFrameGlyphInner(canvas, rect, 2, rect, DFC_CAPTION, color, DFCS_CAPTIONCLOSE | pushed);
    else
        DrawFrameGlyphInner(canvas, rect, 2, rect, DFC_SCROLL, color,
                            (down ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) | pushed);
}

void DrawDropArrow(TCanvas* canvas, const TRect& rect, bool pressed, bool disabled, TColor color,
                   TColor etch)
{
    if (!disabled) {
        DrawSmallArrow(canvas, rect, true, pressed, pressed, color);
        return;
    }
    // Disabled: an etched outline, its lit edge one pixel lower.
    const TRect box = CenterRect({0, 0, 7, 4}, rect);
    if (!RectsEqual(IntersectRects(GrowRect(box, 1), rect), GrowRect(box, 1)))
        return;
    const int mid = (box.left + box.right) / 2;
    MoveTo(canvas, mid, box.bottom - 1);
    LineToColor(canvas, box.left, box.top, etch);
    LineToColor(canvas, box.right, box.top, etch);
    LineToColor(canvas, mid, box.bottom, color);
}

std::vector<TPoint> TrackThumbPoints(const TRect& r, bool vertical, uint8_t pointer)
{
    const int l = r.left, t = r.top, rt = r.right - 1, b = r.bottom - 1;
    if (pointer == 0)
        return {{l, t}, {rt, t}, {rt, b}, {l, b}};
    if (!vertical) {
        const int half = (rt - l) / 2, mid = l + half;
        if (pointer == 1)
            return {{l, b}, {l, t + half}, {mid, t}, {rt, t + half}, {rt, b}};
        return {{l, t}, {rt, t}, {rt, b - half}, {mid, b}, {l, b - half}};
    }
    const int half = (b - t) / 2, mid = t + half;
    if (pointer == 1)
        return {{l + half, t}, {rt, t}, {rt, b}, {l + half, b}, {l, mid}};
    return {{l, t}, {rt - half, t}, {rt, mid}, {rt - half, b}, {l, b}};
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
                        TColor color, TColor outline)
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
        block = IntersectRects(block, client);
        FillRectColor(canvas, block, color);
        if (outline != clNone)
            FrameRectColor(canvas, block, outline);
    }
}

void DrawProgressFill(TCanvas* canvas, const TRect& client, const TRect& bar, bool vertical,
                      bool smooth, TColor color, TColor outline)
{
    if (!smooth) {
        DrawProgressBlocks(canvas, GrowRect(client, -1), bar, vertical, color, outline);
        return;
    }
    const TRect r = GrowRect(bar, -1);
    FillRectColor(canvas, r, color);
    if (outline != clNone)
        FrameRectColor(canvas, r, outline);
}

void DrawGroupBoxLine(TCanvas* canvas, const TRect& r, const TRect& caption, int d, TColor color)
{
    MoveTo(canvas, r.left + d, r.top + d);
    LineToColor(canvas, caption.left + d, r.top + d, color);
    MoveTo(canvas, caption.right + d, r.top + d);
    LineToColor(canvas, r.right + d, r.top + d, color);
    LineToColor(canvas, r.right + d, r.bottom + d, color);
    LineToColor(canvas, r.left + d, r.bottom + d, color);
    LineToColor(canvas, r.left + d, r.top + d, color);
}

void DrawShadedPolygonSides(TCanvas* canvas, const std::vector<TPoint>& points, TColor light, TColor dark,
                            TColor inner)
{
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        const int nx = sign(b.y - a.y), ny = sign(a.x - b.x);  // outward, clockwise order
        const bool lit = ny < 0 || (ny == 0 && nx < 0);
        MoveTo(canvas, a.x, a.y);
        LineToColor(canvas, b.x, b.y, lit ? light : dark);
        if (!lit) {
            MoveTo(canvas, a.x - nx, a.y - ny);
            LineToColor(canvas, b.x - nx, b.y - ny, inner);
        }
    }
}

void DrawCutCornerGroupLine(TCanvas* canvas, const TRect& r, const TRect& caption, TColor color)
{
    MoveTo(canvas, r.left + 2, r.top);
    LineToColor(canvas, caption.left, r.top, color);
    MoveTo(canvas, caption.right, r.top);
    for (const TPoint& p : {TPoint{r.right - 2, r.top}, TPoint{r.right, r.top + 2},
                            TPoint{r.right, r.bottom - 2}, TPoint{r.right - 2, r.bottom},
                            TPoint{r.left + 2, r.bottom}, TPoint{r.left, r.bottom - 2},
                            TPoint{r.left, r.top + 2}, TPoint{r.left + 2, r.top}})
        LineToColor(canvas, p.x, p.y, color);
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

void FillCornerTriangle(TCanvas* canvas, const TRect& rect, TColor color)
{
    const int side = std::min(RectWidth(rect), RectHeight(rect));
    if (side < 1)
        return;
    const int right = rect.right, bottom = rect.bottom;
    SolidBrush(canvas, color);
    SolidPen(canvas, color);
    // Row by row: GDI's polygons lose the smallest triangles altogether.
    TDirectPixels direct{canvas};
    const TSkColor p = GdiPixel(color);
    for (int k = 0; k < side; ++k) {
        const TRect row{right - 1 - k, bottom - side + k, right, bottom - side + k + 1};
        if (direct)
            direct.Fill(row.left, row.top, row.right, row.bottom, p);
        else
            canvas->FillRect(row);
    }
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
    // The buffer is looked at once for all the bands, not once a band.
    TDirectPixels direct{canvas};
    TColor last = start;
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
        const TColor color = TColor(channel[0] | (channel[1] << 8) | (channel[2] << 16));
        last = color;
        if (direct)
            direct.Fill(band.left, band.top, band.right, band.bottom, GdiPixel(color));
        else
            FillRectColor(canvas, band, color);
    }
    if (direct)
        SolidBrush(canvas, last);  // the brush the bands through GDI leave
}

void DitherFillRect(TCanvas* canvas, const TRect& rect, TColor color1, TColor color2)
{
    TRect r = rect;
    r.left = std::max(0, int(r.left));
    r.top = std::max(0, int(r.top));
    if (IsRectEmptyEx(r))
        return;
    if (TDirectPixels direct{canvas}) {
        // The pattern's own pixels, on the device's grid as a brush's are.
        const TSkColor c1 = ColorToSkColor(color1), c2 = ColorToSkColor(color2);
        direct.Rows(r.left, r.top, r.right, r.bottom, [&](TSkColor* row, int64_t l, int64_t right, int64_t y) {
            for (int64_t x = l; x < right; ++x)
                row[x] = (x + y) % 2 == 0 ? c2 : c1;
        });
        return;
    }
    auto pattern = DitherPattern(color1, color2);
    canvas->Brush()->SetBitmap(pattern.get());
    canvas->FillRect(r);
    canvas->Brush()->SetBitmap(nullptr);  // no pattern lingers for the next caller
}

void PatternFillRect(TCanvas* canvas, const TRect& rect, const std::array<TColor, 64>& pattern)
{
    TRect r = rect;
    r.left = std::max(0, int(r.left));
    r.top = std::max(0, int(r.top));
    if (IsRectEmptyEx(r))
        return;
    if (TDirectPixels direct{canvas}) {
        std::array<TSkColor, PatternSize * PatternSize> pixels;
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = ColorToSkColor(pattern[i]);
        direct.Rows(r.left, r.top, r.right, r.bottom, [&](TSkColor* row, int64_t l, int64_t right, int64_t y) {
            const TSkColor* line = &pixels[size_t(y % PatternSize) * PatternSize];
            for (int64_t x = l; x < right; ++x)
                row[x] = line[x % PatternSize];
        });
        return;
    }
    auto bitmap = std::make_unique<TBitmap>(PatternSize, PatternSize, pf32bit);
    for (int y = 0; y < PatternSize; ++y) {
        auto* row = static_cast<TSkColor*>(bitmap->ScanLine(y));
        for (int x = 0; x < PatternSize; ++x)
            row[x] = ColorToSkColor(pattern[size_t(y * PatternSize + x)]);
    }
    canvas->Brush()->SetBitmap(bitmap.get());
    canvas->FillRect(r);
    canvas->Brush()->SetBitmap(nullptr);
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

namespace {

// The ink of a frame-control glyph: 1 where the system draws pure black.
// Drawing one costs a bitmap and the system's own painting; the glyphs a
// look uses are few, so their ink is kept (the system's colours and metrics
// rarely change while a program runs).
const std::vector<uint8_t>& GlyphInk(UINT type, UINT state, int width, int height)
{
    using TKey = std::tuple<UINT, UINT, int, int>;
    static std::map<TKey, std::vector<uint8_t>> cache;
    static std::vector<uint8_t> oversized;  // glyphs too big to keep, one at a time
    constexpr size_t MaxGlyphs = 64, MaxKeptPixels = 64 * 64;
    const TKey key{type, state, width, height};
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    if (cache.size() >= MaxGlyphs)
        cache.clear();
    TSkBitmap glyph;
    glyph.SetSize(width, height);
    glyph.Fill(SkRGBA(255, 255, 255, 255));  // white paper; the glyph's ink is black
    RECT area{0, 0, width, height};
    DrawFrameControl(glyph.DC(), &area, type, state);
    GdiFlush();
    std::vector<uint8_t> ink(size_t(width) * height);
    const TSkColor* p = glyph.Pixels();
    for (size_t i = 0; i < ink.size(); ++i)
        ink[i] = (p[i] & SkColorMask) == 0;
    if (ink.size() > MaxKeptPixels)
        return oversized = std::move(ink);
    return cache.emplace(key, std::move(ink)).first->second;
}

} // namespace

void DrawFrameGlyphInner(TCanvas* canvas, const TRect& rect, int margin, const TRect& clip,
                         UINT type, TColor color, UINT state)
{
    const TRect inner = IntersectRects(GrowRect(rect, -margin), clip);
    if (IsRectEmptyEx(rect) || IsRectEmptyEx(inner))
        return;
    const int width = RectWidth(rect);
    const std::vector<uint8_t>& ink = GlyphInk(type, state, width, RectHeight(rect));
    const TSkColor pixel = ColorToSkColor(color);
    if (TDirectPixels direct{canvas}) {
        direct.Rows(inner.left, inner.top, inner.right, inner.bottom,
                    [&](TSkColor* row, int64_t l, int64_t r, int64_t y) {
                        const size_t line = size_t(y - direct.Dy() - rect.top) * width;
                        for (int64_t x = l; x < r; ++x)
                            if (ink[line + size_t(x - direct.Dx() - rect.left)])
                                row[x] = pixel;
                    });
        return;
    }
    TSkBitmap glyph;
    glyph.SetSize(RectWidth(inner), RectHeight(inner));
    TSkColor* p = glyph.Pixels();
    for (int y = inner.top; y < inner.bottom; ++y)
        for (int x = inner.left; x < inner.right; ++x)
            *p++ = ink[size_t(y - rect.top) * width + (x - rect.left)] ? pixel : SkTransparentColor;
    glyph.Draw(canvas->Handle(), inner.left, inner.top, true);
}

void DrawIconCentered(TCanvas* canvas, const TRect& rect, HICON icon)
{
    if (!icon || IsRectEmptyEx(rect))
        return;
    TRect at = CenterRect(TRect{0, 0, SmallIconSize, SmallIconSize}, rect);
    DrawIconEx(canvas->Handle(), at.left, at.top, icon, SmallIconSize, SmallIconSize, 0, nullptr,
               DI_NORMAL);
}
