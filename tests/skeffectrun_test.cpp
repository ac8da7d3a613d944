// The stopwatch of the show animation and whole effect runs onto memory
// bitmaps: how long they take, how many frames they show, and that they end
// with the window's exact picture and draw nowhere else.
#include "styling/core/skbitmap.h"
#include "styling/forms/skeffects.h"
#include "styling/forms/skformoptions.h"
#include "styling/forms/sktimer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(SkTimer, MeasuresWhatLiesBetweenStartAndStop)
{
    TSkTimer timer;
    EXPECT_GT(timer.Frequency(), 0);
    EXPECT_GE(timer.Overhead(), 0);
    timer.Start();
    Sleep(40);
    const double seconds = timer.ElapsedSeconds();
    EXPECT_GT(timer.StopCount(), timer.StartCount());
    EXPECT_GE(seconds, 0.035);
    EXPECT_LT(seconds, 1.0);
    // A fresh start forgets the last one.
    timer.Start();
    EXPECT_LT(timer.ElapsedSeconds(), 0.02);
}

void Paint(TSkBitmap& bitmap, int width, int height, TSkColor seed)
{
    bitmap.SetSize(width, height);
    for (int i = 0; i < width * height; ++i)
        bitmap.Pixels()[i] = 0xFF000000 | (seed + TSkColor(i) * 2654435761u) >> 8;
}

struct TRun {
    TSkBitmap screen, oldPicture, newPicture;
    TSkAnimation animation;
    static constexpr TSkColor Desktop = 0xFF123456;
    TRun(int width, int height)
    {
        screen.SetSize(width + 20, height + 20);
        screen.Fill(Desktop);
        Paint(oldPicture, width, height, 7);
        Paint(newPicture, width, height, 99);
        newPicture.Pixels()[0] = SkTransparentColor;
    }
    int Run(uint64_t seed = 1) { return RunEffect(screen.DC(), 5, 8, animation, newPicture, oldPicture, seed); }
    // The picture at (5, 8) with the old pixel under key-coloured ones, and
    // the desktop round it.
    void ExpectEndsWithTheNewPicture(const char* what) const
    {
        const TSkColor oldPixel = oldPicture.GetPixel(0, 0);
        int wrong = 0;
        for (int y = 0; y < screen.Height(); ++y)
            for (int x = 0; x < screen.Width(); ++x) {
                const int px = x - 5, py = y - 8;
                TSkColor expected = Desktop;
                if (px >= 0 && py >= 0 && px < newPicture.Width() && py < newPicture.Height()) {
                    expected = px == 0 && py == 0 ? oldPixel : newPicture.GetPixel(px, py);
                }
                wrong += (screen.GetPixel(x, y) & SkColorMask) != (expected & SkColorMask);
            }
        EXPECT_EQ(wrong, 0) << what;
    }
};

TEST(SkEffectRun, EveryEffectEndsWithTheExactPicture)
{
    for (int e = keRandomSelect; e <= SkEffectCount; ++e) {
        TRun run(37, 19);
        run.animation.SetTime(50);
        run.animation.SetEffect(TkeEffect(e));
        run.animation.SetDirection(TSkDirection(e % 5));
        run.animation.SetResolution(1 + e % 4);
        run.animation.SetTileCount(1 + e % 3);
        EXPECT_GE(run.Run(), 2) << e;
        run.ExpectEndsWithTheNewPicture("effect");
    }
}

// The default run on the main window's size: about 0.4 s of frames, enough
// of them to look smooth.
TEST(SkEffectRun, DefaultRunTakesItsTimeInManyFrames)
{
    TRun run(300, 110);
    run.animation.SetEffect(keSmoothRectIn);
    const auto start = std::chrono::steady_clock::now();
    const int frames = run.Run();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(frames, 20);
    EXPECT_GE(seconds, 0.39);
    EXPECT_LT(seconds, 3.0);
    run.ExpectEndsWithTheNewPicture("default");
}

TEST(SkEffectRun, EmptyOrMismatchedPictures)
{
    TRun run(30, 12);
    run.animation.SetTime(50);
    TSkBitmap empty;
    EXPECT_EQ(RunEffect(run.screen.DC(), 0, 0, run.animation, empty, run.oldPicture), 0);
    EXPECT_EQ(RunEffect(run.screen.DC(), 0, 0, run.animation, run.newPicture, empty), 0);
    EXPECT_EQ(run.screen.GetPixel(0, 0), TRun::Desktop);

    // A snapshot smaller or larger than the window is used where it lies.
    for (auto [w, h] : {std::pair{10, 40}, std::pair{50, 5}}) {
        run.oldPicture.SetSize(w, h);
        run.oldPicture.Fill(0xFF00FF00);
        run.animation.SetEffect(kePixel);
        EXPECT_GE(run.Run(), 2);
        run.ExpectEndsWithTheNewPicture("mismatched");
    }
}

}  // namespace
