#include "styling/themes/skthemekde.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"

#include <array>

FW_IMPLEMENT_CLASS(TSkThemeKDE, TSkThemeStd)

namespace {

// A base colour and how much it is lightened before the shift: the menu
// faces are the button face made a little brighter.
struct TKDEColor {
    TColor base;
    int lighten;
};

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TKDEColor, 26> KDEColors = {{
    {RgbColor(82, 110, 149), 0},     // 0 active caption
    {RgbColor(128, 128, 128), 0},    // 1 inactive caption
    {RgbColor(0, 0, 0), 0},          // 2 caption shadow
    {RgbColor(255, 255, 255), 0},    // 3 active caption text
    {D, 0},                          // 4
    {RgbColor(255, 255, 255), 0},    // 5 inactive caption text
    {clWindow, 0},                   // 6 window
    {RgbColor(0, 0, 0), 0},          // 7 border
    {clHighlight, 0},                // 8 selection
    {RgbColor(254, 254, 251), 0},    // 9 disabled face
    {RgbColor(197, 197, 177), 0},    // 10 disabled border
    {clBtnFace, 0},                  // 11 face
    {RgbColor(220, 220, 230), 0},    // 12 hot face
    {RgbColor(0, 0, 0), 0},          // 13 menu border
    {clBtnFace, 10},                 // 14 menu bar
    {clHighlight, 0},                // 15 menu bar highlight
    {clBtnFace, 10},                 // 16 popup
    {clHighlight, 0},                // 17 popup highlight
    {clMenuText, 0},                 // 18 menu bar text
    {clHighlightText, 0},            // 19 menu bar highlight text
    {clMenuText, 0},                 // 20 popup text
    {clHighlightText, 0},            // 21 popup highlight text
    {RgbColor(128, 128, 128), 0},    // 22 disabled menu text
    {RgbColor(0, 0, 0), 0},          // 23 header caption text
    {RgbColor(149, 206, 255), 0},    // 24 header gradient start
    {RgbColor(49, 106, 197), 0},     // 25 header gradient end
}};
static_assert(KDEColors.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> KDESizes = {
    3, 3, 20, 20, 30, 16, 16, 16, 16, 3,    // 0..9
    3, 1, 3, 3, 23, 17, 13, 13, 13, 13,     // 10..19
    11, 22, 10, 22, 17, 17, 1, 21, 15, 11,  // 20..29
};
static_assert(KDESizes.size() == ksLastSizeKind + 1, "one size per kind");

// Every bevel ring stands this far from its face on both sides.
constexpr int Step = 120;
// The caption's dots and the form's outer ring stand half as far.
constexpr int DotStep = 60;
// The caption dots repeat every this many pixels across and down.
constexpr int DotPitch = 4;

constexpr TColor Ink = RgbColor(0, 0, 0);
constexpr TColor Paper = RgbColor(255, 255, 255);

TColor L(TColor c, int n) { return LightenColor(c, n); }
TColor Dk(TColor c, int n) { return DarkenColor(c, n); }

void Shrink(TRect& r) { r = GrowRect(r, -1); }

// The caption band's 8 x 8 texture: a light dot on every fourth pixel of
// every fourth row, a dark one diagonally after it.
std::array<TColor, 64> CaptionTexture(TColor c)
{
    std::array<TColor, 64> pattern;
    pattern.fill(c);
    for (int y = 0; y < 8; y += DotPitch)
        for (int x = 0; x < 8; x += DotPitch) {
            pattern[size_t(y * 8 + x)] = L(c, DotStep);
            pattern[size_t((y + 1) * 8 + x + 1)] = Dk(c, DotStep);
        }
    return pattern;
}

}  // namespace

int TSkThemeKDE::GetSize(uint8_t kind) const
{
    return kind < KDESizes.size() ? KDESizes[kind] : 0;
}

TColor TSkThemeKDE::GetColor(uint8_t kind) const
{
    if (kind >= KDEColors.size())
        return ShiftedColor(SkDefaultThemeColor);
    const TKDEColor& c = KDEColors[kind];
    return ShiftedColor(c.lighten ? LightenColor(c.base, c.lighten) : c.base);
}

std::string TSkThemeKDE::GetFontName(uint8_t) const { return "Verdana"; }

std::string TSkThemeKDE::GetName() const { return ClassThemeName(); }

void TSkThemeKDE::DrawRingedFace(TCanvas* canvas, const TRect& rect, TColor face, bool sunken) const
{
    TRect r = rect;
    DrawRingBevel(canvas, r, face, Step, sunken);
    FillRectColor(canvas, r, face);
}

TRect TSkThemeKDE::DrawWell(TCanvas* canvas, const TRect& rect) const
{
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawFrame3D(canvas, r, Dk(face, Step), L(face, Step));
    Shrink(r);
    DrawFrame3D(canvas, r, Dk(face, Step), face);
    Shrink(r);
    return r;
}

// Form frame and caption buttons.

void TSkThemeKDE::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                 bool active, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(active ? 0 : 1);
    // The caption band runs from the frame's inner edge down to the client.
    PatternFillRect(canvas, {client.left, client.left, client.right, client.top}, CaptionTexture(c));
    TRect r{0, 0, width, height};
    DrawFrame3D(canvas, r, L(c, DotStep), Dk(c, DotStep));
    Shrink(r);
    DrawOutline(canvas, r, c);
    FrameRectColor(canvas, r, c);
}

