// Small enumerations shared by controls and the libraries built on them.
#pragma once

#include <cstdint>

// Text direction of a control (and of text painted for it).
enum TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// What a control asks of the input method while it has the focus:
// imDontCare leaves it as the user set it.
enum TImeMode : uint8_t {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};
