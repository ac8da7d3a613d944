// Reduces a drawn atlas to 256 colours: index 0 is the transparent magenta,
// the other 255 come from a median cut of the colours actually used, so the
// long gradients keep their steps.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/atlasgen/painter.h"

struct TIndexedImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;               // one palette index per pixel, rows top down
    std::array<uint8_t, 768> palette = {};     // red, green, blue per entry
};

TIndexedImage Quantize(const TAtlasCanvas& canvas);
