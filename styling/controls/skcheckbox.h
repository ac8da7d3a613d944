// The library's toggles: TSkCustomRadioButton (one of a group within its
// parent) and TSkCustomCheckBox (two or three states). Both draw a box and
// a caption beside it; what they share lives in TSkToggleControl.
// TSkThemeRadioButton (themecheckboxs.h) lets a theme draw the radio's box.
#pragma once

#include "framework/controls/button.h"  // TCheckBoxState
#include "styling/core/skcustomcontrol.h"

#include <string>

enum TSkAlignment { ktaLeftJustify, ktaRightJustify, ktaCenter };
// The box on the left or on the right of the caption.
using TSkLeftRight = TSkAlignment;

class TSkToggleControl : public TSkCustomControl {
    FW_DECLARE_CLASS(TSkToggleControl)
public:
    explicit TSkToggleControl(TComponent* owner);

    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TSkLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TSkLeftRight value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Held down by the left button or Space.
    bool Pressed() const { return pressed_; }

    void Dispatch(TMessage& message) override;

    // Where the box goes: at the chosen side, centred vertically.
    RECT BoxRect();

protected:
    virtual void DoClick();
    virtual SIZE GetCheckSize();
    virtual void DrawCheck();
    virtual void DrawCaption();
    // A release over the control, Space released, or the accelerator.
    virtual void Activate() = 0;
    // 0 unchecked, 1 checked, 2 grayed.
    virtual int Mark() const = 0;
    // The system visual-styles part of the box and its classic frame style.
    virtual int StylePart() const = 0;
    virtual UINT FrameStyle() const = 0;

    void PaintClient() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void KeyDown(unsigned short& key, unsigned shift) override;
    void KeyUp(unsigned short& key, unsigned shift) override;
    void CreateWnd() override;

private:
    using TInherited = TSkCustomControl;

    void SetPressed(bool value);

    int spacing_ = 5;
    bool pressed_ = false;
    bool wordWrap_ = false;
    TSkLeftRight alignment_ = ktaLeftJustify;
};

class TSkCustomRadioButton : public TSkToggleControl {
    FW_DECLARE_CLASS(TSkCustomRadioButton)
public:
    explicit TSkCustomRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // Checking unchecks the group's others (which fire nothing) and fires
    // OnClick; the checked radio is the group's tab stop.
    void SetChecked(bool value);
    // Radios of one parent with equal GroupIndex exclude each other.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = static_cast<uint8_t>(value); }
    bool ItemTabStop() const { return itemTabStop_; }
    void SetItemTabStop(bool value) { itemTabStop_ = value; }

    void Dispatch(TMessage& message) override;

protected:
    void Activate() override;
    int Mark() const override { return checked_ ? 1 : 0; }
    int StylePart() const override { return 2; }
    UINT FrameStyle() const override { return DFCS_BUTTONRADIO; }

private:
    void UncheckSiblings();

    bool checked_ = false;
    uint8_t groupIndex_ = 0;
    bool itemTabStop_ = true;
};

class TSkCustomCheckBox : public TSkToggleControl {
    FW_DECLARE_CLASS(TSkCustomCheckBox)
public:
    explicit TSkCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    // A change fires OnClick.
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }

    // Unchecked, (grayed,) checked, unchecked.
    virtual void Toggle();
    void Dispatch(TMessage& message) override;

protected:
    void Activate() override { Toggle(); }
    int Mark() const override { return state_; }
    int StylePart() const override { return 3; }
    UINT FrameStyle() const override { return DFCS_BUTTONCHECK; }

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};
