// String-table identifiers of the edit's context menu (also read by the
// resource compiler, so plain defines).
#pragma once

#define SkEditMenuSeparator 0
#define SkEditMenuUndo 0xF300
#define SkEditMenuCut 0xF301
#define SkEditMenuCopy 0xF302
#define SkEditMenuPaste 0xF303
#define SkEditMenuDelete 0xF304
#define SkEditMenuSelectAll 0xF305
