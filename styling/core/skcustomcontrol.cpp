#include "styling/core/skcustomcontrol.h"

#include "framework/base/dcguards.h"
#include "framework/components/properties.h"
#include "framework/graphics/canvasguards.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skdraw.h"
#include "styling/core/skvisualstyles.h"

#include <algorithm>
#include <utility>

FW_IMPLEMENT_CLASS(TSkCustomControl, TCustomControl)
FW_PUBLISH(TSkCustomControl)
{
    PublishSkControl(p);
}

namespace {

TSkScrollBarFactory& ScrollBarFactory()
{
    static TSkScrollBarFactory factory;
    return factory;
}

// Top-left and bottom-right colours of one bevel ring.
std::pair<TColor, TColor> BevelColors(TSkBevelCut cut, bool outer)
{
    switch (cut) {
    case kbvLowered:
        return outer ? std::pair(clBtnShadow, clBtnHighlight) : std::pair(cl3DDkShadow, clBtnFace);
    case kbvRaised:
        return outer ? std::pair(clBtnHighlight, cl3DDkShadow) : std::pair(clBtnShadow, clBtnShadow);
    case kbvBorder:
        return outer ? std::pair(cl3DDkShadow, cl3DDkShadow) : std::pair(clWindow, clWindow);
    case kbvFlatBorder:
        return outer ? std::pair(clBtnShadow, clBtnShadow) : std::pair(clBtnFace, clBtnFace);
    default:
        return std::pair(clBtnFace, clBtnFace);
    }
}

TSkBevelCut CutOfKind(TSkBevelKind kind)
{
    switch (kind) {
    case kbkBorder:
        return kbvBorder;
    case kbkFlat:
        return kbvFlatBorder;
    default:
        return kbvLowered;
    }
}

} // namespace

void SetSkScrollBarFactory(TSkScrollBarFactory factory)
{
    ScrollBarFactory() = std::move(factory);
}

TSkCustomControl::TSkCustomControl(TComponent* owner) : TInherited(owner)
{
    // Here rather than in the shared base, so that this class's SetBounds
    // keeps the size.
    SetBounds(0, 0, SkDefaultControlWidth, SkDefaultControlHeight);
}

void TSkCustomControl::SetBorderWidth(int value)
{
    value = std::max(0, value);
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    ChangeBorder();
}

void TSkCustomControl::SetBevelInner(TSkBevelCut value)
{
    SetBevelKind(kbkNone);
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    ChangeBorder();
}

void TSkCustomControl::SetBevelOuter(TSkBevelCut value)
{
    SetBevelKind(kbkNone);
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    ChangeBorder();
}

void TSkCustomControl::SetBevelSides(TSkBevelSides value)
{
    if (value == bevelSides_)
        return;
    bevelSides_ = value;
    ChangeBorder();
}

void TSkCustomControl::SetBevelKind(TSkBevelKind value)
{
    if (value == bevelKind_)
        return;
    bevelKind_ = value;
    if (value != kbkNone)
        bevelInner_ = bevelOuter_ = CutOfKind(value);
    ChangeBorder();
}

void TSkCustomControl::SetBevelWidth(int value)
{
    value = std::max(0, value);
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    ChangeBorder();
}

void TSkCustomControl::ChangeBorder()
{
    BorderChanged();
    PlaceScrollBars();
    Invalidate();
}

void TSkCustomControl::SetUseVisualStyles(bool value)
{
    if (value == useVisualStyles_)
        return;
    useVisualStyles_ = value;
    Invalidate();
}

void TSkCustomControl::SetScrollBars(TSkScrollBarStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    if (HandleAllocated())
        RecreateWnd();
}

void TSkCustomControl::GetClientArea(RECT& rect) const
{
    rect = RECT{0, 0, keptWidth_, keptHeight_};
    InflateRect(&rect, -borderWidth_, -borderWidth_);
    const int bevels = (bevelInner_ != kbvNone ? 1 : 0) + (bevelOuter_ != kbvNone ? 1 : 0);
    const int depth = bevelWidth_ * bevels;
    if (bevelSides_.Contains(kbvLeft))
        rect.left += depth;
    if (bevelSides_.Contains(kbvTop))
        rect.top += depth;
    if (bevelSides_.Contains(kbvRight))
        rect.right -= depth;
    if (bevelSides_.Contains(kbvBottom))
        rect.bottom -= depth;
}

