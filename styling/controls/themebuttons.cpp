#include "styling/controls/themebuttons.h"

#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TSkThemeButton, TSkCustomButton)
FW_PUBLISH(TSkThemeButton)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

TSkThemeButton::TSkThemeButton(TComponent* owner) : TSkCustomButton(owner) {}

void TSkThemeButton::SetStylist(TSkStylist* value)
{
    if (value == stylist_)
        return;
    if (stylist_)
        stylist_->RemoveFreeNotification(this);
    stylist_ = value;
    if (stylist_)
        stylist_->FreeNotification(this);
    Invalidate();
}

void TSkThemeButton::Notification(TComponent* component, TOperation operation)
{
    TSkCustomButton::Notification(component, operation);
    if (operation == opRemove && component == stylist_)
        stylist_ = nullptr;
}

void TSkThemeButton::DrawButtonFace()
{
    if (!SkThemeAvailable(this, stylist_)) {
        TSkCustomButton::DrawButtonFace();
        return;
    }
    uint8_t state = kesNormal;
    if (!Enabled())
        state = kesDisabled;
    else if (State() == kbsPressed)
        state = kesPressed;
    else if (MouseInControl())
        state = kesHot;
    else if (HasFocus())
        state = kesFocused;
    else if (ActiveDefault())
        state = kesDefault;
    Stylist()->Theme()->DrawButton(Canvas(), Width(), Height(), state);
}
