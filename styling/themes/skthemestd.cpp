#include "styling/themes/skthemestd.h"

#include "framework/graphics/canvas.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"

#include <array>
#include <vector>

FW_IMPLEMENT_CLASS(TSkThemeStd, TSkTheme)

namespace {

// A base colour and how much it is lightened before the shift: the menu
// faces are the button face made a little brighter.
struct TStdColor {
    TColor base;
    int lighten;
};

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TStdColor, 26> StdColors = {{
    {clActiveCaption, 0},            // 0 active caption
    {clInactiveCaption, 0},          // 1 inactive caption
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
    {RgbColor(230, 220, 220), 0},    // 12 hot face
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
static_assert(StdColors.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> StdSizes = {
    3, 3, 23, 20, 10, 18, 15, 14, 12, 6,    // 0..9
    6, 1, 6, 6, 23, 17, 13, 13, 13, 13,     // 10..19
    11, 22, 10, 22, 17, 17, 1, 21, 15, 11,  // 20..29
};
static_assert(StdSizes.size() == ksLastSizeKind + 1, "one size per kind");

// The two steps of the bevels and edges away from their face colour.
constexpr int Strong = 150;
constexpr int Soft = 90;
// The light and dark of the item frames of a pressed menu entry.
constexpr int Faint = 30;

constexpr TColor Ink = RgbColor(0, 0, 0);       // caption and scroll glyphs
constexpr TColor Paper = RgbColor(255, 255, 255);  // the other colour of the checkers

TColor L(TColor c, int n) { return LightenColor(c, n); }
TColor Dk(TColor c, int n) { return DarkenColor(c, n); }

TRect Shrunk(const TRect& r, int by) { return GrowRect(r, -by); }

void Shrink(TRect& r) { r = GrowRect(r, -1); }

// The face of a part that can be disabled, hot or anything else.
TColor FaceByState(const TSkTheme& theme, uint8_t state)
{
    return theme.GetColor(state == kesDisabled ? kcDisabledFace : state == kesHot ? kcHotFace : kcFace);
}

}  // namespace

int TSkThemeStd::GetSize(uint8_t kind) const
{
    return kind < StdSizes.size() ? StdSizes[kind] : 0;
}

TColor TSkThemeStd::GetColor(uint8_t kind) const
{
    if (kind >= StdColors.size())
        return ShiftedColor(SkDefaultThemeColor);
    const TStdColor& c = StdColors[kind];
    return ShiftedColor(c.lighten ? LightenColor(c.base, c.lighten) : c.base);
}

std::string TSkThemeStd::GetFontName(uint8_t) const { return "Tahoma"; }

int TSkThemeStd::GetFontSize(uint8_t kind) const { return kind == kfCaption ? 9 : 8; }

TFontStyles TSkThemeStd::GetFontStyle(uint8_t kind) const
{
    return kind == kfCaption || kind == kfToolCaption ? TFontStyles{fsBold} : TFontStyles();
}

std::string TSkThemeStd::GetName() const { return ClassThemeName(); }

bool TSkThemeStd::IsAvailable() const { return true; }

// Drawn from its tables and the arguments alone.
bool TSkThemeStd::CachesPictures() const { return true; }

HRGN TSkThemeStd::GetFormRegion(int, int, TSkBorderStyle) const { return nullptr; }

// The pieces KDE draws again with its own ring colours.

void TSkThemeStd::DrawEditRings(TCanvas* canvas, const TRect& rect, TColor fill, const TRingColors& outer,
                                const TRingColors& inner)
{
    // The fill takes the bottom-right square first, so the square shows where
    // the rings leave it.
    FillRectColor(canvas, IntersectRects({rect.right - 20, rect.bottom - 20, rect.right, rect.bottom}, rect),
                  fill);
    TRect r = rect;
    DrawFrame3D(canvas, r, outer.topLeft, outer.bottomRight);
    Shrink(r);
    DrawFrame3D(canvas, r, inner.topLeft, inner.bottomRight);
    for (int i = 0; i < 5; ++i) {
        Shrink(r);
        FrameRectColor(canvas, r, fill);
    }
}

void TSkThemeStd::DrawCheckMark(TCanvas* canvas, const TRect& rect, TRect inner, uint8_t check,
                                TColor mark) const
{
    if (check == kchChecked) {
        // The system's check box over this one, its own two border rings cut
        // away, so its tick lands inside these.
        const TRect glyph{rect.left, rect.top, rect.left + GetSize(ksCheckBoxWidth),
                          rect.top + GetSize(ksCheckBoxHeight)};
        DrawFrameGlyphInner(canvas, glyph, 2, inner, DFC_BUTTON, mark, DFCS_BUTTONCHECK | DFCS_CHECKED);
    } else if (check == kchGrayed) {
        Shrink(inner);
        FillRectColor(canvas, inner, mark);
    }
}

void TSkThemeStd::DrawRadioRings(TCanvas* canvas, const TRect& rect, const TRadioColors& c, bool checked)
{
    if (IsRectEmptyEx(rect))
        return;
    TRect w = rect;
    FrameRoundRectColor(canvas, w, 6, c.dark);
    ++w.left, ++w.top;
    FrameRoundRectColor(canvas, w, 6, c.light);
    --w.right, --w.bottom;
    FrameRoundRectColor(canvas, w, 2, c.dark);
    FrameRoundRectColor(canvas, w, 6, c.darker);
    ++w.left, ++w.top;
    FrameRoundRectColor(canvas, w, 2, c.light);
    FrameRoundRectColor(canvas, w, 6, c.face);
    --w.right, --w.bottom;
    FillRoundRectColor(canvas, w, 2, c.back);
    if (checked)
        FillRoundRectColor(canvas, Shrunk(w, 2), 2, c.dot);
}

void TSkThemeStd::DrawThumbShape(TCanvas* canvas, const TRect& rect, bool vertical, uint8_t pointer,
                                 TColor fill, bool dithered, const TThumbLines& lines)
{
    const std::vector<TPoint> points = TrackThumbPoints(rect, vertical, pointer);
    if (dithered)
        DitherFillPolygon(canvas, points, fill, Paper);
    else
        PolygonColor(canvas, points, fill);
    DrawShadedPolygonSides(canvas, points, lines.light, lines.dark, lines.inner);
}

void TSkThemeStd::DrawBevelTab(TCanvas* canvas, const TRect& rect, uint8_t position, TColor face,
                               TColor light, TColor dark)
{
    // One pixel longer on both ends across the page edge, so the tab's frame
    // meets the page's.
    TRect r = rect;
    if (position == ktpTop || position == ktpBottom)
        r.top -= 1, r.bottom += 1;
    else
        r.left -= 1, r.right += 1;
    DrawFrame3D(canvas, r, light, dark);
    const TRect inside = Shrunk(r, 1);
    FillRectColor(canvas, inside, face);
    // Its own edge on the page's side is painted over, so it opens into the page.
    TRect strip = inside;
    switch (position) {
    case ktpBottom: strip = {inside.left, r.top, inside.right, r.top + 2}; break;
    case ktpLeft: strip = {r.right - 2, inside.top, r.right, inside.bottom}; break;
    case ktpRight: strip = {r.left, inside.top, r.left + 2, inside.bottom}; break;
    default: strip = {inside.left, r.bottom - 2, inside.right, r.bottom}; break;
    }
    FillRectColor(canvas, strip, face);
}

// Form frame and caption buttons.

void TSkThemeStd::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& client,
                                 bool active, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    DrawClassicFormFrame(canvas, width, height, client, GetColor(active ? 0 : 1),
                         active ? clGradientActiveCaption : clGradientInactiveCaption, GetColor(kcFace));
}

void TSkThemeStd::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot,
                                  bool pressed, bool, TSkBorderStyle) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    TRect r = rect;
    const TColor c = GetColor(hot ? kcHotFace : kcFace);
    if (pressed)
        DrawSunkenBevel(canvas, r, c);
    else
        DrawRaisedBevel(canvas, r, c);
    DrawCaptionButtonGlyph(canvas, rect, glyph, pressed, Ink);
}

