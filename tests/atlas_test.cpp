// The theme atlases as the program carries them: read back from this
// executable's own resources with a small PCX reader of its own, and checked
// against the layout the themes cut them by.
#include "tools/atlasgen/atlas.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TRect {
    int left, top, right, bottom;
};

struct TAtlasFile {
    const char* name;
    int width, height;
    bool main;  // the first atlas of its theme
    bool metal;
};

const TAtlasFile Atlases[] = {
    {"XP_MAIN", 190, 372, true, false},
    {"XP_MAIN1", 196, 435, false, false},
    {"XP_METAL_MAIN", 190, 372, true, true},
    {"XP_METAL_MAIN1", 196, 435, false, true},
};

std::vector<uint8_t> ResourceBytes(const char* name)
{
    HRSRC found = FindResourceExA(nullptr, MAKEINTRESOURCEA(10) /* RT_RCDATA */, name,
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    return std::vector<uint8_t>(data, data + SizeofResource(nullptr, found));
}

int Read16(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}

// Only what these files use: one 8-bit plane, run-length body, palette at the end.
struct TPcx {
    std::vector<uint8_t> header;
    int width = 0, height = 0;
    std::vector<uint8_t> indices;
    const uint8_t* palette = nullptr;
    size_t bodyEnd = 0;  // offset just after the last byte the body used

    uint32_t At(int x, int y) const
    {
        const uint8_t* p = palette + indices[size_t(y) * width + x] * 3;
        return uint32_t(p[0]) << 16 | p[1] << 8 | p[2];
    }
};

bool Decode(const std::vector<uint8_t>& file, TPcx& pcx)
{
    if (file.size() < 128 + 769)
        return false;
    pcx.header.assign(file.begin(), file.begin() + 128);
    pcx.width = Read16(file, 8) - Read16(file, 4) + 1;
    pcx.height = Read16(file, 10) - Read16(file, 6) + 1;
    const size_t need = size_t(pcx.width) * pcx.height;
    size_t at = 128;
    const size_t paletteMark = file.size() - 769;
    while (pcx.indices.size() < need && at < paletteMark) {
        uint8_t b = file[at++];
        int count = 1;
        if (b >= 0xC0) {
            if (at == paletteMark)
                return false;
            count = b & 0x3F;
            b = file[at++];
        }
        pcx.indices.insert(pcx.indices.end(), size_t(count), b);
    }
    pcx.bodyEnd = at;
    pcx.palette = &file[paletteMark + 1];
    return pcx.indices.size() == need && file[paletteMark] == 0x0C;
}

const uint32_t Magenta = 0xFF00FF;

bool IsMagenta(uint32_t c)
{
    return c == Magenta;
}

// Visibly different: some channel apart by more than a faint step.
bool Differs(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) > 24)
            return true;
    return false;
}

class AtlasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < 4; ++i) {
            files_[i] = ResourceBytes(Atlases[i].name);
            decoded_[i] = Decode(files_[i], pcx_[i]);
        }
    }

    const TPcx& Main(bool metal) const { return pcx_[metal ? 2 : 0]; }
    const TPcx& Second(bool metal) const { return pcx_[metal ? 3 : 1]; }

    // Pixels of two equally sized cells that differ visibly.
    static int VisibleDifference(const TPcx& a, TRect r, const TPcx& b, TRect s)
    {
        int count = 0;
        for (int y = 0; y < r.bottom - r.top; ++y)
            for (int x = 0; x < r.right - r.left; ++x)
                if (Differs(a.At(r.left + x, r.top + y), b.At(s.left + x, s.top + y)))
                    ++count;
        return count;
    }

    // Every pair of the cells must tell apart at a glance.
    static void ExpectAllDistinct(const TPcx& pcx, const std::vector<TRect>& cells, const std::string& what)
    {
        for (size_t i = 0; i < cells.size(); ++i)
            for (size_t j = i + 1; j < cells.size(); ++j)
                EXPECT_GE(VisibleDifference(pcx, cells[i], pcx, cells[j]), 4)
                    << what << ": cells " << i << " and " << j << " look alike";
    }

    static int CountMagenta(const TPcx& pcx, TRect r)
    {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += IsMagenta(pcx.At(x, y));
        return count;
    }

    static std::array<std::vector<uint8_t>, 4> files_;
    static std::array<TPcx, 4> pcx_;
    static std::array<bool, 4> decoded_;
};

std::array<std::vector<uint8_t>, 4> AtlasTest::files_;
std::array<TPcx, 4> AtlasTest::pcx_;
std::array<bool, 4> AtlasTest::decoded_;

TRect Cell(int x, int y, int w, int h)
{
    return {x, y, x + w, y + h};
}

