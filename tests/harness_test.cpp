// Proves the test harness against the real platform: under Wine a window
// is painted and read back into a 32-bit DIB section, and the handle counts
// the leak checks rely on see objects come and go.
#include "tests/support/dibsection.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const COLORREF PaintColor = RGB(0x12, 0x9A, 0xE4);

LRESULT CALLBACK PaintingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = message == WM_PAINT ? BeginPaint(window, &ps) : reinterpret_cast<HDC>(wParam);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(PaintColor);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    if (message == WM_PAINT)
        EndPaint(window, &ps);
    return 0;
}

TEST(Harness, APaintedWindowIsReadBackFromTheScreenAndThroughPrintWindow)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PaintingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "HarnessPaintWindow";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window = CreateWindowExA(0, "HarnessPaintWindow", "harness", WS_POPUP | WS_VISIBLE, 10, 10, 64,
                                  32, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);

    DibSection shown(64, 32), printed(64, 32);
    HDC windowDc = GetDC(window);
    EXPECT_TRUE(BitBlt(shown.DC(), 0, 0, 64, 32, windowDc, 0, 0, SRCCOPY));
    ReleaseDC(window, windowDc);
    EXPECT_TRUE(PrintWindow(window, printed.DC(), 0));  // through the window procedure
    for (POINT p : {POINT{0, 0}, POINT{63, 31}}) {
        EXPECT_EQ(shown.At(p.x, p.y), PaintColor);
        EXPECT_EQ(printed.At(p.x, p.y), PaintColor);
    }
    DestroyWindow(window);
    UnregisterClassA("HarnessPaintWindow", windowClass.hInstance);
}

TEST(Harness, TheHandleCountsSeeObjectsComeAndGo)
{
    auto popup = [] { return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr); };
    HWND first = popup();  // the first window of a thread brings helpers of its own
    const DWORD gdi = GdiObjectCount(), user = UserObjectCount();
    EXPECT_GT(gdi, 0u);
    HBRUSH brushes[5];
    for (HBRUSH& brush : brushes)
        brush = CreateSolidBrush(PaintColor);
    HWND window = popup();
    EXPECT_EQ(GdiObjectCount(), gdi + 5);
    EXPECT_EQ(UserObjectCount(), user + 1);
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    DestroyWindow(window);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
    DestroyWindow(first);
}

} // namespace
