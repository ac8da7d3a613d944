// TSkGraphicControl: the base of every windowless themed control, drawn on
// its parent's surface. It shares the windowed base's buffering, see-through
// painting and blending; it has no border, bevels or scroll bars.
#pragma once

#include "styling/core/skcontrolbase.h"

class TSkGraphicControl : public TSkControlBase<TGraphicControl> {
    FW_DECLARE_CLASS(TSkGraphicControl)
public:
    explicit TSkGraphicControl(TComponent* owner);

    void Loaded() override;

protected:
    // Unless transparent, fills the control with Color.
    virtual void PaintClient();
    void Paint() override;

private:
    using TInherited = TSkControlBase<TGraphicControl>;
};
