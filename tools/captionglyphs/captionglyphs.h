// The caption glyphs of the skinned form's system menu: six 16-colour
// pictures on magenta, in the order of their image index. Plain C++, so
// that they can be redrawn on any machine and compared in the tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The sixteen standard colours (0xRRGGBB); index 13 is the magenta key.
using TCaptionPalette = std::array<uint32_t, 16>;
const TCaptionPalette& CaptionGlyphPalette();
constexpr uint8_t CaptionGlyphKeyIndex = 13;
constexpr uint32_t CaptionGlyphKey = 0xFF00FF;

struct TCaptionGlyph {
    std::string resourceName;   // "SK_FORM_CLOSE"
    int width, height;
    std::vector<uint8_t> pixels;  // palette indexes, rows top-down
    uint32_t At(int x, int y) const { return CaptionGlyphPalette()[pixels[y * width + x]]; }
};

// Close, minimize (17 x 17), maximize, restore, roll-up, tray.
std::vector<TCaptionGlyph> DrawCaptionGlyphs();
// A 4-bit Windows bitmap file of the glyph.
std::vector<uint8_t> CaptionGlyphBmp(const TCaptionGlyph& glyph);
