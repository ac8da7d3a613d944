// Writes the seed corpus of the PCX fuzzer: small valid pictures and damaged
// ones, one file each, into the folder given.
#include "tests/support/pcxbuilder.h"

#include <cstdio>
#include <string>

namespace {

bool Write(const std::string& folder, const char* name, const std::string& bytes)
{
    std::string path = folder + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string Valid3x2() { return MakePcx(3, 2, {1, 1, 1, 1, 0xC5, 9}, 1, 4); }

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pcxseeds FOLDER\n");
        return 2;
    }
    std::string dir = argv[1];
    std::string valid = Valid3x2();

    PcxLayout zero;
    zero.xMin = 5;
    zero.xMax = 4;
    zero.bytesPerLine = 1;
    PcxLayout huge;
    huge.xMax = 16383;
    huge.yMax = 16383;
    huge.bytesPerLine = 16384;
    PcxLayout narrow;
    narrow.xMax = 3;
    narrow.bytesPerLine = 2;
    std::string missingMarker = valid;
    missingMarker[valid.size() - 769] = 0x0B;
    std::string cut = valid.substr(0, 128) + valid.substr(valid.size() - 769);

    bool ok = Write(dir, "valid-rle-3x2.pcx", valid) &&
              Write(dir, "valid-raw-2x2.pcx", MakePcx(2, 2, {0, 255, 128, 7}, 0)) &&
              Write(dir, "valid-long-run.pcx", MakePcx(70, 1, std::vector<uint8_t>(70, 200))) &&
              Write(dir, "truncated-pixels.pcx", cut) &&
              Write(dir, "truncated-header.pcx", valid.substr(0, 60)) &&
              Write(dir, "missing-palette.pcx", missingMarker) &&
              Write(dir, "zero-width.pcx", PcxHeader(zero) + PcxRuns({1}) + PcxPalette()) &&
              Write(dir, "huge.pcx", PcxHeader(huge) + std::string("\xFF\x01", 2) + PcxPalette()) &&
              Write(dir, "narrow-rows.pcx", PcxHeader(narrow) + PcxRuns({1, 2}) + PcxPalette()) &&
              Write(dir, "run-past-end.pcx", MakePcx(2, 1, {3, 3}).substr(0, 128) +
                                                 std::string("\xFF\x03", 2) + PcxPalette());
    if (!ok) {
        std::fprintf(stderr, "pcxseeds: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
