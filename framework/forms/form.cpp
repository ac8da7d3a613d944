#include "framework/forms/form.h"
#include "framework/components/roots.h"
#include "framework/components/resources.h"
#include "framework/components/properties.h"

#include "framework/forms/application.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/screen.h"

#include <utility>
#include <vector>

FW_IMPLEMENT_CLASS(TCustomForm, TWinControl)
FW_IMPLEMENT_CLASS(TForm, TCustomForm)

FW_PUBLISH(TCustomForm)
{
    // A form stores its client size; the outer size follows from the frame.
    p.Property("Width", &T::Width, &T::SetWidth).Stored(false);
    p.Property("Height", &T::Height, &T::SetHeight).Stored(false);
    // A form has its own colour and font and starts hidden.
    p.Property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
    p.Property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(false);
    p.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
    p.Property("AutoScroll", &T::AutoScroll, &T::SetAutoScroll).Default(true);
    p.Set("BorderIcons", &T::BorderIcons, &T::SetBorderIcons,
          {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"})
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits());
    p.Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle,
           {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
        .Default(bsSizeable);
    p.Property("ClientHeight", &T::ClientHeight, &T::SetClientHeight);
    p.Property("ClientWidth", &T::ClientWidth, &T::SetClientWidth);
    p.Enum("FormStyle", &T::FormStyle, &T::SetFormStyle,
           {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"})
        .Default(fsNormal);
    p.Enum("Position", &T::Position, &T::SetPosition,
           {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
            "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
        .Default(poDesigned);
    p.Enum("WindowState", &T::WindowState, &T::SetWindowState,
           {"wsNormal", "wsMinimized", "wsMaximized"})
        .Default(wsNormal);
    p.Property("PixelsPerInch", &T::PixelsPerInch, &T::SetPixelsPerInch);
    p.Property("TextHeight", &T::TextHeight, &T::SetTextHeight);
    p.Event("OnCreate", &T::OnCreate);
    p.Event("OnDestroy", &T::OnDestroy);
    p.Event("OnShow", &T::OnShow);
    p.Event("OnHide", &T::OnHide);
    p.Event("OnActivate", &T::OnActivate);
    p.Event("OnDeactivate", &T::OnDeactivate);
    p.Event("OnPaint", &T::OnPaint);
    p.Event("OnClose", &T::OnClose);
    p.Event("OnCloseQuery", &T::OnCloseQuery);
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), icon_(new TIcon), canvas_(new TCanvas)
{
    icon_->OnChange = [this](TObject*) { IconChanged(); };
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    IncludeControlState(csCustomPaint);
    visible_ = false;
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    SetParentFont(false);
    Screen->AddForm(this);
    // Other forms' descriptions may name this one's components.
    RegisterRoot(this);
}

TCustomForm::~TCustomForm()
{
    TCustomForm::BeforeDestruction();
}

void TCustomForm::BeforeDestruction()
{
    if (formTornDown_)
        return;
    formTornDown_ = true;
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            Application->HandleException(this);
        }
    }
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
    activeControl_ = nullptr;
    focusedControl_ = nullptr;
    TWinControl::BeforeDestruction();
}

void TCustomForm::AfterConstruction()
{
    formState_.Include(fsCreating);
    bool showAfterReading = false;
    try {
        ReadDescription();
        showAfterReading = visible_;
        visible_ = false;
    } catch (...) {
        formState_.Exclude(fsCreating);
        throw;
    }
    formState_.Exclude(fsCreating);
    DoCreate();
    if (showAfterReading)
        Show();
}

void TCustomForm::DoCreate()
{
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::PaintWindow(HDC dc)
{
    HDC previous = paintDC_;
    paintDC_ = dc;
    struct Restore {
        HDC& slot;
        HDC value;
        ~Restore() { slot = value; }
    } restore{paintDC_, previous};
    TCanvasPaintScope scope(canvas_.get(), dc, this);
    Paint();
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_VISIBLE | WS_CLIPSIBLINGS);
    params.Style |= WS_CLIPCHILDREN;
    params.WndParent = Application->Handle();
    params.WindowClass.style = CS_DBLCLKS;
    bool dialogLike = false;
    switch (borderStyle_) {
    case bsNone:
        params.Style |= WS_POPUP;
        break;
    case bsSingle:
        params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION | WS_BORDER;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        dialogLike = true;
        break;
    case bsSizeable:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        dialogLike = true;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        dialogLike = true;
        break;
    }
    if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (!dialogLike) {
            if (borderIcons_.Contains(biMinimize))
                params.Style |= WS_MINIMIZEBOX;
            if (borderIcons_.Contains(biMaximize))
                params.Style |= WS_MAXIMIZEBOX;
        }
        bool noMinMax = dialogLike || !(borderIcons_.Contains(biMinimize) ||
                                        borderIcons_.Contains(biMaximize));
        if (borderIcons_.Contains(biHelp) && noMinMax)
            params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    if (formStyle_ == fsMDIChild) {
        TCustomForm* frame = Application->MainForm();
        if (!frame || frame == this || !frame->ClientHandle())
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
        params.ExStyle |= WS_EX_MDICHILD;
        params.WndParent = frame->ClientHandle();
    }
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    if (formStyle_ == fsMDIForm) {
        CLIENTCREATESTRUCT client{nullptr, 0xFF00};
        const RECT area = ClientRect();
        clientHandle_ = CreateWindowExA(
            WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0,
            0, area.right, area.bottom, Handle(), nullptr, GetModuleHandleA(nullptr), &client);
        Realign();
    }
    IconChanged();
    if (visible_)  // a re-created window shows again
        ShowWindow(Handle(), SW_SHOWNORMAL);
}

void TCustomForm::SetClientWidth(int value)
{
    if (ComponentState().Contains(csReading))
        readClientWidth_ = value;
    TWinControl::SetClientWidth(value);
}

void TCustomForm::SetClientHeight(int value)
{
    if (ComponentState().Contains(csReading))
        readClientHeight_ = value;
    TWinControl::SetClientHeight(value);
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    if (const int width = std::exchange(readClientWidth_, 0); width > 0)
        TWinControl::SetClientWidth(width);
    if (const int height = std::exchange(readClientHeight_, 0); height > 0)
        TWinControl::SetClientHeight(height);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (value == formStyle_)
        return;
    formStyle_ = value;
    RecreateWnd();
}

void TCustomForm::DestroyWnd()
{
    // The client window goes with the frame's.
    clientHandle_ = nullptr;
    TWinControl::DestroyWnd();
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!clientHandle_)
        return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(active));
}

void TCustomForm::DefaultHandler(TMessage& message)
{
    if (!HandleAllocated()) {
        TWinControl::DefaultHandler(message);
        return;
    }
    // The frame's own sizing would cover the aligned controls with the
    // client window; AlignControls places it instead.
    if (clientHandle_ && message.Msg != WM_SIZE)
        message.Result = DefFrameProcA(Handle(), clientHandle_, message.Msg, message.WParam,
                                       message.LParam);
    else if (formStyle_ == fsMDIChild)
        message.Result = DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
    else
        TWinControl::DefaultHandler(message);
}

void TCustomForm::AlignControls(TControl* control, RECT& rect)
{
    TWinControl::AlignControls(control, rect);
    if (clientHandle_)
        MoveWindow(clientHandle_, rect.left, rect.top, std::max(0L, rect.right - rect.left),
                   std::max(0L, rect.bottom - rect.top), TRUE);
}

void TCustomForm::IconChanged()
{
    if (HandleAllocated())
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle()));
}

