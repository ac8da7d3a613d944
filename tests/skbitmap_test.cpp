#include "styling/core/skbitmap.h"

#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"
#include "tests/support/pcxbuilder.h"
#include "tests/support/raises.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <tuple>
#include <vector>

namespace {

constexpr TSkColor Red = 0xFFFF0000, White = 0xFFFFFFFF, Black = 0xFF000000;

struct Filled : TSkBitmap {
    Filled(int w, int h, TSkColor value) { SetSize(w, h); Fill(value); }
};

// The colours of a device context's w x h pixels, row by row, read by GDI.
std::vector<TSkColor> Colors(HDC dc, int w, int h)
{
    std::vector<TSkColor> out;
    for (int i = 0; i < w * h; ++i)
        out.push_back(ColorToSkColor(::GetPixel(dc, i % w, i / w)) & SkColorMask);
    return out;
}

// 13 x 3 distinct colours; some pixels are the key, with any alpha byte.
struct Source : Filled {
    Source() : Filled(13, 3, 0)
    {
        for (int i = 0; i < 39; ++i)
            Pixels()[i] = (i % 13 + i / 13) % 4 == 3 ? SkTransparentColor | TSkColor(i * 20) << 24
                                                      : 0xFF000000 | TSkColor(i + 1) << 8;
    }
};

// What a copy leaves in a white w x h target: the part of src inside the
// bitmap spread over all of dst (device coordinates) by nearest neighbour in
// 16.16 steps, shown inside the target and the clip (keep less hole) only,
// the key left out when keyed. Known difference: the system's transparent
// blit compares the alpha byte too (seen under Wine), so there only a key of
// alpha 0 is left out; the atlases' keys are.
std::vector<TSkColor> Expected(const TSkBitmap& src, int w, int h, const RECT& dst, RECT s,
                               bool keyed, bool systemBlit, const RECT& keep, const RECT& hole)
{
    std::vector<TSkColor> out(size_t(w * h), 0xFFFFFF);
    const RECT bounds{0, 0, src.Width(), src.Height()};
    if (!IntersectRect(&s, &s, &bounds) || dst.right <= dst.left || dst.bottom <= dst.top)
        return out;
    const int64_t stepX = int64_t(s.right - s.left) * 65536 / (dst.right - dst.left);
    const int64_t stepY = int64_t(s.bottom - s.top) * 65536 / (dst.bottom - dst.top);
    for (int y = std::max(0, int(dst.top)); y < std::min(h, int(dst.bottom)); ++y)
        for (int x = std::max(0, int(dst.left)); x < std::min(w, int(dst.right)); ++x) {
            const TSkColor p = src.GetPixel(s.left + int(((x - dst.left) * stepX) >> 16),
                                            s.top + int(((y - dst.top) * stepY) >> 16));
            const bool shown = PtInRect(&keep, {x, y}) && !PtInRect(&hole, {x, y});
            if (shown && !(keyed && (systemBlit ? p : p & SkColorMask) == SkTransparentColor))
                out[size_t(y * w + x)] = p & SkColorMask;
        }
    return out;
}

} // namespace

TEST(SkBitmap, SizeEventsAndSizesThatCannotBeMade)
{
    std::string events;
    {
        TSkBitmap b;
        b.OnChanging = [&](TObject*) { events += "<"; };
        b.OnChange = [&](TObject*) { events += ">"; };
        b.SetSize(-20, 10);
        b.SetSize(0, 10);    // a zero side: nothing
        b.SetSize(20, -10);  // the same size: nothing
        EXPECT_EQ(b.GetPixel(20, 0), SkInvalidPixel);
        for (int width : {INT_MIN, 30000}) {  // no such size; 3.6 GB
            EXPECT_THROW(b.SetSize(width, 30000), ESkBitmapError);
            EXPECT_TRUE(b.IsEmpty());
        }
    }
    EXPECT_EQ(events, "<><><><");  // a failed size reports too; destruction
}

