// JPEG pictures for tests, made with libjpeg's own encoder.
#pragma once

#include <cstdint>
#include <vector>

// Left half red, right half blue, bottom quarter white, so decoded pixels
// can be checked by region.
std::vector<uint8_t> EncodeTestPicture(int width, int height, int quality = 95);
