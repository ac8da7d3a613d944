// A look drawn into a real device context and read back: a paper colour no
// look uses, a channel shift as the looks lighten and darken, and pixel
// reads and counts. The fixture takes the look's class and the size to draw in.
#pragma once

#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

constexpr COLORREF Paper = RGB(1, 2, 3);

// Each channel moved by n and clamped.
inline COLORREF Moved(COLORREF c, int n)
{
    auto ch = [n](int v) { return std::clamp(v + n, 0, 255); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

inline COLORREF Sys(int index) { return GetSysColor(index); }

// The look's size of each kind given, and every font kind: the look's face,
// the caption's own size (8 for the rest), bold on the captions alone.
inline void ExpectSizesAndFonts(const TSkTheme& look, std::initializer_list<std::pair<uint8_t, int>> sizes,
                                const char* face, int captionSize)
{
    for (const auto& [kind, size] : sizes)
        EXPECT_EQ(look.GetSize(kind), size) << int(kind);
    for (uint8_t k = kfCaption; k <= kfHeaderCaption + 1; ++k)
        EXPECT_TRUE(look.GetFontName(k) == face && look.GetFontSize(k) == (k == kfCaption ? captionSize : 8) &&
                    look.GetFontStyle(k).Contains(fsBold) == (k <= kfToolCaption)) << int(k);
}

template <typename TTheme, int Width = 120, int Height = 80>
class ThemeProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(Paper);
        canvas.SetHandle(dib.DC());
    }
    void TearDown() override { canvas.SetHandle(nullptr); }
    // The paper laid anew, and the canvas to draw on it.
    TCanvas* Fresh()
    {
        dib.Fill(Paper);
        return &canvas;
    }
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
    bool Untouched(const TRect& r) const { return Count(r, Paper) == (r.right - r.left) * (r.bottom - r.top); }

    TSkControlsUnit unit;
    TTheme theme;
    TestDib dib{Width, Height};
    TCanvas canvas;
};
