// File-name and system-error helpers over the Windows API (ANSI).
#pragma once

#include <string>

// The system's text for an error code, with trailing blanks, control
// characters and full stops removed so that it can be embedded in a sentence.
std::string SysErrorMessage(unsigned long errorCode);

// The full path of a name relative to the current directory; the name
// itself when the system cannot expand it.
std::string ExpandFileName(const std::string& fileName);

// The system locale as text layout needs it. MiddleEast is read from the
// system on first use; tests may set it to try right-to-left layouts.
struct TSysLocale {
    bool MiddleEast = false;
};
TSysLocale& SysLocale();
