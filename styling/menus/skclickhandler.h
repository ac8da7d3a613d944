// The hidden window that runs menu-item clicks after the menu has gone: an
// item's click is posted to it and runs once the message loop gets there,
// so a handler never runs inside the menu's own loop. The library's start-up
// allows the window, the first call that needs it makes it (the first
// window of the program has no use for it), and it goes with the library.
#pragma once

#include <windows.h>

class TSkCustomItem;

// Posted to the click handler with the item in lParam.
constexpr UINT SK_ITEMCLICK = 0x08BA;

// The click handler's window; null outside the library's start-up.
HWND SkClickHandler();
// Posts item's click; false when there is no click handler.
bool SkPostItemClick(TSkCustomItem* item);
// Forgets the posted clicks of an item about to be freed: a freed item is
// never clicked.
void SkForgetItemClicks(const TSkCustomItem* item);
