// Timings of the picture theme's busiest paints against one BitBlt of the
// same area, measured in the same run (medians: these machines are shared
// and noisy), and of a colour shift of both atlases.
#include "bench/benchsupport.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemeluna.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

// The paint against a BitBlt of its area from a bitmap of the same kind.
void Compare(const char* what, int width, int height, TSkBitmap& target, const TSkBitmap& source,
             const std::function<void()>& paint, int runs)
{
    const double bitblt =
        MedianBitBltSeconds(target.DC(), 0, 0, width, height, source.DC(), runs, 200);
    const double theme = MedianSeconds(
        [&] {
            paint();
            GdiFlush();
        },
        runs, 200);
    std::printf("%-34s %8.2f us   BitBlt %7.2f us   %5.2fx (goal within 4x)\n", what,
                theme * 1e6, bitblt * 1e6, theme / bitblt);
}

}  // namespace

int main()
{
    TSkControlsUnit unit;
    const int runs = 21;
    TSkThemeLuna luna;
    // A paint buffer as the controls and forms use: a 32-bit bitmap.
    TSkBitmap target, source;
    target.SetSize(400, 200);
    source.SetSize(400, 200);
    target.Fill(0xFFFFFFFF);
    source.Fill(0xFF336699);
    TCanvas canvas;
    canvas.SetHandle(target.DC());

    std::printf("Medians of %d runs, %s under Wine\n", runs, BenchTarget());
    Compare("DrawButton 75 x 25", 75, 25, target, source,
            [&] { luna.DrawButton(&canvas, 75, 25, kesHot); }, runs);
    Compare("DrawFormFrame 300 x 120, standard", 300, 120, target, source,
            [&] { luna.DrawFormFrame(&canvas, 300, 120, TRect{3, 29, 297, 117}, true, kbsStandard); },
            runs);
    Compare("DrawFormFrame 300 x 120, tool", 300, 120, target, source,
            [&] {
                luna.DrawFormFrame(&canvas, 300, 120, TRect{2, 19, 298, 118}, true, kbsToolWindow);
            },
            runs);
    Compare("DrawScrollThumb 17 x 60", 17, 60, target, source,
            [&] { luna.DrawScrollThumb(&canvas, TRect{0, 0, 17, 60}, sbVertical, kesNormal); },
            runs);

    int hue = 0;
    const double update = MedianSeconds(
        [&] {
            hue = hue == 30 ? 31 : 30;  // each call reloads and shifts
            luna.SetDeltaHue(hue);
        },
        runs, 5);
    const double reload = MedianSeconds([&] { luna.LoadImages(); }, runs, 5);
    std::printf("%-34s %8.2f ms   (of which reloading %5.2f ms)\n",
                "UpdateColors, hue shift, 2 atlases", update * 1e3, reload * 1e3);
    canvas.SetHandle(nullptr);
    return 0;
}
