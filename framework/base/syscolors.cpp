#include "framework/base/colors.h"

#include <windows.h>

uint32_t ColorToRGB(TColor color)
{
    if (color < 0)
        return GetSysColor(color & 0xFF);
    return static_cast<uint32_t>(color);
}
