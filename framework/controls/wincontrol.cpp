// TWinControl: the window, the routing of its messages, and painting. Focus
// and keys are in wincontrolfocus.cpp, alignment and bounds in
// wincontrolalign.cpp.
#include "framework/controls/wincontrol.h"

#include "framework/base/dcguards.h"
#include "framework/components/properties.h"
#include "framework/controls/controlhooks.h"
#include "framework/graphics/graphicsobjects.h"

#include <algorithm>

FW_IMPLEMENT_CLASS(TWinControl, TControl)

FW_PUBLISH(TWinControl)
{
    p.Property("TabOrder", &T::TabOrder, &T::SetTabOrder).Default(-1);
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(false);
    p.Event("OnEnter", &T::OnEnter);
    p.Event("OnExit", &T::OnExit);
    p.Event("OnKeyDown", &T::OnKeyDown);
    p.Event("OnKeyPress", &T::OnKeyPress);
    p.Event("OnKeyUp", &T::OnKeyUp);
}

namespace {

// A window of ours holds its control object in its user data. (A window
// property would do too, but under Wine reading one is a round trip to the
// server, and the window procedure reads it for every message.)
void LinkControl(HWND window, TWinControl* control)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
}

TWinControl* LinkedControl(HWND window)
{
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The control whose window CreateWindowEx is making on this thread.
thread_local TWinControl* creatingControl = nullptr;

void MoveOrigin(HDC dc, int dx, int dy)
{
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + dx, origin.y + dy, nullptr);
}

} // namespace

bool IsWindowed(const TControl* control)
{
    return control->InheritsFrom(TWinControl::StaticClass());
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    TWinControl::BeforeDestruction();
}

// Window and children go while this object is still whole.
void TWinControl::BeforeDestruction()
{
    if (winTornDown_)
        return;
    winTornDown_ = true;
    Destroying();
    if (IFormSite* form = FindFormSite(this))
        form->DefocusControl(this);
    DestroyHandle();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        child->Free();
    }
    FreeBrush();
    TControl::BeforeDestruction();
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (parent_ && !parent_->handle_) {
        parent_->HandleNeeded();  // makes this window too
        if (handle_)
            return;
    }
    CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        if (IsWindowed(child))
            static_cast<TWinControl*>(child)->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_.Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (visible_)
        params.Style |= WS_VISIBLE;
    if (!enabled_)
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = parent_ ? parent_->handle_ : nullptr;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = DefWindowProcA;
    params.WindowClass.hInstance = GetModuleHandleA(nullptr);
    // Asked once: the system's cursors live as long as the process, and
    // under Wine each ask costs about 100 us.
    static const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    params.WindowClass.hCursor = arrow;
    params.WindowClass.hbrBackground = nullptr;
    params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* systemClass)
{
    WNDCLASSA system{};
    if (!GetClassInfoA(nullptr, systemClass, &system))
        throw EInvalidOperation(std::string("Unknown window class ") + systemClass);
    system.hInstance = params.WindowClass.hInstance;
    system.style &= ~CS_GLOBALCLASS;
    system.lpszMenuName = nullptr;
    params.WindowClass = system;
    // Its own name: the same framework class over another system class
    // must not reuse a registration with a different default procedure.
    params.WinClassName = std::string(ClassName()) + "." + systemClass;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    defWndProc_ = params.WindowClass.lpfnWndProc;
    WNDCLASSA existing{};
    bool registered =
        GetClassInfoA(params.WindowClass.hInstance, params.WinClassName.c_str(), &existing) != 0;
    if (!registered || existing.lpfnWndProc != InitWndProc) {
        if (registered)
            UnregisterClassA(params.WinClassName.c_str(), params.WindowClass.hInstance);
        WNDCLASSA wc = params.WindowClass;
        wc.lpfnWndProc = InitWndProc;
        wc.lpszClassName = params.WinClassName.c_str();
        if (!RegisterClassA(&wc))
            throw EInvalidOperation("Cannot register window class " + params.WinClassName);
    }
    CreateWindowHandle(params);
    if (!handle_)
        throw EInvalidOperation("Error creating window for " + std::string(ClassName()));
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    if (!wideText_.empty())
        ShowWideText();
}

