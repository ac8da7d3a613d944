// TSkCustomPopupMenu: a popup menu of the library's items, shown in skinned
// popup windows with their own modal loop. Items clicked run after the menu
// has closed.
#pragma once

#include "framework/controls/popupmenu.h"
#include "styling/forms/skformoptions.h"

#include <windows.h>

#include <memory>

class TImageList;
class TSkCustomItem;

class TSkCustomPopupMenu : public TPopupMenu {
    FW_DECLARE_CLASS(TSkCustomPopupMenu)
public:
    explicit TSkCustomPopupMenu(TComponent* owner);
    ~TSkCustomPopupMenu() override;
    void BeforeDestruction() override;

    // The root item; its sub-items are the menu. Owned, made on first use.
    TSkCustomItem* Items() const;
    // The root item's image list.
    TImageList* Images() const;
    void SetImages(TImageList* value);
    TSkPopupMenuOptions* PopupMenuOptions() const { return options_.get(); }
    // Copies value and hands the options to every item.
    void SetPopupMenuOptions(const TSkPopupMenuOptions* value);
    // Bring the popup to the foreground (a menu of the notification icon
    // needs it to see the click outside).
    bool Foreground() const { return foreground_; }
    void SetForeground(bool value) { foreground_ = value; }
    // The window the popup windows belong to: this one when set, else the
    // owner's window when the owner is a window control.
    HWND OwnerWindow() const;
    void SetOwnerWindow(HWND value) { ownerWindow_ = value; }

    // Closes any open popup, then shows the items at the screen point and
    // runs the menu until it closes.
    void Popup(int x, int y) override;

    // Stored descriptions nest the form's items in the menu.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

    // The menu whose popup runs now, or null.
    static TSkCustomPopupMenu* Current();
    // Closes the open popup of whatever menu, all levels.
    static void CloseCurrent();

protected:
    // The root item; a themed menu makes a themed one.
    virtual TSkCustomItem* CreateRootItem();
    // Hands options, foreground and owner window down the tree.
    void ApplySettings();

private:
    mutable TSkCustomItem* items_ = nullptr;
    std::unique_ptr<TSkPopupMenuOptions> options_;
    bool foreground_ = false;
    HWND ownerWindow_ = nullptr;
};
