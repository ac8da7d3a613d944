#include "styling/themes/skthemeluna.h"

#include "framework/graphics/canvas.h"
#include "framework/controls/control.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/pcxdecoder.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/lunacells.h"

#include <algorithm>
#include <array>
#include <iterator>

FW_IMPLEMENT_CLASS(TSkThemeLuna, TSkTheme)

namespace {

constexpr TColor D = SkDefaultThemeColor;
constexpr std::array<TColor, 26> LunaColors = {
    D,                         // 0 active caption
    D,                         // 1 inactive caption
    RgbColor(0, 0, 0),         // 2 caption shadow
    RgbColor(255, 255, 255),   // 3 active caption text
    D,                         // 4
    RgbColor(255, 255, 255),   // 5 inactive caption text
    RgbColor(255, 251, 247),   // 6 window
    RgbColor(49, 106, 197),    // 7 border
    RgbColor(33, 195, 33),     // 8 selection
    RgbColor(254, 254, 251),   // 9 disabled face
    RgbColor(197, 197, 177),   // 10 disabled border
    RgbColor(239, 235, 222),   // 11 face
    D,                         // 12 hot face
    RgbColor(128, 128, 128),   // 13 menu border
    RgbColor(255, 255, 255),   // 14 menu bar
    RgbColor(49, 106, 197),    // 15 menu bar highlight
    RgbColor(255, 255, 255),   // 16 popup
    RgbColor(49, 106, 197),    // 17 popup highlight
    RgbColor(0, 0, 0),         // 18 menu bar text
    RgbColor(255, 255, 255),   // 19 menu bar highlight text
    RgbColor(0, 0, 0),         // 20 popup text
    RgbColor(255, 255, 255),   // 21 popup highlight text
    RgbColor(128, 128, 128),   // 22 disabled menu text
    RgbColor(0, 0, 0),         // 23 header caption text
    RgbColor(149, 206, 255),   // 24 header gradient start
    RgbColor(49, 106, 197),    // 25 header gradient end
};
static_assert(LunaColors.size() == kcLastColorKind + 1, "one colour per kind");

constexpr std::array<int, 30> LunaSizes = {
    3, 2, 29, 19, 10, 21, 21, 14, 14, 4,   // 0..9
    4, 3, 3, 3, 22, 17, 16, 16, 16, 16,    // 10..19
    11, 22, 4, 22, 17, 17, 2, 21, 15, 11,  // 20..29
};
static_assert(LunaSizes.size() == ksLastSizeKind + 1, "one size per kind");

constexpr int CellWidth(TLunaCellId id) { return LunaCellGroups[id].width; }
constexpr int CellHeight(TLunaCellId id) { return LunaCellGroups[id].height; }

// The metrics the skinned form lays out by must match the pictures cut here.
static_assert(LunaSizes[ksFrameWidth] == LunaStandardFrame.border &&
                  LunaSizes[ksToolFrameWidth] == LunaToolFrame.border &&
                  LunaSizes[ksCaptionHeight] == LunaStandardFrame.caption &&
                  LunaSizes[ksToolCaptionHeight] == LunaToolFrame.caption,
              "frame sizes match the frame templates");
static_assert(LunaSizes[ksButtonWidth] == CellWidth(lciCaptionButton) &&
                  LunaSizes[ksButtonHeight] == CellHeight(lciCaptionButton) &&
                  LunaSizes[ksToolButtonWidth] == CellWidth(lciSmallClose) &&
                  LunaSizes[ksToolButtonHeight] == CellHeight(lciSmallClose),
              "caption-button sizes match their cells");
static_assert(LunaSizes[ksCheckBoxWidth] == CellWidth(lciCheckBox) &&
                  LunaSizes[ksCheckBoxHeight] == CellHeight(lciCheckBox) &&
                  CellWidth(lciRadio) == CellWidth(lciCheckBox) &&
                  CellHeight(lciRadio) == CellHeight(lciCheckBox),
              "check-box sizes match their cells");

constexpr TColor TrackSelectionColor = RgbColor(33, 195, 33);  // fixed: not shifted

TRect CellRect(TLunaCellId id, int row = 0, int column = 0)
{
    const TLunaRect r = LunaCell(id, row, column);
    return TRect{r.left, r.top, r.right, r.bottom};
}

int CellMargin(TLunaCellId id) { return LunaCellGroups[id].margin; }

// The caption-button row of a glyph code; false for an unknown glyph.
bool CaptionRow(uint8_t glyph, TLunaCaptionRow& row)
{
    switch (glyph) {
    case kfbClose: row = lcrClose; return true;
    case kfbHelp: row = lcrHelp; return true;
    case kfbMinimize: row = lcrMinimize; return true;
    case kfbMaximize: row = lcrMaximize; return true;
    case kfbRestore: row = lcrRestore; return true;
    case kfbRollup: row = lcrRollUp; return true;
    case kfbRolldown: row = lcrRollDown; return true;
    case kfbTray: row = lcrTray; return true;
    default: return false;
    }
}

// Pictures that can be pressed come in three cells: normal, hot, pressed.
int PressLook(bool hot, bool pressed) { return pressed ? 2 : hot ? 1 : 0; }

TLunaTabSide TabSide(uint8_t position)
{
    switch (position) {
    case ktpBottom: return ltsBottom;
    case ktpLeft: return ltsLeft;
    case ktpRight: return ltsRight;
    default: return ltsTop;
    }
}

// Speed-button faces in the cell order of their group: raised and pushed,
// then the white faces with a blue rim (down, down and hot); the pressed face
// has a cell of its own.
enum TSpeedFace { sfRaised, sfPushed, sfDown, sfDownHot, sfPressed };

// Check-box and radio cells: four state rows per mark.
constexpr int MarkStates = kesDisabled + 1;

TRect Shrunk(const TRect& r, int by) { return TRect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// The cell copied unscaled and opaque to (x, y).
TSkPiece Unscaled(int x, int y, const TRect& cell)
{
    return TSkPiece{{x, y, x + cell.right - cell.left, y + cell.bottom - cell.top}, cell, false};
}

// Margins no wider than half the destination: smaller than two corners,
// the corners would spill out of it.
int FittedMargin(const TRect& dest, int m)
{
    return std::min({m, RectWidth(dest) / 2, RectHeight(dest) / 2});
}

// Nine pieces: the corners unscaled and see-through (they carry the rounded
// edges), the edges and the centre stretched and opaque.
void DrawNinePieces(const TSkBitmap& atlas, TCanvas* canvas, const TRect& cell, const TRect& dest,
                    int margin)
{
    if (IsRectEmptyEx(dest))
        return;
    const int m = FittedMargin(dest, margin);
    const TRect& s = cell;
    const TRect& d = dest;
    const TSkPiece pieces[] = {
        {{d.left + m, d.top + m, d.right - m, d.bottom - m},
         {s.left + m, s.top + m, s.right - m, s.bottom - m}, false},
        {{d.left + m, d.top, d.right - m, d.top + m}, {s.left + m, s.top, s.right - m, s.top + m},
         false},
        {{d.left + m, d.bottom - m, d.right - m, d.bottom},
         {s.left + m, s.bottom - m, s.right - m, s.bottom}, false},
        {{d.left, d.top + m, d.left + m, d.bottom - m}, {s.left, s.top + m, s.left + m, s.bottom - m},
         false},
        {{d.right - m, d.top + m, d.right, d.bottom - m},
         {s.right - m, s.top + m, s.right, s.bottom - m}, false},
        {{d.left, d.top, d.left + m, d.top + m}, {s.left, s.top, s.left + m, s.top + m}, true},
        {{d.right - m, d.top, d.right, d.top + m}, {s.right - m, s.top, s.right, s.top + m}, true},
        {{d.left, d.bottom - m, d.left + m, d.bottom}, {s.left, s.bottom - m, s.left + m, s.bottom},
         true},
        {{d.right - m, d.bottom - m, d.right, d.bottom},
         {s.right - m, s.bottom - m, s.right, s.bottom}, true},
    };
    atlas.DrawPieces(canvas, pieces, std::size(pieces));
}

// The bitmap's own nine pieces, every piece opaque and stretched.
void DrawNineStretched(const TSkBitmap& atlas, TCanvas* canvas, const TRect& cell,
                       const TRect& dest, int m)
{
    if (IsRectEmptyEx(dest))
        return;
    m = FittedMargin(dest, m);
    const TRect& s = cell;
    const TRect& d = dest;
    // As wide (or as high) as the cell, as scroll-bar parts mostly are: three
    // bands draw the same pixels as nine pieces, with fewer copies.
    if (RectWidth(d) == RectWidth(s)) {
        const TSkPiece bands[] = {
            {{d.left, d.top, d.right, d.top + m}, {s.left, s.top, s.right, s.top + m}, false},
            {{d.left, d.top + m, d.right, d.bottom - m}, {s.left, s.top + m, s.right, s.bottom - m},
             false},
            {{d.left, d.bottom - m, d.right, d.bottom}, {s.left, s.bottom - m, s.right, s.bottom},
             false},
        };
        atlas.DrawPieces(canvas, bands, std::size(bands));
    } else if (RectHeight(d) == RectHeight(s)) {
        const TSkPiece bands[] = {
            {{d.left, d.top, d.left + m, d.bottom}, {s.left, s.top, s.left + m, s.bottom}, false},
            {{d.left + m, d.top, d.right - m, d.bottom}, {s.left + m, s.top, s.right - m, s.bottom},
             false},
            {{d.right - m, d.top, d.right, d.bottom}, {s.right - m, s.top, s.right, s.bottom},
             false},
        };
        atlas.DrawPieces(canvas, bands, std::size(bands));
    } else {
        atlas.DrawNine(canvas, dest, false, true, m, m, m, m, cell);
    }
}

// Throws unless the program has a resource name that starts as a PCX image.
void CheckAtlasResource(const char* name)
{
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(program, name, RT_RCDATA);
    HGLOBAL resource = info ? LoadResource(program, info) : nullptr;
    const auto* data = resource ? static_cast<const uint8_t*>(LockResource(resource)) : nullptr;
    if (!data)
        throw ESkBitmapError(std::string("Resource ") + name + " not found");
    if (!StartsAsPcx(data, SizeofResource(program, info)))
        throw ESkBitmapError(std::string("Resource ") + name + " is not a PCX image");
}

// (width - size) div 2, rounding toward zero as the division does.
int CenteredOffset(int extent, int size) { return (extent - size) / 2; }

void DrawCentered(const TSkBitmap& atlas, TCanvas* canvas, const TRect& cell, const TRect& rect)
{
    if (IsRectEmptyEx(rect))
        return;
    const int w = cell.right - cell.left, h = cell.bottom - cell.top;
    atlas.Draw(canvas, rect.left + CenteredOffset(RectWidth(rect), w),
               rect.top + CenteredOffset(RectHeight(rect), h), true, cell);
}

void FrameRings(TCanvas* canvas, TRect r, int count, TColor color)
{
    for (int i = 0; i < count; ++i) {
        r = Shrunk(r, 1);
        FrameRectColor(canvas, r, color);
    }
}

void Polyline(TCanvas* canvas, TPoint origin, std::initializer_list<TPoint> offsets, TColor color)
{
    std::vector<TPoint> points;
    for (const TPoint& p : offsets)
        points.push_back({origin.x + p.x, origin.y + p.y});
    TPen* pen = canvas->Pen();
    pen->SetColor(color);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    canvas->Polyline(points);
}

}  // namespace

TSkThemeLuna::TSkThemeLuna() { LoadImages(); }

TSkThemeLuna::TSkThemeLuna(TDeferLoading) {}

TSkThemeLuna::~TSkThemeLuna() = default;

void TSkThemeLuna::LoadImages() { LoadAtlases("XP_MAIN", "XP_MAIN1"); }

void TSkThemeLuna::LoadAtlases(const char* mainName, const char* secondName)
{
    // Both are checked before either is replaced: a missing resource leaves
    // the theme with the pictures it had.
    for (const char* name : {mainName, secondName})
        CheckAtlasResource(name);
    atlasNames_[0] = mainName;
    atlasNames_[1] = secondName;
    for (auto& atlas : atlases_)
        atlas.reset();
}

const TSkBitmap& TSkThemeLuna::DecodedAtlas(int index) const
{
    std::unique_ptr<TSkBitmap>& atlas = atlases_[index];
    if (atlas)
        return *atlas;
    auto decoded = std::make_unique<TSkBitmap>();
    decoded->LoadFromResource(GetModuleHandleA(nullptr), atlasNames_[index].c_str());
    decoded->ReplaceSimilarColor(decoded->GetPixel(0, 0));
    // A zero shift is skipped: the atlas then stays exactly as stored.
    if (DeltaHue() != 0)
        decoded->ShiftHue(DeltaHue());
    if (DeltaBrightness() != 0)
        decoded->ShiftBrightness(DeltaBrightness());
    atlas = std::move(decoded);
    return *atlas;
}

// The atlases are decoded again, with the new shift, at their next use.
void TSkThemeLuna::UpdateColors() { LoadImages(); }

int TSkThemeLuna::GetSize(uint8_t kind) const
{
    return kind < LunaSizes.size() ? LunaSizes[kind] : 0;
}

TColor TSkThemeLuna::GetColor(uint8_t kind) const
{
    return ShiftedColor(kind < LunaColors.size() ? LunaColors[kind] : SkDefaultThemeColor);
}

std::string TSkThemeLuna::GetFontName(uint8_t) const { return "Tahoma"; }

int TSkThemeLuna::GetFontSize(uint8_t kind) const { return kind == kfCaption ? 10 : 8; }

TFontStyles TSkThemeLuna::GetFontStyle(uint8_t kind) const
{
    return kind == kfCaption || kind == kfToolCaption ? TFontStyles{fsBold} : TFontStyles();
}

std::string TSkThemeLuna::GetName() const { return ClassThemeName(); }

bool TSkThemeLuna::IsAvailable() const { return true; }

// Drawn from its tables and the arguments alone.
bool TSkThemeLuna::CachesPictures() const { return true; }

// Form frame and caption buttons.

void TSkThemeLuna::PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot,
                                   bool pressed, bool active, TSkBorderStyle borderStyle) const
{
    TLunaCaptionRow row;
    if (!CaptionRow(glyph, row) || (glyph == kfbClose && borderStyle == kbsNone))
        return;
    const int column = PressLook(hot, pressed);
    const TRect cell = glyph == kfbClose && borderStyle == kbsToolWindow
                           ? CellRect(lciSmallClose, 0, column)
                           : CellRect(lciCaptionButton, row, column);
    FrameAtlas(active).Draw(canvas, rect.left, rect.top, false, cell);
}

