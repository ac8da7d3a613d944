#include "styling/controls/sklabel.h"

#include "framework/components/properties.h"
#include "framework/controls/wincontrol.h"
#include "framework/graphics/bitmap.h"
#include "styling/core/sktext.h"

FW_IMPLEMENT_CLASS(TSkCustomLabel, TSkGraphicControl)
FW_PUBLISH(TSkCustomLabel)
{
    p.Enum("Alignment", &T::Alignment, &T::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"})
        .Default(taLeftJustify);
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    p.Property("FocusControl", &T::FocusControl, &T::SetFocusControl);
    p.Enum("Layout", &T::Layout, &T::SetLayout, {"tlTop", "tlCenter", "tlBottom"}).Default(tlTop);
    p.Property("ShowAccelChar", &T::ShowAccelChar, &T::SetShowAccelChar).Default(true);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(false);
}

FW_IMPLEMENT_CLASS(TSkThemeLabel, TSkCustomLabel)
FW_PUBLISH(TSkThemeLabel)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

namespace {

// Text is measured here when no paint is under way.
TCanvas* ScratchCanvas()
{
    static TBitmap scratch(1, 1);
    return scratch.Canvas();
}

} // namespace

TSkCustomLabel::TSkCustomLabel(TComponent* owner) : TInherited(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 17);
    SetTransparent(true);
}

void TSkCustomLabel::SetFocusControl(TWinControl* value)
{
    if (value == focusControl_)
        return;
    focusControl_ = value;
    if (value)
        value->FreeNotification(this);
}

void TSkCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TInherited::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TSkCustomLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TSkCustomLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TSkCustomLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSkCustomLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TSkCustomLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    Invalidate();
}

void TSkCustomLabel::DoDrawText(RECT& rect, UINT flags)
{
    if (!Parent())
        return;
    std::wstring text = GetLabelText();
    if (((flags & DT_CALCRECT) && text.empty()) || (showAccelChar_ && text == L"&"))
        text += L' ';
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    TCanvas* canvas = Canvas()->HandleAllocated() ? Canvas() : ScratchCanvas();
    canvas->SetFont(Font());
    if (!Enabled() && !(flags & DT_CALCRECT)) {
        OffsetRect(&rect, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawTextWide(canvas, text, rect, flags);
        OffsetRect(&rect, -1, -1);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawTextWide(canvas, text, rect, flags);
}

UINT TSkCustomLabel::TextFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return (wordWrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS | alignments[alignment_];
}

void TSkCustomLabel::PaintClient()
{
    TInherited::PaintClient();
    RECT r{0, 0, Width(), Height()};
    const UINT flags = TextFlags();
    if (layout_ != tlTop) {
        RECT measured = r;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int free = Height() - measured.bottom;
        OffsetRect(&r, 0, layout_ == tlBottom ? free : free / 2);
    }
    DoDrawText(r, flags);
}

void TSkCustomLabel::AdjustBounds()
{
    if (ComponentState().Contains(csReading) || !autoSize_)
        return;
    RECT r{0, 0, Width(), Height()};
    DoDrawText(r, (wordWrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS | DT_CALCRECT);
    int x = Left();
    if (alignment_ == taRightJustify)
        x += Width() - r.right;
    SetBounds(x, Top(), r.right, r.bottom);
}

void TSkCustomLabel::Loaded()
{
    TInherited::Loaded();
    AdjustBounds();
}

void TSkCustomLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        AdjustBounds();
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TInherited::Dispatch(message);
        AdjustBounds();
        return;
    case CM_DIALOGCHAR: {
        const TWMKey key(message);
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(key.CharCode, Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            message.Result = 1;
            return;
        }
        TInherited::Dispatch(message);
        return;
    }
    default:
        TInherited::Dispatch(message);
    }
}

TSkThemeLabel::TSkThemeLabel(TComponent* owner) : TSkCustomLabel(owner) {}

void TSkThemeLabel::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeLabel::Notification(TComponent* component, TOperation operation)
{
    TSkCustomLabel::Notification(component, operation);
    SkUnlinkRemovedStylist(stylist_, component, operation);
}
