// The snapshot behind a form, taken from a memory bitmap standing in for the
// screen: what it reads as the form moves and sizes, and that the part the
// form covers comes from the last snapshot rather than the screen.
#include "framework/forms/form.h"
#include "styling/forms/skbackground.h"
#include "styling/forms/skcustomform.h"
#include "tests/support/windowtest.h"

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

// A skinned form keeps the snapshot for where it is going while blending or
// the shadow is on, and then asks the system not to move its pixels along.
TEST(SkBackground, ASkinnedFormSnapshotsItsTargetWhileBlendingOrShadowIsOn)
{
    FormPtr form = NewForm(300, 200);
    auto* skin = new TSkCustomForm(form.get());
    form->HandleNeeded();
    skin->Loaded();
    ShowAndWait(form.get());
    HWND window = form->Handle();
    auto changing = [&](int x, int y, UINT flags) {
        WINDOWPOS pos{window, nullptr, x, y, 300, 200, flags};
        SendMessageA(window, WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
        return pos.flags;
    };
    EXPECT_FALSE(changing(60, 50, SWP_NOZORDER) & SWP_NOCOPYBITS);
    EXPECT_EQ(skin->Background().Bitmap(), nullptr);

    for (bool shadow : {false, true}) {
        skin->Blending()->SetEnabled(!shadow);
        skin->Shadow()->SetEnabled(shadow);
        EXPECT_TRUE(changing(70, 55, SWP_NOZORDER) & SWP_NOCOPYBITS);
        const RECT target{70, 55, 370, 255};
        EXPECT_TRUE(EqualRect(&skin->Background().Rect(), &target)) << shadow;
        form->SetBounds(shadow ? 76 : 73, 51, 300, 200);
        const RECT now = WindowRectOf(window);
        EXPECT_TRUE(EqualRect(&skin->Background().Rect(), &now)) << shadow;
        ASSERT_NE(skin->Background().Bitmap(), nullptr);
        EXPECT_EQ(skin->Background().Bitmap()->Width(), now.right - now.left);
    }
}

}  // namespace
