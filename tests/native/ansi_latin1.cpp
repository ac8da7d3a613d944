// For native sanitizer builds only: the ANSI code page taken as Latin-1,
// which is what the framework's tests rely on (code page 1252 agrees on them).
#include "framework/base/ansi.h"

std::wstring AnsiToWide(const std::string& text)
{
    std::wstring wide;
    for (unsigned char c : text)
        wide.push_back(c);
    return wide;
}

std::string WideToAnsi(const std::wstring& text, bool* usedDefault)
{
    std::string ansi;
    bool defaulted = false;
    for (wchar_t c : text) {
        defaulted = defaulted || c > 0xFF;
        ansi.push_back(c > 0xFF ? '?' : static_cast<char>(c));
    }
    if (usedDefault)
        *usedDefault = defaulted;
    return ansi;
}
