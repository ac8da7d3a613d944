// The stored form of a picture: a length-prefixed class name, then the
// graphic's own data; a JPEG's data is a 4-byte little-endian length and
// the stream. Byte-level, free of windows.h.
#pragma once

#include "framework/base/exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

class EInvalidPictureData : public Exception {
public:
    using Exception::Exception;
};

struct TPictureData {
    std::string ClassName;  // empty: no picture
    std::vector<uint8_t> Payload;
};

// Raises EInvalidPictureData for a truncated or inconsistent record.
TPictureData ParsePictureData(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ComposePictureData(const TPictureData& data);
