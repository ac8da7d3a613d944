// Proves the test harness against the real platform: under Wine a window
// is painted and read back into a 32-bit DIB section, and the handle counts
// the leak checks rely on see objects come and go.
#include "tests/support/dibsection.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

HWND Popup(DWORD style)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | style, 10, 10, 64, 32, nullptr, nullptr, nullptr, nullptr);
}

TEST(Harness, APaintedWindowIsReadBackFromTheScreenAndThroughPrintWindow)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
    HWND window = Popup(WS_VISIBLE | SS_WHITERECT);  // filled with the window colour
    UpdateWindow(window);
    const COLORREF white = GetSysColor(COLOR_WINDOW);
    DibSection shown(64, 32), printed(64, 32);
    HDC windowDc = GetDC(window);
    EXPECT_TRUE(BitBlt(shown.DC(), 0, 0, 64, 32, windowDc, 0, 0, SRCCOPY));
    ReleaseDC(window, windowDc);
    EXPECT_TRUE(PrintWindow(window, printed.DC(), 0));  // through the window procedure
    EXPECT_EQ(shown.At(1, 1), white);
    EXPECT_EQ(shown.At(62, 30), white);
    EXPECT_EQ(printed.At(32, 16), white);
    DestroyWindow(window);
}

TEST(Harness, TheHandleCountsSeeObjectsComeAndGo)
{
    HWND first = Popup(0);  // the first window of a thread brings helpers of its own
    const DWORD gdi = GdiObjectCount(), user = UserObjectCount();
    EXPECT_GT(gdi, 0u);
    HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3)), pen = CreatePen(PS_SOLID, 1, 0);
    HWND window = Popup(0);
    EXPECT_EQ(GdiObjectCount(), gdi + 2);
    EXPECT_EQ(UserObjectCount(), user + 1);
    DeleteObject(brush);
    DeleteObject(pen);
    DestroyWindow(window);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
    DestroyWindow(first);
}

} // namespace
