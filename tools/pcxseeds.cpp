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
    bool ok = Write(dir, "valid-rle-3x2.pcx", Valid3x2()) &&
              Write(dir, "valid-raw-2x2.pcx", MakePcx(2, 2, {0, 255, 128, 7}, 0)) &&
              Write(dir, "valid-long-run.pcx", MakePcx(70, 1, std::vector<uint8_t>(70, 200))) &&
              // A run longer than the row: cut off at the end, not refused.
              Write(dir, "run-past-end.pcx", MakePcx(2, 1, {3, 3}).substr(0, 128) +
                                                 std::string("\xFF\x03", 2) + PcxPalette());
    for (const NamedPcx& sample : DamagedPcxSamples())
        ok = ok && Write(dir, sample.name, sample.bytes);
    if (!ok) {
        std::fprintf(stderr, "pcxseeds: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
