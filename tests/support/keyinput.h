// Key strokes through the system's input queue: they reach the window that
// has the keyboard focus, in this process or another, as typing does.
#pragma once

#include <windows.h>

#include <string>

// Presses and releases key, with Shift and Alt held when asked.
void SendKeyStroke(WORD key, bool shift = false, bool alt = false);
// Types text character by character, whatever the keyboard layout.
void SendText(const std::wstring& text);
