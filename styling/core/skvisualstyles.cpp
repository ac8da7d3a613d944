#include "styling/core/skvisualstyles.h"

namespace {

using TIsThemeActive = BOOL(WINAPI*)();
using TOpenThemeData = HANDLE(WINAPI*)(HWND, LPCWSTR);
using TCloseThemeData = HRESULT(WINAPI*)(HANDLE);
using TDrawThemeBackground = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);

struct TVisualStyles {
    TIsThemeActive IsThemeActive = nullptr;
    TIsThemeActive IsAppThemed = nullptr;
    TOpenThemeData Open = nullptr;
    TCloseThemeData Close = nullptr;
    TDrawThemeBackground DrawBackground = nullptr;

    bool Complete() const { return IsThemeActive && IsAppThemed && Open && Close && DrawBackground; }
};

template <typename F>
F Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loaded once and kept: the library stays for the life of the process.
const TVisualStyles& Styles()
{
    static const TVisualStyles styles = [] {
        TVisualStyles s;
        if (HMODULE module = LoadLibraryA("uxtheme.dll")) {
            s.IsThemeActive = Lookup<TIsThemeActive>(module, "IsThemeActive");
            s.IsAppThemed = Lookup<TIsThemeActive>(module, "IsAppThemed");
            s.Open = Lookup<TOpenThemeData>(module, "OpenThemeData");
            s.Close = Lookup<TCloseThemeData>(module, "CloseThemeData");
            s.DrawBackground = Lookup<TDrawThemeBackground>(module, "DrawThemeBackground");
        }
        return s;
    }();
    return styles;
}

} // namespace

bool SkVisualStylesActive()
{
    const TVisualStyles& s = Styles();
    return s.Complete() && s.IsThemeActive() && s.IsAppThemed();
}

bool DrawVisualStyle(HWND window, HDC dc, const wchar_t* styleClass, int part, int state,
                     const RECT& rect)
{
    if (!SkVisualStylesActive())
        return false;
    const TVisualStyles& s = Styles();
    HANDLE theme = s.Open(window, styleClass);
    if (!theme)
        return false;
    // Some styles draw past the rectangle they are given: keep them inside.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    const bool drawn = SUCCEEDED(s.DrawBackground(theme, dc, part, state, &rect, nullptr));
    RestoreDC(dc, saved);
    s.Close(theme);
    return drawn;
}
