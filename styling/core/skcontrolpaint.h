// What the two control bases share when they paint: the target a paint
// draws into (chosen by Performance), the parent's background under a
// control, and the blend of a control's drawing over that background.
#pragma once

#include "styling/core/skbitmap.h"
#include "styling/core/skcontroltypes.h"

#include <windows.h>

#include <memory>

class TControl;

// A component of a form that paints the form's background itself (the
// theme form component): a control without a buffer lets it erase for
// the form.
class ISkFormBackground {
public:
    virtual void EraseFormBackground(HDC dc) = 0;

protected:
    ~ISkFormBackground() = default;
};

// Makes the parent's background appear in dc exactly under control (dc in
// the control's coordinates). With blending, the parent's windowless
// children are drawn into it too, the control itself left out. Without a
// buffer the parent erases into kept (sized to the control), or into a
// bitmap made for the call when there is none.
void DrawParentBackground(TControl* control, HDC dc, TSkPerformance performance, bool blending,
                          TSkBitmap* kept = nullptr);

// The target of one paint of a width x height control. Without a buffer it
// is the paint context itself; with one, the shared buffer or the control's
// own bitmap, optionally cleared to the key colour first. The own bitmap is
// kept (when the control hands one over) so that a paint need not make one;
// every paint still starts from what a new one would hold.
class TSkPaintTarget {
public:
    TSkPaintTarget(HDC paintDC, int width, int height, TSkPerformance performance, bool clear,
                   TSkBitmap* kept = nullptr);
    ~TSkPaintTarget();
    TSkPaintTarget(const TSkPaintTarget&) = delete;
    TSkPaintTarget& operator=(const TSkPaintTarget&) = delete;

    HDC DC() const { return bitmap_ ? bitmap_->DC() : paintDC_; }
    bool Buffered() const { return bitmap_ != nullptr; }

    // The drawing mixed at value (0..255) over background, a bitmap of the
    // control's size holding what lies under it. Only with a buffer.
    void BlendOver(const TSkBitmap& background, int value);
    // Copies the drawing, opaque, to the paint context; nothing without a buffer.
    void Present();

private:
    HDC paintDC_;
    int width_, height_;
    TSkBitmap* bitmap_ = nullptr;         // the shared buffer, kept or own_
    std::unique_ptr<TSkBitmap> own_;      // kspDoubleBuffer without a kept bitmap
};
