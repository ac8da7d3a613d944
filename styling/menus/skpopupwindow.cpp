#include "styling/menus/skpopupwindow.h"

#include "framework/components/properties.h"
#include "framework/graphics/canvas.h"
#include "framework/base/dcguards.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skdraw.h"
#include "styling/forms/skeffects.h"
#include "styling/core/skvisualstyles.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupview.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkPopupForm, TSkCustomForm)
FW_IMPLEMENT_CLASS(TSkPopupWindow, TForm)

// TSkPopupForm

TSkPopupForm::TSkPopupForm(TComponent* owner) : TSkCustomForm(owner)
{
    SetBorderIcons({});
    SetBorderStyle(kbsNone);
    Dragging()->SetSizeable(false);
    Dragging()->SetMoveable(false);
    SetPerformance(ksfpNoBuffer);
    SetStayOnTop(true);
    SetActive(true);
}

void TSkPopupForm::GetClientBounds(TRect& rect)
{
    rect = TRect{FrameSize, FrameSize, std::max(FrameSize, FrameWidth() - FrameSize),
                 std::max(FrameSize, FrameHeight() - FrameSize)};
}

void TSkPopupForm::GetMinTrackSize(TPoint& size)
{
    size = TPoint{10, 10};
}

void TSkPopupForm::UpdateRegion()
{
    if (Shadow()->Enabled())
        TSkCustomForm::UpdateRegion();
    else
        FrameChanged();
}

void TSkPopupForm::PaintNonClient(TCanvas* canvas)
{
    if (FrameWidth() > 0 && FrameHeight() > 0)
        PaintPopupFrame(canvas, FrameWidth(), FrameHeight());
}

void TSkPopupForm::PaintPopupFrame(TCanvas* canvas, int width, int height)
{
    TRect r{0, 0, width, height};
    if (SkVisualStylesActive()) {
        // The styled menus' flat look: a shadow line round the menu face.
        FrameRectColor(canvas, r, clBtnShadow);
        InflateRect(&r, -1, -1);
        FrameRectColor(canvas, r, clMenu);
        InflateRect(&r, -1, -1);
        FrameRectColor(canvas, r, clMenu);
        return;
    }
    // The classic raised menu frame.
    DrawFrame3D(canvas, r, clBtnFace, clBtnShadow);
    InflateRect(&r, -1, -1);
    DrawFrame3D(canvas, r, clBtnHighlight, clBtnShadow);
    InflateRect(&r, -1, -1);
    FrameRectColor(canvas, r, clBtnFace);
}

void TSkPopupForm::AskForFrame(HWND window)
{
    if (IsWindowVisible(window) || Animation()->Enabled())
        TSkCustomForm::AskForFrame(window);
    else
        framePending_ = true;
}

void TSkPopupForm::TakeOptions(const TSkPopupMenuOptions* options)
{
    if (!options)
        return;
    SetBlending(options->Blending());
    SetShadow(options->Shadow());
    SetAnimation(options->Animation());
}

void TSkPopupForm::KeepOwnerActive()
{
    HWND window = Handle();
    if (HWND owner = window ? GetWindow(window, GW_OWNER) : nullptr)
        SendMessageA(owner, WM_NCACTIVATE, 1, 0);
}

void TSkPopupForm::HandleMessage(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        SetHandled();
        return;
    }
    if (message.Msg == WM_ACTIVATE || message.Msg == WM_MOUSEACTIVATE)
        KeepOwnerActive();
    TSkCustomForm::HandleMessage(message);
}

// TSkPopupWindow

TSkPopupWindow::TSkPopupWindow(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsNone);
    SetBorderIcons({});
    SetColor(clMenu);
}

void TSkPopupWindow::AfterConstruction()
{
    TForm::AfterConstruction();
    skin_ = CreateSkin();
    view_ = CreateView();
    view_->SetHost(this);
}

void TSkPopupWindow::WndProc(TMessage& message)
{
    TForm::WndProc(message);
    if (message.Msg == WM_SIZE && view_)
        view_->SetBounds(0, 0, LOWORD(message.LParam), HIWORD(message.LParam));
}

void TSkPopupWindow::PaintWindow(HDC dc)
{
    if (view_)
        view_->PaintView(dc);
}

void TSkPopupWindow::Notification(TComponent* component, TOperation operation)
{
    TForm::Notification(component, operation);
    if (operation == opRemove && component == view_)
        view_ = nullptr;
    if (operation == opRemove && component == skin_)
        skin_ = nullptr;
}

TSkPopupForm* TSkPopupWindow::CreateSkin()
{
    return new TSkPopupForm(this);
}

TSkPopupView* TSkPopupWindow::CreateView()
{
    return new TSkPopupView(this);
}

void TSkPopupWindow::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (owner_)
        params.WndParent = owner_;
}

void TSkPopupWindow::Prepare(TSkCustomItem* item, TSkPopupView* parentView)
{
    owner_ = parentView ? GetAncestor(parentView->Handle(), GA_ROOT) : item->OwnerWindow();
    if (owner_ && !IsWindow(owner_))
        owner_ = nullptr;
    skin_->TakeOptions(item->PopupOptions());
    view_->SetParentView(parentView);
    view_->SetItem(item);
    ItemShown(item);
    const SIZE needed = view_->LayoutItems();
    view_->SetBounds(0, 0, needed.cx, needed.cy);
    const int frame = 2 * TSkPopupForm::FrameSize;
    windowSize_ = SIZE{std::max<LONG>(10, needed.cx + frame), std::max<LONG>(10, needed.cy + frame)};
}

void TSkPopupWindow::ShowAt(const RECT& bounds)
{
    // Made where and as large as it shows, the window is neither moved nor
    // sized again, and asks for its frame as it shows.
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (!HandleAllocated()) {
        HandleNeeded();
        skin_->Loaded();
    }
    const bool foreground = view_->Item() && view_->Item()->PopupForeground();
    if (skin_->Animation()->Enabled())
        Animate(bounds);
    const UINT frame = skin_->TakeFramePending() ? SWP_FRAMECHANGED : 0;
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | frame | (foreground ? 0 : SWP_NOACTIVATE));
    if (foreground)
        SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

// The show animation runs on the screen, from what lies there now to the
// popup's own picture, before the window appears over it.
void TSkPopupWindow::Animate(const RECT& bounds)
{
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (w <= 0 || h <= 0)
        return;
    TSkBitmap picture, behind;
    picture.SetSize(w, h);
    behind.SetSize(w, h);
    SendMessageA(Handle(), SK_PAINTTO, 0, reinterpret_cast<LPARAM>(picture.DC()));
    {
        TDCStateGuard state(picture.DC());
        SetViewportOrgEx(picture.DC(), TSkPopupForm::FrameSize, TSkPopupForm::FrameSize, nullptr);
        view_->PaintView(picture.DC());
    }
    const TScreenDC screen;
    BitBlt(behind.DC(), 0, 0, w, h, screen.Get(), bounds.left, bounds.top, SRCCOPY);
    RunEffect(screen.Get(), bounds.left, bounds.top, *skin_->Animation(), picture, behind);
}
