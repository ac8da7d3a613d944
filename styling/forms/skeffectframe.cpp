#include "styling/forms/skeffectframe.h"

#include <algorithm>

namespace {

bool Turned(TSkDirection direction)
{
    return direction == kdRotate90 || direction == kdRotate270;
}

// new over old with weight m of 255, every channel rounded apart; two
// channels share one 32-bit product without carrying into each other.
TSkColor Mix(TSkColor newPixel, TSkColor oldPixel, uint32_t m)
{
    auto scale = [](uint32_t pair, uint32_t by) {
        return ((pair * by + 0x00800080u) >> 8) & 0x00FF00FFu;
    };
    const uint32_t rb = scale(newPixel & 0x00FF00FFu, m) + scale(oldPixel & 0x00FF00FFu, 255 - m);
    const uint32_t ag =
        scale((newPixel >> 8) & 0x00FF00FFu, m) + scale((oldPixel >> 8) & 0x00FF00FFu, 255 - m);
    return rb | (ag << 8);
}

// The cell of each pixel along one side: tiles first, then cells within.
std::vector<int> Cells(int length, int tile, int resolution)
{
    std::vector<int> cells(size_t(std::max(length, 0)));
    for (int i = 0; i < length; ++i)
        cells[size_t(i)] = (i % tile) / resolution;
    return cells;
}

}  // namespace

TSkEffectLayout MakeEffectLayout(int width, int height, int resolution, int tileCount)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    resolution = std::max(resolution, 1);
    tileCount = std::max(tileCount, 1);
    return {width / resolution / tileCount + 1, height / resolution / tileCount + 1,
            width / tileCount + 1, height / tileCount + 1, resolution};
}

// A tile is never wider than its cells reach ((w / r / t + 1) * r > w / t),
// and the tiles together are wider than the picture, so every pixel belongs
// to exactly one cell of one tile: where a cell of one tile would reach into
// the next, the next tile's own cell is the one that counts.
TSkEffectComposer::TSkEffectComposer(int width, int height, TkeEffect effect,
                                     TSkDirection direction, int resolution, int tileCount,
                                     TSkEffectRandom random)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      effect_(ResolveEffect(effect, random)),
      layout_(MakeEffectLayout(width, height, resolution, tileCount)),
      mask_(Turned(direction) ? layout_.rows : layout_.columns,
            Turned(direction) ? layout_.columns : layout_.rows),
      random_(random)
{
    const int c = layout_.columns, r = layout_.rows;
    columnIndex_ = Cells(width_, layout_.tileWidth, layout_.resolution);
    rowIndex_ = Cells(height_, layout_.tileHeight, layout_.resolution);
    for (int& cx : columnIndex_) {
        switch (direction) {
        case kdRotate90: cx = (c - cx - 1) * r; break;
        case kdRotate180: cx = c - cx - 1; break;
        case kdRotate270: cx = r * cx; break;
        default: break;
        }
    }
    for (int& cy : rowIndex_) {
        switch (direction) {
        case kdRotate90: break;
        case kdRotate180: cy = (r - cy - 1) * c; break;
        case kdRotate270: cy = r - cy - 1; break;
        default: cy *= c; break;
        }
    }
}

void TSkEffectComposer::Compose(int progress, const TSkColor* oldPicture,
                                const TSkColor* newPicture, TSkColor* frame)
{
    mask_.Fill(effect_, progress, random_);
    const uint8_t* mask = mask_.Cells();
    for (int y = 0; y < height_; ++y) {
        const size_t row = size_t(y) * width_;
        const TSkColor* from = oldPicture + row;
        const TSkColor* to = newPicture + row;
        TSkColor* out = frame + row;
        const uint8_t* maskRow = mask + rowIndex_[size_t(y)];
        for (int x = 0; x < width_; ++x) {
            const uint32_t m = maskRow[columnIndex_[size_t(x)]];
            const TSkColor n = to[x];
            if (m == 0 || (n & SkColorMask) == SkTransparentColor)
                out[x] = from[x];
            else
                out[x] = m == 255 ? n : Mix(n, from[x], m);
        }
    }
}
