#include "styling/themes/skthemeflat.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"

#include <algorithm>
#include <array>

FW_IMPLEMENT_CLASS(TSkThemeFlat, TSkTheme)

namespace {

// A base colour and how far it is lightened (or, negative, darkened) before
// the shift: the menu faces are the button face a little brighter, the
// selection a little darker.
struct TFlatColor {
    TColor base;
    int change;
};

constexpr TColor D = SkDefaultThemeColor;
constexpr TColor Lilac = RgbColor(182, 189, 210);
constexpr std::array<TFlatColor, 26> FlatColors = {{
    {clActiveCaption, 0},            // 0 active caption
    {clInactiveCaption, 0},          // 1 inactive caption
    {RgbColor(0, 0, 0), 0},          // 2 caption shadow
    {RgbColor(255, 255, 255), 0},    // 3 active caption text
    {D, 0},                          // 4
    {RgbColor(255, 255, 255), 0},    // 5 inactive caption text
    {clWindow, 0},                   // 6 window
    {clBtnShadow, 0},                // 7 border
    {clBtnFace, -30},                // 8 selection
    {RgbColor(254, 254, 251), 0},    // 9 disabled face
    {RgbColor(197, 197, 177), 0},    // 10 disabled border
    {clBtnFace, 0},                  // 11 face
    {Lilac, 0},                      // 12 hot face
    {clBtnShadow, 0},                // 13 menu border
    {clBtnFace, 10},                 // 14 menu bar
    {Lilac, 0},                      // 15 menu bar highlight
    {clBtnFace, 10},                 // 16 popup
    {Lilac, 0},                      // 17 popup highlight
    {clMenuText, 0},                 // 18 menu bar text
    {clMenuText, 0},                 // 19 menu bar highlight text
    {clMenuText, 0},                 // 20 popup text
    {clMenuText, 0},                 // 21 popup highlight text
    {RgbColor(128, 128, 128), 0},    // 22 disabled menu text
    {RgbColor(0, 0, 0), 0},          // 23 header caption text
    {RgbColor(149, 206, 255), 0},    // 24 header gradient start
    {RgbColor(49, 106, 197), 0},     // 25 header gradient end
}};
static_assert(FlatColors.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> FlatSizes = {
    3, 3, 23, 20, 10, 18, 15, 14, 12, 6,    // 0..9
    6, 1, 6, 6, 23, 17, 13, 13, 13, 13,     // 10..19
    11, 22, 10, 22, 17, 17, 1, 21, 15, 11,  // 20..29
};
static_assert(FlatSizes.size() == ksLastSizeKind + 1, "one size per kind");

// How far the lifted and pushed rings stand from their face.
constexpr int Edge = 30;
constexpr TColor Ink = RgbColor(0, 0, 0);  // caption and scroll glyphs

// Edits keep a wide margin of their fill colour inside the outline: seven
// rings for an edit, nine for a memo.
constexpr int EditRings = 7;
constexpr int MemoRings = 9;

TRect Shrunk(const TRect& r, int by) { return GrowRect(r, -by); }

// The corner square first, so it shows where the rings leave it, then the
// outline and the rings of fill inside it.
void FlatEditFrame(TCanvas* canvas, const TRect& rect, TColor line, TColor fill, int rings)
{
    if (IsRectEmptyEx(rect))
        return;
    FillRectColor(canvas, IntersectRects({rect.right - 20, rect.bottom - 20, rect.right, rect.bottom}, rect),
                  fill);
    TRect r = rect;
    DrawOutline(canvas, r, line);
    if (IsRectEmptyEx(r))
        return;
    // The rings of one colour together are four bands along the sides.
    const int across = std::min<int>(rings, RectHeight(r)), along = std::min<int>(rings, RectWidth(r));
    FillRectColor(canvas, r.left, r.top, r.right, r.top + across, fill);
    FillRectColor(canvas, r.left, r.bottom - across, r.right, r.bottom, fill);
    FillRectColor(canvas, r.left, r.top, r.left + along, r.bottom, fill);
    FillRectColor(canvas, r.right - along, r.top, r.right, r.bottom, fill);
}

}  // namespace

int TSkThemeFlat::GetSize(uint8_t kind) const
{
    return kind < FlatSizes.size() ? FlatSizes[kind] : 0;
}

TColor TSkThemeFlat::GetColor(uint8_t kind) const
{
    if (kind >= FlatColors.size())
        return ShiftedColor(SkDefaultThemeColor);
    const TFlatColor& c = FlatColors[kind];
    const TColor base = c.change > 0   ? LightenColor(c.base, c.change)
                        : c.change < 0 ? DarkenColor(c.base, -c.change)
                                       : c.base;
    return ShiftedColor(base);
}

std::string TSkThemeFlat::GetFontName(uint8_t) const { return "Tahoma"; }

int TSkThemeFlat::GetFontSize(uint8_t kind) const { return kind == kfCaption ? 9 : 8; }

TFontStyles TSkThemeFlat::GetFontStyle(uint8_t) const { return TFontStyles(); }

bool TSkThemeFlat::HasCaptionShadow() const { return false; }

HRGN TSkThemeFlat::GetFormRegion(int, int, TSkBorderStyle) const { return nullptr; }

std::string TSkThemeFlat::GetName() const { return ClassThemeName(); }

bool TSkThemeFlat::IsAvailable() const { return true; }

// Drawn from its tables and the arguments alone.
bool TSkThemeFlat::CachesPictures() const { return true; }

TColor TSkThemeFlat::StateFace(uint8_t state) const
{
    switch (state) {
    case kesDisabled: return GetColor(kcDisabledFace);
    case kesPressed:
    case kesFocused: return GetColor(kcSelection);
    case kesHot: return GetColor(kcHotFace);
    default: return GetColor(kcFace);
    }
}

// Form frame and caption buttons.

void TSkThemeFlat::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                  bool active, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    DrawClassicFormFrame(canvas, width, height, client, GetColor(active ? 0 : 1),
                         active ? clGradientActiveCaption : clGradientInactiveCaption, GetColor(kcFace));
}

