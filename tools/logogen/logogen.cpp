// Draws the program's logo, a compact disc lying over a document page, and
// writes it as a 39 x 48 baseline JPEG (three 8-bit components, 96 dpi).
// Every pixel is the average of 8 x 8 samples, so edges come out smooth.
//
//   logogen <output.jpg>
#include "tools/logogen/logodraw.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

const int Samples = 8;

std::vector<unsigned char> Render()
{
    std::vector<unsigned char> rgb(size_t(LogoWidth) * LogoHeight * 3);
    for (int py = 0; py < LogoHeight; ++py)
        for (int px = 0; px < LogoWidth; ++px) {
            Rgb sum = {0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const Rgb c = LogoSample(px + (sx + 0.5) / Samples,
                                             py + (sy + 0.5) / Samples, LogoBackground);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            const double n = Samples * Samples;
            unsigned char* out = &rgb[(size_t(py) * LogoWidth + px) * 3];
            out[0] = static_cast<unsigned char>(std::lround(std::fmin(255, sum.r / n)));
            out[1] = static_cast<unsigned char>(std::lround(std::fmin(255, sum.g / n)));
            out[2] = static_cast<unsigned char>(std::lround(std::fmin(255, sum.b / n)));
        }
    return rgb;
}

bool WriteJpeg(const char* path, const std::vector<unsigned char>& rgb)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = LogoWidth;
    info.image_height = LogoHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.density_unit = 1;  // dots per inch
    info.X_density = 96;
    info.Y_density = 96;
    // Full-resolution colour: chroma subsampling smears a picture this small.
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&rgb[size_t(info.next_scanline) * LogoWidth * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: logogen <output.jpg>\n");
        return 2;
    }
    if (!WriteJpeg(argv[1], Render())) {
        std::fprintf(stderr, "logogen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
