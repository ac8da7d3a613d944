#include "styling/controls/skscrollbar.h"

#include "framework/components/properties.h"
#include "framework/components/timer.h"
#include "styling/core/skcolors.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/core/skvisualstyles.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkCustomScrollBar, TSkGraphicControl)
FW_PUBLISH(TSkCustomScrollBar)
{
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth).Default(1);
    p.Enum("Kind", &T::Kind, &T::SetKind, {"sbHorizontal", "sbVertical"}).Default(sbHorizontal);
    p.Property("LargeChange", &T::LargeChange, &T::SetLargeChange).Default(1);
    p.Property("Max", &T::Max, &T::SetMax).Default(100);
    p.Property("Min", &T::Min, &T::SetMin).Default(0);
    p.Property("PageSize", &T::PageSize, &T::SetPageSize).Default(0);
    p.Property("Position", &T::Position, &T::SetPosition).Default(0);
    p.Property("ShowButtons", &T::ShowButtons, &T::SetShowButtons).Default(true);
    p.Property("SmallChange", &T::SmallChange, &T::SetSmallChange).Default(1);
    p.Event("OnChange", &T::OnChange);
    p.Event("OnScroll", &T::OnScroll);
}

namespace {

// The system's scroll-bar style: its class, parts and the first state of
// each arrow (normal, hot, pressed, disabled follow).
constexpr const wchar_t* ScrollStyleClass = L"ScrollBar";
constexpr int ArrowPart = 1, ThumbHorzPart = 2, ThumbVertPart = 3;
constexpr int LowerTrackHorzPart = 4, UpperTrackHorzPart = 5;
constexpr int LowerTrackVertPart = 6, UpperTrackVertPart = 7;
constexpr int UpArrow = 1, DownArrow = 5, LeftArrow = 9, RightArrow = 13;
constexpr int PressedState = 3;

int ThumbMetric()
{
    return GetSystemMetrics(SM_CYVTHUMB);
}

bool Contains(const RECT& rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// The child bars of the windowed themed controls are plain library bars
// whose scrolls reach their host as scroll messages.
const bool childBarsInstalled = [] {
    SetSkScrollBarFactory([](TSkCustomControl* host, TScrollBarKind kind) -> TControl* {
        auto* bar = new TSkCustomScrollBar(host);
        bar->SetBorderWidth(0);
        bar->SetKind(kind);
        bar->SetTransparent(false);
        bar->OnScroll = [host, bar, kind](TObject*, TScrollCode code, int& position) {
            host->ScrollBarScrolled(kind, code, position);
            position = bar->Position();
        };
        return bar;
    });
    return true;
}();

} // namespace

TSkCustomScrollBar::TSkCustomScrollBar(TComponent* owner) : TInherited(owner)
{
    (void)childBarsInstalled;
    TControlStyle style = ControlStyle();
    style.Include(csCaptureMouse);
    SetControlStyle(style);
    SetPerformance(kspDoubleBuffer);
    SetBounds(0, 0, 121, ThumbMetric());
}

TSkCustomScrollBar::~TSkCustomScrollBar() = default;

void TSkCustomScrollBar::SetPosition(int value)
{
    value = std::clamp(value, min_, std::max(min_, max_));
    if (value == position_)
        return;
    position_ = value;
    Invalidate();
    Change();
}

void TSkCustomScrollBar::SetMax(int value)
{
    value = std::max(value, min_);
    if (value == max_)
        return;
    max_ = value;
    if (position_ > max_)
        SetPosition(max_);
    if (max_ - min_ + 1 < pageSize_)
        pageSize_ = max_ - min_ + 1;
    Invalidate();
}

void TSkCustomScrollBar::SetMin(int value)
{
    value = std::min(value, max_);
    if (value == min_)
        return;
    min_ = value;
    if (position_ < min_)
        SetPosition(min_);
    if (max_ - min_ + 1 < pageSize_)
        pageSize_ = max_ - min_ + 1;
    Invalidate();
}

void TSkCustomScrollBar::SetPageSize(int value)
{
    if (value < 0)
        return;
    value = std::min(value, max_ - min_ + 1);
    if (value == pageSize_)
        return;
    pageSize_ = value;
    Invalidate();
}

void TSkCustomScrollBar::SetBorderWidth(int value)
{
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    Invalidate();
}

void TSkCustomScrollBar::SetKind(TScrollBarKind value)
{
    if (value == kind_)
        return;
    kind_ = value;
    const bool wrongShape = value == sbHorizontal ? Height() > Width() : Width() > Height();
    if (ComponentState().Contains(csDesigning) && wrongShape)
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TSkCustomScrollBar::SetShowButtons(bool value)
{
    if (value == showButtons_)
        return;
    showButtons_ = value;
    Invalidate();
}

void TSkCustomScrollBar::SetAutoScrollBack(bool value)
{
    if (value == autoScrollBack_)
        return;
    autoScrollBack_ = value;
    if (value) {
        autoScrollForward_ = false;
        StartRepeat();
    } else {
        StopRepeat();
    }
}

void TSkCustomScrollBar::SetAutoScrollForward(bool value)
{
    if (value == autoScrollForward_)
        return;
    autoScrollForward_ = value;
    if (value) {
        autoScrollBack_ = false;
        StartRepeat();
    } else {
        StopRepeat();
    }
}

// Geometry. Everything is measured along the bar from the rectangles.

int TSkCustomScrollBar::GetButtonSize()
{
    const int metric = ThumbMetric();
    const int room = Length() - 2 * borderWidth_;
    return room >= 2 * metric ? metric : room / 2;
}

void TSkCustomScrollBar::GetTrackRect(RECT& rect)
{
    rect = RECT{0, 0, Width(), Height()};
    InflateRect(&rect, -borderWidth_, -borderWidth_);
    if (!showButtons_)
        return;
    const int button = GetButtonSize();
    if (Vertical()) {
        rect.top += button;
        rect.bottom -= button;
    } else {
        rect.left += button;
        rect.right -= button;
    }
}

void TSkCustomScrollBar::GetFirstButtonRect(RECT& rect)
{
    const int bw = borderWidth_, button = GetButtonSize();
    rect = Vertical() ? RECT{bw, bw, Width() - bw, bw + button}
                      : RECT{bw, bw, bw + button, Height() - bw};
}

void TSkCustomScrollBar::GetSecondButtonRect(RECT& rect)
{
    const int bw = borderWidth_, button = GetButtonSize();
    rect = Vertical() ? RECT{bw, Height() - bw - button, Width() - bw, Height() - bw}
                      : RECT{Width() - bw - button, bw, Width() - bw, Height() - bw};
}

int TSkCustomScrollBar::TrackStart()
{
    RECT track;
    GetTrackRect(track);
    return Vertical() ? track.top : track.left;
}

int TSkCustomScrollBar::TrackLength()
{
    RECT track;
    GetTrackRect(track);
    return Vertical() ? track.bottom - track.top : track.right - track.left;
}

int TSkCustomScrollBar::ThumbLength()
{
    const int metric = ThumbMetric();
    if (pageSize_ < 1)
        return metric;
    const double span = static_cast<double>(max_) - min_ + 1;
    return std::max(SkRound(pageSize_ * static_cast<double>(TrackLength()) / span),
                    metric / 3 * 2);
}

int TSkCustomScrollBar::GetThumbSize()
{
    const int length = ThumbLength();
    return TrackLength() > length ? length : 0;
}

int TSkCustomScrollBar::TravelRange() const
{
    return max_ - min_ - pageSize_ + (pageSize_ != 0 ? 1 : 0);
}

uint16_t TSkCustomScrollBar::ThumbOffset()
{
    const int start = TrackStart();
    const int range = TravelRange();
    const int free = TrackLength() - GetThumbSize();
    if (max_ - min_ - pageSize_ + 1 < 1 || range < 1)
        return static_cast<uint16_t>(start);
    if (position_ > max_ - pageSize_ + 1)
        return static_cast<uint16_t>(start + free);
    const double share = (static_cast<double>(position_) - min_) * free / range;
    return static_cast<uint16_t>(start + SkRound(share));
}

int TSkCustomScrollBar::PositionAtPixel(int pixel)
{
    pixel = static_cast<uint16_t>(pixel);
    const int range = TravelRange();
    const int free = TrackLength() - GetThumbSize();
    int value = 0;
    if (free != 0 && range >= 1)
        value = SkRound(static_cast<double>(pixel - TrackStart()) * range / free + min_);
    return std::min(std::max(value, min_), max_ - pageSize_ + 1);
}

void TSkCustomScrollBar::GetThumbRect(RECT& rect)
{
    GetTrackRect(rect);
    const int offset = ThumbOffset();
    if (Vertical()) {
        rect.top = offset;
        rect.bottom = offset + GetThumbSize();
    } else {
        rect.left = offset;
        rect.right = offset + GetThumbSize();
    }
}

void TSkCustomScrollBar::GetFirstPageRect(RECT& rect)
{
    GetTrackRect(rect);
    (Vertical() ? rect.bottom : rect.right) = ThumbOffset();
}

void TSkCustomScrollBar::GetSecondPageRect(RECT& rect)
{
    GetTrackRect(rect);
    (Vertical() ? rect.top : rect.left) = ThumbOffset() + GetThumbSize();
}

bool TSkCustomScrollBar::IsOnFirstButton(int x, int y)
{
    RECT r;
    GetFirstButtonRect(r);
    return showButtons_ && Contains(r, x, y);
}

bool TSkCustomScrollBar::IsOnSecondButton(int x, int y)
{
    RECT r;
    GetSecondButtonRect(r);
    return showButtons_ && Contains(r, x, y);
}

bool TSkCustomScrollBar::IsOnThumb(int x, int y)
{
    RECT r;
    GetThumbRect(r);
    return Contains(r, x, y);
}

bool TSkCustomScrollBar::IsOnFirstPage(int x, int y)
{
    RECT r;
    GetFirstPageRect(r);
    return Contains(r, x, y);
}

bool TSkCustomScrollBar::IsOnSecondPage(int x, int y)
{
    RECT r;
    GetSecondPageRect(r);
    return Contains(r, x, y);
}

bool TSkCustomScrollBar::ThumbVisible()
{
    RECT r;
    GetThumbRect(r);
    return r.right > r.left && r.bottom > r.top &&
           (Enabled() || ComponentState().Contains(csDesigning));
}

// Painting.

void TSkCustomScrollBar::PaintClient()
{
    TInherited::PaintClient();
    DrawBorder();
    DrawTrack();
    if (showButtons_) {
        DrawFirstButton();
        DrawSecondButton();
    }
    if (!ThumbVisible())
        return;
    DrawThumb();
    if (FirstPagePressed())
        DrawFirstPage();
    if (SecondPagePressed())
        DrawSecondPage();
}

namespace {

// The style drawn for the parent's window (the bar has none).
bool DrawScrollStyle(TControl* bar, HDC dc, int part, int state, const RECT& rect)
{
    TWinControl* parent = bar->Parent();
    if (!SkVisualStylesActive() || !parent || !parent->HandleAllocated())
        return false;
    return DrawVisualStyle(parent->Handle(), dc, ScrollStyleClass, part, state, rect);
}

} // namespace

void TSkCustomScrollBar::DrawBorder()
{
    if (borderWidth_ <= 0 || SkVisualStylesActive())
        return;
    DrawFrame3D(Canvas(), TRect{0, 0, Width(), Height()}, clBtnShadow, clBtnHighlight);
}

void TSkCustomScrollBar::DrawTrack()
{
    RECT track;
    GetTrackRect(track);
    if (DrawScrollStyle(this, Canvas()->Handle(), Vertical() ? LowerTrackVertPart : LowerTrackHorzPart,
                        1, track))
        return;
    DitherFillRect(Canvas(), track, clScrollBar, clBtnHighlight);
}

void TSkCustomScrollBar::DrawFirstPage()
{
    RECT page;
    GetFirstPageRect(page);
    if (!DrawScrollStyle(this, Canvas()->Handle(),
                         Vertical() ? UpperTrackVertPart : UpperTrackHorzPart, PressedState, page))
        FillRectColor(Canvas(), page, cl3DDkShadow);
}

void TSkCustomScrollBar::DrawSecondPage()
{
    RECT page;
    GetSecondPageRect(page);
    if (!DrawScrollStyle(this, Canvas()->Handle(),
                         Vertical() ? LowerTrackVertPart : LowerTrackHorzPart, PressedState, page))
        FillRectColor(Canvas(), page, cl3DDkShadow);
}

namespace {

// Normal, hot, pressed or disabled, as 0..3 from the first state.
int ButtonStateOffset(bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return 3;
    return pressed ? 2 : hot ? 1 : 0;
}

void DrawClassicButton(TCanvas* canvas, const RECT& rect, UINT glyph, bool pressed, bool inactive)
{
    RECT r = rect;
    UINT state = glyph;
    if (pressed)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (inactive)
        state |= DFCS_INACTIVE;
    DrawFrameControl(canvas->Handle(), &r, DFC_SCROLL, state);
}

} // namespace

void TSkCustomScrollBar::DrawFirstButton()
{
    RECT r;
    GetFirstButtonRect(r);
    const int state = (Vertical() ? UpArrow : LeftArrow) +
                      ButtonStateOffset(Enabled(), FirstButtonPressed(), firstButtonHot_);
    if (DrawScrollStyle(this, Canvas()->Handle(), ArrowPart, state, r))
        return;
    DrawClassicButton(Canvas(), r, Vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT,
                      FirstButtonPressed(),
                      !Enabled() && !ComponentState().Contains(csDesigning));
}

void TSkCustomScrollBar::DrawSecondButton()
{
    RECT r;
    GetSecondButtonRect(r);
    const int state = (Vertical() ? DownArrow : RightArrow) +
                      ButtonStateOffset(Enabled(), SecondButtonPressed(), secondButtonHot_);
    if (DrawScrollStyle(this, Canvas()->Handle(), ArrowPart, state, r))
        return;
    DrawClassicButton(Canvas(), r, Vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
                      SecondButtonPressed(),
                      !Enabled() && !ComponentState().Contains(csDesigning));
}

void TSkCustomScrollBar::DrawThumb()
{
    RECT r;
    GetThumbRect(r);
    const int state = !Enabled() ? 4 : Dragging() ? 3 : thumbHot_ ? 2 : 1;
    if (DrawScrollStyle(this, Canvas()->Handle(), Vertical() ? ThumbVertPart : ThumbHorzPart, state,
                        r))
        return;
    FillRectColor(Canvas(), r, clBtnFace);
    if (Dragging()) {
        FrameRectColor(Canvas(), r, clBtnShadow);
        return;
    }
    DrawFrame3D(Canvas(), TRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, clBtnHighlight,
                clBtnShadow);
    DrawFrame3D(Canvas(), r, cl3DLight, cl3DDkShadow);
}

// Changes and steps.

void TSkCustomScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TSkCustomScrollBar::Scroll(TScrollCode code, int& position)
{
    if (OnScroll)
        OnScroll(this, code, position);
}

void TSkCustomScrollBar::StepTo(int position, TScrollCode code)
{
    int p = std::clamp(position, min_, std::max(min_, max_));
    Scroll(code, p);
    SetPosition(p);
}

namespace {

int PageStep(int pageSize, int largeChange)
{
    return pageSize > 0 ? pageSize : largeChange;
}

} // namespace

void TSkCustomScrollBar::PageBack()
{
    StepTo(position_ - PageStep(pageSize_, largeChange_), scPageUp);
}

void TSkCustomScrollBar::PageForward()
{
    StepTo(position_ + PageStep(pageSize_, largeChange_), scPageDown);
}

void TSkCustomScrollBar::LineBack()
{
    StepTo(position_ - smallChange_, scLineUp);
    if (position_ == min_)
        SetAutoScrollBack(false);
}

void TSkCustomScrollBar::LineForward()
{
    StepTo(position_ + smallChange_, scLineDown);
    if (position_ == max_)
        SetAutoScrollForward(false);
}

void TSkCustomScrollBar::StartRepeat()
{
    if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<TTimer>(nullptr);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->SetOnTimer([this](TObject*) { RepeatTick(); });
    }
    RepeatTick();
    repeatTimer_->SetInterval(KeyRepeatDelay());
    repeatTimer_->SetEnabled(true);
}

void TSkCustomScrollBar::StopRepeat()
{
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
}

void TSkCustomScrollBar::RepeatTick()
{
    if (repeatTimer_)
        repeatTimer_->SetInterval(KeyRepeatInterval());
    if (FirstButtonPressed() || autoScrollBack_) {
        LineBack();
        return;
    }
    if (SecondButtonPressed() || autoScrollForward_) {
        LineForward();
        return;
    }
    // A page repeats only while the mouse stays over it: once the thumb has
    // passed the mouse, paging stops.
    const bool firstWas = firstPageHot_, secondWas = secondPageHot_;
    firstPageHot_ = IsOnFirstPage(mouseX_, mouseY_);
    if (FirstPagePressed()) {
        PageBack();
    } else {
        secondPageHot_ = IsOnSecondPage(mouseX_, mouseY_);
        if (SecondPagePressed())
            PageForward();
    }
    if (firstPageHot_ != firstWas || secondPageHot_ != secondWas)
        Invalidate();
}

// The mouse.

bool TSkCustomScrollBar::UpdateHot(int x, int y)
{
    const bool before[] = {thumbHot_, firstButtonHot_, secondButtonHot_, firstPageHot_,
                           secondPageHot_};
    thumbHot_ = IsOnThumb(x, y);
    firstButtonHot_ = showButtons_ && IsOnFirstButton(x, y);
    secondButtonHot_ = showButtons_ && IsOnSecondButton(x, y);
    firstPageHot_ = IsOnFirstPage(x, y);
    secondPageHot_ = IsOnSecondPage(x, y);
    const bool after[] = {thumbHot_, firstButtonHot_, secondButtonHot_, firstPageHot_,
                          secondPageHot_};
    return !std::equal(std::begin(before), std::end(before), std::begin(after));
}

bool TSkCustomScrollBar::ClearHot()
{
    if (!(thumbHot_ || firstButtonHot_ || secondButtonHot_ || firstPageHot_ || secondPageHot_))
        return false;
    thumbHot_ = firstButtonHot_ = secondButtonHot_ = firstPageHot_ = secondPageHot_ = false;
    return true;
}

void TSkCustomScrollBar::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    mouseX_ = x;
    mouseY_ = y;
    // A press without a move before it (a click from the keyboard's mouse
    // keys, a message sent straight) still finds its part.
    UpdateHot(x, y);
    if (ThumbVisible() && IsOnThumb(x, y)) {
        RECT thumb;
        GetThumbRect(thumb);
        thumbGrab_ = Vertical() ? y - thumb.top : x - thumb.left;
        StepTo(position_, scTrack);
        Invalidate();
    }
    firstButtonDown_ = IsOnFirstButton(x, y);
    secondButtonDown_ = IsOnSecondButton(x, y);
    firstPageDown_ = IsOnFirstPage(x, y);
    secondPageDown_ = IsOnSecondPage(x, y);
    if (FirstButtonPressed() || SecondButtonPressed() || FirstPagePressed() ||
        SecondPagePressed()) {
        Invalidate();
        StartRepeat();
    }
}

