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
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeButton::Notification(TComponent* component, TOperation operation)
{
    TSkCustomButton::Notification(component, operation);
    SkUnlinkRemovedStylist(stylist_, component, operation);
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
