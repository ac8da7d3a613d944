#include "styling/controls/themecheckboxs.h"

#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TSkThemeRadioButton, TSkCustomRadioButton)
FW_PUBLISH(TSkThemeRadioButton)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

TSkThemeRadioButton::TSkThemeRadioButton(TComponent* owner) : TSkCustomRadioButton(owner) {}

void TSkThemeRadioButton::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeRadioButton::Notification(TComponent* component, TOperation operation)
{
    TSkCustomRadioButton::Notification(component, operation);
    SkUnlinkRemovedStylist(stylist_, component, operation);
}

SIZE TSkThemeRadioButton::GetCheckSize()
{
    if (!SkThemeAvailable(this, stylist_))
        return TSkCustomRadioButton::GetCheckSize();
    const TSkTheme* theme = stylist_->Theme();
    return SIZE{theme->GetSize(ksRadioButtonWidth), theme->GetSize(ksRadioButtonHeight)};
}

void TSkThemeRadioButton::DrawCheck()
{
    if (!SkThemeAvailable(this, stylist_)) {
        TSkCustomRadioButton::DrawCheck();
        return;
    }
    uint8_t state = kesNormal;
    if (!Enabled())
        state = kesDisabled;
    else if (Pressed())
        state = kesPressed;
    else if (MouseInControl())
        state = kesHot;
    stylist_->Theme()->DrawRadioButton(Canvas(), BoxRect(), state, Checked());
}