void TSkThemeLuna::PaintFormFrame(TCanvas* canvas, int width, int height, const TRect&,
                                  bool active, TSkBorderStyle borderStyle) const
{
    if (borderStyle == kbsNone || width <= 0 || height <= 0)
        return;
    const bool tool = borderStyle != kbsStandard;
    const TLunaFrame& frame = tool ? LunaToolFrame : LunaStandardFrame;
    const int W = width, H = height, K = GetSize(ksBottomFrameHeight);
    const int F = GetSize(tool ? ksToolFrameWidth : ksFrameWidth);
    const int C = GetSize(tool ? ksToolCaptionHeight : ksCaptionHeight);
    // The template: caption rows 0..cap-1 over captionRight columns, the
    // last F columns the right border, the last F rows the bottom.
    const TRect t = CellRect(frame.cell);
    const int cap = frame.caption, captionRight = t.left + frame.captionWidth;
    const int right = t.right - F, bottom = t.bottom - F;
    // The stretched sides start the standard frame's width below the caption,
    // in tool windows too.
    const int sideTop = cap + GetSize(ksFrameWidth);
    // Caption, bottom, left side, right side; corners unscaled. The bottom
    // strip stops one column short of its right corner.
    const TSkPiece pieces[] = {
        Unscaled(0, 0, {t.left, 0, t.left + K, cap}),
        {{K, 0, W - K, C}, {t.left + K, 0, captionRight - K, cap}, false},
        Unscaled(W - K, 0, {captionRight - K, 0, captionRight, cap}),
        Unscaled(0, H - F, {t.left, bottom, t.left + F, bottom + F}),
        {{F, H - F, W - F, H}, {t.left + F, bottom, right - 1, bottom + F}, false},
        Unscaled(W - F, H - F, {right, bottom, right + F, bottom + F}),
        Unscaled(0, C, {t.left, cap, t.left + F, cap + F}),
        {{0, C + F, F, H - F}, {t.left, sideTop, t.left + F, bottom}, false},
        Unscaled(W - F, C, {right, cap, right + F, cap + F}),
        {{W - F, C + F, W, H - F}, {right, sideTop, right + F, bottom}, false},
    };
    FrameAtlas(active).DrawPieces(canvas, pieces, std::size(pieces));
}

