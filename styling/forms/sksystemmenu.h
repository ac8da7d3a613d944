// The built-in system menu of the skinned form: which items a form in a
// given state with given caption icons offers, their texts from the string
// table, and which action a clicked item's caption names.
#pragma once

#include "styling/core/skformtypes.h"

#include <string>

class TSkCustomItem;
class TComponent;

enum TSkSystemCommand : int {
    kscRestore,
    kscMinimize,
    kscMaximize,
    kscRollup,
    kscTray,
    kscSeparator,
    kscClose,
    kscNone = -1
};

// The item's text, loaded from the string table each time.
std::wstring SystemMenuText(TSkSystemCommand command);
// The command whose text the caption is; kscNone for any other caption.
TSkSystemCommand SystemMenuCommand(const std::wstring& caption);

// Fills root (emptied first) with the items for the state and icons, in
// menu order, each with its picture in the shared caption-glyph list.
// Items are owned by owner.
void FillSystemMenu(TSkCustomItem* root, TComponent* owner, TSkWindowState state,
                    TSkBorderIcons icons);