void TSkThemeKDE::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool,
                                  bool pressed, bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    DrawRingedFace(canvas, rect, GetColor(kcFace), pressed);
    DrawCaptionButtonGlyph(canvas, rect, glyph, pressed, Ink);
}

void TSkThemeKDE::PaintPopupBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(kcMenuBar);
    TRect r{0, 0, width, height};
    DrawRingBevel(canvas, r, c, Step, false);
    FrameRectColor(canvas, r, c);
}

// Push button, check box, radio button.

void TSkThemeKDE::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TRect r{0, 0, width, height};
    if (state == kesDisabled) {
        FrameRectColor(canvas, r, GetColor(kcDisabledFace));
        return;
    }
    DrawRingedFace(canvas, r, GetColor(state == kesHot ? kcHotFace : kcFace), state == kesPressed);
}

void TSkThemeKDE::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                uint8_t check) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawRingBevel(canvas, r, GetColor(kcFace), Step, true);
    FillRectColor(canvas, r, GetColor(state == kesDisabled ? kcFace : state == kesHot ? kcHotFace : kcWindow));
    DrawCheckMark(canvas, rect, r, check, GetColor(state == kesDisabled ? kcDisabledFace : kcBorder));
}

void TSkThemeKDE::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                   bool checked) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawRadioRings(canvas, rect,
                   {Dk(face, Step), L(face, Step), Dk(face, Step), face, face,
                    GetColor(state == kesDisabled ? kcDisabledFace : kcBorder)},
                   checked);
}

// Track bar and progress bar.

void TSkThemeKDE::PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                  uint8_t pointer, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect) || pointer > 2)
        return;
    const TColor face = GetColor(kcFace);
    const TColor c = GetColor(state == kesDisabled ? kcDisabledFace : state == kesHot ? kcHotFace : kcFace);
    if (pointer == 0) {
        TRect r = rect;
        if (state == kesPressed)
            DitherFillRect(canvas, r, c, Paper);
        else
            FillRectColor(canvas, r, c);
        DrawRingBevel(canvas, r, face, Step, false);
        return;
    }
    DrawThumbShape(canvas, rect, vertical, pointer, c, state == kesPressed,
                   {L(face, Step), Dk(face, Step), Dk(face, Step)});
}

void TSkThemeKDE::PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                                const TRect& selectionRect) const
{
    TSkDrawBatch batch(canvas);
    PaintProgressFrame(canvas, trackRect);
    if (!IsRectEmptyEx(selectionRect))
        FillRectColor(canvas, GrowRect(selectionRect, -3), GetColor(kcSelection));
}

void TSkThemeKDE::PaintProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    FillRectColor(canvas, DrawWell(canvas, rect), GetColor(kcWindow));
}

