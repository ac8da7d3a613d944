// TSkControlBase: what the windowed and the windowless themed bases share,
// over the framework base each one paints on: how a paint is buffered
// (Performance), see-through painting over the parent (Transparent),
// blending over the parent (Blending), the font copy used while painting
// and mouse-over tracking. The rules between the three options live here
// once; PublishSkControl publishes them for each base.
#pragma once

#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/graphicsobjects.h"
#include "styling/core/skblending.h"
#include "styling/core/skcontroltypes.h"
#include "styling/core/skversion.h"

#include <windows.h>

#include <memory>

class TSkBitmap;
class TSkPaintTarget;

// The size of a themed control until it is placed.
constexpr int SkDefaultControlWidth = 100;
constexpr int SkDefaultControlHeight = 30;

template <typename TBase>
class TSkControlBase : public TBase, public TSkVersioned {
public:
    explicit TSkControlBase(TComponent* owner);
    ~TSkControlBase() override;

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

    void Dispatch(TMessage& message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // The first layer of a paint into dc: the font copy, and the parent's
    // background when transparent.
    void PaintUnderlay(HDC dc);
    // The last layer: the drawing mixed over the parent's background when
    // blending (only a buffered paint can).
    void BlendOverParent(TSkPaintTarget& target);
    // The bitmap a double-buffered paint draws into, kept between paints.
    TSkBitmap* KeptBuffer() const { return keptBuffer_.get(); }

private:
    void BlendingChanged();

    TSkPerformance performance_ = kspNoBuffer;
    bool transparent_ = false;
    bool mouseInControl_ = false;
    std::unique_ptr<TSkBitmap> ownBitmap_;
    std::unique_ptr<TSkBitmap> keptBuffer_;
    std::unique_ptr<TFont> paintFont_;
    std::unique_ptr<TSkBlending> blending_;
};

// Both are made once, in skcontrolbase.cpp.
extern template class TSkControlBase<TCustomControl>;
extern template class TSkControlBase<TGraphicControl>;

// In the FW_PUBLISH block of each themed base.
template <typename T>
void PublishSkControl(TPublisher<T>& p)
{
    p.Property("Blending", &T::Blending);
    p.Enum("Performance", &T::Performance, &T::SetPerformance,
           {"kspNoBuffer", "kspSharedBuffer", "kspDoubleBuffer"});
    p.Property("Transparent", &T::Transparent, &T::SetTransparent);
    p.Event("OnMouseEnter", &T::OnMouseEnter);
    p.Event("OnMouseLeave", &T::OnMouseLeave);
    PublishVersion(p);
}
