#include "tools/icongen/icongen.h"

#include "tools/logogen/logodraw.h"

#include <algorithm>
#include <cmath>

namespace {

const int Samples = 8;
// The square of the logo's frame that holds the page, the disc and its
// shadow, with a little air; the logo itself is 39 x 48.
const double FrameLeft = -2.5, FrameTop = 1.25, FrameSide = 47;
// Outlines about one pixel wide at either size: at the logo's own width
// they would fade to a third of a pixel at 16.
double OutlineWeight(int size) { return size <= 16 ? 2.6 : 1.4; }

uint8_t Channel(double value)
{
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// Each pixel averaged over black and over white: every layer of the logo
// mixes linearly with what lies below it, so the two averages give the
// coverage and the colour the pixel has on its own.
uint32_t IconPixel(int size, int px, int py)
{
    Rgb black = {0, 0, 0}, white = {0, 0, 0};
    const double scale = FrameSide / size;
    for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx) {
            const double x = FrameLeft + (px + (sx + 0.5) / Samples) * scale;
            const double y = FrameTop + (py + (sy + 0.5) / Samples) * scale;
            const double line = OutlineWeight(size);
            const Rgb b = LogoSample(x, y, {0, 0, 0}, line);
            const Rgb w = LogoSample(x, y, {255, 255, 255}, line);
            black = {black.r + b.r, black.g + b.g, black.b + b.b};
            white = {white.r + w.r, white.g + w.g, white.b + w.b};
        }
    const double n = Samples * Samples;
    const double alpha = 1 - (white.g - black.g) / n / 255;
    if (alpha < 1.0 / 255)
        return 0;
    const auto straight = [&](double sum) { return Channel(sum / n / alpha); };
    return uint32_t(Channel(alpha * 255)) << 24 | uint32_t(straight(black.r)) << 16 |
           uint32_t(straight(black.g)) << 8 | straight(black.b);
}

TIconImage DrawImage(int size)
{
    TIconImage image{size, std::vector<uint32_t>(size_t(size) * size)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.pixels[size_t(y) * size + x] = IconPixel(size, x, y);
    return image;
}

void Put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The mask's rows are whole 32-bit words.
int MaskStride(int size) { return (size + 31) / 32 * 4; }

uint32_t ImageBytes(int size)
{
    return 40 + uint32_t(size) * size * 4 + uint32_t(MaskStride(size)) * size;
}

// A bitmap info header of twice the height (colour, then mask), then the
// rows bottom-up: BGRA pixels, then the AND mask, set where fully clear.
void PutImage(std::vector<uint8_t>& out, const TIconImage& image)
{
    const int size = image.size;
    Put32(out, 40);
    Put32(out, uint32_t(size));
    Put32(out, uint32_t(size) * 2);
    Put16(out, 1);
    Put16(out, 32);
    for (int field = 0; field < 6; ++field)  // no compression, sizes, colours
        Put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            Put32(out, image.pixels[size_t(y) * size + x]);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(MaskStride(size)));
        for (int x = 0; x < size; ++x)
            if ((image.pixels[size_t(y) * size + x] >> 24) == 0)
                row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<TIconImage> DrawProgramIcon()
{
    return {DrawImage(16), DrawImage(32)};
}

std::vector<uint8_t> IconFile(const std::vector<TIconImage>& images)
{
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, uint16_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (const TIconImage& image : images) {
        out.push_back(uint8_t(image.size));
        out.push_back(uint8_t(image.size));
        Put16(out, 0);   // no palette, reserved
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, ImageBytes(image.size));
        Put32(out, offset);
        offset += ImageBytes(image.size);
    }
    for (const TIconImage& image : images)
        PutImage(out, image);
    return out;
}
