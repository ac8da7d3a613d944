// The show animation's effect run: frames mixed from the old picture (what
// lies behind the window) into the new one (the window), drawn straight onto
// a device context until the animation's time is used up.
#pragma once

#include <windows.h>

#include <cstdint>

class TSkAnimation;
class TSkBitmap;

// Draws the frames at (x, y) for Animation.Time milliseconds, counted as the
// sum of the frame times, and then newPicture itself, with the old picture
// where it has the key colour. Returns the number of
// frames drawn, the last one included; 0 when either picture is empty. An old
// picture of another size is used where it overlaps the new one, black
// elsewhere. seed 0 seeds the random effects from the performance counter.
int RunEffect(HDC dc, int x, int y, const TSkAnimation& animation, const TSkBitmap& newPicture,
              const TSkBitmap& oldPicture, uint64_t seed = 0);
