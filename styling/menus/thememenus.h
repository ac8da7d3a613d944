// TSkThemePopupMenu: the popup menu whose items paint through its stylist's
// theme.
#pragma once

#include "styling/core/skversion.h"
#include "styling/menus/skpopupmenu.h"

class TSkStylist;

class TSkThemePopupMenu : public TSkCustomPopupMenu, public TSkVersioned {
    FW_DECLARE_CLASS(TSkThemePopupMenu)
public:
    explicit TSkThemePopupMenu(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);

protected:
    TSkCustomItem* CreateRootItem() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
