#include "tools/atlasgen/pcxwriter.h"

namespace {

void Put16(std::vector<uint8_t>& out, size_t at, int value)
{
    out[at] = uint8_t(value & 0xFF);
    out[at + 1] = uint8_t((value >> 8) & 0xFF);
}

// Runs stop at the end of each row and at 63, the most six bits can count.
// A single byte of 0xC0 or more would read as a count, so it goes as a run of 1.
void EncodeRow(std::vector<uint8_t>& out, const uint8_t* row, int width)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 63 && row[x + run] == row[x])
            ++run;
        if (run > 1 || row[x] >= 0xC0)
            out.push_back(uint8_t(0xC0 | run));
        out.push_back(row[x]);
        x += run;
    }
}

}  // namespace

std::vector<uint8_t> EncodePcx(const TIndexedImage& image)
{
    std::vector<uint8_t> out(128, 0);
    out[0] = 10;  // manufacturer
    out[1] = 5;   // version with a 256-colour palette
    out[2] = 1;   // run-length encoding
    out[3] = 8;   // bits per pixel
    Put16(out, 8, image.width - 1);
    Put16(out, 10, image.height - 1);
    Put16(out, 12, 96);
    Put16(out, 14, 96);
    out[65] = 1;  // planes
    Put16(out, 66, image.width);
    Put16(out, 68, 1);  // colour palette
    for (int y = 0; y < image.height; ++y)
        EncodeRow(out, &image.pixels[size_t(y) * image.width], image.width);
    out.push_back(0x0C);
    out.insert(out.end(), image.palette.begin(), image.palette.end());
    return out;
}
