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

// A white bitmap of w x h with a canvas over it.
struct Surface {
    Surface(int w, int h)
    {
        bitmap.SetSize(w, h);
        bitmap.Fill(0xFFFFFFFF);
        canvas.SetHandle(bitmap.DC());
    }
    ~Surface() { canvas.SetHandle(nullptr); }
    // Rows joined by '/', a letter per pixel: '.' white, 'a' A, 'b' B, '?' other.
    std::string Picture() const
    {
        std::string s;
        for (int y = 0; y < bitmap.Height(); ++y, s += y < bitmap.Height() ? "/" : "")
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = SkColorToColor(bitmap.GetPixel(x, y));
                s += c == clWhite ? '.' : c == A ? 'a' : c == B ? 'b' : '?';
            }
        return s;
    }
    TSkBitmap bitmap;
    TCanvas canvas;
};

std::vector<TPoint> Corners(const TRect& r)
{
    return {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
}

// A on every third diagonal of the 8 x 8 grid, B elsewhere.
std::array<TColor, 64> DiagonalPattern()
{
    std::array<TColor, 64> p;
    for (int i = 0; i < 64; ++i)
        p[size_t(i)] = (i % 8 + i / 8) % 3 == 0 ? A : B;
    return p;
}

using TRoutine = void (*)(TCanvas*, const TRect&);
#define ROUTINE(...) [](TCanvas* c, const TRect& r) { __VA_ARGS__; }
// Each routine drawn into {1, 1, 5, 5} of a 6 x 6 picture, and its picture
// (those without one are checked for nothing but the rectangle rule).
const std::pair<TRoutine, const char*> Bound[] = {
    {ROUTINE(FillRectColor(c, r, A)), "....../.aaaa./.aaaa./.aaaa./.aaaa./......"},
    {ROUTINE(FrameRectColor(c, r, B)), "....../.bbbb./.b..b./.b..b./.bbbb./......"},
    {ROUTINE(DrawFrame3D(c, r, A, B)), "....../.aaab./.a..b./.a..b./.bbbb./......"},  // far corners bottom right
    {ROUTINE(TRect inner = r;  // each ring moves the drawn sides inward
             DrawBevelLines(c, inner, TSkBevelSides{kbvLeft, kbvTop}, 2, A, B);
             DrawBevelLines(c, inner, TSkBevelSides{kbvRight, kbvBottom}, 1, A, B)),
     "....../.aaaa./.aaaa./.aa.b./.aabb./......"},
    {ROUTINE(FillRoundRectColor(c, r, 3, A)), "....../..aa../.aaaa./.aaaa./..aa../......"},
    {ROUTINE(FrameRoundRectColor(c, r, 3, B)), "....../..bb../.b..b./.b..b./..bb../......"},
    {ROUTINE(DrawFocusRectColor(c, r, A)), "....../..?.?./.?..../....?./.?.?../......"},
    {ROUTINE(DitherFillRect(c, r, A, B); FillRectColor(c, TRect{r.left, r.top + 3, r.right, r.bottom}, A)),
     "....../.baba./.abab./.baba./.aaaa./......"},  // no pattern lingers after a dither
    {ROUTINE(GradientFillRect(c, r, A, B, false)), "....../.a???./.a???./.a???./.a???./......"},
    {ROUTINE(DrawFrameGlyph(c, r, DFC_CAPTION, A, DFCS_CAPTIONCLOSE)), nullptr},
    {ROUTINE(DrawIconCentered(c, r, LoadIcon(nullptr, IDI_APPLICATION))), nullptr},
    {ROUTINE(TRect inner = r; DrawOutline(c, inner, B); FillRectColor(c, inner, A)),
     "....../.bbbb./.baab./.baab./.bbbb./......"},  // the outline leaves the rectangle inside it
    {ROUTINE(FillCornerTriangle(c, r, A)), "....../....a./...aa./..aaa./.aaaa./......"},
    {ROUTINE(DrawProgressFill(c, r, r, false, true, A, B)), "....../....../..bb../..bb../....../......"},
    {ROUTINE(DrawRoundOutline(c, r, B)), "....../..bb../.b..b./.b..b./..bb../......"},  // corners left alone
    {ROUTINE(PatternFillRect(c, r, DiagonalPattern())), "....../.babb./.abba./.bbab./.babb./......"},
};
// Routines that take points or text instead.
const std::pair<TRoutine, const char*> Unbound[] = {
    {ROUTINE(PolygonColor(c, Corners(r), A)), "....../.aaaa./.aaaa./.aaaa./.aaaa./......"},
    {ROUTINE(FramePolygonColor(c, Corners(r), B)), "....../.bbbb./.b..b./.b..b./.bbbb./......"},
    {ROUTINE(DitherFillPolygon(c, Corners(r), A, B)), "....../.bab../.aba../.bab../....../......"},
    {ROUTINE(MoveTo(c, r.left, r.top); LineToColor(c, r.right, r.top, B)), "....../.bbbb./....../....../....../......"},
    {ROUTINE(TRect box = r; DrawTextWide(c, L"Sheet Mill", box, DT_SINGLELINE)), nullptr},
    {ROUTINE(DrawGroupBoxLine(c, {r.left, r.top, r.right - 1, r.bottom - 1}, {r.left + 1, 0, r.left + 2, 0}, 0, B)),
     "....../.b.bb./.b..b./.b..b./.bbbb./......"},  // broken where the caption stands
};
#undef ROUTINE

} // namespace

