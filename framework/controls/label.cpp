#include "framework/controls/label.h"

#include "framework/base/dcguards.h"
#include "framework/components/properties.h"

FW_IMPLEMENT_CLASS(TLabel, TGraphicControl)
FW_PUBLISH(TLabel)
{
    p.Enum("Alignment", &T::Alignment, &T::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"})
        .Default(taLeftJustify);
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    p.Property("FocusControl", &T::FocusControl, &T::SetFocusControl);
    p.Property("ShowAccelChar", &T::ShowAccelChar, &T::SetShowAccelChar).Default(true);
    p.Property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(false);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 65, 17);
}

UINT TLabel::DrawFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | alignments[alignment_];
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

// Disabled text is engraved: a light copy one pixel down and right under
// a shadow copy.
void TLabel::DrawCaption(HDC dc, RECT& rect, UINT flags)
{
    std::wstring text = WideCaption();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text[0] == L'&' && text.size() == 1)))
        text += L' ';
    SetBkMode(dc, TRANSPARENT);
    if (Enabled() || (flags & DT_CALCRECT)) {
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
        return;
    }
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shifted, flags);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

void TLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(TRect{0, 0, Width(), Height()});
    }
    canvas->Refresh();  // the text is drawn on the context directly
    HDC dc = PaintDC();
    const int saved = SaveDC(dc);
    SelectObject(dc, Font()->Handle());
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    RECT rect{0, 0, Width(), Height()};
    DrawCaption(dc, rect, DrawFlags());
    RestoreDC(dc, saved);
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading))
        return;
    TScreenDC screen;
    TSelectGuard font(screen.Get(), Font()->Handle());
    RECT rect{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawCaption(screen.Get(), rect, DrawFlags() | DT_CALCRECT);
    int left = Left();
    // Right-aligned text keeps its right edge where it was.
    if (alignment_ == taRightJustify)
        left += Width() - rect.right;
    SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    TControlStyle style = ControlStyle();
    if (value)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* value)
{
    if (value == focusControl_)
        return;
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = value;
    if (value)
        value->FreeNotification(this);
}

void TLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        CMTextOrFontChanged();
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(TWMKey(message));
        return;
    default:
        TGraphicControl::Dispatch(message);
    }
}

// The caption or its font changed: the size follows.
void TLabel::CMTextOrFontChanged()
{
    AdjustBounds();
    Invalidate();
}

// The accelerator moves the focus to FocusControl.
void TLabel::CMDialogChar(const TWMKey& key)
{
    if (focusControl_ && showAccelChar_ && Enabled() && IsAccel(key.CharCode, Caption()) &&
        focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        key.Message.Result = 1;
    }
}
