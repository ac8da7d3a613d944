// Theme interface: the "No Theme" look that every look derives from.
#include "styling/core/themethemes.h"

#include "framework/base/sysutils.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/skcolors.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "styling/core/sktext.h"
#include "styling/menus/skitems.h"

FW_IMPLEMENT_CLASS(TSkTheme, TPersistent)

void TSkTheme::UpdateColors() {}

int TSkTheme::GetSize(uint8_t) const { return 0; }

TColor TSkTheme::GetColor(uint8_t) const { return ShiftedColor(SkDefaultThemeColor); }

std::string TSkTheme::GetFontName(uint8_t) const { return std::string(); }

int TSkTheme::GetFontSize(uint8_t) const { return 0; }

TFontStyles TSkTheme::GetFontStyle(uint8_t) const { return TFontStyles(); }

bool TSkTheme::HasCaptionShadow() const { return true; }

// The "No Theme" look paints nothing: controls draw their plain look instead.
void TSkTheme::DrawFormButton(TCanvas*, const TRect&, uint8_t, bool, bool, bool,
                              TSkBorderStyle) const {}
void TSkTheme::DrawFormFrame(TCanvas*, int, int, const TRect&, bool, TSkBorderStyle) const {}
void TSkTheme::MeasureMenuBarItem(TCanvas*, TSkCustomItem*, int&, int&) const {}
void TSkTheme::MeasurePopupItem(TCanvas*, TSkCustomItem*, int&, int&) const {}
void TSkTheme::DrawMenuBarBackground(TCanvas*, int, int) const {}
void TSkTheme::DrawMenuBarItem(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::DrawMenuBarButton(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::DrawPopupBackground(TCanvas*, int, int) const {}
void TSkTheme::DrawPopupItem(TCanvas*, TSkCustomItem*, const TRect&, bool, bool) const {}
void TSkTheme::DrawPopupScrollButton(TCanvas*, const TRect&, uint8_t, bool) const {}
void TSkTheme::DrawButton(TCanvas*, int, int, uint8_t) const {}
void TSkTheme::DrawCheckBox(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::DrawRadioButton(TCanvas*, const TRect&, uint8_t, bool) const {}
void TSkTheme::DrawTrackThumb(TCanvas*, const TRect&, bool, uint8_t, uint8_t) const {}
void TSkTheme::DrawTrackBar(TCanvas*, const TRect&, const TRect&) const {}
void TSkTheme::DrawProgressFrame(TCanvas*, const TRect&) const {}
void TSkTheme::DrawProgressBar(TCanvas*, const TRect&, const TRect&, bool, bool) const {}
void TSkTheme::DrawHeaderPanel(TCanvas*, const TRect&, bool, uint8_t) const {}
void TSkTheme::DrawHeaderPanelCaption(TCanvas*, const TRect&, const std::wstring&) const {}
void TSkTheme::DrawHeaderPanelButton(TCanvas*, const TRect&, uint8_t, uint8_t, bool) const {}
void TSkTheme::DrawGroupBox(TCanvas*, const TRect&, const TRect&, const std::wstring&) const {}
void TSkTheme::DrawScrollTrack(TCanvas*, const TRect&, TScrollBarKind) const {}
void TSkTheme::DrawScrollButton(TCanvas*, const TRect&, TScrollBarKind, bool, uint8_t) const {}
void TSkTheme::DrawScrollThumb(TCanvas*, const TRect&, TScrollBarKind, uint8_t) const {}
void TSkTheme::DrawTabSheet(TCanvas*, const TRect&) const {}
void TSkTheme::DrawTab(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::DrawTabScrollButton(TCanvas*, const TRect&, bool, uint8_t, uint8_t) const {}
void TSkTheme::DrawEditFrame(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::DrawComboButton(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::DrawSpeedButton(TCanvas*, const TRect&, uint8_t, bool, bool) const {}
void TSkTheme::DrawSpeedDropButton(TCanvas*, const TRect&, uint8_t, bool, bool) const {}
void TSkTheme::DrawSpeedContainer(TCanvas*, const TRect&) const {}
void TSkTheme::DrawGripBar(TCanvas*, const TRect&, const TRect&) const {}
void TSkTheme::DrawBarBackground(TCanvas*, const TRect&) const {}
void TSkTheme::DrawSmallButton(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::DrawItemBackground(TCanvas*, const TRect&, uint8_t) const {}
void TSkTheme::DrawPanelFace(TCanvas*, const TRect&, bool, bool) const {}
void TSkTheme::DrawHeaderSection(TCanvas*, const TRect&, uint8_t, uint8_t) const {}
void TSkTheme::DrawStatusBar(TCanvas*, const TRect&) const {}
void TSkTheme::DrawSizeGrip(TCanvas*, const TRect&) const {}
void TSkTheme::DrawStatusPanel(TCanvas*, const TRect&, TSkStatusPanel*) const {}
void TSkTheme::DrawMemoFrame(TCanvas*, const TRect&, bool) const {}

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
        DrawSpeedButton(canvas, r, hot ? kesHot : kesPressed, true, false);
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
