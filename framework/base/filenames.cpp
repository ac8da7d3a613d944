#include "framework/base/filenames.h"

std::string ExtractFileName(std::string_view path, const TLeadBytes& leadBytes)
{
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '\\' || c == ':')
            start = i + 1;
        else if (leadBytes.IsLead(static_cast<uint8_t>(c)))
            ++i;
    }
    return std::string(path.substr(start));
}
