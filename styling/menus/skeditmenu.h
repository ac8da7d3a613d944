// The self-drawn edit's right-click menu as one of the library's popup
// menus: the same items, enabled states and actions as the edit keeps in
// its TSkEditMenu, shown with the edit's ContextMenuOptions.
#pragma once

#include "styling/controls/skedit.h"

#include <functional>

class TSkStylist;
class TSkThemePopupMenu;

class TSkEditPopupMenu : public TSkEditMenu {
public:
    // stylist answers the edit's stylist at each popup (null: plain look).
    explicit TSkEditPopupMenu(std::function<TSkStylist*()> stylist = nullptr);
    ~TSkEditPopupMenu() override;

    void Popup(HWND owner, POINT screen) override;
    // The menu that shows the items; made on first use.
    TSkThemePopupMenu* Menu();

private:
    // Brings the menu's items in line with Items(): captions, enabled states.
    void SyncItems();
    void RunAction(size_t index);

    std::function<TSkStylist*()> stylist_;
    TSkThemePopupMenu* menu_ = nullptr;
};
