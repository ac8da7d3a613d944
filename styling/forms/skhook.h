// TSkHook: a component that sees every message of a window before and after
// the window's own procedure, without the window's class knowing about it.
// Hooks on one window share a TControlHook, which subclasses the window while
// at least one hook is attached; THookList keeps the control hooks of the
// process and a hidden window for requests that must wait until the current
// message is over (hooking a re-created window, freeing an unused control
// hook).
#pragma once

#include "framework/base/messages.h"
#include "framework/components/component.h"
#include "styling/core/skversion.h"

#include <windows.h>

#include <memory>
#include <vector>

class TWinControl;
class TCustomForm;
class TControlHook;

// Posted to the hook list's window with the control hook in lParam.
constexpr UINT SK_REHOOK = 0xB0DE;
constexpr UINT SK_FREEHOOK = 0xB0DF;

class TSkHook : public TComponent, public TSkVersioned {
    FW_DECLARE_CLASS(TSkHook)
public:
    explicit TSkHook(TComponent* owner);
    ~TSkHook() override;
    void BeforeDestruction() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    // The window to hook; the control of the control hook while attached.
    TWinControl* Control() const;
    void SetControl(TWinControl* value);
    TControlHook* ControlHook() const { return controlHook_; }
    // Control when it is a form.
    TCustomForm* Form() const;
    // Control's window, made on demand; 0 without a control.
    HWND Handle() const;

    // Called after the window's procedure ran.
    virtual void AfterMessage(TMessage& message, bool& handled);
    // Called before it: hands the message to HandleMessage with the incoming
    // handled flag and returns what the handlers left.
    virtual void BeforeMessage(TMessage& message, bool& handled);

protected:
    // The message handlers of a descendant, by message number; a handler
    // that consumes its message calls SetHandled.
    virtual void HandleMessage(TMessage&) {}
    void SetHandled() { handled_ = true; }
    bool Handled() const { return handled_; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TControlHook;
    TControlHook* Detach();

    bool active_ = true;
    TWinControl* control_ = nullptr;
    TControlHook* controlHook_ = nullptr;
    bool handled_ = false;
};

class TControlHook {
public:
    TControlHook();
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    void AddHook(TSkHook* hook);
    void RemoveHook(TSkHook* hook);
    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* value);
    const std::vector<TSkHook*>& Hooks() const { return hooks_; }
    // The procedure this object replaced; null while not hooked.
    WNDPROC OldWndProc() const { return oldWndProc_; }
    // What this object installs: the same procedure for every window, which
    // finds its control hook in a table of the hooked windows.
    static WNDPROC NewWndProc();

    void HookControl();
    void UnhookControl();

    // Routes one message of the hooked window through the hooks and the
    // previous procedure.
    void WndProc(HWND window, TMessage& message);

private:
    bool ControlGone() const;
    void Pass(TMessage& message, bool& handled, bool before);

    TWinControl* control_ = nullptr;
    WNDPROC oldWndProc_ = nullptr;
    std::vector<TSkHook*> hooks_;
    bool destroying_ = false;
};

class THookList {
public:
    THookList();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    // The one list of the process; created on first use when create is set.
    static THookList* Instance(bool create);

    TControlHook* FindControlHook(const TWinControl* control) const;
    TControlHook* GetControlHook(TWinControl* control);
    bool Contains(const TControlHook* hook) const;
    int Count() const { return static_cast<int>(items_.size()); }
    // The hidden window that receives SK_REHOOK and SK_FREEHOOK.
    HWND Window() const { return window_; }

private:
    friend class TControlHook;
    void Remove(TControlHook* hook);
    static LRESULT CALLBACK UtilityProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    std::vector<TControlHook*> items_;
    HWND window_ = nullptr;
};
