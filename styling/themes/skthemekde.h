// TSkThemeKDE, shown as "KDE": the classic look with strong bevels, two
// rings lightened and darkened by the same large step around every raised
// or sunken part, a dotted caption band and Verdana for every text. What it
// does not draw itself it draws as the classic look, in its own colours.
#pragma once

#include "styling/themes/skthemestd.h"

class TSkThemeKDE : public TSkThemeStd {
    FW_DECLARE_CLASS(TSkThemeKDE)
public:
    TSkThemeKDE() = default;

    int GetSize(uint8_t kind) const override;
    TColor GetColor(uint8_t kind) const override;
    std::string GetFontName(uint8_t kind) const override;

    void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot, bool pressed,
                         bool active, TSkBorderStyle borderStyle) const override;
    void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                        bool active, TSkBorderStyle borderStyle) const override;
    void PaintPopupBackground(TCanvas* canvas, int width, int height) const override;

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
    void PaintHeaderPanel(TCanvas* canvas, const TRect& rect, bool border,
                          uint8_t unused) const override;
    void PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind, uint8_t state,
                                bool down) const override;
    void PaintGroupBox(TCanvas* canvas, const TRect& rect, const TRect& captionRect,
                       const std::wstring& caption) const override;
    void PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                          uint8_t state) const override;
    void PaintTabSheet(TCanvas* canvas, const TRect& rect) const override;
    void PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                  uint8_t state) const override;
    void PaintEditFrame(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintMemoFrame(TCanvas* canvas, const TRect& rect, bool enabled) const override;
    void PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                          bool down) const override;
    void PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const override;
    void PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const override;
    void PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const override;
    void PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                            uint8_t state) const override;
    void PaintStatusPanel(TCanvas* canvas, const TRect& rect,
                          TSkStatusPanel* panel) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "KDE"; }

private:
    // Two rings of the face's light and dark around a part, then its fill.
    void DrawRingedFace(TCanvas* canvas, const TRect& rect, TColor face, bool sunken) const;
    // The sunken well of tracks and edits: dark over light, then dark over face.
    TRect DrawWell(TCanvas* canvas, const TRect& rect) const;
};
