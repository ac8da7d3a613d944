// Helpers for tests that drive real windows: a 32-bit DIB section to paint
// into and a message pump that runs for a while.
#pragma once

#include <windows.h>

#include <cstdint>

// A top-down 32-bit DIB section selected into a memory DC.
class TestDib {
public:
    TestDib(int width, int height);
    ~TestDib();
    TestDib(const TestDib&) = delete;
    TestDib& operator=(const TestDib&) = delete;

    HDC DC() const { return dc_; }
    // The pixel as 0x00RRGGBB.
    uint32_t Pixel(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFF; }
    void Fill(COLORREF color);

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_, height_;
};

// 0x00RRGGBB of a COLORREF, to compare with TestDib::Pixel.
inline uint32_t Rgb(COLORREF color)
{
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// Runs the application's messages for about ms milliseconds.
void PumpFor(int ms);
// Runs messages until done() or the time is up; returns done().
template <typename F>
bool PumpUntil(F done, int ms = 2000)
{
    DWORD end = GetTickCount() + ms;
    while (!done() && GetTickCount() < end)
        PumpFor(5);
    return done();
}