// Push button, check box, radio button.

void TSkThemeStd::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    TRect r{0, 0, width, height};
    if (state == kesDisabled) {
        FrameRectColor(canvas, r, GetColor(kcDisabledFace));
        return;
    }
    const TColor c = GetColor(state == kesHot ? kcHotFace : kcFace);
    if (state == kesPressed)
        DrawSunkenBevel(canvas, r, c);
    else
        DrawRaisedBevel(canvas, r, c);
    FillRectColor(canvas, r, c);
}

void TSkThemeStd::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                uint8_t check) const
{
    TSkDrawBatch batch(canvas);
    const TColor back = GetColor(state == kesDisabled ? kcFace : state == kesHot ? kcHotFace : kcWindow);
    const TColor mark = GetColor(state == kesDisabled ? kcDisabledFace : kcBorder);
    const TColor face = GetColor(kcFace);
    TRect r = rect;
    DrawFrame3D(canvas, r, Dk(face, Soft), L(face, Soft));
    Shrink(r);
    DrawFrame3D(canvas, r, Dk(face, Strong), face);
    Shrink(r);
    FillRectColor(canvas, r, back);
    DrawCheckMark(canvas, rect, r, check, mark);
}

void TSkThemeStd::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                   bool checked) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawRadioRings(canvas, rect,
                   {Dk(face, Soft), L(face, Soft), Dk(face, Strong), face,
                    GetColor(state == kesDisabled ? kcFace : state == kesHot ? kcHotFace : kcWindow),
                    GetColor(state == kesDisabled ? kcDisabledFace : kcBorder)},
                   checked);
}

