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

// The window-frame class of the visual styles, its parts and states, by the
// numbers the system gives them: the fallback frame of a skinned form.
constexpr const wchar_t* SkWindowStyleClass = L"Window";
enum TSkWindowStylePart {
    kwspCaption = 1, kwspSmallCaption = 2, kwspFrameLeft = 7, kwspFrameRight = 8,
    kwspFrameBottom = 9, kwspSmallFrameLeft = 10, kwspSmallFrameRight = 11,
    kwspSmallFrameBottom = 12, kwspMinButton = 15, kwspMaxButton = 17, kwspCloseButton = 18,
    kwspSmallCloseButton = 19, kwspRestoreButton = 21, kwspHelpButton = 23,
};
constexpr int SkWindowActive = 1, SkWindowInactive = 2;  // caption and frame parts
constexpr int SkWindowButtonNormal = 1, SkWindowButtonHot = 2, SkWindowButtonPushed = 3;

// One class of the visual styles opened for a window, for several parts in
// a row; false where the styles are off or the window has opted out.
class TSkVisualStyle {
public:
    TSkVisualStyle(HWND window, const wchar_t* styleClass);
    ~TSkVisualStyle();
    TSkVisualStyle(const TSkVisualStyle&) = delete;
    TSkVisualStyle& operator=(const TSkVisualStyle&) = delete;
    explicit operator bool() const { return theme_ != nullptr; }
    // Draws the part, kept inside rect.
    bool Draw(HDC dc, int part, int state, const RECT& rect) const;
    // The part's shape over rect; null where it has none.
    HRGN Region(int part, int state, const RECT& rect) const;

private:
    HANDLE theme_ = nullptr;
};
