// TSkGraphicControl: the base of every windowless themed control, drawn on
// its parent's surface. It shares the windowed base's buffering, see-through
// painting and blending; it has no border, bevels or scroll bars.
#pragma once

#include "framework/graphiccontrol.h"
#include "framework/graphicsobjects.h"
#include "styling/core/skblending.h"
#include "styling/core/skcontroltypes.h"
#include "styling/core/skversion.h"

#include <memory>

class TSkBitmap;

class TSkGraphicControl : public TGraphicControl, public TSkVersioned {
    FW_DECLARE_CLASS(TSkGraphicControl)
public:
    explicit TSkGraphicControl(TComponent* owner);
    ~TSkGraphicControl() override;

    TSkPerformance Performance() const { return performance_; }
    // Refused while blending is on: blending needs a buffer.
    void SetPerformance(TSkPerformance value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TSkBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSkBlending* value);

    bool MouseInControl() const { return mouseInControl_; }
    // The copy of Font that descendants draw text with while painting.
    TFont* PaintFont() const { return paintFont_.get(); }

    void Loaded() override;
    void Dispatch(TMessage& message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Unless transparent, fills the control with Color.
    virtual void PaintClient();
    void Paint() override;

private:
    void BlendingChanged();

    TSkPerformance performance_ = kspNoBuffer;
    std::unique_ptr<TSkBitmap> ownBitmap_;
    std::unique_ptr<TFont> paintFont_;
    bool transparent_ = false;
    bool mouseInControl_ = false;
    std::unique_ptr<TSkBlending> blending_;
};
