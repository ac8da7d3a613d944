#include "framework/controls/popupmenu.h"

#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TPopupMenu, TComponent)
FW_PUBLISH(TPopupMenu)
{
    p.Property("AutoPopup", &T::AutoPopup, &T::SetAutoPopup).Default(true);
    p.Event("OnPopup", &T::OnPopup);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

void TPopupMenu::Popup(int, int)
{
    DoPopup();
}

void TPopupMenu::DoPopup()
{
    if (OnPopup)
        OnPopup(this);
}

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (value == popupComponent_)
        return;
    if (popupComponent_)
        popupComponent_->RemoveFreeNotification(this);
    popupComponent_ = value;
    if (value)
        value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}
