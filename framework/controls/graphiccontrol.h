// TGraphicControl (drawn on its parent's surface) and TCustomControl (a
// window that paints itself): the two bases of self-drawn controls.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/controls/wincontrol.h"

#include <memory>

// For one paint: hands dc to the canvas with the control's font and colour,
// and takes it back on every way out.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TCanvas* canvas, HDC dc, const TControl* control);
    ~TCanvasPaintScope();
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TCanvas* canvas_;
};

class TGraphicControl : public TControl {
    FW_DECLARE_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    void Dispatch(TMessage& message) override;
    // Draws on the parent's surface, in this control's coordinates, while
    // Paint runs.
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // Draws the control; PaintDC() is Canvas()'s context while it runs.
    virtual void Paint() {}
    HDC PaintDC() const { return paintDC_; }

private:
    void WMPaint(const TWMPaint& paint);

    std::unique_ptr<TCanvas> canvas_;
    HDC paintDC_ = nullptr;
};

class TCustomControl : public TWinControl {
    FW_DECLARE_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    // Draws the client area; PaintDC() is Canvas()'s context while it runs.
    virtual void Paint() {}
    HDC PaintDC() const { return paintDC_; }
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TCanvas> canvas_;
    HDC paintDC_ = nullptr;
};
