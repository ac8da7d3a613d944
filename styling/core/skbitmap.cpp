#include "styling/core/skbitmap.h"

#include "framework/graphics/bitmap.h"
#include "framework/base/streams.h"
#include "styling/core/pcxdecoder.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

FW_IMPLEMENT_CLASS(TSkBitmap, TPersistent)

namespace {

// Rectangles in 64 bits: offsets and widths of extreme rectangles from
// callers must not overflow on the way.
struct TBox {
    int64_t left, top, right, bottom;
    int64_t Width() const { return right - left; }
    int64_t Height() const { return bottom - top; }
    bool Empty() const { return Width() < 1 || Height() < 1; }
};

TBox Box(const RECT& r) { return TBox{r.left, r.top, r.right, r.bottom}; }

TBox Intersect(const TBox& a, const TBox& b)
{
    return TBox{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

TBox Offset(const TBox& b, int64_t dx, int64_t dy)
{
    return TBox{b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

int ClampInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

RECT ToRect(const TBox& b)
{
    return RECT{ClampInt(b.left), ClampInt(b.top), ClampInt(b.right), ClampInt(b.bottom)};
}

// Top-down rows of 32-bit pixels.
struct TPixelRows {
    uint8_t* bits;
    int64_t stride;
    TSkColor* Row(int64_t y) const { return reinterpret_cast<TSkColor*>(bits + y * stride); }
};

enum class TPixelRule { Opaque, Keyed, Alpha };

// Source positions of scaled copies are 16.16 fixed point.
constexpr int FixedShift = 16;
constexpr int64_t FixedOne = int64_t(1) << FixedShift;

constexpr size_t PixelBytes = sizeof(TSkColor);

template <TPixelRule Mode>
inline void PutPixel(TSkColor& d, TSkColor s)
{
    if constexpr (Mode == TPixelRule::Opaque) {
        d = s;
    } else if constexpr (Mode == TPixelRule::Keyed) {
        // The key is a colour: its alpha byte does not take part.
        if ((s & SkColorMask) != SkTransparentColor)
            d = s;
    } else {
        uint8_t a = SkAlpha(s);
        if (a == 255)
            d = s;
        else if (a != 0)
            d = BlendSkColor(s, d);
    }
}

// One unscaled row of a keyed copy, four pixels at a time where the target
// has SSE2 (every x86_64): the per-pixel test otherwise costs several times
// a plain blit.
void CopyKeyedRow(TSkColor* to, const TSkColor* from, int64_t count)
{
    int64_t i = 0;
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(int(SkColorMask));
    const __m128i key = _mm_set1_epi32(int(SkTransparentColor));
    for (; i + 4 <= count; i += 4) {
        __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i));
        __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, mask), key);
        __m128i r = _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, s));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), r);
    }
#endif
    for (; i < count; ++i)
        if ((from[i] & SkColorMask) != SkTransparentColor)
            to[i] = from[i];
}

// A row widened by less than double: runs of consecutive source pixels,
// each broken by one repeated pixel, copied as blocks instead of pixel by
// pixel. pos is the 16.16 source position of the first target pixel.
template <TPixelRule Mode>
void CopyStretchedRow(TSkColor* to, int64_t count, const TSkColor* from, int64_t pos, int64_t step)
{
    const int64_t shrink = FixedOne - step;  // how far each pixel falls behind
    while (count > 0) {
        const int64_t index = pos >> FixedShift;
        // Pixels until the fraction runs out and a source pixel repeats.
        const int64_t run = std::min(count, (pos - (index << FixedShift)) / shrink + 1);
        if constexpr (Mode == TPixelRule::Opaque)
            std::memmove(to, from + index, size_t(run) * PixelBytes);
        else
            CopyKeyedRow(to, from + index, run);
        to += run;
        count -= run;
        pos += run * step;
    }
}

