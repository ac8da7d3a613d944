// The glyphs of the predefined button kinds: one 32 x 16 strip per kind, a
// normal cell and a disabled cell, on magenta (the strip's bottom-left
// pixel, which the button takes as its transparent colour). Plain C++, so
// that the strips can be redrawn on any machine and compared in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int KindGlyphCell = 16;
constexpr int KindGlyphWidth = 2 * KindGlyphCell;
constexpr uint32_t KindGlyphKey = 0xFF00FF;  // 0xRRGGBB

struct TKindGlyph {
    std::string resourceName;               // "SK_BTN_OK"
    std::vector<uint32_t> pixels;           // 0xRRGGBB, rows top-down
};

// The ten kinds, in the order of the button's kind enumeration (bkOK first).
std::vector<TKindGlyph> DrawKindGlyphs();
// A 24-bit Windows bitmap file of the strip.
std::vector<uint8_t> KindGlyphBmp(const TKindGlyph& glyph);
