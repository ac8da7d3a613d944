// Kept element pictures: a paint from a picture writes exactly what a fresh
// paint writes, leaves every other pixel alone, and follows the look, its
// colour shift and the system's colours.
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skelementcache.h"
#include "styling/core/sksystem.h"
#include "styling/core/themeregistry.h"
#include "styling/menus/skitems.h"
#include "styling/themes/skthemekde.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"
#include "styling/themes/skthemes.h"
#include "styling/themes/skthemestd.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using TPaint = std::function<void(const TSkTheme&, TCanvas*, const TRect&)>;

// A paper of noise, alpha included, so that any pixel an element should
// leave alone but writes shows.
class TPaper {
public:
    TPaper(int width, int height)
    {
        bitmap_.SetSize(width, height);
        canvas_.SetHandle(bitmap_.DC());
    }
    ~TPaper() { canvas_.SetHandle(nullptr); }

    // The element painted on fresh noise at rect, clipped to clip when given.
    std::vector<TSkColor> Paint(const TSkTheme& look, const TPaint& paint, const TRect& rect,
                                const RECT* clip = nullptr)
    {
        uint32_t seed = 12345;
        TSkColor* p = bitmap_.Pixels();
        for (int i = 0; i < bitmap_.Width() * bitmap_.Height(); ++i) {
            seed = seed * 1664525 + 1013904223;
            p[i] = seed;
        }
        SelectClipRgn(bitmap_.DC(), nullptr);
        if (clip)
            IntersectClipRect(bitmap_.DC(), clip->left, clip->top, clip->right, clip->bottom);
        paint(look, &canvas_, rect);
        SelectClipRgn(bitmap_.DC(), nullptr);
        GdiFlush();
        return std::vector<TSkColor>(p, p + bitmap_.Width() * bitmap_.Height());
    }

private:
    TSkBitmap bitmap_;
    TCanvas canvas_;
};

// Paints with nothing kept: what the look itself draws.
std::vector<TSkColor> FreshPaint(TPaper& paper, const TSkTheme& look, const TPaint& paint,
                                 const TRect& rect, const RECT* clip = nullptr)
{
    SkForgetElementPictures();
    return paper.Paint(look, paint, rect, clip);
}

struct TElement {
    const char* name;
    TRect rect;
    TPaint paint;
};

// Shapes of every kind: round, pointed, with text, blocks with gaps, frames
// that leave their middle alone, and pieces past their rectangle.
std::vector<TElement> Elements(TSkCustomItem& item)
{
    return {
        {"radio", {21, 13, 34, 26},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawRadioButton(c, r, kesHot, true); }},
        {"check", {21, 13, 34, 26},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawCheckBox(c, r, kesNormal, kchGrayed); }},
        {"track thumb", {17, 9, 28, 31},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTrackThumb(c, r, false, 1, kesPressed); }},
        {"form button", {30, 5, 48, 20},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) {
             t.DrawFormButton(c, r, kfbRollup, true, false, true, kbsStandard);
         }},
        {"progress blocks", {5, 20, 153, 34},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) {
             t.DrawProgressBar(c, r, {r.left, r.top, r.left + 90, r.bottom}, false, false);
         }},
        {"group box", {9, 7, 140, 77},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) {
             t.DrawGroupBox(c, r, {r.left + 10, r.top, r.left + 70, r.top + 13}, L"Group");
         }},
        {"tab", {20, 30, 80, 52},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTab(c, r, ktpBottom, kesSelected); }},
        {"edit frame", {3, 40, 123, 61},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawEditFrame(c, r, kesNormal); }},
        {"popup item", {2, 50, 146, 73},
         [&item](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawPopupItem(c, &item, r, true, true); }},
        {"scroll button", {60, 3, 77, 20},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) {
             t.DrawScrollButton(c, r, sbVertical, false, kesPressed);
         }},
        {"size grip", {100, 60, 116, 76},
         [](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSizeGrip(c, r); }},
        {"form frame", {0, 0, 160, 90},
         [](const TSkTheme& t, TCanvas* c, const TRect&) {
             t.DrawFormFrame(c, 160, 90, {4, 26, 156, 86}, false, kbsToolWindow);
         }},
    };
}

class ElementPicturesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        item.SetCaption(L"&Open file");
        item.SetShortCut(scCtrl | 'O');
        SkForgetElementPictures();
    }
    void TearDown() override { SkForgetElementPictures(); }

    TSkControlsUnit unit;
    TSkCustomItem item{nullptr};
    TPaper paper{170, 100};
};

const TPaint Radio = [](const TSkTheme& t, TCanvas* c, const TRect& r) {
    t.DrawRadioButton(c, r, kesNormal, true);
};
const TPaint Thumb = [](const TSkTheme& t, TCanvas* c, const TRect& r) {
    t.DrawScrollThumb(c, r, sbVertical, kesNormal);
};

