// Draws the four theme atlases and writes them as PCX files.
//
//   atlasgen <folder>          writes <folder>/XP_MAIN.pcx and the other three
//   atlasgen --check <folder>  exits 1 when a file there differs from a fresh drawing
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/atlasgen/atlas.h"

namespace {

bool ReadFile(const std::string& path, std::vector<uint8_t>& data)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        data.push_back(uint8_t(c));
    std::fclose(f);
    return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& data)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: atlasgen [--check] <folder>\n");
        return 2;
    }
    const std::string folder = argv[argc - 1];
    int result = 0;
    for (int i = 0; i < aiCount; ++i) {
        const TAtlasId id = TAtlasId(i);
        const std::string path = folder + "/" + AtlasName(id) + ".pcx";
        const std::vector<uint8_t> pcx = BuildAtlasPcx(id);
        if (check) {
            std::vector<uint8_t> existing;
            if (!ReadFile(path, existing) || existing != pcx) {
                std::fprintf(stderr, "%s is missing or out of date\n", path.c_str());
                result = 1;
            }
        } else if (!WriteFile(path, pcx)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return result;
}
