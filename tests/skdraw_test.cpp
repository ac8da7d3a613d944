#include "styling/core/skdraw.h"

#include "framework/graphics/bitmap.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TColor A = 0x0000C0;  // red 0xC0
constexpr TColor B = 0x00A000;  // green 0xA0

// A white 32-bit bitmap with a canvas over it; pixels read as plain colours.
class CanvasTest : public ::testing::Test {
protected:
    void Make(int w, int h)
    {
        canvas.SetHandle(nullptr);
        bitmap.SetSize(w, h);
        bitmap.Fill(0xFFFFFFFF);
        canvas.SetHandle(bitmap.DC());
    }
    void SetUp() override { Make(6, 6); }
    void TearDown() override { canvas.SetHandle(nullptr); }
    TColor At(int x, int y) { return SkColorToColor(bitmap.GetPixel(x, y)); }
    // One letter per pixel of a row: '.' white, 'a' A, 'b' B, '?' anything else.
    std::string Row(int y)
    {
        std::string s;
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor c = At(x, y);
            s += c == clWhite ? '.' : c == A ? 'a' : c == B ? 'b' : '?';
        }
        return s;
    }
    TSkBitmap bitmap;
    TCanvas canvas;
};

} // namespace

TEST_F(CanvasTest, FillsAndFramesStayInsideTheirRectangles)
{
    FillRectColor(&canvas, TRect{1, 1, 3, 4}, A);
    FrameRectColor(&canvas, 2, 2, 6, 6, B);
    FillRectColor(&canvas, TRect{5, 5, 1, 1}, A);  // inverted: nothing
    FrameRectColor(&canvas, TRect{4, 0, 4, 3}, A);  // empty: nothing
    EXPECT_EQ(Row(0), "......");
    EXPECT_EQ(Row(1), ".aa...");
    EXPECT_EQ(Row(2), ".abbbb");
    EXPECT_EQ(Row(3), ".ab..b");
    EXPECT_EQ(Row(4), "..b..b");
    EXPECT_EQ(Row(5), "..bbbb");
}

TEST_F(CanvasTest, Frame3DGivesTheFarCornersToTheBottomRight)
{
    DrawFrame3D(&canvas, TRect{1, 1, 5, 5}, A, B);
    EXPECT_EQ(Row(1), ".aaab.");
    EXPECT_EQ(Row(2), ".a..b.");
    EXPECT_EQ(Row(3), ".a..b.");
    EXPECT_EQ(Row(4), ".bbbb.");
    EXPECT_EQ(Row(5), "......");
}

TEST_F(CanvasTest, BevelLinesMoveTheDrawnSidesInward)
{
    TRect r{0, 0, 5, 5};
    DrawBevelLines(&canvas, r, TSkBevelSides{kbvLeft, kbvTop}, 2, A, B);
    EXPECT_TRUE(RectsEqual(r, TRect{2, 2, 5, 5}));
    EXPECT_EQ(Row(0), "aaaaa.");
    EXPECT_EQ(Row(1), "aaaaa.");
    EXPECT_EQ(Row(4), "aa....");

    Make(6, 6);
    r = TRect{0, 0, 5, 5};
    DrawBevelLines(&canvas, r, TSkBevelSides{kbvRight, kbvBottom}, 1, A, B);
    EXPECT_TRUE(RectsEqual(r, TRect{0, 0, 4, 4}));
    EXPECT_EQ(Row(0), "....b.");
    EXPECT_EQ(Row(4), "bbbbb.");
}

