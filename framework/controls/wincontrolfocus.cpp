// TWinControl: focus, tab order and keys.
#include "framework/controls/wincontrol.h"

#include <algorithm>

namespace {

unsigned KeyShift(const TWMKey& key)
{
    unsigned shift = KeyboardShiftState();
    if (key.AltDown())
        shift |= 1u << ssAlt;
    return shift;
}

// The dialog code a control answers to keep a dialog key for itself; 0 for
// keys that are no dialog keys.
LRESULT DialogCodeFor(WORD key)
{
    switch (key) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

} // namespace

IFormSite* FindFormSite(const TControl* control)
{
    const TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    return IsWindowed(top) ? static_cast<const TWinControl*>(top)->FormSite() : nullptr;
}

int TWinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// Orders stay consecutive: an order past the end (or negative) means last.
void TWinControl::SetTabOrder(int value)
{
    if (ComponentState().Contains(csLoading)) {
        storedTabOrder_ = value;
        return;
    }
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    int current = TabOrder();
    if (current < 0)
        return;
    int count = static_cast<int>(list.size());
    if (value < 0 || value >= count)
        value = count - 1;
    if (value == current)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + value, this);
}

// The stored orders of children read from a description, closed up.
void TWinControl::FixupTabList()
{
    std::vector<TWinControl*> sorted = tabList_;
    std::stable_sort(sorted.begin(), sorted.end(), [](TWinControl* a, TWinControl* b) {
        if (a->storedTabOrder_ < 0 || b->storedTabOrder_ < 0)
            return a->storedTabOrder_ >= 0 && b->storedTabOrder_ < 0;
        return a->storedTabOrder_ < b->storedTabOrder_;
    });
    tabList_ = sorted;
    for (TWinControl* child : tabList_)
        child->storedTabOrder_ = -1;
}

void TWinControl::SetTabStop(bool value)
{
    if (value == tabStop_)
        return;
    tabStop_ = value;
    UpdateStyleBit(WS_TABSTOP, value);
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::UpdateStyleBit(DWORD bit, bool on)
{
    if (!handle_)
        return;
    LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    style = on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit));
    SetWindowLongPtrA(handle_, GWL_STYLE, style);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward,
                                          bool checkTabStop, bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    int count = static_cast<int>(list.size());
    if (count == 0)
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[i];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
    if (next)
        next->SetFocus();
}

// Every window up to the form (the top one) is visible and enabled.
bool TWinControl::CanFocus() const
{
    if (!FindFormSite(this))
        return false;
    for (const TControl* c = this; c->Parent(); c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus()
{
    if (IFormSite* form = FindFormSite(this))
        form->FocusControl(this);
    else
        ::SetFocus(Handle());
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
    if (IFormSite* form = FindFormSite(this))
        form->SetFocusedControl(this);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// What the key events leave (a key changed by a handler) goes on to the
// window's own handling.
void TWinControl::WMKeyDown(const TWMKey& key)
{
    if (!DoKeyDown(key))
        DefaultHandler(key.Message);
}

void TWinControl::WMKeyUp(const TWMKey& key)
{
    if (!DoKeyUp(key))
        DefaultHandler(key.Message);
}

void TWinControl::WMChar(const TWMKey& key)
{
    if (!DoKeyPress(key))
        DefaultHandler(key.Message);
}

bool TWinControl::DoKeyDown(const TWMKey& key)
{
    unsigned short code = key.CharCode;
    KeyDown(code, KeyShift(key));
    if (code == 0)
        return true;
    key.Message.WParam = code;
    return false;
}

bool TWinControl::DoKeyUp(const TWMKey& key)
{
    unsigned short code = key.CharCode;
    KeyUp(code, KeyShift(key));
    if (code == 0)
        return true;
    key.Message.WParam = code;
    return false;
}

bool TWinControl::DoKeyPress(const TWMKey& key)
{
    char code = static_cast<char>(key.CharCode);
    KeyPress(code);
    if (code == 0)
        return true;
    key.Message.WParam = static_cast<unsigned char>(code);
    return false;
}

void TWinControl::KeyDown(unsigned short& key, unsigned shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(unsigned short& key, unsigned shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

// Keys the control does not want go to the form as dialog keys.
void TWinControl::CNKeyDown(const TWMKey& key)
{
    key.Message.Result = 1;
    IFormSite* form = FindFormSite(this);
    if (form && form->IsShortCut(key))
        return;
    if (!ComponentState().Contains(csDesigning)) {
        if (Perform(CM_CHILDKEY, key.CharCode, reinterpret_cast<LPARAM>(this)) != 0)
            return;
        const LRESULT wanted = DialogCodeFor(key.CharCode);
        if (wanted && form && Perform(CM_WANTSPECIALKEY, key.CharCode, key.KeyData) == 0 &&
            (Perform(WM_GETDLGCODE) & wanted) == 0 && form->DialogKey(key))
            return;
    }
    key.Message.Result = 0;
}

// Characters the control does not want, and every Alt+character, are
// offered to the form as accelerators.
void TWinControl::CNChar(const TWMKey& key)
{
    key.Message.Result = 1;
    IFormSite* form = FindFormSite(this);
    if (form && !ComponentState().Contains(csDesigning)) {
        bool offer =
            key.Message.Msg == CN_SYSCHAR || (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0;
        if (offer && form->DialogChar(key))
            return;
    }
    key.Message.Result = 0;
}
