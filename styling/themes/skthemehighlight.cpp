#include "styling/themes/skthemehighlight.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"

#include <array>

FW_IMPLEMENT_CLASS(TSkThemeHighlight, TSkThemeFlat)

namespace {

using namespace HighlightColors;

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TColor, 26> HighlightTable = {
    clActiveCaption,            // 0 active caption
    clInactiveCaption,          // 1 inactive caption
    RgbColor(0, 0, 0),          // 2 caption shadow
    RgbColor(255, 255, 255),    // 3 active caption text
    D,                          // 4
    RgbColor(255, 255, 255),    // 5 inactive caption text
    Pale,                       // 6 window
    Navy,                       // 7 border
    Blue,                       // 8 selection
    RgbColor(254, 254, 251),    // 9 disabled face
    RgbColor(197, 197, 177),    // 10 disabled border
    clBtnFace,                  // 11 face
    Amber,                      // 12 hot face
    Navy,                       // 13 menu border
    clBtnFace,                  // 14 menu bar
    Blue,                       // 15 menu bar highlight
    clBtnFace,                  // 16 popup
    Blue,                       // 17 popup highlight
    RgbColor(0, 0, 0),          // 18 menu bar text
    RgbColor(255, 255, 255),    // 19 menu bar highlight text
    RgbColor(0, 0, 0),          // 20 popup text
    RgbColor(255, 255, 255),    // 21 popup highlight text
    RgbColor(128, 128, 128),    // 22 disabled menu text
    RgbColor(0, 0, 0),          // 23 header caption text
    RgbColor(149, 206, 255),    // 24 header gradient start
    RgbColor(49, 106, 197),     // 25 header gradient end
};
static_assert(HighlightTable.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> HighlightSizes = {
    4, 4, 26, 20, 10, 20, 16, 14, 12, 7,    // 0..9
    7, 1, 6, 6, 23, 17, 13, 13, 13, 13,     // 10..19
    11, 22, 4, 22, 17, 17, 1, 21, 15, 11,   // 20..29
};
static_assert(HighlightSizes.size() == ksLastSizeKind + 1, "one size per kind");

// The soft rings stand this far from their face; the window's inner ring
// half as far, the grip's further.
constexpr int Soft = 30;
constexpr int Softer = 15;
constexpr int Grip = 50;
// The inner rings of a button's face and the dark ring of a check box.
constexpr int Faint = 10;
constexpr int CheckRing = 50;
// The end of the caption band's gradient.
constexpr TColor CaptionEnd = RgbColor(200, 200, 200);
constexpr TColor Ink = RgbColor(0, 0, 0);

TColor L(TColor c, int n) { return LightenColor(c, n); }
TColor Dk(TColor c, int n) { return DarkenColor(c, n); }

TRect Shrunk(const TRect& r, int by) { return GrowRect(r, -by); }

}  // namespace

int TSkThemeHighlight::GetSize(uint8_t kind) const
{
    return kind < HighlightSizes.size() ? HighlightSizes[kind] : 0;
}

TColor TSkThemeHighlight::GetColor(uint8_t kind) const
{
    return ShiftedColor(kind < HighlightTable.size() ? HighlightTable[kind] : SkDefaultThemeColor);
}

TFontStyles TSkThemeHighlight::GetFontStyle(uint8_t kind) const
{
    return kind == kfCaption || kind == kfToolCaption ? TFontStyles{fsBold} : TFontStyles();
}

bool TSkThemeHighlight::HasCaptionShadow() const { return true; }

HRGN TSkThemeHighlight::GetFormRegion(int width, int height, TSkBorderStyle) const
{
    return RoundWindowRegion(width, height);
}

std::string TSkThemeHighlight::GetName() const { return ClassThemeName(); }

TColor TSkThemeHighlight::HighlightFace(uint8_t state) const
{
    switch (state) {
    case kesDisabled: return GetColor(kcWindow);
    case kesPressed:
    case kesFocused:
    case kesDefault: return GetColor(kcSelection);
    case kesHot: return GetColor(kcHotFace);
    default: return GetColor(kcFace);
    }
}

TRect TSkThemeHighlight::DrawRoundFace(TCanvas* canvas, const TRect& rect, TColor face, bool pushed) const
{
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    const TRect r = Shrunk(rect, 1);
    FillRectColor(canvas, r, face);
    DrawEdgeRing(canvas, r, face, Soft, pushed);
    return r;
}

// Form frame and caption buttons.

void TSkThemeHighlight::DrawRoundFrame(TCanvas* canvas, int width, int height, const TRect& band) const
{
    const TColor face = GetColor(kcFace);
    DrawRoundOutline(canvas, band, GetColor(kcBorder));
    TRect r{0, 0, width, height};
    DrawRoundOutline(canvas, r, GetColor(kcBorder));
    r = Shrunk(r, 1);
    DrawEdgeRing(canvas, r, face, Soft, false);
    r = Shrunk(r, 1);
    DrawEdgeRing(canvas, r, face, Softer, false);
    r = Shrunk(r, 1);
    FrameRectColor(canvas, r, face);
}

void TSkThemeHighlight::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                       bool active, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    // The caption band runs from the frame's inner edge down to the client.
    const TRect band{client.left, client.left, client.right, client.top};
    GradientFillRect(canvas, band, GetColor(active ? 0 : 1), CaptionEnd, false);
    DrawRoundFrame(canvas, width, height, band);
}

