#include "styling/core/skbitmap.h"

#include "framework/base/streams.h"
#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"
#include "tests/support/pcxbuilder.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <vector>

namespace {

constexpr TSkColor Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF;
constexpr TSkColor Black = 0xFF000000;

// A bitmap of w x h filled with one value.
struct Filled : TSkBitmap {
    Filled(int w, int h, TSkColor value)
    {
        SetSize(w, h);
        Fill(value);
    }
};

// The colours of a row, alpha left out.
std::vector<TSkColor> RowColors(const TSkBitmap& b, int y)
{
    std::vector<TSkColor> row;
    for (int x = 0; x < b.Width(); ++x)
        row.push_back(b.GetPixel(x, y) & SkColorMask);
    return row;
}

// A source of 4 x 1: red, green, blue, key.
struct Strip : Filled {
    Strip() : Filled(4, 1, 0)
    {
        *PixelPtr(0, 0) = Red;
        *PixelPtr(1, 0) = Green;
        *PixelPtr(2, 0) = Blue;
        *PixelPtr(3, 0) = SkTransparentColor;
    }
};

} // namespace

TEST(SkBitmapStorage, SizeEventsAndPixelLayout)
{
    std::vector<std::string> events;
    {
        TSkBitmap b;
        b.OnChanging = [&](TObject*) { events.push_back("changing"); };
        b.OnChange = [&](TObject*) { events.push_back("change"); };
        EXPECT_TRUE(b.IsEmpty());
        EXPECT_EQ(b.GetPixel(0, 0), SkInvalidPixel);

        b.SetSize(-20, 10);
        EXPECT_EQ(b.Width(), 20);
        EXPECT_EQ(b.Height(), 10);
        EXPECT_FALSE(b.IsEmpty());
        b.SetSize(0, 10);
        b.SetSize(20, -10);
        EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));
        events.clear();

        // Top-down rows without padding, blue in the lowest byte.
        b.Fill(0);
        SetPixel(b.DC(), 3, 2, RGB(1, 2, 3));
        EXPECT_EQ(b.GetPixel(3, 2) & SkColorMask, 0x010203u);
        EXPECT_EQ(b.PixelPtr(3, 2), b.Pixels() + 2 * 20 + 3);
        EXPECT_EQ(b.GetPixel(-1, 0), SkInvalidPixel);
        EXPECT_EQ(b.GetPixel(20, 0), SkInvalidPixel);
        EXPECT_EQ(b.GetPixel(0, 10), SkInvalidPixel);
    }
    EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
}

