// Proves the test harness against the real platform: the screen has the 32
// bits per pixel the pixel checks read, and the handle counts the leak
// checks rely on see objects come and go.
#include "tests/support/dibsection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

namespace {

HWND Popup()
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 10, 64, 32, nullptr, nullptr, nullptr, nullptr);
}

std::pair<DWORD, DWORD> CurrentCounts() { return {GdiObjectCount(), UserObjectCount()}; }

TEST(Harness, TheScreenIs32BitsAndTheHandleCountsSeeObjectsComeAndGo)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
    HWND first = Popup();  // the first window of a thread brings helpers of its own
    const auto [gdi, user] = CurrentCounts();
    EXPECT_GT(gdi, 0u);
    HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3)), pen = CreatePen(PS_SOLID, 1, 0);
    HWND window = Popup();
    EXPECT_EQ(CurrentCounts(), std::make_pair(gdi + 2, user + 1));
    DeleteObject(brush);
    DeleteObject(pen);
    DestroyWindow(window);
    EXPECT_EQ(CurrentCounts(), std::make_pair(gdi, user));
    DestroyWindow(first);
}

} // namespace