HRGN TSkThemeLuna::GetFormRegion(int width, int height, TSkBorderStyle borderStyle) const
{
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!region || borderStyle != kbsStandard)
        return region;
    // The rounded top corners of the caption, row by row.
    for (int y = 0; y < int(std::size(LunaCaptionCornerCut)); ++y) {
        const int cut = LunaCaptionCornerCut[y];
        for (const RECT& r : {RECT{0, y, cut, y + 1}, RECT{width - cut, y, width, y + 1}}) {
            HRGN cut = CreateRectRgn(r.left, r.top, r.right, r.bottom);
            if (!cut)
                continue;
            CombineRgn(region, region, cut, RGN_DIFF);
            DeleteObject(cut);
        }
    }
    return region;
}

// Push button, check box, radio button.

void TSkThemeLuna::PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    // Rows are the states up to focused; the default button looks focused.
    int row = state;
    if (state == kesDefault)
        row = kesFocused;
    else if (state > kesFocused)
        row = kesNormal;
    DrawNinePieces(Atlas(), canvas, CellRect(lciPushButton, row), {0, 0, width, height},
                   CellMargin(lciPushButton));
}

void TSkThemeLuna::PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                                 uint8_t check) const
{
    if (state > kesDisabled)
        return;  // no cell for other states
    const int mark = check <= kchGrayed ? check : int(kchUnchecked);
    Atlas().Draw(canvas, rect.left, rect.top, true, CellRect(lciCheckBox, MarkStates * mark + state));
}

