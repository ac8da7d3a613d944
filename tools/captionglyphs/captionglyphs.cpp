#include "tools/captionglyphs/captionglyphs.h"

#include <algorithm>

namespace {

enum : uint8_t { Black = 0, Navy = 4, Silver = 7, Grey = 8, White = 15, Key = CaptionGlyphKeyIndex };

class TCell {
public:
    TCell(const char* name, int size) : glyph_{name, size, size, std::vector<uint8_t>(size * size, Key)} {}
    // Inclusive corners: the pictures are drawn in whole pixels.
    void Fill(int x0, int y0, int x1, int y1, uint8_t colour)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                glyph_.pixels[y * glyph_.width + x] = colour;
    }
    // A small window: black outline, a two-row navy caption, white inside.
    void Window(int x0, int y0, int x1, int y1)
    {
        Fill(x0, y0, x1, y1, Black);
        Fill(x0 + 1, y0 + 1, x1 - 1, y0 + 2, Navy);
        Fill(x0 + 1, y0 + 3, x1 - 1, y1 - 1, White);
    }
    // An arrow two pixels wide at its tip, the head widening by a pixel
    // each side per row, with a stem of two columns.
    void Arrow(int centre, int tipRow, int headRows, int stemEnd)
    {
        const int step = stemEnd > tipRow ? 1 : -1;
        int y = tipRow;
        for (int row = 0; row < headRows; ++row, y += step)
            Fill(centre - row, y, centre + 1 + row, y, Black);
        for (; y != stemEnd + step; y += step)
            Fill(centre, y, centre + 1, y, Black);
    }
    TCaptionGlyph Take() { return glyph_; }

private:
    TCaptionGlyph glyph_;
};

TCaptionGlyph Close()
{
    // Two diagonal strokes two pixels across in a 10 x 10 box, each the
    // mirror of the other.
    TCell cell("SK_FORM_CLOSE", 16);
    for (int v = 0; v < 10; ++v)
        for (int u = 0; u < 10; ++u)
            if (u - v == 0 || u - v == 1 || (9 - u) - v == 0 || (9 - u) - v == 1)
                cell.Fill(3 + u, 3 + v, 3 + u, 3 + v, Black);
    return cell.Take();
}

TCaptionGlyph Minimize()
{
    TCell cell("SK_FORM_MINIMIZE", 17);
    cell.Fill(4, 11, 12, 12, Black);
    return cell.Take();
}

TCaptionGlyph Maximize()
{
    TCell cell("SK_FORM_MAXIMIZE", 16);
    cell.Window(2, 2, 13, 13);
    return cell.Take();
}

TCaptionGlyph Restore()
{
    TCell cell("SK_FORM_RESTORE", 16);
    cell.Window(5, 1, 13, 9);
    cell.Window(2, 5, 10, 13);
    return cell.Take();
}

TCaptionGlyph Rollup()
{
    // The caption alone, and an arrow pointing up at it.
    TCell cell("SK_FORM_ROLLUP", 16);
    cell.Fill(2, 2, 13, 5, Black);
    cell.Fill(3, 3, 12, 4, Navy);
    cell.Arrow(7, 7, 4, 13);
    return cell.Take();
}

TCaptionGlyph Tray()
{
    // An arrow down into a tray that holds a small icon.
    TCell cell("SK_FORM_TRAY", 16);
    cell.Arrow(7, 8, 4, 1);
    cell.Fill(2, 10, 2, 13, Black);
    cell.Fill(13, 10, 13, 13, Black);
    cell.Fill(2, 13, 13, 13, Black);
    cell.Fill(3, 11, 12, 12, Silver);
    cell.Fill(10, 11, 11, 12, Navy);
    cell.Fill(3, 10, 12, 10, Grey);
    return cell.Take();
}

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

const TCaptionPalette& CaptionGlyphPalette()
{
    static const TCaptionPalette palette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return palette;
}

std::vector<TCaptionGlyph> DrawCaptionGlyphs()
{
    return {Close(), Minimize(), Maximize(), Restore(), Rollup(), Tray()};
}

std::vector<uint8_t> CaptionGlyphBmp(const TCaptionGlyph& glyph)
{
    const int rowSize = (glyph.width + 7) / 8 * 4;  // two pixels a byte, rows in whole dwords
    const uint32_t imageSize = rowSize * glyph.height, offset = 14 + 40 + 16 * 4;
    std::vector<uint8_t> out{'B', 'M'};
    Put(out, offset + imageSize, 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    Put(out, 40, 4);
    Put(out, glyph.width, 4);
    Put(out, glyph.height, 4);  // bottom-up rows
    Put(out, 1, 2);
    Put(out, 4, 2);
    Put(out, 0, 4);
    Put(out, imageSize, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 16, 4);
    Put(out, 16, 4);
    for (uint32_t colour : CaptionGlyphPalette())
        Put(out, colour, 4);  // blue, green, red, reserved: 0x00RRGGBB little-endian
    for (int y = glyph.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowSize, 0);
        for (int x = 0; x < glyph.width; ++x)
            row[x / 2] |= glyph.pixels[y * glyph.width + x] << (x % 2 ? 0 : 4);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
