// The library's shared caption-glyph list: the pictures of the system
// menu's items, from six 16-colour bitmap resources, magenta transparent.
// Start-up (InitializeSkControls) allows it; it is made once, by the first
// call that asks for it, as no first window paints it.
#pragma once

class TImageList;

// Image indexes, in the order the list is filled.
enum TSkCaptionGlyph : int {
    kcgClose = 0,
    kcgMinimize = 1,
    kcgMaximize = 2,
    kcgRestore = 3,
    kcgRollup = 4,
    kcgTray = 5
};

// Null outside start-up and finalisation.
TImageList* SkCaptionGlyphs();

void AllowSkCaptionGlyphs();
void FreeSkCaptionGlyphs();
