// Theme interface: TSkTheme, its colour, size and font kinds and its state codes.
// TSkTheme is the look every themed control and skinned form paints through.
// The base class is the "No Theme" look: it paints nothing and is not
// available, so controls fall back to their own plain painting. Concrete
// looks override the operations below; the declaration order is the slot
// order every look keeps.
#pragma once

#include "framework/base/colors.h"
#include "framework/controls/controlkinds.h"
#include "framework/base/geometry.h"
#include "framework/graphics/graphicsobjects.h"
#include "framework/components/persistent.h"
#include "styling/core/skformtypes.h"

#include <cstdint>
#include <string>

class TCanvas;
class TSkCustomItem;
class TSkStatusPanel;

// Colour kinds of GetColor (0..25); anything else gives the default colour.
// Kinds 0 and 1 (active and inactive caption) and 4 are in every theme's
// table but have no reader yet.
enum : uint8_t {
    kcCaptionShadow = 2,
    kcActiveCaptionText = 3,
    kcInactiveCaptionText = 5,
    kcWindow = 6,
    kcBorder = 7,
    kcSelection = 8,
    kcDisabledFace = 9,
    kcDisabledBorder = 10,
    kcFace = 11,
    kcHotFace = 12,
    kcMenuBorder = 13,
    kcMenuBar = 14,
    kcMenuBarHighlight = 15,
    kcPopup = 16,
    kcPopupHighlight = 17,
    kcMenuBarText = 18,
    kcMenuBarHighlightText = 19,
    kcPopupText = 20,
    kcPopupHighlightText = 21,
    kcDisabledMenuText = 22,
    kcHeaderCaptionText = 23,
    kcHeaderGradientStart = 24,
    kcHeaderGradientEnd = 25,
    kcLastColorKind = 25
};

// Size kinds of GetSize (0..29); anything else is 0. Kinds 15, 20..24 and
// 26..29 are in every theme's table but have no reader.
enum : uint8_t {
    ksFrameWidth = 0,
    ksToolFrameWidth = 1,
    ksCaptionHeight = 2,
    ksToolCaptionHeight = 3,
    ksBottomFrameHeight = 4,
    ksButtonWidth = 5,
    ksButtonHeight = 6,
    ksToolButtonWidth = 7,
    ksToolButtonHeight = 8,
    ksButtonRight = 9,
    ksButtonTop = 10,
    ksButtonGap = 11,
    ksToolButtonRight = 12,
    ksToolButtonTop = 13,
    ksMenuItemHeight = 14,
    ksCheckBoxWidth = 16,
    ksCheckBoxHeight = 17,
    ksRadioButtonWidth = 18,
    ksRadioButtonHeight = 19,
    ksScrollBarSize = 25,
    ksLastSizeKind = 29
};

// Font kinds of the font queries (0..4).
enum : uint8_t {
    kfCaption = 0,
    kfToolCaption = 1,
    kfMenuBar = 2,
    kfPopup = 3,
    kfHeaderCaption = 4
};

// Element states handed to the drawing operations. A push button may be
// focused or default; a tab is normal, hot or selected.
enum : uint8_t {
    kesNormal = 0,
    kesHot = 1,
    kesPressed = 2,
    kesDisabled = 3,
    kesFocused = 4,
    kesDefault = 5,
    kesSelected = 4
};

// Marks of DrawCheckBox.
enum : uint8_t { kchUnchecked = 0, kchChecked = 1, kchGrayed = 2 };

// Sides of DrawTab, where the tab sits on its page.
enum : uint8_t { ktpTop = 0, ktpBottom = 1, ktpLeft = 2, ktpRight = 3 };

// Flags of DrawItemBackground.
enum : uint8_t { kibHot = 1, kibSelected = 2, kibDown = 4 };

// Buttons of DrawHeaderPanelButton.
enum : uint8_t { khbChevron = 0, khbClose = 1 };

// Directions of DrawPopupScrollButton.
enum : uint8_t { kpsUp = 1, kpsDown = 2 };

// Caption-button glyphs of DrawFormButton.
enum : uint8_t {
    kfbClose = 0,
    kfbHelp = 1,
    kfbMinimize = 2,
    kfbMaximize = 3,
    kfbRestore = 4,
    kfbRollup = 5,
    kfbRolldown = 6,
    kfbTray = 7
};

