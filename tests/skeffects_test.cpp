// The show animation's masks and frames as bytes: whole masks of the exact
// effects at the start, the middle and the end, the properties the random
// and smooth effects keep, the quarter turns, and frames composed from two
// pictures, checked against a cell-by-cell walk of the tiles. Free of
// windows.h: it also runs natively under the sanitizers.
#include "styling/forms/skeffectframe.h"
#include "styling/forms/skeffectmask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<TSkColor>;
using Size = std::pair<int, int>;

Bytes MaskOf(TkeEffect effect, int columns, int rows, int progress, uint64_t seed = 1)
{
    TSkEffectMask mask(columns, rows);
    TSkEffectRandom random(seed);
    mask.Fill(effect, progress, random);
    return Bytes(mask.Cells(), mask.Cells() + size_t(columns) * rows);
}

Bytes Uniform(int count, uint8_t value) { return Bytes(size_t(count), value); }

struct TMaskCase {
    const char* name;
    TkeEffect effect;
    int columns, rows, progress;
    Bytes expected;
};

// V, the value the hard effects write: 50 % is 128, 60 % 153, 70 % 179,
// 30 % 77 (rounded halves up).
const TMaskCase exactCases[] = {
    // Rounded halves to even: 30 % of 255 is 76.5.
    {"fade 30", keFade, 3, 2, 30, Uniform(6, 76)},
    {"fade 50", keFade, 3, 2, 50, Uniform(6, 128)},
    {"diagonal 50", keDiagonal, 5, 4, 50,
     {128, 128, 128, 128, 128,
      128, 128, 128, 128, 0,
      128, 128, 128, 0,   0,
      128, 128, 0,   0,   0}},
    {"diagonal one column", keDiagonal, 1, 5, 50, {128, 128, 128, 128, 128}},
    {"down 50", keDown, 2, 4, 50, {128, 128, 128, 128, 128, 128, 0, 0}},
    {"down 1", keDown, 2, 4, 1, {3, 3, 0, 0, 0, 0, 0, 0}},
    {"in 50", keIn, 1, 5, 50, {128, 0, 0, 0, 128}},
    {"out 50", keOut, 1, 5, 50, {0, 128, 128, 128, 0}},
    {"out 50 even", keOut, 1, 4, 50, {0, 128, 128, 0}},
    {"rect out 60", keRectOut, 5, 3, 60,
     {0, 0,   0,   0,   0,
      0, 153, 153, 153, 0,
      0, 0,   0,   0,   0}},
    {"rect out 70", keRectOut, 5, 3, 70,
     {0, 179, 179, 179, 0,
      0, 179, 179, 179, 0,
      0, 179, 179, 179, 0}},
    {"rect in 30", keRectIn, 5, 3, 30,
     {77, 0, 0, 0, 77,
      77, 0, 0, 0, 77,
      77, 0, 0, 0, 77}},
    {"diamond out 50", keDiamondOut, 5, 5, 50,
     {0,   0,   128, 0,   0,
      0,   128, 128, 128, 0,
      128, 128, 128, 128, 128,
      0,   128, 128, 128, 0,
      0,   0,   128, 0,   0}},
    {"diamond in 50", keDiamondIn, 5, 5, 50,
     {128, 128, 0, 128, 128,
      128, 0,   0, 0,   128,
      0,   0,   0, 0,   0,
      128, 0,   0, 0,   128,
      128, 128, 0, 128, 128}},
};

TEST(SkEffectMask, ExactEffectsAreWholeMasks)
{
    for (const TMaskCase& c : exactCases)
        EXPECT_EQ(MaskOf(c.effect, c.columns, c.rows, c.progress), c.expected) << c.name;
}

TEST(SkEffectMask, EveryEffectIsEmptyAtZeroAndFullAtHundred)
{
    for (int e = keFade; e <= SkEffectCount; ++e)
        for (auto [w, h] : {Size{1, 1}, Size{7, 3}, Size{4, 9}}) {
            EXPECT_EQ(MaskOf(TkeEffect(e), w, h, 0), Uniform(w * h, 0)) << e;
            EXPECT_EQ(MaskOf(TkeEffect(e), w, h, 100), Uniform(w * h, 255)) << e;
            // Out of range is clamped, not refused.
            EXPECT_EQ(MaskOf(TkeEffect(e), w, h, 130), Uniform(w * h, 255)) << e;
            EXPECT_EQ(MaskOf(TkeEffect(e), w, h, -5), Uniform(w * h, 0)) << e;
        }
}

