// TSkThemeForm: the skinned frame drawn by its stylist's current theme. The
// theme's sizes lay the frame out (through the one layout the size, the hit
// test and the painting share), the theme paints frame, caption and buttons,
// and the form follows the stylist when the look changes. Without a usable
// theme it is a plain TSkCustomForm.
//
// TSkCustomMessage: the appearance options of the library's message dialogs,
// with one process-wide instance made at the library's start-up.
#pragma once

#include "framework/forms/form.h"
#include "styling/core/stylist.h"
#include "styling/forms/skcustomform.h"

#include <memory>

class TFont;
class TSkCustomButton;
class TSkCustomCheckBox;
class TSkCustomEdit;
class TSkCustomLabel;

class TSkThemeForm : public TSkCustomForm, public ISkThemeFollower {
    FW_DECLARE_CLASS(TSkThemeForm)
public:
    explicit TSkThemeForm(TComponent* owner);
    void Loaded() override;

    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);
    // The frame is drawn by the theme: neither loading nor being destroyed,
    // and the stylist's theme is available.
    bool IsThemeAvailable() const;

    HRGN CreateFormRegion() override;
    TSkCustomItem* CreateSystemMenuItem(TComponent* owner) override;
    void GetMaximizedRect(TRect& rect) override;
    void PaintNonClient(TCanvas* canvas) override;
    void PaintBackground(TCanvas* canvas) override;
    int HitTestPart(int x, int y) override;

    TSkStylist* FollowedStylist() const override { return stylist_; }
    // The stylist changed its look: the frame is laid out and painted again
    // and the form's controls repaint.
    void StylistThemeApplied() override;

protected:
    TSkFrameMetrics FrameMetrics() override;
    TSkFrameLayout Layout() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The theme lays out and paints this frame: a usable theme, and not a
    // maximized MDI child (whose frame lies outside its parent).
    bool Themed() const;
    bool Destroying() const;
    void StylistChanged();
    void PlaceButtons(TSkFrameLayout& layout, const TSkFrameMetrics& metrics);
    int CaptionRoom(const TSkFrameLayout& layout, int textLeft) const;
    // Caption text, buttons and system-menu icon over a painted frame.
    void PaintCaption(TCanvas* canvas, const TSkFrameLayout& layout);
    void PaintCaptionText(TCanvas* canvas, const TRect& area);
    void PaintSystemIcon(HDC dc, const TRect& square);
    void InvalidateControls();

    TSkStylist* stylist_ = nullptr;
    // The caption band as last painted, and what it was painted for.
    std::unique_ptr<TSkBitmap> captionBand_;
    TFrameKey captionBandKey_{};
};

class TSkCustomMessage : public TComponent, public TSkVersioned {
    FW_DECLARE_CLASS(TSkCustomMessage)
public:
    explicit TSkCustomMessage(TComponent* owner);
    ~TSkCustomMessage() override;

    TSkAnimation* Animation() const { return animation_.get(); }
    void SetAnimation(const TSkAnimation* value);
    TSkBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSkBlending* value);
    TSkBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TSkBorderIcons value) { borderIcons_ = value; }
    TFont* ButtonFont() const { return buttonFont_.get(); }
    void SetButtonFont(const TFont* value);
    TSkDragging* Dragging() const { return dragging_.get(); }
    void SetDragging(const TSkDragging* value);
    // Setting it either way makes this the process-wide instance.
    bool Global() const { return global_; }
    void SetGlobal(bool value);
    TFont* MessageFont() const { return messageFont_.get(); }
    void SetMessageFont(const TFont* value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TSkShadow* Shadow() const { return shadow_.get(); }
    void SetShadow(const TSkShadow* value);
    bool ShowButtonGlyph() const { return showButtonGlyph_; }
    void SetShowButtonGlyph(bool value) { showButtonGlyph_ = value; }
    bool ShowIconImage() const { return showIconImage_; }
    void SetShowIconImage(bool value) { showIconImage_ = value; }
    bool ShowHints() const { return showHints_; }
    void SetShowHints(bool value) { showHints_ = value; }

    // The controls a message dialog is built from, each new for owner.
    virtual TSkCustomButton* CreateButton(TComponent* owner);
    virtual TSkCustomEdit* CreateEdit(TComponent* owner);
    virtual TSkCustomForm* CreateForm(TComponent* owner);
    virtual TSkCustomLabel* CreateLabel(TComponent* owner);
    virtual TSkCustomCheckBox* CreateCheckBox(TComponent* owner);

private:
    std::unique_ptr<TSkAnimation> animation_;
    std::unique_ptr<TSkBlending> blending_;
    std::unique_ptr<TFont> buttonFont_;
    std::unique_ptr<TSkDragging> dragging_;
    std::unique_ptr<TFont> messageFont_;
    std::unique_ptr<TSkShadow> shadow_;
    TSkBorderIcons borderIcons_{kbiClose, kbiSystemMenu};
    bool global_ = false;
    TPosition position_ = poScreenCenter;
    bool showButtonGlyph_ = true;
    bool showIconImage_ = true;
    bool showHints_ = false;
};

// The process-wide message options; null outside the library's lifetime
// and after that instance was freed.
TSkCustomMessage* SkMessage();
