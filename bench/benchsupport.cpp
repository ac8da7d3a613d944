#include "bench/benchsupport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

} // namespace

const char* BenchTarget() { return sizeof(void*) == 8 ? "x86_64" : "i686"; }

namespace {

// The time of one call to op, averaged over calls calls.
double TimeCalls(const std::function<void()>& op, int calls)
{
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i)
        op();
    QueryPerformanceCounter(&stop);
    return Seconds(start, stop) / calls;
}

double Median(std::vector<double>& values)
{
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    return values[middle];
}

} // namespace

double MedianSeconds(const std::function<void()>& op, int runs, int calls)
{
    op();
    std::vector<double> times;
    for (int r = 0; r < runs; ++r)
        times.push_back(TimeCalls(op, calls));
    return Median(times);
}

double MedianRatio(const std::function<void()>& op, const std::function<void()>& baseline,
                   int runs, int calls)
{
    op();
    baseline();
    std::vector<double> ratios;
    for (int r = 0; r < runs; ++r) {
        const double base = TimeCalls(baseline, calls);
        ratios.push_back(TimeCalls(op, calls) / base);
    }
    return Median(ratios);
}

double MedianBitBltSeconds(HDC target, int x, int y, int width, int height, HDC source, int runs,
                           int calls)
{
    return MedianSeconds(
        [&] {
            BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
            GdiFlush();
        },
        runs, calls);
}

double MedianWindowBitBltSeconds(HWND window, int width, int height, int runs, int calls)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, picture);
    PatBlt(source, 0, 0, width, height, WHITENESS);
    HDC target = GetWindowDC(window);
    const double seconds =
        MedianBitBltSeconds(target, 0, 0, width, height, source, runs, calls);
    ReleaseDC(window, target);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(picture);
    return seconds;
}

void PrintAgainstBitBlt(const char* what, int nameWidth, double seconds, double baseline,
                        double goal)
{
    std::printf("%-*s %9.2f us   %5.2fx BitBlt", nameWidth, what, seconds * 1e6,
                seconds / baseline);
    if (goal > 0)
        std::printf(" (goal within %.0fx)", goal);
    std::printf("\n");
}
