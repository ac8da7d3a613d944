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
