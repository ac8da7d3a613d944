#include "styling/controls/skmemo.h"

#include "framework/base/dcguards.h"
#include "framework/components/properties.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/core/skvisualstyles.h"

FW_IMPLEMENT_CLASS(TSkInplaceScrollBar, TWinControl)
FW_IMPLEMENT_CLASS(TSkSubScrollBar, TComponent)
FW_IMPLEMENT_CLASS(TSkCustomMemo, TMemo)

namespace {

bool IsDesigning(const TComponent* c)
{
    return c->ComponentState().Contains(csDesigning);
}

bool IsDestroying(const TComponent* c)
{
    return c->ComponentState().Contains(csDestroying);
}

// A canvas over a context it does not own, for one drawing.
class TBorrowedCanvas {
public:
    explicit TBorrowedCanvas(HDC dc) { canvas_.SetHandle(dc); }
    ~TBorrowedCanvas() { canvas_.SetHandle(nullptr); }
    TBorrowedCanvas(const TBorrowedCanvas&) = delete;
    TBorrowedCanvas& operator=(const TBorrowedCanvas&) = delete;
    TCanvas* operator->() { return &canvas_; }
    TCanvas* Get() { return &canvas_; }

private:
    TCanvas canvas_;
};

// The system's window-edge border is two pixels wide.
constexpr int EdgeWidth = 2;

} // namespace

// The in-place window.

TSkInplaceScrollBar::TSkInplaceScrollBar(TWinControl* control,
                                         const TSkCreateScrollBarMethod& create)
    : TWinControl(nullptr), control_(control)
{
    scrollBar_ = create ? create(this) : nullptr;
    if (!scrollBar_)
        scrollBar_ = new TSkCustomScrollBar(nullptr);
    scrollBar_->FreeNotification(this);
    scrollBar_->SetBorderWidth(0);
    scrollBar_->SetAlign(alClient);
    scrollBar_->SetPerformance(kspDoubleBuffer);
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetParent(this);
    scrollBar_->SetTransparent(false);
    scrollBar_->SetVisible(true);
    scrollBar_->OnScroll = [this](TObject* sender, TScrollCode code, int& position) {
        ScrollBarScroll(sender, code, position);
    };
    SetVisible(false);
}

void TSkInplaceScrollBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == scrollBar_)
        scrollBar_ = nullptr;
}

void TSkInplaceScrollBar::Dispatch(TMessage& message)
{
    // The bar covers the whole window: nothing to erase.
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TWinControl::Dispatch(message);
}

LONG TSkInplaceScrollBar::NativeBarId() const
{
    return scrollBar_->Kind() == sbVertical ? OBJID_VSCROLL : OBJID_HSCROLL;
}

int TSkInplaceScrollBar::NativeBarKind() const
{
    return scrollBar_->Kind() == sbVertical ? SB_VERT : SB_HORZ;
}

