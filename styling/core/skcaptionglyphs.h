// The library's shared caption-glyph list: the pictures of the system
// menu's items, made once at start-up (InitializeSkControls) from six
// 16-colour bitmap resources, magenta transparent.
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

void MakeSkCaptionGlyphs();
void FreeSkCaptionGlyphs();
