// TCanvas on a DIB section it is handed: what each call puts into the
// pixels, and what it leaves selected in the context.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const COLORREF White = RGB(255, 255, 255);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Green = RGB(0, 128, 0);
const COLORREF Blue = RGB(0, 0, 255);

class CanvasOnDib : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(White);
        canvas.SetHandle(dib.DC());
    }

    DibSection dib{40, 30};
    TCanvas canvas;
};

TEST_F(CanvasOnDib, FillRectPaintsWithTheBrushUpToTheExclusiveEdges)
{
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(2, 2, 6, 6));
    EXPECT_EQ(dib.At(2, 2), Red);
    EXPECT_EQ(dib.At(5, 5), Red);
    EXPECT_EQ(dib.At(6, 6), White);
    EXPECT_EQ(dib.At(1, 2), White);
}

TEST_F(CanvasOnDib, FrameRectDrawsOnlyTheOneDotBorder)
{
    canvas.Brush()->SetColor(clBlue);
    canvas.FrameRect(Rect(2, 2, 10, 8));
    EXPECT_EQ(dib.At(2, 2), Blue);
    EXPECT_EQ(dib.At(9, 7), Blue);
    EXPECT_EQ(dib.At(5, 2), Blue);
    EXPECT_EQ(dib.At(5, 5), White);
    EXPECT_EQ(dib.At(10, 8), White);
}

TEST_F(CanvasOnDib, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clGreen);
    canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(dib.At(0, 0), Red);
    EXPECT_EQ(dib.At(9, 9), Red);
    EXPECT_EQ(dib.At(5, 5), Green);
    EXPECT_EQ(dib.At(10, 10), White);

    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(20, 0, 30, 10);
    EXPECT_EQ(dib.At(20, 0), Red);
    EXPECT_EQ(dib.At(25, 5), White);
}

TEST_F(CanvasOnDib, RoundRectEllipseAndPolygonFillTheirInsidesOnly)
{
    canvas.Pen()->SetColor(clBlue);
    canvas.Brush()->SetColor(clBlue);
    canvas.RoundRect(0, 0, 12, 12, 6, 6);
    EXPECT_EQ(dib.At(0, 0), White);  // cut corner
    EXPECT_EQ(dib.At(6, 0), Blue);
    EXPECT_EQ(dib.At(6, 6), Blue);

    canvas.Ellipse(14, 0, 26, 12);
    EXPECT_EQ(dib.At(14, 0), White);
    EXPECT_EQ(dib.At(20, 6), Blue);

    canvas.Brush()->SetColor(clRed);
    canvas.Pen()->SetColor(clRed);
    canvas.Polygon({Point(0, 14), Point(12, 14), Point(0, 26)});
    EXPECT_EQ(dib.At(2, 16), Red);
    EXPECT_EQ(dib.At(11, 25), White);
}

TEST_F(CanvasOnDib, PolylineAndLineToFollowThePenPosition)
{
    canvas.Pen()->SetColor(clRed);
    canvas.Polyline({Point(0, 0), Point(10, 0), Point(10, 10)});
    EXPECT_EQ(dib.At(5, 0), Red);
    EXPECT_EQ(dib.At(10, 5), Red);
    EXPECT_EQ(dib.At(5, 5), White);

    canvas.MoveTo(0, 20);
    canvas.LineTo(8, 20);
    EXPECT_EQ(canvas.PenPos().x, 8);
    EXPECT_EQ(canvas.PenPos().y, 20);
    EXPECT_EQ(dib.At(0, 20), Red);
    EXPECT_EQ(dib.At(7, 20), Red);
    EXPECT_EQ(dib.At(8, 20), White);  // the end point is not drawn
}

TEST_F(CanvasOnDib, XorLineDrawnTwiceRestoresThePixels)
{
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, 20, 30));
    canvas.Pen()->SetMode(pmXor);
    canvas.Pen()->SetColor(clWhite);

    canvas.MoveTo(0, 5);
    canvas.LineTo(40, 5);
    EXPECT_EQ(dib.At(3, 5), RGB(255, 255, 0));  // blue xor white
    EXPECT_EQ(dib.At(30, 5), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(3, 6), Blue);

    canvas.MoveTo(0, 5);
    canvas.LineTo(40, 5);
    EXPECT_EQ(dib.At(3, 5), Blue);
    EXPECT_EQ(dib.At(30, 5), White);
}

