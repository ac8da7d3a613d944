// The button family over the system "BUTTON" class: push button, check box
// and radio button.
#pragma once

#include "framework/controls/wincontrol.h"

// The system button reports its own clicks (BN_CLICKED): no framework click
// on mouse-up.
class TButtonControl : public TWinControl {
    FW_DECLARE_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner);

    // OnClick as a published event.
    TNotifyEvent ClickEvent() const { return OnClick; }
    void SetClickEvent(const TNotifyEvent& handler) { OnClick = handler; }

    void Dispatch(TMessage& message) override;

protected:
    // BN_CLICKED from the window.
    virtual void Clicked() { Click(); }

private:
    void CNCommand(const TWMCommand& command);
    void CMDialogChar(const TWMKey& key);
};

class TButton : public TButtonControl {
    FW_DECLARE_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);

    // Return clicks the default button (unless another button has the
    // focus); Escape clicks the cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // Shown and acting as the default: Default, while the focus is on no
    // other push button (one whose window says so, the library's own
    // buttons too). Follows the form's focus notification.
    bool ActiveDefault() const { return activeDefault_; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Given to the parent form when the button is clicked.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool WantsDialogKey(WORD key) const;
    void CMDialogKey(const TWMKey& key);
    void FocusChanged(TWinControl* focused);

    bool default_ = false;
    bool activeDefault_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

// Whether the control's window answers as a push button (WM_GETDLGCODE).
bool IsPushButtonWindow(TWinControl* control);

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
    FW_DECLARE_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    // A change is shown and announced as a click.
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // Clicking cycles through grayed too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

// Radio buttons with the same parent form one group.
class TRadioButton : public TButtonControl {
    FW_DECLARE_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // Checking one unchecks its siblings and announces a click.
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override { SetChecked(true); }

private:
    void TurnSiblingsOff();

    bool checked_ = false;
};
