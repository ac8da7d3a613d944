#include "framework/controls/progressbar.h"

#include "framework/components/properties.h"

#include <commctrl.h>

#include <algorithm>

FW_IMPLEMENT_CLASS(TProgressBar, TWinControl)
FW_PUBLISH(TProgressBar)
{
    p.Property("Min", &T::Min, &T::SetMin).Default(0);
    p.Property("Max", &T::Max, &T::SetMax).Default(100);
    p.Enum("Orientation", &T::Orientation, &T::SetOrientation, {"pbHorizontal", "pbVertical"})
        .Default(pbHorizontal);
    p.Property("Position", &T::Position, &T::SetPosition).Default(0);
    p.Property("Smooth", &T::Smooth, &T::SetSmooth).Default(false);
    p.Property("Step", &T::Step, &T::SetStep).Default(10);
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params)
{
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&init);
    TWinControl::CreateParams(params);
    CreateSubClass(params, PROGRESS_CLASSA);
    if (smooth_)
        params.Style |= PBS_SMOOTH;
    if (orientation_ == pbVertical)
        params.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = Handle();
    SendMessageA(window, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(window, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
    SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

int TProgressBar::Position() const
{
    if (!HandleAllocated())
        return position_;
    return static_cast<int>(SendMessageA(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int value)
{
    value = std::clamp(value, min_, max_);
    position_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetRange(int min, int max)
{
    if (min == min_ && max == max_)
        return;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    if (HandleAllocated())
        SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TProgressBar::SetStep(int value)
{
    if (value == step_)
        return;
    step_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::StepIt()
{
    long long next = static_cast<long long>(Position()) + step_;
    if (next > max_)
        next = min_ + (next - max_);
    else if (next < min_)
        next = max_ - (min_ - next);
    SetPosition(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

void TProgressBar::SetSmooth(bool value)
{
    if (value == smooth_)
        return;
    smooth_ = value;
    RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    RecreateWnd();
}