RECT TSkCustomControl::ScrolledClientArea() const
{
    RECT rect;
    GetClientArea(rect);
    if (vertScrollBar_)
        rect.right -= vertScrollBar_->Width();
    if (horzScrollBar_)
        rect.bottom -= horzScrollBar_->Height();
    return rect;
}

void TSkCustomControl::AdjustClientRect(RECT& rect) const
{
    rect = ScrolledClientArea();
}

void TSkCustomControl::CreateParams(TCreateParams& params)
{
    TInherited::CreateParams(params);
    // The scroll bars are controls of their own.
    params.Style &= ~DWORD(WS_HSCROLL | WS_VSCROLL);
}

TControl* TSkCustomControl::CreateScrollBar(TScrollBarKind kind)
{
    const TSkScrollBarFactory& factory = ScrollBarFactory();
    return factory ? factory(this, kind) : nullptr;
}

int TSkCustomControl::GetScrollBarSize() const
{
    return GetSystemMetrics(SM_CYVTHUMB);
}

void TSkCustomControl::FreeScrollBars()
{
    TControl* horz = std::exchange(horzScrollBar_, nullptr);
    TControl* vert = std::exchange(vertScrollBar_, nullptr);
    if (horz)
        horz->Free();
    if (vert)
        vert->Free();
}

void TSkCustomControl::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove) {
        if (component == horzScrollBar_)
            horzScrollBar_ = nullptr;
        if (component == vertScrollBar_)
            vertScrollBar_ = nullptr;
    }
    TInherited::Notification(component, operation);
}

void TSkCustomControl::CreateWnd()
{
    TInherited::CreateWnd();
    FreeScrollBars();
    const int size = GetScrollBarSize();
    if (scrollBars_ == kssHorizontal || scrollBars_ == kssBoth) {
        horzScrollBar_ = CreateScrollBar(sbHorizontal);
        if (horzScrollBar_) {
            horzScrollBar_->SetParent(this);
            horzScrollBar_->SetHeight(size);
            horzScrollBar_->SetVisible(true);
        }
    }
    if (scrollBars_ == kssVertical || scrollBars_ == kssBoth) {
        vertScrollBar_ = CreateScrollBar(sbVertical);
        if (vertScrollBar_) {
            vertScrollBar_->SetParent(this);
            vertScrollBar_->SetWidth(size);
            vertScrollBar_->SetVisible(true);
        }
    }
    PlaceScrollBars();
}

void TSkCustomControl::ScrollBarScrolled(TScrollBarKind kind, int code, int position)
{
    if (code < SB_LINEDOWN || code > SB_ENDSCROLL)
        code = 0;
    Perform(kind == sbHorizontal ? WM_HSCROLL : WM_VSCROLL,
            MAKEWPARAM(WORD(code), WORD(position)), 0);
}

void TSkCustomControl::PlaceScrollBars()
{
    RECT area;
    GetClientArea(area);
    const int barHeight = horzScrollBar_ ? horzScrollBar_->Height() : 0;
    const int barWidth = vertScrollBar_ ? vertScrollBar_->Width() : 0;
    if (horzScrollBar_)
        horzScrollBar_->SetBounds(area.left, area.bottom - barHeight,
                                  std::max<int>(0, area.right - area.left - barWidth), barHeight);
    if (vertScrollBar_)
        vertScrollBar_->SetBounds(area.right - barWidth, area.top, barWidth,
                                  std::max<int>(0, area.bottom - area.top - barHeight));
}

void TSkCustomControl::Loaded()
{
    TInherited::Loaded();
    PlaceScrollBars();
}

void TSkCustomControl::SetBounds(int left, int top, int width, int height)
{
    TInherited::SetBounds(left, top, width, height);
    keptWidth_ = width;
    keptHeight_ = height;
    PlaceScrollBars();
}

void TSkCustomControl::Paint()
{
    paintPending_ = false;
    PaintLayers(PaintDC(), true);
}

void TSkCustomControl::PaintLayers(HDC dc, bool buffered)
{
    const int width = Width(), height = Height();
    if (width < 1 || height < 1)
        return;
    TCanvas* canvas = Canvas();
    TCanvasLock lock(canvas);
    TSkPaintTarget target(dc, width, height, buffered ? Performance() : kspNoBuffer, true,
                          KeptBuffer());
    TCanvasRedirect redirect(canvas, target.DC());
    // What the framework's paint scope sets; an erase has no such scope.
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    PaintUnderlay(target.DC());

    // The border may reach into the client only at the corner between the
    // scroll bars, which the client leaves alone.
    const RECT scrolled = ScrolledClientArea();
    {
        TCanvasStateGuard state(canvas);
        ExcludeClipRect(target.DC(), scrolled.left, scrolled.top, scrolled.right, scrolled.bottom);
        PaintBorder();
    }
    {
        TCanvasStateGuard state(canvas);
        if (BothScrollBars())
            IntersectClipRect(target.DC(), scrolled.left, scrolled.top, scrolled.right,
                              scrolled.bottom);
        PaintClient();
    }
    BlendOverParent(target);
    target.Present();
}

