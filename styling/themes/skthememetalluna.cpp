#include "styling/themes/skthememetalluna.h"

#include <array>

FW_IMPLEMENT_CLASS(TSkThemeMetalLuna, TSkThemeLuna)

namespace {

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TColor, 26> MetalColors = {
    D,                         // 0 active caption
    D,                         // 1 inactive caption
    RgbColor(255, 255, 255),   // 2 caption shadow
    RgbColor(0, 0, 128),       // 3 active caption text
    D,                         // 4
    RgbColor(128, 128, 128),   // 5 inactive caption text
    RgbColor(248, 248, 255),   // 6 window
    RgbColor(163, 163, 184),   // 7 border
    RgbColor(90, 90, 123),     // 8 selection
    RgbColor(254, 254, 251),   // 9 disabled face
    RgbColor(197, 197, 177),   // 10 disabled border
    RgbColor(224, 223, 228),   // 11 face
    D,                         // 12 hot face
    RgbColor(128, 128, 128),   // 13 menu border
    RgbColor(255, 255, 255),   // 14 menu bar
    RgbColor(163, 163, 184),   // 15 menu bar highlight
    RgbColor(255, 255, 255),   // 16 popup
    RgbColor(163, 163, 184),   // 17 popup highlight
    RgbColor(0, 0, 0),         // 18 menu bar text
    RgbColor(255, 255, 255),   // 19 menu bar highlight text
    RgbColor(0, 0, 0),         // 20 popup text
    RgbColor(255, 255, 255),   // 21 popup highlight text
    RgbColor(128, 128, 128),   // 22 disabled menu text
    RgbColor(0, 0, 0),         // 23 header caption text
    RgbColor(230, 230, 240),   // 24 header gradient start
    RgbColor(163, 163, 173),   // 25 header gradient end
};
static_assert(MetalColors.size() == kcLastColorKind + 1, "one colour per kind");

}  // namespace

// The base constructor cannot reach this class's LoadImages, so the atlases
// are loaded here, once.
TSkThemeMetalLuna::TSkThemeMetalLuna() : TSkThemeLuna(TDeferLoading{}) { LoadImages(); }

void TSkThemeMetalLuna::LoadImages() { LoadAtlases("XP_METAL_MAIN", "XP_METAL_MAIN1"); }

TColor TSkThemeMetalLuna::GetColor(uint8_t kind) const
{
    return ShiftedColor(kind < MetalColors.size() ? MetalColors[kind] : SkDefaultThemeColor);
}

std::string TSkThemeMetalLuna::GetName() const { return ClassThemeName(); }
