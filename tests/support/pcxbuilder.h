// Builds PCX files byte by byte for the decoder's tests and fuzz seeds.
// Free of windows.h: the seed tool is built natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PcxLayout {
    uint8_t maker = 0x0A;
    uint8_t encoding = 1;
    uint8_t bitsPerPixel = 8;
    uint8_t planes = 1;
    uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    uint16_t bytesPerLine = 0;
};

inline void PutWord(std::string& s, size_t at, uint16_t v)
{
    s[at] = char(v & 0xFF);
    s[at + 1] = char(v >> 8);
}

inline std::string PcxHeader(const PcxLayout& l)
{
    std::string h(128, '\0');
    h[0] = char(l.maker);
    h[1] = 5;
    h[2] = char(l.encoding);
    h[3] = char(l.bitsPerPixel);
    PutWord(h, 4, l.xMin);
    PutWord(h, 6, l.yMin);
    PutWord(h, 8, l.xMax);
    PutWord(h, 10, l.yMax);
    h[65] = char(l.planes);
    PutWord(h, 66, l.bytesPerLine);
    return h;
}

// Runs of up to 63 equal bytes; a lone byte of 0xC0 or more needs a run of one.
inline std::string PcxRuns(const std::vector<uint8_t>& bytes)
{
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        size_t n = 1;
        while (i + n < bytes.size() && bytes[i + n] == bytes[i] && n < 63)
            ++n;
        if (n > 1 || bytes[i] >= 0xC0)
            out += char(0xC0 | n);
        out += char(bytes[i]);
        i += n;
    }
    return out;
}

// Entry i is (i, 255 - i, i * 7 mod 256).
inline uint32_t PcxTestColor(uint8_t i)
{
    return 0xFF000000u | (uint32_t(i) << 16) | (uint32_t(255 - i) << 8) | uint8_t(i * 7);
}

inline std::string PcxPalette(uint8_t marker = 0x0C)
{
    std::string p(1, char(marker));
    for (int i = 0; i < 256; ++i) {
        p += char(i);
        p += char(255 - i);
        p += char(i * 7);
    }
    return p;
}

// A whole file of width x height indices; rows padded to bytesPerLine with 0.
inline std::string MakePcx(int width, int height, const std::vector<uint8_t>& indices,
                           uint8_t encoding = 1, int bytesPerLine = 0)
{
    PcxLayout l;
    l.encoding = encoding;
    l.xMax = uint16_t(width - 1);
    l.yMax = uint16_t(height - 1);
    l.bytesPerLine = uint16_t(bytesPerLine ? bytesPerLine : width);
    std::vector<uint8_t> rows;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < l.bytesPerLine; ++x)
            rows.push_back(x < width ? indices[size_t(y * width + x)] : 0);
    std::string data = encoding == 1 ? PcxRuns(rows) : std::string(rows.begin(), rows.end());
    return PcxHeader(l) + data + PcxPalette();
}

struct NamedPcx {
    const char* name;
    std::string bytes;
};

// Every kind of damage the decoder must refuse, each built from one small
// valid picture; shared by its tests and the fuzzer's seeds.
inline std::vector<NamedPcx> DamagedPcxSamples()
{
    const std::string valid = MakePcx(3, 2, {1, 2, 3, 4, 5, 6});
    PcxLayout zero;
    zero.xMin = 5;
    zero.xMax = 4;
    zero.bytesPerLine = 1;
    PcxLayout huge;
    huge.xMax = 16383;
    huge.yMax = 16383;
    huge.bytesPerLine = 16384;
    PcxLayout narrow;
    narrow.xMax = 3;
    narrow.bytesPerLine = 2;
    PcxLayout fourBit;
    fourBit.bitsPerPixel = 4;
    fourBit.bytesPerLine = 1;
    std::string missingMarker = valid;
    missingMarker[valid.size() - 769] = 0x0B;
    return {
        {"truncated-header.pcx", valid.substr(0, 60)},
        {"truncated-pixels.pcx", valid.substr(0, 128) + valid.substr(valid.size() - 769)},
        {"truncated-palette.pcx", valid.substr(0, valid.size() - 1)},
        {"missing-palette.pcx", missingMarker},
        {"zero-width.pcx", PcxHeader(zero) + PcxRuns({1}) + PcxPalette()},
        {"huge.pcx", PcxHeader(huge) + std::string("\xFF\x01", 2) + PcxPalette()},
        {"narrow-rows.pcx", PcxHeader(narrow) + PcxRuns({1, 2}) + PcxPalette()},
        {"four-bit.pcx", PcxHeader(fourBit) + "\x01" + PcxPalette()},
        {"run-without-byte.pcx", MakePcx(2, 1, {3, 3}).substr(0, 128) + "\xC5" + PcxPalette()},
    };
}
