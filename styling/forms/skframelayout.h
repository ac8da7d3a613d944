// The geometry of a skinned frame, computed in one place: the size of the
// non-client area, the hit test and the painting all read the same layout,
// so what is painted is exactly what is hit.
#pragma once

#include "framework/base/geometry.h"
#include "styling/core/skformtypes.h"

#include <array>

// The sizes a frame is built from; the fallback frame's come from fixed
// numbers, a themed frame's from its theme.
struct TSkFrameMetrics {
    int Border = 0;        // left and right borders
    int Top = 0;           // from the window's top to the client area
    int Bottom = 0;        // below the client area
    int Caption = 0;       // the caption band inside Top; the rest is the top border
    int ButtonWidth = 0;
    int ButtonHeight = 0;
    int ButtonRight = 0;   // from the right edge to the first button
    int ButtonTop = 0;     // from the top edge to the buttons
    int ButtonGap = 0;     // between two buttons
};

// The fallback frame: caption 18 (tool window 15), border 4, buttons the
// caption height less 4.
constexpr int SkFallbackBorder = 4;
constexpr int SkFallbackCaption = 18;
constexpr int SkFallbackToolCaption = 15;
constexpr int SkMinTrackWidth = 150;
constexpr int SkMinTrackHeight = 40;
// How far along an edge from a corner the corner's sizing zone reaches.
constexpr int SkCornerZone = 20;

TSkFrameMetrics SkFallbackMetrics(TSkBorderStyle style);

struct TSkFrameLayout {
    TRect Client{};
    // Indexed by TSkBorderIcon; empty when that button is not shown.
    std::array<TRect, 7> Buttons{};
    // Where the caption text goes, between the icon and the buttons.
    TRect Text{};
};

// The layout of a width x height frame. Buttons run right to left: close,
// maximize, minimize, help, rollup, tray; the system-menu icon sits at the
// left. A tool window shows only its close button.
TSkFrameLayout ComputeFrameLayout(const TSkFrameMetrics& metrics, int width, int height,
                                  TSkBorderIcons icons, TSkBorderStyle style);
