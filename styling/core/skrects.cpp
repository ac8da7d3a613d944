#include "styling/core/skrects.h"

#include <algorithm>
#include <cstdint>

namespace {

int Saturate(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

RECT Offset(const RECT& r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

int RectWidth(const RECT& r) { return Saturate(int64_t(r.right) - r.left); }
int RectHeight(const RECT& r) { return Saturate(int64_t(r.bottom) - r.top); }

RECT CenterRect(const RECT& rect, const RECT& bounds)
{
    int dx = (RectWidth(bounds) - RectWidth(rect)) / 2;
    int dy = (RectHeight(bounds) - RectHeight(rect)) / 2;
    return Offset(rect, bounds.left + dx - rect.left, bounds.top + dy - rect.top);
}

RECT CenterRectVert(const RECT& rect, const RECT& bounds)
{
    int dy = (RectHeight(bounds) - RectHeight(rect)) / 2;
    return Offset(rect, bounds.left - rect.left, bounds.top + dy - rect.top);
}

RECT GrowRect(const RECT& rect, int by)
{
    return RECT{rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

bool IsRectEmptyEx(const RECT& rect) { return RectWidth(rect) < 1 || RectHeight(rect) < 1; }

bool RectsEqual(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT IntersectRects(const RECT& a, const RECT& b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (IsRectEmptyEx(r))
        return RECT{0, 0, 0, 0};
    return r;
}
