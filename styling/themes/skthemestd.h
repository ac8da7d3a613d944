// TSkThemeStd, shown as "Advanced": the classic raised-and-sunken look, all
// fills and 1-pixel bevels in the system's colours plus the system's own
// frame-control glyphs. It keeps no pictures, so a colour shift costs
// nothing until the next paint asks for its colours.
#pragma once

#include "styling/core/themethemes.h"

class TSkThemeStd : public TSkTheme {
    FW_DECLARE_CLASS(TSkThemeStd)
public:
    TSkThemeStd() = default;

    int GetSize(uint8_t kind) const override;
    TColor GetColor(uint8_t kind) const override;
    std::string GetFontName(uint8_t kind) const override;
    int GetFontSize(uint8_t kind) const override;
    TFontStyles GetFontStyle(uint8_t kind) const override;

    void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot, bool pressed,
                         bool active, TSkBorderStyle borderStyle) const override;
    void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                        bool active, TSkBorderStyle borderStyle) const override;

    void MeasureMenuBarItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                            int& height) const override;
    void MeasurePopupItem(TCanvas* canvas, TSkCustomItem* item, int& width,
                          int& height) const override;
    void PaintMenuBarBackground(TCanvas* canvas, int width, int height) const override;
    void PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                          bool hot) const override;
    void PaintMenuBarButton(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                            bool selected, bool hot) const override;
    void PaintPopupBackground(TCanvas* canvas, int width, int height) const override;
    void PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                        bool hot) const override;
    void PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                bool hot) const override;

    void PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const override;
    void PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                       uint8_t check) const override;
    void PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                          bool checked) const override;
    void PaintTrackThumb(TCanvas* canvas, const TRect& rect, bool vertical, uint8_t pointer,
                         uint8_t state) const override;
    void PaintTrackBar(TCanvas* canvas, const TRect& trackRect,
                       const TRect& selectionRect) const override;
    void PaintProgressFrame(TCanvas* canvas, const TRect& rect) const override;
    void PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                          bool vertical, bool smooth) const override;
    void PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool border,
                          uint8_t unused) const override;
    void PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                 const std::wstring& caption) const override;
    void PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind, uint8_t state,
                                bool down) const override;
    void PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                       const std::wstring& caption) const override;
    void PaintScrollTrack(TCanvas* canvas, const TRect& rect, TScrollBarKind kind) const override;
    void PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind, bool first,
                           uint8_t state) const override;
    void PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                          uint8_t state) const override;
    void PaintTabSheet(TCanvas* canvas, const TRect& rect) const override;
    void PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                  uint8_t state) const override;
    void PaintTabScrollButton(TCanvas* canvas, const TRect& rect, bool first, uint8_t unused,
                              uint8_t state) const override;
    void PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                          bool down) const override;
    void PaintSpeedDropButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                              bool down) const override;
    void PaintSpeedContainer(TCanvas* canvas, const TRect& rect) const override;
    void PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const override;
    void PaintBarBackground(TCanvas* canvas, const TRect& rect) const override;
    void PaintSmallButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                          uint8_t unused) const override;
    void PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const override;
    void PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const override;
    void PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                            uint8_t state) const override;
    void PaintStatusBar(TCanvas* canvas, const TRect& rect) const override;
    void PaintSizeGrip(TCanvas* canvas, const TRect& rect) const override;
    void PaintStatusPanel(TCanvas* canvas, const TRect& rect,
                          TSkStatusPanel* panel) const override;
    void PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const override;
    HRGN GetFormRegion(int width, int height, TSkBorderStyle borderStyle) const override;
    std::string GetName() const override;
    bool IsAvailable() const override;

protected:
    bool CachesPictures() const override;

public:
    static std::string ClassThemeName() { return "Advanced"; }

protected:
    // The pieces KDE draws again with its own ring colours.
    struct TRingColors {
        TColor topLeft, bottomRight;
    };
    struct TRadioColors {
        TColor dark, light, darker, face, back, dot;
    };
    struct TThumbLines {
        TColor light, dark, inner;
    };
    // The bottom-right square and the two rings, then five rings of fill.
    static void DrawEditRings(TCanvas* canvas, const TRect& rect, TColor fill, const TRingColors& outer,
                              const TRingColors& inner);
    // The tick or the grey square of a check box whose face is inner.
    void DrawCheckMark(TCanvas* canvas, const TRect& rect, TRect inner, uint8_t check, TColor mark) const;
    // The sequence of rounded outlines of a radio button, its face and dot.
    static void DrawRadioRings(TCanvas* canvas, const TRect& rect, const TRadioColors& colors,
                               bool checked);
    // A pentagon thumb filled (or dithered with white) and lit by its sides.
    static void DrawThumbShape(TCanvas* canvas, const TRect& rect, bool vertical, uint8_t pointer,
                               TColor fill, bool dithered, const TThumbLines& lines);
    // The group box's line lit, then again one pixel up and left in dark,
    // broken behind the caption.
    void DrawEtchedGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                            const std::wstring& caption, TColor light, TColor dark) const;
    // A tab in one bevel ring that opens into the page.
    static void DrawBevelTab(TCanvas* canvas, const TRect& rect, uint8_t position, TColor face,
                             TColor light, TColor dark);
};
