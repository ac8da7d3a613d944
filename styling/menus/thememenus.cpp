#include "styling/menus/thememenus.h"

#include "framework/components/properties.h"
#include "styling/core/stylist.h"
#include "styling/menus/themeitems.h"

FW_IMPLEMENT_CLASS(TSkThemePopupMenu, TSkCustomPopupMenu)
FW_PUBLISH(TSkThemePopupMenu)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
    PublishVersion(p);
}

TSkThemePopupMenu::TSkThemePopupMenu(TComponent* owner) : TSkCustomPopupMenu(owner) {}

TSkCustomItem* TSkThemePopupMenu::CreateRootItem()
{
    auto* root = new TSkThemeItem(nullptr);
    root->SetStylist(stylist_);
    return root;
}

void TSkThemePopupMenu::SetStylist(TSkStylist* value)
{
    if (!SkLinkStylist(this, stylist_, value))
        return;
    if (auto* root = dynamic_cast<TSkThemeItem*>(Items()))
        root->SetStylist(value);
}

void TSkThemePopupMenu::Notification(TComponent* component, TOperation operation)
{
    TSkCustomPopupMenu::Notification(component, operation);
    SkUnlinkRemovedStylist(stylist_, component, operation);
}
