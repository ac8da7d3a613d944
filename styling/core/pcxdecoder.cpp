#include "styling/core/pcxdecoder.h"

#include <algorithm>

namespace {

constexpr size_t HeaderSize = 128;
constexpr size_t PaletteSize = 768;
constexpr uint8_t PaletteMarker = 0x0C;
// The two maker bytes a PCX file may start with.
constexpr uint8_t MakerByte = 0x0A;
constexpr uint8_t OtherMakerByte = 0xCD;
constexpr uint8_t RunLengthEncoding = 1;  // else the rows are stored as they are
constexpr uint8_t BitsPerIndex = 8;        // 256 colours
constexpr uint32_t OpaqueAlpha = 0xFF000000u;

// Where the header keeps its fields.
constexpr size_t EncodingAt = 2;
constexpr size_t BitsPerPixelAt = 3;
constexpr size_t LeftAt = 4, TopAt = 6, RightAt = 8, BottomAt = 10;  // inclusive
constexpr size_t PlanesAt = 65;
constexpr size_t BytesPerLineAt = 66;

// A byte with both top bits set starts a run: its low six bits count the
// copies of the byte after it. One run (two bytes) yields at most 63 bytes.
constexpr uint8_t RunFlags = 0xC0;
constexpr uint8_t RunCountMask = 0x3F;
constexpr uint64_t MaxRunLength = RunCountMask;

struct TPcxHeader {
    int32_t width;
    int32_t height;
    uint8_t encoding;
    uint8_t bitsPerPixel;
    size_t bytesPerRow;  // planes x bytes per line
};

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

TPcxStatus Fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return TPcxStatus::Malformed;
}

TPcxHeader ReadHeader(const uint8_t* h)
{
    TPcxHeader header;
    header.width = int32_t(Word(h + RightAt)) - int32_t(Word(h + LeftAt)) + 1;
    header.height = int32_t(Word(h + BottomAt)) - int32_t(Word(h + TopAt)) + 1;
    header.encoding = h[EncodingAt];
    header.bitsPerPixel = h[BitsPerPixelAt];
    header.bytesPerRow = size_t(h[PlanesAt]) * Word(h + BytesPerLineAt);
    return header;
}

// Expands run-length data until out is full. False when the data ends first.
bool DecodeRuns(const uint8_t* p, const uint8_t* end, std::vector<uint8_t>& out)
{
    size_t done = 0;
    while (done < out.size()) {
        if (p == end)
            return false;
        uint8_t b = *p++;
        size_t count = 1;
        if ((b & RunFlags) == RunFlags) {
            if (p == end)
                return false;
            count = b & RunCountMask;
            b = *p++;
        }
        // A run reaching past the image is cut at its end.
        count = std::min(count, out.size() - done);
        std::fill_n(out.begin() + done, count, b);
        done += count;
    }
    return true;
}

} // namespace

bool StartsAsPcx(const uint8_t* data, size_t size)
{
    return size >= 1 && (data[0] == MakerByte || data[0] == OtherMakerByte);
}

TPcxStatus DecodePcx(const uint8_t* data, size_t size, TPcxImage& image, std::string* error)
{
    if (!StartsAsPcx(data, size))
        return TPcxStatus::NotPcx;
    if (size < HeaderSize)
        return Fail(error, "the header is cut short");
    TPcxHeader header = ReadHeader(data);
    if (header.width < 1 || header.height < 1)
        return Fail(error, "the picture has no width or height");
    if (header.width > PcxMaxSide || header.height > PcxMaxSide ||
        uint64_t(header.width) * uint64_t(header.height) > PcxMaxPixels ||
        uint64_t(header.bytesPerRow) * uint64_t(header.height) > PcxMaxDataBytes)
        return Fail(error, "the picture is too large");
    if (header.bitsPerPixel != BitsPerIndex)
        return Fail(error, "only 256-colour pictures are read");
    if (header.bytesPerRow < size_t(header.width))
        return Fail(error, "the rows are shorter than the picture is wide");

    // The palette is the last 769 bytes: its marker, then 256 RGB triples.
    if (size < HeaderSize + 1 + PaletteSize || data[size - PaletteSize - 1] != PaletteMarker)
        return Fail(error, "the 256-colour palette is missing");
    const uint8_t* palette = data + size - PaletteSize;
    const uint8_t* pixels = data + HeaderSize;
    const uint8_t* pixelsEnd = data + size - PaletteSize - 1;

    // Refuse before allocating when the data cannot hold the image.
    uint64_t needed = uint64_t(header.bytesPerRow) * uint64_t(header.height);
    uint64_t available = uint64_t(pixelsEnd - pixels);
    uint64_t most = header.encoding == RunLengthEncoding
                        ? (available / 2) * MaxRunLength + available % 2
                        : available;
    if (needed > most)
        return Fail(error, "the pixel data is cut short");

    std::vector<uint8_t> indices(static_cast<size_t>(needed));
    if (header.encoding == RunLengthEncoding) {
        if (!DecodeRuns(pixels, pixelsEnd, indices))
            return Fail(error, "the pixel data is cut short");
    } else {
        std::copy(pixels, pixels + indices.size(), indices.begin());
    }

    std::vector<uint32_t> out(size_t(header.width) * size_t(header.height));
    for (int32_t y = 0; y < header.height; ++y) {
        const uint8_t* row = indices.data() + size_t(y) * header.bytesPerRow;
        uint32_t* target = out.data() + size_t(y) * size_t(header.width);
        for (int32_t x = 0; x < header.width; ++x) {
            const uint8_t* rgb = palette + size_t(row[x]) * 3;
            target[x] = OpaqueAlpha | (uint32_t(rgb[0]) << 16) | (uint32_t(rgb[1]) << 8) | rgb[2];
        }
    }
    image.Width = header.width;
    image.Height = header.height;
    image.Pixels = std::move(out);
    return TPcxStatus::Ok;
}