TEST_F(CanvasOnDib, OtherPenModesCombineWithTheScreen)
{
    canvas.Pen()->SetMode(pmNot);
    canvas.MoveTo(0, 1);
    canvas.LineTo(5, 1);
    EXPECT_EQ(dib.At(2, 1), RGB(0, 0, 0));

    canvas.Pen()->SetMode(pmNop);
    canvas.Pen()->SetColor(clRed);
    canvas.MoveTo(0, 2);
    canvas.LineTo(5, 2);
    EXPECT_EQ(dib.At(2, 2), White);

    canvas.Pen()->SetMode(pmMask);
    canvas.MoveTo(0, 3);
    canvas.LineTo(5, 3);
    EXPECT_EQ(dib.At(2, 3), Red);  // white and red
}

TEST_F(CanvasOnDib, DrawFocusRectTwiceRestoresThePixels)
{
    canvas.DrawFocusRect(Rect(2, 2, 12, 12));
    int changed = 0;
    for (int x = 2; x < 12; ++x)
        changed += dib.At(x, 2) != White;
    EXPECT_GT(changed, 0);
    canvas.DrawFocusRect(Rect(2, 2, 12, 12));
    for (int x = 2; x < 12; ++x)
        EXPECT_EQ(dib.At(x, 2), White) << x;
}

