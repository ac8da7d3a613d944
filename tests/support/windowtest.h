// Helpers for tests that drive real windows: a 32-bit DIB section to paint
// into and a message pump that runs for a while.
#pragma once

#include "tests/support/dibsection.h"

#include <windows.h>

#include <cstdint>

// A DIB section whose pixels read as 0x00RRGGBB.
class TestDib : public DibSection {
public:
    using DibSection::DibSection;
    uint32_t Pixel(int x, int y) const
    {
        const COLORREF c = At(x, y);
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
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
