#include "styling/core/sksystem.h"

#include "styling/core/skbitmap.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SkControlsUnit, InitialisationFindsTheOptionalFunctionsAndFinalisationDropsThem)
{
    EXPECT_EQ(SkTransparentBlt(), nullptr);  // before start-up: callers fall back
    {
        TSkControlsUnit unit;
        EXPECT_TRUE(IsWinNT());
        EXPECT_FALSE(IsWin98());
        EXPECT_NE(SkTransparentBlt(), nullptr);
        EXPECT_NE(SkGetScrollBarInfo(), nullptr);
        EXPECT_EQ(SkBtnFaceColor(), ColorToSkColor(clBtnFace));
        EXPECT_EQ(SkWindowColor(), ColorToSkColor(clWindow));
        EXPECT_EQ(SkBtnHighlightColor(), ColorToSkColor(clBtnHighlight));
        SIZE buffer = SharedBufferSize();
        EXPECT_EQ(buffer.cx, GetSystemMetrics(SM_CXSCREEN) + 500);
        EXPECT_EQ(buffer.cy, GetSystemMetrics(SM_CYSCREEN) + 500);
        ASSERT_NE(SharedBuffer(), nullptr);
        EXPECT_TRUE(SharedBuffer()->IsEmpty());
        {
            TSkControlsUnit nested;  // a second start-up only counts
        }
        EXPECT_NE(SkTransparentBlt(), nullptr);
    }
    EXPECT_EQ(SkTransparentBlt(), nullptr);
    EXPECT_FALSE(IsWinNT());
    EXPECT_EQ(SharedBuffer(), nullptr);
}

namespace {

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (HWND& w : windows)
            w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    }
    void TearDown() override
    {
        ReleaseCapture();
        for (HWND w : windows)
            DestroyWindow(w);
    }
    HWND windows[2]{};
};

} // namespace

TEST_F(CaptureTest, NestedBeginsCaptureOnceAndTheLastEndReleases)
{
    BeginSkCapture(windows[0]);
    BeginSkCapture(windows[1]);  // only counts
    EXPECT_EQ(GetCapture(), windows[0]);
    EndSkCapture();
    EXPECT_EQ(GetCapture(), windows[0]);
    EndSkCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EndSkCapture();  // unbalanced: harmless
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(CaptureTest, TheLastEndLeavesAnotherWindowsCapture)
{
    BeginSkCapture(windows[0]);
    SetCapture(windows[1]);
    EndSkCapture();
    EXPECT_EQ(GetCapture(), windows[1]);
}

TEST(SkSystemQueries, KeyRepeatTimingFollowsTheKeyboardSettings)
{
    int oldDelay = 0;
    DWORD oldSpeed = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &oldDelay, 0);
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &oldSpeed, 0);

    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 3, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 0, nullptr, 0);
    EXPECT_EQ(KeyRepeatDelay(), 800);
    EXPECT_EQ(KeyRepeatInterval(), 435);  // 1000 / 2.3 = 434.8
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 0, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 31, nullptr, 0);
    EXPECT_EQ(KeyRepeatDelay(), 200);
    EXPECT_EQ(KeyRepeatInterval(), 14);  // 1000 / 73.6 = 13.6

    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, oldDelay, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, oldSpeed, nullptr, 0);
}

TEST(SkSystemQueries, WorkAreasOnASingleMonitor)
{
    TSkControlsUnit unit;
    RECT desktop{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0));
    RECT area = GetWorkArea();
    EXPECT_TRUE(EqualRect(&area, &desktop));
    EXPECT_FALSE(IsMultiMonitor());
    area = GetWorkAreaOfPoint(POINT{5000, 5000});
    EXPECT_TRUE(EqualRect(&area, &desktop));
    RECT probe{-50, -50, 10, 10};
    area = GetWorkAreaOfRect(probe);
    EXPECT_TRUE(EqualRect(&area, &desktop));

    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    area = GetMonitorAreaOfWindow(w, false);
    EXPECT_TRUE(EqualRect(&area, &screen));
    DestroyWindow(w);
}
