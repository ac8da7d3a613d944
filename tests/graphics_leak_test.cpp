// Creating and freeing the graphics objects many times leaves the process's
// GDI and USER object counts where they were.
#include "framework/graphics/icon.h"
#include "framework/graphics/imagelist.h"
#include "framework/components/timer.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

namespace {

// One of everything, used the way painting code uses it.
void UseEverything(HDC screenLike)
{
    TCanvas canvas;
    canvas.SetHandle(screenLike);
    canvas.Font()->SetStyle(TFontStyles{fsBold});
    canvas.Brush()->SetColor(clRed);
    canvas.Pen()->SetMode(pmXor);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(1, 1, "leak?");
    canvas.Font()->SetSize(14);  // replaced while selected
    canvas.Pen()->SetColor(clBlue);
    canvas.Brush()->SetStyle(bsCross);
    canvas.Ellipse(0, 0, 10, 10);
    canvas.TextOut(1, 1, "leak?");

    TBitmap bitmap(16, 16);
    bitmap.Canvas()->Brush()->SetColor(clLime);
    bitmap.Canvas()->FillRect(Rect(0, 0, 16, 16));
    bitmap.Canvas()->TextOut(0, 0, "x");
    bitmap.SetSize(24, 8);
    bitmap.SetPixelFormat(pf8bit);
    bitmap.SetTransparent(true);
    canvas.Draw(0, 0, &bitmap);
    canvas.Brush()->SetBitmap(&bitmap);
    canvas.FillRect(Rect(0, 0, 10, 10));

    TBitmap loaded;
    loaded.LoadFromResourceName(GetModuleHandleA(nullptr), "STRIPES");
    canvas.StretchDraw(Rect(0, 0, 8, 8), &loaded);

    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
    canvas.Draw(0, 0, &icon);

    TImageList images(nullptr);
    images.Add(&bitmap, nullptr);
    images.AddIcon(&icon);
    images.Draw(&canvas, 0, 0, 0);

    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([](TObject*) {});
}

TEST(GraphicsLeaks, ManyObjectsCreatedAndFreedLeaveTheCountsUnchanged)
{
    DibSection dib(32, 32);
    UseEverything(dib.DC());  // first use creates lasting system objects
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);

    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    ASSERT_GT(gdi, 0u);
    for (int i = 0; i < 300; ++i)
        UseEverything(dib.DC());
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}

TEST(GraphicsLeaks, TheCounterSeesALeak)
{
    // Guards the measurement itself: a leaked brush and window must show.
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    EXPECT_EQ(GdiObjectCount(), gdi + 1);
    EXPECT_GT(UserObjectCount(), user);
    DestroyWindow(window);
    DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}

}  // namespace
