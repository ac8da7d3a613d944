#include "framework/components/timer.h"

#include <utility>

FW_IMPLEMENT_CLASS(TTimer, TComponent)

namespace {

const char TimerWindowClass[] = "TTimerWindow";
const UINT_PTR TimerId = 1;

TTimer::TExceptionHandler& ExceptionHandler()
{
    static TTimer::TExceptionHandler handler;
    return handler;
}

void RegisterTimerClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = TimerWindowClass;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the timer window class");
    registered = true;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    RegisterTimerClass();
    // A message-only window: it never shows and takes no part in
    // enumeration, but receives WM_TIMER on this thread.
    window_ = CreateWindowExA(0, TimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        throw Exception("Cannot create the timer window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTimer::WindowProc));
}

TTimer::~TTimer()
{
    if (running_)
        KillTimer(window_, TimerId);
    running_ = false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TTimer::SetExceptionHandler(TExceptionHandler handler)
{
    ExceptionHandler() = std::move(handler);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (running_) {
        KillTimer(window_, TimerId);
        running_ = false;
    }
    if (enabled_ && interval_ > 0 && onTimer_) {
        if (!SetTimer(window_, TimerId, interval_, nullptr))
            throw Exception("Not enough timers available");
        running_ = true;
    }
}

void TTimer::Timer()
{
    if (onTimer_)
        onTimer_(this);
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_TIMER && timer && wParam == TimerId) {
        // A tick already queued when the timer was stopped is dropped.
        if (!timer->running_)
            return 0;
        try {
            timer->Timer();
        } catch (const std::exception& e) {
            if (ExceptionHandler())
                ExceptionHandler()(e);
            else
                MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
