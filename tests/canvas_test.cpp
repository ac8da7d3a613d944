// TCanvas on DIB sections and a window: what each call puts into the
// pixels, and what it leaves selected in the device context.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/icon.h"
#include "tests/support/dibsection.h"
#include "tests/support/raises.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

const COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0), Green = RGB(0, 128, 0),
               Lime = RGB(0, 255, 0), Blue = RGB(0, 0, 255);

// The 4 x 3 resource picture: rows red, lime and blue, the last column white.
std::unique_ptr<TBitmap> Stripes()
{
    auto stripes = std::make_unique<TBitmap>();
    stripes->LoadFromResourceName(GetModuleHandleA(nullptr), "STRIPES");
    return stripes;
}

TEST(Canvas, EachCallPaintsWhatItShouldOntoAWhiteDib)
{
    // What is drawn, how, and the pixels it leaves.
    using TPixels = std::vector<std::tuple<int, int, COLORREF>>;
    const std::tuple<const char*, std::function<void(TCanvas&)>, TPixels> cases[] = {
        {"FillRect stops short of right and bottom; FrameRect is one brush dot wide", [](TCanvas& c) {
             c.Brush()->SetColor(clRed); c.FillRect(Rect(2, 2, 6, 6));
             c.Brush()->SetColor(clBlue); c.FrameRect(Rect(10, 2, 18, 8));
         }, {{2, 2, Red}, {5, 5, Red}, {6, 6, White}, {1, 2, White}, {10, 2, Blue}, {17, 7, Blue}, {13, 5, White},
          {18, 8, White}}},
        {"Rectangle: pen outline, brush inside, unless the brush is clear", [](TCanvas& c) {
             c.Pen()->SetColor(clRed); c.Brush()->SetColor(clGreen); c.Rectangle(0, 0, 10, 10);
             c.Brush()->SetStyle(bsClear); c.Rectangle(20, 0, 30, 10);
         }, {{0, 0, Red}, {9, 9, Red}, {5, 5, Green}, {10, 10, White}, {20, 0, Red}, {25, 5, White}}},
        {"RoundRect, Ellipse and Polygon fill their insides only", [](TCanvas& c) {
             c.Brush()->SetColor(clBlue); c.RoundRect(0, 0, 12, 12, 6, 6); c.Ellipse(14, 0, 26, 12);
             c.Polygon({Point(0, 14), Point(12, 14), Point(0, 26)});
         }, {{0, 0, White}, {6, 6, Blue}, {14, 0, White}, {20, 6, Blue}, {2, 16, Blue}, {11, 25, White}}},
        {"Polyline and LineTo leave out the end point; pen modes combine with the screen", [](TCanvas& c) {
             c.Pen()->SetColor(clRed); c.Polyline({Point(0, 0), Point(10, 0), Point(10, 10)});
             c.MoveTo(0, 25); c.LineTo(8, 25);
             c.Pen()->SetMode(pmNop); c.MoveTo(0, 2); c.LineTo(5, 2);
             c.Pen()->SetMode(pmMask); c.MoveTo(0, 3); c.LineTo(5, 3);
             c.Pen()->SetMode(pmNot); c.MoveTo(0, 20); c.LineTo(5, 20);
         }, {{5, 0, Red}, {10, 5, Red}, {9, 9, White}, {0, 25, Red}, {7, 25, Red}, {8, 25, White}, {2, 2, White},
          {2, 3, Red}, {2, 20, Black}}},
        {"xor drawing twice restores the pixels", [](TCanvas& c) {
             c.Pen()->SetColor(clRed); c.Pen()->SetMode(pmXor);
             for (int y : {5, 6, 6})
                 c.Polyline({Point(0, y), Point(40, y)});
             for (int y : {10, 20, 20})
                 c.DrawFocusRect(Rect(2, y, 12, y + 5));
         }, {{3, 5, RGB(0, 255, 255)}, {3, 6, White}, {3, 10, Black}, {2, 20, White}, {3, 20, White}}},
        {"a pattern brush repeats its own copy of the bitmap", [](TCanvas& c) {
             auto pattern = std::make_unique<TBitmap>(8, 8);
             for (int i = 0; i < 64; ++i)
                 pattern->Canvas()->SetPixels(i % 8, i / 8, (i % 8 + i / 8) % 2 ? clBlack : clRed);
             c.Brush()->SetBitmap(pattern.get());
             pattern.reset();
             c.FillRect(Rect(0, 0, 16, 16));
             c.Brush()->SetBitmap(nullptr); c.Brush()->SetColor(clGreen); c.FillRect(Rect(0, 20, 2, 22));
         }, {{0, 0, Red}, {1, 0, Black}, {9, 0, Black}, {9, 1, Red}, {16, 0, White}, {1, 20, Green}}},
        {"text over a solid brush fills its cell; TextRect clips and fills; system colours resolve", [](TCanvas& c) {
             c.Brush()->SetColor(clGreen); c.TextOut(0, 0, " ");
             c.Brush()->SetColor(clBlue); c.TextRect(Rect(20, 0, 26, 6), 20, 4, "WWWWWWWW");
             c.SetPixels(5, 25, clBtnFace);
         }, {{0, 0, Green}, {20, 0, Blue}, {25, 3, Blue}, {20, 8, White}, {27, 0, White},
          {5, 25, GetSysColor(COLOR_BTNFACE)}}},
        {"CopyRect stretches with the copy mode", [](TCanvas& c) {
             DibSection red(4, 4);
             red.Fill(Red);
             TCanvas source;
             source.SetHandle(red.DC());
             c.CopyRect(Rect(10, 10, 18, 18), &source, Rect(0, 0, 4, 4));
             c.SetCopyMode(NOTSRCCOPY); c.CopyRect(Rect(0, 0, 2, 2), &source, Rect(0, 0, 2, 2));
         }, {{10, 10, Red}, {17, 17, Red}, {18, 18, White}, {0, 0, RGB(0, 255, 255)}}},
        {"Draw copies a picture; a transparent one leaves its key colour out", [](TCanvas& c) {
             auto picture = Stripes();
             c.Draw(2, 3, picture.get());
             picture->SetTransparent(true);  // keyed on the bottom-left pixel
             c.Draw(10, 0, picture.get());
             picture->SetTransparentColor(clRed);
             c.Draw(20, 0, picture.get());
             c.Draw(0, 0, nullptr);
             picture->Canvas()->SetPixels(0, 0, clBlue);  // changed pixels are keyed anew
             picture->Canvas()->SetPixels(0, 1, clRed);
             c.Draw(30, 0, picture.get());
         }, {{2, 3, Red}, {3, 4, Lime}, {4, 5, Blue}, {5, 3, White}, {1, 3, White}, {10, 0, Red}, {10, 2, White},
             {20, 0, White}, {20, 1, Lime}, {20, 2, Blue}, {30, 0, Blue}, {30, 1, White}, {31, 1, Lime}}},
        {"StretchDraw scales into the rectangle; icons draw through their mask", [](TCanvas& c) {
             c.StretchDraw(Rect(0, 0, 16, 12), Stripes().get());
             TBitmap empty;
             c.StretchDraw(Rect(0, 0, 20, 20), &empty);
             TIcon icon;
             icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
             c.Draw(20, 2, &icon);
         }, {{0, 0, Red}, {11, 3, Red}, {12, 0, White}, {0, 4, Lime}, {11, 11, Blue}, {0, 12, White}, {22, 8, Red},
             {32, 8, White}, {19, 8, White}}},
        {"text is measured with the canvas font, drawn in its colour, and moves the pen", [](TCanvas& c) {
             c.Font()->SetHeight(-16);
             const TSize extent = c.TextExtent("Sheet Mill");
             SIZE direct{0, 0};
             GetTextExtentPoint32A(c.Handle(), "Sheet Mill", 10, &direct);
             EXPECT_EQ(std::make_pair(extent.cx, extent.cy), std::make_pair(direct.cx, direct.cy));
             c.Font()->SetHeight(-32);
             EXPECT_GT(c.TextHeight("x"), direct.cy);
             c.Font()->SetColor(clRed); c.Brush()->SetStyle(bsClear); c.TextOut(2, 2, "HM");
             EXPECT_EQ(c.PenPos().x, 2 + c.TextWidth("HM"));
             int red = 0;
             for (int i = 0; i < 40 * 30; ++i)
                 red += c.Pixels(i % 40, i / 40) == clRed;
             EXPECT_GT(red, 10);
         }, {{0, 0, White}}},
        {"an equal font, assigned as a control does before every paint, stays selected; only drawing is announced",
         [](TCanvas& c) {
             TFont paintFont;
             paintFont.SetHeight(-13);
             c.SetFont(&paintFont); c.TextOut(0, 0, "a");
             const HGDIOBJ selected = GetCurrentObject(c.Handle(), OBJ_FONT);
             std::string events;
             c.OnChanging = [&](TObject*) { events += "<"; };
             c.OnChange = [&](TObject*) { events += ">"; };
             c.SetFont(&paintFont); c.TextWidth("abc");
             EXPECT_EQ(GetCurrentObject(c.Handle(), OBJ_FONT), selected);
             c.FillRect(Rect(0, 0, 2, 2));
             EXPECT_EQ(events, "<>");
             c.OnChanging = c.OnChange = nullptr;
             IntersectClipRect(c.Handle(), 5, 6, 10, 12);
             const TRect clip = c.ClipRect();
             EXPECT_EQ(std::make_tuple(clip.left, clip.top, clip.right, clip.bottom), std::make_tuple(5, 6, 10, 12));
             EXPECT_EQ(std::make_pair(c.Pixels(15, 15), c.Pixels(40, 0)), std::make_pair(clWhite, clNone));
         }, {}},
    };
    for (const auto& [what, draw, expected] : cases) {
        SCOPED_TRACE(what);
        DibSection dib(40, 30);
        dib.Fill(White);
        TCanvas canvas;
        canvas.SetHandle(dib.DC());
        draw(canvas);
        for (const auto& [x, y, color] : expected)
            EXPECT_EQ(dib.At(x, y), color) << x << ", " << y;
    }
}

