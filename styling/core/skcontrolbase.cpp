#include "styling/core/skcontrolbase.h"

#include "styling/core/skbitmap.h"
#include "styling/core/skcontrolpaint.h"

template <typename TBase>
TSkControlBase<TBase>::TSkControlBase(TComponent* owner)
    : TBase(owner),
      ownBitmap_(new TSkBitmap),
      keptBuffer_(new TSkBitmap),
      paintFont_(new TFont),
      blending_(new TSkBlending(this))
{
    blending_->OnChange = [this] { BlendingChanged(); };
    this->SetControlStyle(this->ControlStyle() + TControlStyle{csOpaque});
    this->SetColor(clBtnFace);
}

template <typename TBase>
TSkControlBase<TBase>::~TSkControlBase() = default;

template <typename TBase>
void TSkControlBase<TBase>::SetPerformance(TSkPerformance value)
{
    if (value == performance_ || (value == kspNoBuffer && blending_->Enabled()))
        return;
    performance_ = value;
    this->Invalidate();
}

template <typename TBase>
void TSkControlBase<TBase>::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    this->Invalidate();
}

template <typename TBase>
void TSkControlBase<TBase>::SetBlending(const TSkBlending* value)
{
    // The copy notifies: BlendingChanged applies the rules and repaints.
    blending_->Assign(value);
}

template <typename TBase>
void TSkControlBase<TBase>::BlendingChanged()
{
    if (blending_->Enabled() && performance_ == kspNoBuffer)
        performance_ = kspDoubleBuffer;
    if (!this->ComponentState().Contains(csLoading))
        this->Invalidate();
}

template <typename TBase>
void TSkControlBase<TBase>::PaintUnderlay(HDC dc)
{
    // Holding the font's handle keeps the shared one alive between paints:
    // the copies each paint makes find it rather than creating it again.
    this->Font()->Handle();
    paintFont_->Assign(this->Font());
    // Without a buffer the kept bitmap is free to take the parent's erase.
    if (transparent_)
        DrawParentBackground(this, dc, performance_, blending_->Enabled(), keptBuffer_.get());
}

template <typename TBase>
void TSkControlBase<TBase>::BlendOverParent(TSkPaintTarget& target)
{
    if (!blending_->Enabled() || !target.Buffered())
        return;
    ownBitmap_->SetSize(this->Width(), this->Height());
    ownBitmap_->SetAlpha(255);
    DrawParentBackground(this, ownBitmap_->DC(), performance_, true);
    target.BlendOver(*ownBitmap_, blending_->Value());
}

template <typename TBase>
void TSkControlBase<TBase>::Dispatch(TMessage& message)
{
    TBase::Dispatch(message);
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        mouseInControl_ = message.Msg == CM_MOUSEENTER;
        const TNotifyEvent& event = mouseInControl_ ? OnMouseEnter : OnMouseLeave;
        if (event)
            event(this);
    }
}

template class TSkControlBase<TCustomControl>;
template class TSkControlBase<TGraphicControl>;
