// Key strokes through the system's input queue: they reach the window that
// has the keyboard focus, in this process or another, as typing does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Presses and releases key with the modifiers held, pressed in their order
// and released in the reverse.
void SendKeyChord(WORD key, const std::vector<WORD>& held);
// Presses and releases key, with Shift and Alt held when asked.
void SendKeyStroke(WORD key, bool shift = false, bool alt = false);
// Types text character by character, whatever the keyboard layout.
void SendText(const std::wstring& text);