TEST(SkBitmapStorage, ASizeThatCannotBeMadeLeavesItEmptyAndStillReports)
{
    TSkBitmap b;
    b.SetSize(5, 5);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    try {
        b.SetSize(INT_MIN, 5);
        FAIL() << "no error";
    } catch (const ESkBitmapError& e) {
        EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(b.SetSize(30000, 30000), ESkBitmapError);  // 3.6 GB
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(changes, 2);
}

TEST(SkBitmapPixels, FillsAlphaAndClippedRectangles)
{
    Filled b(4, 3, 0x11223344);
    b.SetAlphaRect(0x80, {-5, 1, 2, 99});
    EXPECT_EQ(b.GetPixel(0, 0), 0x11223344u);
    EXPECT_EQ(b.GetPixel(1, 2), 0x80223344u);
    EXPECT_EQ(b.GetPixel(2, 2), 0x11223344u);
    b.SetAlpha(0xFF);
    EXPECT_EQ(b.GetPixel(3, 0), 0xFF223344u);

    b.FillRect({-3, -3, 2, 1}, Red);
    EXPECT_EQ(RowColors(b, 0), (std::vector<TSkColor>{0xFF0000, 0xFF0000, 0x223344, 0x223344}));
    EXPECT_EQ(b.GetPixel(0, 1), 0xFF223344u);
    b.FillRect({3, 3, 1, 1}, Red);  // inverted: nothing
    EXPECT_EQ(b.GetPixel(2, 2), 0xFF223344u);

    b.Fill(Black);
    b.AlphaMode = true;
    b.FillRect({0, 0, 1, 1}, 0x80FFFFFF);
    EXPECT_EQ(b.GetPixel(0, 0), 0xBF808080u);
}

TEST(SkBitmapPixels, SimilarColoursBecomeTheKey)
{
    Filled b(3, 1, 0);
    *b.PixelPtr(0, 0) = SkRGBA(105, 95, 100, 255);
    *b.PixelPtr(1, 0) = SkRGBA(106, 100, 100, 255);
    *b.PixelPtr(2, 0) = SkRGBA(100, 100, 100, 0);
    b.ReplaceSimilarColor(SkRGBA(100, 100, 100, 255));
    EXPECT_EQ(b.GetPixel(0, 0), SkTransparentColor);
    EXPECT_EQ(b.GetPixel(1, 0), SkRGBA(106, 100, 100, 255));
    EXPECT_EQ(b.GetPixel(2, 0), SkTransparentColor);
}

TEST(SkBitmapPixels, ColourShiftsLeaveTransparentPixels)
{
    Filled b(4, 1, Red);
    *b.PixelPtr(1, 0) = SkTransparentColor;
    *b.PixelPtr(2, 0) = 0x00FF0000;
    *b.PixelPtr(3, 0) = 0x40FF0000;
    b.ShiftHue(85);
    EXPECT_EQ(b.GetPixel(0, 0), Green);
    EXPECT_EQ(b.GetPixel(1, 0), SkTransparentColor);
    EXPECT_EQ(b.GetPixel(2, 0), 0x00FF0000u);
    EXPECT_EQ(b.GetPixel(3, 0), Green);  // made opaque

    // Many colours, repeated and not: each pixel as if shifted on its own.
    Filled many(64, 64, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            *many.PixelPtr(x, y) = SkRGBA(uint8_t(x * 4), uint8_t(y * 4), uint8_t((x * y) & 0xC0), 255);
    Filled before(64, 64, 0);
    before.Assign(&many);
    many.ShiftHue(33);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(many.GetPixel(x, y), ChangeHue(before.GetPixel(x, y), 33)) << x << "," << y;

    b.ShiftBrightness(-0x80);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF007F00u);
    EXPECT_EQ(b.GetPixel(1, 0), SkTransparentColor);
}

TEST(SkBitmapDrawTo, StraightIntoA32BitDibTarget)
{
    Strip src;
    Filled dst(6, 2, White);
    src.DrawTo(dst.DC(), {1, 0, 5, 1}, {0, 0, 4, 1}, false);
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                                                         0x7F007F, 0xFFFFFF}));
    EXPECT_EQ(RowColors(dst, 1), std::vector<TSkColor>(6, 0xFFFFFF));

    // Scaled by nearest neighbour, clipped to the target and moved by the
    // window origin.
    dst.Fill(White);
    SetWindowOrgEx(dst.DC(), -2, 0, nullptr);
    src.DrawTo(dst.DC(), {-2, 1, 6, 2}, {0, 0, 4, 1}, false);
    SetWindowOrgEx(dst.DC(), 0, 0, nullptr);
    EXPECT_EQ(RowColors(dst, 1), (std::vector<TSkColor>{0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00,
                                                         0x0000FF, 0x0000FF}));
    EXPECT_EQ(RowColors(dst, 0), std::vector<TSkColor>(6, 0xFFFFFF));

    dst.Fill(White);
    src.DrawTo(dst.DC(), {0, 0, 2, 1}, {0, 0, 4, 1}, false);  // shrunk: every other pixel
    EXPECT_EQ(dst.GetPixel(0, 0), Red);
    EXPECT_EQ(dst.GetPixel(1, 0), Blue);

    dst.Fill(White);
    HRGN clip = CreateRectRgn(2, 0, 4, 2);
    SelectClipRgn(dst.DC(), clip);
    DeleteObject(clip);
    src.DrawTo(dst.DC(), {0, 0, 4, 1}, {0, 0, 4, 1}, false);
    SelectClipRgn(dst.DC(), nullptr);
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0xFFFFFF, 0xFFFFFF, 0x0000FF, 0x7F007F,
                                                         0xFFFFFF, 0xFFFFFF}));

    // A region of two parts is honoured too, with and without the key.
    for (bool keyed : {false, true}) {
        dst.Fill(White);
        HRGN left = CreateRectRgn(0, 0, 1, 1), right = CreateRectRgn(2, 0, 3, 1);
        CombineRgn(left, left, right, RGN_OR);
        SelectClipRgn(dst.DC(), left);
        DeleteObject(left);
        DeleteObject(right);
        src.DrawTo(dst.DC(), {0, 0, 4, 1}, {0, 0, 4, 1}, keyed);
        SelectClipRgn(dst.DC(), nullptr);
        EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0xFF0000, 0xFFFFFF, 0x0000FF,
                                                             0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));
    }
}