void TSkThemeLuna::PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                    bool checked) const
{
    if (state > kesDisabled)
        state = kesNormal;
    Atlas().Draw(canvas, rect.left, rect.top, true,
                 CellRect(lciRadio, MarkStates * int(checked ? kchChecked : kchUnchecked) + state));
}

// Track bar.

void TSkThemeLuna::PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                   uint8_t pointer, uint8_t state) const
{
    static const int rows[] = {0, 1, 2, 4, 3};  // by state; the rows end focused, disabled
    static const TLunaCellId verticals[] = {lciThumbV0, lciThumbV1, lciThumbV2};
    static const TLunaCellId horizontals[] = {lciThumbH0, lciThumbH1, lciThumbH2};
    if (pointer >= std::size(verticals))
        return;
    const int row = state < std::size(rows) ? rows[state] : 0;
    const TLunaCellId id = vertical ? verticals[pointer] : horizontals[pointer];
    Atlas1().Draw(canvas, rect.left, rect.top, true, CellRect(id, row));
}

void TSkThemeLuna::PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                                 const TRect& selectionRect) const
{
    FillRectColor(canvas, trackRect, GetColor(kcWindow));
    DrawFrame3D(canvas, trackRect, clBtnShadow, clBtnHighlight);
    if (!IsRectEmptyEx(selectionRect))
        FillRectColor(canvas, Shrunk(selectionRect, 1), TrackSelectionColor);
}