// Cells a theme copies opaque (whole, stretched or as nine-piece edges), so a
// magenta pixel there would show on screen as the key colour.
std::vector<TRect> OpaqueAreas(bool main)
{
    std::vector<TRect> areas = {
        {5, 0, 61, 60}, {0, 5, 66, 60},  // standard frame, less its cut-off top corners
        {66, 0, 132, 51},                // tool-window frame
        {0, 70, 63, 91}, {66, 70, 108, 84},
    };
    for (int row = 1; row < 8; ++row)
        areas.push_back(Cell(0, 70 + 30 * row, 63, 21));
    if (main) {
        for (int s = 0; s < 5; ++s) {  // push buttons: all but the 4 x 4 corners
            areas.push_back({74, 100 + 30 * s, 139, 121 + 30 * s});
            areas.push_back({70, 104 + 30 * s, 143, 117 + 30 * s});
        }
        areas.push_back({151, 248, 166, 304});  // combo buttons
        areas.push_back({60, 331, 128, 346});   // status bar strip
        areas.push_back({0, 310, 57, 367});     // menu-bar buttons
        for (int s = 0; s < 4; ++s) {           // small buttons: all but 3 x 3 corners
            areas.push_back({135, 278 + 14 * s, 143, 292 + 14 * s});
            areas.push_back({132, 281 + 14 * s, 146, 289 + 14 * s});
        }
    } else {
        areas.push_back({1, 305, 18, 373});    // scroll thumbs and button bodies
        areas.push_back({19, 305, 36, 322});   // scroll tracks
        areas.push_back({37, 305, 54, 322});
        areas.push_back({103, 101, 121, 173}); // header sections
        areas.push_back({153, 344, 168, 362}); // tab sheet
        for (int c = 0; c < 4; ++c) {          // tabs: all but their 4 x 4 corners
            areas.push_back({72 + 21 * c, 344, 85 + 21 * c, 386});
            areas.push_back({68 + 21 * c, 348, 89 + 21 * c, 361});
            areas.push_back({68 + 21 * c, 369, 89 + 21 * c, 382});
        }
    }
    return areas;
}

// Cells drawn transparent: each must hold a picture and keep magenta around it.
std::vector<TRect> TransparentCells(bool main)
{
    std::vector<TRect> cells;
    auto column = [&](int x, int y, int w, int h, int count, int step) {
        for (int i = 0; i < count; ++i)
            cells.push_back(Cell(x, y + step * i, w, h));
    };
    if (main) {
        column(171, 102, 16, 16, 12, 16);  // check boxes
        column(152, 102, 16, 16, 8, 16);   // radio buttons
        for (int c = 0; c < 3; ++c)
            column(134 + 17 * c, 32, 17, 17, 3, 17);  // header-panel buttons
        column(155, 314, 10, 7, 4, 7);     // combo glyphs
        column(60, 311, 6, 3, 6, 3);       // drop arrows
        cells.push_back(Cell(119, 58, 10, 6));   // grip dot
        cells.push_back(Cell(69, 279, 16, 17));  // size grip
        cells.push_back(Cell(60, 348, 3, 15));   // status panel separator
    } else {
        for (int c = 0; c < 4; ++c)
            column(2 + 9 * c, 375, 9, 9, 4, 9);  // scroll arrows
        column(75, 128, 22, 11, 5, 43);          // track thumbs
        column(153, 96, 22, 11, 5, 55);
        column(152, 78, 22, 11, 5, 55);
        column(80, 100, 11, 23, 5, 43);
        column(129, 96, 11, 22, 5, 55);
        column(129, 67, 11, 22, 5, 55);
    }
    return cells;
}

TEST_F(AtlasTest, EachAtlasIsAnEightBitRunLengthPcxOfItsSize)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        ASSERT_TRUE(decoded_[i]);
        const std::vector<uint8_t>& h = pcx_[i].header;
        EXPECT_EQ(h[0], 10);
        EXPECT_EQ(h[1], 5);
        EXPECT_EQ(h[2], 1);
        EXPECT_EQ(h[3], 8);
        EXPECT_EQ(Read16(h, 4), 0);
        EXPECT_EQ(Read16(h, 6), 0);
        EXPECT_EQ(Read16(h, 12), 96);
        EXPECT_EQ(Read16(h, 14), 96);
        EXPECT_EQ(h[65], 1);
        EXPECT_EQ(Read16(h, 66), Atlases[i].width);
        EXPECT_EQ(pcx_[i].width, Atlases[i].width);
        EXPECT_EQ(pcx_[i].height, Atlases[i].height);
        // The body ends exactly at the palette marker: nothing is left over.
        EXPECT_EQ(pcx_[i].bodyEnd, files_[i].size() - 769);
    }
}

