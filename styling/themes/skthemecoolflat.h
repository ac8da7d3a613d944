// TSkThemeCoolFlat, shown as "Cool Flat": the flat look in pale blue and
// white with lower captions and smaller caption buttons, and a frame of
// plain outlines instead of the classic bevels.
#pragma once

#include "styling/themes/skthemeflat.h"

class TSkThemeCoolFlat : public TSkThemeFlat {
    FW_DECLARE_CLASS(TSkThemeCoolFlat)
public:
    TSkThemeCoolFlat() = default;

    int GetSize(uint8_t kind) const override;
    TColor GetColor(uint8_t kind) const override;
    void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot, bool pressed,
                         bool active, TSkBorderStyle borderStyle) const override;
    void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                        bool active, TSkBorderStyle borderStyle) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "Cool Flat"; }
};
