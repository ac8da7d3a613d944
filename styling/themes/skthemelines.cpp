#include "styling/themes/skthemelines.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"

#include <algorithm>
#include <array>

FW_IMPLEMENT_CLASS(TSkThemeLines, TSkThemeHighlight)

namespace {

using namespace HighlightColors;

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TColor, 26> LinesTable = {
    Blue,                       // 0 active caption
    Grey,                       // 1 inactive caption
    RgbColor(0, 0, 0),          // 2 caption shadow
    RgbColor(255, 255, 255),    // 3 active caption text
    D,                          // 4
    RgbColor(255, 255, 255),    // 5 inactive caption text
    Pale,                       // 6 window
    Navy,                       // 7 border
    Blue,                       // 8 selection
    RgbColor(254, 254, 251),    // 9 disabled face
    RgbColor(197, 197, 177),    // 10 disabled border
    Silver,                     // 11 face
    Amber,                      // 12 hot face
    Navy,                       // 13 menu border
    Pale,                       // 14 menu bar
    Blue,                       // 15 menu bar highlight
    Pale,                       // 16 popup
    Blue,                       // 17 popup highlight
    RgbColor(0, 0, 0),          // 18 menu bar text
    RgbColor(255, 255, 255),    // 19 menu bar highlight text
    RgbColor(0, 0, 0),          // 20 popup text
    RgbColor(255, 255, 255),    // 21 popup highlight text
    RgbColor(128, 128, 128),    // 22 disabled menu text
    RgbColor(0, 0, 0),          // 23 header caption text
    RgbColor(149, 206, 255),    // 24 header gradient start
    RgbColor(49, 106, 197),     // 25 header gradient end
};
static_assert(LinesTable.size() == kcLastColorKind + 1, "one colour per kind");

// The caption band's lines repeat every this many rows of the window.
constexpr int LinePitch = 3;

}  // namespace

TColor TSkThemeLines::GetColor(uint8_t kind) const
{
    return ShiftedColor(kind < LinesTable.size() ? LinesTable[kind] : SkDefaultThemeColor);
}

std::string TSkThemeLines::GetName() const { return ClassThemeName(); }

void TSkThemeLines::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                   bool active, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    const TRect band{client.left, client.left, client.right, client.top};
    FillRectColor(canvas, band, GetColor(active ? 0 : 1));
    // Rows counted from the window's top, so the lines keep their places
    // whatever the frame's width; none of them strays out of the band.
    const TColor line = ShiftedColor(clBtnShadow);
    for (int y = 0; y <= RectHeight(band) / 2 * LinePitch; y += LinePitch)
        if (y >= band.top && y < band.bottom)
            FillRectColor(canvas, band.left, y, band.right, y + 1, line);
    DrawRoundFrame(canvas, width, height, band);
}
