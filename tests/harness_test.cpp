// Proves the test harness against the real platform: under Wine a window can
// be created, painted and read back into a 32-bit DIB section.
#include "tests/support/dibsection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const COLORREF PaintColor = RGB(0x12, 0x9A, 0xE4);

void PaintClient(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(PaintColor);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK PaintingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        PaintClient(window, BeginPaint(window, &ps));
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_PRINTCLIENT) {
        PaintClient(window, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}


TEST(Harness, DibSectionPixelsAreReadBack)
{
    DibSection dib(8, 4);
    ASSERT_NE(dib.DC(), nullptr);
    RECT left = {0, 0, 4, 4};
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dib.DC(), &left, brush);
    DeleteObject(brush);
    GdiFlush();
    EXPECT_EQ(dib.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dib.At(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(dib.At(4, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dib.DC(), 1, 1), RGB(255, 0, 0));
}

TEST(Harness, RealWindowPaintsAndIsReadBack)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PaintingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "HarnessPaintWindow";
    ASSERT_NE(RegisterClassA(&windowClass), 0);

    HWND window = CreateWindowExA(0, "HarnessPaintWindow", "harness", WS_POPUP | WS_VISIBLE, 10,
                                  10, 64, 32, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 64);
    EXPECT_EQ(client.bottom, 32);

    DibSection dib(64, 32);
    HDC windowDc = GetDC(window);
    ASSERT_TRUE(BitBlt(dib.DC(), 0, 0, 64, 32, windowDc, 0, 0, SRCCOPY));
    ReleaseDC(window, windowDc);
    GdiFlush();
    EXPECT_EQ(dib.At(0, 0), PaintColor);
    EXPECT_EQ(dib.At(63, 31), PaintColor);

    // PrintWindow renders through the window procedure into any DC.
    DibSection printed(64, 32);
    ASSERT_TRUE(PrintWindow(window, printed.DC(), 0));
    GdiFlush();
    EXPECT_EQ(printed.At(32, 16), PaintColor);

    DestroyWindow(window);
    UnregisterClassA("HarnessPaintWindow", windowClass.hInstance);
}

TEST(Harness, ScreenIsTheHeadlessDefault)
{
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
}

} // namespace