void TSkInplaceScrollBar::Synchronize()
{
    TGetScrollBarInfoProc getInfo = SkGetScrollBarInfo();
    TWinControl* parent = Parent();
    if (!scrollBar_ || !control_ || !control_->HandleAllocated() || !parent || !getInfo)
        return;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!getInfo(control_->Handle(), NativeBarId(), &info) ||
        (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || !control_->Visible()) {
        SetVisible(false);
        return;
    }
    POINT topLeft{info.rcScrollBar.left, info.rcScrollBar.top};
    ::ScreenToClient(parent->Handle(), &topLeft);
    const RECT place{topLeft.x, topLeft.y,
                     topLeft.x + info.rcScrollBar.right - info.rcScrollBar.left,
                     topLeft.y + info.rcScrollBar.bottom - info.rcScrollBar.top};
    const RECT bounds = BoundsRect();
    if (!EqualRect(&place, &bounds))
        SetBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
    SetVisible(true);
    // Over the memo, whose window may have been made after this one.
    if (control_->Handle() != raisedOver_) {
        raisedOver_ = control_->Handle();
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    SCROLLINFO scroll{};
    scroll.cbSize = sizeof(scroll);
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(control_->Handle(), NativeBarKind(), &scroll);
    scrollBar_->SetEnabled(control_->Enabled());
    scrollBar_->SetMin(scroll.nMin);
    scrollBar_->SetMax(scroll.nMax);
    scrollBar_->SetPageSize(static_cast<int>(scroll.nPage));
    // The system's edit leaves its position behind while the thumb is
    // tracked: during a drag the thumb stays where the mouse puts it.
    if (!scrollBar_->Dragging())
        scrollBar_->SetPosition(scroll.nPos);
    // Each setter repaints the bar when its value changed.
}

// A line step goes as it is; any other carries the position the bar asks
// for (during a drag, the one the thumb moves to, not the one it leaves).
// Outside a drag the bar then shows where the control really went.
void TSkInplaceScrollBar::ScrollBarScroll(TObject*, TScrollCode code, int& position)
{
    if (!control_ || !control_->HandleAllocated())
        return;
    const UINT msg = scrollBar_->Kind() == sbVertical ? WM_VSCROLL : WM_HSCROLL;
    const bool line = code == scLineUp || code == scLineDown;
    const WORD high = line ? 0 : static_cast<WORD>(position);
    control_->Perform(msg, MAKEWPARAM(code, high), 0);
    Synchronize();
    if (!scrollBar_->Dragging())
        position = scrollBar_->Position();
}

// The pair.

TSkSubScrollBar::TSkSubScrollBar(TComponent* owner, TWinControl* control,
                                 const TSkCreateScrollBarMethod& create)
    : TComponent(owner), control_(control)
{
    vertBar_ = new TSkInplaceScrollBar(control, create);
    vertBar_->ScrollBar()->SetKind(sbVertical);
    horzBar_ = new TSkInplaceScrollBar(control, create);
    horzBar_->ScrollBar()->SetKind(sbHorizontal);
    // The bars live on the control's parent, which frees its children when
    // it goes: whoever goes first tells the other.
    vertBar_->FreeNotification(this);
    horzBar_->FreeNotification(this);
}

TSkSubScrollBar::~TSkSubScrollBar()
{
    SetControl(nullptr);
    for (TSkInplaceScrollBar* bar : {vertBar_, horzBar_})
        if (bar) {
            bar->RemoveFreeNotification(this);
            bar->Free();
        }
}

void TSkSubScrollBar::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == vertBar_)
        vertBar_ = nullptr;
    if (component == horzBar_)
        horzBar_ = nullptr;
}

void TSkSubScrollBar::SetControl(TWinControl* value)
{
    control_ = value;
    for (TSkInplaceScrollBar* bar : {vertBar_, horzBar_})
        if (bar) {
            bar->SetControl(value);
            if (!value)
                bar->SetParent(nullptr);
        }
}

void TSkSubScrollBar::SetParent(TWinControl* parent)
{
    for (TSkInplaceScrollBar* bar : {vertBar_, horzBar_})
        if (bar)
            bar->SetParent(parent);
}

void TSkSubScrollBar::ControlMessage(const TMessage& message)
{
    if (!control_ || IsDesigning(control_) || IsDestroying(control_) || !control_->HandleAllocated())
        return;
    for (TSkInplaceScrollBar* bar : {vertBar_, horzBar_}) {
        if (!bar || !bar->HandleAllocated())
            continue;
        switch (message.Msg) {
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            bar->Synchronize();
            break;
        case CM_VISIBLECHANGED:
            if (!control_->Visible())
                bar->SetVisible(false);
            else
                bar->Synchronize();
            break;
        default:
            break;
        }
    }
}

// The memo.

TSkCustomMemo::TSkCustomMemo(TComponent* owner) : TInherited(owner)
{
    RemakeSubScrollBar();
}

TSkCustomMemo::~TSkCustomMemo()
{
    if (subScrollBar_) {
        subScrollBar_->SetControl(nullptr);
        subScrollBar_->Free();
    }
}

void TSkCustomMemo::RemakeSubScrollBar()
{
    TWinControl* parent = Parent();
    if (subScrollBar_) {
        subScrollBar_->SetControl(nullptr);
        subScrollBar_->Free();
    }
    subScrollBar_ = new TSkSubScrollBar(nullptr, this,
                                        [this](TSkInplaceScrollBar* owner) {
                                            TSkCustomScrollBar* bar = nullptr;
                                            CreateScrollBar(owner, bar);
                                            return bar;
                                        });
    if (parent)
        subScrollBar_->SetParent(parent);
}

void TSkCustomMemo::CreateScrollBar(TSkInplaceScrollBar*, TSkCustomScrollBar*& bar)
{
    bar = new TSkCustomScrollBar(nullptr);
}

void TSkCustomMemo::SetParent(TWinControl* parent)
{
    TInherited::SetParent(parent);
    if (parent && subScrollBar_)
        subScrollBar_->SetParent(parent);
}

