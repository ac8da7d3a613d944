#include "styling/core/skgraphiccontrol.h"

#include "framework/components/properties.h"
#include "framework/graphics/canvasguards.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skdraw.h"

FW_IMPLEMENT_CLASS(TSkGraphicControl, TGraphicControl)
FW_PUBLISH(TSkGraphicControl)
{
    PublishSkControl(p);
}

TSkGraphicControl::TSkGraphicControl(TComponent* owner) : TInherited(owner)
{
    SetBounds(0, 0, SkDefaultControlWidth, SkDefaultControlHeight);
}

void TSkGraphicControl::Loaded()
{
    TInherited::Loaded();
    Invalidate();
}

void TSkGraphicControl::Paint()
{
    const int width = Width(), height = Height();
    if (width < 1 || height < 1)
        return;
    TCanvasLock lock(Canvas());
    TSkPaintTarget target(PaintDC(), width, height, Performance(), false, KeptBuffer());
    TCanvasRedirect redirect(Canvas(), target.DC());
    PaintUnderlay(target.DC());
    PaintClient();
    BlendOverParent(target);
    target.Present();
}

void TSkGraphicControl::PaintClient()
{
    if (!Transparent())
        FillRectColor(Canvas(), TRect{0, 0, Width(), Height()}, Color());
}
