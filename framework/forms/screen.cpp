#include "framework/forms/screen.h"

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

// System cursors are shared: loading them creates nothing to free.
HCURSOR TScreen::Cursors(TCursor cursor) const
{
    struct Entry {
        TCursor cursor;
        LPCSTR id;
    };
    static const Entry table[] = {
        {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},
        {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},   {crHourGlass, IDC_WAIT},
        {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
    };
    if (cursor == crNone)
        return nullptr;
    for (const Entry& e : table)
        if (e.cursor == cursor)
            return LoadCursorA(nullptr, e.id);
    return LoadCursorA(nullptr, IDC_ARROW);
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