void TSkThemeFlat::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot,
                                   bool pressed, bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor c = GetColor(hot ? kcHotFace : kcFace);
    FillRectColor(canvas, rect, c);
    TRect r = rect;
    if (pressed)
        DrawSunkenBevel(canvas, r, c);
    else
        DrawRaisedBevel(canvas, r, c);
    DrawCaptionButtonGlyph(canvas, rect, glyph, pressed, Ink);
}

// Push button, check box, radio button.

void TSkThemeFlat::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (state == kesDisabled)
        return;
    const TColor c = GetColor(state == kesPressed || state == kesFocused || state == kesDefault
                                  ? kcSelection
                              : state == kesHot ? kcHotFace
                                                : kcFace);
    TRect r{0, 0, width, height};
    DrawOutline(canvas, r, GetColor(kcBorder));
    if (IsRectEmptyEx(r))
        return;
    if (state == kesPressed) {
        DrawEdgeRing(canvas, r, c, Edge, true);
        r = Shrunk(r, 1);
    } else if (state == kesHot) {
        // Lit along the top and left only; the face starts below and right.
        FillRectColor(canvas, r.left, r.top, r.right, r.top + 1, LightenColor(c, Edge));
        FillRectColor(canvas, r.left, r.top, r.left + 1, r.bottom, LightenColor(c, Edge));
        ++r.left, ++r.top;
    } else if (state == kesFocused || state == kesDefault) {
        // Shaded along the bottom and right: the fill stops short of them.
        FillRectColor(canvas, r.left, r.bottom - 1, r.right, r.bottom, DarkenColor(c, Edge));
        FillRectColor(canvas, r.right - 1, r.top, r.right, r.bottom, DarkenColor(c, Edge));
        --r.right, --r.bottom;
    }
    FillRectColor(canvas, r, c);
}