void TSkCustomScrollBar::MouseMove(unsigned shift, int x, int y)
{
    TInherited::MouseMove(shift, x, y);
    mouseX_ = x;
    mouseY_ = y;
    if (Dragging()) {
        RECT track;
        GetTrackRect(track);
        const int start = Vertical() ? track.top : track.left;
        const int end = Vertical() ? track.bottom : track.right;
        const int pixel = std::clamp(Along(x, y) - thumbGrab_, start, std::max(start, end));
        StepTo(PositionAtPixel(pixel), scTrack);
    }
    if (UpdateHot(x, y))
        Invalidate();
}

void TSkCustomScrollBar::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseUp(button, shift, x, y);
    if (Dragging())
        StepTo(position_, scPosition);
    thumbGrab_ = -1;
    firstButtonDown_ = secondButtonDown_ = firstPageDown_ = secondPageDown_ = false;
    StopRepeat();
    StepTo(position_, scEndScroll);
    Invalidate();
}

void TSkCustomScrollBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TInherited::Dispatch(message);
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        TInherited::Dispatch(message);
        if (ClearHot())
            Invalidate();
        return;
    case WM_GETDLGCODE:
        TInherited::Dispatch(message);
        message.Result = DLGC_WANTARROWS;
        return;
    default:
        TInherited::Dispatch(message);
    }
}