TWindowState TCustomForm::WindowState() const
{
    if (!const_cast<TCustomForm*>(this)->HandleAllocated())
        return windowState_;
    HWND window = const_cast<TCustomForm*>(this)->Handle();
    if (IsIconic(window))
        return wsMinimized;
    if (IsZoomed(window))
        return wsMaximized;
    return IsWindowVisible(window) ? wsNormal : windowState_;
}

void TCustomForm::SetWindowState(TWindowState value)
{
    windowState_ = value;
    if (!HandleAllocated() || !visible_)
        return;
    static const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(Handle(), commands[value]);
}

void TCustomForm::ApplyPosition()
{
    int x = left_, y = top_;
    switch (position_) {
    case poScreenCenter:
        x = (Screen->Width() - width_) / 2;
        y = (Screen->Height() - height_) / 2;
        break;
    case poDesktopCenter:
        x = Screen->DesktopLeft() + (Screen->DesktopWidth() - width_) / 2;
        y = Screen->DesktopTop() + (Screen->DesktopHeight() - height_) / 2;
        break;
    case poMainFormCenter: {
        TCustomForm* main = Application->MainForm();
        if (main && main != this) {
            x = main->Left() + (main->Width() - width_) / 2;
            y = main->Top() + (main->Height() - height_) / 2;
        } else {
            x = (Screen->Width() - width_) / 2;
            y = (Screen->Height() - height_) / 2;
        }
        break;
    }
    default:
        return;
    }
    SetBounds(x, y, width_, height_);
}