TEST(SkDraw, EveryRoutineDrawsItsShapeAndNothingIntoEmptyRectangles)
{
    auto check = [](const std::pair<TRoutine, const char*>& routine, bool bound) {
        Surface shape(6, 6), empty(6, 6);
        routine.first(&shape.canvas, TRect{1, 1, 5, 5});
        if (routine.second) {
            EXPECT_EQ(shape.Picture(), routine.second);
        }
        for (const TRect& r : {TRect{3, 3, 3, 3}, TRect{4, 4, 2, 2}, TRect{2, 5, 4, 1}})
            if (bound)
                routine.first(&empty.canvas, r);
        EXPECT_EQ(empty.Picture(), "....../....../....../....../....../......");
    };
    for (const auto& routine : Bound)
        check(routine, true);
    for (const auto& routine : Unbound)
        check(routine, false);
}

TEST(SkDraw, EveryRoutineAtEverySizeLeavesNoObjectBehind)
{
    TSkControlsUnit unit;
    Surface large(300, 300);
    auto everything = [&](int rounds) {
        for (int i = 0; i < rounds; ++i)
            for (const TRect& r : {TRect{5, 5, 5, 5}, TRect{5, 5, 6, 6}, TRect{-50, -20, 400, 350}, TRect{20, 20, 10, 10}}) {
                for (const auto& routine : Bound)
                    routine.first(&large.canvas, r);
                for (const auto& routine : Unbound)
                    routine.first(&large.canvas, r);
            }
    };
    everything(1);  // the system's own caches (fonts, icons) fill on first use
    const DWORD before = GdiObjectCount();
    everything(20);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(SkDraw, GradientBandsRoundHalvesToEvenAndStopShortOfTheEnd)
{
    Surface wide(10, 1), tall(1, 300);  // taller than 255: bands of one or two rows
    GradientFillRect(&wide.canvas, TRect{0, 0, 10, 1}, clBlack, clRed, false);
    GradientFillRect(&tall.canvas, TRect{0, 0, 1, 300}, clBlack, clWhite, true);
    const int reds[10] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(wide.bitmap.GetPixel(x, 0) & SkColorMask, TSkColor(reds[x]) << 16) << x;
    for (int y = 1; y < 300; ++y)
        ASSERT_GE(tall.bitmap.GetPixel(0, y) & 0xFF, tall.bitmap.GetPixel(0, y - 1) & 0xFF) << y;
    EXPECT_LT(tall.bitmap.GetPixel(0, 299) & 0xFF, 0xFFu);
}

TEST(SkDraw, GlyphsTakeOneColourAndIconsAreCentredAtSixteenPixels)
{
    Surface glyph(16, 16), centred(30, 30), placed(30, 30);
    DrawFrameGlyph(&glyph.canvas, TRect{0, 0, 16, 16}, DFC_MENU, A, DFCS_MENUCHECK);
    const std::string check = glyph.Picture();
    EXPECT_GT(std::count(check.begin(), check.end(), 'a'), 5) << check;
    EXPECT_EQ(check.find_first_not_of("./a"), std::string::npos) << check;
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    DrawIconCentered(&centred.canvas, TRect{0, 0, 30, 30}, icon);
    DrawIconEx(placed.canvas.Handle(), 7, 7, icon, 16, 16, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(centred.Picture(), placed.Picture());
}

TEST(SkDraw, WideTextIsDrawnTransparentlyMeasuredAlikeThroughEitherApiAndCutWithDots)
{
    Surface text(80, 30);
    TCanvas* canvas = &text.canvas;
    const int ansiWidth = TextWidthWide(canvas, L"Sheet", DT_SINGLELINE);
    TSkControlsUnit unit;  // an NT platform: the wide API
    EXPECT_EQ(TextWidthWide(canvas, L"Sheet", DT_SINGLELINE), ansiWidth);
    EXPECT_GT(ansiWidth, TextWidthWide(canvas, L"S", DT_SINGLELINE));
    TRect r{0, 0, 80, 30};
    EXPECT_EQ(DrawTextWide(canvas, L"Sheet", r, DT_SINGLELINE), TextHeightWide(canvas, L"Sheet"));
    const std::string drawn = text.Picture();
    EXPECT_GT(std::count(drawn.begin(), drawn.end(), '?'), 10);
    EXPECT_GT(std::count(drawn.begin(), drawn.end(), '.'), 80 * 30 / 2);  // no background
    const int whole = TextWidthWide(canvas, L"Sheet Mill", DT_SINGLELINE);
    const int cut = TextWidthWide(canvas, L"Shee...", DT_SINGLELINE);
    EXPECT_EQ(TruncateTextWide(canvas->Handle(), L"Sheet Mill", whole), L"Sheet Mill");
    EXPECT_EQ(TruncateTextWide(canvas->Handle(), L"Sheet Mill", cut + 1), L"Shee...");
    EXPECT_EQ(TruncateTextWide(canvas->Handle(), L"Sheet Mill", 1), L"...");
}

TEST(SkDraw, FillsStraightIntoAPaintBufferMatchGdiToTheByte)
{
    // The same routines through GDI (a plain DIB) and past it (a paint
    // buffer), shifted and clipped, must leave the same 32-bit values.
    const std::pair<TRoutine, const char*> direct[] = {Bound[0], Bound[1], Bound[2], Bound[7], Bound[8], Bound[9],
                                                        Bound[11], Bound[12], Bound[14], Bound[15]};
    for (const auto& routine : direct)
        for (const TRect& r : {TRect{1, 1, 9, 7}, TRect{-3, 2, 4, 12}, TRect{2, 2, 4, 4}, TRect{5, 5, 6, 9}}) {
            Surface buffer(10, 10);
            buffer.bitmap.Fill(0x00FFFFFF);
            DibSection plain(10, 10);
            plain.Fill(RGB(255, 255, 255));
            TCanvas canvas;
            canvas.SetHandle(plain.DC());
            GdiFlush();
            for (HDC dc : {buffer.bitmap.DC(), plain.DC()}) {
                SetViewportOrgEx(dc, 1, 0, nullptr);
                IntersectClipRect(dc, 0, 1, 8, 9);
            }
            routine.first(&buffer.canvas, r);
            routine.first(&canvas, r);
            canvas.SetHandle(nullptr);
            GdiFlush();
            for (int i = 0; i < 100; ++i)
                ASSERT_EQ(plain.Bits()[i], buffer.bitmap.Pixels()[i])
                    << i % 10 << "," << i / 10 << " " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        }
}

TEST(SkDraw, ABatchKeepsGdiDrawingInOrderAndLeavesOtherBuffersAndLaterOriginsAlone)
{
    Surface one(6, 6), two(6, 6);
    {
        TSkDrawBatch batch(&one.canvas);
        TSkDrawBatch inner(&one.canvas);  // nested: the outer one's layout stays
        PolygonColor(&one.canvas, Corners({0, 0, 6, 6}), B);  // through GDI
        FillRectColor(&one.canvas, {1, 1, 5, 5}, A);          // straight into the pixels, after it
        SetViewportOrgEx(two.bitmap.DC(), 1, 1, nullptr);     // another buffer, read for itself
        FillRectColor(&two.canvas, {0, 0, 2, 2}, A);
    }
    EXPECT_EQ(one.Picture(), "bbbbbb/baaaab/baaaab/baaaab/baaaab/bbbbbb");
    EXPECT_EQ(two.Picture(), "....../.aa.../.aa.../....../....../......");
    // Once the batch is gone, a moved origin is read again.
    SetViewportOrgEx(one.bitmap.DC(), 2, 2, nullptr);
    FillRectColor(&one.canvas, {0, 0, 1, 1}, B);
    EXPECT_EQ(one.bitmap.GetPixel(2, 2) & SkColorMask, ColorToSkColor(B) & SkColorMask);
}