// Progress bar.

void TSkThemeLuna::PaintProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    FrameRoundRectColor(canvas, rect, 3, GetColor(kcBorder));
    FillRectColor(canvas, Shrunk(rect, 1), GetColor(kcWindow));
}

void TSkThemeLuna::PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                                    bool vertical, bool smooth) const
{
    const TColor c = GetColor(kcSelection);
    if (smooth) {
        FillRectColor(canvas, barRect, c);
        return;
    }
    DrawProgressBlocks(canvas, clientRect, barRect, vertical, c);
}

// Header panel and group box.

void TSkThemeLuna::PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool, uint8_t) const
{
    if (IsRectEmptyEx(rect))
        return;
    FillRoundRectColor(canvas, rect, 6, GetColor(kcWindow));
    FrameRoundRectColor(canvas, rect, 6, GetColor(kcBorder));
    TRect body = rect;
    body.top += 20;
    FrameRectColor(canvas, body, GetColor(kcBorder));
    body = Shrunk(body, 1);
    body.top -= 3;
    FillRectColor(canvas, body, GetColor(kcWindow));
}

void TSkThemeLuna::PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                           const std::wstring& caption) const
{
    if (IsRectEmptyEx(rect))
        return;
    const TColor start = GetColor(kcHeaderGradientStart), end = GetColor(kcHeaderGradientEnd);
    MoveTo(canvas, rect.left, rect.bottom);
    LineToColor(canvas, rect.right, rect.bottom, GetColor(kcBorder));
    GradientFillRect(canvas, {rect.left + 1, rect.top, rect.right - 1, rect.top + 1}, start, end,
                     false);
    GradientFillRect(canvas, {rect.left, rect.top + 1, rect.right, rect.top + 2}, start, end,
                     false);
    GradientFillRect(canvas, {rect.left, rect.top + 2, rect.right, rect.bottom}, start, end,
                     false);
    UseFont(canvas, kfHeaderCaption, GetColor(kcHeaderCaptionText));
    TRect text{rect.left + 5, rect.top, rect.right - 5, rect.bottom};
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE));
}

void TSkThemeLuna::PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                          uint8_t state, bool down) const
{
    const int row = kind == khbClose ? 2 : down ? 1 : 0;  // chevron up, chevron down, close
    const TRect cell =
        CellRect(lciHeaderPanelButton, row, PressLook(state == kesHot, state == kesPressed));
    Atlas().Draw(canvas, rect.left, rect.top, true, cell);
}

void TSkThemeLuna::PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                                 const std::wstring& caption) const
{
    if (IsRectEmptyEx(rect))
        return;
    DrawCutCornerGroupLine(canvas, rect, captionRect, GetColor(kcBorder));
    TRect text = captionRect;
    DrawTextWide(canvas, caption, text, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

// Scroll bar.

void TSkThemeLuna::PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind kind) const
{
    Atlas1().StretchDraw(canvas, rect, false,
                         CellRect(kind == sbHorizontal ? lciScrollTrackH : lciScrollTrackV));
}

void TSkThemeLuna::PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind,
                                    uint8_t state) const
{
    if (state > kesDisabled)
        state = kesNormal;
    DrawNineStretched(Atlas1(), canvas, CellRect(lciScrollBody, state), rect,
                      CellMargin(lciScrollBody));
}