void TCustomForm::SetVisible(bool value)
{
    if (ComponentState().Contains(csLoading)) {
        visible_ = value;
        return;
    }
    if (value == visible_)
        return;
    if (value) {
        HandleNeeded();
        ApplyPosition();
        DoShow();
        visible_ = true;
        if (!activeControl_)
            activeControl_ = FindNextControl(nullptr, true, true, false);
        static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(Handle(), commands[windowState_]);
    } else {
        DoHide();
        visible_ = false;
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
    }
    Perform(CM_VISIBLECHANGED, value);
}

bool TCustomForm::CanFocus() const
{
    return visible_ && enabled_;
}

void TCustomForm::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FocusWindow(activeControl_ ? activeControl_ : this);
}

void TCustomForm::FocusWindow(TWinControl* control)
{
    if (HandleAllocated() && IsWindowVisible(Handle()) && control->HandleAllocated())
        ::SetFocus(control->Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_)
        return;
    if (!ComponentState().Contains(csLoading) && control &&
        (control == this || GetParentForm(control) != this || !control->CanFocus()))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (active_ && control)
        FocusWindow(control);
}

void TCustomForm::FocusControl(TWinControl* control)
{
    SetActiveControl(control);
    if (control)
        FocusWindow(control);
}

// Leaving controls hear CM_EXIT from the inside out, entered ones CM_ENTER
// from the outside in; containers of both hear nothing.
void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (ComponentState().Contains(csDestroying) || control == focusedControl_)
        return;
    TWinControl* old = focusedControl_;
    focusedControl_ = control;
    if (control != this)
        activeControl_ = control;
    for (TWinControl* w = old; w && w != this; w = w->Parent()) {
        if (control && w->ContainsControl(control))
            break;
        w->Perform(CM_EXIT);
        if (focusedControl_ != control)
            return;  // an exit handler moved the focus on
    }
    std::vector<TWinControl*> entered;
    for (TWinControl* w = control; w && w != this; w = w->Parent()) {
        if (old && w->ContainsControl(old))
            break;
        entered.push_back(w);
    }
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        (*it)->Perform(CM_ENTER);
        if (focusedControl_ != control)
            return;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::DefocusControl(TWinControl* control)
{
    if (activeControl_ && control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
    if (focusedControl_ && control->ContainsControl(focusedControl_))
        focusedControl_ = nullptr;
}

bool TCustomForm::DialogKey(const TWMKey& key)
{
    return Perform(CM_DIALOGKEY, key.CharCode, key.KeyData) != 0;
}

bool TCustomForm::DialogChar(const TWMKey& key)
{
    return Perform(CM_DIALOGCHAR, key.CharCode, key.KeyData) != 0;
}

bool TCustomForm::IsShortCut(const TWMKey& key)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(key.Message, handled);
    return handled;
}

void TCustomForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_ACTIVATE:
        WMActivate(TWMActivate(message));
        return;
    case WM_SETFOCUS:
        WMSetFocus(message);
        return;
    case WM_SYSCOMMAND:
        WMSysCommand(TWMSysCommand(message));
        return;
    case CM_DIALOGKEY:
        CMDialogKey(TWMKey(message));
        return;
    case CM_RELEASE:
        Free();
        return;
    case CM_VISIBLECHANGED:
        return;  // SetVisible showed or hid the window already
    default:
        TWinControl::Dispatch(message);
    }
}

