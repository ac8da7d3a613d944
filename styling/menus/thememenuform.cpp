#include "styling/menus/thememenuform.h"

#include "framework/components/properties.h"
#include "styling/core/stylist.h"
#include "styling/core/themethemes.h"
#include "styling/menus/themeitems.h"

FW_IMPLEMENT_CLASS(TSkThemePopupForm, TSkPopupForm)
FW_IMPLEMENT_CLASS(TSkThemePopupView, TSkPopupView)
FW_IMPLEMENT_CLASS(TSkThemePopupWindow, TSkPopupWindow)

// TSkThemePopupForm

TSkThemePopupForm::TSkThemePopupForm(TComponent* owner) : TSkPopupForm(owner) {}

void TSkThemePopupForm::SetStylist(TSkStylist* value)
{
    SkLinkStylist(this, stylist_, value);
}

void TSkThemePopupForm::Notification(TComponent* component, TOperation operation)
{
    TSkPopupForm::Notification(component, operation);
    SkUnlinkRemovedStylist(stylist_, component, operation);
}

void TSkThemePopupForm::PaintPopupFrame(TCanvas* canvas, int width, int height)
{
    if (SkThemeAvailable(this, stylist_))
        stylist_->Theme()->DrawPopupBackground(canvas, width, height);
    else
        TSkPopupForm::PaintPopupFrame(canvas, width, height);
}

// TSkThemePopupView

TSkThemePopupView::TSkThemePopupView(TComponent* owner) : TSkPopupView(owner) {}

void TSkThemePopupView::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemePopupView::Notification(TComponent* component, TOperation operation)
{
    TSkPopupView::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Invalidate();
}

void TSkThemePopupView::PaintBackground(TCanvas* canvas, const RECT& rect)
{
    if (SkThemeAvailable(this, stylist_))
        FillRectColor(canvas, rect, stylist_->Theme()->GetColor(kcPopup));
    else
        TSkPopupView::PaintBackground(canvas, rect);
}

void TSkThemePopupView::PaintScrollButton(TCanvas* canvas, const RECT& rect, bool down, bool hot)
{
    if (SkThemeAvailable(this, stylist_))
        stylist_->Theme()->DrawPopupScrollButton(canvas, rect, down ? kpsDown : kpsUp, hot);
    else
        TSkPopupView::PaintScrollButton(canvas, rect, down, hot);
}

// TSkThemePopupWindow

TSkThemePopupWindow::TSkThemePopupWindow(TComponent* owner) : TSkPopupWindow(owner) {}

TSkPopupForm* TSkThemePopupWindow::CreateSkin()
{
    return new TSkThemePopupForm(this);
}

TSkPopupView* TSkThemePopupWindow::CreateView()
{
    return new TSkThemePopupView(this);
}

void TSkThemePopupWindow::ItemShown(TSkCustomItem* item)
{
    auto* themed = dynamic_cast<TSkThemeItem*>(item);
    TSkStylist* stylist = themed ? themed->Stylist() : nullptr;
    if (auto* skin = dynamic_cast<TSkThemePopupForm*>(Skin()))
        skin->SetStylist(stylist);
    if (auto* view = dynamic_cast<TSkThemePopupView*>(View()))
        view->SetStylist(stylist);
}