TEST_F(AtlasTest, MagentaIsTheOnlyColourTheLoaderMakesTransparent)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        ASSERT_TRUE(decoded_[i]);
        const TPcx& pcx = pcx_[i];
        EXPECT_EQ(pcx.At(0, 0), Magenta);
        int lookalikes = 0;
        for (int y = 0; y < pcx.height; ++y)
            for (int x = 0; x < pcx.width; ++x) {
                const uint32_t c = pcx.At(x, y);
                const bool similar = 255 - (c >> 16) < 6 && ((c >> 8) & 255) < 6 && 255 - (c & 255) < 6;
                lookalikes += similar && c != Magenta;
            }
        EXPECT_EQ(lookalikes, 0);
    }
}

TEST_F(AtlasTest, OpaqueCellsHaveNoTransparentPixel)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        ASSERT_TRUE(decoded_[i]);
        for (const TRect& r : OpaqueAreas(Atlases[i].main))
            EXPECT_EQ(CountMagenta(pcx_[i], r), 0) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

// The window region of a standard frame cuts 5, 3, 2, 1, 1 pixels off the
// first rows at each top corner: exactly those template pixels are magenta.
TEST_F(AtlasTest, StandardFrameCornersFollowTheWindowRegion)
{
    const int cut[] = {5, 3, 2, 1, 1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        ASSERT_TRUE(decoded_[i]);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool outside = y < 5 && x < cut[y];
                EXPECT_EQ(IsMagenta(pcx_[i].At(x, y)), outside) << x << "," << y;
                EXPECT_EQ(IsMagenta(pcx_[i].At(65 - x, y)), outside) << 65 - x << "," << y;
            }
    }
}

TEST_F(AtlasTest, TransparentCellsHoldAPictureInsideMagenta)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        ASSERT_TRUE(decoded_[i]);
        for (const TRect& r : TransparentCells(Atlases[i].main)) {
            const int area = (r.right - r.left) * (r.bottom - r.top);
            const int magenta = CountMagenta(pcx_[i], r);
            EXPECT_GT(magenta, 0) << r.left << "," << r.top;
            EXPECT_LT(magenta, area) << r.left << "," << r.top;
        }
    }
}

// The check and radio cells are 16 x 16 with a 13 x 13 picture: the
// controls place the cell, so the picture must not spill into the margin.
TEST_F(AtlasTest, CheckAndRadioPicturesAreThirteenPixelsSquare)
{
    for (bool metal : {false, true}) {
        ASSERT_TRUE(decoded_[metal ? 2 : 0]);
        const TPcx& pcx = Main(metal);
        std::vector<TRect> cells;
        for (int k = 0; k < 12; ++k)
            cells.push_back(Cell(171, 102 + 16 * k, 16, 16));
        for (int k = 0; k < 8; ++k)
            cells.push_back(Cell(152, 102 + 16 * k, 16, 16));
        for (const TRect& r : cells) {
            TRect used = {r.right, r.bottom, r.left, r.top};
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (!IsMagenta(pcx.At(x, y)))
                        used = {std::min(used.left, x), std::min(used.top, y), std::max(used.right, x + 1),
                                std::max(used.bottom, y + 1)};
            EXPECT_EQ(used.right - used.left, 13) << r.left << "," << r.top;
            EXPECT_EQ(used.bottom - used.top, 13) << r.left << "," << r.top;
        }
    }
}

