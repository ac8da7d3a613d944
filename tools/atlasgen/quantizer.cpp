#include "tools/atlasgen/quantizer.h"

#include <algorithm>
#include <map>

namespace {

const long MaxWeight = 32;

struct TColorCount {
    int rgb[3];
    long count;
};

using TBoxOfColors = std::vector<TColorCount>;

int Channel(double v)
{
    const double r = v + 0.5;
    return r < 0 ? 0 : (r > 255 ? 255 : int(r));
}

// The loader turns every colour within 5 of the key magenta transparent, so
// no picture colour may come that close.
void KeepAwayFromMagenta(int rgb[3])
{
    if (rgb[0] > 249 && rgb[1] < 6 && rgb[2] > 249)
        rgb[1] = 6;
}

int Span(const TBoxOfColors& box, int channel)
{
    int lo = 255, hi = 0;
    for (const TColorCount& c : box) {
        lo = std::min(lo, c.rgb[channel]);
        hi = std::max(hi, c.rgb[channel]);
    }
    return hi - lo;
}

int WidestChannel(const TBoxOfColors& box)
{
    int best = 0;
    for (int ch = 1; ch < 3; ++ch)
        if (Span(box, ch) > Span(box, best))
            best = ch;
    return best;
}

// Splits the box at the pixel-weighted median of its widest channel.
void Split(TBoxOfColors& box, TBoxOfColors& other)
{
    const int ch = WidestChannel(box);
    std::sort(box.begin(), box.end(), [ch](const TColorCount& a, const TColorCount& b) {
        if (a.rgb[ch] != b.rgb[ch])
            return a.rgb[ch] < b.rgb[ch];
        return std::lexicographical_compare(a.rgb, a.rgb + 3, b.rgb, b.rgb + 3);
    });
    long total = 0;
    for (const TColorCount& c : box)
        total += c.count;
    long sum = 0;
    size_t cut = 1;
    for (; cut < box.size(); ++cut) {
        sum += box[cut - 1].count;
        if (sum * 2 >= total)
            break;
    }
    cut = std::min(std::max<size_t>(cut, 1), box.size() - 1);
    other.assign(box.begin() + long(cut), box.end());
    box.resize(cut);
}

void Average(const TBoxOfColors& box, int rgb[3])
{
    long total = 0, sum[3] = {0, 0, 0};
    for (const TColorCount& c : box) {
        total += c.count;
        for (int ch = 0; ch < 3; ++ch)
            sum[ch] += c.rgb[ch] * c.count;
    }
    for (int ch = 0; ch < 3; ++ch)
        rgb[ch] = int((sum[ch] + total / 2) / total);
}

long Distance2(const int a[3], const int b[3])
{
    long d = 0;
    for (int ch = 0; ch < 3; ++ch)
        d += long(a[ch] - b[ch]) * (a[ch] - b[ch]);
    return d;
}

long SquaredError(const TBoxOfColors& box)
{
    int mean[3];
    Average(box, mean);
    long error = 0;
    for (const TColorCount& c : box)
        error += c.count * Distance2(c.rgb, mean);
    return error;
}

std::vector<TBoxOfColors> MedianCut(TBoxOfColors colors, size_t boxes)
{
    std::vector<TBoxOfColors> result;
    if (colors.empty())
        return result;
    result.push_back(std::move(colors));
    while (result.size() < boxes) {
        size_t best = result.size();
        long bestError = 0;
        for (size_t i = 0; i < result.size(); ++i) {
            if (result[i].size() < 2)
                continue;
            const long error = SquaredError(result[i]);
            if (best == result.size() || error > bestError) {
                best = i;
                bestError = error;
            }
        }
        if (best == result.size())
            break;
        TBoxOfColors other;
        Split(result[best], other);
        result.push_back(std::move(other));
    }
    return result;
}

size_t Nearest(const int rgb[3], const std::vector<std::array<int, 3>>& palette)
{
    size_t index = 0;
    long best = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const long d = Distance2(rgb, palette[i].data());
        if (best < 0 || d < best) {
            best = d;
            index = i;
        }
    }
    return index;
}

// A few rounds of moving each entry to the mean of the colours nearest to it.
void Refine(const TBoxOfColors& colors, std::vector<std::array<int, 3>>& palette)
{
    for (int round = 0; round < 10; ++round) {
        std::vector<TBoxOfColors> groups(palette.size());
        for (const TColorCount& c : colors)
            groups[Nearest(c.rgb, palette)].push_back(c);
        for (size_t i = 0; i < palette.size(); ++i)
            if (!groups[i].empty())
                Average(groups[i], palette[i].data());
    }
}

}  // namespace

TIndexedImage Quantize(const TAtlasCanvas& canvas)
{
    TIndexedImage image;
    image.width = canvas.Width();
    image.height = canvas.Height();
    std::vector<int> packed(size_t(image.width) * image.height, -1);
    std::map<int, long> counts;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (canvas.IsTransparent(x, y))
                continue;
            const TRgb c = canvas.ColorAt(x, y);
            int rgb[3] = {Channel(c.r), Channel(c.g), Channel(c.b)};
            KeepAwayFromMagenta(rgb);
            const int key = rgb[0] << 16 | rgb[1] << 8 | rgb[2];
            packed[size_t(y) * image.width + x] = key;
            ++counts[key];
        }
    // Large flat areas need one exact entry, not a share of the palette by
    // size, so each colour weighs at most as much as a short run of pixels.
    TBoxOfColors colors;
    for (const auto& [key, count] : counts)
        colors.push_back({{key >> 16, (key >> 8) & 255, key & 255}, std::min(count, MaxWeight)});

    std::vector<std::array<int, 3>> palette;
    for (const TBoxOfColors& box : MedianCut(colors, 255)) {
        palette.push_back({});
        Average(box, palette.back().data());
    }
    Refine(colors, palette);
    image.palette[0] = 255, image.palette[1] = 0, image.palette[2] = 255;
    for (size_t i = 0; i < palette.size(); ++i) {
        KeepAwayFromMagenta(palette[i].data());
        for (int ch = 0; ch < 3; ++ch)
            image.palette[(i + 1) * 3 + ch] = uint8_t(palette[i][ch]);
    }
    std::map<int, uint8_t> nearest;
    for (const TColorCount& c : colors)
        nearest[c.rgb[0] << 16 | c.rgb[1] << 8 | c.rgb[2]] = uint8_t(Nearest(c.rgb, palette) + 1);
    image.pixels.resize(packed.size());
    for (size_t i = 0; i < packed.size(); ++i)
        image.pixels[i] = packed[i] < 0 ? 0 : nearest[packed[i]];
    return image;
}