void TSkThemeFlat::DrawFlatCheckBox(TCanvas* canvas, const TRect& rect, uint8_t check,
                                    TColor line, TColor face, TColor mark) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, line);
    FillRectColor(canvas, r, face);
    r = Shrunk(r, 1);
    if (check == kchChecked) {
        // The system's tick drawn at the box's own size, its border cut away.
        const TRect glyph{rect.left, rect.top, rect.left + GetSize(ksCheckBoxWidth),
                          rect.top + GetSize(ksCheckBoxHeight)};
        DrawFrameGlyphInner(canvas, glyph, 2, r, DFC_BUTTON, mark, DFCS_BUTTONCHECK | DFCS_CHECKED);
    } else if (check == kchGrayed) {
        FillRectColor(canvas, Shrunk(r, 1), mark);
    }
}

void TSkThemeFlat::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                 uint8_t check) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(state == kesHot ? kcHotFace : state == kesFocused ? kcSelection : kcFace);
    DrawFlatCheckBox(canvas, rect, check, GetColor(kcBorder), face,
                     GetColor(state == kesDisabled ? kcDisabledFace : kcBorder));
}

void TSkThemeFlat::DrawFlatRadioButton(TCanvas* canvas, const TRect& rect, bool checked,
                                       TColor line, TColor face) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    FrameRoundRectColor(canvas, rect, 6, line);
    const TRect inner = Shrunk(rect, 1);
    FillRoundRectColor(canvas, inner, 2, face);
    if (checked)
        FillRoundRectColor(canvas, Shrunk(inner, 2), 2, line);
}

void TSkThemeFlat::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                    bool checked) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(state == kesHot ? kcHotFace : state == kesFocused ? kcSelection : kcFace);
    DrawFlatRadioButton(canvas, rect, checked,
                        state == kesDisabled ? ShiftedColor(clScrollBar) : GetColor(kcBorder), face);
}

// Track bar and progress bar.

void TSkThemeFlat::PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                   uint8_t pointer, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect) || pointer > 2)
        return;
    const std::vector<TPoint> points = TrackThumbPoints(rect, vertical, pointer);
    if (pointer == 0) {
        FillRectColor(canvas, rect, GetColor(kcFace));
        FrameRectColor(canvas, rect, GetColor(kcBorder));
        return;
    }
    PolygonColor(canvas, points, GetColor(kcFace));
    FramePolygonColor(canvas, points, GetColor(kcBorder));
}

void TSkThemeFlat::PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                                 const TRect& selectionRect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, trackRect, GetColor(kcFace));
    FrameRectColor(canvas, trackRect, GetColor(kcBorder));
    if (!IsRectEmptyEx(selectionRect))
        FillRectColor(canvas, IntersectRects(Shrunk(selectionRect, 3), trackRect), GetColor(kcSelection));
}

void TSkThemeFlat::PaintProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, GetColor(kcWindow));
}

void TSkThemeFlat::PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                                    bool vertical, bool smooth) const
{
    TSkDrawBatch batch(canvas);
    DrawProgressFill(canvas, clientRect, barRect, vertical, smooth, GetColor(kcSelection));
}

// Header panel and group box.

void TSkThemeFlat::PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, GetColor(kcWindow));
}

void TSkThemeFlat::DrawFlatHeaderCaption(TCanvas* canvas, const TRect& rect,
                                         const std::wstring& caption, TColor face) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    FillRectColor(canvas, rect, face);
    FillRectColor(canvas, rect.left, rect.bottom - 1, rect.right, rect.bottom, GetColor(kcBorder));
    UseFont(canvas, kfHeaderCaption, GetColor(kcHeaderCaptionText));
    TRect text{rect.left + 5, rect.top, rect.right - 5, rect.bottom - 1};
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE));
}

void TSkThemeFlat::PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                           const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    DrawFlatHeaderCaption(canvas, rect, caption, GetColor(kcHotFace));
}

void TSkThemeFlat::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                          uint8_t state, bool down) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    if (IsRectEmptyEx(r))
        return;
    const TColor face = GetColor(kcFace);
    FillRectColor(canvas, r, face);
    DrawEdgeRing(canvas, r, face, Edge, state == kesPressed);
    DrawHeaderButtonGlyph(canvas, r, kind == khbClose, down, state == kesPressed, GetColor(kcBorder));
}