TEST_F(ElementPicturesTest, KeptPicturesPaintWhatTheLookPaints)
{
    RegisterSkThemes();
    for (const TSkThemeClass& l : ThemeClasses()) {
        if (l.Class == TSkTheme::StaticClass())
            continue;  // "No Theme" draws nothing to keep
        std::unique_ptr<TSkTheme> look(l.Create());
        for (const TElement& e : Elements(item)) {
            SCOPED_TRACE(l.Name + " " + e.name);
            const std::vector<TSkColor> fresh = FreshPaint(paper, *look, e.paint, e.rect);
            // The second paint makes the picture, the third only copies it.
            EXPECT_EQ(fresh, paper.Paint(*look, e.paint, e.rect));
            EXPECT_EQ(fresh, paper.Paint(*look, e.paint, e.rect));
            // Moved by a multiple of the pattern grid, the same picture serves.
            TRect moved = e.rect;
            OffsetRect(&moved, 8, 16);
            const std::vector<TSkColor> movedFresh = FreshPaint(paper, *look, e.paint, moved);
            paper.Paint(*look, e.paint, e.rect);
            paper.Paint(*look, e.paint, e.rect);
            EXPECT_EQ(movedFresh, paper.Paint(*look, e.paint, moved));
            // A clip cuts the copy as it cuts the paint.
            const RECT clip{e.rect.left + 3, e.rect.top + 2, e.rect.left + 9, e.rect.bottom - 1};
            const std::vector<TSkColor> clipped = FreshPaint(paper, *look, e.paint, e.rect, &clip);
            paper.Paint(*look, e.paint, e.rect);
            EXPECT_EQ(clipped, paper.Paint(*look, e.paint, e.rect, &clip));
        }
    }
    // The copies above came from pictures, not from painting again.
    EXPECT_GT(SkElementPictureCount(), 0u);
}

TEST_F(ElementPicturesTest, AnotherLookOrColourShiftPaintsAnew)
{
    const TRect r{10, 10, 23, 23};
    TSkThemeLuna luna;
    TSkThemeMetalLuna metal;
    TSkThemeLuna shifted;  // its atlases are coloured: a hue shift shows
    const std::vector<TSkColor> lunaPixels = FreshPaint(paper, luna, Radio, r);
    paper.Paint(luna, Radio, r);
    ASSERT_EQ(lunaPixels, paper.Paint(luna, Radio, r));
    const std::vector<TSkColor> metalPixels = FreshPaint(paper, metal, Radio, r);
    EXPECT_NE(lunaPixels, metalPixels);
    paper.Paint(luna, Radio, r);
    paper.Paint(luna, Radio, r);
    EXPECT_EQ(metalPixels, paper.Paint(metal, Radio, r));

    for (auto shift : {&TSkTheme::SetDeltaHue, &TSkTheme::SetDeltaBrightness}) {
        (shifted.*shift)(0);
        const std::vector<TSkColor> before = FreshPaint(paper, shifted, Radio, r);
        paper.Paint(shifted, Radio, r);
        ASSERT_EQ(before, paper.Paint(shifted, Radio, r));
        (shifted.*shift)(60);
        const std::vector<TSkColor> after = paper.Paint(shifted, Radio, r);
        EXPECT_NE(before, after);
        EXPECT_EQ(FreshPaint(paper, shifted, Radio, r), after);
    }
}

// Restores the face colour however the test ends.
class TFaceColour {
public:
    explicit TFaceColour(COLORREF colour) : old_(GetSysColor(COLOR_BTNFACE)) { Set(colour); }
    ~TFaceColour() { Set(old_); }

private:
    static void Set(COLORREF colour)
    {
        const INT index = COLOR_BTNFACE;
        SetSysColors(1, &index, &colour);
    }
    COLORREF old_;
};

TEST_F(ElementPicturesTest, SystemColourChangePaintsAnew)
{
    // The change reaches the thread through its windows.
    FormPtr form = NewForm();
    form->HandleNeeded();
    const TRect r{10, 10, 27, 70};
    TSkThemeStd look;
    const std::vector<TSkColor> before = FreshPaint(paper, look, Thumb, r);
    paper.Paint(look, Thumb, r);
    ASSERT_EQ(before, paper.Paint(look, Thumb, r));
    TFaceColour face(RGB(10, 200, 30));
    PumpFor(50);
    const std::vector<TSkColor> after = paper.Paint(look, Thumb, r);
    EXPECT_NE(before, after);
    EXPECT_EQ(FreshPaint(paper, look, Thumb, r), after);
}

TEST_F(ElementPicturesTest, ManySizesStayWithinBoundsAndLeaveNoGdiObject)
{
    TSkThemeKDE look;
    const TGuiCounts start = CurrentGuiCounts();
    size_t most = 0;
    for (int width = 10; width < 160; ++width)
        for (int height : {40, 60, 80, 95}) {
            const TRect r{2, 2, 2 + width, 2 + height};
            paper.Paint(look, Thumb, r);
            paper.Paint(look, Thumb, r);
            most = std::max(most, SkElementPictureBytes());
        }
    EXPECT_GT(SkElementPictureCount(), 50u);
    EXPECT_LE(most, SkElementPicturesMaxBytes);
    EXPECT_EQ(start, CurrentGuiCounts());
}

}  // namespace