void TSkThemeHighlight::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool,
                                        bool pressed, bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    FillRectColor(canvas, rect, face);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    DrawEdgeRing(canvas, r, face, Soft, pressed);
    DrawCaptionButtonGlyph(canvas, rect, glyph, pressed, Ink);
}

// Menus: Flat's, ringed round where they are highlighted.

void TSkThemeHighlight::PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                         bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawClassicMenuBarItem(canvas, item, rect, selected, hot, GetColor(kcMenuBorder), true);
}

void TSkThemeHighlight::PaintPopupBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    const TColor back = GetColor(kcPopup);
    TRect r{0, 0, width, height};
    DrawOutline(canvas, r, back);
    FrameRectColor(canvas, r, back);  // under the corners the round ring leaves
    DrawRoundOutline(canvas, r, GetColor(kcMenuBorder));
    r = Shrunk(r, 1);
    DrawOutline(canvas, r, back);
    FrameRectColor(canvas, r, back);
}

void TSkThemeHighlight::PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
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
    if (selected) {
        FrameRectColor(canvas, rect, GetColor(kcPopup));
        DrawRoundOutline(canvas, rect, GetColor(kcMenuBorder));
    }
    DrawPopupItemContent(canvas, item, rect, selected);
}

// Push button, check box, radio button.

void TSkThemeHighlight::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    TRect r{0, 0, width, height};
    if (state == kesDisabled) {
        DrawRoundOutline(canvas, r, GetColor(kcDisabledFace));
        return;
    }
    const TColor c = HighlightFace(state);
    DrawRoundOutline(canvas, r, GetColor(kcBorder));
    r = Shrunk(r, 1);
    if (IsRectEmptyEx(r))
        return;
    if (state == kesPressed) {
        DrawEdgeRing(canvas, r, c, Soft, true);
        FillRectColor(canvas, Shrunk(r, 1), c);
        return;
    }
    DrawEdgeRing(canvas, r, c, Soft, false);
    // The inner corner at the bottom right takes the border, so the cut
    // corner of the outline looks round from inside too.
    FillRectColor(canvas, r.right - 1, r.bottom - 1, r.right, r.bottom, GetColor(kcBorder));
    r = Shrunk(r, 1);
    FillRectColor(canvas, r, c);
    DrawEdgeRing(canvas, r, c, Faint, false);
}

