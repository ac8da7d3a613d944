#include "styling/core/skgraphiccontrol.h"

#include "framework/properties.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skdraw.h"

FW_IMPLEMENT_CLASS(TSkGraphicControl, TGraphicControl)
FW_PUBLISH(TSkGraphicControl)
{
    p.Property("Blending", &T::Blending);
    p.Enum("Performance", &T::Performance, &T::SetPerformance,
           {"kspNoBuffer", "kspSharedBuffer", "kspDoubleBuffer"});
    p.Property("Transparent", &T::Transparent, &T::SetTransparent);
    p.Event("OnMouseEnter", &T::OnMouseEnter);
    p.Event("OnMouseLeave", &T::OnMouseLeave);
    PublishVersion(p);
}

TSkGraphicControl::TSkGraphicControl(TComponent* owner)
    : TGraphicControl(owner),
      ownBitmap_(new TSkBitmap),
      paintFont_(new TFont),
      blending_(new TSkBlending(this))
{
    blending_->OnChange = [this] { BlendingChanged(); };
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TSkGraphicControl::~TSkGraphicControl() = default;

void TSkGraphicControl::SetPerformance(TSkPerformance value)
{
    if (value == performance_ || (value == kspNoBuffer && blending_->Enabled()))
        return;
    performance_ = value;
    Invalidate();
}

void TSkGraphicControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TSkGraphicControl::SetBlending(const TSkBlending* value)
{
    // The copy notifies: BlendingChanged applies the rules and repaints.
    blending_->Assign(value);
}

void TSkGraphicControl::BlendingChanged()
{
    if (blending_->Enabled() && performance_ == kspNoBuffer)
        performance_ = kspDoubleBuffer;
    if (!ComponentState().Contains(csLoading))
        Invalidate();
}

void TSkGraphicControl::Loaded()
{
    TGraphicControl::Loaded();
    Invalidate();
}

void TSkGraphicControl::Paint()
{
    const int width = Width(), height = Height();
    if (width < 1 || height < 1)
        return;
    TCanvas* canvas = Canvas();
    canvas->Lock();
    {
        TSkPaintTarget target(PaintDC(), width, height, performance_, false);
        if (target.DC() != PaintDC())
            canvas->SetHandle(target.DC());
        paintFont_->Assign(Font());
        if (transparent_)
            DrawParentBackground(this, target.DC(), performance_, blending_->Enabled());
        PaintClient();
        if (blending_->Enabled() && target.Buffered()) {
            ownBitmap_->SetSize(width, height);
            ownBitmap_->SetAlpha(255);
            DrawParentBackground(this, ownBitmap_->DC(), performance_, true);
            target.BlendOver(*ownBitmap_, blending_->Value());
        }
        target.Present();
        if (target.DC() != PaintDC())
            canvas->SetHandle(PaintDC());
    }
    canvas->Unlock();
}

void TSkGraphicControl::PaintClient()
{
    if (!transparent_)
        FillRectColor(Canvas(), TRect{0, 0, Width(), Height()}, Color());
}

void TSkGraphicControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::Dispatch(message);
        mouseInControl_ = true;
        if (OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        TGraphicControl::Dispatch(message);
        mouseInControl_ = false;
        if (OnMouseLeave)
            OnMouseLeave(this);
        return;
    default:
        TGraphicControl::Dispatch(message);
    }
}