class TSkTheme : public TPersistent {
    FW_DECLARE_CLASS(TSkTheme)
public:
    TSkTheme() = default;

    // Called after DeltaHue or DeltaBrightness changed.
    virtual void UpdateColors();

    virtual int GetSize(uint8_t kind) const;
    // Already shifted by DeltaHue and DeltaBrightness; never a system colour
    // reference. Callers ask again at every paint instead of keeping it.
    virtual TColor GetColor(uint8_t kind) const;
    virtual std::string GetFontName(uint8_t kind) const;
    virtual int GetFontSize(uint8_t kind) const;
    virtual TFontStyles GetFontStyle(uint8_t kind) const;
    virtual bool HasCaptionShadow() const;

    // The elements. Each paints through the picture cache when the look
    // allows it (CachesPictures), else straight through its Paint operation.
    void DrawFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot, bool pressed,
                        bool active, TSkBorderStyle borderStyle) const;
    // The whole frame of a width x height window; clientBounds is the client
    // area in window coordinates.
    void DrawFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                       bool active, TSkBorderStyle borderStyle) const;

    virtual void MeasureMenuBarItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                    int& height) const;
    virtual void MeasurePopupItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                                  int& height) const;
    void DrawMenuBarBackground(TCanvas* canvas, int width, int height) const;
    void DrawMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                         bool hot) const;
    void DrawMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                           bool hot) const;
    void DrawPopupBackground(TCanvas* canvas, int width, int height) const;
    void DrawPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                       bool hot) const;
    // direction: kpsUp or kpsDown.
    void DrawPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                               bool hot) const;

    void DrawButton(TCanvas* canvas, int width, int height, uint8_t state) const;
    // check: a kch mark.
    void DrawCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state, uint8_t check) const;
    void DrawRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool checked) const;
    // pointer: 0 none, 1 top or left, 2 bottom or right.
    void DrawTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical, uint8_t pointer,
                        uint8_t state) const;
    void DrawTrackBar(TCanvas* canvas, const TRect& trackRect, const TRect& selectionRect) const;
    void DrawProgressFrame(TCanvas* canvas, const TRect& rect) const;
    void DrawProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                         bool vertical, bool smooth) const;
    void DrawHeaderPanel(TCanvas* canvas, const TRect& rect, bool border, uint8_t unused) const;
    void DrawHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                const std::wstring& caption) const;
    // kind: khbChevron or khbClose.
    void DrawHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind, uint8_t state,
                               bool down) const;
    void DrawGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                      const std::wstring& caption) const;
    void DrawScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind kind) const;
    // first: the up or left button.
    void DrawScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind, bool first,
                          uint8_t state) const;
    void DrawScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                         uint8_t state) const;
    void DrawTabSheet(TCanvas* canvas, const TRect& rect) const;
    // position: a ktp side; state: kesNormal, kesHot or kesSelected.
    void DrawTab(TCanvas* canvas, const TRect& rect, uint8_t position, uint8_t state) const;
    void DrawTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t unused,
                             uint8_t state) const;
    // state: kesNormal or kesDisabled.
    void DrawEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const;
    void DrawComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const;
    void DrawSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                         bool down) const;
    void DrawSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                             bool down) const;
    void DrawSpeedContainer(TCanvas* canvas, const TRect& rect) const;
    void DrawGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const;
    void DrawBarBackground(TCanvas* canvas, const TRect& rect) const;
    void DrawSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state, uint8_t unused) const;
    // flags: kib bits.
    void DrawItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const;
    void DrawPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const;
    void DrawHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                           uint8_t state) const;
    void DrawStatusBar(TCanvas* canvas, const TRect& rect) const;
    void DrawSizeGrip(TCanvas* canvas, const TRect& rect) const;
    // panel may be null.
    void DrawStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel* panel) const;
    void DrawMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const;
    // A new region the caller owns, or 0 for a rectangular window.
    virtual HRGN GetFormRegion(int width, int height, TSkBorderStyle borderStyle) const;
    // The display name; ClassThemeName answers it without an object.
    virtual std::string GetName() const;
    virtual bool IsAvailable() const;

    static std::string ClassThemeName() { return "No Theme"; }

    int DeltaHue() const { return deltaHue_; }
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaHue(int value);
    void SetDeltaBrightness(int value);

    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value) { biDiMode_ = value; }
    bool UseRightToLeftAlignment() const;
    bool UseRightToLeftReading() const;
    unsigned DrawTextBiDiModeFlagsReadingOnly() const;
    unsigned DrawTextBiDiModeFlags(unsigned flags) const;

