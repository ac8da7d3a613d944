#include "framework/base/ansi.h"

#include <windows.h>

std::wstring AnsiToWide(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string WideToAnsi(const std::wstring& text, bool* usedDefault)
{
    if (usedDefault)
        *usedDefault = false;
    if (text.empty())
        return {};
    // No best-fit mapping: a character without an ANSI form must show up as
    // such, not silently become a look-alike that names another file.
    BOOL defaulted = FALSE;
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), ansi.data(), length, nullptr,
                        &defaulted);
    if (usedDefault)
        *usedDefault = defaulted != FALSE;
    return ansi;
}