TEST(SkBitmap, FillsAlphaKeysAndColourShifts)
{
    Filled b(4, 2, 0x11223344);
    b.SetAlphaRect(0x80, {-5, 1, 2, 99});
    b.FillRect({-3, -3, 2, 1}, Red);
    b.FillRect({3, 3, 1, 1}, Red);  // inverted: nothing
    EXPECT_EQ(std::vector<TSkColor>(b.Pixels(), b.Pixels() + 8),
              (std::vector<TSkColor>{Red, Red, 0x11223344, 0x11223344, 0x80223344, 0x80223344, 0x11223344, 0x11223344}));
    b.Fill(Black);
    b.AlphaMode = true;
    b.FillRect({0, 0, 1, 1}, 0x80FFFFFF);
    EXPECT_EQ(b.GetPixel(0, 0), 0xBF808080u);
    b.Pixels()[0] = SkRGBA(105, 95, 100, 255);
    b.Pixels()[1] = SkRGBA(106, 100, 100, 255);
    b.ReplaceSimilarColor(SkRGBA(100, 100, 100, 255));
    EXPECT_EQ(std::pair(b.Pixels()[0], b.Pixels()[1]), std::pair(SkTransparentColor, SkRGBA(106, 100, 100, 255)));
    // Many colours, repeated and not: each as if shifted on its own; pixels
    // with alpha 0 stay, others come out opaque.
    Filled many(64, 64, 0), before(64, 64, 0);
    for (int i = 0; i < 64 * 64; ++i)
        many.Pixels()[i] = SkRGBA(uint8_t(i * 4), uint8_t(i / 16), uint8_t(i & 0xC0), uint8_t(i % 3 ? i : 0));
    before.Assign(&many);
    many.ShiftHue(33);
    for (int i = 0; i < 64 * 64; ++i)
        ASSERT_EQ(many.Pixels()[i], SkAlpha(before.Pixels()[i]) ? ChangeHue(before.Pixels()[i], 33) : before.Pixels()[i]);
    b.Fill(0x40FF0000);
    b.ShiftBrightness(-0x80);
    EXPECT_EQ(b.GetPixel(0, 0), 0xFF7F0000u);
}

TEST(SkBitmap, CopiesShowTheNearestSourcePixelsInsideDestinationTargetAndClip)
{
    struct DrawCase {
        std::string what;
        RECT dst, src;
        POINT origin;          // where logical 0, 0 lands on the device
        RECT keep, hole;       // the clip: a hole makes it a complex region
        bool ownOnly = false;  // GDI picks other pixels when scaling by a fraction
    };
    const RECT all{0, 0, 28, 8}, none{};
    std::vector<DrawCase> cases = {
        {"unscaled", {1, 1, 14, 4}, {0, 0, 13, 3}, {0, 0}, all, none},
        {"source cut to the bitmap", {0, 0, 6, 3}, {10, -1, 16, 3}, {0, 0}, all, none},
        {"halved", {1, 1, 7, 2}, {0, 0, 12, 2}, {0, 0}, all, none, true},
        {"doubled past the target, moved origin", {-5, 0, 21, 6}, {0, 0, 13, 3}, {3, 1}, all, none},
        {"clipped", {0, 0, 13, 3}, {0, 0, 13, 3}, {0, 0}, {2, 1, 9, 3}, none},
        {"clipped round a hole", {0, 0, 13, 3}, {0, 0, 13, 3}, {0, 0}, {1, 0, 9, 3}, {3, 1, 6, 2}},
        {"inverted", {5, 5, 1, 1}, {0, 0, 13, 3}, {0, 0}, all, none},
        {"source empty", {0, 0, 5, 5}, {3, 3, 3, 9}, {0, 0}, all, none},
        {"source off the bitmap", {0, 0, 5, 5}, {20, 0, 30, 3}, {0, 0}, all, none},
    };
    for (int width = 14; width <= 26; ++width)  // widened by less than double: copied in runs
        cases.push_back({"to " + std::to_string(width), {1, 0, 1 + width, 3}, {0, 0, 13, 3}, {0, 0}, all, none, true});
    const Source src;
    // Our own bitmaps are written directly, any other DIB section through
    // GDI; one copy at a time or as a piece of a picture.
    for (const DrawCase& c : cases)
        for (int way = 0; way < 16; ++way) {
            const bool keyed = way & 1, own = way & 2, systemBlit = way & 4, piece = way & 8;
            if (c.ownOnly && !own)
                continue;
            SCOPED_TRACE(testing::Message() << c.what << ", way " << way);
            std::optional<TSkControlsUnit> unit;  // finds the system's transparent blit
            if (systemBlit)
                unit.emplace();
            Filled ours(28, 8, White);
            DibSection other(28, 8, true);
            other.Fill(RGB(255, 255, 255));
            HDC dc = own ? ours.DC() : other.DC();
            IntersectClipRect(dc, c.keep.left, c.keep.top, c.keep.right, c.keep.bottom);
            ExcludeClipRect(dc, c.hole.left, c.hole.top, c.hole.right, c.hole.bottom);
            SetWindowOrgEx(dc, -c.origin.x, -c.origin.y, nullptr);
            const TSkPiece pieces[] = {{c.dst, c.src, keyed}, {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, c.src, false}};
            if (piece)
                src.DrawPieces(dc, pieces, 2);  // the second is too large for any device
            else
                src.DrawTo(dc, c.dst, c.src, keyed);
            SetWindowOrgEx(dc, 0, 0, nullptr);
            SelectClipRgn(dc, nullptr);
            RECT device = c.dst;
            OffsetRect(&device, c.origin.x, c.origin.y);
            ASSERT_EQ(Colors(dc, 28, 8), Expected(src, 28, 8, device, c.src, keyed,
                                                  systemBlit && (!own || !IsRectEmpty(&c.hole)), c.keep, c.hole));
        }
}

