// TWinControl: alignment of the children and the control's own bounds.
#include "framework/controls/wincontrol.h"

#include <algorithm>

namespace {

// A child or popup window without border, caption or edge has no frame;
// asking the system for it costs a trip to the server under Wine.
RECT FrameOf(const TCreateParams& params)
{
    const DWORD borders = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;
    const DWORD edges = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE;
    RECT frame{0, 0, 0, 0};
    if (!(params.Style & (WS_CHILD | WS_POPUP)) || (params.Style & borders) ||
        (params.ExStyle & edges))
        AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return frame;
}

}  // namespace

void TWinControl::Realign()
{
    if (aligning_)
        return;
    RECT rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(nullptr, rect);
}

void TWinControl::AdjustClientRect(RECT&) const
{
}

void TWinControl::AlignControls(TControl*, RECT& rect)
{
    aligning_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{aligning_};
    const std::vector<TControl*> children = controls_;
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : children) {
            if (c->Align() != align || !c->Visible())
                continue;
            int w = c->Width(), h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, rect.right - rect.left, h);
                rect.top += h;
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - h, rect.right - rect.left, h);
                rect.bottom -= h;
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, w, rect.bottom - rect.top);
                rect.left += w;
                break;
            case alRight:
                c->SetBounds(rect.right - w, rect.top, w, rect.bottom - rect.top);
                rect.right -= w;
                break;
            default:
                c->SetBounds(rect.left, rect.top, std::max(0L, rect.right - rect.left),
                             std::max(0L, rect.bottom - rect.top));
                break;
            }
        }
    }
    RECT client = ClientRect();
    for (TControl* c : children) {
        TAnchors a = c->Anchors();
        if (c->Align() != alNone || (!a.Contains(akRight) && !a.Contains(akBottom)))
            continue;
        int left = c->Left(), top = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w = client.right - left - c->anchorRight_;
            else
                left = client.right - w - c->anchorRight_;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h = client.bottom - top - c->anchorBottom_;
            else
                top = client.bottom - h - c->anchorBottom_;
        }
        c->SetBounds(left, top, std::max(0, w), std::max(0, h));
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateAnchorRules();
    if (sized)
        Realign();
    RequestAlign();
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
}

void TWinControl::WMWindowPosChanged(TMessage& message)
{
    DefaultHandler(message);
    UpdateBounds();
}

void TWinControl::UpdateBounds()
{
    if (!handle_ || IsIconic(handle_))
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    bool sized = (r.right - r.left) != width_ || (r.bottom - r.top) != height_;
    if (r.left == left_ && r.top == top_ && !sized)
        return;
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    UpdateAnchorRules();
    if (sized)
        Realign();
}

RECT TWinControl::ClientRect() const
{
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return r;
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    const RECT frame = FrameOf(params);
    return RECT{0, 0, std::max(0L, width_ - (frame.right - frame.left)),
                std::max(0L, height_ - (frame.bottom - frame.top))};
}

POINT TWinControl::ClientOrigin() const
{
    if (handle_) {
        POINT p{0, 0};
        ::ClientToScreen(handle_, &p);
        return p;
    }
    return TControl::ClientOrigin();
}
