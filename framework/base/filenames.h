// File-name parts of ANSI paths. Byte-level, free of windows.h.
#pragma once

#include "framework/base/leadbytes.h"

#include <string>
#include <string_view>

// Everything after the last '\' or ':' of the path. The trail byte of a
// double-byte character is never taken for either, even when it is 0x5C.
std::string ExtractFileName(std::string_view path, const TLeadBytes& leadBytes);
