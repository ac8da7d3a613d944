// The masks of the show animation: one byte per cell, 0 shows the old
// picture, 255 the new one, values between mix them. Each effect fills the
// mask for a progress of 0 to 100. Byte-level and free of windows.h.
#pragma once

#include "styling/forms/skeffecttypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A small generator of its own, so that a seed replays the same choices.
class TSkEffectRandom {
public:
    explicit TSkEffectRandom(uint64_t seed = 1) : state_(seed) {}
    // 0 .. bound - 1; 0 when bound is below 1.
    int Next(int bound);

private:
    uint64_t state_;
};

// keRandomSelect becomes one of the fourteen real effects; an effect out of
// range becomes keFade; the others stay.
TkeEffect ResolveEffect(TkeEffect effect, TSkEffectRandom& random);

class TSkEffectMask {
public:
    // Sides below 1 count as 1.
    TSkEffectMask(int columns, int rows);

    // Clears the mask and fills it for progress (clamped to 0..100).
    // keRandomSelect fills nothing: resolve it first.
    void Fill(TkeEffect effect, int progress, TSkEffectRandom& random);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    const uint8_t* Cells() const { return cells_.data(); }
    uint8_t At(int column, int row) const { return cells_[size_t(row) * columns_ + column]; }

private:
    void FillRows(int from, int to, uint8_t value);
    void FillDiagonal(int progress, uint8_t value);
    void FillRandomCells(int progress, bool falling, TSkEffectRandom& random);
    template <typename Value>
    void FillEach(Value value);

    int columns_;
    int rows_;
    std::vector<uint8_t> cells_;
    std::vector<int> order_;  // cell indexes, reshuffled for the random effects
};
