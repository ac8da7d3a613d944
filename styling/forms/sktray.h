// TSkTrayIcon: a form's icon in the notification area. It owns the record
// handed to the shell and a hidden window that receives the icon's mouse
// messages and the end of the session. The shell call goes through
// SkShellNotifyIcon, which a test can replace to see each record.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

// The icon's callback message, posted by the shell to the tray window.
constexpr UINT SK_TRAYNOTIFY = 0x056C;

// The first layout of the record: the tip holds 63 characters. 88 bytes
// on 32-bit Windows, 104 on 64-bit (the handles are wider and aligned).
constexpr DWORD SkTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;

using TSkShellNotifyIconProc = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAA data);
// Replaces the shell call (null puts Shell_NotifyIconA back); returns the
// one that was in place.
TSkShellNotifyIconProc SetSkShellNotifyIcon(TSkShellNotifyIconProc proc);
BOOL SkShellNotifyIcon(DWORD message, PNOTIFYICONDATAA data);

class TSkTrayIcon {
public:
    // id tells the icons of one window apart; each icon has its own window.
    explicit TSkTrayIcon(UINT id);
    ~TSkTrayIcon();
    TSkTrayIcon(const TSkTrayIcon&) = delete;
    TSkTrayIcon& operator=(const TSkTrayIcon&) = delete;

    // Null until the icon first goes in.
    HWND Window() const { return window_; }
    const NOTIFYICONDATAA& Data() const { return data_; }
    // The icon is in the notification area.
    bool Shown() const { return shown_; }

    // Adds the icon with the tip, cut to what the record holds.
    void Add(const std::string& tip);
    void Remove();
    // Takes the picture and tells the shell (NIM_MODIFY) when it has the icon.
    void SetIcon(HICON icon);

    // Double click on the icon, and the right button released on it.
    std::function<void()> OnRestore;
    std::function<void()> OnMenu;

private:
    void CreateWindowOnce();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);

    NOTIFYICONDATAA data_{};
    HWND window_ = nullptr;
    bool shown_ = false;
};