TEST_F(CanvasTest, PolygonsRoundRectanglesLinesAndFocus)
{
    const std::vector<TPoint> square{{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    PolygonColor(&canvas, square, A);
    EXPECT_EQ(Row(2), ".aaaa.");
    Make(6, 6);
    FramePolygonColor(&canvas, square, B);
    EXPECT_EQ(Row(1), ".bbbb.");
    EXPECT_EQ(Row(2), ".b..b.");
    Make(6, 6);
    DitherFillPolygon(&canvas, {{0, 0}, {6, 0}, {6, 6}, {0, 6}}, A, B);
    EXPECT_EQ(Row(2), "bababa");

    Make(10, 10);
    FillRoundRectColor(&canvas, TRect{0, 0, 10, 10}, 6, A);
    EXPECT_EQ(At(0, 0), clWhite);  // the corner is rounded off
    EXPECT_EQ(At(5, 0), A);
    EXPECT_EQ(At(5, 5), A);
    Make(10, 10);
    FrameRoundRectColor(&canvas, TRect{0, 0, 10, 10}, 6, B);
    EXPECT_EQ(At(5, 0), B);
    EXPECT_EQ(At(5, 5), clWhite);

    Make(6, 6);
    MoveTo(&canvas, 0, 3);
    LineToColor(&canvas, 5, 3, B);
    EXPECT_EQ(Row(3), "bbbbb.");
    Make(6, 6);
    DrawFocusRectColor(&canvas, TRect{0, 0, 6, 6}, A);
    EXPECT_NE(Row(0), "......");  // dotted, drawn by XOR
    EXPECT_EQ(Row(3).substr(1, 4), "....");
}

TEST_F(CanvasTest, GradientBandsRoundHalvesToEvenAndStopShortOfTheEnd)
{
    Make(10, 2);
    GradientFillRect(&canvas, TRect{0, 0, 10, 2}, clBlack, clRed, false);
    const int reds[10] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(At(x, 0), reds[x]) << x;
        EXPECT_EQ(At(x, 1), reds[x]) << x;
    }

    Make(2, 300);  // taller than 255: bands of one or two rows
    GradientFillRect(&canvas, TRect{0, 0, 2, 300}, clBlack, clWhite, true);
    EXPECT_EQ(At(0, 0), clBlack);
    EXPECT_NE(At(1, 299), clWhite);
    for (int y = 1; y < 300; ++y)
        ASSERT_GE(At(0, y) & 0xFF, At(0, y - 1) & 0xFF) << y;
    GradientFillRect(&canvas, TRect{0, 5, 2, 5}, clRed, clRed, true);  // empty
    EXPECT_NE(At(0, 5), clRed);
}

TEST_F(CanvasTest, DitherIsASinglePixelCheckerboard)
{
    DitherFillRect(&canvas, TRect{-3, 1, 4, 3}, A, B);
    EXPECT_EQ(Row(0), "......");
    EXPECT_EQ(Row(1), "abab..");
    EXPECT_EQ(Row(2), "baba..");
    // The brush does not linger: a plain fill after it is plain.
    FillRectColor(&canvas, TRect{0, 4, 6, 5}, A);
    EXPECT_EQ(Row(4), "aaaaaa");
}

TEST_F(CanvasTest, FrameGlyphsTakeOneColourAndKeepTheBackground)
{
    Make(16, 16);
    DrawFrameGlyph(&canvas, TRect{0, 0, 16, 16}, DFC_MENU, A, DFCS_MENUCHECK);
    int ink = 0, other = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            At(x, y) == A ? ++ink : At(x, y) == clWhite ? 0 : ++other;
    EXPECT_GT(ink, 5);
    EXPECT_EQ(other, 0);
}

TEST_F(CanvasTest, IconsAreCentredAtSixteenPixels)
{
    Make(30, 30);
    bitmap.Fill(0xFF123456);
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    DrawIconCentered(&canvas, TRect{0, 0, 30, 30}, icon);
    int changedOutside = 0, changedInside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            bool inside = x >= 7 && x < 23 && y >= 7 && y < 23;
            bool changed = bitmap.GetPixel(x, y) != 0xFF123456u;
            (inside ? changedInside : changedOutside) += changed;
        }
    EXPECT_GT(changedInside, 0);
    EXPECT_EQ(changedOutside, 0);
}

TEST_F(CanvasTest, WideTextIsDrawnAndMeasuredTheSameThroughEitherApi)
{
    Make(80, 30);
    canvas.Font()->SetColor(clBlack);
    int ansiWidth = TextWidthWide(&canvas, L"Sheet", DT_SINGLELINE);
    TSkControlsUnit unit;  // NT platform: the wide API
    int wideWidth = TextWidthWide(&canvas, L"Sheet", DT_SINGLELINE);
    EXPECT_GT(wideWidth, TextWidthWide(&canvas, L"S", DT_SINGLELINE));
    EXPECT_EQ(wideWidth, ansiWidth);
    EXPECT_GT(TextHeightWide(&canvas, L"Sheet"), 5);

    TRect r{0, 0, 80, 30};
    EXPECT_EQ(DrawTextWide(&canvas, L"Sheet", r, DT_SINGLELINE), TextHeightWide(&canvas, L"Sheet"));
    int dark = 0, white = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            At(x, y) == clWhite ? ++white : ++dark;
    EXPECT_GT(dark, 10);
    EXPECT_GT(white, 80 * 30 / 2);  // transparent background
}

