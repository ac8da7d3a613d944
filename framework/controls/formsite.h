// IFormSite: what a control asks of the form that holds it. The forms layer
// implements it; a control reaches it through the window at the top of its
// parents (FindFormSite), so that the controls never name a form.
#pragma once

#include "framework/base/messages.h"

class TControl;
class TWinControl;

class IFormSite {
public:
    // Makes control the active control and gives it the keyboard focus.
    virtual void FocusControl(TWinControl* control) = 0;
    // Called when a window of the form received the focus.
    virtual void SetFocusedControl(TWinControl* control) = 0;
    // Forgets control (and what it contains) as the focused or active control.
    virtual void DefocusControl(TWinControl* control) = 0;
    // Offers a key message as a shortcut; true when it was taken.
    virtual bool IsShortCut(const TWMKey& key) = 0;
    // Offers a dialog key (Tab, Return, Escape, arrows) or an accelerator
    // character to the form's controls; true when one took it.
    virtual bool DialogKey(const TWMKey& key) = 0;
    virtual bool DialogChar(const TWMKey& key) = 0;
    // Ends the form's modal loop with value (a button's modal result).
    virtual void SetModalResult(int value) = 0;

protected:
    ~IFormSite() = default;
};

// The site of the form at the top of control's parents (the control itself
// when it is a form), or null when that window is no form.
IFormSite* FindFormSite(const TControl* control);
