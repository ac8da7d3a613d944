// The show animation's effects and mask orientations. Kept apart from the
// option classes so the byte-level effect engine can use them without the
// component framework.
#pragma once

#include <cstdint>

enum TkeEffect : uint8_t {
    keRandomSelect,
    keFade,
    keDiagonal,
    keDown,
    keIn,
    keOut,
    keRectIn,
    keRectOut,
    kePixel,
    kePixelLine,
    keDiamondIn,
    keDiamondOut,
    keSmoothDiagonal,
    keSmoothRectIn,
    keSmoothRectOut
};
// keRandomSelect picks one of the others.
constexpr int SkEffectCount = keSmoothRectOut;

enum TSkDirection : uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };
