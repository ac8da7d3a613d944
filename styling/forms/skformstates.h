// The window-state messages of the skinned form (its actions are members of
// TSkCustomForm, in skformstates.cpp).
#pragma once

#include <windows.h>

// Posted to the form's window: run Maximize.
constexpr UINT SK_MAXIMIZE = 0x056E;
// Posted to the form's window after loading: wParam is the stored
// TSkWindowState (1 maximized, 2 minimized, 3 rolled up, 4 tray).
constexpr UINT SK_APPLYSTATE = 0x056F;
