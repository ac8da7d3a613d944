// The system's visual styles, looked up at run time: the plain looks use
// them for edit-like frames when they are active. Without them (older
// systems, Wine without a theme) every call answers false and draws nothing.
#pragma once

#include <windows.h>

bool SkVisualStylesActive();
// Draws part and state of the style class (e.g. L"Edit") for window into rect.
bool DrawVisualStyle(HWND window, HDC dc, const wchar_t* styleClass, int part, int state,
                     const RECT& rect);