void TSkCustomMemo::Change()
{
    RedrawOffScreen();
    TInherited::Change();
}

void TSkCustomMemo::WndProc(TMessage& message)
{
    // The off-screen copy repeats the paint the bars followed already.
    if (subScrollBar_ && !redrawing_ && !IsDesigning(this) && !IsDestroying(this) &&
        HandleAllocated())
        subScrollBar_->ControlMessage(message);
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TInherited::WndProc(message);
        mouseInControl_ = true;
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        TInherited::WndProc(message);
        mouseInControl_ = false;
        MouseLeave();
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        // The text goes over the library's background.
        TInherited::WndProc(message);
        SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        return;
    case WM_PAINT:
        // The system's paint goes off screen only: painted on the screen
        // first and copied over again, each paint would cost the edit's
        // drawing twice (under Wine a millisecond each with 10,000 lines).
        if (!redrawing_ && !message.WParam && Parent()) {
            RedrawOffScreen();
            ValidateRect(Handle(), nullptr);
            message.Result = 0;
            return;
        }
        TInherited::WndProc(message);
        return;
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_NCPAINT:
        TInherited::WndProc(message);
        PaintBorder();
        message.Result = 0;
        return;
    default:
        TInherited::WndProc(message);
    }
}

void TSkCustomMemo::PaintBackground(HDC dc)
{
    if (!dc)
        return;
    RECT r{0, 0, Width(), Height()};
    InflateRect(&r, EdgeWidth, EdgeWidth);
    TBorrowedCanvas canvas(dc);
    DrawBackground(canvas.Get(), r);
}

void TSkCustomMemo::PaintBorder()
{
    HWND window = Handle();
    RECT r;
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
    if (!(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        InflateRect(&r, EdgeWidth, EdgeWidth);
    RECT client;
    ::GetClientRect(window, &client);
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    {
        TDCStateGuard state(dc);
        ExcludeClipRect(dc, EdgeWidth, EdgeWidth, EdgeWidth + client.right,
                        EdgeWidth + client.bottom);
        TBorrowedCanvas canvas(dc);
        DrawBorder(canvas.Get(), r);
    }
    ReleaseDC(window, dc);
}

// The whole control drawn off screen and copied at once, so that the text
// over the library's background never shows half drawn.
void TSkCustomMemo::RedrawOffScreen()
{
    if (!Parent() || !HandleAllocated() || redrawing_)
        return;
    redrawing_ = true;
    RECT client;
    ::GetClientRect(Handle(), &client);
    // Room for the border in front of the client, which PaintTo draws too.
    TSkBitmap picture;
    picture.SetSize(client.right + 2 * EdgeWidth, client.bottom + 2 * EdgeWidth);
    PaintTo(picture.DC(), 0, 0);
    const bool edged = GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
    const int from = edged ? EdgeWidth : 0;
    HDC dc = GetDC(Handle());
    BitBlt(dc, 0, 0, client.right, client.bottom, picture.DC(), from, from, SRCCOPY);
    ReleaseDC(Handle(), dc);
    redrawing_ = false;
}

int TSkCustomMemo::EditStyleState() const
{
    if (!Enabled())
        return SkEditDisabled;
    if (Focused())
        return SkEditFocused;
    return mouseInControl_ ? SkEditHot : SkEditNormal;
}

void TSkCustomMemo::DrawBackground(TCanvas* canvas, const RECT& rect)
{
    if (SkVisualStylesActive() &&
        DrawVisualStyle(Handle(), canvas->Handle(), SkEditStyleClass, SkEditBoxPart,
                        EditStyleState(), rect))
        return;
    FillRectColor(canvas, rect, Color());
}

void TSkCustomMemo::DrawBorder(TCanvas* canvas, const RECT& rect)
{
    if (SkVisualStylesActive() &&
        DrawVisualStyle(Handle(), canvas->Handle(), SkEditStyleClass, SkEditBoxPart,
                        EditStyleState(), rect))
        return;
    // The square between the two scroll bars.
    constexpr int corner = 25;
    FillRectColor(canvas, TRect{rect.right - corner, rect.bottom - corner, rect.right, rect.bottom},
                  clBtnFace);
    RECT r = rect;
    DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight);
    InflateRect(&r, -1, -1);
    DrawFrame3D(canvas, r, cl3DDkShadow, clBtnFace);
}