TEST_F(CanvasOnDib, PatternBrushRepeatsTheBitmapAndOutlivesIt)
{
    auto pattern = std::make_unique<TBitmap>(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern->Canvas()->SetPixels(x, y, (x + y) % 2 ? clBlack : clRed);
    canvas.Brush()->SetBitmap(pattern.get());
    pattern.reset();  // the brush holds its own copy

    canvas.FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(dib.At(0, 0), Red);
    EXPECT_EQ(dib.At(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(dib.At(9, 9), dib.At(1, 1));
    EXPECT_EQ(dib.At(8, 0), Red);
    EXPECT_EQ(dib.At(16, 0), White);

    canvas.Brush()->SetBitmap(nullptr);
    canvas.Brush()->SetColor(clGreen);
    canvas.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(dib.At(1, 0), Green);
}

TEST_F(CanvasOnDib, TextIsMeasuredWithTheCanvasFont)
{
    canvas.Font()->SetHeight(-16);
    const TSize extent = canvas.TextExtent("Sheet Mill");
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    EXPECT_EQ(GetCurrentObject(dib.DC(), OBJ_FONT), canvas.Font()->Handle());
    SIZE direct{0, 0};
    GetTextExtentPoint32A(dib.DC(), "Sheet Mill", 10, &direct);
    EXPECT_EQ(extent.cx, direct.cx);
    EXPECT_EQ(extent.cy, direct.cy);
    EXPECT_EQ(canvas.TextHeight("x"), direct.cy);
    EXPECT_LT(canvas.TextWidth("W"), canvas.TextWidth("WW"));
    EXPECT_EQ(canvas.TextWidth(""), 0);

    canvas.Font()->SetHeight(-32);
    EXPECT_GT(canvas.TextHeight("x"), direct.cy);
}

TEST_F(CanvasOnDib, TextOutDrawsInTheFontColourAndAdvancesThePen)
{
    canvas.Font()->SetColor(clRed);
    canvas.Font()->SetHeight(-20);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(2, 2, "HM");
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            red += dib.At(x, y) == Red;
    EXPECT_GT(red, 10);
    EXPECT_EQ(canvas.PenPos().x, 2 + canvas.TextWidth("HM"));
}

TEST_F(CanvasOnDib, TextOutWithASolidBrushFillsTheCellBackground)
{
    canvas.Brush()->SetColor(clGreen);
    canvas.TextOut(0, 0, " ");
    EXPECT_EQ(dib.At(0, 0), Green);
}

TEST_F(CanvasOnDib, TextRectClipsAndFillsItsRectangle)
{
    canvas.Brush()->SetColor(clBlue);
    canvas.Font()->SetColor(clRed);
    canvas.TextRect(Rect(0, 0, 6, 6), 0, 0, "WWWWWWWW");
    EXPECT_EQ(dib.At(0, 8), White);
    EXPECT_EQ(dib.At(7, 0), White);
    for (int x = 0; x < 6; ++x)
        EXPECT_NE(dib.At(x, 5), White);
}

TEST_F(CanvasOnDib, PixelsAreReadAndWritten)
{
    canvas.SetPixels(3, 4, clRed);
    EXPECT_EQ(dib.At(3, 4), Red);
    EXPECT_EQ(canvas.Pixels(3, 4), clRed);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    canvas.SetPixels(5, 5, clBtnFace);  // system colours are resolved
    EXPECT_EQ(dib.At(5, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixels(-1, 0), clNone);
    EXPECT_EQ(canvas.Pixels(40, 0), clNone);
}

TEST_F(CanvasOnDib, CopyRectStretchesFromAnotherCanvas)
{
    DibSection sourceDib(4, 4);
    sourceDib.Fill(Red);
    TCanvas source;
    source.SetHandle(sourceDib.DC());
    canvas.CopyRect(Rect(10, 10, 18, 18), &source, Rect(0, 0, 4, 4));
    EXPECT_EQ(dib.At(10, 10), Red);
    EXPECT_EQ(dib.At(17, 17), Red);
    EXPECT_EQ(dib.At(18, 18), White);

    canvas.SetCopyMode(NOTSRCCOPY);
    canvas.CopyRect(Rect(0, 0, 2, 2), &source, Rect(0, 0, 2, 2));
    EXPECT_EQ(dib.At(0, 0), RGB(0, 255, 255));
}

TEST_F(CanvasOnDib, ClipRectFollowsTheContextClipping)
{
    TRect clip = canvas.ClipRect();
    EXPECT_EQ(clip.right, 40);
    EXPECT_EQ(clip.bottom, 30);
    IntersectClipRect(dib.DC(), 5, 6, 10, 12);
    clip = canvas.ClipRect();
    EXPECT_EQ(clip.left, 5);
    EXPECT_EQ(clip.top, 6);
    EXPECT_EQ(clip.right, 10);
    EXPECT_EQ(clip.bottom, 12);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(dib.At(4, 6), White);
    EXPECT_EQ(dib.At(5, 6), Red);
    SelectClipRgn(dib.DC(), nullptr);
}

TEST_F(CanvasOnDib, ChangingAToolWhileSelectedTakesEffectAtTheNextCall)
{
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 4, 4));
    const HGDIOBJ first = GetCurrentObject(dib.DC(), OBJ_BRUSH);
    EXPECT_EQ(first, canvas.Brush()->Handle());

    canvas.Brush()->SetColor(clBlue);
    // The old brush went back out of the context and was deleted.
    EXPECT_NE(GetCurrentObject(dib.DC(), OBJ_BRUSH), first);
    EXPECT_EQ(GetObjectType(first), 0u);
    canvas.FillRect(Rect(4, 0, 8, 4));
    EXPECT_EQ(dib.At(1, 1), Red);
    EXPECT_EQ(dib.At(5, 1), Blue);
}

TEST_F(CanvasOnDib, AssigningAnEqualFontKeepsTheSelectedOne)
{
    TFont paintFont;
    paintFont.SetHeight(-13);
    canvas.SetFont(&paintFont);
    canvas.TextOut(0, 0, "a");
    const HGDIOBJ selected = GetCurrentObject(dib.DC(), OBJ_FONT);
    int changes = 0;
    const TNotifyEvent canvasHook = canvas.Font()->OnChange;
    canvas.Font()->OnChange = [&](TObject* sender) {
        ++changes;
        canvasHook(sender);
    };
    canvas.SetFont(&paintFont);  // what a control does before every paint
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(GetCurrentObject(dib.DC(), OBJ_FONT), selected);
}

TEST_F(CanvasOnDib, RefreshPutsTheContextsObjectsBackUntilTheNextCall)
{
    const HGDIOBJ pen = GetCurrentObject(dib.DC(), OBJ_PEN);
    canvas.Pen()->SetColor(clRed);
    canvas.LineTo(5, 0);
    EXPECT_EQ(GetCurrentObject(dib.DC(), OBJ_PEN), canvas.Pen()->Handle());
    canvas.Refresh();
    EXPECT_EQ(GetCurrentObject(dib.DC(), OBJ_PEN), pen);
    EXPECT_TRUE(canvas.HandleAllocated());
    canvas.MoveTo(0, 1);
    canvas.LineTo(5, 1);
    EXPECT_EQ(dib.At(2, 1), Red);
}

TEST(Canvas, HandingTheContextBackRestoresItsOwnObjectsAndModes)
{
    DibSection dib(20, 20);
    HDC dc = dib.DC();
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const int rop = GetROP2(dc);
    const int bkMode = GetBkMode(dc);
    const COLORREF textColor = GetTextColor(dc);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Pen()->SetMode(pmXor);
        canvas.Font()->SetColor(clRed);
        canvas.Brush()->SetStyle(bsClear);
        canvas.Rectangle(0, 0, 5, 5);
        canvas.TextOut(0, 0, "x");
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen()->Handle());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
        EXPECT_EQ(GetROP2(dc), R2_XORPEN);

        canvas.SetHandle(nullptr);
        EXPECT_FALSE(canvas.HandleAllocated());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
        EXPECT_EQ(GetROP2(dc), rop);
        EXPECT_EQ(GetBkMode(dc), bkMode);
        EXPECT_EQ(GetTextColor(dc), textColor);

        // Used again, the canvas selects its tools again.
        canvas.SetHandle(dc);
        canvas.Rectangle(0, 0, 5, 5);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen()->Handle());
    }
    // Destroying the canvas hands the context back too.
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
}