TEST(SkBitmapDrawTo, TheKeyIsNeverWrittenWhateverItsAlpha)
{
    Filled src(3, 1, 0);
    *src.PixelPtr(0, 0) = 0x007F007F;
    *src.PixelPtr(1, 0) = 0xFF7F007F;
    *src.PixelPtr(2, 0) = 0x127F007F;
    Filled dst(6, 1, White);
    src.DrawTo(dst.DC(), {0, 0, 6, 1}, {0, 0, 3, 1}, true);
    EXPECT_EQ(RowColors(dst, 0), std::vector<TSkColor>(6, 0xFFFFFF));

    // Long rows are copied several pixels at a time: keys anywhere in them.
    Filled row(11, 1, 0);
    Filled under(11, 1, White);
    std::vector<TSkColor> expected;
    for (int x = 0; x < 11; ++x) {
        bool key = x % 3 == 1;
        *row.PixelPtr(x, 0) = key ? (0x007F007F | (TSkColor(x) << 26)) : 0xFF000000 | x;
        expected.push_back(key ? 0xFFFFFF : TSkColor(x));
    }
    row.Draw(under.DC(), 0, 0, true);
    EXPECT_EQ(RowColors(under, 0), expected);

    Strip strip;
    strip.Draw(dst.DC(), 1, 0, true);
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                                                         0xFFFFFF, 0xFFFFFF}));
}

TEST(SkBitmapDrawTo, BottomUpDibTargetsGetTheirRowsRight)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    TOwnedGdiObject dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    TSelectGuard select(dc.Get(), dib.Get());
    ASSERT_TRUE(dib && bits);
    Filled src(2, 2, Blue);
    *src.PixelPtr(0, 0) = Red;
    src.Draw(dc.Get(), 0, 0, false);
    EXPECT_EQ(::GetPixel(dc.Get(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc.Get(), 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(static_cast<TSkColor*>(bits)[2] & SkColorMask, 0xFF0000u);  // last row first
}

namespace {

// A device-dependent target: the copies go through GDI.
class DeviceBitmapTarget : public ::testing::Test {
protected:
    void SetUp() override
    {
        TScreenDC screen;
        bitmap.Reset(CreateCompatibleBitmap(screen.Get(), 6, 1));
        dc.Reset(CreateCompatibleDC(screen.Get()));
        previous = SelectObject(dc.Get(), bitmap.Get());
        RECT all{0, 0, 6, 1};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override { SelectObject(dc.Get(), previous); }
    std::vector<COLORREF> Row()
    {
        std::vector<COLORREF> row;
        for (int x = 0; x < 6; ++x)
            row.push_back(::GetPixel(dc.Get(), x, 0));
        return row;
    }
    TOwnedGdiObject bitmap;
    TOwnedDC dc;
    HGDIOBJ previous = nullptr;
    const std::vector<COLORREF> keyed{RGB(255, 255, 255), RGB(255, 0, 0), RGB(0, 255, 0),
                                      RGB(0, 0, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
};

} // namespace

TEST_F(DeviceBitmapTarget, OpaqueCopiesStretch)
{
    Strip src;
    src.DrawTo(dc.Get(), {0, 0, 2, 1}, {0, 0, 1, 1}, false);
    src.Draw(dc.Get(), 2, 0, false);
    EXPECT_EQ(Row(), (std::vector<COLORREF>{RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0),
                                            RGB(0, 255, 0), RGB(0, 0, 255), RGB(127, 0, 127)}));
}

TEST_F(DeviceBitmapTarget, KeyedCopiesThroughTheSystemsTransparentBlit)
{
    TSkControlsUnit unit;
    ASSERT_NE(SkTransparentBlt(), nullptr);
    Strip().Draw(dc.Get(), 1, 0, true);
    EXPECT_EQ(Row(), keyed);
}

TEST_F(DeviceBitmapTarget, KeyedCopiesWithoutTheSystemsTransparentBlit)
{
    ASSERT_EQ(SkTransparentBlt(), nullptr);
    Strip().Draw(dc.Get(), 1, 0, true);
    EXPECT_EQ(Row(), keyed);
}

TEST(SkBitmapPieces, TilesRepeatFromTheTopLeftAndAreClipped)
{
    Filled src(2, 2, Red);
    *src.PixelPtr(1, 0) = Green;
    *src.PixelPtr(0, 1) = Blue;
    *src.PixelPtr(1, 1) = Black;
    Filled dst(5, 3, White);
    src.TileDraw(dst.DC(), {0, 0, 5, 3}, false, {0, 0, 2, 2});
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00,
                                                         0xFF0000}));
    EXPECT_EQ(RowColors(dst, 1), (std::vector<TSkColor>{0x0000FF, 0, 0x0000FF, 0, 0x0000FF}));
    EXPECT_EQ(RowColors(dst, 2), RowColors(dst, 0));
    src.TileDraw(dst.DC(), {0, 0, 5, 3}, false, {1, 1, 1, 1});  // an empty tile: nothing

    // Tiles keep their grid from the rectangle's corner however far off it is,
    // and only the visible ones are drawn (this would not end otherwise).
    Filled one(1, 1, Green);
    one.TileDraw(dst.DC(), {-1000000000, -1000000000, 1000000000, 1000000000}, false, {0, 0, 1, 1});
    EXPECT_EQ(RowColors(dst, 2), std::vector<TSkColor>(5, 0x00FF00));
    src.TileDraw(dst.DC(), {-1001, -1001, 5, 3}, false, {0, 0, 2, 2});  // odd offsets
    EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{0, 0x0000FF, 0, 0x0000FF, 0}));
    EXPECT_EQ(RowColors(dst, 1), (std::vector<TSkColor>{0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000,
                                                         0x00FF00}));
}