TEST(SkBitmap, TilesRepeatFromTheCornerAndNinePiecesKeepCornersAndSpreadEdges)
{
    const Source src;
    // Far off the target too: this would not end if every tile were drawn.
    for (RECT dst : {RECT{0, 0, 11, 5}, RECT{-1001, -1001, 7, 4}, RECT{-1000000000, -1000000000, 1000000000, 1000000000}}) {
        Filled target(11, 5, White);
        src.TileDraw(target.DC(), dst, false, {1, 0, 4, 2});
        for (int i = 0; i < 55; ++i) {
            const int x = i % 11, y = i / 11, tx = int((int64_t(x) - dst.left) % 3), ty = int((int64_t(y) - dst.top) % 2);
            ASSERT_EQ(target.GetPixel(x, y), x < dst.right && y < dst.bottom ? src.GetPixel(1 + tx, ty) : White) << i;
        }
    }
    Filled nine(3, 3, 0), plain(6, 6, White), noMargins(6, 6, White);
    for (int i = 0; i < 9; ++i)
        nine.Pixels()[i] = 0xFF000001 + TSkColor(i);
    for (bool stretch : {true, false}) {
        Filled dst(5, 4, White);
        nine.DrawNine(dst.DC(), {0, 0, 5, 4}, false, stretch, 1, 1, 1, 1, {0, 0, 3, 3});
        EXPECT_EQ(Colors(dst.DC(), 5, 4), (std::vector<TSkColor>{1, 2, 2, 2, 3, 4, 5, 5, 5, 6, 4, 5, 5, 5, 6, 7, 8, 8, 8, 9}));
    }
    nine.StretchDraw(plain.DC(), {0, 0, 6, 6}, false, {0, 0, 3, 3});
    nine.DrawNine(noMargins.DC(), {0, 0, 6, 6}, false, false, 0, 0, 0, 0, {0, 0, 3, 3});
    EXPECT_EQ(Colors(noMargins.DC(), 6, 6), Colors(plain.DC(), 6, 6));
}

TEST(SkBitmap, CopiesBetweenBitmapsByAlphaAndUnderneath)
{
    Filled src(3, 1, 0), dst(3, 1, Black), top(4, 2, 0);
    src.Pixels()[1] = Red;
    src.Pixels()[2] = 0x80FFFFFF;
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});  // a plain copy
    EXPECT_EQ(Colors(dst.DC(), 3, 1), (std::vector<TSkColor>{0, 0xFF0000, 0xFFFFFF}));
    src.AlphaMode = true;
    dst.Fill(Black);
    src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 3, 1});
    EXPECT_EQ(Colors(dst.DC(), 3, 1), (std::vector<TSkColor>{0, 0xFF0000, 0x808080}));
    src.DrawToBitmap(dst, {-10, 0, 60, 5}, {1, 0, 2, 1});  // clipped, then scaled
    EXPECT_EQ(Colors(dst.DC(), 3, 1), std::vector<TSkColor>(3, 0xFF0000));
    top.Pixels()[1] = 0x80FFFFFF;
    top.Pixels()[2] = White;
    // A source cut at the left moves along; nothing wraps into the next row.
    top.DrawUnder(Filled(3, 1, Red), 1, {-1, 0, 4, 1}, 0);
    EXPECT_EQ(std::vector<TSkColor>(top.Pixels(), top.Pixels() + 5), (std::vector<TSkColor>{0, 0x80FFFFFF, White, Red, 0}));
    top.DrawUnder(Filled(3, 1, Red), 0, {0, 0, 3, 1}, 0);
    EXPECT_EQ(std::vector<TSkColor>(top.Pixels(), top.Pixels() + 3),
              (std::vector<TSkColor>{Red, BlendSkColor(0x80FFFFFF, Red), White}));
    TPersistent other;  // only bitmaps can be assigned
    EXPECT_THROW(top.Assign(&other), EConvertError);
}

