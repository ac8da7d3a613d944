#include "styling/menus/thememenus.h"

#include "framework/components/properties.h"
#include "styling/core/stylist.h"
#include "styling/core/themethemes.h"
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

FW_IMPLEMENT_CLASS(TSkThemeMenuBar, TSkCustomMenuBar)
FW_PUBLISH(TSkThemeMenuBar)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
    PublishVersion(p);
}

TSkThemeMenuBar::TSkThemeMenuBar(TComponent* owner) : TSkCustomMenuBar(owner) {}

// Merged buttons take the stylist from the root above them.
TSkCustomItem* TSkThemeMenuBar::CreateItem()
{
    return new TSkThemeItem(nullptr);
}

void TSkThemeMenuBar::SetStylist(TSkStylist* value)
{
    if (!SkLinkStylist(this, stylist_, value))
        return;
    if (auto* root = dynamic_cast<TSkThemeItem*>(Items()))
        root->SetStylist(value);
    ItemsChanged();
}

void TSkThemeMenuBar::PaintBackground(TCanvas* canvas, const RECT& rect)
{
    if (!SkThemeAvailable(this, stylist_)) {
        TSkCustomMenuBar::PaintBackground(canvas, rect);
        return;
    }
    stylist_->Theme()->DrawMenuBarBackground(canvas, Width(), Height());
}

void TSkThemeMenuBar::Notification(TComponent* component, TOperation operation)
{
    TSkCustomMenuBar::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        ItemsChanged();
}
