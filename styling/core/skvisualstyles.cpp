#include "styling/core/skvisualstyles.h"

#include "framework/base/dcguards.h"

namespace {

using TIsThemeActive = BOOL(WINAPI*)();
using TOpenThemeData = HANDLE(WINAPI*)(HWND, LPCWSTR);
using TCloseThemeData = HRESULT(WINAPI*)(HANDLE);
using TDrawThemeBackground = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
using TGetThemeBackgroundRegion = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, HRGN*);

struct TVisualStyles {
    TIsThemeActive IsThemeActive = nullptr;
    TIsThemeActive IsAppThemed = nullptr;
    TOpenThemeData Open = nullptr;
    TCloseThemeData Close = nullptr;
    TDrawThemeBackground DrawBackground = nullptr;
    TGetThemeBackgroundRegion BackgroundRegion = nullptr;

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
            s.BackgroundRegion =
                Lookup<TGetThemeBackgroundRegion>(module, "GetThemeBackgroundRegion");
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
    const TSkVisualStyle style(window, styleClass);
    return style.Draw(dc, part, state, rect);
}

TSkVisualStyle::TSkVisualStyle(HWND window, const wchar_t* styleClass)
{
    if (SkVisualStylesActive())
        theme_ = Styles().Open(window, styleClass);
}

TSkVisualStyle::~TSkVisualStyle()
{
    if (theme_)
        Styles().Close(theme_);
}

bool TSkVisualStyle::Draw(HDC dc, int part, int state, const RECT& rect) const
{
    if (!theme_ || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    TDCStateGuard saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    return SUCCEEDED(Styles().DrawBackground(theme_, dc, part, state, &rect, nullptr));
}

HRGN TSkVisualStyle::Region(int part, int state, const RECT& rect) const
{
    HRGN region = nullptr;
    if (!theme_ || !Styles().BackgroundRegion ||
        FAILED(Styles().BackgroundRegion(theme_, nullptr, part, state, &rect, &region)))
        return nullptr;
    return region;
}