TEST(Canvas, AWindowsContextIsDrawnOnAndHandedBackAsItWas)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 30, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    HDC dc = GetDC(window);
    DibSection other(10, 10);
    auto state = [dc] {
        return std::make_tuple(GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                               GetCurrentObject(dc, OBJ_FONT), GetROP2(dc), GetBkMode(dc), GetTextColor(dc));
    };
    const auto before = state();
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 30, 20));
        canvas.Pen()->SetColor(clBlue);
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(20, 0, "x");
        canvas.MoveTo(0, 10);
        canvas.LineTo(30, 10);
        canvas.Pen()->SetMode(pmXor);
        canvas.Rectangle(0, 0, 1, 1);
        EXPECT_EQ(GetROP2(dc), R2_XORPEN);
        canvas.Refresh();  // handed back until the next call
        EXPECT_EQ(state(), before);
        canvas.Rectangle(0, 0, 1, 1);
        canvas.SetHandle(other.DC());  // switching leaves nothing behind
        EXPECT_EQ(state(), before);
        canvas.SetHandle(dc);
        canvas.Rectangle(0, 0, 1, 1);
    }
    EXPECT_EQ(state(), before);  // destroying the canvas hands it back too
    DibSection copy(30, 20);
    BitBlt(copy.DC(), 0, 0, 30, 20, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    EXPECT_EQ(copy.At(5, 5), Red);
    EXPECT_EQ(copy.At(5, 10), Blue);
}

TEST(Canvas, WithoutAContextDrawingRaisesAndLockingIsPerThread)
{
    TCanvas canvas;
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { canvas.Rectangle(0, 0, 4, 4); }),
              "Canvas does not allow drawing");
    auto anotherThreadLocks = [&] {
        std::atomic<bool> locked{false};
        std::thread([&] {
            if ((locked = canvas.TryLock()))
                canvas.Unlock();
        }).join();
        return bool(locked);
    };
    canvas.Lock();
    canvas.Lock();  // reentrant
    canvas.Unlock();
    EXPECT_FALSE(anotherThreadLocks());
    canvas.Unlock();
    EXPECT_TRUE(anotherThreadLocks());
}

}  // namespace
