// The skinned form and its menu bar: shortcuts and the Alt key go to the bar
// first, and a maximized MDI child shows its icon and buttons in the bar of
// its parent.
#include "styling/forms/skcustomform.h"

#include "framework/base/messages.h"
#include "framework/forms/form.h"
#include "styling/forms/skformstates.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skmenubar.h"

void TSkCustomForm::SetMenuBar(TSkCustomMenuBar* value)
{
    if (value == menuBar_)
        return;
    if (menuBar_)
        menuBar_->RemoveFreeNotification(this);
    menuBar_ = value;
    if (menuBar_)
        menuBar_->FreeNotification(this);
}

void TSkCustomForm::SetWindowMenu(TSkCustomItem* value)
{
    if (value == windowMenu_)
        return;
    if (windowMenu_)
        windowMenu_->RemoveFreeNotification(this);
    windowMenu_ = value;
    if (windowMenu_)
        windowMenu_->FreeNotification(this);
}

// The bar is asked before whatever handler the form had, which still runs
// for keys the bar does not take; it comes back when this component goes.
void TSkCustomForm::InstallShortCutHandler()
{
    auto* form = Form();
    if (!form || shortCutInstalled_)
        return;
    savedShortCut_ = form->OnShortCut;
    form->OnShortCut = [this](TMessage& message, bool& handled) {
        if (menuBar_ && menuBar_->TakeShortCut(TWMKey(message))) {
            handled = true;
            return;
        }
        if (savedShortCut_)
            savedShortCut_(message, handled);
    };
    shortCutInstalled_ = true;
}

void TSkCustomForm::RemoveShortCutHandler()
{
    if (!shortCutInstalled_)
        return;
    if (auto* form = Form())
        form->OnShortCut = savedShortCut_;
    savedShortCut_ = nullptr;
    shortCutInstalled_ = false;
}

// Alt+Space stays the system menu's; Alt+'-' is an MDI child's system menu
// in the system's own handling. The system's keyboard menu loop is not run
// besides the bar's: it would take the keys from it.
bool TSkCustomForm::KeyMenuToBar(TMessage& message)
{
    const auto ch = static_cast<wchar_t>(message.LParam);
    if (!menuBar_ || ch == L' ' || ch == L'-' || GetCapture() || !menuBar_->HandleAllocated())
        return false;
    PostMessageA(menuBar_->Handle(), WM_CHAR, WPARAM(ch), 0);
    message.Result = 1;
    SetHandled();
    return true;
}

TSkCustomMenuBar* TSkCustomForm::ParentMenuBar() const
{
    auto* form = Form();
    if (!form || form->FormStyle() != fsMDIChild || !form->HandleAllocated())
        return nullptr;
    HWND client = GetParent(form->Handle());
    auto* parent = dynamic_cast<TCustomForm*>(TWinControl::FindControl(GetParent(client)));
    if (!parent)
        return nullptr;
    for (int i = 0; i < parent->ComponentCount(); ++i)
        if (auto* skin = dynamic_cast<TSkCustomForm*>(parent->Components(i)); skin && skin->menuBar_)
            return skin->menuBar_;
    return nullptr;
}

void TSkCustomForm::SyncParentMenuBar()
{
    if (IsMDIChild() && WindowHandle())
        SyncParentMenuBar(reinterpret_cast<HWND>(
            SendMessageA(GetParent(WindowHandle()), WM_MDIGETACTIVE, 0, 0)));
}

void TSkCustomForm::SyncParentMenuBar(HWND activeChild)
{
    TSkCustomMenuBar* bar = ParentMenuBar();
    if (!bar)
        return;
    const bool active = activeChild && activeChild == WindowHandle();
    if (active && windowState_ == kwsMaximized) {
        bar->MergeChild(this);
        return;
    }
    // The parent shows its children maximized: the child picked now takes
    // the maximized place, as the system's own MDI children do.
    if (active && bar->MergedChild() && bar->MergedChild() != this)
        PostMessageA(WindowHandle(), SK_MAXIMIZE, 0, 0);
    // Left for another child, the buttons stay until that one takes them.
    const bool leftForAnother = !active && activeChild;
    if (bar->MergedChild() == this && !leftForAnother)
        bar->MergeChild(nullptr);
}

// The active child, maximized, keeps filling the client window.
void TSkCustomForm::FitMaximizedChild()
{
    auto* form = Form();
    if (!form || form->FormStyle() != fsMDIForm || !form->HandleAllocated())
        return;
    HWND client = FindWindowExA(form->Handle(), nullptr, "MDICLIENT", nullptr);
    if (!client)
        return;
    auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    auto* child = dynamic_cast<TCustomForm*>(TWinControl::FindControl(active));
    if (!child)
        return;
    for (int i = 0; i < child->ComponentCount(); ++i) {
        auto* skin = dynamic_cast<TSkCustomForm*>(child->Components(i));
        if (skin && skin->windowState_ == kwsMaximized) {
            TRect r{};
            skin->GetMaximizedRect(r);
            child->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
            return;
        }
    }
}

bool TSkCustomForm::HandleMDIMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_MDIACTIVATE:
        SyncParentMenuBar(reinterpret_cast<HWND>(message.LParam));
        return true;
    case WM_SIZE:
        if (IsMDIChild())
            SyncParentMenuBar();
        return true;
    case WM_WINDOWPOSCHANGED:
        // After the frame's own handling has moved its client window.
        if (!(reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE))
            FitMaximizedChild();
        return false;
    default:
        return false;
    }
}