// Maps the whole of dst onto s by nearest neighbour (16.16 fixed point) and
// writes the part of dst inside visible.
template <TPixelRule Mode>
void CopyPixels(const TSkColor* srcPixels, int64_t srcWidth, const TBox& s, const TBox& dst,
                const TBox& visible, const TPixelRows& target)
{
    const int64_t sw = s.Width(), sh = s.Height(), dw = dst.Width(), dh = dst.Height();
    const int64_t stepX = sw * FixedOne / dw, stepY = sh * FixedOne / dh;
    int64_t previousSy = -1;
    const TSkColor* previousRow = nullptr;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        const int64_t sy = s.top + (((y - dst.top) * stepY) >> FixedShift);
        const TSkColor* srow = srcPixels + sy * srcWidth;
        TSkColor* drow = target.Row(y);
        // A row stretched down repeats the one above: copy that instead of
        // scaling again (opaque only: keyed rows keep what was under them).
        if (Mode == TPixelRule::Opaque && sw != dw && sy == previousSy) {
            std::memmove(drow + visible.left, previousRow + visible.left,
                         size_t(visible.Width()) * PixelBytes);
            continue;
        }
        previousSy = sy;
        previousRow = drow;
        if (sw == dw) {
            const TSkColor* from = srow + s.left + (visible.left - dst.left);
            if constexpr (Mode == TPixelRule::Opaque) {
                std::memmove(drow + visible.left, from, size_t(visible.Width()) * PixelBytes);
            } else if constexpr (Mode == TPixelRule::Keyed) {
                CopyKeyedRow(drow + visible.left, from, visible.Width());
            } else {
                for (int64_t x = visible.left; x < visible.right; ++x)
                    PutPixel<Mode>(drow[x], *from++);
            }
            continue;
        }
        int64_t pos = (visible.left - dst.left) * stepX;
        if (Mode != TPixelRule::Alpha && stepX < FixedOne && stepX >= FixedOne / 2) {
            CopyStretchedRow<Mode>(drow + visible.left, visible.Width(), srow + s.left, pos, stepX);
            continue;
        }
        for (int64_t x = visible.left; x < visible.right; ++x, pos += stepX)
            PutPixel<Mode>(drow[x], srow[s.left + (pos >> FixedShift)]);
    }
}

// Replaces every pixel that is not fully transparent. Atlases come from
// 256-colour pictures, so colours repeat: results are remembered in a small
// table indexed by a hash of the colour.
template <class TShift>
void ShiftPixels(TSkColor* p, size_t count, TShift shift)
{
    constexpr unsigned SlotBits = 12;
    constexpr TSkColor NoColor = 0xFFFFFFFF;  // never an alpha-free colour
    // 2^32 over the golden ratio: spreads nearby colours across the table.
    constexpr uint32_t GoldenRatioHash = 2654435761u;
    std::vector<TSkColor> keys(size_t(1) << SlotBits, NoColor), values(size_t(1) << SlotBits);
    for (size_t i = 0; i < count; ++i) {
        if (SkAlpha(p[i]) == 0)
            continue;
        TSkColor rgb = p[i] & SkColorMask;
        size_t slot = (rgb * GoldenRatioHash) >> (32 - SlotBits);
        if (keys[slot] != rgb) {
            keys[slot] = rgb;
            values[slot] = shift(p[i]);
        }
        p[i] = values[slot];
    }
}

void Fire(const TNotifyEvent& event, TSkBitmap* sender)
{
    if (event)
        event(sender);
}

// The DIB sections of every live TSkBitmap. A DC's bitmap does not tell
// whether its rows run top-down (GetObject reports a positive height either
// way), so only these, known to be top-down, are written directly.
std::unordered_set<HGDIOBJ>& OwnDibs()
{
    static std::unordered_set<HGDIOBJ> dibs;
    return dibs;
}

constexpr int64_t MaxPcxStreamBytes = int64_t(1) << 28;

} // namespace

TSkBitmap::TSkBitmap() : font_(std::make_unique<TFont>()) {}

TSkBitmap::~TSkBitmap()
{
    Fire(OnChanging, this);
    OwnDibs().erase(dib_.Get());
}

void TSkBitmap::ReleaseStorage()
{
    OwnDibs().erase(dib_.Get());
    dc_.Reset();
    dib_.Reset();
    pixels_ = nullptr;
    width_ = height_ = 0;
}