TEST(Canvas, SwitchingContextsLeavesNothingInThePreviousOne)
{
    DibSection first(10, 10);
    DibSection second(10, 10);
    const HGDIOBJ pen = GetCurrentObject(first.DC(), OBJ_PEN);
    TCanvas canvas;
    canvas.SetHandle(first.DC());
    canvas.Rectangle(0, 0, 4, 4);
    canvas.SetHandle(second.DC());
    EXPECT_EQ(GetCurrentObject(first.DC(), OBJ_PEN), pen);
    canvas.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(GetCurrentObject(second.DC(), OBJ_PEN), canvas.Pen()->Handle());
    canvas.SetHandle(nullptr);
}

TEST(Canvas, DrawsOnAWindowsContextToo)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 30, 20, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    HDC dc = GetDC(window);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 30, 20));
        canvas.Pen()->SetColor(clBlue);
        canvas.MoveTo(0, 10);
        canvas.LineTo(30, 10);
        canvas.SetHandle(nullptr);
    }
    DibSection copy(30, 20);
    BitBlt(copy.DC(), 0, 0, 30, 20, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    EXPECT_EQ(copy.At(5, 5), Red);
    EXPECT_EQ(copy.At(5, 10), Blue);
}

TEST(Canvas, WithoutAContextDrawingRaises)
{
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    try {
        canvas.Rectangle(0, 0, 4, 4);
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_STREQ(e.what(), "Canvas does not allow drawing");
    }
}

// A canvas that obtains its context itself, the first time one is needed.
class OnDemandCanvas : public TCanvas {
public:
    explicit OnDemandCanvas(HDC dc) : dc_(dc) {}
    int created = 0;

protected:
    void CreateHandle() override
    {
        ++created;
        SetHandle(dc_);
    }

private:
    HDC dc_;
};

TEST(Canvas, ASubclassSuppliesItsContextOnDemand)
{
    DibSection dib(10, 10);
    dib.Fill(White);
    OnDemandCanvas canvas(dib.DC());
    EXPECT_FALSE(canvas.HandleAllocated());
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.FillRect(Rect(2, 2, 4, 4));
    EXPECT_EQ(canvas.created, 1);
    EXPECT_EQ(canvas.Handle(), dib.DC());
    EXPECT_EQ(dib.At(3, 3), Red);
}

TEST(Canvas, DrawingCallsAreAnnouncedBeforeAndAfter)
{
    DibSection dib(10, 10);
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    std::string events;
    canvas.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &canvas);
        events += "<";
    };
    canvas.OnChange = [&](TObject*) { events += ">"; };
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.LineTo(5, 5);
    canvas.TextWidth("abc");  // measuring changes nothing
    EXPECT_EQ(events, "<><>");
}

TEST(Canvas, LockIsReentrantAndExcludesOtherThreads)
{
    TCanvas canvas;
    canvas.Lock();
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 2);

    std::atomic<bool> otherGotIt{true};
    std::thread([&] { otherGotIt = canvas.TryLock(); }).join();
    EXPECT_FALSE(otherGotIt);

    canvas.Unlock();
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0);
    std::thread([&] {
        otherGotIt = canvas.TryLock();
        if (otherGotIt)
            canvas.Unlock();
    }).join();
    EXPECT_TRUE(otherGotIt);
}

}  // namespace
