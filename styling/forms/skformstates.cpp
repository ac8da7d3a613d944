// The skinned form's own window states: maximized to the work area,
// minimized, rolled up to the caption, hidden with an icon in the
// notification area, and the restore logic that remembers where the form
// came from; the built-in system menu that offers them; the hooks into the
// application's minimize and restore events.
//
// The system's SC_MINIMIZE and ours: Minimize of a window without an owner
// asks the system to minimize it by posting SC_MINIMIZE. When that message
// comes back the form is already in kwsMinimized, so the handler leaves it to
// the window alone. An SC_MINIMIZE that the system sends on its own (the
// taskbar, a shortcut) finds the form in another state: the handler runs
// Minimize, which posts nothing, since this very message goes on to minimize
// the window; when Minimize declines (a veto, a modal form) the message is
// swallowed. Either way each SC_MINIMIZE minimizes once and posts at most one
// more, which can post nothing.
#include "styling/forms/skcustomform.h"

#include "framework/base/ansi.h"
#include "framework/controls/popupmenu.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skformstates.h"
#include "styling/forms/sksystemmenu.h"
#include "styling/forms/sktray.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skmenubar.h"
#include "styling/menus/skpopupmenu.h"
#include "styling/menus/skpopupview.h"

#include <algorithm>
#include <vector>

namespace {

// The application's minimize and restore events are shared by every form:
// one pair of handlers serves all forms that asked for them, so that forms
// can go in any order without a chain of saved handlers pointing at a freed
// form. The application's own handlers run after ours and are put back when
// the last form goes.
class TAppStateHooks {
public:
    static TAppStateHooks& Instance()
    {
        static TAppStateHooks hooks;
        return hooks;
    }

    void Add(TSkCustomForm* form)
    {
        if (!Application)
            return;
        if (forms_.empty()) {
            savedMinimize_ = Application->OnMinimize;
            savedRestore_ = Application->OnRestore;
            Application->OnMinimize = [this](TObject* sender) { Minimized(sender); };
            Application->OnRestore = [this](TObject* sender) { Restored(sender); };
        }
        forms_.push_back(form);
    }

    void Remove(TSkCustomForm* form)
    {
        const auto at = std::find(forms_.begin(), forms_.end(), form);
        if (at == forms_.end())
            return;
        forms_.erase(at);
        if (forms_.empty() && Application) {
            Application->OnMinimize = savedMinimize_;
            Application->OnRestore = savedRestore_;
            savedMinimize_ = nullptr;
            savedRestore_ = nullptr;
        }
    }

    // A form undoing its own minimization restores the application without
    // being told about it again.
    struct TMute {
        TMute() : was_(Instance().muted_) { Instance().muted_ = true; }
        ~TMute() { Instance().muted_ = was_; }
        bool was_;
    };

private:
    // Each handler is out of the way while it runs: an action that
    // minimizes or restores the application does not come back here.
    void Minimized(TObject* sender)
    {
        if (!muted_) {
            TMute mute;
            for (TSkCustomForm* form : std::vector<TSkCustomForm*>(forms_))
                if (Contains(form) && form->WindowState() != kwsMinimized &&
                    form->WindowState() != kwsTray)
                    form->Minimize();
        }
        if (savedMinimize_)
            savedMinimize_(sender);
    }

    void Restored(TObject* sender)
    {
        if (!muted_) {
            TMute mute;
            for (TSkCustomForm* form : std::vector<TSkCustomForm*>(forms_))
                if (Contains(form) && form->WindowState() == kwsMinimized) {
                    form->Restore();
                    form->PaintFrame();
                }
        }
        if (savedRestore_)
            savedRestore_(sender);
    }

    bool Contains(TSkCustomForm* form) const
    {
        return std::find(forms_.begin(), forms_.end(), form) != forms_.end();
    }

    std::vector<TSkCustomForm*> forms_;
    TNotifyEvent savedMinimize_, savedRestore_;
    bool muted_ = false;
};

bool Allowed(const TSkFormActionEvent& event, TObject* sender)
{
    bool allow = true;
    if (event)
        event(sender, allow);
    return allow;
}

HICON ApplicationIcon()
{
    HICON icon = nullptr;
    if (Application)
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(Application->Handle(), GCLP_HICON));
    return icon ? icon : SkDefaultIcon();
}

} // namespace

