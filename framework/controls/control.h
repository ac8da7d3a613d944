// TControl: the visual component, windowed or drawn on its parent's surface.
#pragma once

#include "framework/base/colors.h"
#include "framework/components/component.h"
#include "framework/base/events.h"
#include "framework/base/messages.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class TFont;
class TPopupMenu;
class TWinControl;

// An operation that the control's state does not allow (no parent window,
// focusing a hidden control, showing a visible form modally).
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
};
using TControlState = TSet<TControlStateItem>;

// Cursor identifiers; negative values name the system cursors (see TScreen).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// A replaceable window procedure: WindowProc starts as the control's own
// WndProc; a subclasser stores the old value and chains to it.
using TWndMethod = std::function<void(TMessage&)>;

// Shift state bits (1 << TShiftStateItem) from mouse-message key flags and
// from the keyboard.
unsigned KeysToShiftState(WPARAM keys);
unsigned KeyboardShiftState();

// True when caption marks key as its accelerator ("&S" in "&Save").
bool IsAccel(unsigned key, const std::string& caption);

class TControl : public TComponent {
    FW_DECLARE_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;

    TWndMethod WindowProc;

    // Runs a message through WindowProc at once and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Routes a message to its typed handler; unhandled ones reach DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

    // The area children are placed in, in the control's own coordinates.
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    // The control's own font; a change to it clears ParentFont and is
    // announced as CM_FONTCHANGED.
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* value);
    bool ParentFont() const { return parentFont_; }
    // Descriptions store a colour or font only where it is the control's own.
    bool IsColorStored() const { return !parentColor_; }
    bool IsFontStored() const { return !parentFont_; }
    void SetParentFont(bool value);
    // Announces a font change (CM_FONTCHANGED) to the control and to the
    // children that follow it.
    void FontChanged();

    std::string Text() const;
    void SetText(const std::string& value);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& value) { SetText(value); }
    // The text in full. Text is its ANSI view, which loses the characters
    // the system's ANSI code page lacks ("Ręcznie" under code page 1252);
    // the wide form is kept beside it and shown as it is.
    std::wstring WideText() const;
    void SetWideText(const std::wstring& value);
    std::wstring WideCaption() const { return WideText(); }
    void SetWideCaption(const std::wstring& value) { SetWideText(value); }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);

    // Popped up at the cursor by a right click (WM_CONTEXTMENU) when its
    // AutoPopup is on; cleared when the menu is freed.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
    TControlState ControlState() const { return controlState_; }

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // The control rendered into dc at (x, y), with its children.
    virtual void PaintTo(HDC dc, int x, int y);

    virtual void Click();
    virtual void DblClick();

    void SetName(const std::string& name) override;

    // In a description a control nests in its parent.
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    // The control's own window procedure: the default WindowProc.
    virtual void WndProc(TMessage& message);

    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    virtual void MouseUp(TMouseButton button, unsigned shift, int x, int y);

    // The parent lays its children out again.
    void RequestAlign();
    // Bounds of the control kept against the parent's right and bottom edges.
    void UpdateAnchorRules();
    virtual void ChangeScale(int, int) {}
    virtual void VisibleChanging() {}
    // Invalidates the control's rectangle on its parent (windowless controls).
    void InvalidateOnParent(const RECT& rect, bool erase);

    void IncludeControlState(TControlStateItem item) { controlState_.Include(item); }
    void ExcludeControlState(TControlStateItem item) { controlState_.Exclude(item); }

    // Shows the wide text where the ANSI view cannot (wideText_ is set).
    virtual void ShowWideText() { Invalidate(); }

    // Stored text of a control without a window (or before it has one).
    std::string text_;
    // The whole text when its ANSI view lost characters, else empty.
    std::wstring wideText_;
    TControlStyle controlStyle_;
    TControlState controlState_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;

private:
    friend class TWinControl;

    // Typed handlers.
    void WMLButtonDown(const TWMMouse& mouse, bool doubleClick);
    void WMLButtonUp(const TWMMouse& mouse);
    void WMOtherButtonDown(const TWMMouse& mouse, TMouseButton button, bool doubleClick);
    void WMOtherButtonUp(const TWMMouse& mouse, TMouseButton button);
    void WMMouseMove(const TWMMouse& mouse);
    void WMSetText(const TWMSetText& text);
    void WMGetText(const TWMGetText& text);
    void CMParentColorChanged();
    void CMParentFontChanged();
    // True when the linked menu popped up.
    bool WMContextMenu(const TMessage& message);

    void OwnFontChanged();

    TWinControl* parent_ = nullptr;
    std::unique_ptr<TFont> font_;
    bool inheritingFont_ = false;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    int anchorRight_ = 0;
    int anchorBottom_ = 0;
    bool controlTornDown_ = false;
};

// The control that holds the mouse capture, if any.
TControl* GetCaptureControl();
// Forgets the capture control without releasing the system's capture (it
// has already moved elsewhere).
void ForgetCaptureControl();
// The control the mouse is over (windowless ones included).
TControl* GetMouseControl();
// Moves the mouse to control: CM_MOUSELEAVE to the old one, CM_MOUSEENTER
// to the new one, when they differ.
void SetMouseControl(TControl* control);
