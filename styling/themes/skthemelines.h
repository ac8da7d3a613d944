// TSkThemeLines, shown as "Lines": Highlight in its own colours, with a
// caption band of thin horizontal lines instead of the gradient.
#pragma once

#include "styling/themes/skthemehighlight.h"

class TSkThemeLines : public TSkThemeHighlight {
    FW_DECLARE_CLASS(TSkThemeLines)
public:
    TSkThemeLines() = default;

    TColor GetColor(uint8_t kind) const override;
    void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                        bool active, TSkBorderStyle borderStyle) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "Lines"; }
};
