// TLabel: a caption drawn on its parent's surface, with an accelerator
// that moves the focus to another control.
#pragma once

#include "framework/controls/graphiccontrol.h"
#include "framework/controls/textalign.h"

class TLabel : public TGraphicControl {
    FW_DECLARE_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);

    // The parent shows through the text's background.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // The size follows the caption and the font.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // "&" marks the accelerator ("&&" is a plain ampersand).
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    // Gets the focus when the accelerator is pressed.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value);

    void Dispatch(TMessage& message) override;
    // A stored size that the font does not fit follows the caption.
    void Loaded() override;

protected:
    void Paint() override;

private:
    UINT DrawFlags() const;
    void AdjustBounds();
    void DrawCaption(HDC dc, RECT& rect, UINT flags);
    void CMTextOrFontChanged();
    void CMDialogChar(const TWMKey& key);

    bool transparent_ = false;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};
