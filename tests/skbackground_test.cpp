// The snapshot behind a form, taken from a memory bitmap standing in for the
// screen: what it reads as the form moves and sizes, and that the part the
// form covers comes from the last snapshot rather than the screen.
#include "styling/forms/skbackground.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TScreen {
    TSkBitmap pixels, original;
    TScreen()
    {
        for (TSkBitmap* b : {&pixels, &original}) {
            b->SetSize(200, 150);
            for (int i = 0; i < 200 * 150; ++i)
                b->Pixels()[i] = 0xFF000000 | TSkColor(i * 2654435761u >> 8);
        }
    }
    // The form drawn where it now stands: its pixels are not the background.
    void Cover(const RECT& r) { pixels.FillRect(r, 0xFFFF00FF); }
    // Pixels of the snapshot that differ from the screen without the form.
    int Wrong(const TSkBackground& b) const
    {
        const RECT& r = b.Rect();
        int wrong = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                wrong += (b.Bitmap()->GetPixel(x - r.left, y - r.top) & SkColorMask) !=
                         (original.GetPixel(x, y) & SkColorMask);
        return wrong;
    }
};

int64_t Area(const RECT& r) { return int64_t(r.right - r.left) * (r.bottom - r.top); }

TEST(SkBackground, AMoveReadsOnlyTheUncoveredStrips)
{
    TScreen screen;
    TSkBackground background;
    RECT at{50, 40, 150, 90};
    EXPECT_EQ(background.Take(screen.pixels.DC(), at), Area(at));
    EXPECT_EQ(screen.Wrong(background), 0);
    // Moves in every direction, a growth on all sides and a shrink.
    const std::vector<RECT> steps = {{53, 42, 153, 92}, {49, 42, 149, 92}, {49, 37, 149, 87},
                                     {47, 44, 147, 94}, {40, 30, 160, 100}, {45, 35, 150, 95}};
    for (const RECT& next : steps) {
        screen.Cover(at);
        RECT overlap;
        IntersectRect(&overlap, &next, &at);
        EXPECT_EQ(background.Take(screen.pixels.DC(), next), Area(next) - Area(overlap));
        EXPECT_EQ(screen.Wrong(background), 0) << next.left << "," << next.top;
        screen.pixels.Assign(&screen.original);
        at = next;
    }
    // The same rectangle again reads nothing and keeps the snapshot.
    const TSkBitmap* kept = background.Bitmap();
    EXPECT_EQ(background.Take(screen.pixels.DC(), at), 0);
    EXPECT_EQ(background.Bitmap(), kept);
}

TEST(SkBackground, NoOverlapClearOrNoScreenAreWholeOrNothing)
{
    TScreen screen;
    TSkBackground background;
    background.Take(screen.pixels.DC(), {0, 0, 40, 30});
    const RECT apart{100, 100, 140, 130};
    EXPECT_EQ(background.Take(screen.pixels.DC(), apart), 40 * 30);
    EXPECT_EQ(screen.Wrong(background), 0);
    background.Clear();
    EXPECT_EQ(background.Take(screen.pixels.DC(), apart), 40 * 30);
    EXPECT_EQ(background.Take(nullptr, {0, 0, 10, 10}), 0);
    EXPECT_EQ(background.Take(screen.pixels.DC(), {5, 5, 5, 20}), 0);
    EXPECT_TRUE(EqualRect(&background.Rect(), &apart));
    EXPECT_EQ(screen.Wrong(background), 0);
}

}  // namespace
