// Writes the kind glyph strips as SK_BTN_*.bmp into the folder given.
#include "tools/kindglyphs/kindglyphs.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kindglyphs FOLDER\n");
        return 2;
    }
    for (const TKindGlyph& glyph : DrawKindGlyphs()) {
        const std::string path = std::string(argv[1]) + "/" + glyph.resourceName + ".bmp";
        const std::vector<uint8_t> bytes = KindGlyphBmp(glyph);
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "kindglyphs: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