TEST(SkBitmapPieces, NinePiecesKeepCornersAndSpreadEdges)
{
    // 3 x 3 source: distinct corners, edges and centre.
    const TSkColor c[9] = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005,
                           0xFF000006, 0xFF000007, 0xFF000008, 0xFF000009};
    Filled src(3, 3, 0);
    for (int i = 0; i < 9; ++i)
        *src.PixelPtr(i % 3, i / 3) = c[i];
    for (bool stretch : {true, false}) {
        Filled dst(5, 4, White);
        src.DrawNine(dst.DC(), {0, 0, 5, 4}, false, stretch, 1, 1, 1, 1, {0, 0, 3, 3});
        EXPECT_EQ(RowColors(dst, 0), (std::vector<TSkColor>{1, 2, 2, 2, 3}));
        EXPECT_EQ(RowColors(dst, 1), (std::vector<TSkColor>{4, 5, 5, 5, 6}));
        EXPECT_EQ(RowColors(dst, 2), (std::vector<TSkColor>{4, 5, 5, 5, 6}));
        EXPECT_EQ(RowColors(dst, 3), (std::vector<TSkColor>{7, 8, 8, 8, 9}));
    }
    Filled plain(6, 6, White), nine(6, 6, White);
    src.StretchDraw(plain.DC(), {0, 0, 6, 6}, false, {0, 0, 3, 3});
    src.DrawNine(nine.DC(), {0, 0, 6, 6}, false, false, 0, 0, 0, 0, {0, 0, 3, 3});
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(RowColors(nine, y), RowColors(plain, y));
}

TEST(SkBitmapPieces, WidenedRowsPickTheNearestSourcePixels)
{
    // 13 distinct pixels, two of them the key; widened to every width up
    // to more than double, opaque and keyed, into our own bitmap.
    Filled src(13, 1, 0);
    for (int x = 0; x < 13; ++x)
        *src.PixelPtr(x, 0) = 0xFF000000 | TSkColor(x + 1) << 8;
    *src.PixelPtr(4, 0) = SkTransparentColor;
    *src.PixelPtr(9, 0) = SkTransparentColor;
    for (int width = 13; width <= 30; ++width)
        for (bool keyed : {false, true}) {
            Filled dst(31, 1, White);
            src.DrawTo(dst.DC(), {1, 0, 1 + width, 1}, {0, 0, 13, 1}, keyed);
            const int64_t step = int64_t(13) * 65536 / width;
            for (int x = 0; x < width; ++x) {
                const TSkColor from = src.GetPixel(int((x * step) >> 16), 0) & SkColorMask;
                const TSkColor want = keyed && from == SkTransparentColor ? 0xFFFFFF : from;
                ASSERT_EQ(dst.GetPixel(1 + x, 0) & SkColorMask, want)
                    << "width " << width << " x " << x << (keyed ? " keyed" : "");
            }
            EXPECT_EQ(dst.GetPixel(0, 0), White);
            if (width < 30) {
                EXPECT_EQ(dst.GetPixel(1 + width, 0), White);
            }
        }
}

