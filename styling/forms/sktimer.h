// TSkTimer: the stopwatch of the show animation, on the performance counter.
#pragma once

#include <cstdint>

class TSkTimer {
public:
    // Reads the counter's frequency and measures what two back-to-back reads
    // cost, which every measurement then leaves out.
    TSkTimer();

    void Start();
    // Reads the stop count: seconds since Start, less the reading cost, never
    // below zero.
    double ElapsedSeconds();

    int64_t Frequency() const { return frequency_; }
    int64_t Overhead() const { return overhead_; }
    int64_t StartCount() const { return start_; }
    int64_t StopCount() const { return stop_; }

private:
    int64_t frequency_ = 0;
    int64_t overhead_ = 0;
    int64_t start_ = 0;
    int64_t stop_ = 0;
    bool counter_ = false;  // the performance counter works
};
