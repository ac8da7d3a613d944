// TSkCustomProgressBar: a progress indicator drawn by the library, filled
// as blocks or smooth, across or up; TSkThemeProgressBar (themeprogress.h)
// lets a theme draw frame and bar.
#pragma once

#include "styling/core/skcustomcontrol.h"

enum TSkBarOrientation { kboHorizontal, kboVertical };

// The filled share of the range at position, as the bar draws it: single
// precision, and 0 for a negative Min, an empty range or a position outside
// Min..Max.
float SkProgressFraction(int min, int max, int position);

class TSkCustomProgressBar : public TSkCustomControl {
    FW_DECLARE_CLASS(TSkCustomProgressBar)
public:
    explicit TSkCustomProgressBar(TComponent* owner);

    int Max() const { return max_; }
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Position() const { return position_; }
    // A change of what is drawn is painted before this returns: the pending
    // messages of the application run here, user input among them.
    void SetPosition(int value);
    TSkBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TSkBarOrientation value);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);

    // The inside of the frame, less the border width.
    virtual void GetBarArea(RECT& rect) const;

    void Dispatch(TMessage& message) override;

protected:
    virtual void DrawBar();
    virtual void DrawFrame();
    void PaintClient() override;

    bool Vertical() const { return orientation_ == kboVertical; }
    float Fraction() const { return SkProgressFraction(min_, max_, position_); }
    // How many pixels of the bar area's length the position fills.
    int FilledLength(const RECT& area) const;

private:
    using TInherited = TSkCustomControl;
    void DrawBlocks(const RECT& area);
    void RepaintNow();

    int max_ = 100;
    int min_ = 0;
    int position_ = 0;
    TSkBarOrientation orientation_ = kboHorizontal;
    bool showBorder_ = true;
    bool smooth_ = false;
};