// The window's procedure takes ANSI text and would lose what the wide text
// holds beyond it; the default procedure stores it whole, and the system's
// controls paint what it stores.
void TWinControl::ShowWideText()
{
    if (!handle_)
        return;
    DefWindowProcW(handle_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideText_.c_str()));
    InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    creatingControl = this;
    CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                    params.Style, params.X, params.Y, params.Width, params.Height,
                    params.WndParent, nullptr, params.WindowClass.hInstance, params.Param);
    creatingControl = nullptr;
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    IncludeControlState(csDestroyingHandle);
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        if (IsWindowed(child))
            static_cast<TWinControl*>(child)->DestroyHandle();
    DestroyWnd();
    ExcludeControlState(csDestroyingHandle);
}

void TWinControl::DestroyWnd()
{
    text_ = Text();  // the window may have changed it (edits)
    HWND window = handle_;
    DestroyWindow(window);
    if (handle_) {  // no WM_NCDESTROY came
        LinkControl(window, nullptr);
        handle_ = nullptr;
    }
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    CreateHandle();
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = creatingControl;
    creatingControl = nullptr;
    if (!control)
        return DefWindowProcA(window, msg, wParam, lParam);
    control->handle_ = window;
    LinkControl(window, control);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWndProc));
    return StaticWndProc(window, msg, wParam, lParam);
}

// No exception crosses into the window system: it reaches the application.
LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = LinkedControl(window);
    if (!control)
        return DefWindowProcA(window, msg, wParam, lParam);
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    try {
        control->WindowProc(message);
    } catch (...) {
        HandleWindowException(control);
    }
    return message.Result;
}

TWinControl* TWinControl::FindControl(HWND window)
{
    while (window) {
        // Only our classes start at InitWndProc; any other window's user
        // data belongs to its own code.
        if (GetClassLongPtrA(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(InitWndProc))
            if (TWinControl* control = LinkedControl(window))
                return control;
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
            break;
        window = GetParent(window);
    }
    return nullptr;
}

void TWinControl::WndProc(TMessage& message)
{
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MBUTTONDBLCLK &&
        IsControlMouseMsg(TWMMouse(message)))
        return;
    TControl::WndProc(message);
}

// Mouse input over a windowless child goes to that child, in its coordinates.
bool TWinControl::IsControlMouseMsg(const TWMMouse& mouse)
{
    TControl* capture = GetCaptureControl();
    TControl* target = nullptr;
    if (capture && capture != this && capture->Parent() == this && !IsWindowed(capture))
        target = capture;
    else if (!capture || capture == this)
        target = ControlAtPos(mouse.Pos, false);
    if (mouse.Message.Msg == WM_MOUSEMOVE)
        TrackMouse(target ? target : this);
    if (!target)
        return false;
    TMessage forwarded = mouse.Message;
    forwarded.LParam = PointToLParam(POINT{mouse.Pos.x - target->Left(), mouse.Pos.y - target->Top()});
    target->WindowProc(forwarded);
    mouse.Message.Result = forwarded.Result;
    return true;
}

void TWinControl::TrackMouse(TControl* target)
{
    SetMouseControl(target);
    if (!handle_)
        return;
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
}

void TWinControl::WMMouseLeave(TMessage& message)
{
    TControl* over = GetMouseControl();
    if (over && (over == this || (over->Parent() == this && !IsWindowed(over))))
        SetMouseControl(nullptr);
    DefaultHandler(message);
}

// Another window took the capture: this window's control (or windowless
// child) no longer holds it.
void TWinControl::WMCaptureChanged(const TWMCaptureChanged& change)
{
    TControl* capture = GetCaptureControl();
    if (capture && change.NewCapture != handle_ &&
        (capture == this || (capture->Parent() == this && !IsWindowed(capture))))
        ForgetCaptureControl();
    DefaultHandler(change.Message);
}

