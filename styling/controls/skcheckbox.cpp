#include "styling/controls/skcheckbox.h"

#include "framework/components/properties.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/core/skvisualstyles.h"

FW_IMPLEMENT_CLASS(TSkToggleControl, TSkCustomControl)
FW_PUBLISH(TSkToggleControl)
{
    p.Enum("Alignment", &T::Alignment, &T::SetAlignment, {"ktaLeftJustify", "ktaRightJustify"})
        .Default(ktaLeftJustify);
    p.Property("Spacing", &T::Spacing, &T::SetSpacing).Default(5);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap);
}

FW_IMPLEMENT_CLASS(TSkCustomRadioButton, TSkToggleControl)
FW_PUBLISH(TSkCustomRadioButton)
{
    p.Property("Checked", &T::Checked, &T::SetChecked);
    p.Property("GroupIndex", &T::GroupIndex, &T::SetGroupIndex).Default(0);
    p.Property("ItemTabStop", &T::ItemTabStop, &T::SetItemTabStop).Default(true);
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(false);
}

FW_IMPLEMENT_CLASS(TSkCustomCheckBox, TSkToggleControl)
FW_PUBLISH(TSkCustomCheckBox)
{
    p.Property("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed).Default(false);
    // State says it all.
    p.Property("Checked", &T::Checked, &T::SetChecked).Stored(false);
    p.Enum("State", &T::State, &T::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"})
        .Default(cbUnchecked);
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
}

namespace {

bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }

} // namespace

TSkToggleControl::TSkToggleControl(TComponent* owner) : TInherited(owner)
{
    // OnClick fires when the state changes, not on every click.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetPerformance(kspDoubleBuffer);
    SetTransparent(true);
    SetBounds(0, 0, 98, 20);
}

void TSkToggleControl::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

void TSkToggleControl::SetAlignment(TSkLeftRight value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TSkToggleControl::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TSkToggleControl::SetPressed(bool value)
{
    pressed_ = value;
    Invalidate();
}

void TSkToggleControl::DoClick()
{
    if (!Loading(this) && OnClick)
        OnClick(this);
}

SIZE TSkToggleControl::GetCheckSize()
{
    return SIZE{13, 13};
}

RECT TSkToggleControl::BoxRect()
{
    const SIZE box = GetCheckSize();
    const RECT bounds = alignment_ == ktaRightJustify ? RECT{Width() - box.cx, 0, Width(), Height()}
                                                      : RECT{0, 0, Width(), Height()};
    const RECT r{bounds.left, bounds.top, bounds.left + box.cx, bounds.top + box.cy};
    return CenterRectVert(r, bounds);
}

void TSkToggleControl::PaintClient()
{
    TInherited::PaintClient();
    DrawCheck();
    DrawCaption();
}

void TSkToggleControl::DrawCheck()
{
    const RECT box = BoxRect();
    HDC dc = Canvas()->Handle();
    if (UseVisualStyles() && SkVisualStylesActive()) {
        static const int bases[] = {1, 5, 9};
        int state = bases[Mark()];
        if (!Enabled())
            state += 3;
        else if (pressed_)
            state += 2;
        else if (MouseInControl())
            state += 1;
        if (HandleAllocated())
            DrawVisualStyle(Handle(), dc, L"Button", StylePart(), state, box);
        return;
    }
    UINT style = FrameStyle();
    if (Mark() == 1)
        style |= DFCS_CHECKED;
    else if (Mark() == 2)
        style |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (!Enabled())
        style |= DFCS_INACTIVE;
    RECT r = box;
    DrawFrameControl(dc, &r, DFC_BUTTON, style);
}

void TSkToggleControl::DrawCaption()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(PaintFont());
    const std::wstring caption = WideCaption();
    const SIZE box = GetCheckSize();
    const UINT flags = (wordWrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS;
    RECT r{0, 0, Width() - box.cx - 10, TextHeightWide(canvas, caption)};
    DrawTextWide(canvas, caption, r, flags | DT_CALCRECT);
    const int left = alignment_ == ktaLeftJustify ? box.cx + spacing_ : 2;
    OffsetRect(&r, left, (Height() - r.bottom) / 2);
    if (!Enabled()) {
        canvas->Font()->SetColor(clBtnHighlight);
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        DrawTextWide(canvas, caption, shadow, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    RECT text = r;
    DrawTextWide(canvas, caption, text, flags);
    if (HasFocus()) {
        InflateRect(&r, 1, 2);
        r.right += 2;
        DrawFocusRectColor(canvas, r, clBtnShadow);
    }
}

void TSkToggleControl::CreateWnd()
{
    TInherited::CreateWnd();
    EnableWindow(Handle(), Enabled());
}

void TSkToggleControl::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    SetMouseCapture(true);
    SetPressed(true);
}

void TSkToggleControl::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (pressed_) {
        SetPressed(false);
        SetMouseCapture(false);
        if (x >= 0 && x <= Width() && y >= 0 && y <= Height())
            Activate();
    }
    TInherited::MouseUp(button, shift, x, y);
}

void TSkToggleControl::KeyDown(unsigned short& key, unsigned shift)
{
    const bool space = key == VK_SPACE;
    TInherited::KeyDown(key, shift);
    if (space)
        SetPressed(true);
}

void TSkToggleControl::KeyUp(unsigned short& key, unsigned shift)
{
    if (key == VK_SPACE) {
        Activate();
        SetPressed(false);
    }
    TInherited::KeyUp(key, shift);
}

void TSkToggleControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case BM_GETCHECK:
        // As a system button answers, for other programs too: the marks
        // are in the order of BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE.
        message.Result = Mark();
        return;
    case CM_DIALOGCHAR: {
        const TWMKey key(message);
        if (IsAccel(key.CharCode, Caption()) && CanFocus()) {
            SetFocus();
            if (Focused())
                Activate();
            message.Result = 1;
            return;
        }
        TInherited::Dispatch(message);
        return;
    }
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        if (HandleAllocated() && !ComponentState().Contains(csDesigning))
            EnableWindow(Handle(), Enabled());
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TInherited::Dispatch(message);
        Invalidate();
        return;
    default:
        TInherited::Dispatch(message);
    }
}

TSkCustomRadioButton::TSkCustomRadioButton(TComponent* owner) : TSkToggleControl(owner)
{
    SetTabStop(false);
    SetCaption("RadioButton");
}

void TSkCustomRadioButton::SetChecked(bool value)
{
    if (value == checked_)
        return;
    SetTabStop(value);
    checked_ = value;
    if (value) {
        UncheckSiblings();
        DoClick();
    }
    Invalidate();
}

void TSkCustomRadioButton::UncheckSiblings()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TSkCustomRadioButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_)
            sibling->SetChecked(false);
    }
}

void TSkCustomRadioButton::Activate()
{
    SetChecked(true);
}

void TSkCustomRadioButton::Dispatch(TMessage& message)
{
    TSkToggleControl::Dispatch(message);
    // Entering a radio checks it, a click's button-down included.
    if (message.Msg == CM_ENTER)
        SetChecked(true);
}

TSkCustomCheckBox::TSkCustomCheckBox(TComponent* owner) : TSkToggleControl(owner)
{
    SetTabStop(true);
    SetCaption("CheckBox");
}

void TSkCustomCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    DoClick();
    Invalidate();
}

void TSkCustomCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked:
        SetState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TSkCustomCheckBox::Dispatch(TMessage& message)
{
    TSkToggleControl::Dispatch(message);
    if (message.Msg == WM_SYSCOLORCHANGE)
        Invalidate();
}