void TSkThemeFlat::PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                 const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    // The line runs along the last row and column inside the box.
    const TRect line{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    DrawGroupBoxLine(canvas, line, captionRect, 0, GetColor(kcBorder));
    TRect text = captionRect;
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

// Scroll bar.

void TSkThemeFlat::PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind) const
{
    TSkDrawBatch batch(canvas);
    FrameRectColor(canvas, rect, GetColor(kcBorder));
}

void TSkThemeFlat::PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                     bool first, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    PaintScrollThumb(canvas, rect, kind, state);
    DrawScrollArrowGlyph(canvas, rect, kind == sbVertical, first, state == kesPressed, Ink);
}

void TSkThemeFlat::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                    uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = StateFace(state);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, c);
    if (state == kesPressed || state == kesHot)
        DrawEdgeRing(canvas, r, c, Edge, state == kesPressed);
}

// Tabs.

void TSkThemeFlat::PaintTabSheet(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, GetColor(kcFace));
}

void TSkThemeFlat::DrawFlatTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                               uint8_t state, TColor line) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(state == kesSelected ? kcFace : state == kesHot ? kcHotFace : kcSelection);
    TRect r = rect;
    DrawOutline(canvas, r, line);
    if (IsRectEmptyEx(r))
        return;
    // The face covers the outline on the page's side, so the tab opens into it.
    switch (position) {
    case ktpBottom: --r.top; break;
    case ktpLeft: ++r.right; break;
    case ktpRight: --r.left; break;
    default: ++r.bottom; break;
    }
    FillRectColor(canvas, r, c);
}

void TSkThemeFlat::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                            uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    DrawFlatTab(canvas, rect, position, state, GetColor(kcBorder));
}

void TSkThemeFlat::PaintTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t,
                                        uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    PaintScrollButton(canvas, rect, sbHorizontal, first, state);
}

// Edit, memo and combo.

void TSkThemeFlat::PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const bool disabled = state == kesDisabled;
    FlatEditFrame(canvas, rect, GetColor(disabled ? kcDisabledBorder : kcBorder),
                  GetColor(disabled ? kcDisabledFace : kcWindow), EditRings);
}

void TSkThemeFlat::PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const
{
    TSkDrawBatch batch(canvas);
    FlatEditFrame(canvas, rect, GetColor(enabled ? kcBorder : kcDisabledBorder),
                  GetColor(enabled ? kcWindow : kcDisabledFace), MemoRings);
}

void TSkThemeFlat::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const bool pressed = state == kesPressed;
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, face);
    DrawEdgeRing(canvas, r, face, Edge, pressed);
    DrawSmallArrow(canvas, rect, true, pressed, 1 + pressed, GetColor(kcBorder));
}

// Speed buttons and bars.

void TSkThemeFlat::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                    bool down) const
{
    TSkDrawBatch batch(canvas);
    if (state > kesDisabled)
        state = kesNormal;
    if (state == kesDisabled || (!flat && state == kesHot))
        return;
    const TColor line = GetColor(kcBorder);
    TRect r = rect;
    // Held down, a button shows the selection colour until it is pressed
    // again (flat) or whatever the mouse does (raised).
    if (down && (state == kesNormal || (!flat && state == kesPressed))) {
        FillRectColor(canvas, r, GetColor(kcSelection));
        FrameRectColor(canvas, r, line);
        return;
    }
    if (flat && state == kesNormal) {
        FillRectColor(canvas, r, GetColor(kcFace));
        FrameRectColor(canvas, r, line);
        return;
    }
    const TColor face = GetColor(state == kesHot ? kcHotFace : kcFace);
    DrawOutline(canvas, r, line);
    FillRectColor(canvas, r, face);
    DrawEdgeRing(canvas, r, face, Edge, state == kesPressed);
}

