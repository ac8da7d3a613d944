#include "framework/controls/button.h"

#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TButtonControl, TWinControl)
FW_PUBLISH(TButtonControl)
{
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    p.Property("OnClick", &T::ClickEvent, &T::SetClickEvent);
}

FW_IMPLEMENT_CLASS(TButton, TButtonControl)
FW_PUBLISH(TButton)
{
    p.Property("Cancel", &T::Cancel, &T::SetCancel).Default(false);
    p.Property("Default", &T::Default, &T::SetDefault).Default(false);
    p.Property("ModalResult", &T::ModalResult, &T::SetModalResult).Default(0);
}

FW_IMPLEMENT_CLASS(TCheckBox, TButtonControl)
FW_PUBLISH(TCheckBox)
{
    p.Property("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed).Default(false);
    // State says it all; Checked is read from older descriptions only.
    p.Property("Checked", &T::Checked, &T::SetChecked).Stored(false);
    p.Enum("State", &T::State, &T::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"})
        .Default(cbUnchecked);
}

FW_IMPLEMENT_CLASS(TRadioButton, TButtonControl)
FW_PUBLISH(TRadioButton)
{
    p.Property("Checked", &T::Checked, &T::SetChecked).Default(false);
}

namespace {

bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }

} // namespace

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
}

void TButtonControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        CNCommand(TWMCommand(message));
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(TWMKey(message));
        return;
    default:
        TWinControl::Dispatch(message);
    }
}

void TButtonControl::CNCommand(const TWMCommand& command)
{
    if (command.NotifyCode == BN_CLICKED)
        Clicked();
}

// The "&" letter of the caption focuses and presses the button.
void TButtonControl::CMDialogChar(const TWMKey& key)
{
    if (IsAccel(key.CharCode, Caption()) && CanFocus()) {
        SetFocus();
        Clicked();
        key.Message.Result = 1;
    }
}

TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool IsPushButtonWindow(TWinControl* control)
{
    if (!control || !control->HandleAllocated())
        return false;
    const LRESULT code = SendMessageA(control->Handle(), WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void TButton::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    FocusChanged(TWinControl::FindControl(GetFocus()));
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// A focused button takes Return itself; the default one only while no
// other button holds the focus.
bool TButton::WantsDialogKey(WORD key) const
{
    if (!Visible() || !Enabled())
        return false;
    if (key == VK_ESCAPE)
        return cancel_;
    if (key != VK_RETURN)
        return false;
    return Focused() || activeDefault_;
}

void TButton::FocusChanged(TWinControl* focused)
{
    activeDefault_ = default_ && (focused == this || !IsPushButtonWindow(focused));
}

void TButton::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGKEY) {
        CMDialogKey(TWMKey(message));
        return;
    }
    if (message.Msg == CM_FOCUSCHANGED)
        FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
    TButtonControl::Dispatch(message);
}

void TButton::CMDialogKey(const TWMKey& key)
{
    if (!WantsDialogKey(key.CharCode)) {
        TButtonControl::Dispatch(key.Message);
        return;
    }
    Click();
    key.Message.Result = 1;
}

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (IFormSite* form = FindFormSite(this))
            form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
    // The control keeps the state: the window only shows it.
    params.Style |= BS_3STATE;
}

void TCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    SendMessageA(Handle(), BM_SETCHECK, state_, 0);
}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETCHECK, state_, 0);
    if (!Loading(this))
        Click();
}

void TCheckBox::Clicked()
{
    switch (state_) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(allowGrayed_ ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!value)
        return;
    TurnSiblingsOff();
    if (!Loading(this))
        Click();
}

void TRadioButton::TurnSiblingsOff()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling != this && sibling->InheritsFrom(TRadioButton::StaticClass()))
            static_cast<TRadioButton*>(sibling)->SetChecked(false);
    }
}
