#include "styling/core/skdraw.h"

#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr TColor A = 0x0000C0, B = 0x00A000;  // red 0xC0, green 0xA0

// A white 32-bit bitmap with a canvas over it.
class CanvasTest : public ::testing::Test {
protected:
    void Make(int w, int h, TSkColor fill = 0xFFFFFFFF)
    {
        canvas.SetHandle(nullptr);
        bitmap.SetSize(w, h);
        bitmap.Fill(fill);
        canvas.SetHandle(bitmap.DC());
    }
    void TearDown() override { canvas.SetHandle(nullptr); }
    TColor At(int x, int y) { return SkColorToColor(bitmap.GetPixel(x, y)); }
    // Rows joined by '/', a letter per pixel: '.' white, 'a' A, 'b' B, '?' other.
    std::string Picture()
    {
        std::string s;
        for (int y = 0; y < bitmap.Height(); ++y, s += y < bitmap.Height() ? "/" : "")
            for (int x = 0; x < bitmap.Width(); ++x)
                s += At(x, y) == clWhite ? '.' : At(x, y) == A ? 'a' : At(x, y) == B ? 'b' : '?';
        return s;
    }
    TSkBitmap bitmap;
    TCanvas canvas;
};

using TRoutine = void (*)(TCanvas*, const TRect&);
std::vector<TPoint> Corners(const TRect& r)
{
    return {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
}

// Each routine drawn into {1, 1, 5, 5} of a 6 x 6 picture ('*': any pixel).
// Those bound by a rectangle draw nothing into an empty or inverted one.
const struct {
    const char* name;
    TRoutine draw;
    bool rectBound;
    const char* picture;
} Routines[] = {
    {"fill", [](TCanvas* c, const TRect& r) { FillRectColor(c, r, A); }, true,
     "....../.aaaa./.aaaa./.aaaa./.aaaa./......"},
    {"frame", [](TCanvas* c, const TRect& r) { FrameRectColor(c, r, B); }, true,
     "....../.bbbb./.b..b./.b..b./.bbbb./......"},
    {"3-D frame: far corners bottom right", [](TCanvas* c, const TRect& r) { DrawFrame3D(c, r, A, B); },
     true, "....../.aaab./.a..b./.a..b./.bbbb./......"},
    {"bevel rings move inward", [](TCanvas* c, const TRect& r) {
         TRect inner = r;
         DrawBevelLines(c, inner, TSkBevelSides{kbvLeft, kbvTop}, 2, A, B);
         DrawBevelLines(c, inner, TSkBevelSides{kbvRight, kbvBottom}, 1, A, B);
     }, true, "....../.aaaa./.aaaa./.aa.b./.aabb./......"},
    {"round fill", [](TCanvas* c, const TRect& r) { FillRoundRectColor(c, r, 3, A); }, true,
     "....../..aa../.aaaa./.aaaa./..aa../......"},
    {"round frame", [](TCanvas* c, const TRect& r) { FrameRoundRectColor(c, r, 3, B); }, true,
     "....../..bb../.b..b./.b..b./..bb../......"},
    {"focus rectangle", [](TCanvas* c, const TRect& r) { DrawFocusRectColor(c, r, A); }, true,
     "....../..?.?./.?..../....?./.?.?../......"},
    {"dither, then a plain fill", [](TCanvas* c, const TRect& r) {
         DitherFillRect(c, r, A, B);
         FillRectColor(c, TRect{r.left, r.top + 3, r.right, r.bottom}, A);
     }, true, "....../.baba./.abab./.baba./.aaaa./......"},
    {"gradient", [](TCanvas* c, const TRect& r) { GradientFillRect(c, r, A, B, false); }, true,
     "....../.a???./.a???./.a???./.a???./......"},
    {"glyph", [](TCanvas* c, const TRect& r) { DrawFrameGlyph(c, r, DFC_CAPTION, A, DFCS_CAPTIONCLOSE); },
     true, nullptr},
    {"icon", [](TCanvas* c, const TRect& r) { DrawIconCentered(c, r, LoadIcon(nullptr, IDI_APPLICATION)); },
     true, nullptr},
    {"text", [](TCanvas* c, const TRect& r) {
         TRect box = r;
         DrawTextWide(c, L"Sheet Mill", box, DT_SINGLELINE);
     }, false, nullptr},
    {"polygon", [](TCanvas* c, const TRect& r) { PolygonColor(c, Corners(r), A); }, false,
     "....../.aaaa./.aaaa./.aaaa./.aaaa./......"},
    {"polygon frame", [](TCanvas* c, const TRect& r) { FramePolygonColor(c, Corners(r), B); }, false,
     "....../.bbbb./.b..b./.b..b./.bbbb./......"},
    {"dithered polygon", [](TCanvas* c, const TRect& r) { DitherFillPolygon(c, Corners(r), A, B); },
     false, "....../.bab../.aba../.bab../....../......"},
    {"line", [](TCanvas* c, const TRect& r) {
         MoveTo(c, r.left, r.top);
         LineToColor(c, r.right, r.top, B);
     }, false, "....../.bbbb./....../....../....../......"},
};

} // namespace

