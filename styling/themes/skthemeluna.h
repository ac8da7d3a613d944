// TSkThemeLuna: the picture theme. Most elements are cells cut from two
// image atlases carried as program resources, drawn unscaled or in nine
// pieces so one small picture serves any size; the rest are plain fills in
// its colour table. The hue and brightness shift is applied once to the
// whole atlases, so a paint costs only the copies.
#pragma once

#include "styling/core/skbitmap.h"
#include "styling/core/themethemes.h"

#include <memory>
#include <string>

class TSkThemeLuna : public TSkTheme {
    FW_DECLARE_CLASS(TSkThemeLuna)
public:
    TSkThemeLuna();
    ~TSkThemeLuna() override;

    void UpdateColors() override;

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
    // (Re)names both atlases in the program's resources. Each is decoded at
    // its first use, with the theme's colour shift then: a theme made at
    // start-up costs no decoding before a paint needs its pictures. A
    // missing resource, or one that is no PCX image, raises ESkBitmapError
    // and leaves the atlases as they were.
    virtual void LoadImages();

    static std::string ClassThemeName() { return "Luna"; }

    // The atlases as loaded and shifted, for tools and tests that compare
    // drawings with them.
    const TSkBitmap& Atlas() const { return DecodedAtlas(0); }
    const TSkBitmap& Atlas1() const { return DecodedAtlas(1); }

protected:
    // For a derived look that loads its own atlases in its constructor: a
    // virtual call from here would reach only this class's LoadImages.
    struct TDeferLoading {};
    explicit TSkThemeLuna(TDeferLoading);
    void LoadAtlases(const char* mainName, const char* secondName);

private:
    const TSkBitmap& FrameAtlas(bool active) const { return active ? Atlas() : Atlas1(); }
    const TSkBitmap& DecodedAtlas(int index) const;

    std::string atlasNames_[2];
    mutable std::unique_ptr<TSkBitmap> atlases_[2];
};
