#include "styling/themes/skthemeofficexp.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkThemeOfficeXP, TSkThemeFlat)

namespace {

// Where this look's colours part from Flat's; every other kind is Flat's.
struct TOwnColor {
    uint8_t kind;
    TColor color;
};
constexpr TOwnColor OfficeXPColors[] = {
    {kcBorder, TColor(0x808080)},
    {kcSelection, RgbColor(133, 146, 181)},
    {kcMenuBorder, TColor(0x800000)},  // dark navy
    {kcPopup, TColor(0xFFFFFF)},
};

constexpr TColor Ink = RgbColor(0, 0, 0);
// The glyph column of a popup without an item to measure.
constexpr int PlainGlyphColumn = 22;
// How far the grip of a grip bar is lit and shaded.
constexpr int GripEdge = 90;

}  // namespace

TColor TSkThemeOfficeXP::GetColor(uint8_t kind) const
{
    for (const TOwnColor& own : OfficeXPColors)
        if (own.kind == kind)
            return ShiftedColor(own.color);
    return TSkThemeFlat::GetColor(kind);
}

std::string TSkThemeOfficeXP::GetName() const { return ClassThemeName(); }

void TSkThemeOfficeXP::DrawNavyFace(TCanvas* canvas, TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, StateFace(state));
    const bool lively = state == kesHot || state == kesPressed || state == kesFocused;
    DrawOutline(canvas, rect, GetColor(lively ? kcMenuBorder : kcBorder));
}

// Menus.

void TSkThemeOfficeXP::PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                        bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    if (!item || IsRectEmptyEx(rect))
        return;
    FillRectColor(canvas, rect, GetColor(kcMenuBar));
    TRect r = rect;
    if (selected) {
        FillRectColor(canvas, r, GetColor(hot ? kcHotFace : kcMenuBarHighlight));
        DrawOutline(canvas, r, GetColor(kcMenuBorder));
    }
    UseFont(canvas, kfMenuBar, GetColor(selected ? kcMenuBarHighlightText : kcMenuBarText));
    DrawTextWide(canvas, item->Caption(), r, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

void TSkThemeOfficeXP::PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                      bool selected, bool) const
{
    TSkDrawBatch batch(canvas);
    if (!item || IsRectEmptyEx(rect))
        return;
    const TRect column{rect.left, rect.top,
                       std::min(int(rect.right), int(rect.left) + ItemGlyphColumnWidth(item)), rect.bottom};
    if (item->IsSeparator()) {
        DrawPopupSeparator(canvas, rect);
        FillRectColor(canvas, column, GetColor(kcFace));
        return;
    }
    if (selected) {
        FillRectColor(canvas, rect, GetColor(kcPopupHighlight));
        FrameRectColor(canvas, rect, GetColor(kcMenuBorder));
    } else {
        FillRectColor(canvas, rect, GetColor(kcPopup));
        FillRectColor(canvas, column, GetColor(kcFace));
    }
    DrawPopupItemContent(canvas, item, rect, selected);
}

void TSkThemeOfficeXP::PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                              bool) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    FillRectColor(canvas, rect, GetColor(kcPopup));
    FillRectColor(canvas, rect.left, rect.top, std::min(int(rect.right), int(rect.left) + PlainGlyphColumn),
                  rect.bottom, GetColor(kcFace));
    FrameRectColor(canvas, rect, GetColor(kcMenuBorder));
    if (direction == kpsUp || direction == kpsDown)
        DrawSmallArrow(canvas, rect, direction == kpsDown, 0, 0, GetColor(kcPopupText));
}

// Push button, check box, radio button.

void TSkThemeOfficeXP::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    TRect r{0, 0, width, height};
    if (state == kesDisabled) {
        FrameRectColor(canvas, r, GetColor(kcDisabledFace));
        return;
    }
    const bool idle = state == kesNormal;
    FillRectColor(canvas, r, GetColor(idle ? kcFace : state == kesHot ? kcHotFace : kcSelection));
    FrameRectColor(canvas, r, GetColor(idle ? kcBorder : kcMenuBorder));
}

void TSkThemeOfficeXP::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                     uint8_t check) const
{
    TSkDrawBatch batch(canvas);
    DrawFlatCheckBox(canvas, rect, check, GetColor(state == kesHot ? kcMenuBorder : kcBorder),
                     GetColor(kcFace), GetColor(state == kesDisabled ? kcDisabledFace : kcBorder));
}

void TSkThemeOfficeXP::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                        bool checked) const
{
    TSkDrawBatch batch(canvas);
    if (state != kesHot) {
        TSkThemeFlat::PaintRadioButton(canvas, rect, state, checked);
        return;
    }
    DrawFlatRadioButton(canvas, rect, checked, GetColor(kcMenuBorder), GetColor(kcHotFace));
}

// Progress bar and header panel.

void TSkThemeOfficeXP::PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                                        bool vertical, bool smooth) const
{
    TSkDrawBatch batch(canvas);
    DrawProgressFill(canvas, clientRect, barRect, vertical, smooth, GetColor(kcHotFace),
                     GetColor(kcMenuBorder));
}

void TSkThemeOfficeXP::PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                               const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    DrawFlatHeaderCaption(canvas, rect, caption, GetColor(kcFace));
}

void TSkThemeOfficeXP::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                              uint8_t state, bool down) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawNavyFace(canvas, r, state);
    if (!IsRectEmptyEx(r))
        DrawHeaderButtonGlyph(canvas, r, kind == khbClose, down, state == kesPressed, Ink);
}

// Scroll bar, tabs and combo.

void TSkThemeOfficeXP::PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                         bool first, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    PaintScrollThumb(canvas, rect, kind, state);
    DrawScrollArrowGlyph(canvas, rect, kind == sbVertical, first, state == kesPressed, Ink);
}

void TSkThemeOfficeXP::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                        uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawNavyFace(canvas, r, state);
}

void TSkThemeOfficeXP::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                                uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    DrawFlatTab(canvas, rect, position, state, GetColor(state == kesHot ? kcMenuBorder : kcBorder));
}

void TSkThemeOfficeXP::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawNavyFace(canvas, r, state);
    const bool pressed = state == kesPressed;
    DrawSmallArrow(canvas, rect, true, pressed, 1 + pressed, Ink);
}

// Speed buttons and bars.

void TSkThemeOfficeXP::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool,
                                        bool down) const
{
    TSkDrawBatch batch(canvas);
    if (state > kesDisabled)
        state = kesNormal;
    TColor face = GetColor(kcMenuBar), line = GetColor(kcBorder);
    if (state == kesDisabled)
        face = GetColor(kcWindow), line = GetColor(kcDisabledFace);
    else if (state == kesPressed || down)
        face = GetColor(kcSelection), line = GetColor(kcMenuBorder);
    else if (state == kesHot)
        face = GetColor(kcHotFace), line = GetColor(kcMenuBorder);
    FillRectColor(canvas, rect, face);
    FrameRectColor(canvas, rect, line);
}

void TSkThemeOfficeXP::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    TSkDrawBatch batch(canvas);
    const TColor bar = GetColor(kcMenuBar);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcFace));
    FillRectColor(canvas, r, bar);
    DrawEdgeRing(canvas, IntersectRects(gripRect, rect), bar, GripEdge, false);
}

void TSkThemeOfficeXP::PaintBarBackground(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcMenuBar));
}

void TSkThemeOfficeXP::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                          uint8_t) const
{
    TSkDrawBatch batch(canvas);
    // The same rings as a status panel.
    PaintStatusPanel(canvas, rect, nullptr);
}
