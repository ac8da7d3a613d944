// Writes the caption glyphs as SK_FORM_*.bmp into the folder given.
#include "tools/captionglyphs/captionglyphs.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: captionglyphs FOLDER\n");
        return 2;
    }
    for (const TCaptionGlyph& glyph : DrawCaptionGlyphs()) {
        const std::string path = std::string(argv[1]) + "/" + glyph.resourceName + ".bmp";
        const std::vector<uint8_t> bytes = CaptionGlyphBmp(glyph);
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "captionglyphs: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
