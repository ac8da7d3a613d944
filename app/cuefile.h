// Writing a cue sheet file.
#pragma once

#include <string>

// Creates (or truncates) the file and writes all of text's bytes in one
// write. Raises EFCreateError when the file cannot be created and
// EWriteError when the write comes up short.
void WriteCueSheet(const std::string& text, const std::string& fileName);
