// File-name and system-error helpers over the Windows API (ANSI).
#pragma once

#include <string>

// The system's text for an error code, with trailing blanks, control
// characters and full stops removed so that it can be embedded in a sentence.
std::string SysErrorMessage(unsigned long errorCode);

// The full path of a name relative to the current directory; the name
// itself when the system cannot expand it.
std::string ExpandFileName(const std::string& fileName);