// Track bar.

void TSkThemeStd::PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                  uint8_t pointer, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect) || pointer > 2)
        return;
    const TColor c = FaceByState(*this, state);
    if (pointer == 0) {
        TRect r = rect;
        if (state == kesPressed)
            DitherFillRect(canvas, r, c, Paper);
        else
            FillRectColor(canvas, r, c);
        DrawRaisedBevel(canvas, r, c);
        return;
    }
    DrawThumbShape(canvas, rect, vertical, pointer, c, state == kesPressed,
                   {L(c, Strong), Dk(c, Strong), Dk(c, Soft)});
}

void TSkThemeStd::PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                                const TRect& selectionRect) const
{
    TSkDrawBatch batch(canvas);
    TRect r = trackRect;
    DrawSunkenBevel(canvas, r, GetColor(kcFace));
    FillRectColor(canvas, r, GetColor(kcWindow));
    if (!IsRectEmptyEx(selectionRect))
        FillRectColor(canvas, Shrunk(selectionRect, 3), GetColor(kcSelection));
}

// Progress bar.

void TSkThemeStd::PaintProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    DrawSunkenBevel(canvas, r, GetColor(kcFace));
    FillRectColor(canvas, r, GetColor(kcWindow));
}

void TSkThemeStd::PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                                   bool vertical, bool smooth) const
{
    TSkDrawBatch batch(canvas);
    DrawProgressFill(canvas, clientRect, barRect, vertical, smooth, GetColor(kcSelection));
}

// Header panel and group box.

void TSkThemeStd::PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool border, uint8_t) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    if (border) {
        const TColor face = GetColor(kcFace);
        FrameRectColor(canvas, r, GetColor(kcBorder));
        Shrink(r);
        DrawFrame3D(canvas, r, L(face, Soft), Dk(face, Soft));
        Shrink(r);
    }
    FillRectColor(canvas, r, GetColor(kcWindow));
}

void TSkThemeStd::PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                          const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    MoveTo(canvas, rect.left, rect.bottom);
    LineToColor(canvas, rect.right, rect.bottom, GetColor(kcBorder));
    FillRectColor(canvas, rect, GetColor(kcFace));
    UseFont(canvas, kfHeaderCaption, GetColor(kcHeaderCaptionText));
    TRect text{rect.left + 5, rect.top, rect.right - 5, rect.bottom};
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE));
}

void TSkThemeStd::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                         uint8_t state, bool down) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = FaceByState(*this, state);
    TRect r = Shrunk(rect, 1);
    if (IsRectEmptyEx(r))
        return;
    if (state == kesPressed)
        DrawFrame3D(canvas, r, Dk(c, Strong), L(c, Strong));
    else
        DrawFrame3D(canvas, r, L(c, Strong), Dk(c, Strong));
    FillRectColor(canvas, Shrunk(r, 1), c);
    DrawHeaderButtonGlyph(canvas, r, kind == khbClose, down, state == kesPressed, GetColor(kcBorder));
}