TEST(SkBitmapPieces, PiecesDrawnTogetherMatchCopiesOneByOne)
{
    Strip src;
    const TSkPiece pieces[] = {
        {{0, 0, 3, 1}, {0, 0, 2, 1}, false},  // stretched
        {{2, 0, 6, 1}, {0, 0, 4, 1}, true},   // keyed over the first
        {{5, 0, 5, 1}, {0, 0, 1, 1}, false},  // empty: nothing
        {{6, 0, 7, 1}, {3, 0, 9, 1}, false},  // source clipped to the strip
    };
    // Into one of our bitmaps (straight into the pixels) and into a plain
    // 32-bit DIB section (through GDI), against the copies one at a time.
    Filled together(8, 1, White), apart(8, 1, White);
    src.DrawPieces(together.DC(), pieces, std::size(pieces));
    for (const TSkPiece& p : pieces)
        src.DrawTo(apart.DC(), p.dst, p.src, p.transparent);
    EXPECT_EQ(RowColors(together, 0), RowColors(apart, 0));
    EXPECT_EQ(RowColors(together, 0), (std::vector<TSkColor>{0xFF0000, 0xFF0000, 0xFF0000,
                                                              0x00FF00, 0x0000FF, 0xFFFFFF,
                                                              0x7F007F, 0xFFFFFF}));
    DibSection plain(8, 1);
    plain.Fill(RGB(255, 255, 255));
    src.DrawPieces(plain.DC(), pieces, std::size(pieces));
    for (int x = 0; x < 8; ++x) {
        const TSkColor c = RowColors(apart, 0)[size_t(x)];
        EXPECT_EQ(plain.At(x, 0), RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF)) << x;
    }
    // A clip region is honoured either way.
    Filled clipped(8, 1, White);
    HRGN clip = CreateRectRgn(0, 0, 2, 1);
    SelectClipRgn(clipped.DC(), clip);
    src.DrawPieces(clipped.DC(), pieces, std::size(pieces));
    SelectClipRgn(clipped.DC(), nullptr);
    DeleteObject(clip);
    EXPECT_EQ(RowColors(clipped, 0), (std::vector<TSkColor>{0xFF0000, 0xFF0000, 0xFFFFFF,
                                                             0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                                             0xFFFFFF, 0xFFFFFF}));
}

TEST(SkBitmapCopies, BitmapToBitmapByAlpha)
{
    Filled src(3, 1, 0);
    *src.PixelPtr(0, 0) = 0x00FF0000;
    *src.PixelPtr(1, 0) = 0xFFFF0000;
    *src.PixelPtr(2, 0) = 0x80FFFFFF;
    Filled dst(3, 1, Black);
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});  // plain copy
    EXPECT_EQ(dst.GetPixel(0, 0) & SkColorMask, 0xFF0000u);

    dst.Fill(Black);
    src.AlphaMode = true;
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});
    EXPECT_EQ(dst.GetPixel(0, 0), Black);
    EXPECT_EQ(dst.GetPixel(1, 0), Red);
    EXPECT_EQ(dst.GetPixel(2, 0), 0xBF808080u);

    Filled wide(6, 1, Black);
    src.DrawToBitmap(wide, {-10, 0, 60, 5}, {1, 0, 2, 1});  // clipped, then scaled
    EXPECT_EQ(RowColors(wide, 0), std::vector<TSkColor>(6, 0xFF0000));
}

TEST(SkBitmapCopies, DrawUnderFillsWhatIsNotOpaque)
{
    Filled top(4, 2, White);
    *top.PixelPtr(0, 0) = 0x00000000;
    *top.PixelPtr(1, 0) = 0x80FFFFFF;
    Filled under(3, 1, Red);
    top.DrawUnder(under, 0, {0, 0, 3, 1}, 0);
    EXPECT_EQ(top.GetPixel(0, 0), Red);
    EXPECT_EQ(top.GetPixel(1, 0), BlendSkColor(0x80FFFFFF, Red));
    EXPECT_EQ(top.GetPixel(2, 0), White);

    // A source cut at the left moves along; nothing wraps into the next row.
    Filled clear(4, 2, 0);
    Strip strip;
    clear.DrawUnder(strip, 1, {-1, 0, 4, 1}, 0);
    EXPECT_EQ(RowColors(clear, 0), (std::vector<TSkColor>{0, 0, 0xFF0000, 0x00FF00}));
    EXPECT_EQ(RowColors(clear, 1), std::vector<TSkColor>(4, 0));
}

