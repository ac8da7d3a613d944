// Theme interface: the "No Theme" look that every look derives from.
#include "styling/core/themethemes.h"

#include "framework/base/sysutils.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/skcolors.h"
#include "styling/core/skdraw.h"
#include "styling/core/skelementcache.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"

#include <algorithm>
#include <array>
#include <typeinfo>

FW_IMPLEMENT_CLASS(TSkTheme, TPersistent)

void TSkTheme::UpdateColors() {}

int TSkTheme::GetSize(uint8_t) const { return 0; }

TColor TSkTheme::GetColor(uint8_t) const { return ShiftedColor(SkDefaultThemeColor); }

std::string TSkTheme::GetFontName(uint8_t) const { return std::string(); }

int TSkTheme::GetFontSize(uint8_t) const { return 0; }

TFontStyles TSkTheme::GetFontStyle(uint8_t) const { return TFontStyles(); }

bool TSkTheme::HasCaptionShadow() const { return true; }

namespace {

using TParams = std::array<int32_t, 12>;

TSkElementKey ElementKey(const TSkTheme& look, uint32_t element, const TParams& params)
{
    TSkElementKey key;
    key.look = &typeid(look);
    key.deltaHue = look.DeltaHue();
    key.deltaBrightness = look.DeltaBrightness();
    key.biDiMode = int32_t(look.BiDiMode());
    key.element = element;
    key.params = params;
    return key;
}

TSkElementKey ElementKey(const TSkTheme& look, uint32_t element,
                         std::initializer_list<int32_t> params)
{
    TParams all{};
    std::copy(params.begin(), params.end(), all.begin());
    return ElementKey(look, element, all);
}

// Elements with text: the text and the canvas's font count too.
TSkElementKey ElementKey(const TSkTheme& look, uint32_t element, const TParams& params,
                         const std::wstring& text)
{
    TSkElementKey key = ElementKey(look, element, params);
    key.text = text;
    key.usesFont = true;
    return key;
}

TSkElementKey ElementKey(const TSkTheme& look, uint32_t element,
                         std::initializer_list<int32_t> params, const std::wstring& text)
{
    TParams all{};
    std::copy(params.begin(), params.end(), all.begin());
    return ElementKey(look, element, all, text);
}

// A rectangle inside an element, relative to the element's top-left.
TParams Within(const TRect& element, const TRect& inner, std::initializer_list<int32_t> more = {})
{
    TParams p{int32_t(inner.left - element.left), int32_t(inner.top - element.top),
              int32_t(inner.right - element.left), int32_t(inner.bottom - element.top)};
    std::copy(more.begin(), more.end(), p.begin() + 4);
    return p;
}

// What of a menu item its paint reads, besides the caption. Items with an
// image list are painted every time: the list's pictures may change.
bool KeepsItem(const TSkCustomItem* item) { return item && !item->EffectiveImages(); }

TParams ItemParams(const TSkCustomItem* item, bool selected, bool hot)
{
    return {selected,
            hot,
            int32_t(item->ShortCut()),
            int32_t(item->SystemKind()),
            item->Enabled(),
            item->Checked(),
            item->Count() > 0,
            item->ButtonStyle()};
}

}  // namespace

// Each element is keyed by its place in the slot order and what of its
// arguments changes its pixels.
void TSkTheme::DrawFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot,
                              bool pressed, bool active, TSkBorderStyle borderStyle) const
{
    auto paint = [&](TCanvas* c) {
        PaintFormButton(c, rect, glyph, hot, pressed, active, borderStyle);
    };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect,
                   ElementKey(*this, 0, {glyph, hot, pressed, active, int32_t(borderStyle)}),
                   paint);
}

void TSkTheme::DrawFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                             bool active, TSkBorderStyle borderStyle) const
{
    auto paint = [&](TCanvas* c) {
        PaintFormFrame(c, width, height, clientBounds, active, borderStyle);
    };
    if (!CachesPictures())
        return paint(canvas);
    const TRect window{0, 0, width, height};
    SkPaintElement(canvas, window,
                   ElementKey(*this, 1, Within(window, clientBounds, {active, int32_t(borderStyle)})),
                   paint);
}

