// TGraphicControl (drawn on its parent's surface) and TCustomControl (a
// window that paints itself): the two bases of self-drawn controls.
#pragma once

#include "framework/wincontrol.h"

class TGraphicControl : public TControl {
    FW_DECLARE_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    void Dispatch(TMessage& message) override;

protected:
    // Draws the control; PaintDC() is the target, in the control's coordinates.
    virtual void Paint() {}
    HDC PaintDC() const { return paintDC_; }

private:
    HDC paintDC_ = nullptr;
};

class TCustomControl : public TWinControl {
    FW_DECLARE_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);

protected:
    // Draws the client area; PaintDC() is the target while it runs.
    virtual void Paint() {}
    HDC PaintDC() const { return paintDC_; }
    void PaintWindow(HDC dc) override;

private:
    HDC paintDC_ = nullptr;
};
