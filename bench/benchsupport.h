// What every benchmark here times with: the performance counter, medians of
// repeated runs (these machines are shared and noisy), and the BitBlt each
// one compares itself against in the same run.
#pragma once

#include <windows.h>

#include <functional>

// The program measured: "x86_64" or "i686", for the heading of a report.
const char* BenchTarget();

// The time of one call to op: the median over runs of runs of calls calls,
// after one call that warms caches and lazily made objects.
double MedianSeconds(const std::function<void()>& op, int runs, int calls);

// The median over runs of op's time against baseline's, each run timing
// calls calls of baseline and then of op: side by side, so that load from
// elsewhere weighs on both alike.
double MedianRatio(const std::function<void()>& op, const std::function<void()>& baseline,
                   int runs, int calls);

// MedianSeconds of one flushed BitBlt of width x height from source to
// target at (x, y).
double MedianBitBltSeconds(HDC target, int x, int y, int width, int height, HDC source, int runs,
                           int calls);

// MedianBitBltSeconds of a width x height 32-bit picture into window's
// whole-window DC at its top-left corner.
double MedianWindowBitBltSeconds(HWND window, int width, int height, int runs, int calls);

// One line: what, padded to nameWidth, its time and its ratio to the
// baseline; a goal above zero is named after them.
void PrintAgainstBitBlt(const char* what, int nameWidth, double seconds, double baseline,
                        double goal = 0);
