// TSkThemeHighlight, shown as "Highlight": the flat look with round corners,
// every outline with its corner pixels cut, faces lifted by soft rings, in
// blue and amber; windows get round corners too. Lines derives from it.
#pragma once

#include "styling/themes/skthemeflat.h"

// The fixed colours of Highlight and Lines.
namespace HighlightColors {
constexpr TColor Blue = RgbColor(100, 160, 255);
constexpr TColor Navy = RgbColor(0, 51, 153);
constexpr TColor Pale = RgbColor(235, 235, 238);
constexpr TColor Silver = RgbColor(210, 210, 210);
constexpr TColor Grey = RgbColor(168, 168, 168);
constexpr TColor Amber = RgbColor(248, 199, 81);
}  // namespace HighlightColors

class TSkThemeHighlight : public TSkThemeFlat {
    FW_DECLARE_CLASS(TSkThemeHighlight)
public:
    TSkThemeHighlight() = default;

    int GetSize(uint8_t kind) const override;
    TColor GetColor(uint8_t kind) const override;
    TFontStyles GetFontStyle(uint8_t kind) const override;

    void PaintFormButton(TCanvas* canvas, const TRect& rect, uint8_t glyph, bool hot, bool pressed,
                         bool active, TSkBorderStyle borderStyle) const override;
    void PaintFormFrame(TCanvas* canvas, int width, int height, const TRect& clientBounds,
                        bool active, TSkBorderStyle borderStyle) const override;

    void PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                          bool hot) const override;
    void PaintPopupBackground(TCanvas* canvas, int width, int height) const override;
    void PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
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
    void PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                          bool down) const override;
    void PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const override;
    void PaintItemBackground(TCanvas* canvas, const TRect& rect, uint8_t flags) const override;
    void PaintPanelFace(TCanvas* canvas, const TRect& rect, bool hot, bool bevel) const override;
    void PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                            uint8_t state) const override;
    void PaintStatusBar(TCanvas* canvas, const TRect& rect) const override;
    void PaintStatusPanel(TCanvas* canvas, const TRect& rect,
                          TSkStatusPanel* panel) const override;
    bool HasCaptionShadow() const override;
    HRGN GetFormRegion(int width, int height, TSkBorderStyle borderStyle) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "Highlight"; }

protected:
    // The caption band's outline and the window's rounded rings, drawn over
    // whatever band the look painted.
    void DrawRoundFrame(TCanvas* canvas, int width, int height, const TRect& band) const;

private:
    // The face by state: disabled, hot, pressed or focused, normal.
    TColor HighlightFace(uint8_t state) const;
    // A rounded outline in the border colour around a face lifted (or
    // pushed) by the soft step; rect's face is returned.
    TRect DrawRoundFace(TCanvas* canvas, const TRect& rect, TColor face, bool pushed) const;
};
