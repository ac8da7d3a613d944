#include "framework/base/linebreaks.h"

std::string NormalizeLineBreaks(std::string_view text, const TLeadBytes& leadBytes)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            continue;
        }
        out += c;
        if (leadBytes.IsLead(static_cast<uint8_t>(c)) && i + 1 < n)
            out += text[++i];
    }
    return out;
}

bool AssignNormalizedText(std::string& buffer, std::string_view text,
                          const TLeadBytes& leadBytes)
{
    std::string normalized = NormalizeLineBreaks(text, leadBytes);
    if (normalized == buffer)
        return false;
    buffer = std::move(normalized);
    return true;
}
