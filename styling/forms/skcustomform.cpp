#include "styling/forms/skcustomform.h"

#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "framework/controls/popupmenu.h"
#include "framework/components/properties.h"
#include "framework/forms/form.h"
#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "styling/core/skvisualstyles.h"
#include "styling/forms/skeffects.h"
#include "styling/forms/skgravitation.h"
#include "styling/forms/skshadow.h"
#include "styling/forms/skshowanimation.h"
#include "styling/forms/sktray.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skmenubar.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkSizeConstraints, TPersistent)
FW_PUBLISH(TSkSizeConstraints)
{
    p.Property("MaxHeight", &T::MaxHeight, &T::SetMaxHeight).Default(0);
    p.Property("MaxWidth", &T::MaxWidth, &T::SetMaxWidth).Default(0);
    p.Property("MinHeight", &T::MinHeight, &T::SetMinHeight).Default(0);
    p.Property("MinWidth", &T::MinWidth, &T::SetMinWidth).Default(0);
}

FW_IMPLEMENT_CLASS(TSkCustomForm, TSkHook)
FW_PUBLISH(TSkCustomForm)
{
    p.Property("Animation", &T::Animation, &T::SetAnimation);
    p.Property("Blending", &T::Blending, &T::SetBlending);
    p.Set("BorderIcons", &T::BorderIcons, &T::SetBorderIcons, SkBorderIconNames)
        .Default(TSkBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup,
                                kbiTray});
    p.Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle,
           {"kbsNone", "kbsStandard", "kbsToolWindow"})
        .Default(kbsStandard);
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("Constraints", &T::Constraints, &T::SetConstraints);
    p.Property("Dragging", &T::Dragging, &T::SetDragging);
    p.Property("Gravitation", &T::Gravitation, &T::SetGravitation);
    p.Property("MenuBar", &T::MenuBar, &T::SetMenuBar);
    p.Property("MinimizeApplication", &T::MinimizeApplication, &T::SetMinimizeApplication)
        .Default(true);
    p.Enum("Performance", &T::Performance, &T::SetPerformance,
           {"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"})
        .Default(ksfpNoBuffer);
    p.Property("Shadow", &T::Shadow, &T::SetShadow);
    p.Property("StayOnTop", &T::StayOnTop, &T::SetStayOnTop).Default(false);
    p.Property("StretchBackground", &T::StretchBackground, &T::SetStretchBackground)
        .Default(false);
    p.Property("SystemMenuLink", &T::SystemMenuLink, &T::SetSystemMenuLink);
    p.Property("SystemMenuOptions", &T::SystemMenuOptions, &T::SetSystemMenuOptions);
    p.Property("TrayMenuLink", &T::TrayMenuLink, &T::SetTrayMenuLink);
    p.Property("TrayMenuOptions", &T::TrayMenuOptions, &T::SetTrayMenuOptions);
    p.Property("WindowMenu", &T::WindowMenu, &T::SetWindowMenu);
    p.Enum("WindowState", &T::WindowState, &T::SetWindowState,
           {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"})
        .Default(kwsNormal);
    p.Event("OnClose", &T::OnClose);
    p.Event("OnMinimize", &T::OnMinimize);
    p.Event("OnMaximize", &T::OnMaximize);
    p.Event("OnRollup", &T::OnRollup);
    p.Event("OnMinToTray", &T::OnMinToTray);
    p.Event("OnCreate", &T::OnCreate);
    p.Event("OnPaint", &T::OnPaint);
    p.Event("OnResize", &T::OnResize);
}

namespace {

constexpr unsigned ShiftBit(TShiftStateItem item) { return 1u << item; }

bool IsBorderPart(int part) { return part >= kfpLeft && part <= kfpBottomRight; }

// A window's whole-window device context, borrowed for a scope.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~TWindowDC() { ReleaseDC(window_, dc_); }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The library's two caption fonts, from the system's non-client metrics;
// made on first use and again after a theme change.
struct TCaptionFonts {
    TOwnedGdiObject caption, small;
    void Refresh()
    {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            return;
        caption = TOwnedGdiObject(CreateFontIndirectA(&metrics.lfCaptionFont));
        small = TOwnedGdiObject(CreateFontIndirectA(&metrics.lfSmCaptionFont));
    }
};

TCaptionFonts& CaptionFonts()
{
    static TCaptionFonts fonts;
    if (!fonts.caption.Get())
        fonts.Refresh();
    return fonts;
}

} // namespace

int ButtonPart(TSkBorderIcon icon)
{
    static constexpr int parts[] = {kfpClose,  kfpSystemMenu, kfpMinimize, kfpMaximize,
                                    kfpHelp,   kfpRollup,     kfpTray};
    static_assert(std::size(parts) == kbiTray + 1, "one part per caption button");
    return parts[icon];
}

void TSkSizeConstraints::Store(int& field, int value)
{
    value = std::max(value, 0);
    if (field == value)
        return;
    field = value;
    if (OnChange)
        OnChange();
}

void TSkSizeConstraints::Assign(const TPersistent* source)
{
    if (!source || !source->InheritsFrom(TSkSizeConstraints::StaticClass()))
        return TPersistent::Assign(source);
    const auto* other = static_cast<const TSkSizeConstraints*>(source);
    maxHeight_ = other->maxHeight_;
    maxWidth_ = other->maxWidth_;
    minHeight_ = other->minHeight_;
    minWidth_ = other->minWidth_;
    if (OnChange)
        OnChange();
}

// Construction and options

TSkCustomForm::TSkCustomForm(TComponent* owner)
    : TSkHook(owner),
      animation_(new TSkAnimation(this)),
      blending_(new TSkBlending(this)),
      shadow_(new TSkShadow(this)),
      gravitation_(new TSkGravitation(this)),
      dragging_(new TSkDragging(this)),
      systemMenuOptions_(new TSkPopupMenuOptions(this)),
      trayMenuOptions_(new TSkPopupMenuOptions(this)),
      constraints_(new TSkSizeConstraints(this)),
      showAnimation_(new TSkShowAnimation(*this))
{
    constraints_->OnChange = [this] { OptionsChanged(); };
    // The shadow changes the window's size and region, blending the surface
    // the frame is painted on.
    const auto seeThroughChanged = [this] {
        if (!ComponentState().Contains(csLoading))
            UpdateFrame();
    };
    shadow_->OnChange = seeThroughChanged;
    blending_->OnChange = seeThroughChanged;
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
        if (form->FormStyle() == fsMDIChild) {
            minimizeApplication_ = false;
            gravitation_->SetSize(TSkGravitation::ChildSize);
            borderIcons_.Exclude(kbiTray);
        }
        caption_ = lastText_ = form->WideCaption();
        // The system keeps a sizeable window with a caption: it is what asks
        // for the non-client size and sends the non-client mouse messages.
        form->SetBorderStyle(bsSizeable);
        form->SetBorderIcons(TBorderIcons{biMinimize});
        form->SetAutoScroll(false);
    }
    PrepareTray();
}