TEST_F(CanvasTest, EveryRoutineDrawsItsShapeAndNothingIntoEmptyRectangles)
{
    for (const auto& routine : Routines) {
        SCOPED_TRACE(routine.name);
        Make(6, 6);
        routine.draw(&canvas, TRect{1, 1, 5, 5});
        const std::string picture = Picture();
        for (size_t i = 0; routine.picture && i < picture.size(); ++i)
            if (routine.picture[i] != '*') {
                ASSERT_EQ(picture[i], routine.picture[i]) << i << " in " << picture;
            }
        if (!routine.rectBound)
            continue;
        Make(6, 6);
        for (const TRect& r : {TRect{3, 3, 3, 3}, TRect{4, 4, 2, 2}, TRect{2, 5, 4, 1}})
            routine.draw(&canvas, r);
        EXPECT_EQ(Picture(), "....../....../....../....../....../......");
    }
}

TEST_F(CanvasTest, EveryRoutineAtEverySizeLeavesNoObjectBehind)
{
    TSkControlsUnit unit;
    auto everything = [&](int rounds) {
        Make(300, 300);
        for (int i = 0; i < rounds; ++i)
            for (const auto& routine : Routines)
                for (const TRect& r : {TRect{5, 5, 5, 5}, TRect{5, 5, 6, 6},
                                       TRect{-50, -20, 400, 350}, TRect{20, 20, 10, 10}})
                    routine.draw(&canvas, r);
    };
    everything(1);  // the system's own caches (fonts, icons) fill on first use
    const DWORD before = GdiObjectCount();
    everything(20);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(CanvasTest, GradientBandsRoundHalvesToEvenAndStopShortOfTheEnd)
{
    Make(10, 2);
    GradientFillRect(&canvas, TRect{0, 0, 10, 2}, clBlack, clRed, false);
    const int reds[10] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(At(x, 1), reds[x]) << x;
    Make(2, 300);  // taller than 255: bands of one or two rows
    GradientFillRect(&canvas, TRect{0, 0, 2, 300}, clBlack, clWhite, true);
    EXPECT_NE(At(1, 299), clWhite);
    for (int y = 1; y < 300; ++y)
        ASSERT_GE(At(0, y) & 0xFF, At(0, y - 1) & 0xFF) << y;
}

TEST_F(CanvasTest, GlyphsTakeOneColourAndIconsAreCentredAtSixteenPixels)
{
    Make(30, 30, 0xFF123456);
    DrawIconCentered(&canvas, TRect{0, 0, 30, 30}, LoadIcon(nullptr, IDI_APPLICATION));
    int inside = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            (x >= 7 && x < 23 && y >= 7 && y < 23 ? inside : outside) += bitmap.GetPixel(x, y) != 0xFF123456u;
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    Make(16, 16);
    DrawFrameGlyph(&canvas, TRect{0, 0, 16, 16}, DFC_MENU, A, DFCS_MENUCHECK);
    const std::string glyph = Picture();
    EXPECT_GT(std::count(glyph.begin(), glyph.end(), 'a'), 5) << glyph;
    EXPECT_EQ(glyph.find_first_not_of("./a"), std::string::npos) << glyph;
}

TEST_F(CanvasTest, WideTextIsDrawnTransparentlyAndMeasuredAlikeThroughEitherApi)
{
    Make(80, 30);
    canvas.Font()->SetColor(clBlack);
    const int ansiWidth = TextWidthWide(&canvas, L"Sheet", DT_SINGLELINE);
    TSkControlsUnit unit;  // NT platform: the wide API
    EXPECT_EQ(TextWidthWide(&canvas, L"Sheet", DT_SINGLELINE), ansiWidth);
    EXPECT_GT(ansiWidth, TextWidthWide(&canvas, L"S", DT_SINGLELINE));
    TRect r{0, 0, 80, 30};
    EXPECT_EQ(DrawTextWide(&canvas, L"Sheet", r, DT_SINGLELINE), TextHeightWide(&canvas, L"Sheet"));
    const std::string text = Picture();
    EXPECT_GT(std::count(text.begin(), text.end(), '?'), 10);
    EXPECT_GT(std::count(text.begin(), text.end(), '.'), 80 * 30 / 2);  // no background

    HDC dc = canvas.Handle();
    auto width = [&](const std::wstring& s) {
        SIZE size{};
        GetTextExtentPoint32W(dc, s.data(), int(s.size()), &size);
        return int(size.cx);
    };
    const std::wstring name = L"Sheet Mill";
    EXPECT_EQ(TruncateTextWide(dc, name, width(name)), name);
    EXPECT_EQ(TruncateTextWide(dc, name, width(L"Shee...") + 1), L"Shee...");
    EXPECT_EQ(TruncateTextWide(dc, name, 1), L"...");
}
