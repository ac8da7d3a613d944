#include "styling/forms/skhook.h"

#include "framework/components/properties.h"
#include "framework/controls/controlhooks.h"
#include "framework/controls/wincontrol.h"
#include "framework/forms/form.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkHook, TComponent)
FW_PUBLISH(TSkHook)
{
    p.Property("Active", &T::Active, &T::SetActive).Default(true);
    PublishVersion(p);
}

namespace {

// What our procedure needs per window: its control hook and the procedure
// it replaced there. The second outlives the first when another party
// subclassed the window on top of ours: our procedure then stays in that
// party's chain and only forwards. Kept in the process rather than in window
// properties, which cost a round trip to the window server per message.
struct TWindowEntry {
    HWND window;
    TControlHook* hook;
    WNDPROC previous;
};
std::vector<TWindowEntry>& Entries()
{
    static std::vector<TWindowEntry> entries;
    return entries;
}
TWindowEntry* FindEntry(HWND window)
{
    for (TWindowEntry& e : Entries())
        if (e.window == window)
            return &e;
    return nullptr;
}
TWindowEntry& EntryFor(HWND window)
{
    if (TWindowEntry* e = FindEntry(window))
        return *e;
    Entries().push_back({window, nullptr, nullptr});
    return Entries().back();
}
void RemoveEntry(HWND window)
{
    auto& entries = Entries();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const TWindowEntry& e) { return e.window == window; }),
                  entries.end());
}
TControlHook* HookOf(HWND window)
{
    const TWindowEntry* e = FindEntry(window);
    return e ? e->hook : nullptr;
}
WNDPROC PreviousOf(HWND window)
{
    const TWindowEntry* e = FindEntry(window);
    return e ? e->previous : nullptr;
}

const char* const UtilityClass = "TSkHookListWindow";

std::unique_ptr<THookList>& TheList()
{
    static std::unique_ptr<THookList> list;
    return list;
}

bool IsDestroying(const TComponent* component)
{
    return component && component->ComponentState().Contains(csDestroying);
}

WNDPROC CurrentProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

LRESULT CALLBACK HookedWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TControlHook* hook = HookOf(window);
    if (!hook || !hook->OldWndProc()) {
        // Left in another party's chain after we let go: pass through.
        const WNDPROC previous = PreviousOf(window);
        if (msg == WM_NCDESTROY)
            RemoveEntry(window);
        return previous ? CallWindowProcA(previous, window, msg, wParam, lParam)
                        : DefWindowProcA(window, msg, wParam, lParam);
    }
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    hook->WndProc(window, message);
    return message.Result;
}

} // namespace

// TSkHook

TSkHook::TSkHook(TComponent* owner) : TComponent(owner) {}

TSkHook::~TSkHook()
{
    TSkHook::BeforeDestruction();
}

void TSkHook::BeforeDestruction()
{
    SetActive(false);
    SetControl(nullptr);
    TComponent::BeforeDestruction();
}

TWinControl* TSkHook::Control() const
{
    return controlHook_ ? controlHook_->Control() : control_;
}

TCustomForm* TSkHook::Form() const
{
    return dynamic_cast<TCustomForm*>(Control());
}

HWND TSkHook::Handle() const
{
    return control_ ? control_->Handle() : nullptr;
}

TControlHook* TSkHook::Detach()
{
    TControlHook* hook = controlHook_;
    SetActive(false);
    return hook;
}

void TSkHook::SetControl(TWinControl* value)
{
    if (value == Control())
        return;
    const bool wasActive = active_;
    TControlHook* old = Detach();
    if (control_)
        control_->RemoveFreeNotification(this);
    control_ = value;
    if (control_)
        control_->FreeNotification(this);
    // Never freed here: we may be inside a message of that very window.
    THookList* list = THookList::Instance(false);
    if (old && old->Hooks().empty() && list)
        PostMessageA(list->Window(), SK_FREEHOOK, 0, reinterpret_cast<LPARAM>(old));
    if (wasActive)
        SetActive(true);
}

void TSkHook::SetActive(bool value)
{
    if (value == active_)
        return;
    if (value) {
        if (control_ && !ComponentState().Contains(csDestroying))
            THookList::Instance(true)->GetControlHook(control_)->AddHook(this);
    } else if (controlHook_) {
        controlHook_->RemoveHook(this);
    }
    active_ = value;
}

void TSkHook::AfterMessage(TMessage&, bool&) {}

void TSkHook::BeforeMessage(TMessage& message, bool& handled)
{
    handled_ = handled;
    HandleMessage(message);
    handled = handled_;
}

void TSkHook::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == control_)
        SetControl(nullptr);
}

// TControlHook

TControlHook::TControlHook() = default;

TControlHook::~TControlHook()
{
    destroying_ = true;
    if (THookList* list = THookList::Instance(false))
        list->Remove(this);
    while (!hooks_.empty())
        RemoveHook(hooks_.back());
    control_ = nullptr;
}

WNDPROC TControlHook::NewWndProc()
{
    return HookedWndProc;
}

void TControlHook::AddHook(TSkHook* hook)
{
    if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) {
        hooks_.push_back(hook);
        hook->controlHook_ = this;
        SetControl(hook->control_);
    }
    // Also for a hook already listed: puts our procedure back if somebody
    // replaced it.
    HookControl();
}

