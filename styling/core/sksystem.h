// Process-wide state of the styling library and the system queries that use
// it. InitializeSkControls runs once at start-up, before any form is made;
// FinalizeSkControls frees what it made. Until then the optional system
// functions count as absent and the callers take their fallbacks.
#pragma once

#include "styling/core/skcolors.h"

#include <windows.h>

class TSkBitmap;

void InitializeSkControls();
void FinalizeSkControls();

// Start-up and close-down steps of the library's upper units (the menus'
// click handler): InitializeSkControls runs each start-up, in order of
// registration, FinalizeSkControls each close-down, in reverse. A unit
// registered while the library runs starts at once.
void RegisterSkUnit(void (*initialize)(), void (*finalize)());

// Initialises for the lifetime of the object (the program's start-up, tests).
class TSkControlsUnit {
public:
    TSkControlsUnit() { InitializeSkControls(); }
    ~TSkControlsUnit() { FinalizeSkControls(); }
    TSkControlsUnit(const TSkControlsUnit&) = delete;
    TSkControlsUnit& operator=(const TSkControlsUnit&) = delete;
};

// Opaque colours taken from clWindow, clBtnFace and clBtnHighlight at start-up.
TSkColor SkWindowColor();
TSkColor SkBtnFaceColor();
TSkColor SkBtnHighlightColor();

// The system's application icon, for windows that have none. Asked for
// once: it lives as long as the process, and under Wine each ask costs
// about 100 us.
HICON SkDefaultIcon();

bool IsWinNT();
// A Windows 98 or Me platform (the 9x family past its first release).
bool IsWin98();

// The optional functions found at start-up, or null. TransparentBlt's
// library is only loaded by the first call that asks for it.
using TTransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
using TGetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
TTransparentBltProc SkTransparentBlt();
TGetScrollBarInfoProc SkGetScrollBarInfo();

// The one paint buffer that every shared-buffer control and form draws into:
// created empty at start-up, sized to SharedBufferSize on first use, kept to
// the end. Null outside initialisation.
TSkBitmap* SharedBuffer();
// The primary screen plus 500 pixels each way.
SIZE SharedBufferSize();

// Nested mouse capture: the first begin captures, the last end releases.
void BeginSkCapture(HWND window);
void EndSkCapture();

// Keyboard auto-repeat timing from the user's settings, in milliseconds.
int KeyRepeatDelay();
int KeyRepeatInterval();

// More than one monitor, and the monitor functions are there to ask.
bool IsMultiMonitor();
// The desktop work area, or the whole primary screen when that is unknown.
RECT GetWorkArea();
// The work area of the monitor nearest a point or rectangle.
RECT GetWorkAreaOfPoint(POINT point);
RECT GetWorkAreaOfRect(const RECT& rect);
// The work area (or the whole monitor) nearest a window; the primary screen
// without the monitor functions.
RECT GetMonitorAreaOfWindow(HWND window, bool workArea);
