// The picture themes drawn into real device contexts and compared with the
// atlas pixels they are cut from.
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "styling/core/themeregistry.h"
#include "styling/themes/skthemes.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF Paper = RGB(1, 2, 3);  // a colour no atlas uses

class LunaTest : public ::testing::Test {
protected:
    // A dib of the size, filled with Paper, with the canvas over it.
    DibSection& Surface(int width, int height)
    {
        canvas.SetHandle(nullptr);
        dib = std::make_unique<DibSection>(width, height);
        dib->Fill(Paper);
        canvas.SetHandle(dib->DC());
        return *dib;
    }
    void TearDown() override { canvas.SetHandle(nullptr); }

    static COLORREF AtlasAt(const TSkBitmap& atlas, int x, int y)
    {
        return COLORREF(SkColorToColor(atlas.GetPixel(x, y)));
    }
    static bool IsKey(const TSkBitmap& atlas, int x, int y)
    {
        return (atlas.GetPixel(x, y) & SkColorMask) == SkTransparentColor;
    }
    // Every pixel of the w x h block at (dx, dy) equals the atlas block at
    // (sx, sy); see-through atlas pixels leave Paper when transparent.
    ::testing::AssertionResult SameBlock(const TSkBitmap& atlas, int sx, int sy, int dx, int dy,
                                         int w, int h, bool transparent)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF want = transparent && IsKey(atlas, sx + x, sy + y)
                                          ? Paper
                                          : AtlasAt(atlas, sx + x, sy + y);
                if (dib->At(dx + x, dy + y) != want)
                    return ::testing::AssertionFailure()
                           << "at (" << dx + x << ", " << dy + y << ") from atlas (" << sx + x
                           << ", " << sy + y << ")";
            }
        return ::testing::AssertionSuccess();
    }
    bool Untouched(int left, int top, int right, int bottom)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (dib->At(x, y) != Paper)
                    return false;
        return true;
    }
    static ::testing::AssertionResult Near(TColor got, COLORREF want)
    {
        const COLORREF c = COLORREF(got);
        if (std::abs(GetRValue(c) - GetRValue(want)) <= 1 &&
            std::abs(GetGValue(c) - GetGValue(want)) <= 1 &&
            std::abs(GetBValue(c) - GetBValue(want)) <= 1)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << std::hex << c << " is not near " << want;
    }
    std::vector<COLORREF> Snapshot()
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < dib->Height(); ++y)
            for (int x = 0; x < dib->Width(); ++x)
                pixels.push_back(dib->At(x, y));
        return pixels;
    }

    TSkControlsUnit unit;
    TSkThemeLuna luna;
    std::unique_ptr<DibSection> dib;
    TCanvas canvas;
};

}  // namespace

