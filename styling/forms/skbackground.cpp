#include "styling/forms/skbackground.h"

#include <algorithm>

namespace {

int64_t Area(const RECT& r)
{
    return r.right > r.left && r.bottom > r.top ? int64_t(r.right - r.left) * (r.bottom - r.top) : 0;
}

// Copies area (source coordinates) from source into the bitmap placed at
// origin; returns the pixels read.
int64_t Read(HDC source, const RECT& area, TSkBitmap& bitmap, POINT origin)
{
    if (Area(area) == 0)
        return 0;
    BitBlt(bitmap.DC(), area.left - origin.x, area.top - origin.y, area.right - area.left,
           area.bottom - area.top, source, area.left, area.top, SRCCOPY);
    return Area(area);
}

}  // namespace

int64_t TSkBackground::Take(HDC source, const RECT& rect)
{
    if (!source || Area(rect) == 0 || EqualRect(&rect, &rect_))
        return 0;
    auto fresh = std::make_unique<TSkBitmap>();
    fresh->SetSize(rect.right - rect.left, rect.bottom - rect.top);
    const POINT origin{rect.left, rect.top};
    RECT overlap{};
    const bool reuse = bitmap_ && IntersectRect(&overlap, &rect, &rect_);
    int64_t read = 0;
    if (!reuse) {
        read = Read(source, rect, *fresh, origin);
    } else {
        // Left and right strips of the full height, above and below only
        // between them: each uncovered pixel is read once.
        const RECT& old = rect_;
        read += Read(source, {rect.left, rect.top, overlap.left, rect.bottom}, *fresh, origin);
        read += Read(source, {overlap.right, rect.top, rect.right, rect.bottom}, *fresh, origin);
        read += Read(source, {overlap.left, rect.top, overlap.right, overlap.top}, *fresh, origin);
        read += Read(source, {overlap.left, overlap.bottom, overlap.right, rect.bottom}, *fresh,
                     origin);
        GdiFlush();
        const RECT from{overlap.left - old.left, overlap.top - old.top, overlap.right - old.left,
                        overlap.bottom - old.top};
        const RECT to{overlap.left - rect.left, overlap.top - rect.top,
                      overlap.right - rect.left, overlap.bottom - rect.top};
        bitmap_->DrawToBitmap(*fresh, to, from);
    }
    bitmap_ = std::move(fresh);
    rect_ = rect;
    return read;
}