void TCustomForm::WMActivate(const TWMActivate& activate)
{
    active_ = activate.Active != WA_INACTIVE;
    if (!active_) {
        if (OnDeactivate)
            OnDeactivate(this);
        return;
    }
    Screen->SetActiveForm(this);
    if (!activate.Minimized) {
        TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : this;
        FocusWindow(target);
    }
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::WMSetFocus(TMessage& message)
{
    if (activeControl_ && activeControl_ != this && activeControl_->CanFocus() &&
        activeControl_->HandleAllocated()) {
        ::SetFocus(activeControl_->Handle());
        return;
    }
    TWinControl::Dispatch(message);
}

void TCustomForm::WMSysCommand(const TWMSysCommand& command)
{
    if (command.CmdType == SC_MINIMIZE && Application->MainForm() == this) {
        Application->Minimize();
        return;
    }
    TWinControl::Dispatch(command.Message);
}

// Tab and Shift+Tab move the focus in tab order; the arrow keys move it
// among the controls of the same container, tab stops or not, as within a
// group of radio buttons. The other dialog keys go to the controls, which
// take the ones that are theirs (default button).
void TCustomForm::CMDialogKey(const TWMKey& key)
{
    if (key.CharCode == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        key.Message.Result = 1;
        return;
    }
    const bool arrow = key.CharCode == VK_LEFT || key.CharCode == VK_RIGHT ||
                       key.CharCode == VK_UP || key.CharCode == VK_DOWN;
    if (arrow && activeControl_ && activeControl_->Parent()) {
        const bool forward = key.CharCode == VK_RIGHT || key.CharCode == VK_DOWN;
        activeControl_->Parent()->SelectNext(activeControl_, forward, false);
        CheckRadioReached(activeControl_);
        key.Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(key.Message);
}

// A radio button that an arrow key reaches is checked, as by a click, so
// moving through a group chooses as it goes.
void TCustomForm::CheckRadioReached(TWinControl* control)
{
    if (!control || !control->HandleAllocated() || !control->Focused())
        return;
    HWND window = control->Handle();
    if ((SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
        SendMessageA(window, BM_GETCHECK, 0, 0) != BST_CHECKED)
        SendMessageA(window, BM_CLICK, 0, 0);
}

TModalResult TCustomForm::ShowModal()
{
    if (visible_ || !enabled_ || formState_.Contains(fsModal) || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = GetCapture())
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    formState_.Include(fsModal);
    HWND previousActive = GetActiveWindow();
    std::vector<HWND> disabled = DisableTaskWindows(Handle());
    struct Restore {
        TCustomForm* form;
        std::vector<HWND>& disabled;
        HWND previousActive;
        ~Restore()
        {
            EnableTaskWindows(disabled);
            if (previousActive && IsWindow(previousActive))
                SetActiveWindow(previousActive);
            form->formState_.Exclude(fsModal);
        }
    } restore{this, disabled, previousActive};
    Show();
    modalResult_ = mrNone;
    do {
        Application->HandleMessage();
        if (Application->Terminated())
            modalResult_ = mrCancel;
        else if (modalResult_ != mrNone)
            CloseModal();
    } while (modalResult_ == mrNone);
    TModalResult result = modalResult_;
    Hide();
    return result;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (formState_.Contains(fsModal)) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (formStyle_ == fsMDIChild)
        action = borderIcons_.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TCustomForm::Release()
{
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

TCustomForm* GetParentForm(const TControl* control)
{
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    if (!top || !top->InheritsFrom(TCustomForm::StaticClass()))
        return nullptr;
    return static_cast<TCustomForm*>(const_cast<TControl*>(top));
}

TForm::TForm(TComponent* owner) : TCustomForm(owner)
{
}

void TCustomForm::ReadDescription()
{
    if (HasRcDataResource(ClassName()))
        ReadComponentResource(this);
}