// Every action starts by dropping the hot part, so that no button stays
// highlighted, and ends by clearing the mark of a stored state being applied.
struct TSkStateAction {
    explicit TSkStateAction(int& hot, bool& applying) : applying_(applying) { hot = kfpNoHot; }
    ~TSkStateAction() { applying_ = false; }
    bool& applying_;
};

bool TSkCustomForm::IsModal() const
{
    auto* form = Form();
    return form && form->FormState().Contains(fsModal);
}

bool TSkCustomForm::IsMDIChild() const
{
    auto* form = Form();
    return form && form->FormStyle() == fsMDIChild;
}

void TSkCustomForm::SaveNormalBounds(bool evenWhileApplying)
{
    if (applyingState_ && !evenWhileApplying)
        return;
    normalBounds_ = FormBounds();
}

void TSkCustomForm::SetFormBounds(const TRect& rect)
{
    auto* form = Form();
    if (!form || IsRectEmpty(&rect))
        return;
    form->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    PaintPendingMessages();
}

void TSkCustomForm::NormalGeometry()
{
    windowState_ = kwsNormal;
    SetFormBounds(normalBounds_);
}

// Back to maximized or rolled up when that is where the form came from,
// else to its normal geometry.
void TSkCustomForm::ReturnToPreviousState()
{
    if (prevWindowState_ != kwsMaximized && prevWindowState_ != kwsRollup) {
        NormalGeometry();
        return;
    }
    if (prevWindowState_ == kwsMaximized)
        Maximize();
    else
        Rollup();
    prevWindowState_ = kwsNormal;
}

void TSkCustomForm::Maximize()
{
    TSkStateAction action(hotPart_, applyingState_);
    auto* form = Form();
    if (!form || !Allowed(OnMaximize, this))
        return;
    if (windowState_ == kwsMaximized) {
        Restore();
        return;
    }
    prevWindowState_ = windowState_;
    // Coming back from the tray the bounds are those of the state before
    // it, which the tray saved already when that was the normal one.
    if (prevWindowState_ != kwsRollup && prevWindowState_ != kwsMinimized &&
        prevWindowState_ != kwsTray)
        SaveNormalBounds();
    windowState_ = kwsMaximized;
    TRect r{};
    GetMaximizedRect(r);
    SetFormBounds(r);
    form->Invalidate();
    PaintFrame();
    if (IsMDIChild())
        UpdateFrame();
}

