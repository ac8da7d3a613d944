// TPopupMenu: a menu that pops up at a screen point. This base only fires
// OnPopup; menus that show items descend from it. A control that links one
// as its PopupMenu pops it up on a right click (WM_CONTEXTMENU).
#pragma once

#include "framework/base/events.h"
#include "framework/components/component.h"

class TPopupMenu : public TComponent {
    FW_DECLARE_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);

    // Shows the menu at a screen point; the base fires OnPopup only.
    virtual void Popup(int x, int y);

    // Whether a right click on a linked control pops the menu up.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // The control that popped the menu up last; cleared when it is freed.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* value);

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup();
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
};