void TSkThemeLuna::PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                     bool first, uint8_t state) const
{
    PaintScrollThumb(canvas, rect, kind, state);
    if (state > kesDisabled)
        state = kesNormal;
    const TLunaArrow arrow = kind == sbVertical ? (first ? laUp : laDown) : (first ? laLeft : laRight);
    DrawCentered(Atlas1(), canvas, CellRect(lciScrollArrow, state, arrow), rect);
}

// Tabs.

void TSkThemeLuna::PaintTabSheet(TCanvas* canvas, const TRect& rect) const
{
    DrawNineStretched(Atlas1(), canvas, CellRect(lciTabSheet), rect, CellMargin(lciTabSheet));
}

void TSkThemeLuna::PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                            uint8_t state) const
{
    TLunaCellId id;
    switch (state) {
    case kesNormal: id = lciTabNormal; break;
    case kesHot: id = lciTabHot; break;
    case kesSelected: id = lciTabSelected; break;
    default: return;  // no picture for other states
    }
    DrawNinePieces(Atlas1(), canvas, CellRect(id, 0, TabSide(position)), rect, CellMargin(id));
}

void TSkThemeLuna::PaintTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t,
                                        uint8_t state) const
{
    PaintScrollButton(canvas, rect, sbHorizontal, first, state);
}

// Edit, memo and combo.

void TSkThemeLuna::PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    if (IsRectEmptyEx(rect))
        return;
    const bool disabled = state == kesDisabled;
    const TColor fill = GetColor(disabled ? kcDisabledFace : kcWindow);
    FillRectColor(canvas, rect.right - 20, rect.bottom - 20, rect.right, rect.bottom, fill);
    FrameRectColor(canvas, rect, GetColor(disabled ? kcDisabledBorder : kcBorder));
    FrameRings(canvas, rect, 8, fill);
}

void TSkThemeLuna::PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const
{
    if (IsRectEmptyEx(rect))
        return;
    const TColor fill = GetColor(enabled ? kcFace : kcDisabledFace);
    FillRectColor(canvas, rect.right - 20, rect.bottom - 20, rect.right, rect.bottom, fill);
    FrameRectColor(canvas, rect, GetColor(enabled ? kcBorder : kcDisabledBorder));
    FrameRings(canvas, rect, 9, fill);
}

void TSkThemeLuna::PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    if (IsRectEmptyEx(rect))
        return;
    if (state > kesDisabled)
        state = kesNormal;
    const TRect cell = CellRect(lciComboButton, state);
    Atlas().Draw(canvas, rect.left, rect.top, false, {cell.left, cell.top, cell.right, cell.top + 3});
    Atlas().Draw(canvas, rect.left, rect.bottom - 3, false,
                 {cell.left, cell.bottom - 3, cell.right, cell.bottom});
    Atlas().StretchDraw(canvas, {rect.left, rect.top + 3, rect.right, rect.bottom - 3}, false,
                        {cell.left, cell.top + 3, cell.right, cell.bottom - 3});
    DrawCentered(Atlas(), canvas, CellRect(lciComboGlyph, state), rect);
}

// Speed buttons and bars.

void TSkThemeLuna::PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                    bool down) const
{
    if (state > kesDisabled)
        state = kesNormal;
    if ((flat && state == kesNormal && !down) || state == kesDisabled)
        return;
    TSpeedFace face;
    if (flat) {
        if (state == kesPressed)
            face = sfPushed;
        else if (state == kesHot)
            face = down ? sfDownHot : sfRaised;
        else
            face = sfDown;
    } else if (state == kesPressed) {
        face = sfPressed;
    } else if (state == kesHot) {
        face = down ? sfDown : sfPushed;
    } else {
        face = down ? sfDown : sfRaised;
    }
    const TRect cell = face == sfPressed ? CellRect(lciSpeedPressed)
                                         : CellRect(lciSpeedFace, face / 2, face % 2);
    DrawNinePieces(Atlas(), canvas, cell, rect, CellMargin(lciSpeedFace));
}