void TSkTheme::DrawMenuBarBackground(TCanvas* canvas, int width, int height) const
{
    auto paint = [&](TCanvas* c) { PaintMenuBarBackground(c, width, height); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, TRect{0, 0, width, height}, ElementKey(*this, 2, {}), paint);
}

void TSkTheme::DrawMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                               bool selected, bool hot) const
{
    auto paint = [&](TCanvas* c) { PaintMenuBarItem(c, item, rect, selected, hot); };
    if (!CachesPictures() || !KeepsItem(item))
        return paint(canvas);
    SkPaintElement(canvas, rect,
                   ElementKey(*this, 3, ItemParams(item, selected, hot), item->Caption()), paint);
}

void TSkTheme::DrawMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                 bool selected, bool hot) const
{
    auto paint = [&](TCanvas* c) { PaintMenuBarButton(c, item, rect, selected, hot); };
    if (!CachesPictures() || !KeepsItem(item))
        return paint(canvas);
    SkPaintElement(canvas, rect,
                   ElementKey(*this, 4, ItemParams(item, selected, hot), item->Caption()), paint);
}

void TSkTheme::DrawPopupBackground(TCanvas* canvas, int width, int height) const
{
    auto paint = [&](TCanvas* c) { PaintPopupBackground(c, width, height); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, TRect{0, 0, width, height}, ElementKey(*this, 5, {}), paint);
}

void TSkTheme::DrawPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                             bool hot) const
{
    auto paint = [&](TCanvas* c) { PaintPopupItem(c, item, rect, selected, hot); };
    if (!CachesPictures() || !KeepsItem(item))
        return paint(canvas);
    SkPaintElement(canvas, rect,
                   ElementKey(*this, 6, ItemParams(item, selected, hot), item->Caption()), paint);
}

void TSkTheme::DrawPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                     bool hot) const
{
    auto paint = [&](TCanvas* c) { PaintPopupScrollButton(c, rect, direction, hot); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 7, {direction, hot}), paint);
}

void TSkTheme::DrawButton(TCanvas* canvas, int width, int height, uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintButton(c, width, height, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, TRect{0, 0, width, height}, ElementKey(*this, 8, {state}), paint);
}

void TSkTheme::DrawCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state, uint8_t check) const
{
    auto paint = [&](TCanvas* c) { PaintCheckBox(c, rect, state, check); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 9, {state, check}), paint);
}

void TSkTheme::DrawRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                               bool checked) const
{
    auto paint = [&](TCanvas* c) { PaintRadioButton(c, rect, state, checked); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 10, {state, checked}), paint);
}

void TSkTheme::DrawTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical, uint8_t pointer,
                              uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintTrackThumb(c, rect, vertical, pointer, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 11, {vertical, pointer, state}), paint);
}

void TSkTheme::DrawTrackBar(TCanvas* canvas, const TRect& trackRect,
                            const TRect& selectionRect) const
{
    auto paint = [&](TCanvas* c) { PaintTrackBar(c, trackRect, selectionRect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, trackRect, ElementKey(*this, 12, Within(trackRect, selectionRect)),
                   paint);
}

void TSkTheme::DrawProgressFrame(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintProgressFrame(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 13, {}), paint);
}

void TSkTheme::DrawProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                               bool vertical, bool smooth) const
{
    auto paint = [&](TCanvas* c) { PaintProgressBar(c, clientRect, barRect, vertical, smooth); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, clientRect,
                   ElementKey(*this, 14, Within(clientRect, barRect, {vertical, smooth})), paint);
}

void TSkTheme::DrawHeaderPanel(TCanvas* canvas, const TRect& rect, bool border,
                               uint8_t unused) const
{
    auto paint = [&](TCanvas* c) { PaintHeaderPanel(c, rect, border, unused); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 15, {border, unused}), paint);
}

void TSkTheme::DrawHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                      const std::wstring& caption) const
{
    auto paint = [&](TCanvas* c) { PaintHeaderPanelCaption(c, rect, caption); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 16, {}, caption), paint);
}

void TSkTheme::DrawHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                     uint8_t state, bool down) const
{
    auto paint = [&](TCanvas* c) { PaintHeaderPanelButton(c, rect, kind, state, down); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 17, {kind, state, down}), paint);
}

