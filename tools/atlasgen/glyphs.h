// Caption and arrow glyphs as shapes inside a square box, so the same glyph
// serves the 21-pixel caption buttons, the 19-pixel menu buttons and the
// 14-pixel tool-window close button.
#pragma once

#include "tools/atlasgen/painter.h"

enum TCaptionGlyph {
    cgClose, cgHelp, cgMaximize, cgMinimize, cgRestore, cgRollDown, cgTray, cgRollUp
};

TShape CaptionGlyph(TCaptionGlyph glyph, TBox box, double stroke);
// A chevron pointing in the direction (dx, dy), one of the four unit steps.
TShape Chevron(TBox box, int dx, int dy, double stroke);
TShape DoubleChevron(TBox box, int dy, double stroke);
TShape CheckMark(TBox box, double stroke);