// Routes each message to its typed handler; what none takes goes on to
// TControl.
void TWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        WMPaint(TWMPaint(message));
        return;
    case WM_PRINTCLIENT:
        WMPrintClient(TWMPrintClient(message));
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(TWMEraseBkgnd(message));
        return;
    case WM_SETFOCUS:
        WMSetFocus(message);
        return;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(TWMSetCursor(message));
        return;
    case WM_MOUSELEAVE:
        WMMouseLeave(message);
        return;
    case WM_CAPTURECHANGED:
        WMCaptureChanged(TWMCaptureChanged(message));
        return;
    case WM_NCDESTROY:
        WMNCDestroy(message);
        return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        ReflectToChild(message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(TWMKey(message));
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(TWMKey(message));
        return;
    case WM_CHAR:
        WMChar(TWMKey(message));
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(TWMKey(message));
        return;
    case CN_CHAR:
    case CN_SYSCHAR:
        CNChar(TWMKey(message));
        return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        CNCtlColor(TWMCtlColor(message));
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged();
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged();
        return;
    case CM_COLORCHANGED:
        CMColorChanged();
        return;
    case CM_FONTCHANGED:
        CMFontChanged();
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(message);
        return;
    default:
        TControl::Dispatch(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!handle_) {
        TControl::DefaultHandler(message);
        return;
    }
    message.Result =
        CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMNCDestroy(TMessage& message)
{
    DefaultHandler(message);
    LinkControl(handle_, nullptr);
    handle_ = nullptr;
}

// A system control with nothing drawn over it paints itself.
bool TWinControl::PaintsItself() const
{
    return !controlState_.Contains(csCustomPaint) && !HasWindowlessChildren();
}

void TWinControl::WMPaint(const TWMPaint& paint)
{
    if (PaintsItself())
        DefaultHandler(paint.Message);
    else
        PaintHandler(paint.DC);
}

void TWinControl::WMPrintClient(const TWMPrintClient& print)
{
    if (print.Flags & PRF_ERASEBKGND)
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(print.DC));
    if (PaintsItself())
        DefaultHandler(print.Message);
    else
        PaintHandler(print.DC);
}

bool TWinControl::HasWindowlessChildren() const
{
    return std::any_of(controls_.begin(), controls_.end(),
                       [](TControl* c) { return !IsWindowed(c); });
}

void TWinControl::PaintHandler(HDC dc)
{
    if (!dc) {
        TPaintGuard paint(handle_);
        PaintHandler(paint.DC());
        return;
    }
    {
        TDCStateGuard state(dc);
        for (TControl* child : controls_) {
            if (!IsWindowed(child) && child->Visible() &&
                child->ControlStyle().Contains(csOpaque)) {
                RECT r = child->BoundsRect();
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
            }
        }
        PaintWindow(dc);
    }
    PaintControls(dc);
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage paint;
    paint.Msg = WM_PAINT;
    paint.WParam = reinterpret_cast<WPARAM>(dc);
    DefaultHandler(paint);
}

// Windowless children paint on this window's surface, in their own coordinates.
void TWinControl::PaintControls(HDC dc)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (IsWindowed(child) || !child->Visible())
            continue;
        RECT bounds = child->BoundsRect();
        if (!RectVisible(dc, &bounds))
            continue;
        TDCStateGuard state(dc);
        MoveOrigin(dc, bounds.left, bounds.top);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

// Also serves children that send their own DC, its origin moved so that
// this control's client coordinates land under them.
void TWinControl::WMEraseBkgnd(const TWMEraseBkgnd& erase)
{
    if (erase.DC)
        EraseBackground(erase.DC);
    erase.Message.Result = 1;
}

void TWinControl::EraseBackground(HDC dc)
{
    RECT client = ClientRect();
    FillRect(dc, &client, BrushHandle());
}