TEST_F(AtlasTest, EveryStateOfAControlLooksDifferent)
{
    auto column = [](int x, int y, int w, int h, int count, int step) {
        std::vector<TRect> cells;
        for (int i = 0; i < count; ++i)
            cells.push_back(Cell(x, y + step * i, w, h));
        return cells;
    };
    auto row = [](int x, int y, int w, int h, int count, int step) {
        std::vector<TRect> cells;
        for (int i = 0; i < count; ++i)
            cells.push_back(Cell(x + step * i, y, w, h));
        return cells;
    };
    for (bool metal : {false, true}) {
        SCOPED_TRACE(metal ? "MetalLuna" : "Luna");
        ASSERT_TRUE(decoded_[metal ? 2 : 0] && decoded_[metal ? 3 : 1]);
        const TPcx& a = Main(metal);
        const TPcx& b = Second(metal);
        for (const TPcx* p : {&a, &b}) {
            for (int glyph = 0; glyph < 8; ++glyph)
                ExpectAllDistinct(*p, row(0, 70 + 30 * glyph, 21, 21, 3, 21), "caption button");
            ExpectAllDistinct(*p, row(66, 70, 14, 14, 3, 14), "small close");
        }
        ExpectAllDistinct(a, column(70, 100, 73, 21, 5, 30), "push button");
        ExpectAllDistinct(a, column(171, 102, 16, 16, 12, 16), "check box");
        ExpectAllDistinct(a, column(152, 102, 16, 16, 8, 16), "radio button");
        for (int glyph = 0; glyph < 3; ++glyph)
            ExpectAllDistinct(a, row(134, 32 + 17 * glyph, 17, 17, 3, 17), "header-panel button");
        ExpectAllDistinct(a, column(151, 248, 15, 14, 4, 14), "combo button");
        ExpectAllDistinct(a, column(155, 314, 10, 7, 4, 7), "combo glyph");
        ExpectAllDistinct(a, {Cell(89, 278, 20, 23), Cell(109, 278, 20, 23), Cell(89, 301, 20, 23),
                              Cell(109, 301, 20, 23)}, "speed button");
        ExpectAllDistinct(a, column(132, 278, 14, 14, 4, 14), "small button");
        for (int kind = 0; kind < 3; ++kind)
            ExpectAllDistinct(a, column(19 * kind, 310, 19, 19, 3, 19), "menu-bar button");
        ExpectAllDistinct(b, column(1, 305, 17, 17, 4, 17), "scroll body");
        for (int dir = 0; dir < 4; ++dir)
            ExpectAllDistinct(b, column(2 + 9 * dir, 375, 9, 9, 4, 9), "scroll arrow");
        ExpectAllDistinct(b, column(75, 128, 22, 11, 5, 43), "track thumb");
        ExpectAllDistinct(b, column(153, 96, 22, 11, 5, 55), "track thumb");
        ExpectAllDistinct(b, column(152, 78, 22, 11, 5, 55), "track thumb");
        ExpectAllDistinct(b, column(80, 100, 11, 23, 5, 43), "track thumb");
        ExpectAllDistinct(b, column(129, 96, 11, 22, 5, 55), "track thumb");
        ExpectAllDistinct(b, column(129, 67, 11, 22, 5, 55), "track thumb");
        for (int pos = 0; pos < 4; ++pos) {
            ExpectAllDistinct(b, {Cell(68 + 21 * pos, 365, 21, 21), Cell(68 + 21 * pos, 344, 21, 21)}, "tab");
            // The selected cell is 18 wide, one column in.
            ExpectAllDistinct(b, {Cell(69 + 21 * pos, 386, 18, 21), Cell(69 + 21 * pos, 365, 18, 21),
                                  Cell(69 + 21 * pos, 344, 18, 21)}, "selected tab");
        }
        ExpectAllDistinct(b, column(103, 101, 18, 18, 4, 18), "header section");
        // Inactive frames and caption buttons differ from the active ones.
        EXPECT_GT(VisibleDifference(a, Cell(0, 0, 132, 60), b, Cell(0, 0, 132, 60)), 1000);
        EXPECT_GT(VisibleDifference(a, Cell(0, 70, 63, 231), b, Cell(0, 70, 63, 231)), 1000);
    }
}

TEST_F(AtlasTest, MetalLunaHasTheSameLayoutInGreyViolet)
{
    for (bool ok : decoded_)
        ASSERT_TRUE(ok);
    for (bool main : {true, false}) {
        const TPcx& luna = main ? Main(false) : Second(false);
        const TPcx& metal = main ? Main(true) : Second(true);
        ASSERT_EQ(luna.width, metal.width);
        ASSERT_EQ(luna.height, metal.height);
        int mismatched = 0;
        for (int y = 0; y < luna.height; ++y)
            for (int x = 0; x < luna.width; ++x)
                mismatched += IsMagenta(luna.At(x, y)) != IsMagenta(metal.At(x, y));
        EXPECT_EQ(mismatched, 0);
    }
    // The middle of the active caption: blue in one look, nearly grey in the other.
    const uint32_t blue = Main(false).At(33, 14), violet = Main(true).At(33, 14);
    const int br = blue >> 16, bb = blue & 255, vr = violet >> 16, vg = (violet >> 8) & 255, vb = violet & 255;
    EXPECT_GT(bb - br, 120);
    EXPECT_GE(vb, vr);
    EXPECT_GE(vr, vg);
    EXPECT_LT(vb - vg, 50);
}

TEST_F(AtlasTest, CommittedAtlasesAreWhatTheGeneratorDrawsNow)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Atlases[i].name);
        EXPECT_EQ(std::string(AtlasName(TAtlasId(i))), Atlases[i].name);
        EXPECT_TRUE(BuildAtlasPcx(TAtlasId(i)) == files_[i]) << "run `make atlases` and commit the result";
    }
}

}  // namespace