void TSkCustomControl::PaintClient()
{
    if (Transparent())
        return;
    RECT client;
    GetClientArea(client);
    // The window's own brush of Color is kept: a brush made for each paint
    // would cost more than the fill.
    FillRect(Canvas()->Handle(), &client, BrushHandle());
}

int TSkCustomControl::EditStyleState() const
{
    if (!Enabled())
        return SkEditDisabled;
    if (focused_)
        return SkEditFocused;
    return MouseInControl() ? SkEditHot : SkEditNormal;
}

void TSkCustomControl::PaintScrollCorner()
{
    // A fixed square, at least as large as the corner between the bars; the
    // bars cover the rest of it.
    constexpr int cornerSize = 20;
    const RECT corner{keptWidth_ - cornerSize, keptHeight_ - cornerSize, keptWidth_, keptHeight_};
    if (useVisualStyles_ && HandleAllocated() &&
        DrawVisualStyle(Handle(), Canvas()->Handle(), SkEditStyleClass, SkEditBoxPart,
                        SkEditPlain, corner))
        return;
    FillRectColor(Canvas(), corner, Color());
}

void TSkCustomControl::PaintBevel(RECT& rect, TSkBevelCut cut, bool outer)
{
    const auto [topLeft, bottomRight] = BevelColors(cut, outer);
    DrawBevelLines(Canvas(), rect, bevelSides_, bevelWidth_, topLeft, bottomRight);
}

void TSkCustomControl::PaintBorder()
{
    if (BothScrollBars())
        PaintScrollCorner();
    RECT rect{0, 0, keptWidth_, keptHeight_};
    RECT client;
    GetClientArea(client);
    if (EqualRect(&client, &rect))
        return;
    if (useVisualStyles_ && SkVisualStylesActive() && HandleAllocated()) {
        HDC dc = Canvas()->Handle();
        TDCStateGuard saved(dc);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        if (DrawVisualStyle(Handle(), dc, SkEditStyleClass, SkEditBoxPart, EditStyleState(), rect))
            return;
    }
    if (bevelWidth_ > 0) {
        if (bevelOuter_ != kbvNone)
            PaintBevel(rect, bevelOuter_, true);
        if (bevelInner_ != kbvNone)
            PaintBevel(rect, bevelInner_, false);
    }
    for (int i = 0; i < borderWidth_; ++i) {
        FrameRectColor(Canvas(), rect, Color());
        InflateRect(&rect, -1, -1);
    }
}

void TSkCustomControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER:
        focused_ = true;
        Invalidate();
        TInherited::Dispatch(message);
        return;
    case CM_EXIT:
        focused_ = false;
        Invalidate();
        TInherited::Dispatch(message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_PAINT:
        // BeginPaint's erase comes first and the paint follows at once into
        // the same context: the look is drawn once, by the paint.
        paintPending_ = !message.WParam;
        TInherited::Dispatch(message);
        paintPending_ = false;
        return;
    case WM_WINDOWPOSCHANGING:
        WMWindowPosChanging(message);
        return;
    case WM_THEMECHANGED:
        Invalidate();
        DefaultHandler(message);
        return;
    default:
        TInherited::Dispatch(message);
    }
}

// The whole look drawn at once into the context the system hands over, so
// that nothing of a plain background shows before the paint.
void TSkCustomControl::WMEraseBkgnd(TMessage& message)
{
    message.Result = 1;
    // Through the buffer too when there is one: drawn straight into a
    // window's context the theme's keyed pieces cost far more.
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (dc && !paintPending_)
        PaintLayers(dc, true);
}

void TSkCustomControl::WMWindowPosChanging(TMessage& message)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    if (pos && !(pos->flags & SWP_NOSIZE) && (pos->cx != keptWidth_ || pos->cy != keptHeight_)) {
        keptWidth_ = pos->cx;
        keptHeight_ = pos->cy;
        PlaceScrollBars();
        if (ComponentState().Contains(csDesigning) && Blending()->Enabled())
            pos->flags |= SWP_NOCOPYBITS;
    }
    TInherited::Dispatch(message);
}
