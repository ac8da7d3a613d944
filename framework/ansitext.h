// ANSI text (the system code page) to and from UTF-16, as stored strings need.
#pragma once

#include <string>

std::u16string AnsiToUtf16(const std::string& text);
// False when a character has no exact form in the ANSI code page.
bool Utf16ToAnsi(const std::u16string& text, std::string& ansi);

inline std::u16string WideToUtf16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }
inline std::wstring Utf16ToWide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