TEST(SkBitmap, PcxPicturesLoadThroughThePaletteAndDamagedOnesAreRefused)
{
    const PcxLayout moved{0xCD, 1, 8, 1, 10, 3, 11, 4, 2};  // origin off zero; one run for both rows
    const std::vector<uint8_t> long70(70, 200), padded{1, 1, 1, 1, 0xC5, 9};
    const std::tuple<std::string, int, std::vector<uint8_t>> pictures[] = {
        {MakePcx(3, 2, padded, 1, 4), 3, padded},
        {MakePcx(2, 2, {0, 255, 128, 7}, 0), 2, {0, 255, 128, 7}},  // raw
        {MakePcx(70, 1, long70), 70, long70},
        {PcxHeader(moved) + "\xC4\x05" + PcxPalette(), 2, {5, 5, 5, 5}},
        {MakePcx(2, 1, {3, 3}).substr(0, 128) + "\xFF\x03" + PcxPalette(), 2, {3, 3}},  // a run cut at the end
    };
    for (const auto& [bytes, width, indices] : pictures) {
        Filled b(1, 1, Red);
        b.LoadFromMemory(bytes.data(), bytes.size());
        ASSERT_EQ(b.Width() * b.Height(), int(indices.size()));
        for (size_t i = 0; i < indices.size(); ++i)
            EXPECT_EQ(b.GetPixel(int(i) % width, int(i) / width), PcxTestColor(indices[i])) << i;
    }
    // Damaged pictures are refused with a reason, other data is ignored;
    // either way the picture stays.
    Filled kept(1, 1, Red);
    for (const NamedPcx& sample : DamagedPcxSamples())
        EXPECT_GT(MessageOf<ESkBitmapError>([&] { kept.LoadFromMemory(sample.bytes.data(), sample.bytes.size()); })
                      .size(),
                  strlen("Damaged PCX image: ")) << sample.name;
    for (const std::string& other : {std::string("BM and more"), std::string()})
        kept.LoadFromMemory(other.data(), other.size());
    EXPECT_EQ(std::pair(kept.Width(), kept.GetPixel(0, 0)), std::pair(1, Red));
}

TEST(SkBitmap, ExtremeRectanglesAreSafeAndNothingIsLeftBehind)
{
    std::vector<HGDIOBJ> freed;
    for (int i = 0; i < 50; ++i) {
        TSkBitmap b;
        b.SetSize(16 + i, 8);
        freed.push_back(b.Handle());  // a resize frees the old storage
        b.SetSize(8, 16 + i);
        freed.insert(freed.end(), {b.Handle(), b.DC()});
    }
    for (HGDIOBJ h : freed)
        EXPECT_EQ(GetObjectType(h), 0u);
    Source src;
    Filled target(50, 50, White), tiny(1, 1, White);
    DibSection other(20, 20, true);
    const RECT rects[] = {{0, 0, 0, 0}, {3, 3, 1, 1}, {-5, -5, 2, 2}, {0, 0, 1, 1}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          {-1000000000, -1000000000, 1000000000, 1000000000}, {INT_MAX - 2, 0, INT_MAX, 5},
                          {0, INT_MIN, 5, INT_MIN + 3}};
    const DWORD before = GdiObjectCount();
    for (bool alpha : {false, true})
        for (const RECT& d : rects)
            for (const RECT& s : rects) {
                src.AlphaMode = alpha;
                for (HDC dc : {target.DC(), tiny.DC(), other.DC()})
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
    EXPECT_EQ(GdiObjectCount(), before);
}
