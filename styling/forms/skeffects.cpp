#include "styling/forms/skeffects.h"

#include "styling/core/skbitmap.h"
#include "styling/forms/skeffectframe.h"
#include "styling/forms/skformoptions.h"
#include "styling/forms/sktimer.h"

#include <algorithm>
#include <cmath>

namespace {

uint64_t CounterSeed()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return uint64_t(now.QuadPart) | 1;
}

// The old picture at the new one's size, so that the composer reads every
// pixel it needs.
const TSkBitmap& Matched(const TSkBitmap& old, const TSkBitmap& picture, TSkBitmap& copy)
{
    if (old.Width() == picture.Width() && old.Height() == picture.Height())
        return old;
    copy.SetSize(picture.Width(), picture.Height());
    copy.Fill(0);
    const RECT overlap{0, 0, std::min(old.Width(), copy.Width()),
                       std::min(old.Height(), copy.Height())};
    old.DrawToBitmap(copy, overlap, overlap);
    return copy;
}

void Show(HDC dc, int x, int y, const TSkBitmap& picture)
{
    BitBlt(dc, x, y, picture.Width(), picture.Height(), picture.DC(), 0, 0, SRCCOPY);
}

}  // namespace

int RunEffect(HDC dc, int x, int y, const TSkAnimation& animation, const TSkBitmap& newPicture,
              const TSkBitmap& oldPicture, uint64_t seed)
{
    if (newPicture.IsEmpty() || oldPicture.IsEmpty())
        return 0;
    const int width = newPicture.Width(), height = newPicture.Height();
    TSkBitmap copy, frame;
    const TSkBitmap& old = Matched(oldPicture, newPicture, copy);
    frame.SetSize(width, height);
    TSkEffectComposer composer(width, height, animation.Effect(), animation.Direction(),
                               animation.Resolution(), animation.TileCount(),
                               TSkEffectRandom(seed ? seed : CounterSeed()));
    const double time = std::max(animation.Time(), 1);
    TSkTimer timer;
    int frames = 0;
    for (double elapsed = 0; elapsed <= time; ++frames) {
        timer.Start();
        const int progress = std::min(int(std::lround(elapsed / time * 100)), 100);
        GdiFlush();  // the last frame's blit may still read the pixels
        composer.Compose(progress, old.Pixels(), newPicture.Pixels(), frame.Pixels());
        Show(dc, x, y, frame);
        elapsed += timer.ElapsedSeconds() * 1000;
    }
    // The last frame is the full mask rather than the picture itself: pixels
    // of the key colour lie outside the window and must show what is behind
    // it, not the key colour left on the screen.
    GdiFlush();
    composer.Compose(100, old.Pixels(), newPicture.Pixels(), frame.Pixels());
    Show(dc, x, y, frame);
    return frames + 1;
}
