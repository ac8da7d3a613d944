#include "framework/controls/graphiccontrol.h"

FW_IMPLEMENT_CLASS(TGraphicControl, TControl)
FW_IMPLEMENT_CLASS(TCustomControl, TWinControl)

namespace {

// Publishes a paint target for the length of one Paint call.
class TPaintTarget {
public:
    TPaintTarget(HDC& slot, HDC dc) : slot_(slot), previous_(slot) { slot_ = dc; }
    ~TPaintTarget() { slot_ = previous_; }
    TPaintTarget(const TPaintTarget&) = delete;
    TPaintTarget& operator=(const TPaintTarget&) = delete;

private:
    HDC& slot_;
    HDC previous_;
};

} // namespace

TCanvasPaintScope::TCanvasPaintScope(TCanvas* canvas, HDC dc, const TControl* control)
    : canvas_(canvas)
{
    canvas_->SetHandle(dc);
    canvas_->SetFont(control->Font());
    canvas_->Brush()->SetColor(control->Color());
}

TCanvasPaintScope::~TCanvasPaintScope()
{
    canvas_->SetHandle(nullptr);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(new TCanvas)
{
}

// The parent sends WM_PAINT with its DC, origin moved onto this control.
void TGraphicControl::Dispatch(TMessage& message)
{
    if (message.Msg == WM_PAINT)
        WMPaint(TWMPaint(message));
    else
        TControl::Dispatch(message);
}

void TGraphicControl::WMPaint(const TWMPaint& paint)
{
    if (!paint.DC)
        return;
    TPaintTarget target(paintDC_, paint.DC);
    TCanvasPaintScope scope(canvas_.get(), paint.DC, this);
    Paint();
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(new TCanvas)
{
    IncludeControlState(csCustomPaint);
}

void TCustomControl::PaintWindow(HDC dc)
{
    TPaintTarget target(paintDC_, dc);
    TCanvasPaintScope scope(canvas_.get(), dc, this);
    Paint();
}