void TSkThemeFlat::PaintSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                        bool flat, bool down) const
{
    TSkDrawBatch batch(canvas);
    PaintSpeedButton(canvas, rect, state, flat, down);
    DrawDropArrow(canvas, rect, state == kesPressed, state == kesDisabled, GetColor(kcBorder),
                  GetColor(kcDisabledFace));
}

void TSkThemeFlat::PaintSpeedContainer(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeFlat::PaintBarBackground(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeFlat::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    FillRectColor(canvas, r, GetColor(kcFace));
    TRect grip = IntersectRects(gripRect, rect);
    DrawOutline(canvas, grip, GetColor(kcBorder));
    FillRectColor(canvas, grip, GetColor(kcHotFace));
}

void TSkThemeFlat::PaintSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                    uint8_t) const
{
    TSkDrawBatch batch(canvas);
    PaintSpeedButton(canvas, rect, state, state != kesNormal, false);
}

void TSkThemeFlat::PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect,
                  GetColor((flags & kibDown)       ? kcFace
                           : (flags & kibSelected) ? kcSelection
                           : (flags & kibHot)      ? kcHotFace
                                                   : kcWindow));
}

void TSkThemeFlat::PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(hot ? kcSelection : kcWindow));
    if (bevel)
        FrameRectColor(canvas, rect, GetColor(kcBorder));
}

void TSkThemeFlat::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                      uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    const bool lively = state == kesHot || state == kesPressed;
    FillRectColor(canvas, rect, face);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(lively ? kcMenuBorder : kcBorder));
    DrawEdgeRing(canvas, r, face, Edge, state == kesPressed);
}

// Status bar.

void TSkThemeFlat::PaintStatusBar(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeFlat::PaintSizeGrip(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    // Two right-angled triangles in the bottom-right corner, the smaller in
    // the face colour over the larger, leave a diagonal step of shadow.
    const int side = std::min(RectWidth(rect), RectHeight(rect));
    FillCornerTriangle(canvas, rect, GetColor(kcBorder));
    const int inner = side - std::max(2, side / 3);
    if (inner > 0)
        FillCornerTriangle(canvas, {rect.right - inner, rect.bottom - inner, rect.right, rect.bottom},
                           GetColor(kcFace));
}

void TSkThemeFlat::PaintStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel*) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcMenuBorder));
    FrameRectColor(canvas, r, GetColor(kcBorder));
}

// Menus: the classic ones, with the highlight ringed in the menu border.

void TSkThemeFlat::MeasureMenuBarItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                      int& height) const
{
    MeasureMenuBarText(canvas, item, width, height);
}

void TSkThemeFlat::MeasurePopupItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                    int& height) const
{
    MeasurePopupText(canvas, item, width, height);
}

void TSkThemeFlat::PaintMenuBarBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, 0, 0, width, height, GetColor(kcMenuBar));
}

void TSkThemeFlat::PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                    bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawClassicMenuBarItem(canvas, item, rect, selected, hot, GetColor(kcMenuBorder));
}

void TSkThemeFlat::PaintMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                      bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawMenuBarSystemButton(canvas, item, rect, selected, hot);
}

void TSkThemeFlat::PaintPopupBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    const TColor back = GetColor(kcPopup);
    TRect r{0, 0, width, height};
    DrawOutline(canvas, r, back);
    DrawOutline(canvas, r, GetColor(kcMenuBorder));
    DrawOutline(canvas, r, back);
    DrawOutline(canvas, r, back);
}

void TSkThemeFlat::PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                  bool selected, bool) const
{
    TSkDrawBatch batch(canvas);
    if (!item || IsRectEmptyEx(rect))
        return;
    if (item->IsSeparator()) {
        DrawPopupSeparator(canvas, rect);
        return;
    }
    FillRectColor(canvas, rect, GetColor(selected ? kcPopupHighlight : kcPopup));
    if (selected)
        FrameRectColor(canvas, rect, GetColor(kcMenuBorder));
    DrawPopupItemContent(canvas, item, rect, selected);
}

void TSkThemeFlat::PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                          bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawPopupScrollFace(canvas, rect, direction, hot);
}