void TSkThemeStd::PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                const std::wstring& caption) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawEtchedGroupBox(canvas, rect, captionRect, caption, L(face, Soft), Dk(face, Soft));
}

void TSkThemeStd::DrawEtchedGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                     const std::wstring& caption, TColor light, TColor dark) const
{
    if (IsRectEmptyEx(rect))
        return;
    DrawGroupBoxLine(canvas, rect, captionRect, 0, light);
    DrawGroupBoxLine(canvas, rect, captionRect, -1, dark);
    TRect text = captionRect;
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

// Scroll bar.

void TSkThemeStd::PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind) const
{
    TSkDrawBatch batch(canvas);
    DitherFillRect(canvas, rect, GetColor(kcFace), Paper);
}

void TSkThemeStd::PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                    bool first, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    PaintScrollThumb(canvas, rect, kind, state);
    DrawScrollArrowGlyph(canvas, rect, kind == sbVertical, first, state == kesPressed, Ink);
}

void TSkThemeStd::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                   uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = FaceByState(*this, state);
    TRect r = rect;
    if (state == kesPressed)
        DrawSunkenBevel(canvas, r, c);
    else
        DrawRaisedBevel(canvas, r, c);
    FillRectColor(canvas, r, c);
}

// Tabs.

void TSkThemeStd::PaintTabSheet(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(kcFace);
    TRect r = rect;
    DrawRaisedBevel(canvas, r, c);
    FillRectColor(canvas, r, c);
}

void TSkThemeStd::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                           uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor c = GetColor(state == kesHot ? kcHotFace : kcFace);
    DrawBevelTab(canvas, rect, position, c, L(c, Strong), Dk(c, Strong));
}

void TSkThemeStd::PaintTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t,
                                       uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    PaintScrollButton(canvas, rect, sbHorizontal, first, state);
}

// Edit, memo and combo.

void TSkThemeStd::PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    DrawEditRings(canvas, rect, GetColor(state == kesDisabled ? kcDisabledFace : kcWindow),
                  {Dk(face, Soft), L(face, Soft)}, {Dk(face, Strong), face});
}

void TSkThemeStd::PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    const TColor face = GetColor(kcFace);
    DrawEditRings(canvas, rect, GetColor(enabled ? kcFace : kcDisabledFace), {Dk(face, Soft), L(face, Soft)},
                  {Dk(face, Strong), face});
}

void TSkThemeStd::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = FaceByState(*this, state);
    const bool pressed = state == kesPressed;
    TRect r = rect;
    if (pressed)
        DrawSunkenBevel(canvas, r, c);
    else
        DrawRaisedBevel(canvas, r, c);
    FillRectColor(canvas, r, c);
    DrawSmallArrow(canvas, rect, true, pressed, 1 + pressed, GetColor(kcBorder));
}

// Speed buttons and bars.

void TSkThemeStd::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
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
    const TColor c = GetColor(state == kesHot ? kcHotFace : kcFace);
    TRect r = rect;
    if (!flat) {
        if (state == kesPressed || down)
            DrawSunkenBevel(canvas, r, c);
        else
            DrawRaisedBevel(canvas, r, c);
    } else if (state == kesPressed || down) {
        DrawFrame3D(canvas, r, Dk(c, Strong), L(c, Strong));
        Shrink(r);
    } else {
        DrawFrame3D(canvas, r, L(c, Strong), Dk(c, Strong));
        Shrink(r);
    }
    // A button held down shows the checker until it is pressed again.
    if (down && state != kesPressed)
        DitherFillRect(canvas, r, c, Paper);
    else
        FillRectColor(canvas, r, c);
}

void TSkThemeStd::PaintSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                       bool flat, bool down) const
{
    TSkDrawBatch batch(canvas);
    PaintSpeedButton(canvas, rect, state, flat, down);
    DrawDropArrow(canvas, rect, state == kesPressed, state == kesDisabled, GetColor(kcBorder),
                  GetColor(kcDisabledFace));
}