TSkCustomForm::~TSkCustomForm()
{
    TSkCustomForm::BeforeDestruction();
}

void TSkCustomForm::BeforeDestruction()
{
    EraseOutline();
    RemoveApplicationHooks();
    RemoveShortCutHandler();
    tray_.reset();
    SetActive(false);
    TSkHook::BeforeDestruction();
}

void TSkCustomForm::Loaded()
{
    TSkHook::Loaded();
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form)
        return;
    SetControl(form);
    InstallShortCutHandler();
    if (form->HandleAllocated()) {
        RECT r{};
        GetWindowRect(form->Handle(), &r);
        windowWidth_ = frameWidth_ = r.right - r.left;
        windowHeight_ = frameHeight_ = r.bottom - r.top;
    }
    UpdateTrayIcon();
    UpdateFrame();
    // An MDI child was made active before its skin came.
    SyncParentMenuBar();
    ApplyPendingState();
    if (OnCreate)
        OnCreate(this);
    // A window made topmost already needs no second trip.
    if (stayOnTop_ && !(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST))
        SetStayOnTop(true);
}

void TSkCustomForm::SetSystemMenuOptions(const TSkPopupMenuOptions* value)
{
    systemMenuOptions_->Assign(value);
}

void TSkCustomForm::SetTrayMenuOptions(const TSkPopupMenuOptions* value)
{
    trayMenuOptions_->Assign(value);
}

void TSkCustomForm::OptionsChanged()
{
    auto* form = Form();
    if (!form || ComponentState().Contains(csLoading))
        return;
    TPoint minimum{};
    GetMinTrackSize(minimum);
    if (form->Width() < minimum.x || form->Height() < minimum.y)
        form->SetBounds(form->Left(), form->Top(), std::max<int>(form->Width(), minimum.x),
                        std::max<int>(form->Height(), minimum.y));
    UpdateFrame();
}

void TSkCustomForm::SetBorderIcons(TSkBorderIcons value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    if (!ComponentState().Contains(csLoading))
        UpdateFrame();
}

void TSkCustomForm::SetBorderStyle(TSkBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (!ComponentState().Contains(csLoading))
        UpdateFrame();
}

void TSkCustomForm::SetCaption(const std::wstring& value)
{
    if (value == caption_)
        return;
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (HWND window = WindowHandle(); window && Active()) {
        // Through the window, so that the frame (and every other hook) sees
        // the new text before the system would draw its own caption.
        std::string ansi(WideCharToMultiByte(CP_ACP, 0, value.c_str(), -1, nullptr, 0, nullptr,
                                             nullptr),
                         '\0');
        WideCharToMultiByte(CP_ACP, 0, value.c_str(), -1, ansi.data(),
                            static_cast<int>(ansi.size()), nullptr, nullptr);
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
    } else if (form) {
        form->SetWideCaption(value);
    }
    caption_ = value;
}

