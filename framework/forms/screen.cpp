#include "framework/forms/screen.h"

#include "framework/controls/controlhooks.h"
#include "framework/forms/form.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TScreen, TComponent)

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner)
{
}

TWinControl* TScreen::ActiveControl() const
{
    return activeForm_ ? activeForm_->ActiveControl() : nullptr;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
int TScreen::DesktopLeft() const { return GetSystemMetrics(SM_XVIRTUALSCREEN); }
int TScreen::DesktopTop() const { return GetSystemMetrics(SM_YVIRTUALSCREEN); }
int TScreen::DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
int TScreen::DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }

void TScreen::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);  // makes the window under the mouse set it again
}

HCURSOR TScreen::Cursors(TCursor cursor) const
{
    return CursorHandle(cursor);
}

void TScreen::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form)
        activeForm_ = nullptr;
}
