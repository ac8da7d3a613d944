#include "framework/controls/control.h"
#include "framework/components/properties.h"

#include "framework/base/ansi.h"
#include "framework/graphics/graphicsobjects.h"
#include "framework/controls/popupmenu.h"
#include "framework/controls/wincontrol.h"

#include <cctype>

FW_IMPLEMENT_CLASS(TControl, TComponent)

FW_PUBLISH(TControl)
{
    p.Property("Left", &T::Left, &T::SetLeft);
    p.Property("Top", &T::Top, &T::SetTop);
    p.Property("Width", &T::Width, &T::SetWidth);
    p.Property("Height", &T::Height, &T::SetHeight);
    p.Property("Cursor", &T::Cursor, &T::SetCursor)
        .Default(crDefault)
        .Idents({{"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow},
                 {"crCross", crCross}, {"crIBeam", crIBeam}, {"crSizeNESW", crSizeNESW},
                 {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},
                 {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass}, {"crNo", crNo},
                 {"crAppStart", crAppStart}, {"crHelp", crHelp}, {"crHandPoint", crHandPoint},
                 {"crSizeAll", crSizeAll}});
    p.Enum("Align", &T::Align, &T::SetAlign,
           {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"})
        .Default(alNone);
    p.Set("Anchors", &T::Anchors, &T::SetAnchors, {"akLeft", "akTop", "akRight", "akBottom"})
        .Default(TAnchors{akLeft, akTop}.Bits());
    p.Property("Caption", &T::WideCaption, &T::SetWideCaption);
    // A control that follows its parent's colour or font stores neither.
    p.Color("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored);
    p.Property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(true);
    p.Property("Font", &T::Font).Stored(&T::IsFontStored);
    p.Property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(true);
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
    p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    p.Property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
    p.Event("OnClick", &T::OnClick);
    p.Event("OnDblClick", &T::OnDblClick);
    p.Event("OnMouseDown", &T::OnMouseDown);
    p.Event("OnMouseMove", &T::OnMouseMove);
    p.Event("OnMouseUp", &T::OnMouseUp);
}

namespace {

TControl* captureControl = nullptr;
TControl* mouseControl = nullptr;

unsigned Bit(TShiftStateItem item) { return 1u << item; }

unsigned DoubleClickShift(bool doubleClick) { return doubleClick ? Bit(ssDouble) : 0; }

} // namespace

unsigned KeysToShiftState(WPARAM keys)
{
    unsigned shift = 0;
    if (keys & MK_SHIFT) shift |= Bit(ssShift);
    if (keys & MK_CONTROL) shift |= Bit(ssCtrl);
    if (keys & MK_LBUTTON) shift |= Bit(ssLeft);
    if (keys & MK_RBUTTON) shift |= Bit(ssRight);
    if (keys & MK_MBUTTON) shift |= Bit(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) shift |= Bit(ssAlt);
    return shift;
}

unsigned KeyboardShiftState()
{
    unsigned shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= Bit(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift |= Bit(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) shift |= Bit(ssAlt);
    return shift;
}

bool IsAccel(unsigned key, const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {  // "&&" is a literal ampersand
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
               std::toupper(static_cast<int>(key & 0xFF));
    }
    return false;
}

TControl* GetCaptureControl() { return captureControl; }
TControl* GetMouseControl() { return mouseControl; }
void ForgetCaptureControl() { captureControl = nullptr; }

void SetMouseControl(TControl* control)
{
    if (control == mouseControl)
        return;
    TControl* old = mouseControl;
    mouseControl = control;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (control && mouseControl == control)
        control->Perform(CM_MOUSEENTER);
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(new TFont)
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) { OwnFontChanged(); };
    controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl()
{
    TControl::BeforeDestruction();
}

void TControl::BeforeDestruction()
{
    if (controlTornDown_)
        return;
    controlTornDown_ = true;
    Destroying();
    if (mouseControl == this)
        mouseControl = nullptr;
    if (captureControl == this)
        SetMouseCapture(false);
    SetParent(nullptr);
    TComponent::BeforeDestruction();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDBLCLK && !controlStyle_.Contains(csDoubleClicks))
        message.Msg = WM_LBUTTONDOWN;
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(TWMMouse(message), false);
        return;
    case WM_LBUTTONDBLCLK:
        WMLButtonDown(TWMMouse(message), true);
        return;
    case WM_RBUTTONDOWN:
        WMOtherButtonDown(TWMMouse(message), mbRight, false);
        return;
    case WM_RBUTTONDBLCLK:
        WMOtherButtonDown(TWMMouse(message), mbRight, true);
        return;
    case WM_MBUTTONDOWN:
        WMOtherButtonDown(TWMMouse(message), mbMiddle, false);
        return;
    case WM_MBUTTONDBLCLK:
        WMOtherButtonDown(TWMMouse(message), mbMiddle, true);
        return;
    case WM_LBUTTONUP:
        WMLButtonUp(TWMMouse(message));
        return;
    case WM_RBUTTONUP:
        WMOtherButtonUp(TWMMouse(message), mbRight);
        return;
    case WM_MBUTTONUP:
        WMOtherButtonUp(TWMMouse(message), mbMiddle);
        return;
    case WM_MOUSEMOVE:
        WMMouseMove(TWMMouse(message));
        return;
    case WM_CONTEXTMENU:
        if (!WMContextMenu(message))
            DefaultHandler(message);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged();
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged();
        return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
        Invalidate();
        return;
    default:
        DefaultHandler(message);
    }
}

// A control without a window keeps its text itself.
void TControl::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETTEXT:
        WMSetText(TWMSetText(message));
        break;
    case WM_GETTEXTLENGTH:
        message.Result = static_cast<LRESULT>(text_.size());
        break;
    case WM_GETTEXT:
        WMGetText(TWMGetText(message));
        break;
    default:
        break;
    }
}

void TControl::WMSetText(const TWMSetText& text)
{
    text_ = text.Text ? text.Text : "";
    text.Message.Result = TRUE;
}

void TControl::WMGetText(const TWMGetText& text)
{
    if (text.BufferSize == 0 || !text.Buffer) {
        text.Message.Result = 0;
        return;
    }
    size_t n = std::min(text.BufferSize - 1, text_.size());
    text_.copy(text.Buffer, n);
    text.Buffer[n] = '\0';
    text.Message.Result = static_cast<LRESULT>(n);
}

// A click is a left press and release over the control; a double click
// reports itself at once.
void TControl::WMLButtonDown(const TWMMouse& mouse, bool doubleClick)
{
    DefaultHandler(mouse.Message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents)) {
        if (doubleClick)
            DblClick();
        else
            controlState_.Include(csClicked);
    }
    MouseDown(mbLeft, KeysToShiftState(mouse.Keys) | DoubleClickShift(doubleClick), mouse.Pos.x,
              mouse.Pos.y);
}

