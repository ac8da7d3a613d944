#include "styling/forms/skeffectmask.h"

#include "styling/core/skcolors.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

// a * b / c rounded to nearest, halves up; the operands are never negative.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c)
{
    return c > 0 ? (2 * a * b + c) / (2 * c) : 0;
}

// Distances from the mask's centre, scaled so that both axes run over
// 0 .. columns * rows: the shapes keep the mask's aspect.
struct TCentreDistance {
    int64_t dx, dy, unit;
};

TCentreDistance CentreDistance(int x, int y, int columns, int rows)
{
    return {int64_t(std::abs(2 * x + 1 - columns)) * rows,
            int64_t(std::abs(2 * y + 1 - rows)) * columns, int64_t(columns) * rows};
}

int64_t RectDistance(const TCentreDistance& d) { return std::max(d.dx, d.dy); }
// Halved so that the diamond reaches the corners as progress reaches 100.
int64_t DiamondDistance(const TCentreDistance& d) { return (d.dx + d.dy) / 2; }

// Whether a shape grown to progress percent of unit covers distance.
bool Covers(int64_t distance, int64_t unit, int progress)
{
    return progress > 0 && distance * 100 <= int64_t(progress) * unit;
}

// The smooth effects: a front that travels length over the progress, with
// values that rise from 0 at the front to 255 a span behind it. The length
// is two and a half times the largest distance, so at 100 the whole mask
// lies a full span behind the front.
uint8_t Ramp(int64_t distance, int64_t largest, int progress)
{
    const int64_t length = 5 * largest / 2 + 1;
    const int64_t span = length - largest;
    const int64_t front = length * progress / 100;
    return uint8_t(std::clamp<int64_t>((front - distance) * 255 / span, 0, 255));
}

}  // namespace

int TSkEffectRandom::Next(int bound)
{
    if (bound < 1)
        return 0;
    // 64-bit linear congruential step (Knuth's MMIX constants); the high bits
    // are the good ones.
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return int((state_ >> 32) * uint64_t(bound) >> 32);
}

TkeEffect ResolveEffect(TkeEffect effect, TSkEffectRandom& random)
{
    if (effect == keRandomSelect)
        return TkeEffect(1 + random.Next(SkEffectCount));
    return effect > SkEffectCount ? keFade : effect;
}

TSkEffectMask::TSkEffectMask(int columns, int rows)
    : columns_(std::max(columns, 1)), rows_(std::max(rows, 1)),
      cells_(size_t(columns_) * rows_), order_(cells_.size())
{
    std::iota(order_.begin(), order_.end(), 0);
}

template <typename Value>
void TSkEffectMask::FillEach(Value value)
{
    uint8_t* cell = cells_.data();
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < columns_; ++x)
            *cell++ = value(x, y);
}

void TSkEffectMask::Fill(TkeEffect effect, int progress, TSkEffectRandom& random)
{
    std::fill(cells_.begin(), cells_.end(), uint8_t(0));
    const int p = std::clamp(progress, 0, 100);
    if (p == 0)
        return;
    const uint8_t v = uint8_t(MulDivRound(p, 255, 100));
    const int half = int(MulDivRound(rows_, p, 200));
    const int w = columns_, h = rows_;
    const int64_t unit = int64_t(w) * h;
    switch (effect) {
    case keFade:
        std::fill(cells_.begin(), cells_.end(), uint8_t(SkRound(p * 255 / 100.0)));
        break;
    case keDiagonal:
        FillDiagonal(p, v);
        break;
    case keDown:
        FillRows(0, int(MulDivRound(p, h - 1, 100)) + 1, v);
        break;
    case keIn:
        FillRows(0, half, v);
        FillRows(h - half, h, v);
        break;
    case keOut:
        FillRows(h / 2 - half, (h + 1) / 2 + half, v);
        break;
    case keRectOut:
    case keRectIn:
    case keDiamondOut:
    case keDiamondIn: {
        const bool rect = effect == keRectOut || effect == keRectIn;
        const bool in = effect == keRectIn || effect == keDiamondIn;
        // The inward effects are the outward one run backwards, inverted.
        const int grown = in ? 100 - p : p;
        FillEach([&](int x, int y) {
            const TCentreDistance d = CentreDistance(x, y, w, h);
            const bool covered =
                Covers(rect ? RectDistance(d) : DiamondDistance(d), unit, grown);
            return uint8_t(covered == in ? 0 : v);
        });
        break;
    }
    case kePixel:
    case kePixelLine:
        FillRandomCells(p, effect == kePixelLine, random);
        break;
    case keSmoothDiagonal:
        FillEach([&](int x, int y) { return Ramp(x + y, w + h - 2, p); });
        break;
    case keSmoothRectOut:
        FillEach([&](int x, int y) {
            return Ramp(RectDistance(CentreDistance(x, y, w, h)), unit, p);
        });
        break;
    case keSmoothRectIn:
        FillEach([&](int x, int y) {
            const int out = Ramp(RectDistance(CentreDistance(x, y, w, h)), unit, 100 - p);
            return uint8_t(MulDivRound(255 - out, v, 255));
        });
        break;
    default:
        break;
    }
}

void TSkEffectMask::FillRows(int from, int to, uint8_t value)
{
    from = std::max(from, 0);
    to = std::min(to, rows_);
    if (from < to)
        std::fill(cells_.begin() + size_t(from) * columns_, cells_.begin() + size_t(to) * columns_,
                  value);
}

// Lines from the left edge to the top edge, reaching twice as far as the
// progress says along each side, fill the triangle under the last of them.
void TSkEffectMask::FillDiagonal(int progress, uint8_t value)
{
    const int64_t dx = 2 * MulDivRound(columns_ - 1, progress, 100);
    const int64_t dy = 2 * MulDivRound(rows_ - 1, progress, 100);
    FillEach([&](int x, int y) {
        const bool under = x <= dx && y <= dy && x * dy + y * dx <= dx * dy;
        return uint8_t(under ? value : 0);
    });
}

// Distinct cells, as many as the progress says: a partial shuffle of the
// index list picks them (any order of the list is as good a start).
void TSkEffectMask::FillRandomCells(int progress, bool falling, TSkEffectRandom& random)
{
    const int total = int(cells_.size());
    const int count = int(int64_t(total) * progress / 100);
    // kePixelLine: values fall from the left edge; column 0 has the most.
    const int64_t front = MulDivRound(2 * columns_, progress, 100);
    for (int i = 0; i < count; ++i) {
        std::swap(order_[i], order_[i + random.Next(total - i)]);
        const int cell = order_[i];
        const int64_t x = cell % columns_;
        cells_[cell] =
            falling ? uint8_t(std::clamp<int64_t>((front - x) * 255 / columns_, 0, 255)) : 255;
    }
}
