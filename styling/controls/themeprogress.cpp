#include "styling/controls/themeprogress.h"

#include "framework/components/properties.h"
#include "styling/core/stylist.h"

FW_IMPLEMENT_CLASS(TSkThemeProgressBar, TSkCustomProgressBar)
FW_PUBLISH(TSkThemeProgressBar)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

TSkThemeProgressBar::TSkThemeProgressBar(TComponent* owner) : TInherited(owner) {}

void TSkThemeProgressBar::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeProgressBar::Notification(TComponent* component, TOperation operation)
{
    TInherited::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Invalidate();
}

void TSkThemeProgressBar::DrawFrame()
{
    if (!SkThemeAvailable(this, stylist_)) {
        TInherited::DrawFrame();
        return;
    }
    stylist_->Theme()->DrawProgressFrame(Canvas(), TRect{0, 0, Width(), Height()});
}

// The themed bar fills a vertical bar from the top.
void TSkThemeProgressBar::DrawBar()
{
    if (!SkThemeAvailable(this, stylist_)) {
        TInherited::DrawBar();
        return;
    }
    RECT area;
    GetBarArea(area);
    RECT bar = area;
    if (Vertical())
        bar.bottom = area.top + FilledLength(area);
    else
        bar.right = area.left + FilledLength(area);
    stylist_->Theme()->DrawProgressBar(Canvas(), area, bar, Vertical(), Smooth());
}
