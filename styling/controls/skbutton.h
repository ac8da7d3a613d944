// TSkCustomButton: a push button drawn by the library. It owns the press,
// the default-button and dialog-key logic, the layout of glyph and caption
// and a plain face of its own; TSkThemeButton (themebuttons.h) paints the
// face through a theme.
#pragma once

#include "framework/graphics/bitmap.h"
#include "styling/core/skcustomcontrol.h"

#include <memory>
#include <string>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
                   bkIgnore, bkAll };
enum TSkButtonState { kbsNormal, kbsPressed };

// The bitmap of a kind (32 x 16: normal and disabled cell), loaded from the
// program's resources the first time it is asked for and kept; null for
// bkCustom or when the program carries no such resource.
TBitmap* SkButtonKindGlyph(TBitBtnKind kind);
int SkButtonKindModalResult(TBitBtnKind kind);

class TSkCustomButton : public TSkCustomControl {
    FW_DECLARE_CLASS(TSkCustomButton)
public:
    explicit TSkCustomButton(TComponent* owner);
    ~TSkCustomButton() override;

    bool ActiveDefault() const { return activeDefault_; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TSkButtonState State() const { return state_; }
    void SetState(TSkButtonState value);
    bool BlackAndWhiteGlyph() const { return blackAndWhiteGlyph_; }
    void SetBlackAndWhiteGlyph(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // OnClick as a published event.
    TNotifyEvent ClickEvent() const { return OnClick; }
    void SetClickEvent(const TNotifyEvent& handler) { OnClick = handler; }

    // The parent form takes the button's modal result, then OnClick fires.
    void Click() override;
    void Dispatch(TMessage& message) override;

    // The box of glyph and caption, centred; and the parts of it.
    virtual void GetContentRect(RECT& rect);
    virtual void GetCaptionRect(RECT& rect);
    virtual void GetGlyphRect(RECT& rect);

protected:
    virtual void DrawButtonFace();
    virtual void DrawGlyph();
    virtual void DrawCaption();
    void PaintClient() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void KeyDown(unsigned short& key, unsigned shift) override;
    void KeyUp(unsigned short& key, unsigned shift) override;
    void CreateWnd() override;
    // The system visual-styles state of the face.
    int VisualStyleState() const;

private:
    using TInherited = TSkCustomControl;

    SIZE GlyphCellSize() const;
    bool HasGlyph() const { return !glyph_->Empty(); }
    void GlyphChanged();
    void CMFocusChanged(TMessage& message);
    void CMDialogKey(const TWMKey& key);
    void CMDialogChar(const TWMKey& key);

    bool activeDefault_ = false;
    bool default_ = false;
    bool tracking_ = false;
    std::unique_ptr<TBitmap> glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    TBitBtnKind kind_ = bkCustom;
    int numGlyphs_ = 1;
    int spacing_ = 4;
    TSkButtonState state_ = kbsNormal;
    int modalResult_ = 0;
    bool blackAndWhiteGlyph_ = false;
    bool cancel_ = false;
    bool wordWrap_ = false;
};