void TSkTheme::DrawGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                            const std::wstring& caption) const
{
    auto paint = [&](TCanvas* c) { PaintGroupBox(c, rect, captionRect, caption); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 18, Within(rect, captionRect), caption), paint);
}

void TSkTheme::DrawScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind kind) const
{
    auto paint = [&](TCanvas* c) { PaintScrollTrack(c, rect, kind); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 19, {int32_t(kind)}), paint);
}

void TSkTheme::DrawScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind, bool first,
                                uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintScrollButton(c, rect, kind, first, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 20, {int32_t(kind), first, state}), paint);
}

void TSkTheme::DrawScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                               uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintScrollThumb(c, rect, kind, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 21, {int32_t(kind), state}), paint);
}

void TSkTheme::DrawTabSheet(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintTabSheet(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 22, {}), paint);
}

void TSkTheme::DrawTab(TCanvas* canvas, const TRect& rect, uint8_t position, uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintTab(c, rect, position, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 23, {position, state}), paint);
}

void TSkTheme::DrawTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t unused,
                                   uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintTabScrollButton(c, rect, first, unused, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 24, {first, unused, state}), paint);
}

void TSkTheme::DrawEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintEditFrame(c, rect, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 25, {state}), paint);
}

void TSkTheme::DrawComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintComboButton(c, rect, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 26, {state}), paint);
}

void TSkTheme::DrawSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                               bool down) const
{
    auto paint = [&](TCanvas* c) { PaintSpeedButton(c, rect, state, flat, down); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 27, {state, flat, down}), paint);
}

void TSkTheme::DrawSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                   bool down) const
{
    auto paint = [&](TCanvas* c) { PaintSpeedDropButton(c, rect, state, flat, down); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 28, {state, flat, down}), paint);
}

void TSkTheme::DrawSpeedContainer(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintSpeedContainer(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 29, {}), paint);
}

void TSkTheme::DrawGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const
{
    auto paint = [&](TCanvas* c) { PaintGripBar(c, rect, gripRect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 30, Within(rect, gripRect)), paint);
}

void TSkTheme::DrawBarBackground(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintBarBackground(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 31, {}), paint);
}

void TSkTheme::DrawSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                               uint8_t unused) const
{
    auto paint = [&](TCanvas* c) { PaintSmallButton(c, rect, state, unused); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 32, {state, unused}), paint);
}

void TSkTheme::DrawItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const
{
    auto paint = [&](TCanvas* c) { PaintItemBackground(c, rect, flags); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 33, {flags}), paint);
}

void TSkTheme::DrawPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const
{
    auto paint = [&](TCanvas* c) { PaintPanelFace(c, rect, hot, bevel); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 34, {hot, bevel}), paint);
}

void TSkTheme::DrawHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                                 uint8_t state) const
{
    auto paint = [&](TCanvas* c) { PaintHeaderSection(c, rect, unused, state); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 35, {unused, state}), paint);
}

void TSkTheme::DrawStatusBar(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintStatusBar(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 36, {}), paint);
}

void TSkTheme::DrawSizeGrip(TCanvas* canvas, const TRect& rect) const
{
    auto paint = [&](TCanvas* c) { PaintSizeGrip(c, rect); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 37, {}), paint);
}

void TSkTheme::DrawStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel* panel) const
{
    auto paint = [&](TCanvas* c) { PaintStatusPanel(c, rect, panel); };
    // A panel of a status bar may paint the whole bar, past its rectangle.
    if (!CachesPictures() || (panel && panel->StatusBar()))
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 38, {panel != nullptr}), paint);
}

void TSkTheme::DrawMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const
{
    auto paint = [&](TCanvas* c) { PaintMemoFrame(c, rect, enabled); };
    if (!CachesPictures())
        return paint(canvas);
    SkPaintElement(canvas, rect, ElementKey(*this, 39, {enabled}), paint);
}

// The "No Theme" look paints nothing: controls draw their plain look instead.
void TSkTheme::PaintFormButton(TCanvas*, const TRect&, uint8_t, bool, bool, bool,
                              TSkBorderStyle) const {}