HBRUSH TWinControl::BrushHandle()
{
    if (!brush_ || brushColor_ != Color()) {
        FreeBrush();
        brush_ = CreateSolidBrush(ColorToRGB(Color()));
        brushColor_ = Color();
    }
    return brush_;
}

void TWinControl::FreeBrush()
{
    if (brush_)
        DeleteObject(brush_);
    brush_ = nullptr;
}

void TWinControl::PaintTo(HDC dc, int x, int y)
{
    IncludeControlState(csPaintCopy);
    {
        TDCStateGuard state(dc);
        MoveOrigin(dc, x, y);
        IntersectClipRect(dc, 0, 0, width_, height_);
        if (handle_) {
            RECT window;
            GetWindowRect(handle_, &window);
            POINT client{0, 0};
            ::ClientToScreen(handle_, &client);
            LONG_PTR exStyle = GetWindowLongPtrA(handle_, GWL_EXSTYLE);
            LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
            RECT frame{0, 0, width_, height_};
            if (exStyle & WS_EX_CLIENTEDGE)
                DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
            else if ((style & WS_BORDER) && !(style & WS_DLGFRAME))
                FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            MoveOrigin(dc, client.x - window.left, client.y - window.top);
            RECT inner = ClientRect();
            IntersectClipRect(dc, 0, 0, inner.right, inner.bottom);
        }
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        const std::vector<TControl*> children = controls_;
        for (TControl* child : children)
            if (IsWindowed(child) && child->Visible())
                child->PaintTo(dc, child->Left(), child->Top());
    }
    ExcludeControlState(csPaintCopy);
}

// A notification goes back to the control it concerns as the CN_ message.
void TWinControl::ReflectToChild(TMessage& message)
{
    HWND child = NotifyingChild(message);
    TWinControl* target = child ? FindControl(child) : nullptr;
    if (target && target != this) {
        message.Result = target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
    }
    DefaultHandler(message);
}

void TWinControl::CNCtlColor(const TWMCtlColor& color)
{
    SetTextColor(color.DC, ColorToRGB(Font()->Color()));
    SetBkColor(color.DC, ColorToRGB(Color()));
    color.Message.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::WMSetCursor(const TWMSetCursor& setCursor)
{
    if (setCursor.HitTest == HTCLIENT && setCursor.Window == handle_) {
        TCursor cursor = ProgramCursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(handle_, &p);
            TControl* over = ControlAtPos(p, false);
            cursor = over ? over->Cursor() : crDefault;
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            setCursor.Message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(setCursor.Message);
}

void TWinControl::CMEnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, enabled_);
    Invalidate();
}

void TWinControl::CMVisibleChanged()
{
    if (!handle_) {
        if (visible_ && parent_ && parent_->handle_)
            CreateHandle();
        return;
    }
    ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMColorChanged()
{
    FreeBrush();
    Invalidate();
    for (TControl* child : std::vector<TControl*>(controls_))
        child->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged()
{
    if (handle_)
        Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    Invalidate();
    for (TControl* child : std::vector<TControl*>(controls_))
        child->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    controls_.push_back(control);
    if (IsWindowed(control)) {
        auto* win = static_cast<TWinControl*>(control);
        tabList_.push_back(win);
        if (handle_)
            win->CreateHandle();
    } else {
        control->Invalidate();
    }
    control->UpdateAnchorRules();
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    if (control->Align() != alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control->parent_ != this)
        return;
    if (GetMouseControl() == control)
        SetMouseControl(nullptr);
    if (GetCaptureControl() == control)
        control->SetMouseCapture(false);
    if (IsWindowed(control)) {
        auto* win = static_cast<TWinControl*>(control);
        if (IFormSite* form = FindFormSite(this))
            form->DefocusControl(win);
        win->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), win), tabList_.end());
    } else {
        control->Invalidate();
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    if (control->Align() != alNone)
        Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (IsWindowed(c) || !c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        RECT bounds = c->BoundsRect();
        if (PtInRect(&bounds, point))
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        child->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
    Realign();
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}
