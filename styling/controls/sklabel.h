// TSkCustomLabel: a caption drawn on the parent's surface, with word wrap,
// alignment, vertical layout, an accelerator that focuses another control
// and a size that follows the text. TSkThemeLabel adds the stylist link;
// no theme draws a label.
#pragma once

#include "framework/controls/textalign.h"
#include "styling/core/skgraphiccontrol.h"
#include "styling/core/stylist.h"

#include <string>

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TSkCustomLabel : public TSkGraphicControl {
    FW_DECLARE_CLASS(TSkCustomLabel)
public:
    explicit TSkCustomLabel(TComponent* owner);

    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);

    // The text drawn: the caption.
    virtual std::wstring GetLabelText() const { return WideCaption(); }

    void Loaded() override;
    void Dispatch(TMessage& message) override;

protected:
    // The size follows the text (when AutoSize), the right edge staying put
    // for right-aligned text.
    virtual void AdjustBounds();
    // Draws the text into rect, or measures it with DT_CALCRECT.
    virtual void DoDrawText(RECT& rect, UINT flags);
    void PaintClient() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    using TInherited = TSkGraphicControl;

    UINT TextFlags() const;

    TWinControl* focusControl_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

class TSkThemeLabel : public TSkCustomLabel {
    FW_DECLARE_CLASS(TSkThemeLabel)
public:
    explicit TSkThemeLabel(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    // The stylist may belong to another form: the link goes when it does.
    void SetStylist(TSkStylist* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