void TSkThemeLuna::PaintSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                        bool flat, bool down) const
{
    PaintSpeedButton(canvas, rect, state, flat, down);
    if (state > kesDisabled)
        state = kesNormal;
    // The arrows of a down button end where the status bar strip begins:
    // the pressed one is 2 rows high and the disabled one is the plain
    // disabled arrow, so no strip pixels show as an arrow.
    TRect arrow;
    if (!down || state == kesDisabled)
        arrow = CellRect(lciDropArrow, state);
    else if (state == kesPressed)
        arrow = CellRect(lciDropArrowDownPressed);
    else
        arrow = CellRect(lciDropArrowDown, state);
    DrawCentered(Atlas(), canvas, arrow, rect);
}

void TSkThemeLuna::PaintSpeedContainer(TCanvas* canvas, const TRect& rect) const
{
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeLuna::PaintBarBackground(TCanvas* canvas, const TRect& rect) const
{
    FillRectColor(canvas, rect, GetColor(kcFace));
}

void TSkThemeLuna::PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    const TSkColor face = ColorToSkColor(GetColor(kcFace));
    FillRectColor(canvas, rect, GetColor(kcFace));
    DrawFrame3D(canvas, rect, SkColorToColor(LightenSkColor(face, 50)),
                SkColorToColor(DarkenSkColor(face, 50)));
    Atlas().TileDraw(canvas, gripRect, true, CellRect(lciGripDot));
}

void TSkThemeLuna::PaintSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                    uint8_t) const
{
    if (state > kesDisabled)
        state = kesNormal;
    DrawNinePieces(Atlas(), canvas, CellRect(lciSmallButton, state), rect,
                   CellMargin(lciSmallButton));
}

void TSkThemeLuna::PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    if (flags & kibDown) {
        const TRect r = GrowRect(rect, 1);
        FillRectColor(canvas, r, GetColor(kcFace));
        FrameRectColor(canvas, r, GetColor(kcPopupHighlight));
        return;
    }
    const uint8_t kind = (flags & kibSelected) ? kcSelection : (flags & kibHot) ? kcHotFace : kcWindow;
    FillRectColor(canvas, rect, GetColor(kind));
}

void TSkThemeLuna::PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool) const
{
    FillRectColor(canvas, rect, GetColor(hot ? kcHotFace : kcFace));
}

void TSkThemeLuna::PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t,
                                      uint8_t state) const
{
    // Rows: normal, disabled or focused, hot, pressed; by state.
    static const int rows[] = {0, 2, 3, 1, 1, 2};
    const int row = state < std::size(rows) ? rows[state] : 0;
    DrawNineStretched(Atlas1(), canvas, CellRect(lciHeaderSection, row), rect,
                      CellMargin(lciHeaderSection));
}

// Status bar.

void TSkThemeLuna::PaintStatusBar(TCanvas* canvas, const TRect& rect) const
{
    Atlas().StretchDraw(canvas, rect, false, CellRect(lciStatusBar));
}

void TSkThemeLuna::PaintSizeGrip(TCanvas* canvas, const TRect& rect) const
{
    Atlas().StretchDraw(canvas, rect, true, CellRect(lciSizeGrip));
}

void TSkThemeLuna::PaintStatusPanel(TCanvas* canvas, const TRect& rect,
                                    TSkStatusPanel* panel) const
{
    if (panel && panel->StatusBar()) {
        const TControl* bar = panel->StatusBar();
        PaintStatusBar(canvas, {0, 0, bar->Width(), bar->Height()});
    }
    const TRect separator = CellRect(lciStatusSeparator);
    Atlas().StretchDraw(canvas, {rect.right - RectWidth(separator), rect.top, rect.right, rect.bottom},
                        true, separator);
}

// Menus.

void TSkThemeLuna::MeasureMenuBarItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                      int& height) const
{
    MeasureMenuBarText(canvas, item, width, height);
}

void TSkThemeLuna::MeasurePopupItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                    int& height) const
{
    MeasurePopupText(canvas, item, width, height);
}

void TSkThemeLuna::PaintMenuBarBackground(TCanvas* canvas, int width, int height) const
{
    FillRectColor(canvas, 0, 0, width, height, GetColor(kcMenuBar));
}

