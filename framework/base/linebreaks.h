// Line-break normalisation of ANSI text. Byte-level, free of windows.h.
#pragma once

#include "framework/base/leadbytes.h"

#include <string>
#include <string_view>

// Every CR LF, lone CR and lone LF becomes CR LF. A lead byte is copied with
// the byte after it and never taken for a break. Text without lone CR or LF
// comes back unchanged.
std::string NormalizeLineBreaks(std::string_view text, const TLeadBytes& leadBytes);

// Sets buffer to the normalised text, touching it only when that differs
// from what it holds. Returns whether it changed.
bool AssignNormalizedText(std::string& buffer, std::string_view text,
                          const TLeadBytes& leadBytes);
