#include "styling/forms/skgravitation.h"

#include <cstdlib>

namespace {

// How far to move one axis: onto the near edge first, else the far one.
LONG Snap(LONG nearEdge, LONG farEdge, LONG areaNear, LONG areaFar, int size)
{
    if (std::abs(nearEdge - areaNear) < size)
        return areaNear - nearEdge;
    if (std::abs(farEdge - areaFar) < size)
        return areaFar - farEdge;
    return 0;
}

}  // namespace

RECT SkGravitate(const RECT& target, const RECT& area, int size, int shadow)
{
    const LONG dx = Snap(target.left, target.right - shadow, area.left, area.right, size);
    const LONG dy = Snap(target.top, target.bottom - shadow, area.top, area.bottom, size);
    return {target.left + dx, target.top + dy, target.right + dx, target.bottom + dy};
}
