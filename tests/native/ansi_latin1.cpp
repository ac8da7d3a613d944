// For native sanitizer builds only: the ANSI code page taken as Latin-1,
// which is what the framework's tests rely on (code page 1252 agrees on them).
#include "framework/base/ansi.h"

#include <algorithm>

std::wstring AnsiToWide(const std::string& text)
{
    return std::wstring(reinterpret_cast<const unsigned char*>(text.data()),
                        reinterpret_cast<const unsigned char*>(text.data()) + text.size());
}

std::string WideToAnsi(const std::wstring& text, bool* usedDefault)
{
    std::string ansi;
    for (wchar_t c : text)
        ansi.push_back(c > 0xFF ? '?' : static_cast<char>(c));
    if (usedDefault)
        *usedDefault = std::any_of(text.begin(), text.end(), [](wchar_t c) { return c > 0xFF; });
    return ansi;
}