void TSkCustomForm::SetStayOnTop(bool value)
{
    stayOnTop_ = value;
    auto* form = Form();
    if (!form || ComponentState().Contains(csDesigning) || !form->HandleAllocated())
        return;
    SetWindowPos(form->Handle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

// Geometry

HWND TSkCustomForm::WindowHandle() const
{
    auto* form = Form();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

TSkFrameMetrics TSkCustomForm::FrameMetrics()
{
    return SkFallbackMetrics(borderStyle_);
}

TSkFrameLayout TSkCustomForm::Layout()
{
    return ComputeFrameLayout(FrameMetrics(), frameWidth_, frameHeight_, borderIcons_,
                              borderStyle_);
}

void TSkCustomForm::GetButtonRect(TSkBorderIcon kind, TRect& rect)
{
    rect = Layout().Buttons[kind];
}

void TSkCustomForm::GetClientBounds(TRect& rect)
{
    rect = Layout().Client;
}

void TSkCustomForm::GetMaximizedRect(TRect& rect)
{
    HWND window = WindowHandle();
    if (!window) {
        rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return;
    }
    if (IsMDIChild())
        GetClientRect(GetParent(window), &rect);
    else
        rect = GetMonitorAreaOfWindow(window, !stayOnTop_);
    // The side borders go past the visible area.
    TRect client{};
    GetClientBounds(client);
    InflateRect(&rect, client.left, client.left);
}

void TSkCustomForm::GetMaxTrackSize(TPoint& size)
{
    TRect maximized{};
    GetMaximizedRect(maximized);
    size = {maximized.right - maximized.left, maximized.bottom - maximized.top};
    if (constraints_->MaxWidth())
        size.x = constraints_->MaxWidth();
    if (constraints_->MaxHeight())
        size.y = constraints_->MaxHeight();
}

void TSkCustomForm::GetMinTrackSize(TPoint& size)
{
    size = {SkMinTrackWidth, SkMinTrackHeight};
    if (constraints_->MinWidth())
        size.x = constraints_->MinWidth();
    if (constraints_->MinHeight())
        size.y = constraints_->MinHeight();
}

int TSkCustomForm::HitTestPart(int x, int y)
{
    const TSkFrameLayout layout = Layout();
    const TRect& c = layout.Client;
    int part = kfpNone;
    if (y < c.top && x < frameWidth_)
        part = kfpCaption;
    static constexpr TSkBorderIcon order[] = {kbiSystemMenu, kbiClose,  kbiMinimize, kbiMaximize,
                                              kbiHelp,       kbiRollup, kbiTray};
    for (TSkBorderIcon icon : order)
        if (PtInRect(&layout.Buttons[icon], POINT{x, y}))
            part = ButtonPart(icon);
    if (windowState_ != kwsNormal && windowState_ != kwsTray)
        return part;
    // Each edge splits into its two corners and its middle; later tests win.
    const int caption = FrameMetrics().Caption;
    auto along = [](int v, int length, int low, int middle, int high) {
        return v < SkCornerZone ? low : v <= length - SkCornerZone ? middle : high;
    };
    if (y < c.top - caption)
        part = along(x, frameWidth_, kfpTopLeft, kfpTop, kfpTopRight);
    if (y >= c.bottom && y < frameHeight_)
        part = along(x, frameWidth_, kfpBottomLeft, kfpBottom, kfpBottomRight);
    if (x < c.left)
        part = along(y, frameHeight_, kfpTopLeft, kfpLeft, kfpBottomLeft);
    if (x >= c.right && x < frameWidth_)
        part = along(y, frameHeight_, kfpTopRight, kfpRight, kfpBottomRight);
    return part;
}

TRect TSkCustomForm::FormBounds() const
{
    auto* form = Form();
    return form ? form->BoundsRect() : TRect{};
}

TRect TSkCustomForm::Gravitate(const TRect& target) const
{
    HWND window = WindowHandle();
    if (!gravitation_->Enabled() || !window)
        return target;
    // A child form keeps to its parent's client area, in the coordinates its
    // bounds are given in; any other form to its monitor.
    RECT area;
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
        GetClientRect(GetAncestor(window, GA_PARENT), &area);
    else
        area = GetMonitorAreaOfWindow(window, !stayOnTop_);
    const int shadow = shadow_->Enabled() && windowState_ != kwsMaximized ? shadow_->Size() : 0;
    return SkGravitate(target, area, gravitation_->Size(), shadow);
}

TPoint TSkCustomForm::ScreenToWindow(LPARAM lParam) const
{
    TPoint p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT window{};
    GetWindowRect(WindowHandle(), &window);
    return {p.x - window.left, p.y - window.top};
}

TPoint TSkCustomForm::ClientToWindow(LPARAM lParam)
{
    TRect client{};
    GetClientBounds(client);
    return {static_cast<short>(LOWORD(lParam)) + client.left,
            static_cast<short>(HIWORD(lParam)) + client.top};
}

// Painting

bool TSkCustomForm::ShowsFrame()
{
    TRect client{};
    GetClientBounds(client);
    return client.left != 0 || client.top != 0 || shadow_->Enabled();
}

bool TSkCustomForm::HasShadow() const
{
    return shadow_->Enabled() && windowState_ != kwsMaximized;
}

bool TSkCustomForm::SeeThrough() const
{
    return blending_->Enabled() || HasShadow();
}

POINT TSkCustomForm::BackgroundOrigin() const
{
    RECT window{};
    if (showAnimation_->Running())
        window = showAnimation_->Rect();
    else if (HWND handle = WindowHandle())
        GetWindowRect(handle, &window);
    const RECT& taken = background_.Rect();
    return {window.left - taken.left, window.top - taken.top};
}

void TSkCustomForm::CopyBackground(TSkBitmap& surface)
{
    const TSkBitmap* background = background_.Bitmap();
    if (!background)
        return;
    const POINT origin = BackgroundOrigin();
    const RECT window{0, 0, std::min(windowWidth_, surface.Width()),
                      std::min(windowHeight_, surface.Height())};
    RECT from = window;
    OffsetRect(&from, origin.x, origin.y);
    RECT inside{};
    const RECT whole{0, 0, background->Width(), background->Height()};
    if (!IntersectRect(&inside, &from, &whole))
        return;
    RECT to = inside;
    OffsetRect(&to, -origin.x, -origin.y);
    background->DrawToBitmap(surface, to, inside);
}

int TSkCustomForm::RunShowEffect(const TRect& at, const TSkBitmap& picture,
                                 const TSkBitmap& background)
{
    TScreenDC screen;
    if (!screen.Get())
        return 0;
    return RunEffect(screen.Get(), at.left, at.top, *animation_, picture, background);
}

void TSkCustomForm::PaintShadow(TSkBitmap& surface)
{
    if (HasShadow())
        SkPaintShadow(surface, frameWidth_, frameHeight_, shadow_->Size(), background_.Bitmap(),
                      BackgroundOrigin());
}

// area is in the surface's coordinates, which lie at windowOffset in the window.
void TSkCustomForm::BlendOverBackground(TSkBitmap& surface, const TRect& area, POINT windowOffset)
{
    if (!background_.Bitmap())
        return;
    const POINT origin = BackgroundOrigin();
    SkBlendOverBackground(surface, area, blending_->Value(), *background_.Bitmap(),
                          {origin.x + windowOffset.x, origin.y + windowOffset.y});
}

void TSkCustomForm::PaintPicture(TSkBitmap& picture)
{
    TSkShowAnimation::PaintPicture(*this, picture);
}

bool TSkCustomForm::Animating() const
{
    return showAnimation_->Running();
}

int TSkCustomForm::AnimationFrames() const
{
    return showAnimation_->Frames();
}

void TSkCustomForm::ShowAnimated(const WINDOWPOS& pos)
{
    if (animation_->Enabled() && !ComponentState().Contains(csLoading))
        showAnimation_->Show(TargetScreenRect(pos));
}

TSkBitmap* TSkCustomForm::PaintSurface(std::unique_ptr<TSkBitmap>& owned)
{
    if (animationPicture_)
        return animationPicture_;
    switch (performance_) {
    case ksfpSharedBuffer:
        if (TSkBitmap* shared = SharedBuffer()) {
            if (shared->IsEmpty()) {
                const SIZE size = SharedBufferSize();
                shared->SetSize(size.cx, size.cy);
            }
            if (shared->Width() >= windowWidth_ && shared->Height() >= windowHeight_)
                return shared;
        }
        break;
    case ksfpPersistentBuffer:
        if (!frameBitmap_)
            frameBitmap_.reset(new TSkBitmap);
        if (frameBitmap_->Width() != windowWidth_ || frameBitmap_->Height() != windowHeight_)
            frameBitmap_->SetSize(windowWidth_, windowHeight_);
        return frameBitmap_.get();
    case ksfpDoubleBuffer:
        break;
    case ksfpNoBuffer:
        // Shadow and blending are mixed on a bitmap.
        if (!SeeThrough())
            return nullptr;
        break;
    }
    owned.reset(new TSkBitmap);
    owned->SetSize(windowWidth_, windowHeight_);
    return owned.get();
}

void TSkCustomForm::PaintFrame()
{
    HWND window = WindowHandle();
    if (!window || !ShowsFrame() || windowWidth_ < 1 || windowHeight_ < 1 || !paintEnabled_)
        return;
    TRect client{};
    GetClientBounds(client);
    const TWindowDC target(window);
    std::unique_ptr<TSkBitmap> owned;
    TSkBitmap* surface = PaintSurface(owned);
    // The persistent buffer still holds this very frame: copy it only.
    // Not with shadow or blending, whose pixels come from the background.
    const bool persistent = surface && surface == frameBitmap_.get() && !SeeThrough();
    TFrameKey key{};
    if (persistent)
        key = CurrentFrameKey();
    if (!persistent || !paintedValid_ || !(key == paintedKey_)) {
        if (surface)
            DrawFrameOn(*surface, client);
        else
            DrawFrameOnWindow(target.Get(), client);
        paintedKey_ = key;
        paintedValid_ = persistent;
    }
    // The show animation's picture stays with the animation.
    if (!surface || surface == animationPicture_)
        return;
    // The four bands round the client area in one copy: the client is
    // clipped out, which costs far less than four copies. The window DC is
    // released right after, clip and all.
    ExcludeClipRect(target.Get(), client.left, client.top, client.right, client.bottom);
    BitBlt(target.Get(), 0, 0, windowWidth_, windowHeight_, surface->DC(), 0, 0, SRCCOPY);
}

void TSkCustomForm::DrawFrameOn(TSkBitmap& surface, const TRect& client)
{
    HDC dc = surface.DC();
    // A bitmap's client part never reaches the window (the copy leaves it
    // out), so the frame is drawn unclipped: Wine stretches many times
    // slower under a clip with a hole in it, and on the big shared bitmap
    // under any clip. The canvas puts back what it selected.
    if (SeeThrough()) {
        const TDCStateGuard state(dc);
        CopyBackground(surface);
        PaintShadow(surface);
    }
    PaintNonClientOn(dc);
    if (blending_->Enabled()) {
        const int w = frameWidth_, h = frameHeight_;
        for (const TRect& band : {TRect{0, 0, w, client.top}, TRect{0, client.bottom, w, h},
                                  TRect{0, client.top, client.left, client.bottom},
                                  TRect{client.right, client.top, w, client.bottom}})
            BlendOverBackground(surface, band, POINT{0, 0});
    }
}

void TSkCustomForm::DrawFrameOnWindow(HDC dc, const TRect& client)
{
    const TDCStateGuard state(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    PaintNonClientOn(dc);
}

void TSkCustomForm::PaintNonClientOn(HDC dc)
{
    // One canvas kept for the frame: making one costs as much as drawing
    // the frame's sides. A paint inside a paint gets a canvas of its own.
    if (!frameCanvas_)
        frameCanvas_ = std::make_unique<TCanvas>();
    if (frameCanvas_->HandleAllocated()) {
        TCanvas canvas;
        canvas.SetHandle(dc);
        PaintNonClient(&canvas);
        return;
    }
    frameCanvas_->SetHandle(dc);
    PaintNonClient(frameCanvas_.get());
    frameCanvas_->SetHandle(nullptr);
}

TSkCustomForm::TFrameKey TSkCustomForm::CurrentFrameKey() const
{
    return {windowWidth_, windowHeight_, hotPart_,     pressedPart_,        frameGeneration_,
            formActive_,  tracking_,     windowState_, borderStyle_,        borderIcons_.Bits(),
            caption_};
}

void TSkCustomForm::PaintNonClient(TCanvas* canvas)
{
    HDC dc = canvas->Handle();
    const TDCStateGuard state(dc);
    const TSkFrameLayout layout = Layout();
    const TRect& c = layout.Client;
    const int w = frameWidth_, h = frameHeight_;
    if (borderStyle_ == kbsNone || w <= 0 || h <= 0)
        return;
    const bool active = formActive_;

    // The system's visual style draws the frame where it is active and the
    // window has not opted out; otherwise a raised edge round the window,
    // the rest of the border in the face colour, the caption band in the
    // caption colour.
    const TSkVisualStyle style(WindowHandle(), SkWindowStyleClass);
    if (!PaintStyledFrame(style, dc, layout)) {
        TRect whole{0, 0, w, h};
        FillRect(dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &whole, EDGE_RAISED, BF_RECT);
        const TSkFrameMetrics metrics = FrameMetrics();
        TRect band{metrics.Border, c.top - metrics.Caption, w - metrics.Border, c.top - 1};
        FillRect(dc, &band,
                 GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    }

    if (!caption_.empty() && layout.Text.right > layout.Text.left) {
        TSelectGuard font(dc, borderStyle_ == kbsToolWindow ? CaptionFonts().small.Get()
                                                            : CaptionFonts().caption.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        TRect text = layout.Text;
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }

    const TRect& icon = layout.Buttons[kbiSystemMenu];
    if (!IsRectEmpty(&icon)) {
        HICON small = reinterpret_cast<HICON>(
            SendMessageA(WindowHandle(), WM_GETICON, ICON_SMALL, 0));
        if (!small)
            small = SkDefaultIcon();
        DrawIconEx(dc, icon.left, icon.top, small, icon.right - icon.left,
                   icon.bottom - icon.top, 0, nullptr, DI_NORMAL);
    }

    // The caption buttons; rollup and tray have no caption glyph of their
    // own and borrow the scroll arrows.
    struct TGlyph {
        TSkBorderIcon icon;
        UINT type, state;
    };
    const bool maximized = windowState_ == kwsMaximized;
    const TGlyph glyphs[] = {
        {kbiClose, DFC_CAPTION, DFCS_CAPTIONCLOSE},
        {kbiHelp, DFC_CAPTION, DFCS_CAPTIONHELP},
        {kbiMinimize, DFC_CAPTION, DFCS_CAPTIONMIN},
        {kbiMaximize, DFC_CAPTION, UINT(maximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX)},
        {kbiRollup, DFC_SCROLL, UINT(windowState_ == kwsRollup ? DFCS_SCROLLDOWN : DFCS_SCROLLUP)},
        {kbiTray, DFC_SCROLL, DFCS_SCROLLDOWN},
    };
    for (const TGlyph& glyph : glyphs) {
        TRect r = layout.Buttons[glyph.icon];
        if (IsRectEmpty(&r))
            continue;
        const int part = ButtonPart(glyph.icon);
        const bool pushed = pressedPart_ == part && hotPart_ == part;
        const int styled = StyledButtonPart(glyph.icon);
        const int state = pushed ? SkWindowButtonPushed
                          : hotPart_ == part ? SkWindowButtonHot : SkWindowButtonNormal;
        if (!styled || !style.Draw(dc, styled, state, r))
            DrawFrameControl(dc, &r, glyph.type, glyph.state | (pushed ? DFCS_PUSHED : 0));
    }
}

// The caption, the two sides and the bottom in the visual style's parts;
// false where there is no style to draw them with.
bool TSkCustomForm::PaintStyledFrame(const TSkVisualStyle& style, HDC dc,
                                     const TSkFrameLayout& layout)
{
    if (!style)
        return false;
    const bool tool = borderStyle_ == kbsToolWindow;
    const int state = formActive_ ? SkWindowActive : SkWindowInactive;
    const TRect& c = layout.Client;
    const int w = frameWidth_, h = frameHeight_;
    const struct {
        int part;
        TRect rect;
    } pieces[] = {
        {tool ? kwspSmallCaption : kwspCaption, {0, 0, w, c.top}},
        {tool ? kwspSmallFrameLeft : kwspFrameLeft, {0, c.top, c.left, c.bottom}},
        {tool ? kwspSmallFrameRight : kwspFrameRight, {c.right, c.top, w, c.bottom}},
        {tool ? kwspSmallFrameBottom : kwspFrameBottom, {0, c.bottom, w, h}},
    };
    for (const auto& piece : pieces)
        style.Draw(dc, piece.part, state, piece.rect);
    return true;
}

// The visual style's part for a caption button; 0 for the roll-up and tray
// buttons, which it has none for.
int TSkCustomForm::StyledButtonPart(TSkBorderIcon icon) const
{
    switch (icon) {
    case kbiClose: return borderStyle_ == kbsToolWindow ? kwspSmallCloseButton : kwspCloseButton;
    case kbiHelp: return kwspHelpButton;
    case kbiMinimize: return kwspMinButton;
    case kbiMaximize: return windowState_ == kwsMaximized ? kwspRestoreButton : kwspMaxButton;
    default: return 0;
    }
}

void TSkCustomForm::PaintBackground(TCanvas* canvas)
{
    auto* form = Form();
    if (!form)
        return;
    HDC dc = canvas->Handle();
    const RECT area = form->ClientRect();
    const TOwnedGdiObject brush(CreateSolidBrush(ColorToRGB(form->Color())));
    FillRect(dc, &area, static_cast<HBRUSH>(brush.Get()));
}

void TSkCustomForm::PaintBackgroundInto(HDC dc, const TRect& area)
{
    auto* form = Form();
    if (!form)
        return;
    const RECT client = form->ClientRect();
    std::unique_ptr<TSkBitmap> owned;
    TSkBitmap* surface =
        performance_ == ksfpNoBuffer && !blending_->Enabled() ? nullptr : PaintSurface(owned);
    // The animation's picture holds the frame where the client would start.
    if (surface && (surface == animationPicture_ || surface->Width() < client.right ||
                    surface->Height() < client.bottom)) {
        owned.reset(new TSkBitmap);
        owned->SetSize(client.right, client.bottom);
        surface = owned.get();
    }
    HDC target = surface ? surface->DC() : dc;
    // The background goes over whatever frame the persistent buffer held.
    if (surface && surface == frameBitmap_.get())
        paintedValid_ = false;
    {
        TDCStateGuard state(target);
        // Only the area asked for, on a bitmap too: the copy takes no more.
        IntersectClipRect(target, area.left, area.top, area.right, area.bottom);
        TCanvas canvas;
        canvas.SetHandle(target);
        if (OnPaint && !ComponentState().Contains(csLoading)) {
            OnPaint(this);
        } else {
            PaintBackground(&canvas);
        }
        canvas.SetHandle(nullptr);
    }
    if (surface && blending_->Enabled()) {
        TRect bounds{};
        GetClientBounds(bounds);
        BlendOverBackground(*surface, area, POINT{bounds.left, bounds.top});
    }
    if (surface)
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               surface->DC(), area.left, area.top, SRCCOPY);
}

void TSkCustomForm::EraseFormBackground(HDC dc)
{
    auto* form = Form();
    if (!form)
        return;
    // A control's bitmap takes a small part of the client: only that part
    // is copied.
    RECT area = form->ClientRect(), visible;
    if (GetClipBox(dc, &visible) != ERROR && !IntersectRect(&area, &area, &visible))
        return;
    PaintBackgroundInto(dc, area);
}

void TSkCustomForm::PaintTo(HDC dc, int x, int y)
{
    TRect client{};
    GetClientBounds(client);
    {
        TDCStateGuard state(dc);
        OffsetViewportOrgEx(dc, x, y, nullptr);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        TCanvas canvas;
        canvas.SetHandle(dc);
        PaintNonClient(&canvas);
        canvas.SetHandle(nullptr);
    }
    TDCStateGuard state(dc);
    OffsetViewportOrgEx(dc, x + client.left, y + client.top, nullptr);
    if (auto* form = Form())
        PaintBackgroundInto(dc, form->ClientRect());
}

// Region and frame updates

// With the system's visual style, the window takes the shape of its
// caption part (the rounded top corners); otherwise it is a rectangle.
HRGN TSkCustomForm::CreateFormRegion()
{
    if (borderStyle_ != kbsNone) {
        const TSkVisualStyle style(WindowHandle(), SkWindowStyleClass);
        const int part = borderStyle_ == kbsToolWindow ? kwspSmallCaption : kwspCaption;
        if (HRGN region = style.Region(part, SkWindowActive, TRect{0, 0, frameWidth_, frameHeight_}))
            return region;
    }
    return CreateRectRgn(0, 0, frameWidth_, frameHeight_);
}

void TSkCustomForm::UpdateRegion()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    if (performance_ == ksfpPersistentBuffer) {
        if (!frameBitmap_)
            frameBitmap_.reset(new TSkBitmap);
        frameBitmap_->SetSize(windowWidth_, windowHeight_);
    }
    FrameChanged();
    paintEnabled_ = false;
    // The window owns the region from here on.
    SetWindowRgn(window, CreateWindowRegion(), TRUE);
    paintEnabled_ = true;
    if (OnResize)
        OnResize(this);
}

HRGN TSkCustomForm::CreateWindowRegion()
{
    HRGN region = CreateFormRegion();
    if (HasShadow()) {
        const int size = shadow_->Size();
        HRGN shadow = CreateFormRegion();
        OffsetRgn(shadow, size, size);
        CombineRgn(region, region, shadow, RGN_OR);
        DeleteObject(shadow);
    }
    return region;
}

void TSkCustomForm::UpdateFrame()
{
    auto* form = Form();
    if (!form || !Active() || ComponentState().Contains(csDesigning) || !form->HandleAllocated())
        return;
    inUpdateFrame_ = true;
    FrameChanged();
    RECT before{}, window{};
    GetClientRect(form->Handle(), &before);
    GetWindowRect(form->Handle(), &window);
    // The frame's size anew (a shadow may have come or gone), then one frame
    // change rather than a size change and back: each trip through the
    // system's positioning costs as much as all the rest here.
    TakeWindowSize(window.right - window.left, window.bottom - window.top);
    AskForFrame(form->Handle());
    RECT after{};
    GetClientRect(form->Handle(), &after);
    const int dx = before.right - after.right, dy = before.bottom - after.bottom;
    if ((dx || dy) && KeepsClientSize())
        form->SetBounds(form->Left(), form->Top(), form->Width() + dx, form->Height() + dy);
    else
        UpdateRegion();
    inUpdateFrame_ = false;
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkCustomForm::AskForFrame(HWND window)
{
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkCustomForm::ShowHelp()
{
    if (HWND window = WindowHandle())
        SendMessageA(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

// The mouse on the frame and the drag loop

void TSkCustomForm::FrameMouseDown(TMouseButton button, unsigned, int x, int y)
{
    if (button != mbLeft)
        return;
    pressedPart_ = hotPart_ = HitTestPart(x, y);
    dragStart_ = dragLast_ = {x, y};
    PaintFrame();
    if (pressedPart_ >= kfpCaption && pressedPart_ <= kfpBottomRight) {
        tracking_ = true;
        dragOutline_ = {};
        outlineMode_ = dragging_->DragMode() == kfdmBorder;
        if (outlineMode_)
            paintEnabled_ = false;
    }
    if (HWND window = WindowHandle())
        SetCapture(window);
}

void TSkCustomForm::FrameMouseMove(unsigned shift, int x, int y)
{
    auto* form = Form();
    if (!form)
        return;
    if (!(shift & ShiftBit(ssLeft)) || !tracking_) {
        const int part = HitTestPart(x, y);
        if (part != hotPart_) {
            hotPart_ = part;
            PaintFrame();
        }
        return;
    }
    TRect r = FormBounds();
    const int dx = x - dragStart_.x, dy = y - dragStart_.y;
    // In full drag the window follows, so its far edges move by the step
    // since the last move; an outline stays put until release.
    const int farDx = outlineMode_ ? dx : x - dragLast_.x;
    const int farDy = outlineMode_ ? dy : y - dragLast_.y;
    const int part = pressedPart_;
    bool changed = false;
    if (part == kfpCaption) {
        if (dragging_->Moveable() && windowState_ != kwsMaximized) {
            OffsetRect(&r, dx, dy);
            r = Gravitate(r);
            changed = true;
        }
    } else if (IsBorderPart(part) && dragging_->Sizeable() &&
               (windowState_ == kwsNormal || windowState_ == kwsTray)) {
        TPoint minimum{};
        GetMinTrackSize(minimum);
        const bool left = part == kfpLeft || part == kfpTopLeft || part == kfpBottomLeft;
        const bool top = part == kfpTop || part == kfpTopLeft || part == kfpTopRight;
        const bool right = part == kfpRight || part == kfpTopRight || part == kfpBottomRight;
        const bool bottom = part == kfpBottom || part == kfpBottomLeft || part == kfpBottomRight;
        if (left)
            r.left = std::min<LONG>(r.left + dx, r.right - minimum.x);
        if (top)
            r.top = std::min<LONG>(r.top + dy, r.bottom - minimum.y);
        if (right)
            r.right += farDx;
        if (bottom)
            r.bottom += farDy;
        changed = true;
    }
    if (changed) {
        if (outlineMode_) {
            DrawOutline(r);
        } else {
            const TRect now = FormBounds();
            const bool plainMove =
                r.right - r.left == now.right - now.left && r.bottom - r.top == now.bottom - now.top;
            if (plainMove)
                // The system moves the pixels along, nothing is sized or
                // laid out again.
                SetWindowPos(WindowHandle(), nullptr, r.left, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            else
                form->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
            PaintPendingMessages();
            const int hot = HitTestPart(x, y);
            // A frame moved whole, over nothing it shows through, still
            // shows the right picture.
            if (!plainMove || SeeThrough() || hot != hotPart_) {
                hotPart_ = hot;
                PaintFrame();
            }
        }
    }
    dragLast_ = {x, y};
}

void TSkCustomForm::FrameMouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (button == mbRight) {
        pressedPart_ = kfpNone;
        if (HitTestPart(x, y) == kfpCaption) {
            RECT window{};
            GetWindowRect(WindowHandle(), &window);
            systemMenuPoint_ = {window.left + x, window.top + y};
            ShowSystemMenu();
            systemMenuPoint_ = {0, 0};
        }
        return;
    }
    endingDrag_ = true;
    if (GetCapture() == WindowHandle())
        ReleaseCapture();
    endingDrag_ = false;
    const int part = HitTestPart(x, y);
    const int pressed = pressedPart_;
    if (shift & ShiftBit(ssDouble)) {
        // The press half of the double click started a drag; nothing moved.
        EndTracking();
        if (part == kfpCaption && borderIcons_.Contains(kbiMaximize)) {
            if (windowState_ == kwsMinimized)
                Restore();
            else
                Maximize();
        } else if (part == kfpSystemMenu) {
            Close();
        }
        return;
    }
    if (part == pressed) {
        switch (part) {
        case kfpClose: Close(); break;
        case kfpHelp: ShowHelp(); break;
        case kfpMinimize: Minimize(); break;
        case kfpMaximize: Maximize(); break;
        case kfpRollup: Rollup(); break;
        case kfpTray: MinimizeToTray(); break;
        case kfpSystemMenu: ShowSystemMenu(); break;
        default: break;
        }
    }
    if (outlineMode_ && tracking_) {
        EraseOutline();
        // Replay the last position as a full drag so the window takes the
        // outline's geometry.
        dragging_->SetDragMode(kfdmFullDrag);
        outlineMode_ = false;
        paintEnabled_ = true;
        const TPoint last = dragLast_;
        dragLast_ = dragStart_;
        FrameMouseMove(ShiftBit(ssLeft), last.x, last.y);
        dragging_->SetDragMode(kfdmBorder);
        PaintFrame();
        if (auto* form = Form())
            form->Invalidate();
    } else {
        PaintFrame();
    }
    EndTracking();
}

void TSkCustomForm::EndTracking()
{
    EraseOutline();
    const bool wasSuspended = !paintEnabled_;
    outlineMode_ = false;
    paintEnabled_ = true;
    tracking_ = false;
    pressedPart_ = kfpNone;
    leftDown_ = false;
    if (wasSuspended)
        PaintFrame();
}

void TSkCustomForm::DrawOutline(const TRect& rect)
{
    EraseOutline();
    if (windowState_ == kwsMaximized)
        return;
    XorOutline(rect);
    dragOutline_ = rect;
}

void TSkCustomForm::EraseOutline()
{
    if (IsRectEmpty(&dragOutline_))
        return;
    const TRect drawn = dragOutline_;
    dragOutline_ = {};
    XorOutline(drawn);
}

// In XOR on the desktop, so that drawing the same rectangle again takes it
// away.
void TSkCustomForm::XorOutline(const TRect& rect)
{
    TWindowDC dc(GetDesktopWindow());
    TDCStateGuard state(dc.Get());
    const TOwnedGdiObject pen(CreatePen(PS_INSIDEFRAME, 2, RGB(255, 255, 255)));
    SelectObject(dc.Get(), pen.Get());
    SelectObject(dc.Get(), GetStockObject(NULL_BRUSH));
    SetROP2(dc.Get(), R2_XORPEN);
    Rectangle(dc.Get(), rect.left, rect.top, rect.right, rect.bottom);
}

// Paints that a move caused, at once, so the window does not trail.
void TSkCustomForm::PaintPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchMessageA(&msg);
    }
}

// Messages

void TSkCustomForm::HandleMessage(TMessage& message)
{
    // A new icon is a new picture in the caption.
    if (message.Msg == WM_SETICON)
        FrameChanged();
    switch (message.Msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(message); break;
    case WM_NCPAINT:
        PaintFrame();
        message.Result = 0;
        SetHandled();
        break;
    case WM_NCACTIVATE: WMNCActivate(message); break;
    case WM_NCHITTEST: WMNCHitTest(message); break;
    case WM_NCLBUTTONDOWN: WMNCButtonDown(message, mbLeft); break;
    case WM_NCRBUTTONDOWN: WMNCButtonDown(message, mbRight); break;
    case WM_NCLBUTTONUP: WMNCButtonUp(message, mbLeft); break;
    case WM_NCRBUTTONUP: WMNCButtonUp(message, mbRight); break;
    case WM_NCLBUTTONDBLCLK: WMNCButtonDblClk(message); break;
    case WM_NCMOUSEMOVE: {
        const TPoint p = ScreenToWindow(message.LParam);
        FrameMouseMove(leftDown_ ? ShiftBit(ssLeft) : 0, p.x, p.y);
        break;
    }
    case WM_MOUSEMOVE: WMMouseMove(message); break;
    case WM_LBUTTONUP: WMLButtonUp(message); break;
    case WM_CAPTURECHANGED:
        // Somebody else took the mouse in the middle of a drag: end it
        // cleanly rather than leave an outline or painting switched off.
        if (tracking_ && !endingDrag_)
            EndTracking();
        break;
    case WM_ERASEBKGND: WMEraseBkgnd(message); break;
    case WM_SYSCOMMAND: WMSysCommand(message); break;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(message); break;
    case WM_SETTEXT:
        // The system draws its own caption on a text change while the
        // window has one; the style comes back through SK_RESTORECAPTION.
        if (message.LParam && WindowHandle()) {
            // Our procedure is an ANSI one: the text comes in the ANSI code page.
            const char* text = reinterpret_cast<const char*>(message.LParam);
            std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), L'\0');
            MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
            if (!wide.empty())
                wide.pop_back();
            if (wide != lastText_) {
                HWND window = WindowHandle();
                SetWindowLongPtrA(window, GWL_STYLE,
                                  GetWindowLongPtrA(window, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
                lastText_ = wide;
                caption_ = wide;
                PostMessageA(window, SK_RESTORECAPTION, 13, 0);
            }
        }
        break;
    case WM_THEMECHANGED:
        CaptionFonts().Refresh();
        message.Result = 0;
        SetHandled();
        break;
    case SK_RESTORECAPTION:
        if (message.WParam == 13 && WindowHandle()) {
            HWND window = WindowHandle();
            SetWindowLongPtrA(window, GWL_STYLE,
                              GetWindowLongPtrA(window, GWL_STYLE) | LONG_PTR(WS_CAPTION));
        }
        PaintFrame();
        SetHandled();
        break;
    case SK_PAINTTO:
        PaintTo(reinterpret_cast<HDC>(message.LParam), static_cast<short>(LOWORD(message.WParam)),
                static_cast<short>(HIWORD(message.WParam)));
        message.Result = 1;
        SetHandled();
        break;
    default: HandleStateMessage(message); break;
    }
}

void TSkCustomForm::AfterMessage(TMessage& message, bool&)
{
    if (HandleMDIMessage(message))
        return;
    switch (message.Msg) {
    case WM_NCACTIVATE:
        // Over whatever the system drew for an unowned window.
        if (WindowHandle() && !GetWindow(WindowHandle(), GW_OWNER))
            PaintFrame();
        break;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_CONTEXTHELP)
            PaintFrame();
        break;
    default: break;
    }
}

void TSkCustomForm::WMNCCalcSize(TMessage& message)
{
    if (message.WParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
        // The proposed window rectangle, inset by the frame.
        const TRect r = params->rgrc[0];
        TRect client{};
        GetClientBounds(client);
        TRect inner{r.left + client.left, r.top + client.top,
                    r.right - (windowWidth_ - client.right),
                    r.bottom - (windowHeight_ - client.bottom)};
        inner.right = std::max(inner.left, inner.right);
        inner.bottom = std::max(inner.top, inner.bottom);
        params->rgrc[0] = inner;
        params->rgrc[1] = params->rgrc[0];
    }
    message.Result = 0;
    SetHandled();
}

void TSkCustomForm::WMNCActivate(TMessage& message)
{
    formActive_ = message.WParam != 0;
    InstallApplicationHooks();
    PaintFrame();
    HWND window = WindowHandle();
    if (formActive_) {
        // An owned window would get the system's caption drawn over ours.
        if (window && GetWindow(window, GW_OWNER)) {
            message.Result = 0;
            SetHandled();
        }
    } else {
        message.Result = 1;
        SetHandled();
    }
}

void TSkCustomForm::WMNCHitTest(TMessage& message)
{
    const TPoint p = ScreenToWindow(message.LParam);
    const int part = HitTestPart(p.x, p.y);
    const bool sizes = dragging_->Sizeable() && windowState_ != kwsMaximized;
    LRESULT answer = HTCLIENT;
    switch (part) {
    case kfpCaption: answer = dragging_->Moveable() ? HTCAPTION : HTCLIENT; break;
    case kfpLeft: answer = sizes ? HTLEFT : HTCLIENT; break;
    case kfpTop: answer = sizes ? HTTOP : HTCLIENT; break;
    case kfpRight: answer = sizes ? HTRIGHT : HTCLIENT; break;
    case kfpBottom: answer = sizes ? HTBOTTOM : HTCLIENT; break;
    case kfpTopLeft: answer = sizes ? HTTOPLEFT : HTCLIENT; break;
    case kfpTopRight: answer = sizes ? HTTOPRIGHT : HTCLIENT; break;
    case kfpBottomLeft: answer = sizes ? HTBOTTOMLEFT : HTCLIENT; break;
    case kfpBottomRight: answer = sizes ? HTBOTTOMRIGHT : HTCLIENT; break;
    case kfpClose: answer = HTCLOSE; break;
    case kfpHelp: answer = HTHELP; break;
    case kfpMinimize: answer = HTMINBUTTON; break;
    case kfpMaximize: answer = HTMAXBUTTON; break;
    case kfpNone: answer = HTCLIENT; break;
    default: answer = HTBORDER; break;
    }
    message.Result = answer;
    SetHandled();
}

void TSkCustomForm::WMNCButtonDown(TMessage& message, TMouseButton button)
{
    HWND window = WindowHandle();
    if (window && !formActive_)
        SetFocus(window);
    leftDown_ = button == mbLeft;
    const TPoint p = ScreenToWindow(message.LParam);
    FrameMouseDown(button, ShiftBit(button == mbLeft ? ssLeft : ssRight), p.x, p.y);
    message.Result = 0;
    message.Msg = 0;
    SetHandled();
}

void TSkCustomForm::WMNCButtonUp(TMessage& message, TMouseButton button)
{
    leftDown_ = false;
    const TPoint p = ScreenToWindow(message.LParam);
    FrameMouseUp(button, 0, p.x, p.y);
}

void TSkCustomForm::WMNCButtonDblClk(TMessage& message)
{
    const TPoint p = ScreenToWindow(message.LParam);
    const unsigned shift = ShiftBit(ssLeft) | ShiftBit(ssDouble);
    FrameMouseDown(mbLeft, shift, p.x, p.y);
    FrameMouseUp(mbLeft, shift, p.x, p.y);
    leftDown_ = false;
    message.Result = 1;
    SetHandled();
}

void TSkCustomForm::WMMouseMove(TMessage& message)
{
    HWND window = WindowHandle();
    if (!window || Handled())
        return;
    if (!tracking_ && pressedPart_ == kfpNone) {
        // The mouse left the frame for the client area: no part stays hot.
        if (hotPart_ != kfpNone) {
            hotPart_ = kfpNone;
            PaintFrame();
        }
        return;
    }
    if (GetCapture() != window)
        return;
    const TPoint p = ClientToWindow(message.LParam);
    FrameMouseMove(leftDown_ ? ShiftBit(ssLeft) : 0, p.x, p.y);
}

void TSkCustomForm::WMLButtonUp(TMessage& message)
{
    HWND window = WindowHandle();
    if (!window || GetCapture() != window || Handled() || pressedPart_ == kfpNone)
        return;
    leftDown_ = false;
    const TPoint p = ClientToWindow(message.LParam);
    FrameMouseUp(mbLeft, 0, p.x, p.y);
}

void TSkCustomForm::WMEraseBkgnd(TMessage& message)
{
    message.Result = 1;
    SetHandled();
    auto* form = Form();
    if (!paintEnabled_ || !form)
        return;
    TRect area = form->ClientRect();
    if (message.LParam) {
        const auto* record = reinterpret_cast<const TSkEraseRecord*>(message.LParam);
        if (record->Mode == 0)
            IntersectRect(&area, &area, &record->Rect);
    }
    if (IsRectEmpty(&area))
        return;
    if (message.WParam) {
        PaintBackgroundInto(reinterpret_cast<HDC>(message.WParam), area);
    } else {
        HWND window = WindowHandle();
        HDC dc = GetDC(window);
        PaintBackgroundInto(dc, area);
        ReleaseDC(window, dc);
    }
}

void TSkCustomForm::WMWindowPosChanging(TMessage& message)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    // Shown and hidden whether or not the window moves too: a plain show
    // neither moves nor sizes it.
    if (pos->flags & SWP_HIDEWINDOW)
        showAnimation_->Hide();
    if ((pos->flags & SWP_NOSIZE) && (pos->flags & SWP_NOMOVE)) {
        if (pos->flags & SWP_SHOWWINDOW)
            ShowAnimated(*pos);
        return;
    }
    if (!(pos->flags & SWP_NOSIZE)) {
        TPoint most{}, least{};
        GetMaxTrackSize(most);
        pos->cx = std::min<int>(pos->cx, most.x);
        pos->cy = std::min<int>(pos->cy, most.y);
        if (windowState_ != kwsRollup && windowState_ != kwsMinimized) {
            GetMinTrackSize(least);
            pos->cx = std::max<int>(pos->cx, least.x);
            pos->cy = std::max<int>(pos->cy, least.y);
        }
    }
    bool sizeChanged = false;
    if ((pos->cx != frameWidth_ || pos->cy != frameHeight_) &&
        !(pos->flags & (SWP_NOSIZE | SWP_FRAMECHANGED))) {
        TakeWindowSize(pos->cx, pos->cy);
        sizeChanged = true;
    }
    if (pos->flags & SWP_FRAMECHANGED)
        PaintFrame();
    const bool snapshot = blending_->Enabled() || shadow_->Enabled();
    if (snapshot)
        TakeBackground(TargetScreenRect(*pos));
    if (sizeChanged)
        UpdateRegion();
    if (pos->flags & SWP_SHOWWINDOW)
        ShowAnimated(*pos);
    // The pixels under the window are painted from the snapshot, not moved.
    if (snapshot)
        pos->flags |= SWP_NOCOPYBITS;
    message.Result = 0;
    SetHandled();
}

void TSkCustomForm::TakeWindowSize(int width, int height)
{
    windowWidth_ = width;
    windowHeight_ = height;
    const int margin = HasShadow() ? shadow_->Size() : 0;
    frameWidth_ = windowWidth_ - margin;
    frameHeight_ = windowHeight_ - margin;
}

// Where a position change puts the window, in screen coordinates; what it
// leaves alone stays as it is.
TRect TSkCustomForm::TargetScreenRect(const WINDOWPOS& pos) const
{
    HWND window = WindowHandle();
    RECT now{};
    GetWindowRect(window, &now);
    TRect r = now;
    if (!(pos.flags & SWP_NOMOVE)) {
        POINT origin{pos.x, pos.y};
        if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
            MapWindowPoints(GetAncestor(window, GA_PARENT), nullptr, &origin, 1);
        OffsetRect(&r, origin.x - now.left, origin.y - now.top);
    }
    if (!(pos.flags & SWP_NOSIZE)) {
        r.right = r.left + pos.cx;
        r.bottom = r.top + pos.cy;
    }
    return r;
}

void TSkCustomForm::TakeBackground(const TRect& rect)
{
    if (!WindowHandle() || inUpdateFrame_)
        return;
    // A maximized form has nothing behind it to show unless it is see-through.
    if (!blending_->Enabled() && windowState_ == kwsMaximized)
        return;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    background_.Take(screen, rect);
    ReleaseDC(nullptr, screen);
}