void TSkThemeLuna::PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                    bool selected, bool hot) const
{
    if (!item || IsRectEmptyEx(rect))
        return;
    const bool button = item->ButtonStyle();
    FillRectColor(canvas, rect, GetColor(button ? kcFace : kcMenuBar));
    TRect r = Shrunk(rect, 1);
    TColor text = GetColor(kcMenuBarText);
    if (selected && button) {
        PaintSpeedButton(canvas, r, hot ? kesNormal : kesPressed, false, false);
    } else if (selected) {
        FillRectColor(canvas, r, GetColor(kcMenuBarHighlight));
        FrameRectColor(canvas, r, GetColor(kcMenuBorder));
        text = GetColor(kcMenuBarHighlightText);
    }
    UseFont(canvas, kfMenuBar, text);
    DrawTextWide(canvas, item->Caption(), r,
                 DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}

void TSkThemeLuna::PaintMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                      bool selected, bool hot) const
{
    if (!item)
        return;
    int column;  // the cells' columns: minimize, restore, close
    switch (item->SystemKind()) {
    case ksbClose: column = 2; break;
    case ksbRestore: column = 1; break;
    case ksbMinimize: column = 0; break;
    case ksbIcon:
        FillRectColor(canvas, rect, GetColor(selected ? kcMenuBarHighlight : kcMenuBar));
        return;
    default: return;
    }
    const int row = PressLook(selected && hot, selected && !hot);  // rows: normal, hot, pressed
    DrawCentered(Atlas(), canvas, CellRect(lciMenuBarButton, row, column), rect);
}

void TSkThemeLuna::PaintPopupBackground(TCanvas* canvas, int width, int height) const
{
    const TRect r{0, 0, width, height};
    FrameRectColor(canvas, r, GetColor(kcMenuBorder));
    FrameRings(canvas, r, 2, GetColor(kcPopup));
}

void TSkThemeLuna::PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                  bool selected, bool) const
{
    if (!item || IsRectEmptyEx(rect))
        return;
    if (item->IsSeparator()) {
        FillRectColor(canvas, rect, GetColor(kcPopup));
        MoveTo(canvas, rect.left + 2, rect.top + 4);
        LineToColor(canvas, rect.right - 2, rect.top + 4, clBtnShadow);
        return;
    }
    TColor text;
    if (selected) {
        FillRectColor(canvas, rect, GetColor(kcPopupHighlight));
        FrameRectColor(canvas, rect, GetColor(kcMenuBorder));
        text = GetColor(kcPopupHighlightText);
    } else {
        FillRectColor(canvas, rect, GetColor(kcPopup));
        text = GetColor(kcPopupText);
    }
    const TRect column{rect.left, rect.top, rect.left + ItemGlyphColumnWidth(item), rect.bottom};
    if (item->HasImage()) {
        TImageList* images = item->EffectiveImages();
        images->Draw(canvas,
                     column.left + CenteredOffset(RectWidth(column), images->Width()),
                     column.top + CenteredOffset(RectHeight(column), images->Height()),
                     item->ImageIndex(), item->Enabled());
    } else if (item->Checked()) {
        const TPoint at{(column.left + column.right) / 2 - 2, (column.top + column.bottom) / 2 + 1};
        Polyline(canvas, at, {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}},
                 clBlack);
        Polyline(canvas, at, {{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}}, clWhite);
    }
    UseFont(canvas, kfPopup, item->Enabled() ? text : GetColor(kcDisabledMenuText));
    TRect caption{column.right + 4, rect.top, rect.right, rect.bottom};
    DrawTextWide(canvas, item->Caption(), caption,
                 DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE));
    const std::string shortCut = ShortCutToText(item->ShortCut());
    if (!shortCut.empty()) {
        TRect keys{column.right + 4, rect.top, rect.right - RectHeight(rect), rect.bottom};
        DrawTextWide(canvas, std::wstring(shortCut.begin(), shortCut.end()), keys,
                     DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_RIGHT));
    }
    if (item->Count() > 0)
        DrawFrameGlyph(canvas, {rect.right - 24, rect.top, rect.right - 2, rect.bottom}, DFC_MENU,
                       clBlack, DFCS_MENUARROW);
}

void TSkThemeLuna::PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                          bool hot) const
{
    if (IsRectEmptyEx(rect))
        return;
    const TColor ink = GetColor(kcPopupText);
    const TColor back = GetColor(kcPopup);
    FillRectColor(canvas, rect, back);
    if (hot) {
        const TSkColor base = ColorToSkColor(back);
        FrameRectColor(canvas, rect, ink);
        DitherFillRect(canvas, Shrunk(rect, 1), SkColorToColor(LightenSkColor(base, 90)),
                       SkColorToColor(DarkenSkColor(base, 90)));
    }
    if (direction != kpsUp && direction != kpsDown)
        return;
    // A 7 x 4 triangle, one row per line: 1, 3, 5, 7 pixels wide.
    const int left = rect.left + CenteredOffset(RectWidth(rect), 7);
    const int top = rect.top + CenteredOffset(RectHeight(rect), 4);
    for (int row = 0; row < 4; ++row) {
        const int half = direction == kpsUp ? row : 3 - row;
        FillRectColor(canvas, left + 3 - half, top + row, left + 4 + half, top + row + 1, ink);
    }
}
