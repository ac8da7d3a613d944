// The system's visual styles, looked up at run time: the plain looks use
// them for edit-like frames when they are active. Without them (older
// systems, Wine without a theme) every call answers false and draws nothing.
#pragma once

#include <windows.h>

// The system's edit-box style class, its one part (the box) and the states
// the themed controls draw it in, by the numbers the system gives them.
constexpr const wchar_t* SkEditStyleClass = L"Edit";
constexpr int SkEditBoxPart = 1;
constexpr int SkEditPlain = 0;     // no state: the box's own look, for the scroll-bar corner
constexpr int SkEditNormal = 1;
constexpr int SkEditHot = 2;       // the mouse is over it
constexpr int SkEditFocused = 3;   // the system names this one for a selection
constexpr int SkEditDisabled = 4;

bool SkVisualStylesActive();
// Draws part and state of the style class (e.g. L"Edit") for window into rect.
bool DrawVisualStyle(HWND window, HDC dc, const wchar_t* styleClass, int part, int state,
                     const RECT& rect);