void TControlHook::RemoveHook(TSkHook* hook)
{
    hook->controlHook_ = nullptr;
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
    if (hooks_.empty())
        UnhookControl();
}

void TControlHook::SetControl(TWinControl* value)
{
    if (value == control_)
        return;
    UnhookControl();
    control_ = value;
    if (!hooks_.empty())
        HookControl();
}

void TControlHook::HookControl()
{
    if (!control_ || destroying_ || IsDestroying(control_) ||
        control_->ComponentState().Contains(csDesigning))
        return;
    HWND window = control_->Handle();
    WNDPROC current = CurrentProc(window);
    TWindowEntry& entry = EntryFor(window);
    // Already ours, or ours below another party that chains on to us: a
    // second copy on top would end up calling itself.
    if (entry.hook == this)
        return;
    if (!entry.hook && entry.previous) {
        // Our procedure is still in the chain where we once let go of it
        // (or on top again, after the other party left): take that place
        // up again rather than stacking a second copy, which would call
        // itself.
        oldWndProc_ = entry.previous;
        entry.hook = this;
        return;
    }
    oldWndProc_ = current;
    entry.hook = this;
    entry.previous = current;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedWndProc));
}

void TControlHook::UnhookControl()
{
    if (control_ && oldWndProc_ && control_->HandleAllocated()) {
        HWND window = control_->Handle();
        TWindowEntry* entry = FindEntry(window);
        if (entry && entry->hook == this) {
            if (CurrentProc(window) == HookedWndProc) {
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
                RemoveEntry(window);
            } else {
                // Another party's chain still calls our procedure, which
                // now only forwards to the previous one.
                entry->hook = nullptr;
            }
        }
    }
    oldWndProc_ = nullptr;
}

bool TControlHook::ControlGone() const
{
    return !control_ || destroying_ || IsDestroying(control_);
}

void TControlHook::Pass(TMessage& message, bool& handled, bool before)
{
    if (hooks_.empty() || ControlGone())
        return;
    // Last attached first. A pass entered already handled still asks the
    // last hook once. The list may change under a handler: index it afresh.
    for (size_t i = hooks_.size(); i-- > 0;) {
        if (i >= hooks_.size())
            continue;
        TSkHook* hook = hooks_[i];
        try {
            if (before)
                hook->BeforeMessage(message, handled);
            else
                hook->AfterMessage(message, handled);
        } catch (...) {
            HandleWindowException(hook);
        }
        if (handled)
            break;
    }
}

void TControlHook::WndProc(HWND window, TMessage& message)
{
    if (!control_)
        return;
    bool handled = false;
    if (message.Msg != WM_QUIT)
        Pass(message, handled, true);
    // WM_DESTROY always reaches the window, handled or not.
    if (!handled || message.Msg == WM_DESTROY) {
        WNDPROC previous = oldWndProc_;
        if (!previous)
            previous = PreviousOf(window);
        message.Result =
            previous ? CallWindowProcA(previous, window, message.Msg, message.WParam, message.LParam)
                     : DefWindowProcA(window, message.Msg, message.WParam, message.LParam);
    }
    Pass(message, handled, false);
    if (message.Msg == WM_DESTROY) {
        UnhookControl();
        // The framework may make the window again (a style change re-creates
        // a form): hook the new one once this message is over.
        THookList* list = THookList::Instance(false);
        if (list && !destroying_ && !IsDestroying(control_))
            PostMessageA(list->Window(), SK_REHOOK, 0, reinterpret_cast<LPARAM>(this));
    }
}

// THookList

THookList::THookList()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, UtilityClass, &wc)) {
        wc.lpfnWndProc = UtilityProc;
        wc.hInstance = instance;
        wc.lpszClassName = UtilityClass;
        RegisterClassA(&wc);
    }
    window_ = CreateWindowExA(0, UtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
}

THookList::~THookList()
{
    while (!items_.empty())
        delete items_.back();
    if (window_)
        DestroyWindow(window_);
}

THookList* THookList::Instance(bool create)
{
    auto& list = TheList();
    if (!list && create)
        list.reset(new THookList);
    return list.get();
}

TControlHook* THookList::FindControlHook(const TWinControl* control) const
{
    if (!control)
        return nullptr;
    for (TControlHook* item : items_)
        if (item->Control() == control)
            return item;
    return nullptr;
}

TControlHook* THookList::GetControlHook(TWinControl* control)
{
    if (TControlHook* found = FindControlHook(control))
        return found;
    auto* hook = new TControlHook;
    items_.push_back(hook);
    hook->SetControl(control);
    return hook;
}

bool THookList::Contains(const TControlHook* hook) const
{
    return std::find(items_.begin(), items_.end(), hook) != items_.end();
}

void THookList::Remove(TControlHook* hook)
{
    items_.erase(std::remove(items_.begin(), items_.end(), hook), items_.end());
}

// Requests carry an object that may be gone by now: act only on listed ones.
LRESULT CALLBACK THookList::UtilityProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    THookList* list = Instance(false);
    auto* hook = reinterpret_cast<TControlHook*>(lParam);
    if ((msg == SK_REHOOK || msg == SK_FREEHOOK) && list && list->Contains(hook)) {
        if (msg == SK_REHOOK) {
            if (!hook->Hooks().empty())
                hook->HookControl();
        } else if (hook->Hooks().empty()) {
            delete hook;
        }
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}
