// TSkThemeOfficeXP, shown as "OfficeXP": Flat's tables and frame, but hot and
// pressed controls are ringed in dark navy and filled with the hot or
// selection colour, and menus have a shaded glyph column.
#pragma once

#include "styling/themes/skthemeflat.h"

class TSkThemeOfficeXP : public TSkThemeFlat {
    FW_DECLARE_CLASS(TSkThemeOfficeXP)
public:
    TSkThemeOfficeXP() = default;

    TColor GetColor(uint8_t kind) const override;

    void PaintMenuBarItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                          bool hot) const override;
    void PaintPopupItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                        bool hot) const override;
    void PaintPopupScrollButton(TCanvas* canvas, const TRect& rect, uint8_t direction,
                                bool hot) const override;
    void PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const override;
    void PaintCheckBox(TCanvas* canvas, const TRect& rect, uint8_t state,
                       uint8_t check) const override;
    void PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                          bool checked) const override;
    void PaintProgressBar(TCanvas* canvas, const TRect& clientRect, const TRect& barRect,
                          bool vertical, bool smooth) const override;
    void PaintHeaderPanelCaption(TCanvas* canvas, const TRect& rect,
                                 const std::wstring& caption) const override;
    void PaintHeaderPanelButton(TCanvas* canvas, const TRect& rect, uint8_t kind, uint8_t state,
                                bool down) const override;
    void PaintScrollButton(TCanvas* canvas, const TRect& rect, TScrollBarKind kind, bool first,
                           uint8_t state) const override;
    void PaintScrollThumb(TCanvas* canvas, const TRect& rect, TScrollBarKind kind,
                          uint8_t state) const override;
    void PaintTab(TCanvas* canvas, const TRect& rect, uint8_t position,
                  uint8_t state) const override;
    void PaintComboButton(TCanvas* canvas, const TRect& rect, uint8_t state) const override;
    void PaintSpeedButton(TCanvas* canvas, const TRect& rect, uint8_t state, bool flat,
                          bool down) const override;
    void PaintGripBar(TCanvas* canvas, const TRect& rect, const TRect& gripRect) const override;
    void PaintBarBackground(TCanvas* canvas, const TRect& rect) const override;
    void PaintHeaderSection(TCanvas* canvas, const TRect& rect, uint8_t unused,
                            uint8_t state) const override;
    std::string GetName() const override;

    static std::string ClassThemeName() { return "OfficeXP"; }

private:
    // The face of the small buttons and the thumb by state, ringed in navy
    // when hot, pressed or focused; rect is left inside the ring.
    void DrawNavyFace(TCanvas* canvas, TRect& rect, uint8_t state) const;
};
