// Base colours of one look. Every picture of the atlases is drawn from these,
// so the blue and the grey-violet sets share all of their drawing code.
#pragma once

#include "tools/atlasgen/painter.h"

struct TCaptionColors {
    TRgb outline;    // outermost line of the frame
    TRgb highlight;  // the lighter top edge
    TRgb top, middle, bottom;
    TRgb border;     // side and bottom borders
    TRgb button, buttonHot;  // faces of the caption buttons
    TRgb close, closeHot;    // faces of the close button
    TRgb glyph;
};

struct TAtlasLook {
    TCaptionColors active, inactive;
    TRgb window;         // the form background the controls sit on
    TRgb outline;        // push button, check box and radio outline
    TRgb faceTop, faceBottom;
    TRgb hot, hotLight;  // the hot rim
    TRgb focus, focusLight;
    TRgb mark;           // check mark, radio dot, thumb accent
    TRgb disabled;       // outlines and marks of disabled controls
    TRgb scroll;         // scroll thumb and button face
    TRgb scrollOutline;
    TRgb arrow;          // scroll and combo arrows
    TRgb track;          // scroll track
    TRgb tabOutline;
    TRgb panel;          // header panel caption
};

extern const TAtlasLook LunaLook;
extern const TAtlasLook MetalLunaLook;
