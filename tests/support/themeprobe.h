// A look drawn into a real device context and read back: a paper colour no
// look uses, a channel shift as the looks lighten and darken, and pixel
// reads and counts. The fixture takes the look's class.
#pragma once

#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>

constexpr COLORREF Paper = RGB(1, 2, 3);

// Each channel moved by n and clamped.
inline COLORREF Moved(COLORREF c, int n)
{
    auto ch = [n](int v) { return std::clamp(v + n, 0, 255); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

template <typename TTheme>
class ThemeProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(Paper);
        canvas.SetHandle(dib.DC());
    }
    void TearDown() override { canvas.SetHandle(nullptr); }
    COLORREF At(int x, int y) const { return dib.At(x, y); }
    COLORREF Color(uint8_t kind) const { return COLORREF(theme.GetColor(kind)); }
    int Count(const TRect& r, COLORREF color) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == color;
        return n;
    }

    TSkControlsUnit unit;
    TTheme theme;
    TestDib dib{120, 80};
    TCanvas canvas;
};
