// TSkThemeMetalLuna: the picture theme in grey-violet, with atlases of the
// same layout and its own colour table.
#pragma once

#include "styling/themes/skthemeluna.h"

class TSkThemeMetalLuna : public TSkThemeLuna {
    FW_DECLARE_CLASS(TSkThemeMetalLuna)
public:
    TSkThemeMetalLuna();

    void LoadImages() override;
    TColor GetColor(uint8_t kind) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "MetalLuna"; }
};
