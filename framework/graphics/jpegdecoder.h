// Decoding JPEG pictures from memory with libjpeg. Byte-level, free of
// windows.h: damaged or hostile data must fail cleanly, never crash.
#pragma once

#include "framework/base/exceptions.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class EJPEGError : public Exception {
public:
    using Exception::Exception;
};

struct TDecodedJpeg {
    int Width = 0;
    int Height = 0;
    // Top-down rows of 32-bit pixels: blue, green, red, alpha 255 in memory.
    std::vector<uint32_t> Pixels;
};

// Larger pictures are refused before anything is allocated for them.
constexpr int MaxJpegSide = 16384;
constexpr int64_t MaxJpegPixels = 32 * 1024 * 1024;

// Raises EJPEGError naming the reason for anything that is not a complete,
// decodable picture: truncated streams and libjpeg's warnings included.
TDecodedJpeg DecodeJpeg(const uint8_t* data, size_t size);
