// Timings of TSkBitmap's hot paths against a plain BitBlt measured in the
// same run: these machines are shared and noisy, so only medians of
// repeated runs and ratios are worth reading.
#include "bench/benchsupport.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// Colours that change from pixel to pixel, with the key colour on a quarter
// of them.
void Paint(TSkBitmap& b, bool withKey)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            TSkColor c = SkRGBA(uint8_t(x * 3), uint8_t(y * 5), uint8_t(x + y), 255);
            if (withKey && (x + y) % 4 == 0)
                c = SkTransparentColor;
            *b.PixelPtr(x, y) = c;
        }
}

} // namespace

int main()
{
    TSkControlsUnit unit;
    const int runs = 21;

    TSkBitmap source, keyed, target;
    source.SetSize(300, 100);
    keyed.SetSize(300, 100);
    target.SetSize(400, 200);
    Paint(source, false);
    Paint(keyed, true);
    target.Fill(0xFFFFFFFF);
    const RECT area{0, 0, 300, 100};
    const RECT placed{50, 50, 350, 150};

    double bitblt = MedianBitBltSeconds(target.DC(), 50, 50, 300, 100, source.DC(), runs, 200);
    double opaque = MedianSeconds([&] { source.DrawTo(target.DC(), placed, area, false); }, runs, 200);
    double withKey = MedianSeconds([&] { keyed.DrawTo(target.DC(), placed, area, true); }, runs, 200);

    TSkBitmap atlas, original;
    atlas.SetSize(196, 435);
    original.SetSize(196, 435);
    Paint(original, false);
    const size_t bytes = size_t(196) * 435 * 4;
    double restore = MedianSeconds([&] { memcpy(atlas.Pixels(), original.Pixels(), bytes); }, runs, 20);
    auto timeShift = [&] {
        return MedianSeconds(
                   [&] {
                       memcpy(atlas.Pixels(), original.Pixels(), bytes);
                       atlas.ShiftHue(40);
                   },
                   runs, 5) -
               restore;
    };
    double shift = timeShift();
    // The atlases are 256-colour pictures.
    for (int y = 0; y < 435; ++y)
        for (int x = 0; x < 196; ++x)
            *original.PixelPtr(x, y) = SkRGBA(uint8_t((x * 7 + y) & 0xF0), uint8_t(y * 9 & 0xF0), 90, 255);
    double shiftPalette = timeShift();

    std::printf("Medians of %d runs, %s under Wine\n", runs, BenchTarget());
    std::printf("%-36s %9.2f us\n", "BitBlt 300 x 100 (baseline)", bitblt * 1e6);
    PrintAgainstBitBlt("DrawTo opaque 300 x 100", 36, opaque, bitblt, 3);
    PrintAgainstBitBlt("DrawTo with the key colour 300 x 100", 36, withKey, bitblt, 4);
    double megapixels = 196.0 * 435.0 / 1e6;
    std::printf("%-36s %9.2f ms   %5.1f ms per megapixel\n", "ShiftHue 196 x 435, all colours",
                shift * 1e3, shift * 1e3 / megapixels);
    std::printf("%-36s %9.2f ms   %5.1f ms per megapixel\n", "ShiftHue 196 x 435, 256 colours",
                shiftPalette * 1e3, shiftPalette * 1e3 / megapixels);
    return 0;
}
