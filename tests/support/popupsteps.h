// Steps run one per timer tick inside whatever modal loop is running (a
// popup menu's, a modal form's); once they are over, a watchdog closes any
// popup menu still open, so that a broken loop fails a test instead of
// hanging it.
#pragma once
#include "styling/menus/skpopupmenu.h"

#include <windows.h>

#include <functional>
#include <vector>

class Steps {
public:
    explicit Steps(std::vector<std::function<void()>> steps) : steps_(std::move(steps))
    {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 40, Tick);
    }
    ~Steps()
    {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    Steps(const Steps&) = delete;
    Steps& operator=(const Steps&) = delete;
    bool Finished() const { return next_ >= steps_.size(); }

private:
    static Steps*& Current()
    {
        static Steps* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        Steps* self = Current();
        if (!self)
            return;
        if (self->next_ < self->steps_.size())
            self->steps_[self->next_++]();
        else if (++self->idle_ > 50)
            TSkCustomPopupMenu::CloseCurrent();
    }
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    int idle_ = 0;
    UINT_PTR timer_ = 0;
};
