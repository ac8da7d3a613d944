// Writes the program icon as SheetMill.ico into the folder given.
#include "tools/icongen/icongen.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen FOLDER\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/SheetMill.ico";
    const std::vector<uint8_t> bytes = IconFile(DrawProgramIcon());
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
