// Creating and freeing the graphics objects many times leaves the process's
// GDI and USER object counts where they were.
#include "framework/graphics/imagelist.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

// One of everything, used the way painting code uses it: tools replaced
// while selected, pictures converted, drawn, loaded and listed.
void UseEverything(HDC dc)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->SetStyle(TFontStyles{fsBold});
    canvas.Pen()->SetMode(pmXor);
    canvas.TextOut(1, 1, "leak?");
    canvas.Font()->SetSize(14);
    canvas.Pen()->SetColor(clBlue);
    canvas.Brush()->SetStyle(bsCross);
    canvas.Ellipse(0, 0, 10, 10);
    TBitmap bitmap(16, 16), loaded;
    bitmap.Canvas()->TextOut(0, 0, "x");
    bitmap.SetSize(24, 8);
    bitmap.SetPixelFormat(pf8bit);
    bitmap.SetTransparent(true);
    canvas.Draw(0, 0, &bitmap);
    canvas.Brush()->SetBitmap(&bitmap);
    canvas.FillRect(Rect(0, 0, 10, 10));
    loaded.LoadFromResourceName(GetModuleHandleA(nullptr), "STRIPES");
    canvas.StretchDraw(Rect(0, 0, 8, 8), &loaded);
    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
    TImageList images(nullptr);
    images.Add(&bitmap, nullptr);
    images.AddIcon(&icon);
    images.Draw(&canvas, 0, 0, 1);
}

TEST(GraphicsLeaks, ManyObjectsCreatedAndFreedLeaveTheCountsUnchanged)
{
    DibSection dib(32, 32);
    // (harness_tests prove that the counts see a leaked object.)
    EXPECT_EQ(GuiGrowth([&] { UseEverything(dib.DC()); }, 300), (TGuiCounts{0, 0}));
}

}  // namespace
