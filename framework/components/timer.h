// TTimer: OnTimer every Interval milliseconds while Enabled, delivered as a
// message to a hidden window of the creating thread, so handlers run on the
// GUI thread from its message loop.
#pragma once

#include "framework/components/component.h"
#include "framework/base/events.h"

#include <windows.h>

#include <exception>
#include <functional>

class TTimer : public TComponent {
    FW_DECLARE_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 stops the timer without clearing Enabled.
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    // Without a handler the timer does not run.
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);

    // True while the system timer is set.
    bool Running() const { return running_; }
    HWND WindowHandle() const { return window_; }

    // Where an exception escaping OnTimer goes (it must not unwind through
    // the system's message dispatch). The default shows it in a message box.
    using TExceptionHandler = std::function<void(const std::exception&)>;
    static void SetExceptionHandler(TExceptionHandler handler);

protected:
    virtual void Timer();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    HWND window_ = nullptr;
    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    bool running_ = false;
};