void TSkBitmap::Allocate(int width, int height)
{
    BITMAPINFOHEADER& h = info_.bmiHeader;
    h = BITMAPINFOHEADER{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = -height;  // top row first
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;

    void* bits = nullptr;
    TOwnedGdiObject dib(CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        throw ESkBitmapError("Can't allocate the DIB handle");
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    if (!dc)
        throw ESkBitmapError("Can't create compatible DC");
    HGDIOBJ previous = SelectObject(dc.Get(), dib.Get());
    if (!previous || previous == HGDI_ERROR)
        throw ESkBitmapError("Can't select an object into DC");
    OwnDibs().insert(dib.Get());
    dib_ = std::move(dib);
    dc_ = std::move(dc);
    pixels_ = static_cast<TSkColor*>(bits);
    width_ = width;
    height_ = height;
}

void TSkBitmap::SetSize(int width, int height)
{
    int64_t w = std::llabs(int64_t(width)), h = std::llabs(int64_t(height));
    if (w == 0 || h == 0 || (w == width_ && h == height_))
        return;
    Fire(OnChanging, this);
    ReleaseStorage();
    try {
        // Past 2 GB the image size no longer fits the header's 32-bit
        // field, and a system that wraps it would hand back a short buffer.
        if (w > INT_MAX / 4 / h)
            throw ESkBitmapError("Can't allocate the DIB handle");
        Allocate(int(w), int(h));
    } catch (...) {
        Fire(OnChange, this);
        throw;
    }
    Fire(OnChange, this);
}

void TSkBitmap::Fill(TSkColor value)
{
    if (IsEmpty())
        return;
    Sync();
    std::fill_n(pixels_, size_t(width_) * height_, value);
}

void TSkBitmap::SetAlpha(uint8_t alpha)
{
    SetAlphaRect(alpha, Bounds());
}

void TSkBitmap::SetAlphaRect(uint8_t alpha, const RECT& rect)
{
    TBox r = Intersect(Box(rect), Box(Bounds()));
    if (r.Empty())
        return;
    Sync();
    for (int64_t y = r.top; y < r.bottom; ++y) {
        TSkColor* p = PixelPtr(0, int(y));
        for (int64_t x = r.left; x < r.right; ++x)
            p[x] = (p[x] & SkColorMask) | (TSkColor(alpha) << 24);
    }
}

void TSkBitmap::FillRect(const RECT& rect, TSkColor color)
{
    TBox r = Intersect(Box(rect), Box(Bounds()));
    if (r.Empty())
        return;
    Sync();
    for (int64_t y = r.top; y < r.bottom; ++y) {
        TSkColor* p = PixelPtr(0, int(y));
        if (AlphaMode) {
            for (int64_t x = r.left; x < r.right; ++x)
                p[x] = BlendSkColor(color, p[x]);
        } else {
            std::fill(p + r.left, p + r.right, color);
        }
    }
}

TSkColor TSkBitmap::GetPixel(int x, int y) const
{
    if (IsEmpty() || x < 0 || y < 0 || x >= width_ || y >= height_)
        return SkInvalidPixel;
    Sync();
    return *PixelPtr(x, y);
}

void TSkBitmap::ReplaceSimilarColor(TSkColor color)
{
    if (IsEmpty())
        return;
    Sync();
    // How far each channel may be from the colour's and still count as it.
    constexpr int similarWithin = 5;
    auto similar = [](int a, int b) { return std::abs(a - b) <= similarWithin; };
    TSkColor* end = pixels_ + size_t(width_) * height_;
    for (TSkColor* p = pixels_; p != end; ++p)
        if (similar(SkRed(*p), SkRed(color)) && similar(SkGreen(*p), SkGreen(color)) &&
            similar(SkBlue(*p), SkBlue(color)))
            *p = SkTransparentColor;
}

void TSkBitmap::ShiftHue(int amount)
{
    if (IsEmpty())
        return;
    Sync();
    ShiftPixels(pixels_, size_t(width_) * height_,
                [amount](TSkColor c) { return ChangeHue(c, amount); });
}

void TSkBitmap::ShiftBrightness(int amount)
{
    if (IsEmpty())
        return;
    Sync();
    ShiftPixels(pixels_, size_t(width_) * height_,
                [amount](TSkColor c) { return ChangeBrightness(c, amount); });
}

// What a copy straight into a DC's pixels needs to know of the DC: read
// once, it serves any number of copies into the same DC.
struct TSkBitmap::TDibTarget {
    uint8_t* bits;
    int64_t stride;
    int64_t width, height;
    int64_t dx, dy;  // the DC's viewport minus window origin
    RECT clip;
    bool nothingVisible;
};

// True when the DC draws into the 32-bit DIB section of a TSkBitmap with a
// plain mapping; false leaves the copy to GDI.
bool TSkBitmap::InspectDib(HDC dc, TDibTarget& target)
{
    HGDIOBJ current = GetCurrentObject(dc, OBJ_BITMAP);
    DIBSECTION ds{};
    if (!current || !OwnDibs().count(current) ||
        GetObjectA(current, sizeof(ds), &ds) != int(sizeof(ds)))
        return false;
    if (ds.dsBm.bmBitsPixel != 32 || !ds.dsBm.bmBits || ds.dsBmih.biCompression != BI_RGB)
        return false;
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || GetLayout(dc) != 0)
        return false;
    int region = GetClipBox(dc, &target.clip);
    if (region == ERROR || region == COMPLEXREGION)
        return false;  // GDI honours the exact region
    target.nothingVisible = region == NULLREGION;

    POINT window{}, viewport{};
    GetWindowOrgEx(dc, &window);
    GetViewportOrgEx(dc, &viewport);
    target.dx = int64_t(viewport.x) - window.x;
    target.dy = int64_t(viewport.y) - window.y;
    target.bits = static_cast<uint8_t*>(ds.dsBm.bmBits);
    target.stride = ds.dsBm.bmWidthBytes;
    target.width = ds.dsBm.bmWidth;
    target.height = std::abs(ds.dsBmih.biHeight);
    return true;
}

bool TSkBitmap::DirectTarget(HDC dc, TDirectTarget& target)
{
    TDibTarget dib;
    if (!InspectDib(dc, dib))
        return false;
    GdiFlush();
    target.bits = reinterpret_cast<TSkColor*>(dib.bits);
    target.stride = dib.stride / int64_t(sizeof(TSkColor));
    target.dx = dib.dx;
    target.dy = dib.dy;
    target.visible = RECT{};
    if (dib.nothingVisible)
        return true;
    const TBox visible = Intersect(TBox{0, 0, dib.width, dib.height}, Offset(Box(dib.clip), dib.dx, dib.dy));
    if (!visible.Empty())
        target.visible = RECT{LONG(visible.left), LONG(visible.top), LONG(visible.right), LONG(visible.bottom)};
    return true;
}

void TSkBitmap::CopyToDib(const TDibTarget& target, const RECT& dst, const RECT& src,
                          bool transparent) const
{
    if (target.nothingVisible)
        return;
    TBox s = Intersect(Box(src), Box(Bounds()));
    TBox d = Offset(Box(dst), target.dx, target.dy);
    TBox visible = Intersect(Intersect(d, TBox{0, 0, target.width, target.height}),
                             Offset(Box(target.clip), target.dx, target.dy));
    if (s.Empty() || visible.Empty())
        return;
    TPixelRows rows{target.bits, target.stride};
    if (transparent)
        CopyPixels<TPixelRule::Keyed>(pixels_, width_, s, d, visible, rows);
    else
        CopyPixels<TPixelRule::Opaque>(pixels_, width_, s, d, visible, rows);
}

bool TSkBitmap::DrawToDib(HDC dc, const RECT& dst, const RECT& src, bool transparent) const
{
    TDibTarget target;
    if (!InspectDib(dc, target))
        return false;
    Sync();
    CopyToDib(target, dst, src, transparent);
    return true;
}

void TSkBitmap::DrawPieces(HDC dc, const TSkPiece* pieces, size_t count) const
{
    if (IsEmpty() || !dc)
        return;
    TDibTarget target;
    if (!InspectDib(dc, target)) {
        for (size_t i = 0; i < count; ++i)
            DrawTo(dc, pieces[i].dst, pieces[i].src, pieces[i].transparent);
        return;
    }
    Sync();
    for (size_t i = 0; i < count; ++i) {
        const TBox d = Box(pieces[i].dst);
        if (d.Empty() || d.Width() > INT_MAX || d.Height() > INT_MAX)
            continue;
        const RECT from = ToRect(Intersect(Box(pieces[i].src), Box(Bounds())));
        CopyToDib(target, pieces[i].dst, from, pieces[i].transparent);
    }
}

void TSkBitmap::DrawPieces(TCanvas* canvas, const TSkPiece* pieces, size_t count) const
{
    DrawPieces(canvas->Handle(), pieces, count);
}

// A keyed copy onto a DC that is not a 32-bit DIB: the system's transparent
// blit, or else the visible destination area fetched into a scratch bitmap,
// drawn into there and put back.
void TSkBitmap::DrawKeyed(HDC dc, const RECT& dst, const RECT& src) const
{
    if (TTransparentBltProc blt = SkTransparentBlt())
        if (blt(dc, dst.left, dst.top, RectWidth(dst), RectHeight(dst), DC(), src.left, src.top,
                RectWidth(src), RectHeight(src), UINT(SkColorToColor(SkTransparentColor))))
            return;
    RECT clip;
    TBox visible = Box(dst);
    if (GetClipBox(dc, &clip) != ERROR)
        visible = Intersect(visible, Box(clip));
    if (visible.Empty())
        return;
    TSkBitmap scratch;
    scratch.SetSize(int(visible.Width()), int(visible.Height()));
    int left = int(visible.left), top = int(visible.top);
    BitBlt(scratch.DC(), 0, 0, scratch.Width(), scratch.Height(), dc, left, top, SRCCOPY);
    DrawTo(scratch.DC(), ToRect(Offset(Box(dst), -visible.left, -visible.top)), src, true);
    BitBlt(dc, left, top, scratch.Width(), scratch.Height(), scratch.DC(), 0, 0, SRCCOPY);
}

void TSkBitmap::DrawTo(HDC dc, const RECT& dst, const RECT& src, bool transparent) const
{
    // Only the part of the source inside this bitmap is drawn, scaled to the
    // whole destination, whichever way the copy goes.
    const TBox s = Intersect(Box(src), Box(Bounds()));
    const TBox d = Box(dst);
    if (IsEmpty() || !dc || d.Empty() || s.Empty())
        return;
    if (d.Width() > INT_MAX || d.Height() > INT_MAX)
        return;  // no device is that large
    const RECT from = ToRect(s);
    if (DrawToDib(dc, dst, from, transparent))
        return;
    if (transparent) {
        DrawKeyed(dc, dst, from);
        return;
    }
    TStretchModeGuard mode(dc, COLORONCOLOR);
    StretchBlt(dc, dst.left, dst.top, RectWidth(dst), RectHeight(dst), DC(), from.left, from.top,
               RectWidth(from), RectHeight(from), SRCCOPY);
}

void TSkBitmap::Draw(HDC dc, int x, int y, bool transparent) const
{
    Draw(dc, x, y, transparent, Bounds());
}

void TSkBitmap::Draw(HDC dc, int x, int y, bool transparent, const RECT& src) const
{
    RECT dst = ToRect(TBox{x, y, int64_t(x) + Box(src).Width(), int64_t(y) + Box(src).Height()});
    DrawTo(dc, dst, src, transparent);
}

void TSkBitmap::StretchDraw(HDC dc, const RECT& dst, bool transparent, const RECT& src) const
{
    DrawTo(dc, dst, src, transparent);
}

void TSkBitmap::TileDraw(HDC dc, const RECT& dst, bool transparent, const RECT& src) const
{
    const TBox s = Box(src), d = Box(dst);
    if (s.Empty() || d.Empty())
        return;
    // Only the tiles that can show: a small tile over a huge rectangle would
    // otherwise mean billions of calls.
    TBox visible = d;
    RECT clip;
    if (GetClipBox(dc, &clip) != ERROR)
        visible = Intersect(visible, Box(clip));
    if (visible.Empty())
        return;
    const int64_t firstX = d.left + (visible.left - d.left) / s.Width() * s.Width();
    const int64_t firstY = d.top + (visible.top - d.top) / s.Height() * s.Height();
    for (int64_t y = firstY; y < visible.bottom; y += s.Height())
        for (int64_t x = firstX; x < visible.right; x += s.Width()) {
            TBox piece = Intersect(TBox{x, y, x + s.Width(), y + s.Height()}, d);
            TBox part{s.left, s.top, s.left + piece.Width(), s.top + piece.Height()};
            DrawTo(dc, ToRect(piece), ToRect(part), transparent);
        }
}

void TSkBitmap::DrawNine(HDC dc, const RECT& dst, bool transparent, bool stretch, int left,
                         int top, int right, int bottom, const RECT& src) const
{
    if (left == 0 && top == 0 && right == 0 && bottom == 0) {
        StretchDraw(dc, dst, transparent, src);
        return;
    }
    // In 64 bits: margins added to extreme rectangles must not overflow.
    const TBox s = Box(src), d = Box(dst);
    const int64_t l = left, t = top, r = right, b = bottom;
    // Stretched pieces are gathered and drawn together; tiles go one by one.
    TSkPiece pieces[9];
    size_t count = 0;
    auto piece = [&](const TBox& to, const TBox& from, bool scaled) {
        if (to.Empty() || from.Empty())
            return;
        if (!scaled || stretch)
            pieces[count++] = TSkPiece{ToRect(to), ToRect(from), transparent};
        else
            TileDraw(dc, ToRect(to), transparent, ToRect(from));
    };
    // Centre, then the four edges along their long side.
    piece({d.left + l, d.top + t, d.right - r, d.bottom - b},
          {s.left + l, s.top + t, s.right - r, s.bottom - b}, true);
    piece({d.left + l, d.top, d.right - r, d.top + t}, {s.left + l, s.top, s.right - r, s.top + t},
          true);
    piece({d.left + l, d.bottom - b, d.right - r, d.bottom},
          {s.left + l, s.bottom - b, s.right - r, s.bottom}, true);
    piece({d.left, d.top + t, d.left + l, d.bottom - b}, {s.left, s.top + t, s.left + l, s.bottom - b},
          true);
    piece({d.right - r, d.top + t, d.right, d.bottom - b},
          {s.right - r, s.top + t, s.right, s.bottom - b}, true);
    // Corners, unscaled.
    piece({d.left, d.top, d.left + l, d.top + t}, {s.left, s.top, s.left + l, s.top + t}, false);
    piece({d.right - r, d.top, d.right, d.top + t}, {s.right - r, s.top, s.right, s.top + t}, false);
    piece({d.left, d.bottom - b, d.left + l, d.bottom}, {s.left, s.bottom - b, s.left + l, s.bottom},
          false);
    piece({d.right - r, d.bottom - b, d.right, d.bottom},
          {s.right - r, s.bottom - b, s.right, s.bottom}, false);
    DrawPieces(dc, pieces, count);
}

void TSkBitmap::Draw(TCanvas* canvas, int x, int y, bool transparent) const
{
    Draw(canvas->Handle(), x, y, transparent);
}

void TSkBitmap::Draw(TCanvas* canvas, int x, int y, bool transparent, const RECT& src) const
{
    Draw(canvas->Handle(), x, y, transparent, src);
}

void TSkBitmap::StretchDraw(TCanvas* canvas, const RECT& dst, bool transparent, const RECT& src) const
{
    StretchDraw(canvas->Handle(), dst, transparent, src);
}

void TSkBitmap::TileDraw(TCanvas* canvas, const RECT& dst, bool transparent, const RECT& src) const
{
    TileDraw(canvas->Handle(), dst, transparent, src);
}

void TSkBitmap::DrawNine(TCanvas* canvas, const RECT& dst, bool transparent, bool stretch,
                         int left, int top, int right, int bottom, const RECT& src) const
{
    DrawNine(canvas->Handle(), dst, transparent, stretch, left, top, right, bottom, src);
}

void TSkBitmap::DrawToBitmap(TSkBitmap& dst, const RECT& dstRect, const RECT& srcRect) const
{
    if (IsEmpty() || dst.IsEmpty())
        return;
    if (!AlphaMode) {
        if (Box(dstRect).Empty() || Box(srcRect).Empty())
            return;
        TStretchModeGuard mode(dst.DC(), COLORONCOLOR);
        StretchBlt(dst.DC(), dstRect.left, dstRect.top, RectWidth(dstRect), RectHeight(dstRect),
                   DC(), srcRect.left, srcRect.top, RectWidth(srcRect), RectHeight(srcRect),
                   SRCCOPY);
        return;
    }
    TBox s = Intersect(Box(srcRect), Box(Bounds()));
    TBox d = Intersect(Box(dstRect), Box(dst.Bounds()));
    if (s.Empty() || d.Empty())
        return;
    Sync();
    TPixelRows rows{reinterpret_cast<uint8_t*>(dst.pixels_),
                    int64_t(dst.width_) * int64_t(PixelBytes)};
    CopyPixels<TPixelRule::Alpha>(pixels_, width_, s, d, d, rows);
}

void TSkBitmap::DrawUnder(const TSkBitmap& src, int x, const RECT& srcRect, int y)
{
    if (IsEmpty() || src.IsEmpty())
        return;
    TBox s = Box(srcRect);
    int64_t atX = x, atY = y;
    // Cutting the source's left or top moves the placement along with it.
    if (s.left < 0) {
        atX -= s.left;
        s.left = 0;
    }
    if (s.top < 0) {
        atY -= s.top;
        s.top = 0;
    }
    s.right = std::min<int64_t>(s.right, src.width_);
    s.bottom = std::min<int64_t>(s.bottom, src.height_);
    // Only what lands inside this bitmap is touched.
    TBox placed = Offset(s, atX - s.left, atY - s.top);
    TBox d = Intersect(placed, Box(Bounds()));
    if (s.Empty() || d.Empty())
        return;
    Sync();
    for (int64_t dy = d.top; dy < d.bottom; ++dy) {
        TSkColor* to = PixelPtr(0, int(dy));
        const TSkColor* from = src.PixelPtr(0, int(s.top + (dy - placed.top)));
        for (int64_t dx = d.left; dx < d.right; ++dx) {
            TSkColor under = from[s.left + (dx - placed.left)];
            uint8_t a = SkAlpha(to[dx]);
            if (a == 0)
                to[dx] = under;
            else if (a != 255)
                to[dx] = BlendSkColor(to[dx], under);
        }
    }
}

void TSkBitmap::Assign(const TPersistent* source)
{
    if (source && source->InheritsFrom(TSkBitmap::StaticClass())) {
        const TSkBitmap* other = static_cast<const TSkBitmap*>(source);
        if (other == this || other->IsEmpty())
            return;
        SetSize(other->width_, other->height_);
        other->Sync();
        std::memcpy(pixels_, other->pixels_, size_t(width_) * height_ * PixelBytes);
        return;
    }
    if (source && source->InheritsFrom(TBitmap::StaticClass())) {
        // The framework's bitmap hands out its canvas only to a non-const caller.
        TBitmap* bitmap = const_cast<TBitmap*>(static_cast<const TBitmap*>(source));
        SetSize(bitmap->Width(), bitmap->Height());
        if (bitmap->Empty() || IsEmpty())
            return;
        BitBlt(DC(), 0, 0, width_, height_, bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
        SetAlpha(255);
        return;
    }
    if (source && source->InheritsFrom(TGraphic::StaticClass())) {
        TGraphic* graphic = const_cast<TGraphic*>(static_cast<const TGraphic*>(source));
        SetSize(graphic->Width(), graphic->Height());
        if (graphic->Empty() || IsEmpty())
            return;
        TCanvas canvas;  // lets the DC go when it is destroyed
        canvas.SetHandle(DC());
        graphic->Draw(&canvas, TRect{0, 0, width_, height_});
        SetAlpha(255);
        return;
    }
    TPersistent::Assign(source);
}

void TSkBitmap::AssignTo(TPersistent* dest) const
{
    if (dest->InheritsFrom(TBitmap::StaticClass())) {
        TBitmap* bitmap = static_cast<TBitmap*>(dest);
        bitmap->SetSize(width_, height_);
        if (!IsEmpty())
            Draw(bitmap->Canvas()->Handle(), 0, 0, false);
        return;
    }
    TPersistent::AssignTo(dest);
}

void TSkBitmap::LoadFromStream(TStream& stream)
{
    if (stream.Size() - stream.Position() > MaxPcxStreamBytes)
        throw ESkBitmapError("The PCX image is too large");
    std::string bytes = stream.ReadToEnd();
    LoadFromMemory(bytes.data(), bytes.size());
}

void TSkBitmap::LoadFromMemory(const void* data, size_t size)
{
    TPcxImage image;
    std::string error;
    TPcxStatus status = DecodePcx(static_cast<const uint8_t*>(data), size, image, &error);
    if (status == TPcxStatus::NotPcx)
        return;
    if (status == TPcxStatus::Malformed)
        throw ESkBitmapError("Damaged PCX image: " + error);
    SetSize(image.Width, image.Height);
    Sync();
    std::memcpy(pixels_, image.Pixels.data(), image.Pixels.size() * PixelBytes);
}

void TSkBitmap::LoadFromResource(HINSTANCE instance, const char* name)
{
    HRSRC info = FindResourceA(instance, name, RT_RCDATA);
    HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
    const void* data = resource ? LockResource(resource) : nullptr;
    if (!data) {
        std::string id = IS_INTRESOURCE(name)
                             ? "#" + std::to_string(reinterpret_cast<uintptr_t>(name))
                             : std::string(name);
        throw ESkBitmapError("Resource " + id + " not found");
    }
    LoadFromMemory(data, SizeofResource(instance, info));
}
