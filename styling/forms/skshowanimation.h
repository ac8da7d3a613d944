// TSkShowAnimation: brings a skinned form onto the screen through the effect
// engine. When the window is about to be shown it paints the window's
// picture, snapshots the screen behind it and runs the effect from one to
// the other straight onto the screen, before the window itself appears.
//
// Painting the picture runs the form's own painting (its paint events and
// its children), which may hide, show or destroy the window: the animation
// checks after the picture and draws nothing unless the window is still there
// and still to be shown.
#pragma once

#include "framework/base/geometry.h"

#include <windows.h>

#include <memory>

class TSkBitmap;
class TSkCustomForm;

class TSkShowAnimation {
public:
    explicit TSkShowAnimation(TSkCustomForm& form) : form_(form) {}

    // The window is about to be shown at rect (screen coordinates).
    void Show(const TRect& rect);
    // The window is being hidden; while the picture is painted this stops
    // the run.
    void Hide();

    bool Running() const { return running_; }
    // Where the window is being shown while running.
    const TRect& Rect() const { return rect_; }
    // Frames the last run drew; 0 when it drew none.
    int Frames() const { return frames_; }

    static void PaintPicture(TSkCustomForm& form, TSkBitmap& picture);

private:
    // Paints the picture, again when the window was shown anew meanwhile;
    // false when the form was freed.
    bool PaintCurrentPicture(TSkBitmap& picture);

    TSkCustomForm& form_;
    // Expires with this object: what a run checks after the form's own code
    // ran, before it touches anything of the form again.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool running_ = false;
    bool hidden_ = false;
    int shows_ = 0;
    int frames_ = 0;
    TRect rect_{};
};
