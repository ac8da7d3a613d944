// The theme atlases as the program carries them, against what the generator draws now, read with
// the program's own decoder and checked cell by cell against the table the theme cuts them by.
#include "styling/core/pcxdecoder.h"
#include "styling/themes/lunacells.h"
#include "tools/atlasgen/atlas.h"
#include "tools/atlasgen/pcxwriter.h"
#include "tools/atlasgen/quantizer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Magenta = 0xFFFF00FF;  // the key colour, as decoded

struct TAtlas {
    TLunaSheet sheet;
    std::vector<uint8_t> file;  // as embedded in the program
    TIndexedImage drawn;        // as the generator draws it now
    TPcxImage read;             // as the program reads the embedded file

    uint32_t At(int x, int y) const { return read.Pixels[size_t(y) * read.Width + x]; }
};

TAtlas Load(TAtlasId id)
{
    TAtlas a{id == aiMain || id == aiMetalMain ? lsMain : lsSecond, {}, Quantize(DrawAtlas(id)), {}};
    if (HRSRC found = FindResourceA(nullptr, AtlasName(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */)) {
        const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
        a.file.assign(data, data + SizeofResource(nullptr, found));
    }
    DecodePcx(a.file.data(), a.file.size(), a.read);
    // Reads stay in bounds when that failed; the first test says so.
    const TLunaAtlasSize size = a.sheet == lsMain ? LunaMainAtlasSize : LunaSecondAtlasSize;
    a.read.Pixels.resize(size_t(size.width) * size.height);
    return a;
}

// Pixels of two equally sized blocks that differ visibly: some channel apart
// by more than a faint step.
int VisibleDifference(const TAtlas& a, TLunaRect r, const TAtlas& b, TLunaRect s)
{
    int count = 0;
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x) {
            const uint32_t p = a.At(r.left + x, r.top + y), q = b.At(s.left + x, s.top + y);
            bool differs = false;
            for (int shift = 0; shift < 24; shift += 8)
                differs |= std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)) > 24;
            count += differs;
        }
    return count;
}

std::vector<TLunaRect> CellsOf(int id)
{
    std::vector<TLunaRect> cells;
    for (int i = 0; i < LunaCellGroups[id].rows * LunaCellGroups[id].columns; ++i)
        cells.push_back(LunaCell(TLunaCellId(id), i / LunaCellGroups[id].columns, i % LunaCellGroups[id].columns));
    return cells;
}

class AtlasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < aiCount; ++i)
            atlases_.push_back(Load(TAtlasId(i)));
    }
    static std::vector<TAtlas> atlases_;
};

std::vector<TAtlas> AtlasTest::atlases_;

}  // namespace