TEST_F(CanvasTest, TruncationKeepsTheLongestPrefixThatFitsWithDots)
{
    HDC dc = canvas.Handle();
    canvas.TextExtent(std::string());  // the canvas's font selected
    auto width = [&](const std::wstring& s) {
        SIZE size{};
        GetTextExtentPoint32W(dc, s.data(), int(s.size()), &size);
        return int(size.cx);
    };
    const std::wstring text = L"Sheet Mill";
    EXPECT_EQ(TruncateTextWide(dc, text, width(text)), text);
    EXPECT_EQ(TruncateTextWide(dc, text, width(L"Shee...")), L"Shee...");
    EXPECT_EQ(TruncateTextWide(dc, text, width(L"Shee...") + 1), L"Shee...");
    EXPECT_EQ(TruncateTextWide(dc, text, 1), L"...");
    EXPECT_EQ(TruncateTextWide(dc, L"", 0), L"");
}

TEST(SkBitmapFramework, AssignsWithFrameworkBitmapsBothWays)
{
    TBitmap source(3, 2, pf32bit);
    for (int y = 0; y < 2; ++y) {
        auto* row = static_cast<uint32_t*>(source.ScanLine(y));
        for (int x = 0; x < 3; ++x)
            row[x] = 0x00102030u + uint32_t(x * 0x10 + y);
    }
    TSkBitmap b;
    b.Assign(&source);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.GetPixel(2, 1), 0xFF102051u);  // opaque

    *b.PixelPtr(0, 0) = 0xFFABCDEF;
    TBitmap back;
    back.Assign(&b);
    ASSERT_EQ(back.Width(), 3);
    EXPECT_EQ(static_cast<uint32_t*>(back.ScanLine(0))[0] & SkColorMask, 0xABCDEFu);
    EXPECT_EQ(static_cast<uint32_t*>(back.ScanLine(1))[2] & SkColorMask, 0x102051u);

    TCanvas canvas;
    TSkBitmap target;
    target.SetSize(4, 4);
    target.Fill(0);
    canvas.SetHandle(target.DC());
    b.Draw(&canvas, 1, 1, false);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(target.GetPixel(1, 1), 0xFFABCDEFu);
}

namespace {

void DrawEverything(int rounds)
{
    TSkControlsUnit unit;
    TSkBitmap target;
    target.SetSize(300, 300);
    TCanvas canvas;
    canvas.SetHandle(target.DC());
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    for (const TRect& r : {TRect{5, 5, 5, 5}, TRect{5, 5, 6, 6}, TRect{-50, -20, 400, 350},
                           TRect{20, 20, 10, 10}}) {
        const std::vector<TPoint> points{{r.left, r.top}, {r.right, r.top}, {r.left, r.bottom}};
        for (int i = 0; i < rounds; ++i) {
            FillRectColor(&canvas, r, A);
            FrameRectColor(&canvas, r, B);
            DrawFrame3D(&canvas, r, A, B);
            TRect bevel = r;
            DrawBevelLines(&canvas, bevel, TSkBevelSides{kbvLeft, kbvTop, kbvRight, kbvBottom}, 3,
                           A, B);
            FillRoundRectColor(&canvas, r, 4, A);
            FrameRoundRectColor(&canvas, r, 4, B);
            PolygonColor(&canvas, points, A);
            FramePolygonColor(&canvas, points, B);
            DrawFocusRectColor(&canvas, r, A);
            GradientFillRect(&canvas, r, A, B, i % 2 == 0);
            DitherFillRect(&canvas, r, A, B);
            DitherFillPolygon(&canvas, points, A, B);
            DrawFrameGlyph(&canvas, r, DFC_CAPTION, A, DFCS_CAPTIONCLOSE);
            DrawIconCentered(&canvas, r, icon);
            TRect text = r;
            DrawTextWide(&canvas, L"Sheet Mill", text, DT_SINGLELINE);
        }
    }
    canvas.SetHandle(nullptr);
}

} // namespace

TEST(SkDrawSmoke, EveryRoutineAtEverySizeLeavesNoObjectBehind)
{
    DrawEverything(1);  // the system's own caches (fonts, icons) fill on first use
    const DWORD before = GdiObjectCount();
    DrawEverything(20);
    EXPECT_EQ(GdiObjectCount(), before);
}