void TSkCustomForm::Minimize()
{
    TSkStateAction action(hotPart_, applyingState_);
    auto* form = Form();
    if (!form || IsModal() || !Allowed(OnMinimize, this))
        return;
    if (windowState_ == kwsMinimized) {
        Restore();
        return;
    }
    prevWindowState_ = windowState_;
    windowState_ = kwsMinimized;
    if (prevWindowState_ != kwsRollup && prevWindowState_ != kwsMaximized &&
        prevWindowState_ != kwsTray)
        SaveNormalBounds();
    HWND window = WindowHandle();
    if (window && !GetWindow(window, GW_OWNER)) {
        if (!systemMinimize_)
            PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (!minimizeApplication_) {
        TRect r{};
        GetMinimizedRect(r);
        SetFormBounds(r);
    } else if (Application) {
        Application->Minimize();
    }
}

void TSkCustomForm::Rollup()
{
    TSkStateAction action(hotPart_, applyingState_);
    if (!Form() || !Allowed(OnRollup, this))
        return;
    if (windowState_ == kwsRollup) {
        Restore();
        return;
    }
    prevWindowState_ = windowState_;
    windowState_ = kwsRollup;
    // A stored roll-up is applied in place, so its bounds are the real ones.
    if (prevWindowState_ != kwsMinimized && prevWindowState_ != kwsMaximized &&
        prevWindowState_ != kwsTray)
        SaveNormalBounds(true);
    TRect r{};
    GetRollupRect(r);
    SetFormBounds(r);
}

void TSkCustomForm::MinimizeToTray()
{
    TSkStateAction action(hotPart_, applyingState_);
    auto* form = Form();
    HWND window = WindowHandle();
    if (!form || !window || !tray_ || IsModal() || !Allowed(OnMinToTray, this))
        return;
    if (windowState_ == kwsTray) {
        Restore();
        return;
    }
    prevWindowState_ = windowState_;
    windowState_ = kwsTray;
    if (prevWindowState_ == kwsNormal)
        SaveNormalBounds();
    std::string tip;
    if (!minimizeApplication_ || !Application) {
        tip = WideToAnsi(caption_);
    } else {
        tip = Application->Title();
        TAppStateHooks::TMute mute;
        Application->Minimize();
        ShowWindow(Application->Handle(), SW_HIDE);
    }
    ShowWindow(window, SW_HIDE);
    tray_->Add(tip);
}

void TSkCustomForm::BringBackFromMinimized()
{
    HWND window = WindowHandle();
    if (window && IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    if (minimizeApplication_ && Application && IsIconic(Application->Handle())) {
        TAppStateHooks::TMute mute;
        Application->Restore();
    }
}

void TSkCustomForm::Restore()
{
    TSkStateAction action(hotPart_, applyingState_);
    auto* form = Form();
    if (!form)
        return;
    switch (windowState_) {
    case kwsNormal:
        SetFormBounds(normalBounds_);
        break;
    case kwsMaximized:
        if (prevWindowState_ == kwsRollup) {
            NormalGeometry();
            Rollup();
        } else if (prevWindowState_ == kwsMinimized) {
            NormalGeometry();
            if (!minimizeApplication_)
                Maximize();
        } else {
            prevWindowState_ = kwsMaximized;
            NormalGeometry();
            if (shadow_->Enabled()) {
                form->Invalidate();
                PaintFrame();
            }
            if (IsMDIChild())
                UpdateFrame();
        }
        break;
    case kwsMinimized:
        BringBackFromMinimized();
        ReturnToPreviousState();
        break;
    case kwsRollup: {
        TRect maximized{};
        GetMaximizedRect(maximized);
        if (form->Width() == maximized.right - maximized.left ||
            prevWindowState_ == kwsMaximized) {
            Maximize();
            prevWindowState_ = kwsNormal;
        } else {
            // The rolled-up form may have been moved: it unrolls where it is.
            const TRect now = FormBounds();
            OffsetRect(&normalBounds_, now.left - normalBounds_.left, now.top - normalBounds_.top);
            NormalGeometry();
        }
        break;
    }
    case kwsTray:
        if (minimizeApplication_ && Application) {
            TAppStateHooks::TMute mute;
            Application->Restore();
            ShowWindow(Application->Handle(), SW_SHOWNA);
        }
        if (HWND window = WindowHandle())
            ShowWindow(window, SW_RESTORE);
        if (tray_)
            tray_->Remove();
        ReturnToPreviousState();
        break;
    }
}

void TSkCustomForm::Close()
{
    TSkStateAction action(hotPart_, applyingState_);
    auto* form = Form();
    if (!form || !Allowed(OnClose, this))
        return;
    if (IsModal()) {
        form->SetModalResult(mrCancel);
        return;
    }
    if (!form->CloseQuery())
        return;
    TCloseAction closeAction = caHide;
    if (IsMDIChild())
        closeAction = borderIcons_.Contains(kbiMinimize) ? caMinimize : caNone;
    if (form->OnClose)
        form->OnClose(form, closeAction);
    if (closeAction == caNone)
        return;
    if (Application && Application->MainForm() == form) {
        Application->Terminate();
        return;
    }
    switch (closeAction) {
    case caMinimize: Minimize(); break;
    case caFree:
        form->Hide();
        form->Release();
        break;
    default: form->Hide(); break;
    }
}

void TSkCustomForm::SetWindowState(TSkWindowState value)
{
    if (ComponentState().Contains(csDesigning)) {
        windowState_ = value;
        return;
    }
    if (ComponentState().Contains(csLoading)) {
        pendingState_ = value;
        return;
    }
    // The actions toggle: asking for the state the form is in changes nothing.
    if (value == windowState_)
        return;
    switch (value) {
    case kwsNormal: Restore(); break;
    case kwsMaximized: Maximize(); break;
    case kwsMinimized: Minimize(); break;
    case kwsRollup: Rollup(); break;
    case kwsTray: MinimizeToTray(); break;
    }
}

// Geometry of the states

void TSkCustomForm::GetRollupRect(TRect& rect)
{
    TRect client{};
    GetClientBounds(client);
    const TRect bounds = FormBounds();
    rect = {bounds.left, bounds.top, bounds.right,
            bounds.top + client.top + frameHeight_ - client.bottom};
}

void TSkCustomForm::GetMinimizedRect(TRect& rect)
{
    TRect rolled{};
    GetRollupRect(rolled);
    const int height = rolled.bottom - rolled.top;
    HWND window = WindowHandle();
    RECT area{};
    if (window && IsMDIChild())
        GetClientRect(GetParent(window), &area);
    else
        area = window ? GetMonitorAreaOfWindow(window, true) : GetWorkArea();
    rect = {0, area.bottom - height, GetSystemMetrics(SM_CXMINIMIZED), area.bottom};
}

// Loading

void TSkCustomForm::ApplyPendingState()
{
    auto* form = Form();
    HWND window = WindowHandle();
    const TSkWindowState state = pendingState_;
    pendingState_ = kwsNormal;
    if (state == kwsNormal || !form || !window)
        return;
    applyingState_ = true;
    if (state != kwsRollup) {
        // Out of sight until the state is there, so that the form does not
        // show at its normal place first.
        SaveNormalBounds(true);
        parked_ = true;
        form->SetBounds(0, GetSystemMetrics(SM_CYSCREEN), form->Width(), form->Height());
        form->SetVisible(true);
    }
    PostMessageA(window, SK_APPLYSTATE, state, 0);
}

void TSkCustomForm::ApplyLoadedState(TSkWindowState state)
{
    applyingState_ = true;
    switch (state) {
    case kwsMaximized: Maximize(); break;
    case kwsMinimized: Minimize(); break;
    case kwsRollup: Rollup(); break;
    case kwsTray: MinimizeToTray(); break;
    default: break;
    }
    applyingState_ = false;
    // Declined (a veto, a modal form): the form comes back from below the
    // screen rather than stay there.
    if (parked_ && windowState_ == kwsNormal)
        SetFormBounds(normalBounds_);
    parked_ = false;
}

// Messages

bool TSkCustomForm::HandleStateMessage(TMessage& message)
{
    switch (message.Msg) {
    case SK_MAXIMIZE:
        Maximize();
        break;
    case SK_APPLYSTATE:
        if (message.WParam <= kwsTray)
            ApplyLoadedState(static_cast<TSkWindowState>(message.WParam));
        break;
    case WM_ACTIVATE:
        // Minimized behind our back (the application went): follow, unless
        // the form knows already.
        if (LOWORD(message.WParam) == WA_INACTIVE && HIWORD(message.WParam) &&
            windowState_ != kwsMinimized && windowState_ != kwsTray)
            Minimize();
        return true;  // not handled: the form's own activation runs
    default:
        return false;
    }
    message.Result = 0;
    SetHandled();
    return true;
}

void TSkCustomForm::WMSysCommand(TMessage& message)
{
    switch (message.WParam & 0xFFF0) {
    case SC_KEYMENU:
        if (message.LParam == ' ')
            ShowSystemMenu();
        else
            KeyMenuToBar(message);
        break;
    case SC_MOUSEMENU:
        ShowSystemMenu();
        break;
    case SC_RESTORE:
        if (windowState_ != kwsNormal)
            Restore();
        break;
    case SC_MINIMIZE:
        if (windowState_ != kwsMinimized) {
            systemMinimize_ = true;
            Minimize();
            systemMinimize_ = false;
            // Declined: the system must not minimize the window either.
            if (windowState_ != kwsMinimized) {
                message.Result = 0;
                SetHandled();
            }
        }
        break;
    default: break;
    }
}

void TSkCustomForm::InstallApplicationHooks()
{
    if (appHooksInstalled_ || !minimizeApplication_ || ComponentState().Contains(csDesigning))
        return;
    appHooksInstalled_ = true;
    TAppStateHooks::Instance().Add(this);
}

void TSkCustomForm::RemoveApplicationHooks()
{
    if (!appHooksInstalled_)
        return;
    appHooksInstalled_ = false;
    TAppStateHooks::Instance().Remove(this);
}

// The notification area

void TSkCustomForm::PrepareTray()
{
    if (ComponentState().Contains(csDesigning))
        return;
    // The form's address tells its icon from others; the tray window is its
    // own, so on 64-bit Windows the low half is enough.
    tray_.reset(new TSkTrayIcon(static_cast<UINT>(reinterpret_cast<UINT_PTR>(this))));
    tray_->OnRestore = [this] { Restore(); };
    tray_->OnMenu = [this] { ShowSystemMenu(); };
}

void TSkCustomForm::UpdateTrayIcon()
{
    if (!tray_)
        return;
    auto* form = Form();
    HICON icon = form && !form->Icon()->Empty() ? form->Icon()->Handle() : ApplicationIcon();
    tray_->SetIcon(icon);
}

// The system menu

TSkCustomItem* TSkCustomForm::CreateSystemMenuItem(TComponent* owner)
{
    return new TSkCustomItem(owner);
}

void TSkCustomForm::RebuildSystemMenu()
{
    if (!systemMenu_)
        systemMenu_ = CreateSystemMenuItem(this);
    FillSystemMenu(systemMenu_, this, windowState_, borderIcons_);
    for (int i = 0; i < systemMenu_->Count(); ++i) {
        TSkCustomItem* item = systemMenu_->Items(i);
        item->OnClick = [this, item](TObject*) { SystemMenuClick(item); };
    }
}

void TSkCustomForm::SystemMenuClick(TSkCustomItem* item)
{
    switch (SystemMenuCommand(item->Caption())) {
    case kscRestore: Restore(); break;
    case kscMinimize: Minimize(); break;
    case kscMaximize: Maximize(); break;
    case kscRollup: Rollup(); break;
    case kscTray: MinimizeToTray(); break;
    case kscClose: Close(); break;
    default: break;
    }
}

void TSkCustomForm::ShowSystemMenu()
{
    TPoint at = systemMenuPoint_;
    if (windowState_ == kwsTray) {
        GetCursorPos(&at);
    } else if (at.x == 0 && at.y == 0) {
        RECT window{};
        GetWindowRect(WindowHandle(), &window);
        TRect client{};
        GetClientBounds(client);
        at = {window.left + client.left, window.top + client.top};
    }
    if (windowState_ == kwsTray && trayMenuLink_) {
        PopupLinkedMenu(trayMenuLink_, at, trayMenuOptions_.get());
    } else if (windowState_ == kwsTray || !systemMenuLink_) {
        if (!TSkPopupView::OpenViews().empty()) {
            TSkCustomPopupMenu::CloseCurrent();
            Application->ProcessMessages();
        }
        RebuildSystemMenu();
        // The notification area's menu must come to the front to see a
        // click elsewhere end it.
        systemMenu_->SetPopupSettings(systemMenuOptions_.get(), windowState_ == kwsTray,
                                      WindowHandle());
        SkPopupItem(systemMenu_, nullptr, at.x, at.y, RECT{});
    } else {
        PopupLinkedMenu(systemMenuLink_, at, systemMenuOptions_.get());
    }
}

void TSkCustomForm::PopupLinkedMenu(TPopupMenu* menu, TPoint at, TSkPopupMenuOptions* options)
{
    if (auto* library = dynamic_cast<TSkCustomPopupMenu*>(menu)) {
        library->SetPopupMenuOptions(options);
        if (windowState_ == kwsTray)
            library->SetForeground(true);
    }
    menu->Popup(at.x, at.y);
}

void TSkCustomForm::SetSystemMenuLink(TPopupMenu* value)
{
    if (systemMenuLink_)
        systemMenuLink_->RemoveFreeNotification(this);
    systemMenuLink_ = value;
    if (value)
        value->FreeNotification(this);
}

void TSkCustomForm::SetTrayMenuLink(TPopupMenu* value)
{
    if (trayMenuLink_)
        trayMenuLink_->RemoveFreeNotification(this);
    trayMenuLink_ = value;
    if (value)
        value->FreeNotification(this);
}

void TSkCustomForm::Notification(TComponent* component, TOperation operation)
{
    TSkHook::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == systemMenuLink_)
        systemMenuLink_ = nullptr;
    if (component == trayMenuLink_)
        trayMenuLink_ = nullptr;
    if (component == systemMenu_)
        systemMenu_ = nullptr;
    if (component == static_cast<TComponent*>(menuBar_))
        menuBar_ = nullptr;
    if (component == windowMenu_)
        windowMenu_ = nullptr;
}
