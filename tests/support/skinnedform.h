// A form with a skinned frame over a real window, and what its tests ask of
// the window: its rectangles, what a point hits, what it shows.
#pragma once

#include "styling/forms/skcustomform.h"
#include "tests/support/windowtest.h"

#include <functional>

const COLORREF FormBlue = RGB(0, 0, 255);
inline bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

struct SkinnedForm {
    FormPtr form;
    TSkCustomForm* skin;
    HWND Window() const { return form->Handle(); }
    RECT WindowRect() const { return WindowRectOf(Window()); }
    RECT ClientRect() const { return ClientRectOf(Window()); }
    // lParam of a non-client message at a point in window coordinates.
    LPARAM AtWindow(int x, int y) const
    {
        const RECT r = WindowRect();
        return MAKELPARAM(r.left + x, r.top + y);
    }
    // lParam of a client mouse message at a point in window coordinates.
    LPARAM AtClient(int x, int y) const
    {
        POINT p{WindowRect().left + x, WindowRect().top + y};
        ScreenToClient(Window(), &p);
        return MAKELPARAM(p.x, p.y);
    }
    LRESULT HitTest(int x, int y) const
    {
        return SendMessageA(Window(), WM_NCHITTEST, 0, AtWindow(x, y));
    }
    TRect Button(TSkBorderIcon icon) const
    {
        TRect r;
        skin->GetButtonRect(icon, r);
        return r;
    }
    // Where the client area starts, in window coordinates.
    POINT ClientOrigin() const
    {
        POINT p{0, 0};
        ClientToScreen(Window(), &p);
        return {p.x - WindowRect().left, p.y - WindowRect().top};
    }
};

// A blue width x height form skinned by a TSkin, which prepare may set up
// before it attaches.
template <class TSkin = TSkCustomForm>
SkinnedForm NewSkinned(int width = 300, int height = 200, bool show = true,
                       const std::function<void(TSkCustomForm&)>& prepare = nullptr)
{
    SkinnedForm f{NewForm(width, height), nullptr};
    f.form->SetColor(static_cast<TColor>(FormBlue));
    f.form->SetCaption("Skinned");
    f.skin = new TSkin(f.form.get());
    if (prepare)
        prepare(*f.skin);
    f.form->HandleNeeded();
    f.skin->Loaded();
    // Attaching kept the client size the system's frame gave; the tests
    // want the window size.
    f.form->SetBounds(40, 40, width, height);
    if (show)
        ShowAndWait(f.form.get());
    return f;
}

// What the window shows, read back from its own whole-window DC.
inline void ReadWindow(HWND window, TestDib& dib)
{
    HDC dc = GetWindowDC(window);
    BitBlt(dib.DC(), 0, 0, dib.Width(), dib.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}
