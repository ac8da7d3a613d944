#include "styling/core/sksystem.h"

#include "styling/core/skbitmap.h"

#include <gtest/gtest.h>

#include <array>

TEST(SkControlsUnit, InitialisationFindsTheOptionalFunctionsAndFinalisationDropsThem)
{
    EXPECT_EQ(SkTransparentBlt(), nullptr);  // before start-up: callers fall back
    {
        TSkControlsUnit unit;
        EXPECT_TRUE(IsWinNT());
        EXPECT_FALSE(IsWin98());
        EXPECT_NE(SkGetScrollBarInfo(), nullptr);
        EXPECT_EQ(SkBtnFaceColor(), ColorToSkColor(clBtnFace));
        EXPECT_EQ(SkWindowColor(), ColorToSkColor(clWindow));
        EXPECT_EQ(SharedBufferSize().cx, GetSystemMetrics(SM_CXSCREEN) + 500);
        EXPECT_EQ(SharedBufferSize().cy, GetSystemMetrics(SM_CYSCREEN) + 500);
        ASSERT_NE(SharedBuffer(), nullptr);
        EXPECT_TRUE(SharedBuffer()->IsEmpty());
        { TSkControlsUnit nested; }  // a second start-up only counts
        EXPECT_NE(SkTransparentBlt(), nullptr);
    }
    EXPECT_EQ(SkTransparentBlt(), nullptr);
    EXPECT_FALSE(IsWinNT());
    EXPECT_EQ(SharedBuffer(), nullptr);
}

TEST(SkCapture, NestedBeginsCaptureOnceAndTheLastEndReleasesOnlyItsOwn)
{
    HWND windows[2];
    for (HWND& w : windows)
        w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr);
    BeginSkCapture(windows[0]);
    BeginSkCapture(windows[1]);  // only counts
    EndSkCapture();
    EXPECT_EQ(GetCapture(), windows[0]);
    EndSkCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EndSkCapture();  // unbalanced: harmless
    BeginSkCapture(windows[0]);
    SetCapture(windows[1]);
    EndSkCapture();
    EXPECT_EQ(GetCapture(), windows[1]);
    ReleaseCapture();
    for (HWND w : windows)
        DestroyWindow(w);
}

TEST(SkSystemQueries, KeyRepeatTimingAndTheWorkAreaOfOneMonitor)
{
    int oldDelay = 0;
    DWORD oldSpeed = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &oldDelay, 0);
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &oldSpeed, 0);
    // Delay steps of 250 ms from 200; 2.3 to 73.6 repeats a second.
    for (const auto& [delay, speed, ms, interval] : {std::array<int, 4>{3, 0, 800, 435},
                                                     std::array<int, 4>{0, 31, 200, 14}}) {
        SystemParametersInfoA(SPI_SETKEYBOARDDELAY, delay, nullptr, 0);
        SystemParametersInfoA(SPI_SETKEYBOARDSPEED, speed, nullptr, 0);
        EXPECT_EQ(KeyRepeatDelay(), ms);
        EXPECT_EQ(KeyRepeatInterval(), interval);
    }
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, oldDelay, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, oldSpeed, nullptr, 0);

    TSkControlsUnit unit;
    RECT desktop{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0));
    EXPECT_FALSE(IsMultiMonitor());
    for (RECT area : {GetWorkArea(), GetWorkAreaOfPoint(POINT{5000, 5000}),
                      GetWorkAreaOfRect(RECT{-50, -50, 10, 10})})
        EXPECT_TRUE(EqualRect(&area, &desktop));
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    RECT monitor = GetMonitorAreaOfWindow(w, false);
    EXPECT_TRUE(EqualRect(&monitor, &screen));
    DestroyWindow(w);
}