protected:
    // True when every element's pixels follow from the look's class, colour
    // shift and arguments alone, so that finished pictures may be reused.
    virtual bool CachesPictures() const;

    // What the elements above paint; the looks override these.
    virtual void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot,
                                 bool pressed, bool active, TSkBorderStyle borderStyle) const;
    virtual void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                                bool active, TSkBorderStyle borderStyle) const;

    virtual void PaintMenuBarBackground(TCanvas* canvas, int width, int height) const;
    virtual void PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                  bool selected, bool hot) const;
    virtual void PaintMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                    bool selected, bool hot) const;
    virtual void PaintPopupBackground(TCanvas* canvas, int width, int height) const;
    virtual void PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                bool selected, bool hot) const;
    virtual void PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                        bool hot) const;

    virtual void PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const;
    virtual void PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                               uint8_t check) const;
    virtual void PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                  bool checked) const;
    virtual void PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical,
                                 uint8_t pointer, uint8_t state) const;
    virtual void PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                               const TRect& selectionRect) const;
    virtual void PaintProgressFrame(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                                  bool vertical, bool smooth) const;
    virtual void PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool border,
                                  uint8_t unused) const;
    virtual void PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                         const std::wstring& caption) const;
    virtual void PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind,
                                        uint8_t state, bool down) const;
    virtual void PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                               const std::wstring& caption) const;
    virtual void PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind kind) const;
    virtual void PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                   bool first, uint8_t state) const;
    virtual void PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                                  uint8_t state) const;
    virtual void PaintTabSheet(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                          uint8_t state) const;
    virtual void PaintTabScrollButton(TCanvas* canvas, const TRect& rect, bool first,
                                      uint8_t unused, uint8_t state) const;
    virtual void PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const;
    virtual void PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const;
    virtual void PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                  bool down) const;
    virtual void PaintSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                                      bool down) const;
    virtual void PaintSpeedContainer(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const;
    virtual void PaintBarBackground(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                                  uint8_t unused) const;
    virtual void PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const;
    virtual void PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const;
    virtual void PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                                    uint8_t state) const;
    virtual void PaintStatusBar(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintSizeGrip(TCanvas* canvas, const TRect& rect) const;
    virtual void PaintStatusPanel(TCanvas* canvas, const TRect& rect, TSkStatusPanel* panel) const;
    virtual void PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const;

    // The four-step colour rule every look shares: a base colour (fixed,
    // system reference or library constant) resolved and shifted.
    TColor ShiftedColor(TColor base) const;
    // The canvas's font set to a font kind of this look, in a colour.
    void UseFont(TCanvas* canvas, uint8_t kind, TColor color) const;
    // The menu measures the looks share: caption (and shortcut) widths in
    // the look's menu fonts plus fixed margins, heights from its sizes.
    void MeasureMenuBarText(TCanvas* canvas, TSkCustomItem* item, int& width, int& height) const;
    void MeasurePopupText(TCanvas* canvas, TSkCustomItem* item, int& width, int& height) const;
    // Menu pieces the classic and flat looks share. A menu bar's system
    // button: the caption frame control, or the icon area.
    void DrawMenuBarSystemButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                 bool selected, bool hot) const;
    // A classic menu bar item: the bar's face, and when selected a speed
    // button face (button items) or the highlight, ringed in outline (with
    // cut corners when round) unless that is clNone; the caption centred.
    void DrawClassicMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                bool selected, bool hot, TColor outline, bool round = false) const;
    // A separator item: the popup face and a shadow line near its top.
    void DrawPopupSeparator(TCanvas* canvas, const TRect& rect) const;
    // What stands on a popup item's face: image or check in the glyph
    // column, caption, shortcut and the sub-menu arrow.
    void DrawPopupItemContent(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                              bool selected) const;
    // The popup face, checkered inside a frame when hot, and the arrow.
    void DrawPopupScrollFace(TCanvas* canvas, const TRect& rect, uint8_t direction,
                             bool hot) const;

private:
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

// What the library's default colour constant resolves to: a reference to
// system colour 0, the scroll-bar colour.
constexpr TColor SkDefaultThemeColor = TColor(0xFFFF0000);