TEST(SkEffectMask, PixelChoosesDistinctCellsAnewEachFrame)
{
    const Bytes a = MaskOf(kePixel, 10, 6, 35, 1);
    const Bytes b = MaskOf(kePixel, 10, 6, 35, 2);
    EXPECT_EQ(std::count(a.begin(), a.end(), 255), 21);
    EXPECT_EQ(std::count(a.begin(), a.end(), 0), 39);
    EXPECT_NE(a, b);

    // Repeated fills of one mask: fresh choices, never an accumulation.
    TSkEffectMask mask(10, 6);
    TSkEffectRandom random(5);
    std::set<Bytes> seen;
    for (int i = 0; i < 5; ++i) {
        mask.Fill(kePixel, 35, random);
        seen.insert(Bytes(mask.Cells(), mask.Cells() + 60));
        EXPECT_EQ(std::count(mask.Cells(), mask.Cells() + 60, 255), 21);
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST(SkEffectMask, PixelLineFallsFromTheLeftEdge)
{
    const int w = 8, h = 5;
    const Bytes m = MaskOf(kePixelLine, w, h, 50, 3);
    EXPECT_EQ(std::count_if(m.begin(), m.end(), [](uint8_t v) { return v != 0; }), w * h / 2);
    // Every chosen cell of a column has the column's value, and the values
    // fall from column 0, which has the most.
    int previous = 256;
    for (int x = 0; x < w; ++x) {
        std::set<uint8_t> values;
        for (int y = 0; y < h; ++y)
            if (m[size_t(y * w + x)])
                values.insert(m[size_t(y * w + x)]);
        ASSERT_LE(values.size(), 1u) << x;
        if (!values.empty()) {
            EXPECT_LE(*values.begin(), previous) << x;
            previous = *values.begin();
        }
    }
}

// Every cell only grows with the progress, and each effect keeps the side
// it starts from ahead.
TEST(SkEffectMask, SmoothEffectsGrowSteadilyFromTheirStart)
{
    const int w = 9, h = 5;
    for (TkeEffect e : {keSmoothDiagonal, keSmoothRectOut, keSmoothRectIn}) {
        Bytes last = Uniform(w * h, 0);
        for (int p = 0; p <= 100; p += 5) {
            const Bytes m = MaskOf(e, w, h, p);
            for (size_t i = 0; i < m.size(); ++i)
                ASSERT_GE(m[i], last[i]) << e << " at " << p << " cell " << i;
            last = m;
        }
    }
    const Bytes diagonal = MaskOf(keSmoothDiagonal, w, h, 40);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x + 1 < w; ++x)
            EXPECT_GE(diagonal[size_t(y * w + x)], diagonal[size_t(y * w + x + 1)]);
    EXPECT_GT(diagonal.front(), 0);
    EXPECT_EQ(diagonal.back(), 0);

    const size_t centre = size_t(2 * w + 4), corner = 0;
    const Bytes out = MaskOf(keSmoothRectOut, w, h, 30);
    EXPECT_GT(out[centre], out[corner]);
    const Bytes in = MaskOf(keSmoothRectIn, w, h, 30);
    EXPECT_GT(in[corner], in[centre]);
}

TEST(SkEffectMask, RandomSelectionPicksEveryRealEffect)
{
    TSkEffectRandom random(11);
    std::set<int> picked;
    for (int i = 0; i < 1000; ++i)
        picked.insert(ResolveEffect(keRandomSelect, random));
    EXPECT_EQ(picked.size(), size_t(SkEffectCount));
    EXPECT_EQ(*picked.begin(), keFade);
    EXPECT_EQ(*picked.rbegin(), keSmoothRectOut);
    EXPECT_EQ(ResolveEffect(keDown, random), keDown);
    EXPECT_EQ(ResolveEffect(TkeEffect(40), random), keFade);
}

// Frames.

constexpr TSkColor Old = 0xFF000000, New = 0xFFFFFFFF, Mixed = 0xFF808080;

TEST(SkEffectFrame, LayoutOfMasksAndTiles)
{
    const TSkEffectLayout a = MakeEffectLayout(300, 110, 1, 1);
    EXPECT_EQ((std::vector<int>{a.columns, a.rows, a.tileWidth, a.tileHeight}),
              (std::vector<int>{301, 111, 301, 111}));
    const TSkEffectLayout b = MakeEffectLayout(13, 7, 3, 2);
    EXPECT_EQ((std::vector<int>{b.columns, b.rows, b.tileWidth, b.tileHeight}),
              (std::vector<int>{3, 2, 7, 4}));
    const TSkEffectLayout c = MakeEffectLayout(10, 10, 0, 0);  // treated as 1 and 1
    EXPECT_EQ((std::vector<int>{c.columns, c.resolution}), (std::vector<int>{11, 1}));
}

TEST(SkEffectFrame, QuarterTurnsExchangeColumnsAndRows)
{
    for (TSkDirection d : {kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270}) {
        const TSkEffectComposer composer(6, 3, keDown, d, 1, 1, TSkEffectRandom());
        const bool turned = d == kdRotate90 || d == kdRotate270;
        EXPECT_EQ(composer.Mask().Columns(), turned ? 4 : 7) << d;
        EXPECT_EQ(composer.Mask().Rows(), turned ? 7 : 4) << d;
    }
}

// keDown at 50 % on a 4 x 4 picture: the mask has five rows, three of them
// filled; each direction moves the filled side.
TEST(SkEffectFrame, DownRunsFromTheSideTheDirectionSays)
{
    const Pixels oldPicture(16, Old), newPicture(16, New);
    const Pixels top = {Mixed, Mixed, Mixed, Mixed, Mixed, Mixed, Mixed, Mixed,
                        Mixed, Mixed, Mixed, Mixed, Old,   Old,   Old,   Old};
    const Pixels bottom = {Old,   Old,   Old,   Old,   Old,   Old,   Old,   Old,
                           Mixed, Mixed, Mixed, Mixed, Mixed, Mixed, Mixed, Mixed};
    const Pixels right = {Old, Old, Mixed, Mixed, Old, Old, Mixed, Mixed,
                          Old, Old, Mixed, Mixed, Old, Old, Mixed, Mixed};
    const Pixels left = {Mixed, Mixed, Mixed, Old, Mixed, Mixed, Mixed, Old,
                         Mixed, Mixed, Mixed, Old, Mixed, Mixed, Mixed, Old};
    const std::pair<TSkDirection, const Pixels*> cases[] = {
        {kdNone, &top}, {kdNoRotate, &top}, {kdRotate90, &right},
        {kdRotate180, &bottom}, {kdRotate270, &left}};
    for (auto [direction, expected] : cases) {
        TSkEffectComposer composer(4, 4, keDown, direction, 1, 1, TSkEffectRandom());
        Pixels frame(16);
        composer.Compose(50, oldPicture.data(), newPicture.data(), frame.data());
        EXPECT_EQ(frame, *expected) << direction;
    }
}

TEST(SkEffectFrame, KeyColouredPixelsShowTheOldPicture)
{
    Pixels oldPicture(12), newPicture(12, New);
    for (size_t i = 0; i < oldPicture.size(); ++i)
        oldPicture[i] = 0xFF000000 | TSkColor(i);
    newPicture[5] = SkTransparentColor;
    newPicture[6] = SkTransparentColor | 0xFF000000;  // whatever its alpha
    for (int p : {0, 50, 100}) {
        TSkEffectComposer composer(4, 3, keFade, kdNone, 1, 1, TSkEffectRandom());
        Pixels frame(12);
        composer.Compose(p, oldPicture.data(), newPicture.data(), frame.data());
        EXPECT_EQ(frame[5], oldPicture[5]) << p;
        EXPECT_EQ(frame[6], oldPicture[6]) << p;
        EXPECT_EQ(frame[0], p == 0 ? oldPicture[0] : p == 100 ? New : 0xFF808080) << p;
    }
}

// A picture of distinct pixels with a few key-coloured ones, and what the
// frame must be at the ends of the run.
struct TPictures {
    Pixels oldPicture, newPicture, atEnd;
    TPictures(int w, int h) : oldPicture(size_t(w) * h), newPicture(size_t(w) * h)
    {
        for (size_t i = 0; i < oldPicture.size(); ++i) {
            oldPicture[i] = 0x80000000 | TSkColor(i * 7919);
            newPicture[i] = i % 5 == 3 ? SkTransparentColor : 0xFF000000 | TSkColor(i * 104729);
        }
        atEnd = newPicture;
        for (size_t i = 0; i < atEnd.size(); ++i)
            if (atEnd[i] == SkTransparentColor)
                atEnd[i] = oldPicture[i];
    }
};

TEST(SkEffectFrame, EveryEffectStartsWithTheOldAndEndsWithTheNewPicture)
{
    const int w = 11, h = 7;
    const TPictures pictures(w, h);
    for (int e = keRandomSelect; e <= SkEffectCount; ++e)
        for (TSkDirection d : {kdNone, kdRotate90, kdRotate180, kdRotate270})
            for (auto [resolution, tiles] : {Size{1, 1}, Size{3, 2}}) {
                TSkEffectComposer composer(w, h, TkeEffect(e), d, resolution, tiles,
                                           TSkEffectRandom(uint64_t(e) + 1));
                Pixels frame(pictures.oldPicture.size());
                composer.Compose(0, pictures.oldPicture.data(), pictures.newPicture.data(),
                                 frame.data());
                EXPECT_EQ(frame, pictures.oldPicture) << e << " " << int(d);
                composer.Compose(100, pictures.oldPicture.data(), pictures.newPicture.data(),
                                 frame.data());
                EXPECT_EQ(frame, pictures.atEnd) << e << " " << int(d);
            }
}

// The tiles walked one cell and one pixel at a time, later tiles over earlier
// ones, positions outside the picture skipped, the mask read per direction.
// Only for masks of 0 and 255.
Pixels WalkTiles(const TSkEffectComposer& composer, int w, int h, int tileCount,
                 TSkDirection direction, const TPictures& pictures)
{
    const TSkEffectLayout& l = composer.Layout();
    const uint8_t* mask = composer.Mask().Cells();
    const int c = l.columns, r = l.rows, rs = l.resolution;
    Pixels frame(size_t(w) * h, 0);
    for (int ty = 0; ty < tileCount; ++ty)
        for (int tx = 0; tx < tileCount; ++tx)
            for (int cy = 0; cy < r; ++cy)
                for (int cx = 0; cx < c; ++cx)
                    for (int dy = 0; dy < rs; ++dy)
                        for (int dx = 0; dx < rs; ++dx) {
                            const int x = tx * l.tileWidth + cx * rs + dx;
                            const int y = ty * l.tileHeight + cy * rs + dy;
                            if (x >= w || y >= h)
                                continue;
                            int index = cy * c + cx;
                            if (direction == kdRotate90)
                                index = (c - cx - 1) * r + cy;
                            else if (direction == kdRotate180)
                                index = (c - cx - 1) + (r - cy - 1) * c;
                            else if (direction == kdRotate270)
                                index = (r - cy - 1) + r * cx;
                            const size_t i = size_t(y) * w + x;
                            const TSkColor n = pictures.newPicture[i];
                            frame[i] = mask[index] == 0 || n == SkTransparentColor
                                           ? pictures.oldPicture[i]
                                           : n;
                        }
    return frame;
}

// Sizes that resolution and tile count do not divide: every pixel comes from
// the cell the tile walk gives it, and nothing is written past the frame.
TEST(SkEffectFrame, OddSizesFollowTheTileWalkAndStayInside)
{
    struct TOdd {
        int w, h, resolution, tiles;
    };
    const TOdd sizes[] = {{13, 7, 3, 2}, {10, 10, 4, 3}, {1, 1, 10, 20}, {2, 9, 10, 20},
                          {31, 5, 2, 7}, {17, 23, 5, 1}};
    for (const TOdd& s : sizes)
        for (TSkDirection d : {kdNone, kdRotate90, kdRotate180, kdRotate270}) {
            const TPictures pictures(s.w, s.h);
            // kePixel writes only 0 and 255, in a pattern without structure:
            // any cell read from the wrong place shows.
            {
                TSkEffectComposer composer(s.w, s.h, kePixel, d, s.resolution, s.tiles,
                                           TSkEffectRandom(9));
                const size_t n = size_t(s.w) * s.h;
                const TSkColor guard = 0xDEADBEEF;
                Pixels frame(n + 2, guard);
                composer.Compose(45, pictures.oldPicture.data(),
                                 pictures.newPicture.data(), frame.data() + 1);
                EXPECT_EQ(frame.front(), guard);
                EXPECT_EQ(frame.back(), guard);
                const Pixels walked = WalkTiles(composer, s.w, s.h, s.tiles, d, pictures);
                EXPECT_EQ(Pixels(frame.begin() + 1, frame.end() - 1), walked)
                    << s.w << "x" << s.h << " r" << s.resolution << " t" << s.tiles << " d"
                    << int(d);
            }
        }
}

}  // namespace
