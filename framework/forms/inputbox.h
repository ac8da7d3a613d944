// The framework's input box: a small modal dialog with a prompt, an edit
// box and OK / Cancel.
#pragma once

#include <string>

// The typed text when the user confirms; defaultText when they cancel or
// close the box. Texts are in the system's ANSI code page.
std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& defaultText);

// As InputBox; true when confirmed, the text then in value.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
