#include "styling/forms/sktimer.h"

#include <windows.h>

#include <algorithm>

namespace {

// Without a performance counter the tick count stands in, in milliseconds,
// so that an animation still ends.
int64_t ReadCounter(bool counter)
{
    if (!counter)
        return int64_t(GetTickCount64());
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

TSkTimer::TSkTimer()
{
    LARGE_INTEGER frequency;
    counter_ = QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0;
    frequency_ = counter_ ? frequency.QuadPart : 1000;
    const int64_t first = ReadCounter(counter_);
    overhead_ = ReadCounter(counter_) - first;
}

void TSkTimer::Start()
{
    start_ = ReadCounter(counter_);
}

double TSkTimer::ElapsedSeconds()
{
    stop_ = ReadCounter(counter_);
    return double(std::max<int64_t>(stop_ - start_ - overhead_, 0)) / double(frequency_);
}
