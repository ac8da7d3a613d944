// Guards over a canvas: its device context handed elsewhere for a scope, its
// context's state saved for a scope, and its lock held for a scope.
#pragma once

#include "framework/base/dcguards.h"
#include "framework/graphics/canvas.h"

// Points the canvas at another device context for a scope, and back.
class TCanvasRedirect {
public:
    TCanvasRedirect(TCanvas* canvas, HDC to)
        : canvas_(canvas), previous_(canvas->HandleAllocated() ? canvas->Handle() : nullptr)
    {
        if (to != previous_)
            canvas_->SetHandle(to);
    }
    ~TCanvasRedirect()
    {
        if (canvas_->HandleAllocated() && canvas_->Handle() != previous_)
            canvas_->SetHandle(previous_);
    }
    TCanvasRedirect(const TCanvasRedirect&) = delete;
    TCanvasRedirect& operator=(const TCanvasRedirect&) = delete;

private:
    TCanvas* canvas_;
    HDC previous_;
};

// Saves the state of the canvas's device context for a scope and restores
// it. The canvas's tools are put back on both sides: saved with them, the
// context would get them back after the canvas let them go, and restored
// under them, the canvas would believe them still selected.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas* canvas)
        : canvas_(DeselectedTools(canvas)), state_(canvas->Handle())
    {
    }
    ~TCanvasStateGuard() { canvas_->Refresh(); }  // before state_ restores the context
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    static TCanvas* DeselectedTools(TCanvas* canvas)
    {
        canvas->Refresh();
        return canvas;
    }

    TCanvas* canvas_;
    TDCStateGuard state_;
};

// Holds the canvas's lock for a scope.
class TCanvasLock {
public:
    explicit TCanvasLock(TCanvas* canvas) : canvas_(canvas) { canvas_->Lock(); }
    ~TCanvasLock() { canvas_->Unlock(); }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas* canvas_;
};