TEST_F(AtlasTest, CommittedAtlasesAreWhatTheGeneratorDrawsAndWhatTheProgramReads)
{
    for (const TAtlas& a : atlases_) {
        EXPECT_TRUE(EncodePcx(a.drawn) == a.file) << "run `make atlases` and commit the result";
        const TLunaAtlasSize size = a.sheet == lsMain ? LunaMainAtlasSize : LunaSecondAtlasSize;
        ASSERT_TRUE(a.read.Width == size.width && a.read.Height == size.height);
        int wrong = 0, lookalikes = 0;
        for (size_t p = 0; p < a.read.Pixels.size(); ++p) {
            const uint8_t* rgb = &a.drawn.palette[a.drawn.pixels[p] * 3];
            const uint32_t c = a.read.Pixels[p];
            wrong += c != (0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
            // The loader makes every colour within 6 of the top-left pixel see-through.
            lookalikes += c != Magenta && 255 - (c >> 16 & 255) < 6 && (c >> 8 & 255) < 6 && 255 - (c & 255) < 6;
        }
        EXPECT_TRUE(wrong == 0 && lookalikes == 0 && a.At(0, 0) == Magenta) << wrong << " " << lookalikes;
    }
}

// See-through pixels only where the theme's way of copying lets them show;
// the 13 x 13 marks of the 16 x 16 check and radio cells stay inside.
TEST_F(AtlasTest, EveryCellKeepsTheKeyColourOnlyWhereItsCopyAllows)
{
    for (const TAtlas& a : atlases_)
        for (int id = 0; id < lciCount; ++id) {
            const TLunaCellGroup& g = LunaCellGroups[id];
            for (const TLunaRect& r : LunaOnSheet(g, a.sheet) ? CellsOf(id) : std::vector<TLunaRect>()) {
                SCOPED_TRACE(std::to_string(id) + " at " + std::to_string(r.left) + "," + std::to_string(r.top));
                int keys = 0, misplaced = 0;
                TLunaRect used = {g.width, g.height, 0, 0};
                for (int y = 0; y < g.height; ++y)
                    for (int x = 0; x < g.width; ++x) {
                        const bool key = a.At(r.left + x, r.top + y) == Magenta;
                        const int side = std::min(x, g.width - 1 - x);
                        const bool corner = side < g.margin && std::min(y, g.height - 1 - y) < g.margin;
                        const bool cut = y < int(std::size(LunaCaptionCornerCut)) && side < LunaCaptionCornerCut[y];
                        keys += key;
                        if (g.copy == lcRegionCut)
                            misplaced += key != cut;
                        else if (g.copy != lcTransparent)
                            misplaced += key && !(g.copy == lcNinePieces && corner);
                        if (!key)
                            used = {std::min(used.left, x), std::min(used.top, y), std::max(used.right, x + 1),
                                    std::max(used.bottom, y + 1)};
                    }
                EXPECT_EQ(misplaced, 0);
                EXPECT_TRUE(g.copy != lcTransparent || (keys > 0 && keys < g.width * g.height)) << keys;
                const bool mark = id == lciCheckBox || id == lciRadio;
                EXPECT_TRUE(!mark || (used.right - used.left == 13 && used.bottom - used.top == 13));
            }
        }
}

TEST_F(AtlasTest, EveryStateAndEveryLookLooksDifferent)
{
    for (const TAtlas& a : atlases_)
        for (int id = 0; id < lciCount; ++id) {
            if (!LunaOnSheet(LunaCellGroups[id], a.sheet))
                continue;
            const std::vector<TLunaRect> cells = CellsOf(id);
            for (size_t i = 0; i < cells.size(); ++i)
                for (size_t j = i + 1; j < cells.size(); ++j)
                    EXPECT_GE(VisibleDifference(a, cells[i], a, cells[j]), 4) << id << ": " << i << ", " << j;
        }
    // Hot tabs differ from normal ones; inactive frames and caption buttons
    // from active ones (their glyphs stay alike).
    for (size_t look : {aiMain, aiMetalMain}) {
        for (int side = 0; side < 4; ++side)
            EXPECT_GE(VisibleDifference(atlases_[look + 1], LunaCell(lciTabNormal, 0, side), atlases_[look + 1],
                                        LunaCell(lciTabHot, 0, side)), 4);
        for (int id : {lciFrameStandard, lciFrameTool, lciCaptionButton, lciSmallClose}) {
            const TLunaRect r = LunaGroupBounds(LunaCellGroups[id]);
            const int area = (r.right - r.left) * (r.bottom - r.top);
            EXPECT_GT(VisibleDifference(atlases_[look], r, atlases_[look + 1], r), area / 16) << id;
        }
    }
    // The middle of the active caption: blue in one look, nearly grey in the other.
    const TLunaRect frame = LunaCell(lciFrameStandard);
    const int x = (frame.left + frame.right) / 2, y = LunaStandardFrame.caption / 2;
    const uint32_t blue = atlases_[aiMain].At(x, y), grey = atlases_[aiMetalMain].At(x, y);
    const int gr = (grey >> 16) & 255, gg = (grey >> 8) & 255, gb = grey & 255;
    EXPECT_TRUE(int(blue & 255) - int((blue >> 16) & 255) > 120 && gb >= gr && gr >= gg && gb - gg < 50);
}
