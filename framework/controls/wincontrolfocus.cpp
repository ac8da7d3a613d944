// TWinControl: focus, tab order and keys.
#include "framework/controls/wincontrol.h"

#include <algorithm>

namespace {

unsigned KeyShift(LPARAM keyData)
{
    unsigned shift = KeyboardShiftState();
    if (keyData & (1 << 29))
        shift |= 1u << ssAlt;
    return shift;
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

void TWinControl::WMKillFocus(TMessage& message)
{
    DefaultHandler(message);
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

bool TWinControl::DoKeyDown(TMessage& message)
{
    auto key = static_cast<unsigned short>(message.WParam);
    KeyDown(key, KeyShift(message.LParam));
    if (key == 0)
        return true;
    message.WParam = key;
    return false;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    auto key = static_cast<unsigned short>(message.WParam);
    KeyUp(key, KeyShift(message.LParam));
    if (key == 0)
        return true;
    message.WParam = key;
    return false;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    char key = static_cast<char>(message.WParam);
    KeyPress(key);
    if (key == 0)
        return true;
    message.WParam = static_cast<unsigned char>(key);
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
void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 1;
    IFormSite* form = FindFormSite(this);
    if (form && form->IsShortCut(message))
        return;
    if (!ComponentState().Contains(csDesigning)) {
        if (Perform(CM_CHILDKEY, message.WParam, reinterpret_cast<LPARAM>(this)) != 0)
            return;
        LRESULT mask = 0;
        switch (message.WParam) {
        case VK_TAB:
            mask = DLGC_WANTTAB;
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            mask = DLGC_WANTARROWS;
            break;
        case VK_RETURN:
        case VK_EXECUTE:
        case VK_ESCAPE:
        case VK_CANCEL:
            mask = DLGC_WANTALLKEYS;
            break;
        default:
            break;
        }
        if (mask && form && Perform(CM_WANTSPECIALKEY, message.WParam, message.LParam) == 0 &&
            (Perform(WM_GETDLGCODE) & mask) == 0 &&
            form->DialogKey(message.WParam, message.LParam))
            return;
    }
    message.Result = 0;
}

// Characters the control does not want, and every Alt+character, are
// offered to the form as accelerators.
void TWinControl::CNChar(TMessage& message)
{
    message.Result = 1;
    IFormSite* form = FindFormSite(this);
    if (form && !ComponentState().Contains(csDesigning)) {
        bool offer = message.Msg == CN_SYSCHAR || (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0;
        if (offer && form->DialogChar(message.WParam, message.LParam))
            return;
    }
    message.Result = 0;
}