void TSkThemeHighlight::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                      uint8_t check) const
{
    TSkDrawBatch batch(canvas);
    const bool disabled = state == kesDisabled;
    const TColor line = GetColor(disabled ? kcDisabledFace : kcBorder);
    const TColor base = GetColor(state == kesHot ? kcHotFace : state == kesFocused ? kcSelection : kcWindow);
    const TColor window = GetColor(kcWindow);
    TRect r = rect;
    DrawOutline(canvas, r, line);
    if (disabled)
        FrameRectColor(canvas, r, window);
    else
        DrawEdgeRing(canvas, r, base, CheckRing, true);
    r = Shrunk(r, 1);
    FillRectColor(canvas, r, window);
    if (check == kchChecked) {
        // The system's tick drawn at the box's own size, its border cut away.
        const TRect glyph{rect.left, rect.top, rect.left + GetSize(ksCheckBoxWidth),
                          rect.top + GetSize(ksCheckBoxHeight)};
        DrawFrameGlyphInner(canvas, glyph, 2, r, DFC_BUTTON, line, DFCS_BUTTONCHECK | DFCS_CHECKED);
    } else if (check == kchGrayed) {
        FillRectColor(canvas, Shrunk(r, 1), line);
    }
}

void TSkThemeHighlight::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                         bool checked) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const bool disabled = state == kesDisabled;
    const TColor line = GetColor(disabled ? kcDisabledFace : kcBorder);
    const TColor base = GetColor(state == kesHot ? kcHotFace : state == kesFocused ? kcSelection : kcWindow);
    const TColor ring = disabled ? GetColor(kcWindow) : Dk(base, Soft);
    FrameRoundRectColor(canvas, rect, 6, line);
    TRect w = Shrunk(rect, 1);
    FrameRoundRectColor(canvas, w, 2, ring);
    FrameRoundRectColor(canvas, w, 6, ring);
    w = Shrunk(w, 1);
    FillRoundRectColor(canvas, w, 2, GetColor(kcWindow));
    if (checked)
        FillRoundRectColor(canvas, Shrunk(w, 1), 2, line);
}

// Track bar and progress bar.

void TSkThemeHighlight::PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                        uint8_t pointer, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect) || pointer > 2)
        return;
    const TColor face = GetColor(kcFace);
    if (pointer == 0) {
        FillRectColor(canvas, Shrunk(rect, 1), face);
        DrawRoundOutline(canvas, rect, ShiftedColor(Navy));
        DrawEdgeRing(canvas, Shrunk(rect, 1), face, Soft, false);
        return;
    }
    // The pentagon, lit along its sides one pixel inside a navy outline.
    const std::vector<TPoint> points = TrackThumbPoints(rect, vertical, pointer);
    PolygonColor(canvas, points, face);
    DrawShadedPolygonSides(canvas, points, L(face, Soft), Dk(face, Soft), Dk(face, Soft));
    FramePolygonColor(canvas, points, ShiftedColor(Navy));
}

void TSkThemeHighlight::PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                                      const TRect& selectionRect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, Shrunk(trackRect, 1), GetColor(kcFace));
    DrawRoundOutline(canvas, trackRect, GetColor(kcBorder));
    if (!IsRectEmptyEx(selectionRect))
        FillRectColor(canvas, IntersectRects(Shrunk(selectionRect, 3), trackRect), GetColor(kcSelection));
}

void TSkThemeHighlight::PaintProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    FillRectColor(canvas, Shrunk(rect, 1), GetColor(kcWindow));
}

// Header panel and group box.

void TSkThemeHighlight::PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    FillRectColor(canvas, Shrunk(rect, 1), GetColor(kcWindow));
}

void TSkThemeHighlight::PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                                const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawFlatHeaderCaption(canvas, rect, caption, face);
    DrawEdgeRing(canvas, {rect.left, rect.top, rect.right, rect.bottom - 1}, face, Soft, false);
}

void TSkThemeHighlight::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                               uint8_t state, bool down) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TRect r = DrawRoundFace(canvas, rect, GetColor(kcFace), state == kesPressed);
    DrawHeaderButtonGlyph(canvas, r, kind == khbClose, down, state == kesPressed, GetColor(kcBorder));
}

void TSkThemeHighlight::PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                      const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    DrawCutCornerGroupLine(canvas, rect, captionRect, GetColor(kcBorder));
    TRect text = captionRect;
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

// Scroll bar.

void TSkThemeHighlight::PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
}

