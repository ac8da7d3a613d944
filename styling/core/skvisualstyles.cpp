#include "styling/core/skvisualstyles.h"

#include "framework/base/dcguards.h"

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

// The style data of one class for one window, closed on the way out.
class TThemeData {
public:
    TThemeData(HWND window, const wchar_t* styleClass) : theme_(Styles().Open(window, styleClass)) {}
    ~TThemeData()
    {
        if (theme_)
            Styles().Close(theme_);
    }
    TThemeData(const TThemeData&) = delete;
    TThemeData& operator=(const TThemeData&) = delete;
    HANDLE Get() const { return theme_; }
    explicit operator bool() const { return theme_ != nullptr; }

private:
    HANDLE theme_;
};

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
    const TThemeData theme(window, styleClass);
    if (!theme)
        return false;
    // Some styles draw past the rectangle they are given: keep them inside.
    TDCStateGuard saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    return SUCCEEDED(Styles().DrawBackground(theme.Get(), dc, part, state, &rect, nullptr));
}