void TSkThemeStd::PaintSpeedContainer(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeStd::PaintBarBackground(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcMenuBar));
}

void TSkThemeStd::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(kcMenuBar);
    DrawFrame3D(canvas, rect, L(c, Soft), Dk(c, Soft));
    FillRectColor(canvas, Shrunk(rect, 1), c);
    const TRect grip{gripRect.left + 4, gripRect.top + 1, gripRect.right - 4, gripRect.bottom - 1};
    DrawFrame3D(canvas, IntersectRects(grip, rect), L(c, Soft), Dk(c, Soft));
}

void TSkThemeStd::PaintSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                   uint8_t) const
{
    TSkDrawBatch batch(canvas);
    PaintSpeedButton(canvas, rect, state, state != kesNormal, false);
}

void TSkThemeStd::PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor((flags & kibDown)       ? kcFace
                              : (flags & kibSelected) ? kcSelection
                              : (flags & kibHot)      ? kcHotFace
                                                      : kcWindow);
    FillRectColor(canvas, rect, c);
    if (flags & kibDown)
        DrawFrame3D(canvas, rect, L(c, Faint), Dk(c, Faint));
}

void TSkThemeStd::PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const
{
    TSkDrawBatch batch(canvas);
    TRect r = rect;
    if (bevel) {
        DrawFrame3D(canvas, r, L(GetColor(kcMenuBar), Soft), Dk(GetColor(kcFace), Soft));
        Shrink(r);
    }
    FillRectColor(canvas, r, GetColor(hot ? kcHotFace : kcFace));
}

void TSkThemeStd::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                     uint8_t state) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = state == kesPressed ? RgbColor(0, 0, 0)
                     : state == kesDisabled || state == kesFocused ? GetColor(kcHotFace)
                                                                   : GetColor(kcFace);
    FillRectColor(canvas, rect, c);
    if (state == kesHot || state == kesDefault)
        DrawFrame3D(canvas, rect, Dk(c, Soft), L(c, Soft));
    else
        DrawFrame3D(canvas, rect, L(c, Soft), Dk(c, Soft));
}

// Status bar.

void TSkThemeStd::PaintStatusBar(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeStd::PaintSizeGrip(TCanvas* canvas, const TRect& rect) const
{
    TSkDrawBatch batch(canvas);
    if (IsRectEmptyEx(rect))
        return;
    RECT r = rect;
    DrawFrameControl(canvas->Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TSkThemeStd::PaintStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel*) const
{
    TSkDrawBatch batch(canvas);
    const TColor face = GetColor(kcFace);
    DrawFrame3D(canvas, rect, Dk(face, Soft), L(face, Soft));
    FillRectColor(canvas, Shrunk(rect, 1), face);
}

// Menus.

void TSkThemeStd::MeasureMenuBarItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                     int& height) const
{
    MeasureMenuBarText(canvas, item, width, height);
}

void TSkThemeStd::MeasurePopupItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                   int& height) const
{
    MeasurePopupText(canvas, item, width, height);
}

void TSkThemeStd::PaintMenuBarBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    FillRectColor(canvas, 0, 0, width, height, GetColor(kcMenuBar));
}

void TSkThemeStd::PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                   bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawClassicMenuBarItem(canvas, item, rect, selected, hot, clNone);
}

void TSkThemeStd::PaintMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                     bool selected, bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawMenuBarSystemButton(canvas, item, rect, selected, hot);
}

void TSkThemeStd::PaintPopupBackground(TCanvas* canvas, int width, int height) const
{
    TSkDrawBatch batch(canvas);
    const TColor c = GetColor(kcMenuBar);
    TRect r{0, 0, width, height};
    DrawRaisedBevel(canvas, r, c);
    FrameRectColor(canvas, r, c);
}

void TSkThemeStd::PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
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
    DrawPopupItemContent(canvas, item, rect, selected);
}

void TSkThemeStd::PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                         bool hot) const
{
    TSkDrawBatch batch(canvas);
    DrawPopupScrollFace(canvas, rect, direction, hot);
}
