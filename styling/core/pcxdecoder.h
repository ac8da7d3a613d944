// Decoder of 256-colour PCX images into 32-bit pixels. Byte-level and free of
// windows.h: it reads untrusted bytes, so it is also built natively and fuzzed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TPcxImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;  // top row first, 0xAARRGGBB, every alpha 255
};

enum class TPcxStatus {
    Ok,
    NotPcx,    // the first byte is not a PCX maker byte: not ours to read
    Malformed  // a PCX header over data that cannot be a whole image
};

// The largest picture accepted, either way; the library's atlases are far
// smaller.
constexpr int32_t PcxMaxSide = 16384;
constexpr uint64_t PcxMaxPixels = uint64_t(1) << 24;
constexpr uint64_t PcxMaxDataBytes = uint64_t(1) << 26;

// Whether data starts with a PCX maker byte: DecodePcx reads it rather than
// saying NotPcx. Cheap, for a check made long before the decoding.
bool StartsAsPcx(const uint8_t* data, size_t size);

// Decodes data into image. On anything but Ok, image is left as it was and
// error (when given) says what was wrong.
TPcxStatus DecodePcx(const uint8_t* data, size_t size, TPcxImage& image,
                     std::string* error = nullptr);