void TControl::WMLButtonUp(const TWMMouse& mouse)
{
    DefaultHandler(mouse.Message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(false);
    if (controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        RECT client = ClientRect();
        if (PtInRect(&client, mouse.Pos))
            Click();
    }
    MouseUp(mbLeft, KeysToShiftState(mouse.Keys), mouse.Pos.x, mouse.Pos.y);
}

void TControl::WMOtherButtonDown(const TWMMouse& mouse, TMouseButton button, bool doubleClick)
{
    DefaultHandler(mouse.Message);
    MouseDown(button, KeysToShiftState(mouse.Keys) | DoubleClickShift(doubleClick), mouse.Pos.x,
              mouse.Pos.y);
}

void TControl::WMOtherButtonUp(const TWMMouse& mouse, TMouseButton button)
{
    DefaultHandler(mouse.Message);
    MouseUp(button, KeysToShiftState(mouse.Keys), mouse.Pos.x, mouse.Pos.y);
}

void TControl::WMMouseMove(const TWMMouse& mouse)
{
    DefaultHandler(mouse.Message);
    MouseMove(KeysToShiftState(mouse.Keys), mouse.Pos.x, mouse.Pos.y);
}

void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(unsigned shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::MouseCapture() const
{
    return captureControl == this;
}

// Windowless controls capture through the nearest window.
void TControl::SetMouseCapture(bool value)
{
    if (value == MouseCapture())
        return;
    if (value) {
        captureControl = this;
        const TControl* c = this;
        while (c && !c->InheritsFrom(TWinControl::StaticClass()))
            c = c->Parent();
        auto* win = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
        if (win && win->HandleAllocated())
            SetCapture(win->Handle());
    } else {
        captureControl = nullptr;
        ReleaseCapture();
    }
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    InvalidateOnParent(BoundsRect(), true);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    UpdateAnchorRules();
    InvalidateOnParent(BoundsRect(), !controlStyle_.Contains(csOpaque));
    RequestAlign();
}

void TControl::InvalidateOnParent(const RECT& rect, bool erase)
{
    if (parent_ && parent_->HandleAllocated() && (visible_ || !parent_->Visible()))
        InvalidateRect(parent_->Handle(), &rect, erase);
}

void TControl::UpdateAnchorRules()
{
    if (!parent_ || parent_->aligning_)
        return;
    RECT client = parent_->ClientRect();
    anchorRight_ = client.right - (left_ + width_);
    anchorBottom_ = client.bottom - (top_ + height_);
}

void TControl::RequestAlign()
{
    if (parent_ && (align_ != alNone || anchors_ != TAnchors{akLeft, akTop}))
        parent_->Realign();
}

RECT TControl::ClientRect() const
{
    return RECT{0, 0, width_, height_};
}

int TControl::ClientWidth() const
{
    RECT r = ClientRect();
    return r.right - r.left;
}

int TControl::ClientHeight() const
{
    RECT r = ClientRect();
    return r.bottom - r.top;
}

void TControl::SetClientWidth(int value)
{
    SetWidth(width_ - ClientWidth() + value);
}

void TControl::SetClientHeight(int value)
{
    SetHeight(height_ - ClientHeight() + value);
}

POINT TControl::ClientOrigin() const
{
    if (!parent_)
        return POINT{left_, top_};
    POINT origin = parent_->ClientOrigin();
    return POINT{origin.x + left_, origin.y + top_};
}

POINT TControl::ClientToScreen(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    VisibleChanging();
    visible_ = value;
    if (!value && mouseControl == this)
        SetMouseControl(nullptr);  // the mouse is no longer over something hidden
    InvalidateOnParent(BoundsRect(), true);
    Perform(CM_VISIBLECHANGED, value);
    RequestAlign();
}

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor value)
{
    if (value == color_ && !parentColor_)
        return;
    color_ = value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (value == parentColor_)
        return;
    parentColor_ = value;
    if (value && parent_)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::CMParentColorChanged()
{
    if (!parentColor_ || !parent_)
        return;
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
    // Setting the colour through CM_COLORCHANGED keeps it following the parent.
    parentColor_ = true;
}

void TControl::SetParentFont(bool value)
{
    if (value == parentFont_)
        return;
    parentFont_ = value;
    if (value && parent_)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged()
{
    Perform(CM_FONTCHANGED);
}

void TControl::SetFont(const TFont* value)
{
    font_->Assign(value);
}

void TControl::OwnFontChanged()
{
    if (!inheritingFont_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::CMParentFontChanged()
{
    if (!parentFont_ || !parent_)
        return;
    inheritingFont_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inheritingFont_};
    font_->Assign(parent_->Font());  // announces CM_FONTCHANGED when it differs
}

std::string TControl::Text() const
{
    auto* self = const_cast<TControl*>(this);
    LRESULT length = self->Perform(WM_GETTEXTLENGTH);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = self->Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void TControl::SetText(const std::string& value)
{
    const bool hadWide = !wideText_.empty();
    wideText_.clear();
    if (value == Text() && !hadWide)
        return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    Perform(CM_TEXTCHANGED);
}

std::wstring TControl::WideText() const
{
    return wideText_.empty() ? AnsiToWide(Text()) : wideText_;
}

void TControl::SetWideText(const std::wstring& value)
{
    bool lossy = false;
    const std::string ansi = WideToAnsi(value, &lossy);
    if (!lossy) {
        SetText(ansi);
        return;
    }
    if (value == wideText_)
        return;
    SetText(ansi);
    wideText_ = value;
    ShowWideText();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetName(const std::string& name)
{
    // A caption that still shows the name follows it (while not loading).
    bool follow = controlStyle_.Contains(csSetCaption) &&
                  !ComponentState().Contains(csLoading) && Text() == Name();
    TComponent::SetName(name);
    if (follow)
        SetText(name);
}

void TControl::SetCursor(TCursor value)
{
    if (value == cursor_)
        return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (value == popupMenu_)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value)
        value->FreeNotification(this);
}

bool TControl::WMContextMenu(const TMessage& message)
{
    if (!popupMenu_ || !popupMenu_->AutoPopup() || ComponentState().Contains(csDesigning))
        return false;
    POINT at{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
    if (message.LParam == -1)
        // From the keyboard: the middle of the control.
        at = ClientToScreen(POINT{width_ / 2, height_ / 2});
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(at.x, at.y);
    return true;
}

void TControl::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    align_ = value;
    anchors_ = TAnchors{akLeft, akTop};
    if (parent_)
        parent_->Realign();
}

void TControl::SetAnchors(TAnchors value)
{
    if (value == anchors_)
        return;
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::Invalidate()
{
    InvalidateOnParent(BoundsRect(), !controlStyle_.Contains(csOpaque));
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

// A windowless control paints through WM_PAINT with the target DC.
void TControl::PaintTo(HDC dc, int x, int y)
{
    controlState_.Include(csPaintCopy);
    int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
    controlState_.Exclude(csPaintCopy);
}

TComponent* TControl::GetParentComponent() const
{
    return Parent();
}

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto* container = dynamic_cast<TWinControl*>(parent))
        SetParent(container);
}