void TSkThemeHighlight::PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                          bool first, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor c = HighlightFace(state);
    FillRectColor(canvas, Shrunk(rect, 1), c);
    DrawScrollArrowGlyph(canvas, rect, kind == sbVertical, first, state == kesPressed, Ink);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    if (state == kesPressed || state == kesHot)
        DrawEdgeRing(canvas, Shrunk(rect, 1), c, Soft, state == kesPressed);
}

void TSkThemeHighlight::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                         uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundFace(canvas, rect, HighlightFace(state), state == kesPressed);
}

// Tabs.

void TSkThemeHighlight::PaintTabSheet(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    TRect r = Shrunk(rect, 1);
    DrawEdgeRing(canvas, r, face, Soft, false);
    r = Shrunk(r, 1);
    DrawEdgeRing(canvas, r, face, Softer, false);
    FillRectColor(canvas, Shrunk(r, 1), face);
}

void TSkThemeHighlight::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    const TRect r = DrawRoundFace(canvas, rect, face, false);
    // A 2-pixel strip of face on the page's side opens the tab into it.
    TRect strip;
    switch (position) {
    case ktpBottom: strip = {r.left, rect.top, r.right, rect.top + 2}; break;
    case ktpLeft: strip = {rect.right - 2, r.top, rect.right, r.bottom}; break;
    case ktpRight: strip = {rect.left, r.top, rect.left + 2, r.bottom}; break;
    default: strip = {r.left, rect.bottom - 2, r.right, rect.bottom}; break;
    }
    FillRectColor(canvas, strip, face);
}

// Combo and speed buttons.

void TSkThemeHighlight::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const bool pressed = state == kesPressed;
    DrawRoundFace(canvas, rect, GetColor(kcFace), pressed);
    DrawSmallArrow(canvas, rect, true, pressed, 1 + pressed, GetColor(kcBorder));
}

void TSkThemeHighlight::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool,
                                         bool down) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    if (state == kesDisabled) {
        FillRectColor(canvas, Shrunk(rect, 1), GetColor(kcWindow));
        DrawRoundOutline(canvas, rect, GetColor(kcDisabledFace));
        return;
    }
    if (state == kesPressed || down) {
        DrawRoundOutline(canvas, rect, GetColor(kcBorder));
        FillRectColor(canvas, Shrunk(rect, 1), GetColor(kcSelection));
        return;
    }
    DrawRoundFace(canvas, rect, GetColor(state == kesHot ? kcHotFace : kcFace), false);
}

// Bars, items and panels.

void TSkThemeHighlight::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    for (const TRect& r : {rect, IntersectRects(TRect{gripRect.left + 3, gripRect.top + 1, gripRect.right - 3,
                                                      gripRect.bottom - 1},
                                                rect)}) {
        if (IsRectEmptyEx(r))
            continue;
        DrawRoundOutline(canvas, r, GetColor(kcBorder));
        FillRectColor(canvas, Shrunk(r, 1), face);
        DrawEdgeRing(canvas, Shrunk(r, 1), face, Grip, false);
    }
}

void TSkThemeHighlight::PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    TSkDrawBatch batch(canvas);
    TSkThemeFlat::PaintItemBackground(canvas, rect, flags);
    if (flags & kibDown)
        DrawEdgeRing(canvas, rect, GetColor(kcWindow), Soft, false);
}

void TSkThemeHighlight::PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundOutline(canvas, rect, GetColor(kcBorder));
    FillRectColor(canvas, Shrunk(rect, 1), GetColor(hot ? kcHotFace : kcWindow));
    if (bevel)
        DrawEdgeRing(canvas, Shrunk(rect, 1), GetColor(kcSelection), Soft, false);
}

void TSkThemeHighlight::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                           uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundFace(canvas, rect, GetColor(kcFace), state == kesPressed);
}

void TSkThemeHighlight::PaintStatusBar(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundFace(canvas, rect, GetColor(kcFace), false);
}

void TSkThemeHighlight::PaintStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel*) const
{
    TSkDrawBatch batch(canvas);
    DrawRoundFace(canvas, rect, GetColor(kcFace), true);
}