// Header panel and group box.

void TSkThemeKDE::PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawOutline(canvas, r, GetColor(kcBorder));
    DrawEdgeRing(canvas, r, face, Step, false);
    Shrink(r);
    FillRectColor(canvas, r, GetColor(kcWindow));
}

void TSkThemeKDE::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                         uint8_t state, bool down) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    DrawRingedFace(canvas, rect, GetColor(kcFace), state == kesPressed);
    DrawHeaderButtonGlyph(canvas, GrowRect(rect, -1), kind == khbClose, down, state == kesPressed,
                          GetColor(kcBorder));
}

void TSkThemeKDE::PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawEtchedGroupBox(canvas, rect, captionRect, caption, L(face, Step), Dk(face, Step));
}

// Scroll bar and combo.

void TSkThemeKDE::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                   uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    DrawRingedFace(canvas, rect, GetColor(kcFace), state == kesPressed);
}

void TSkThemeKDE::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const bool pressed = state == kesPressed;
    DrawRingedFace(canvas, rect, GetColor(kcFace), pressed);
    DrawSmallArrow(canvas, rect, true, pressed, 1 + pressed, GetColor(kcBorder));
}

// Tabs.

void TSkThemeKDE::PaintTabSheet(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawEdgeRing(canvas, r, face, Step, false);
    Shrink(r);
    DrawFrame3D(canvas, r, face, Dk(face, Step));
    Shrink(r);
    FillRectColor(canvas, r, face);
}

void TSkThemeKDE::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    DrawBevelTab(canvas, rect, position, face, L(face, Step), Dk(face, Step));
}

// Edit and memo.

void TSkThemeKDE::PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    DrawEditRings(canvas, rect, GetColor(state == kesDisabled ? kcDisabledFace : kcWindow),
                  {Dk(face, Step), L(face, Step)}, {Dk(face, Step), face});
}

void TSkThemeKDE::PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    DrawEditRings(canvas, rect, GetColor(enabled ? kcFace : kcDisabledFace), {Dk(face, Step), L(face, Step)},
                  {Dk(face, Step), face});
}

// Speed buttons and bars.

void TSkThemeKDE::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                   bool down) const
{
    TSkDrawBatch batch(canvas);
    if (state > kesDisabled)
        state = kesNormal;
    if ((flat && state == kesNormal && !down) || state == kesDisabled)
        return;
    // A non-flat button under the mouse keeps what the caller painted.
    if (!flat && state == kesHot)
        return;
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawRingBevel(canvas, r, face, Step, state == kesPressed || down);
    // A button held down shows the checker until it is pressed again.
    if (down && state != kesPressed)
        DitherFillRect(canvas, r, face, Paper);
    else
        FillRectColor(canvas, r, face);
}

void TSkThemeKDE::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(kcMenuBar);
    DrawEdgeRing(canvas, rect, c, Step, false);
    FillRectColor(canvas, GrowRect(rect, -1), c);
    DrawEdgeRing(canvas, IntersectRects(gripRect, rect), c, Step, false);
}

void TSkThemeKDE::PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect,
                  GetColor((flags & kibDown)       ? kcFace
                           : (flags & kibSelected) ? kcSelection
                           : (flags & kibHot)      ? kcHotFace
                                                   : kcWindow));
    if (flags & kibDown) {
        TRect r = rect;
        DrawRingBevel(canvas, r, GetColor(kcWindow), Step, false);
    }
}

void TSkThemeKDE::PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    if (bevel) {
        DrawFrame3D(canvas, r, L(GetColor(kcMenuBar), Step), Dk(GetColor(kcFace), Step));
        Shrink(r);
    }
    FillRectColor(canvas, r, GetColor(hot ? kcHotFace : kcFace));
}

void TSkThemeKDE::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                     uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    FillRectColor(canvas, rect, face);
    DrawEdgeRing(canvas, rect, face, Step, state == kesHot || state == kesDefault);
}

void TSkThemeKDE::PaintStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel*) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawEdgeRing(canvas, rect, face, Step, true);
    FillRectColor(canvas, GrowRect(rect, -1), face);
}
