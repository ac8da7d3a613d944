// The system menu's caption glyphs: the committed pictures are the
// generator's, 16-colour, on the magenta key, and each shape reads as what
// it stands for; the shared list holds them in image-index order and draws
// them with the key left out.
#include "framework/graphics/imagelist.h"
#include "styling/core/skcaptionglyphs.h"
#include "styling/core/sksystem.h"
#include "tests/support/windowtest.h"
#include "tools/captionglyphs/captionglyphs.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// The picture as the program holds it, read from its resource.
struct TLoadedGlyph {
    int width = 0, height = 0, bits = 0;
    std::vector<uint32_t> pixels;
};

TLoadedGlyph LoadGlyph(const std::string& name)
{
    TLoadedGlyph glyph;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return glyph;
    DIBSECTION dib{};
    GetObjectA(bitmap, sizeof(dib), &dib);
    glyph.width = dib.dsBm.bmWidth;
    glyph.height = dib.dsBm.bmHeight;
    glyph.bits = dib.dsBm.bmBitsPixel;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            glyph.pixels.push_back(Rgb(GetPixel(dc, x, y)));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return glyph;
}

TEST(CaptionGlyphs, TheCommittedPicturesAreTheGeneratorsAndReadAsTheirShapes)
{
    const std::vector<TCaptionGlyph> drawn = DrawCaptionGlyphs();
    ASSERT_EQ(drawn.size(), 6u);
    for (const TCaptionGlyph& glyph : drawn) {
        SCOPED_TRACE(glyph.resourceName);
        const TLoadedGlyph loaded = LoadGlyph(glyph.resourceName);
        const int size = glyph.resourceName == "SK_FORM_MINIMIZE" ? 17 : 16;
        EXPECT_EQ(std::tuple(loaded.width, loaded.height, loaded.bits), std::tuple(size, size, 4));
        ASSERT_EQ(loaded.pixels.size(), size_t(size * size));
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += loaded.pixels[y * size + x] != glyph.At(x, y);
        EXPECT_EQ(differing, 0) << "run `make caption-glyphs`";
        // The key all round the picture.
        for (int i = 0; i < size; ++i)
            EXPECT_TRUE(glyph.At(i, 0) == CaptionGlyphKey && glyph.At(0, i) == CaptionGlyphKey &&
                        glyph.At(i, size - 1) == CaptionGlyphKey &&
                        glyph.At(size - 1, i) == CaptionGlyphKey);
    }

    // Pixels of ink (not the key) in glyph index between two corners.
    const auto ink = [&](int index, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += drawn[index].At(x, y) != CaptionGlyphKey;
        return n;
    };
    // Close: an X, the same under both mirrors, empty between its arms.
    for (int i = 3; i <= 12; ++i)
        EXPECT_EQ(ink(kcgClose, i, i, i, i) + ink(kcgClose, 15 - i, i, 15 - i, i), 2) << i;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(ink(kcgClose, x, y, x, y), ink(kcgClose, 15 - x, y, 15 - x, y));
    EXPECT_EQ(ink(kcgClose, 7, 3, 7, 3) + ink(kcgClose, 3, 7, 3, 7) + ink(kcgClose, 7, 12, 7, 12), 0);
    // Minimize: a bar in the lower third and nothing above it.
    EXPECT_EQ(ink(kcgMinimize, 0, 0, 16, 10), 0);
    EXPECT_GE(ink(kcgMinimize, 4, 11, 12, 12), 16);
    // Maximize: a closed outline with a caption band and a white inside;
    // restore: the back window's caption top right, the front one whole.
    const TCaptionGlyph &max = drawn[kcgMaximize], &restore = drawn[kcgRestore];
    for (int i = 2; i <= 13; ++i)
        EXPECT_TRUE(max.At(i, 2) == 0 && max.At(i, 13) == 0 && max.At(2, i) == 0 && max.At(13, i) == 0);
    EXPECT_EQ(std::tuple(max.At(7, 3), max.At(7, 9)), std::tuple(0x000080u, 0xFFFFFFu));
    EXPECT_EQ(std::tuple(restore.At(12, 2), restore.At(3, 6), restore.At(6, 11)),
              std::tuple(0x000080u, 0x000080u, 0xFFFFFFu));
    // Roll-up points up at a lone caption; tray points down into a tray.
    const auto widths = [&](int index, int from, int to) {
        std::vector<int> w;
        for (int y = from; y <= to; ++y)
            w.push_back(ink(index, 0, y, 15, y));
        return w;
    };
    EXPECT_EQ(widths(kcgRollup, 7, 10), (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(drawn[kcgRollup].At(7, 3), 0x000080u);
    EXPECT_EQ(widths(kcgTray, 5, 8), (std::vector<int>{8, 6, 4, 2}));
    EXPECT_EQ(ink(kcgTray, 2, 13, 13, 13), 12);
}

TEST(CaptionGlyphs, TheSharedListHoldsThemOnceWithTheKeyTransparent)
{
    TSkControlsUnit unit;
    TImageList* list = SkCaptionGlyphs();
    ASSERT_NE(list, nullptr);
    {
        TSkControlsUnit nested;  // a second start-up makes no second list
        EXPECT_EQ(SkCaptionGlyphs(), list);
    }
    EXPECT_EQ(std::tuple(list->Count(), list->Width(), list->Height()), std::tuple(6, 16, 16));
    TestDib dib(16 * 6, 16);
    const RECT all{0, 0, 16 * 6, 16};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dib.DC(), &all, green);
    DeleteObject(green);
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    for (int i = 0; i < 6; ++i)
        list->Draw(&canvas, 16 * i, 0, i);
    canvas.SetHandle(nullptr);
    const std::vector<TCaptionGlyph> drawn = DrawCaptionGlyphs();
    for (int i = 0; i < 6; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const uint32_t want = drawn[i].At(x, y);
                ASSERT_EQ(dib.Pixel(16 * i + x, y), want == CaptionGlyphKey ? 0x00FF00u : want)
                    << drawn[i].resourceName << " " << x << "," << y;
            }
}

} // namespace
