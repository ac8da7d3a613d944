// Theme interface: the "No Theme" look that every look derives from.
#include "styling/core/themethemes.h"

#include "framework/base/sysutils.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skcolors.h"
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
