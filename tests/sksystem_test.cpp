#include "styling/core/sksystem.h"

#include "styling/core/skbitmap.h"

#include <gtest/gtest.h>

TEST(SkControlsUnit, StartUpFindsTheOptionalFunctionsNestsAndFinishingDropsThem)
{
    EXPECT_EQ(SkTransparentBlt(), nullptr);  // before start-up: callers fall back
    {
        TSkControlsUnit unit;
        { TSkControlsUnit nested; }  // a second start-up only counts
        EXPECT_TRUE(IsWinNT() && !IsWin98() && SkTransparentBlt() && SkGetScrollBarInfo());
        EXPECT_EQ(SkBtnFaceColor(), ColorToSkColor(clBtnFace));
        EXPECT_EQ(SharedBufferSize().cx, GetSystemMetrics(SM_CXSCREEN) + 500);
        EXPECT_EQ(SharedBufferSize().cy, GetSystemMetrics(SM_CYSCREEN) + 500);
        EXPECT_TRUE(SharedBuffer() && SharedBuffer()->IsEmpty());
    }
    EXPECT_FALSE(SkTransparentBlt() || IsWinNT() || SharedBuffer());
}

TEST(SkSystem, NestedCaptureWorkAreasAndKeyRepeatTiming)
{
    HWND windows[2];
    for (HWND& w : windows)
        w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    BeginSkCapture(windows[0]);
    BeginSkCapture(windows[1]);  // only counts
    EndSkCapture();
    EXPECT_EQ(GetCapture(), windows[0]);
    EndSkCapture();
    EndSkCapture();  // unbalanced: harmless
    EXPECT_EQ(GetCapture(), nullptr);
    BeginSkCapture(windows[0]);
    SetCapture(windows[1]);
    EndSkCapture();  // another window's capture stays
    EXPECT_EQ(GetCapture(), windows[1]);
    ReleaseCapture();

    TSkControlsUnit unit;
    RECT desktop{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
    EXPECT_FALSE(IsMultiMonitor());
    for (RECT area : {GetWorkArea(), GetWorkAreaOfPoint({5000, 5000}),
                      GetWorkAreaOfRect({-50, -50, 10, 10}), GetMonitorAreaOfWindow(windows[0], true)})
        EXPECT_TRUE(EqualRect(&area, &desktop));
    for (HWND w : windows)
        DestroyWindow(w);

    int delay = 0;
    DWORD speed = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 3, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 0, nullptr, 0);
    EXPECT_EQ(std::pair(KeyRepeatDelay(), KeyRepeatInterval()), std::pair(800, 435));  // 2.3 a second
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 0, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 31, nullptr, 0);
    EXPECT_EQ(std::pair(KeyRepeatDelay(), KeyRepeatInterval()), std::pair(200, 14));  // 73.6 a second
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, delay, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, speed, nullptr, 0);
}