void TSkTheme::PaintFormFrame(TCanvas*, int, int, const TRect&, bool, TSkBorderStyle) const {}
void TSkTheme::MeasureMenuBarItem(TCanvas*, TSkCustomItem*, int&, int&) const {}
void TSkTheme::MeasurePopupItem(TCanvas*, TSkCustomItem*, int&, int&) const {}
void TSkTheme::PaintMenuBarBackground(TCanvas*, int, int) const {}
void TSkTheme::PaintMenuBarItem(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::PaintMenuBarButton(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::PaintPopupBackground(TCanvas*, int, int) const {}
void TSkTheme::PaintPopupItem(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::PaintPopupScrollButton(TCanvas*, const TRect&, uint8_t, bool) const {}
void TSkTheme::PaintButton(TCanvas*, int, int, uint8_t) const {}
void TSkTheme::PaintCheckBox(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::PaintRadioButton(TCanvas*, const TRect&, uint8_t, bool) const {}
void TSkTheme::PaintTrackThumb(TCanvas*, const TRect&, bool, uint8_t, uint8_t) const {}
void TSkTheme::PaintTrackBar(TCanvas*, const TRect&, const TRect&) const {}
void TSkTheme::PaintProgressFrame(TCanvas*, const TRect&) const {}
void TSkTheme::PaintProgressBar(TCanvas*, const TRect&, const TRect&, bool, bool) const {}
void TSkTheme::PaintHeaderPanel(TCanvas*, const TRect&, bool, uint8_t) const {}
void TSkTheme::PaintHeaderPanelCaption(TCanvas*, const TRect&, const std::wstring&) const {}
void TSkTheme::PaintHeaderPanelButton(TCanvas*, const TRect&, uint8_t, uint8_t, bool) const {}
void TSkTheme::PaintGroupBox(TCanvas*, const TRect&, const TRect&, const std::wstring&) const {}
void TSkTheme::PaintScrollTrack(TCanvas*, const TRect&, TScrollBarKind) const {}
void TSkTheme::PaintScrollButton(TCanvas*, const TRect&, TScrollBarKind, bool, uint8_t) const {}
void TSkTheme::PaintScrollThumb(TCanvas*, const TRect&, TScrollBarKind, uint8_t) const {}
void TSkTheme::PaintTabSheet(TCanvas*, const TRect&) const {}
void TSkTheme::PaintTab(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::PaintTabScrollButton(TCanvas*, const TRect&, bool, uint8_t, uint8_t) const {}
void TSkTheme::PaintEditFrame(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::PaintComboButton(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::PaintSpeedButton(TCanvas*, const TRect&, uint8_t, bool, bool) const {}
void TSkTheme::PaintSpeedDropButton(TCanvas*, const TRect&, uint8_t, bool, bool) const {}
void TSkTheme::PaintSpeedContainer(TCanvas*, const TRect&) const {}
void TSkTheme::PaintGripBar(TCanvas*, const TRect&, const TRect&) const {}
void TSkTheme::PaintBarBackground(TCanvas*, const TRect&) const {}
void TSkTheme::PaintSmallButton(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::PaintItemBackground(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::PaintPanelFace(TCanvas*, const TRect&, bool, bool) const {}
void TSkTheme::PaintHeaderSection(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::PaintStatusBar(TCanvas*, const TRect&) const {}
void TSkTheme::PaintSizeGrip(TCanvas*, const TRect&) const {}
void TSkTheme::PaintStatusPanel(TCanvas*, const TRect&, TSkStatusPanel*) const {}
void TSkTheme::PaintMemoFrame(TCanvas*, const TRect&, bool) const {}

bool TSkTheme::CachesPictures() const { return false; }

HRGN TSkTheme::GetFormRegion(int, int, TSkBorderStyle) const { return nullptr; }

std::string TSkTheme::GetName() const { return ClassThemeName(); }

bool TSkTheme::IsAvailable() const { return false; }

void TSkTheme::SetDeltaHue(int value)
{
    if (value == deltaHue_)
        return;
    deltaHue_ = value;
    UpdateColors();
}

void TSkTheme::SetDeltaBrightness(int value)
{
    if (value == deltaBrightness_)
        return;
    deltaBrightness_ = value;
    UpdateColors();
}

bool TSkTheme::UseRightToLeftAlignment() const
{
    return SysLocale().MiddleEast && biDiMode_ == bdRightToLeft;
}

bool TSkTheme::UseRightToLeftReading() const
{
    return SysLocale().MiddleEast && biDiMode_ != bdLeftToRight;
}

unsigned TSkTheme::DrawTextBiDiModeFlagsReadingOnly() const
{
    return UseRightToLeftReading() ? DT_RTLREADING : 0;
}

unsigned TSkTheme::DrawTextBiDiModeFlags(unsigned flags) const
{
    if (UseRightToLeftAlignment()) {
        if (flags & DT_RIGHT)
            flags &= ~unsigned(DT_RIGHT);
        else if (!(flags & DT_CENTER))
            flags |= DT_RIGHT;
    }
    return flags | DrawTextBiDiModeFlagsReadingOnly();
}

TColor TSkTheme::ShiftedColor(TColor base) const
{
    return ShiftThemeColor(base, deltaHue_, deltaBrightness_);
}

void TSkTheme::UseFont(TCanvas* canvas, uint8_t kind, TColor color) const
{
    TFont* font = canvas->Font();
    font->SetName(GetFontName(kind));
    font->SetSize(GetFontSize(kind));
    font->SetStyle(GetFontStyle(kind));
    font->SetColor(color);
}

void TSkTheme::MeasureMenuBarText(TCanvas* canvas, TSkCustomItem* item, int& width,
                                  int& height) const
{
    if (!item)
        return;
    UseFont(canvas, kfMenuBar, GetColor(kcMenuBarText));
    width = TextWidthWide(canvas, item->Caption(), DT_SINGLELINE) + 12;
    height = GetSize(ksMenuItemHeight);
}

void TSkTheme::MeasurePopupText(TCanvas* canvas, TSkCustomItem* item, int& width,
                                int& height) const
{
    if (!item)
        return;
    UseFont(canvas, kfPopup, GetColor(kcPopupText));
    height = item->IsSeparator() ? 9 : GetSize(ksMenuItemHeight);
    const std::string shortCut = ShortCutToText(item->ShortCut());
    width = TextWidthWide(canvas, item->Caption(), DT_SINGLELINE) + 42 +
            TextWidthWide(canvas, std::wstring(shortCut.begin(), shortCut.end()), DT_SINGLELINE) +
            22;
}

// Added to the menu bar's caption glyphs, as the classic menu bar does.
constexpr UINT MenuBarGlyphFlag = 0x10;

void TSkTheme::DrawMenuBarSystemButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                       bool selected, bool hot) const
{
    if (!item || IsRectEmptyEx(rect))
        return;
    TRect r = GrowRect(rect, -1);
    FillRectColor(canvas, r, SkColorToColor(SkBtnFaceColor()));
    UINT glyph;
    switch (item->SystemKind()) {
    case ksbClose: glyph = DFCS_CAPTIONCLOSE; break;
    case ksbRestore: glyph = DFCS_CAPTIONRESTORE; break;
    case ksbMinimize: glyph = DFCS_CAPTIONMIN; break;
    case ksbIcon:
        if (!selected) {
            FillRectColor(canvas, r, GetColor(kcPopup));
            return;
        }
        FillRectColor(canvas, r, GetColor(kcPopupHighlight));
        for (int y = r.top; y < r.bottom; y += 3)
            FillRectColor(canvas, r.left, y, r.right, y + 1, SkColorToColor(SkBtnHighlightColor()));
        return;
    default: return;
    }
    r = GrowRect(r, -2);
    r.right += 1;
    r.bottom -= 1;
    if (IsRectEmptyEx(r))
        return;
    if (selected)
        glyph |= hot ? DFCS_FLAT : DFCS_PUSHED;
    DrawFrameControl(canvas->Handle(), &r, DFC_CAPTION, glyph | MenuBarGlyphFlag);
}

void TSkTheme::DrawPopupSeparator(TCanvas* canvas, const TRect& rect) const
{
    FillRectColor(canvas, rect, GetColor(kcPopup));
    const TRect line{rect.left + 2, rect.top + 4, rect.right - 2, rect.top + 5};
    if (line.bottom <= rect.bottom)
        FillRectColor(canvas, line, clBtnShadow);
}

void TSkTheme::DrawPopupItemContent(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                    bool selected) const
{
    const TColor text = GetColor(selected ? kcPopupHighlightText : kcPopupText);
    const bool enabled = item->Enabled();
    const TColor ink = enabled ? text : GetColor(kcDisabledMenuText);
    const TRect column{rect.left, rect.top,
                       std::min(int(rect.right), int(rect.left) + ItemGlyphColumnWidth(item)), rect.bottom};
    if (item->HasImage()) {
        TImageList* images = item->EffectiveImages();
        const TRect at = CenterRect({0, 0, images->Width(), images->Height()}, column);
        if (RectsEqual(IntersectRects(at, column), at))
            images->Draw(canvas, at.left, at.top, item->ImageIndex(), enabled);
    } else if (item->Checked()) {
        DrawFrameGlyph(canvas, CenterRect({0, 0, 16, 16}, column), DFC_MENU, ink, DFCS_MENUCHECK);
    }
    // A disabled entry is etched: white first, one pixel down and right.
    const std::string keys = ShortCutToText(item->ShortCut());
    auto texts = [&](int d, TColor color) {
        UseFont(canvas, kfPopup, color);
        TRect caption{column.right + 4 + d, rect.top + d, rect.right + d, rect.bottom + d};
        DrawTextWide(canvas, item->Caption(), caption, DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE));
        if (keys.empty())
            return;
        TRect shortCut{column.right + 4 + d, rect.top + d, rect.right - RectHeight(rect) + d,
                       rect.bottom + d};
        DrawTextWide(canvas, std::wstring(keys.begin(), keys.end()), shortCut,
                     DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_RIGHT));
    };
    if (!enabled && !selected)
        texts(1, clWhite);
    texts(0, ink);
    if (item->Count() > 0 && RectWidth(rect) > 12 && RectHeight(rect) >= 5) {
        const int top = rect.top + (RectHeight(rect) - 5) / 2;
        const TRect arrow{rect.right - 12, top, rect.right - 7, top + 5};
        FillRoundRectColor(canvas, arrow, 2, ink);
        FrameRoundRectColor(canvas, arrow, 2, GetColor(kcMenuBorder));
    }
}

void TSkTheme::DrawPopupScrollFace(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                   bool hot) const
{
    if (IsRectEmptyEx(rect))
        return;
    const TColor ink = GetColor(kcPopupText), back = GetColor(kcPopup);
    FillRectColor(canvas, rect, back);
    if (hot) {
        FrameRectColor(canvas, rect, ink);
        DitherFillRect(canvas, GrowRect(rect, -1), LightenColor(back, 90), DarkenColor(back, 90));
    }
    if (direction == kpsUp || direction == kpsDown)
        DrawSmallArrow(canvas, rect, direction == kpsDown, 0, 0, ink);
}

void TSkTheme::DrawClassicMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                      bool selected, bool hot, TColor outline, bool round) const
{
    if (!item || IsRectEmptyEx(rect))
        return;
    TRect r = GrowRect(rect, -1);
    FillRectColor(canvas, r, GetColor(kcMenuBar));
    r = GrowRect(r, -1);
    TColor text = GetColor(kcMenuBarText);
    if (selected && item->ButtonStyle()) {
        PaintSpeedButton(canvas, r, hot ? kesHot : kesPressed, true, false);
    } else if (selected) {
        FillRectColor(canvas, r, GetColor(hot ? kcSelection : kcMenuBarHighlight));
        text = GetColor(kcMenuBarHighlightText);
    }
    if (selected && outline != clNone && round) {
        // The corners the rounded outline leaves show the bar, not the highlight.
        FrameRectColor(canvas, r, GetColor(kcMenuBar));
        DrawRoundOutline(canvas, r, outline);
    } else if (selected && outline != clNone) {
        FrameRectColor(canvas, r, outline);
    }
    UseFont(canvas, kfMenuBar, text);
    DrawTextWide(canvas, item->Caption(), r,
                 DrawTextBiDiModeFlags(DT_VCENTER | DT_SINGLELINE | DT_CENTER));
}
