// Writes an 8-bit, single-plane, run-length ZSoft PCX file with its palette.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/atlasgen/quantizer.h"

std::vector<uint8_t> EncodePcx(const TIndexedImage& image);
