// Frames of the show animation: a picture cut into TileCount x TileCount
// tiles, each covered by the effect's mask in cells of Resolution x
// Resolution pixels, mixes the old picture into the new one cell by cell.
// Byte-level and free of windows.h.
#pragma once

#include "styling/core/skcolors.h"
#include "styling/forms/skeffectmask.h"

#include <vector>

// The mask and tile sizes for a picture.
struct TSkEffectLayout {
    int columns;     // mask columns of one tile
    int rows;        // mask rows of one tile
    int tileWidth;
    int tileHeight;
    int resolution;  // pixels per cell side
};

// Resolution and tile count below 1 count as 1.
TSkEffectLayout MakeEffectLayout(int width, int height, int resolution, int tileCount);

class TSkEffectComposer {
public:
    // Pictures are width x height pixels, row after row. The effect is
    // resolved here: a random selection is made once per animation.
    TSkEffectComposer(int width, int height, TkeEffect effect, TSkDirection direction,
                      int resolution, int tileCount, TSkEffectRandom random);

    TkeEffect Effect() const { return effect_; }
    const TSkEffectLayout& Layout() const { return layout_; }
    // As the effect filled it: columns and rows exchanged for the quarter turns.
    const TSkEffectMask& Mask() const { return mask_; }

    // Fills the mask for progress and writes the frame: the old pixel where
    // the mask is 0 or the new pixel has the key colour, the new one where it
    // is 255, the two mixed otherwise. A picture with an empty side writes
    // nothing.
    void Compose(int progress, const TSkColor* oldPicture, const TSkColor* newPicture,
                 TSkColor* frame);

private:
    int width_;
    int height_;
    TkeEffect effect_;
    TSkEffectLayout layout_;
    TSkEffectMask mask_;
    TSkEffectRandom random_;
    // For each pixel column and row, its share of the index of its mask cell:
    // the direction is worked out once, not per pixel.
    std::vector<int> columnIndex_;
    std::vector<int> rowIndex_;
};
