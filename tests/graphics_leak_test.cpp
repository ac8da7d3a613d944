// Creating and freeing the graphics objects many times leaves the process's
// GDI and USER object counts where they were.
#include "framework/components/timer.h"
#include "framework/graphics/imagelist.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One of everything, used the way painting code uses it.
void UseEverything(HDC dc)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->SetStyle(TFontStyles{fsBold});
    canvas.Pen()->SetMode(pmXor);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(1, 1, "leak?");
    canvas.Font()->SetSize(14);  // replaced while selected
    canvas.Pen()->SetColor(clBlue);
    canvas.Brush()->SetStyle(bsCross);
    canvas.Ellipse(0, 0, 10, 10);

    TBitmap bitmap(16, 16);
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
    TImageList images(nullptr);
    images.Add(&bitmap, nullptr);
    images.AddIcon(&icon);
    images.Draw(&canvas, 0, 0, 1);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([](TObject*) {});
    PumpFor(0);
}

TEST(GraphicsLeaks, ManyObjectsCreatedAndFreedLeaveTheCountsUnchanged)
{
    DibSection dib(32, 32);
    EXPECT_EQ(GuiGrowth([&] { UseEverything(dib.DC()); }, 300), (TGuiCounts{0, 0}));

    // The measurement itself sees a leaked brush and window.
    std::vector<HBRUSH> brushes;
    std::vector<HWND> windows;
    const TGuiCounts grown = GuiGrowth([&] {
        brushes.push_back(CreateSolidBrush(RGB(1, 2, 3)));
        windows.push_back(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr));
    }, 3);
    for (size_t i = 0; i < brushes.size(); ++i) {
        DeleteObject(brushes[i]);
        DestroyWindow(windows[i]);
    }
    EXPECT_EQ(grown.gdi, 3u);
    EXPECT_GE(grown.user, 3u);
}

}  // namespace
