// The program icon: the logo, square, at 16 and 32 pixels with alpha, and
// the .ico file that holds both. Plain C++, so that it can be redrawn on any
// machine.
#pragma once

#include <cstdint>
#include <vector>

struct TIconImage {
    int size;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, straight alpha, rows top-down
};

// The 16 and the 32 pixel image, in that order.
std::vector<TIconImage> DrawProgramIcon();
// An icon file: 32-bit images with alpha, and an AND mask for old readers.
std::vector<uint8_t> IconFile(const std::vector<TIconImage>& images);
