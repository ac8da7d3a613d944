// Conversions between the system's ANSI code page and UTF-16.
#pragma once

#include <string>

std::wstring AnsiToWide(const std::string& text);
// usedDefault (optional) tells whether some character had no ANSI form.
std::string WideToAnsi(const std::wstring& text, bool* usedDefault = nullptr);
