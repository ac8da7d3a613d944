// Drives a menu's modal loop from inside: the loop takes every message of
// the thread, so the test's steps run from a timer, one per tick.
#pragma once

#include "styling/menus/skpopupmenu.h"

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

// Runs steps one per timer tick while a menu's loop runs; a watchdog closes
// whatever is still open once the steps are over, so a broken loop fails a
// test instead of hanging it.
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

