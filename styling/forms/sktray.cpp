#include "styling/forms/sktray.h"

#include "framework/base/systemprocs.h"

#include <algorithm>
#include <cstring>

namespace {

TSkShellNotifyIconProc ShellCall = nullptr;

const char TrayWindowClass[] = "TSkTrayWindow";

void RegisterTrayWindowClass()
{
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), TrayWindowClass, &wc))
        return;
    wc.lpfnWndProc = DefWindowProcA;  // each window installs its own below
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = TrayWindowClass;
    RegisterClassA(&wc);
}

} // namespace

TSkShellNotifyIconProc SetSkShellNotifyIcon(TSkShellNotifyIconProc proc)
{
    const TSkShellNotifyIconProc previous = ShellCall;
    ShellCall = proc;
    return previous;
}

BOOL SkShellNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    if (ShellCall)
        return ShellCall(message, data);
    // The shell loads with the first icon, not at start-up.
    static const auto shell = SystemProc<TSkShellNotifyIconProc>("shell32.dll", "Shell_NotifyIconA");
    return shell && shell(message, data);
}

TSkTrayIcon::TSkTrayIcon(UINT id)
{
    data_.cbSize = SkTrayRecordSize;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = SK_TRAYNOTIFY;
}

TSkTrayIcon::~TSkTrayIcon()
{
    Remove();
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

// Made when the icon first goes in: every skinned form has a tray icon,
// the popup menus' windows among them, and few ever show it.
void TSkTrayIcon::CreateWindowOnce()
{
    if (window_)
        return;
    RegisterTrayWindowClass();
    // A hidden top-level window: the shell posts to it, nobody sees it.
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, TrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    }
    data_.hWnd = window_;
}

void TSkTrayIcon::Add(const std::string& tip)
{
    CreateWindowOnce();
    // The record's first layout holds 64 bytes of tip, whatever the header's
    // record holds.
    const size_t length = std::min<size_t>(tip.size(), 63);
    std::memcpy(data_.szTip, tip.data(), length);
    data_.szTip[length] = '\0';
    // Again at once when the shell has it already: a second add would fail.
    if (shown_)
        Remove();
    shown_ = SkShellNotifyIcon(NIM_ADD, &data_) != FALSE;
}

void TSkTrayIcon::Remove()
{
    if (!shown_)
        return;
    SkShellNotifyIcon(NIM_DELETE, &data_);
    shown_ = false;
}

void TSkTrayIcon::SetIcon(HICON icon)
{
    data_.hIcon = icon;
    // The shell knows only icons it has.
    if (shown_)
        SkShellNotifyIcon(NIM_MODIFY, &data_);
}

LRESULT CALLBACK TSkTrayIcon::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* icon = reinterpret_cast<TSkTrayIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return icon ? icon->Message(msg, wParam, lParam) : DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT TSkTrayIcon::Message(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case SK_TRAYNOTIFY:
        if (lParam == WM_LBUTTONDBLCLK && OnRestore)
            OnRestore();
        else if (lParam == WM_RBUTTONUP && OnMenu)
            OnMenu();
        return 0;
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        // Only when the session really ends: a cancelled shutdown leaves a
        // hidden form that the icon is the only way back to.
        if (wParam)
            Remove();
        return 0;
    default:
        return DefWindowProcA(window_, msg, wParam, lParam);
    }
}
