// For native sanitizer builds only: there are no system colours, so each
// resolves to mid grey; plain colours pass through as on Windows.
#include "framework/base/colors.h"

uint32_t ColorToRGB(TColor color)
{
    return color < 0 ? 0x808080u : static_cast<uint32_t>(color);
}