TEST(SkBitmapCopies, AssignCopiesBitmapsAndRefusesOthers)
{
    Strip strip;
    TSkBitmap copy;
    copy.Assign(&strip);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(RowColors(copy, 0), RowColors(strip, 0));
    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(SkBitmapPcx, LoadsFromMemoryStreamsAndResources)
{
    const std::string pcx = MakePcx(3, 2, {1, 1, 1, 1, 0xC5, 9}, 1, 4);
    TSkBitmap b;
    b.LoadFromMemory(pcx.data(), pcx.size());
    ASSERT_EQ(b.Width(), 3);
    EXPECT_EQ(b.GetPixel(1, 1), PcxTestColor(0xC5));

    TSkBitmap fromFile;
    TempFolder folder;
    WriteFileBytes(folder.PathOf("atlas.pcx"), pcx);
    TFileStream stream(folder.PathOf("atlas.pcx"), fmOpenRead);
    fromFile.LoadFromStream(stream);
    ASSERT_EQ(fromFile.Height(), 2);
    EXPECT_EQ(RowColors(fromFile, 1), RowColors(b, 1));

    TSkBitmap fromResource;
    fromResource.LoadFromResource(GetModuleHandleA(nullptr), "TEST_PCX");
    ASSERT_EQ(fromResource.Width(), 3);
    EXPECT_EQ(fromResource.GetPixel(2, 1), PcxTestColor(9));
    EXPECT_THROW(fromResource.LoadFromResource(GetModuleHandleA(nullptr), "NO_SUCH"),
                 ESkBitmapError);
    EXPECT_EQ(fromResource.Width(), 3);
}

TEST(SkBitmapPcx, OtherDataIsIgnoredAndDamagedDataRefused)
{
    Filled b(2, 2, Green);
    const std::string bmp = "BM and more";
    b.LoadFromMemory(bmp.data(), bmp.size());
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.GetPixel(0, 0), Green);

    const std::string cut = MakePcx(3, 2, {1, 2, 3, 4, 5, 6}).substr(0, 200);
    EXPECT_THROW(b.LoadFromMemory(cut.data(), cut.size()), ESkBitmapError);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.GetPixel(1, 1), Green);
}

TEST(SkBitmapHandles, NothingIsLeftBehind)
{
    DWORD before = GdiObjectCount();
    std::vector<HGDIOBJ> handles;
    for (int i = 0; i < 200; ++i) {
        TSkBitmap b;
        b.SetSize(16 + i, 8);
        b.SetSize(8, 16 + i);  // a resize frees the old storage too
        handles.push_back(b.Handle());
        handles.push_back(b.DC());
        Strip().DrawTo(b.DC(), {0, 0, 8, 8}, {0, 0, 4, 1}, true);
    }
    for (HGDIOBJ h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);
    EXPECT_GT(before, 0u);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(SkBitmapSmoke, ExtremeAndInvertedRectanglesAreSafeAndLeaveNothingBehind)
{
    Strip src;
    Filled target(50, 50, White);
    Filled tiny(1, 1, White);
    TScreenDC screen;
    TOwnedGdiObject ddb(CreateCompatibleBitmap(screen.Get(), 20, 20));
    TOwnedDC ddbDC(CreateCompatibleDC(screen.Get()));
    TSelectGuard select(ddbDC.Get(), ddb.Get());
    const RECT rects[] = {{0, 0, 0, 0},       {3, 3, 1, 1},         {-5, -5, 2, 2},
                          {0, 0, 1, 1},       {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          {-1000000000, -1000000000, 1000000000, 1000000000},
                          {INT_MAX - 2, 0, INT_MAX, 5}, {0, INT_MIN, 5, INT_MIN + 3}};
    const DWORD before = GdiObjectCount();
    for (HDC dc : {target.DC(), tiny.DC(), ddbDC.Get()})
        for (const RECT& d : rects)
            for (const RECT& s : rects) {
                for (bool keyed : {false, true}) {
                    src.DrawTo(dc, d, s, keyed);
                    src.TileDraw(dc, d, keyed, s);
                    src.DrawNine(dc, d, keyed, keyed, 1, 2, 3, 4, s);
                    src.DrawNine(dc, d, keyed, !keyed, 100, -5, 0, 7, s);
                }
                src.DrawToBitmap(target, d, s);
                target.FillRect(d, Red);
                target.SetAlphaRect(7, d);
                target.DrawUnder(src, d.left, s, d.top);
            }
    src.AlphaMode = true;
    for (const RECT& d : rects)
        for (const RECT& s : rects)
            src.DrawToBitmap(target, d, s);
    EXPECT_EQ(GdiObjectCount(), before);
}
