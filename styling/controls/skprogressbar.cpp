#include "styling/controls/skprogressbar.h"

#include "framework/components/properties.h"
#include "framework/forms/application.h"
#include "styling/core/skcolors.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/skvisualstyles.h"

#include <commctrl.h>

FW_IMPLEMENT_CLASS(TSkCustomProgressBar, TSkCustomControl)
FW_PUBLISH(TSkCustomProgressBar)
{
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth).Default(0);
    p.Property("Max", &T::Max, &T::SetMax).Default(100);
    p.Property("Min", &T::Min, &T::SetMin).Default(0);
    p.Property("Position", &T::Position, &T::SetPosition);
    p.Enum("Orientation", &T::Orientation, &T::SetOrientation, {"kboHorizontal", "kboVertical"});
    p.Property("ShowBorder", &T::ShowBorder, &T::SetShowBorder);
    p.Property("Smooth", &T::Smooth, &T::SetSmooth);
}

namespace {

// The system's progress style: its class and parts.
constexpr const wchar_t* ProgressStyleClass = L"Progress";
constexpr int BarPart = 1, BarVertPart = 2, ChunkPart = 3, ChunkVertPart = 4;
// Below a hundredth nothing shows; the single-precision hundredth itself
// lies just under it, so one step of a hundred shows nothing either.
constexpr double LeastShownFraction = 0.01;
// A block is about two thirds of the bar's thickness long.
constexpr double BlockShare = 0.64;
constexpr int BlockGap = 2;

} // namespace

float SkProgressFraction(int min, int max, int position)
{
    if (min < 0 || position < min || position > max || max == min)
        return 0.0f;
    return static_cast<float>(static_cast<double>(position - min) / (static_cast<double>(max) - min));
}

TSkCustomProgressBar::TSkCustomProgressBar(TComponent* owner) : TInherited(owner)
{
    SetPerformance(kspDoubleBuffer);
    SetColor(clBtnFace);
    SetTransparent(true);
    SetBounds(0, 0, 140, 16);
}

void TSkCustomProgressBar::SetMax(int value)
{
    if (value == max_)
        return;
    max_ = value;
    Invalidate();
}

void TSkCustomProgressBar::SetMin(int value)
{
    if (value == min_)
        return;
    min_ = value;
    Invalidate();
}

void TSkCustomProgressBar::SetPosition(int value)
{
    if (value == position_)
        return;
    const float before = Fraction();
    position_ = value;
    if (Fraction() == before || !HandleAllocated())
        return;
    RepaintNow();
    Application->ProcessMessages();
}

// Drawn straight into the window rather than through an invalidation and a
// paint message: under Wine the message's begin and end of paint cost more
// than twice the drawing.
void TSkCustomProgressBar::RepaintNow()
{
    HWND window = Handle();
    if (!IsWindowVisible(window)) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    if (HDC dc = GetDC(window)) {
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        ReleaseDC(window, dc);
    }
}

// Read as a system progress bar is read, by other programs too.
void TSkCustomProgressBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case PBM_GETPOS:
        message.Result = position_;
        return;
    case PBM_GETRANGE:
        if (auto* range = reinterpret_cast<PBRANGE*>(message.LParam))
            *range = PBRANGE{min_, max_};
        message.Result = message.WParam ? min_ : max_;
        return;
    default:
        TInherited::Dispatch(message);
    }
}

void TSkCustomProgressBar::SetOrientation(TSkBarOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    Invalidate();
}

void TSkCustomProgressBar::SetShowBorder(bool value)
{
    if (value == showBorder_)
        return;
    showBorder_ = value;
    Invalidate();
}

void TSkCustomProgressBar::SetSmooth(bool value)
{
    if (value == smooth_)
        return;
    smooth_ = value;
    Invalidate();
}

void TSkCustomProgressBar::GetBarArea(RECT& rect) const
{
    rect = RECT{0, 0, Width(), Height()};
    const int frame = (showBorder_ ? 2 : 0) + BorderWidth();
    InflateRect(&rect, -frame, -frame);
}

int TSkCustomProgressBar::FilledLength(const RECT& area) const
{
    const int length = Vertical() ? RectHeight(area) : RectWidth(area);
    return SkRound(static_cast<double>(Fraction()) * length);
}

void TSkCustomProgressBar::PaintClient()
{
    DrawFrame();
    DrawBar();
}

void TSkCustomProgressBar::DrawFrame()
{
    RECT r{0, 0, Width(), Height()};
    if (SkVisualStylesActive() && HandleAllocated()) {
        if (showBorder_)
            DrawVisualStyle(Handle(), Canvas()->Handle(), ProgressStyleClass,
                            Vertical() ? BarVertPart : BarPart, 0, r);
        return;
    }
    if (showBorder_) {
        DrawFrame3D(Canvas(), r, clBtnShadow, clBtnHighlight);
        InflateRect(&r, -1, -1);
    }
    FillRectColor(Canvas(), r, Color());
}

void TSkCustomProgressBar::DrawBar()
{
    RECT area;
    GetBarArea(area);
    const int filled = FilledLength(area);
    RECT bar = area;
    if (Vertical())
        bar.top = area.bottom - filled;
    else
        bar.right = area.left + filled;
    if (SkVisualStylesActive() && HandleAllocated()) {
        DrawVisualStyle(Handle(), Canvas()->Handle(), ProgressStyleClass,
                        Vertical() ? ChunkVertPart : ChunkPart, 0, bar);
        return;
    }
    if (smooth_)
        FillRectColor(Canvas(), bar, clHighlight);
    else
        DrawBlocks(area);
}

void TSkCustomProgressBar::DrawBlocks(const RECT& area)
{
    const float fraction = Fraction();
    if (fraction < LeastShownFraction)
        return;
    const int thickness = Vertical() ? RectWidth(area) : RectHeight(area);
    const int length = Vertical() ? RectHeight(area) : RectWidth(area);
    const int pitch = SkRound(thickness * BlockShare) + BlockGap;
    const int count = SkRound(static_cast<double>(fraction) * (length / pitch));
    for (int i = 0; i <= count; ++i) {
        RECT block = area;
        if (Vertical()) {
            block.bottom = area.bottom - i * pitch;
            block.top = block.bottom - pitch + BlockGap;
        } else {
            block.left = area.left + i * pitch;
            block.right = block.left + pitch - BlockGap;
        }
        FillRectColor(Canvas(), IntersectRects(block, area), clHighlight);
    }
}
