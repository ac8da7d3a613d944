// TSkThemePopupMenu and TSkThemeMenuBar: the popup menu and the menu bar
// whose items paint through their stylist's theme.
#pragma once

#include "styling/core/skversion.h"
#include "styling/menus/skmenubar.h"
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

class TSkThemeMenuBar : public TSkCustomMenuBar, public TSkVersioned {
    FW_DECLARE_CLASS(TSkThemeMenuBar)
public:
    explicit TSkThemeMenuBar(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);

protected:
    TSkCustomItem* CreateItem() override;
    void PaintBackground(TCanvas* canvas, const RECT& rect) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