TEST_F(LunaTest, AnswersItsTablesAndNames)
{
    TSkThemeMetalLuna metal;
    EXPECT_EQ(luna.GetName(), "Luna");
    EXPECT_EQ(metal.GetName(), "MetalLuna");
    EXPECT_TRUE(luna.IsAvailable());
    EXPECT_TRUE(luna.HasCaptionShadow());
    EXPECT_EQ(luna.GetColor(kcBorder), RGB(49, 106, 197));
    EXPECT_EQ(metal.GetColor(kcBorder), RGB(163, 163, 184));
    EXPECT_EQ(metal.GetColor(kcActiveCaptionText), RGB(0, 0, 128));
    EXPECT_EQ(luna.GetColor(kcHeaderGradientStart), RGB(149, 206, 255));
    EXPECT_EQ(luna.GetColor(kcPopup), RGB(255, 255, 255));
    // Kinds without an entry and past the table: the scroll-bar colour.
    EXPECT_EQ(luna.GetColor(kcHotFace), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(metal.GetColor(26), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(luna.GetSize(ksToolCaptionHeight), 19);
    EXPECT_EQ(luna.GetSize(ksScrollBarSize), 17);
    EXPECT_EQ(luna.GetSize(29), 11);
    EXPECT_EQ(luna.GetSize(30), 0);
    EXPECT_EQ(luna.GetFontName(7), "Tahoma");
    EXPECT_EQ(luna.GetFontSize(kfCaption), 10);
    EXPECT_EQ(luna.GetFontSize(5), 8);
    EXPECT_TRUE(luna.GetFontStyle(kfToolCaption).Contains(fsBold));
    EXPECT_TRUE(luna.GetFontStyle(kfPopup) == TFontStyles());

    // Brightness alone is exact; the hue circle only rounds a real turn.
    luna.SetDeltaBrightness(20);
    EXPECT_EQ(luna.GetColor(kcBorder), RGB(69, 126, 217));
}

TEST_F(LunaTest, RegistersBothLooksAndMakesThemByName)
{
    RegisterSkThemes();
    const TSkThemeClass* found = FindThemeClass("MetalLuna");
    ASSERT_NE(found, nullptr);
    std::unique_ptr<TSkTheme> theme(found->Create());
    EXPECT_TRUE(theme->InheritsFrom(TSkThemeMetalLuna::StaticClass()));
    ASSERT_NE(FindThemeClass("Luna"), nullptr);
    EXPECT_EQ(FindThemeClass("Luna")->Class, TSkThemeLuna::StaticClass());
}

TEST_F(LunaTest, MetalLunaCarriesItsOwnAtlases)
{
    // The metal look must not keep the blue pictures its base class loads.
    TSkThemeMetalLuna metal;
    TSkBitmap blue, grey;
    blue.LoadFromResource(GetModuleHandleA(nullptr), "XP_MAIN");
    grey.LoadFromResource(GetModuleHandleA(nullptr), "XP_METAL_MAIN");
    const int x = 33, y = 10;  // inside the active caption
    EXPECT_NE(blue.GetPixel(x, y), grey.GetPixel(x, y));
    EXPECT_EQ(metal.Atlas().GetPixel(x, y), grey.GetPixel(x, y));
    EXPECT_EQ(luna.Atlas().GetPixel(x, y), blue.GetPixel(x, y));
    EXPECT_EQ(metal.Atlas1().Width(), 196);
    EXPECT_EQ(metal.Atlas1().Height(), 435);
    // Magenta is the key after loading.
    EXPECT_EQ(metal.Atlas().GetPixel(0, 0) & SkColorMask, SkTransparentColor);
}

namespace {

// A look whose second atlas is missing from the program.
class TMissingAtlasTheme : public TSkThemeLuna {
public:
    bool broken = false;
    void LoadImages() override
    {
        if (broken)
            LoadAtlases("XP_MAIN", "NO_SUCH_ATLAS");
        else
            TSkThemeLuna::LoadImages();
    }
};

}  // namespace

TEST_F(LunaTest, AMissingAtlasIsReportedAndTheOldPicturesStay)
{
    TMissingAtlasTheme theme;
    theme.SetDeltaHue(40);
    GdiFlush();
    const TSkColor shifted = theme.Atlas().GetPixel(33, 10);
    theme.broken = true;
    try {
        theme.SetDeltaHue(80);
        FAIL() << "no error";
    } catch (const ESkBitmapError& e) {
        EXPECT_NE(std::string(e.what()).find("NO_SUCH_ATLAS"), std::string::npos) << e.what();
    }
    EXPECT_EQ(theme.Atlas().GetPixel(33, 10), shifted);
    Surface(75, 25);
    theme.DrawButton(&canvas, 75, 25, kesNormal);  // still paints
    EXPECT_NE(dib->At(37, 12), Paper);
}

TEST_F(LunaTest, ToolWindowFrameOfAHundredBySixty)
{
    Surface(100, 60);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawFormFrame(&canvas, 100, 60, TRect{2, 19, 98, 58}, true, kbsToolWindow);
    // Caption corners of 10 x 19, unscaled.
    EXPECT_TRUE(SameBlock(a, 66, 0, 0, 0, 10, 19, false));
    EXPECT_TRUE(SameBlock(a, 121, 0, 90, 0, 10, 19, false));
    // The middle stretched over x = 10..89: its ends come from the template's ends.
    for (int y = 0; y < 19; ++y) {
        EXPECT_EQ(dib->At(10, y), AtlasAt(a, 76, y)) << y;
        EXPECT_EQ(dib->At(89, y), AtlasAt(a, 120, y)) << y;
    }
    // 2-pixel sides from y = 19 to 57, the 2-pixel bottom, nothing inside.
    EXPECT_TRUE(SameBlock(a, 66, 19, 0, 19, 2, 2, false));
    EXPECT_TRUE(SameBlock(a, 130, 19, 98, 19, 2, 2, false));
    for (int y = 21; y < 58; ++y) {
        EXPECT_NE(dib->At(0, y), Paper) << y;
        EXPECT_NE(dib->At(99, y), Paper) << y;
    }
    EXPECT_TRUE(SameBlock(a, 66, 49, 0, 58, 2, 2, false));
    EXPECT_TRUE(SameBlock(a, 130, 49, 98, 58, 2, 2, false));
    EXPECT_EQ(dib->At(50, 58), AtlasAt(a, 98, 49));
    EXPECT_TRUE(Untouched(2, 19, 98, 58));

    // The inactive frame comes from the second atlas; the region is the full rectangle.
    luna.DrawFormFrame(&canvas, 100, 60, TRect{}, false, kbsToolWindow);
    EXPECT_TRUE(SameBlock(luna.Atlas1(), 66, 0, 0, 0, 10, 19, false));
    HRGN region = luna.GetFormRegion(100, 60, kbsToolWindow);
    ASSERT_NE(region, nullptr);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
    EXPECT_TRUE(RectsEqual(box, TRect{0, 0, 100, 60}));
    DeleteObject(region);
}

TEST_F(LunaTest, StandardFrameAndItsCutCorners)
{
    Surface(120, 80);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawFormFrame(&canvas, 120, 80, TRect{3, 29, 117, 77}, true, kbsStandard);
    EXPECT_TRUE(SameBlock(a, 0, 0, 0, 0, 10, 29, false));
    EXPECT_TRUE(SameBlock(a, 56, 0, 110, 0, 10, 29, false));
    EXPECT_TRUE(SameBlock(a, 0, 57, 0, 77, 3, 3, false));
    EXPECT_TRUE(SameBlock(a, 63, 57, 117, 77, 3, 3, false));
    EXPECT_TRUE(SameBlock(a, 63, 29, 117, 29, 3, 3, false));
    EXPECT_TRUE(Untouched(3, 29, 117, 77));
    luna.DrawFormFrame(&canvas, 120, 80, TRect{}, true, kbsNone);  // draws nothing
    dib->Fill(Paper);
    luna.DrawFormFrame(&canvas, 120, 80, TRect{}, true, kbsNone);
    EXPECT_TRUE(Untouched(0, 0, 120, 80));

    HRGN region = luna.GetFormRegion(120, 80, kbsStandard);
    ASSERT_NE(region, nullptr);
    const POINT cut[] = {{0, 0}, {4, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {0, 3}, {0, 4}};
    for (const POINT& p : cut) {
        EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_FALSE(PtInRegion(region, 119 - p.x, p.y)) << 119 - p.x << "," << p.y;
    }
    const POINT kept[] = {{5, 0}, {3, 1}, {2, 2}, {1, 3}, {1, 4}, {0, 5}, {60, 0}, {119, 79}};
    for (const POINT& p : kept) {
        EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_TRUE(PtInRegion(region, 119 - p.x, p.y)) << 119 - p.x << "," << p.y;
    }
    DeleteObject(region);
}

TEST_F(LunaTest, ToolWindowCloseIsTheSmallCellOtherButtonsTheLargeOne)
{
    Surface(30, 30);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawFormButton(&canvas, TRect{2, 3, 16, 17}, kfbClose, true, false, true, kbsToolWindow);
    EXPECT_TRUE(SameBlock(a, 80, 70, 2, 3, 14, 14, false));
    EXPECT_TRUE(Untouched(16, 0, 30, 30));
    EXPECT_TRUE(Untouched(0, 17, 30, 30));
    luna.DrawFormButton(&canvas, TRect{2, 3, 16, 17}, kfbClose, true, true, false, kbsToolWindow);
    EXPECT_TRUE(SameBlock(luna.Atlas1(), 94, 70, 2, 3, 14, 14, false));

    dib->Fill(Paper);
    luna.DrawFormButton(&canvas, TRect{0, 0, 21, 21}, kfbMinimize, false, false, true,
                        kbsToolWindow);
    EXPECT_TRUE(SameBlock(a, 0, 160, 0, 0, 21, 21, false));
    luna.DrawFormButton(&canvas, TRect{0, 0, 21, 21}, kfbClose, false, false, true, kbsStandard);
    EXPECT_TRUE(SameBlock(a, 0, 70, 0, 0, 21, 21, false));
    dib->Fill(Paper);
    luna.DrawFormButton(&canvas, TRect{0, 0, 21, 21}, kfbClose, false, false, true, kbsNone);
    luna.DrawFormButton(&canvas, TRect{0, 0, 21, 21}, 8, false, false, true, kbsStandard);
    EXPECT_TRUE(Untouched(0, 0, 30, 30));
}

TEST_F(LunaTest, DefaultAndFocusedButtonsShareTheFocusedCell)
{
    Surface(75, 25);
    luna.DrawButton(&canvas, 75, 25, kesDefault);
    const std::vector<COLORREF> asDefault = Snapshot();
    dib->Fill(Paper);
    luna.DrawButton(&canvas, 75, 25, kesFocused);
    EXPECT_EQ(Snapshot(), asDefault);
    dib->Fill(Paper);
    luna.DrawButton(&canvas, 75, 25, kesNormal);
    EXPECT_NE(Snapshot(), asDefault);

    // Focused cell (70, 220, 143, 241): corners unscaled and see-through,
    // the centre stretched.
    dib->Fill(Paper);
    luna.DrawButton(&canvas, 75, 25, kesFocused);
    const TSkBitmap& a = luna.Atlas();
    EXPECT_TRUE(SameBlock(a, 70, 220, 0, 0, 4, 4, true));
    EXPECT_TRUE(SameBlock(a, 139, 237, 71, 21, 4, 4, true));
    EXPECT_EQ(dib->At(37, 12), AtlasAt(a, 106, 230));
    // A state with no cell of its own takes the normal one.
    luna.DrawButton(&canvas, 75, 25, 9);
    EXPECT_EQ(dib->At(37, 12), AtlasAt(a, 106, 110));
}

TEST_F(LunaTest, CheckBoxAndRadioCells)
{
    Surface(20, 20);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawCheckBox(&canvas, TRect{2, 2, 18, 18}, kesDisabled, 2);
    EXPECT_TRUE(SameBlock(a, 171, 102 + 48 + 128, 2, 2, 16, 16, true));
    dib->Fill(Paper);
    luna.DrawCheckBox(&canvas, TRect{0, 0, 16, 16}, kesHot, 1);
    EXPECT_TRUE(SameBlock(a, 171, 102 + 16 + 64, 0, 0, 16, 16, true));
    dib->Fill(Paper);
    luna.DrawCheckBox(&canvas, TRect{0, 0, 16, 16}, kesFocused, 0);  // no such cell
    EXPECT_TRUE(Untouched(0, 0, 20, 20));
    luna.DrawRadioButton(&canvas, TRect{1, 1, 17, 17}, kesPressed, true);
    EXPECT_TRUE(SameBlock(a, 152, 102 + 32 + 64, 1, 1, 16, 16, true));
    luna.DrawRadioButton(&canvas, TRect{1, 1, 17, 17}, 7, false);
    EXPECT_TRUE(SameBlock(a, 152, 102, 1, 1, 16, 16, true));
}

TEST_F(LunaTest, ProgressBlocksOfAHundredFiftyBySixteenClient)
{
    Surface(150, 16);
    const TRect client{0, 0, 150, 16};
    const COLORREF green = COLORREF(luna.GetColor(kcSelection));
    luna.DrawProgressBar(&canvas, client, TRect{0, 0, 7, 16}, false, false);
    EXPECT_TRUE(Untouched(0, 0, 150, 16));  // shorter than one pitch of 12

    luna.DrawProgressBar(&canvas, client, TRect{0, 0, 15, 16}, false, false);
    for (int x = 0; x < 30; ++x) {
        const bool inBlock = x <= 9 || (x >= 12 && x <= 21);
        EXPECT_EQ(dib->At(x, 8) == green, inBlock) << x;
        EXPECT_EQ(dib->At(x, 0) == green, inBlock) << x;
        EXPECT_EQ(dib->At(x, 15) == green, inBlock) << x;
    }

    // Vertical: blocks grow up from the bottom; smooth is one fill.
    Surface(16, 150);
    luna.DrawProgressBar(&canvas, TRect{0, 0, 16, 150}, TRect{0, 126, 16, 150}, true, false);
    EXPECT_EQ(dib->At(8, 149), green);
    EXPECT_EQ(dib->At(8, 140), green);
    EXPECT_EQ(dib->At(8, 139), Paper);
    EXPECT_EQ(dib->At(8, 138), Paper);
    EXPECT_EQ(dib->At(8, 137), green);
    EXPECT_EQ(dib->At(8, 116), green);
    EXPECT_EQ(dib->At(8, 115), Paper);
    dib->Fill(Paper);
    luna.DrawProgressBar(&canvas, TRect{0, 0, 16, 150}, TRect{0, 147, 16, 150}, true, true);
    EXPECT_EQ(dib->At(8, 147), green);
    EXPECT_EQ(dib->At(8, 146), Paper);
}

TEST_F(LunaTest, ProgressFrameEditAndMemoFrames)
{
    Surface(60, 40);
    const COLORREF border = COLORREF(luna.GetColor(kcBorder));
    const COLORREF window = COLORREF(luna.GetColor(kcWindow));
    luna.DrawEditFrame(&canvas, TRect{0, 0, 60, 40}, kesNormal);
    EXPECT_EQ(dib->At(0, 0), border);
    EXPECT_EQ(dib->At(59, 39), border);
    EXPECT_EQ(dib->At(8, 20), window);   // the eighth ring
    EXPECT_EQ(dib->At(9, 20), Paper);    // inside the rings
    EXPECT_EQ(dib->At(45, 25), window);  // the 20 x 20 corner
    EXPECT_EQ(dib->At(39, 19), Paper);

    dib->Fill(Paper);
    luna.DrawEditFrame(&canvas, TRect{0, 0, 60, 40}, kesDisabled);
    EXPECT_EQ(dib->At(0, 0), COLORREF(luna.GetColor(kcDisabledBorder)));
    EXPECT_EQ(dib->At(5, 5), COLORREF(luna.GetColor(kcDisabledFace)));

    dib->Fill(Paper);
    luna.DrawMemoFrame(&canvas, TRect{0, 0, 60, 40}, true);
    EXPECT_EQ(dib->At(30, 0), border);
    EXPECT_EQ(dib->At(9, 20), COLORREF(luna.GetColor(kcFace)));  // nine rings
    EXPECT_EQ(dib->At(10, 20), Paper);

    dib->Fill(Paper);
    luna.DrawProgressFrame(&canvas, TRect{0, 0, 60, 16});
    EXPECT_EQ(dib->At(30, 0), border);
    EXPECT_EQ(dib->At(30, 8), window);
    EXPECT_EQ(dib->At(0, 0), Paper);  // the rounded corner
}

TEST_F(LunaTest, ScrollThumbAndButtonAreCutFromTheSecondAtlas)
{
    Surface(17, 60);
    const TSkBitmap& a = luna.Atlas1();
    luna.DrawScrollThumb(&canvas, TRect{0, 0, 17, 60}, sbVertical, kesHot);
    EXPECT_TRUE(SameBlock(a, 1, 322, 0, 0, 3, 3, false));
    EXPECT_TRUE(SameBlock(a, 15, 336, 14, 57, 3, 3, false));
    EXPECT_EQ(dib->At(8, 30), AtlasAt(a, 9, 330));

    Surface(17, 17);
    luna.DrawScrollButton(&canvas, TRect{0, 0, 17, 17}, sbHorizontal, false, kesPressed);
    // The right arrow of the pressed row, centred at (4, 4), over the body.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            if (!IsKey(a, 29 + x, 393 + y)) {
                EXPECT_EQ(dib->At(4 + x, 4 + y), AtlasAt(a, 29 + x, 393 + y)) << x << "," << y;
            }
        }
    EXPECT_TRUE(SameBlock(a, 1, 339, 0, 0, 3, 3, false));

    luna.DrawScrollTrack(&canvas, TRect{0, 0, 17, 17}, sbVertical);
    EXPECT_TRUE(SameBlock(a, 37, 305, 0, 0, 17, 17, false));
}

TEST_F(LunaTest, ThumbsOfAnyShapeMatchTheBitmapsOwnNinePieces)
{
    // Thumbs as wide or as high as their cell take a shorter way; the
    // pixels must not differ from the full nine-piece copy.
    for (const SIZE size : {SIZE{17, 60}, SIZE{60, 17}, SIZE{30, 25}, SIZE{17, 17}}) {
        Surface(size.cx, size.cy);
        luna.DrawScrollThumb(&canvas, TRect{0, 0, size.cx, size.cy}, sbHorizontal, kesPressed);
        const std::vector<COLORREF> theme = Snapshot();
        dib->Fill(Paper);
        luna.Atlas1().DrawNine(dib->DC(), TRect{0, 0, size.cx, size.cy}, false, true, 3, 3, 3, 3,
                               TRect{1, 339, 18, 356});
        EXPECT_EQ(theme, Snapshot()) << size.cx << " x " << size.cy;
    }
}

TEST_F(LunaTest, SpeedButtonFacesAndDropArrows)
{
    Surface(24, 24);
    const TSkBitmap& a = luna.Atlas();
    luna.DrawSpeedButton(&canvas, TRect{0, 0, 20, 23}, kesNormal, true, false);
    luna.DrawSpeedButton(&canvas, TRect{0, 0, 20, 23}, kesDisabled, false, true);
    EXPECT_TRUE(Untouched(0, 0, 24, 24));  // flat and idle, or disabled: nothing
    // At the cell's own size the nine pieces give the cell back.
    luna.DrawSpeedButton(&canvas, TRect{0, 0, 20, 23}, kesHot, false, false);
    EXPECT_TRUE(SameBlock(a, 109, 282, 0, 4, 20, 15, false));  // pushed face (2, 0)
    luna.DrawSpeedButton(&canvas, TRect{0, 0, 20, 23}, kesPressed, false, false);
    EXPECT_TRUE(SameBlock(a, 69, 305, 0, 4, 20, 15, false));  // pressed face at (69, 301)
    luna.DrawSpeedButton(&canvas, TRect{0, 0, 20, 23}, kesNormal, true, true);
    EXPECT_TRUE(SameBlock(a, 89, 305, 0, 4, 20, 15, false));  // white face (1, 1)

    // A disabled down drop button shows the disabled arrow, not status-bar pixels.
    dib->Fill(Paper);
    luna.DrawSpeedDropButton(&canvas, TRect{0, 0, 24, 24}, kesDisabled, false, true);
    EXPECT_TRUE(SameBlock(a, 60, 320, 9, 10, 6, 3, true));
    EXPECT_TRUE(Untouched(0, 0, 24, 10));
    EXPECT_TRUE(Untouched(0, 13, 24, 24));
}

TEST_F(LunaTest, HueShiftAndBackRestoresTheExactAtlas)
{
    const TSkBitmap& a = luna.Atlas();
    auto pixels = [](const TSkBitmap& b) {
        return std::vector<TSkColor>(b.Pixels(), b.Pixels() + size_t(b.Width()) * b.Height());
    };
    GdiFlush();
    const std::vector<TSkColor> main = pixels(luna.Atlas()), second = pixels(luna.Atlas1());
    luna.SetDeltaHue(30);
    GdiFlush();
    EXPECT_NE(pixels(luna.Atlas()), main);
    EXPECT_NE(pixels(luna.Atlas1()), second);
    // The key survives the shift.
    EXPECT_EQ(luna.Atlas().GetPixel(0, 0) & SkColorMask, SkTransparentColor);
    // The caption moved away from blue.
    const TSkColor caption = luna.Atlas().GetPixel(33, 10);
    EXPECT_NE(caption, main[10 * size_t(a.Width()) + 33]);

    luna.SetDeltaHue(0);
    GdiFlush();
    EXPECT_EQ(pixels(luna.Atlas()), main);
    EXPECT_EQ(pixels(luna.Atlas1()), second);
}

TEST_F(LunaTest, EveryElementDrawsNothingIntoEmptyRectanglesAndLeaksNothing)
{
    TSkThemeMetalLuna metal;
    Surface(300, 200);
    for (TSkThemeLuna* theme : {&luna, static_cast<TSkThemeLuna*>(&metal)}) {
        for (const TRect& r : {TRect{40, 40, 40, 40}, TRect{50, 50, 20, 20}}) {
            for (uint8_t s = 0; s < 6; ++s) {
                theme->DrawButton(&canvas, 0, 0, s);
                theme->DrawScrollThumb(&canvas, r, sbVertical, s);
                theme->DrawScrollButton(&canvas, r, sbVertical, true, s);
                theme->DrawScrollTrack(&canvas, r, sbHorizontal);
                theme->DrawEditFrame(&canvas, r, s);
                theme->DrawMemoFrame(&canvas, r, s & 1);
                theme->DrawProgressFrame(&canvas, r);
                theme->DrawProgressBar(&canvas, r, r, s & 1, s & 2);
                theme->DrawTab(&canvas, r, s & 3, s);
                theme->DrawTabSheet(&canvas, r);
                theme->DrawSpeedButton(&canvas, r, s, s & 1, s & 2);
                theme->DrawSmallButton(&canvas, r, s, 0);
                theme->DrawComboButton(&canvas, r, s);
                theme->DrawHeaderSection(&canvas, r, 0, s);
                theme->DrawHeaderPanel(&canvas, r, true, 0);
                theme->DrawHeaderPanelCaption(&canvas, r, L"Panel");
                theme->DrawGroupBox(&canvas, r, r, L"");
                theme->DrawStatusBar(&canvas, r);
                theme->DrawSizeGrip(&canvas, r);
                theme->DrawStatusPanel(&canvas, r, nullptr);
                theme->DrawTrackBar(&canvas, r, r);
                theme->DrawItemBackground(&canvas, r, s & 3);
                theme->DrawPanelFace(&canvas, r, s & 1, false);
                theme->DrawBarBackground(&canvas, r);
                theme->DrawSpeedContainer(&canvas, r);
                theme->DrawGripBar(&canvas, r, r);
                theme->DrawPopupScrollButton(&canvas, r, 1 + (s & 1), s & 1);
                theme->DrawFormFrame(&canvas, 0, 0, r, true, kbsStandard);
                theme->DrawMenuBarBackground(&canvas, 0, 0);
            }
        }
    }
    EXPECT_TRUE(Untouched(0, 0, 300, 200));

    // Large and 1 x 1 rectangles in every state: nothing breaks, nothing
    // leaks. The first pass leaves the canvas its own pen, brush and font.
    auto everything = [&](TSkThemeLuna* theme) {
        for (const TRect& r : {TRect{0, 0, 1, 1}, TRect{-10, -10, 5000, 4000}}) {
            for (uint8_t s = 0; s < 6; ++s) {
                theme->DrawButton(&canvas, r.right, r.bottom, s);
                theme->DrawScrollButton(&canvas, r, sbHorizontal, false, s);
                theme->DrawTrackThumb(&canvas, r, s & 1, s % 3, s);
                theme->DrawHeaderPanelButton(&canvas, r, s & 1, s, s & 2);
                theme->DrawSpeedDropButton(&canvas, r, s, false, s & 1);
                theme->DrawCheckBox(&canvas, r, s, s % 3);
                theme->DrawRadioButton(&canvas, r, s, s & 1);
                theme->DrawTab(&canvas, r, s & 3, s);
                theme->DrawFormFrame(&canvas, r.right, r.bottom, r, s & 1, TSkBorderStyle(s % 3));
                theme->DrawFormButton(&canvas, r, s, s & 1, s & 2, true, TSkBorderStyle(s % 3));
                theme->DrawHeaderPanelCaption(&canvas, r, L"Panel");
                theme->DrawGroupBox(&canvas, r, TRect{10, -10, 40, 10}, L"Group");
                theme->DrawGripBar(&canvas, r, TRect{5, 5, 60, 12});
                theme->DrawPopupScrollButton(&canvas, r, 2, true);
                HRGN region = theme->GetFormRegion(r.right, r.bottom, TSkBorderStyle(s % 3));
                if (region)
                    DeleteObject(region);
            }
        }
    };
    everything(&luna);
    const DWORD before = GdiObjectCount();
    everything(&luna);
    everything(&metal);
    EXPECT_EQ(GdiObjectCount(), before);
}
