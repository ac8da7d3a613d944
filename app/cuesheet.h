// The cue sheet text and the name of its file. Byte-level, free of windows.h.
#pragma once

#include "framework/base/leadbytes.h"

#include <string>

// The three-line sheet for an image name, lines separated by a single CR.
// It is meant to be set as a memo's whole text, which turns the separators
// into CR LF; the name stands between the quotes exactly as given.
std::string ComposeCueSheet(const std::string& imageName);

// The image path with ".cue" appended, reduced to its file-name part
// (disc.bin gives disc.bin.cue). It carries no folder.
std::string CueFileName(const std::string& imagePath,
                        const TLeadBytes& leadBytes = TLeadBytes());
