// Draws the program's logo, a compact disc lying over a document page, and
// writes it as a 39 x 48 baseline JPEG (three 8-bit components, 96 dpi).
// Every pixel is the average of 8 x 8 samples, so edges come out smooth.
//
//   logogen <output.jpg>
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

const int Width = 39;
const int Height = 48;
const int Samples = 8;
const double Pi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The window colour behind the picture, so the logo sits on it seamlessly.
const Rgb Background = {255, 251, 247};

// Page: a sheet with a folded top-right corner and a few lines of text.
const double PageLeft = 2.5, PageTop = 1.5, PageRight = 27.5, PageBottom = 40.5, Fold = 7;

bool InsidePage(double x, double y)
{
    if (x < PageLeft || x > PageRight || y < PageTop || y > PageBottom)
        return false;
    return (PageRight - x) + (y - PageTop) >= Fold;  // cut corner
}

Rgb PageColor(double x, double y)
{
    const double edge = std::fmin(std::fmin(x - PageLeft, PageRight - x),
                                  std::fmin(y - PageTop, PageBottom - y));
    const double diagonal = ((PageRight - x) + (y - PageTop) - Fold) / std::sqrt(2.0);
    if (edge < 1 || diagonal < 0.8)
        return {128, 134, 150};  // outline
    // The folded-over corner: a small triangle just under the cut.
    const double fx = x - (PageRight - Fold), fy = y - PageTop;
    if (fx >= 0 && fy <= Fold && fx <= fy) {
        if (fx < 0.8 || Fold - fy < 0.8)
            return {150, 156, 172};
        return {214, 220, 232};
    }
    const Rgb paper = Mix({255, 255, 255}, {232, 236, 244}, (y - PageTop) / (PageBottom - PageTop));
    const bool text = x > 6 && x < 24;
    const double lines[] = {9, 13, 17, 21, 25};
    for (double line : lines) {
        const double right = line == 9 ? 17 : (line == 25 ? 14 : 24);
        if (text && x < right && y >= line && y < line + 1.5)
            return line == 9 ? Rgb{60, 90, 160} : Rgb{150, 156, 172};
    }
    return paper;
}

// Disc: centre, radii of the rim, the clear hub and the hole.
const double DiscX = 24.5, DiscY = 33.0, DiscR = 13.8, HubR = 5.2, HoleR = 2.2;

Rgb DiscColor(double x, double y)
{
    const double dx = x - DiscX, dy = y - DiscY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > DiscR - 0.9)
        return {110, 118, 134};  // rim
    if (r < HubR) {
        if (r > HubR - 0.8)
            return {150, 158, 172};
        return {222, 226, 234};  // clear plastic hub
    }
    // Silver with a rainbow sheen that turns with the angle, brightest on
    // the diagonal where the light falls.
    const double angle = std::atan2(dy, dx);
    const Rgb silver = {206, 212, 224};
    const Rgb sheen = {
        200 + 55 * std::cos(2 * angle),
        200 + 55 * std::cos(2 * angle - 2 * Pi / 3),
        200 + 55 * std::cos(2 * angle + 2 * Pi / 3),
    };
    const double light = std::pow(std::fabs(std::cos(angle + Pi / 4)), 6);
    Rgb c = Mix(silver, sheen, 0.45);
    c = Mix(c, {255, 255, 255}, 0.55 * light);
    const double groove = 0.06 * std::sin(r * 3.1);  // faint track rings
    return Mix(c, {150, 160, 180}, 0.15 + groove);
}

Rgb Sample(double x, double y)
{
    Rgb c = Background;
    if (InsidePage(x, y))
        c = PageColor(x, y);
    // Soft shadow of the disc on whatever lies below it.
    const double sx = x - DiscX - 1.2, sy = y - DiscY - 1.2;
    const double shadow = std::sqrt(sx * sx + sy * sy);
    if (shadow < DiscR + 0.5 && shadow > HoleR)
        c = Mix(c, {60, 60, 70}, 0.28 * std::fmin(1.0, (DiscR + 0.5 - shadow) / 1.5));
    const double dx = x - DiscX, dy = y - DiscY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r < DiscR && r > HoleR)
        c = DiscColor(x, y);
    return c;
}

std::vector<unsigned char> Render()
{
    std::vector<unsigned char> rgb(size_t(Width) * Height * 3);
    for (int py = 0; py < Height; ++py)
        for (int px = 0; px < Width; ++px) {
            Rgb sum = {0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const Rgb c = Sample(px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            const double n = Samples * Samples;
            unsigned char* out = &rgb[(size_t(py) * Width + px) * 3];
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
    info.image_width = Width;
    info.image_height = Height;
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
        JSAMPROW row = const_cast<JSAMPROW>(&rgb[size_t(info.next_scanline) * Width * 3]);
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
