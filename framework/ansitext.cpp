#include "framework/ansitext.h"

#include <windows.h>

std::u16string AnsiToUtf16(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return WideToUtf16(wide);
}

bool Utf16ToAnsi(const std::u16string& text, std::string& ansi)
{
    ansi.clear();
    if (text.empty())
        return true;
    const std::wstring wide = Utf16ToWide(text);
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, &usedDefault);
    if (usedDefault || length <= 0)
        return false;
    ansi.resize(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), length,
                        nullptr, &usedDefault);
    return !usedDefault;
}
