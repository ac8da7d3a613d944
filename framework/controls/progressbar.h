// TProgressBar over the common controls' progress bar.
#pragma once

#include "framework/controls/wincontrol.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    FW_DECLARE_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value) { SetRange(value, max_ < value ? value : max_); }
    int Max() const { return max_; }
    void SetMax(int value) { SetRange(min_ > value ? value : min_, value); }
    // Kept within Min..Max.
    int Position() const;
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value);
    // Moves by Step; past Max the bar starts again from Min, as the
    // system's bar does.
    void StepIt();
    void StepBy(int delta) { SetPosition(Position() + delta); }

    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void SetRange(int min, int max);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
    TProgressBarOrientation orientation_ = pbHorizontal;
};
