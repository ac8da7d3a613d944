// Guards over a canvas: its device context handed elsewhere for a scope, and
// its lock held for a scope.
#pragma once

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
