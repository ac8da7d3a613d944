#include "styling/controls/themescrollbars.h"

#include "framework/components/properties.h"
#include "styling/core/skdraw.h"
#include "styling/core/stylist.h"

FW_IMPLEMENT_CLASS(TSkThemeScrollBar, TSkCustomScrollBar)
FW_PUBLISH(TSkThemeScrollBar)
{
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth).Default(0);
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

TSkThemeScrollBar::TSkThemeScrollBar(TComponent* owner) : TInherited(owner)
{
    SetBorderWidth(0);
}

void TSkThemeScrollBar::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeScrollBar::Notification(TComponent* component, TOperation operation)
{
    TInherited::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Invalidate();
}

bool TSkThemeScrollBar::ThemeAvailable() const
{
    return SkThemeAvailable(this, stylist_);
}

int TSkThemeScrollBar::GetButtonSize()
{
    if (!ThemeAvailable())
        return TInherited::GetButtonSize();
    return stylist_->Theme()->GetSize(ksScrollBarSize);
}

void TSkThemeScrollBar::PaintClient()
{
    if (!ThemeAvailable()) {
        TInherited::PaintClient();
        return;
    }
    TSkGraphicControl::PaintClient();
    DrawTrack();
    if (ShowButtons()) {
        DrawFirstButton();
        DrawSecondButton();
    }
    if (!ThumbVisible())
        return;
    DrawThumb();
    RECT page;
    if (FirstPagePressed()) {
        GetFirstPageRect(page);
        FillPressedPage(page);
    }
    if (SecondPagePressed()) {
        GetSecondPageRect(page);
        FillPressedPage(page);
    }
}

void TSkThemeScrollBar::FillPressedPage(RECT page)
{
    if (Vertical())
        InflateRect(&page, -1, 0);
    else
        InflateRect(&page, 0, -1);
    FillRectColor(Canvas(), page, clBtnShadow);
}

void TSkThemeScrollBar::DrawBorder()
{
    if (!ThemeAvailable())
        TInherited::DrawBorder();
}

void TSkThemeScrollBar::DrawTrack()
{
    if (!ThemeAvailable()) {
        TInherited::DrawTrack();
        return;
    }
    stylist_->Theme()->DrawScrollTrack(Canvas(), TRect{0, 0, Width(), Height()}, Kind());
}

namespace {

uint8_t PartState(bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return kesDisabled;
    return pressed ? kesPressed : hot ? kesHot : kesNormal;
}

} // namespace

void TSkThemeScrollBar::DrawFirstButton()
{
    if (!ThemeAvailable()) {
        TInherited::DrawFirstButton();
        return;
    }
    RECT r;
    GetFirstButtonRect(r);
    stylist_->Theme()->DrawScrollButton(Canvas(), r, Kind(), true,
                                        PartState(Enabled(), FirstButtonPressed(), FirstButtonHot()));
}

void TSkThemeScrollBar::DrawSecondButton()
{
    if (!ThemeAvailable()) {
        TInherited::DrawSecondButton();
        return;
    }
    RECT r;
    GetSecondButtonRect(r);
    stylist_->Theme()->DrawScrollButton(
        Canvas(), r, Kind(), false, PartState(Enabled(), SecondButtonPressed(), SecondButtonHot()));
}

void TSkThemeScrollBar::DrawThumb()
{
    if (!ThemeAvailable()) {
        TInherited::DrawThumb();
        return;
    }
    RECT r;
    GetThumbRect(r);
    stylist_->Theme()->DrawScrollThumb(Canvas(), r, Kind(),
                                       PartState(Enabled(), Dragging(), ThumbHot()));
}
