// Helpers for tests that drive real windows: forms owned by a test, key
// presses, message pumps, window lookups, handle counts and a 32-bit DIB
// section to paint into.
#pragma once

#include "tests/support/dibsection.h"

#include "framework/forms/form.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// A DIB section whose pixels read as 0x00RRGGBB.
class TestDib : public DibSection {
public:
    using DibSection::DibSection;
    uint32_t Pixel(int x, int y) const
    {
        const COLORREF c = At(x, y);
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
};

// 0x00RRGGBB of a COLORREF, to compare with TestDib::Pixel.
inline uint32_t Rgb(COLORREF color)
{
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// Runs the application's messages for about ms milliseconds.
void PumpFor(int ms);
// Runs messages until done() or the time is up; returns done().
template <typename F>
bool PumpUntil(F done, int ms = 2000)
{
    DWORD end = GetTickCount() + ms;
    while (!done() && GetTickCount() < end)
        PumpFor(5);
    return done();
}

// A form freed (the framework's way) when the test lets go of it.
struct FormDeleter {
    void operator()(TCustomForm* form) const { form->Free(); }
};
template <class T = TForm>
using Owned = std::unique_ptr<T, FormDeleter>;
using FormPtr = Owned<TForm>;

// A new form of class T at (40, 40), width x height, not shown.
template <class T = TForm>
Owned<T> NewForm(int width = 300, int height = 200)
{
    Owned<T> form(TCustomForm::Create<T>(nullptr));
    form->SetBounds(40, 40, width, height);
    return form;
}

// A new control of class T on parent at left, top, width x height, owned
// by the parent's owner (the parent itself when it has none).
template <class T>
T* AddControl(TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(parent->Owner() ? parent->Owner() : parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// Shows the form, brings it to the front and waits until it is active.
void ShowAndWait(TCustomForm* form);

// Presses and releases key through the system's input queue, with Shift
// and Alt held when asked, then runs the messages it caused.
void PressKey(WORD key, bool shift = false, bool alt = false);

// The window's rectangle on the screen, and its client rectangle.
inline RECT WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}
inline RECT ClientRectOf(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// The text a window holds, read without the framework.
std::string WindowText(HWND window);

// The first child window (at any depth) whose text is caption, or null.
HWND ChildByCaption(HWND parent, const std::string& caption);

// GDI and USER objects of this process, before and after an action.
struct TGuiCounts {
    DWORD gdi, user;
    bool operator==(const TGuiCounts& other) const { return gdi == other.gdi && user == other.user; }
};
TGuiCounts CurrentGuiCounts();
// Runs action rounds times after one warm-up run and answers how far the
// counts grew over those rounds: {0, 0} when nothing leaks.
TGuiCounts GuiGrowth(const std::function<void()>& action, int rounds = 20);
