#include "framework/base/sysutils.h"

#include <windows.h>

std::string SysErrorMessage(unsigned long errorCode)
{
    char* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageA(flags, nullptr, errorCode, 0,
                                        reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", length);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() &&
           (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

std::string ExpandFileName(const std::string& fileName)
{
    const DWORD needed = GetFullPathNameA(fileName.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return fileName;
    std::string full(needed, '\0');
    const DWORD written = GetFullPathNameA(fileName.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed)
        return fileName;
    full.resize(written);
    return full;
}

TSysLocale& SysLocale()
{
    static TSysLocale locale{GetSystemMetrics(SM_MIDEASTENABLED) != 0};
    return locale;
}
