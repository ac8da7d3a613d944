// TSkCustomControl: the base of every windowed themed control. Over what
// it shares with the windowless base (buffering, see-through painting,
// blending, the paint font, mouse-over), it owns focus tracking, bevels and
// border, child scroll bars, and the order in which border and content are
// painted. Descendants override PaintClient and PaintBorder.
#pragma once

#include "framework/controls/controlkinds.h"
#include "styling/core/skcontrolbase.h"

#include <functional>

class TSkCustomControl;

// Makes the child scroll bar of a host (the scroll bar control supplies
// it); without one, no child scroll bars are made. The bar routes its own
// notifications to the host as WM_HSCROLL or WM_VSCROLL.
using TSkScrollBarFactory =
    std::function<TControl*(TSkCustomControl* host, TScrollBarKind kind)>;
void SetSkScrollBarFactory(TSkScrollBarFactory factory);

class TSkCustomControl : public TSkControlBase<TCustomControl> {
    FW_DECLARE_CLASS(TSkCustomControl)
public:
    explicit TSkCustomControl(TComponent* owner);

    // Between entering and leaving the control (CM_ENTER, CM_EXIT).
    bool HasFocus() const { return focused_; }

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TSkBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TSkBevelCut value);
    TSkBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TSkBevelCut value);
    TSkBevelSides BevelSides() const { return bevelSides_; }
    void SetBevelSides(TSkBevelSides value);
    TSkBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TSkBevelKind value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);

    TSkScrollBarStyle ScrollBars() const { return scrollBars_; }
    // The bars are made with the window.
    void SetScrollBars(TSkScrollBarStyle value);
    TControl* HorzScrollBar() const { return horzScrollBar_; }
    TControl* VertScrollBar() const { return vertScrollBar_; }
    // A child scroll bar reports a scroll: this control gets it as
    // WM_HSCROLL or WM_VSCROLL (codes other than 1..8 become 0); the bar
    // reads its position back afterwards.
    void ScrollBarScrolled(TScrollBarKind kind, int code, int position);

    // Paint the border and the scroll-bar corner with the system's visual
    // styles when they are active.
    bool UseVisualStyles() const { return useVisualStyles_; }
    void SetUseVisualStyles(bool value);

    // The bounds less the border and the bevels, in the control's coordinates.
    virtual void GetClientArea(RECT& rect) const;

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;

protected:
    // Unless transparent, fills the client area with Color.
    virtual void PaintClient();
    // The scroll-bar corner, the bevels and the border band.
    virtual void PaintBorder();
    virtual TControl* CreateScrollBar(TScrollBarKind kind);
    virtual int GetScrollBarSize() const;
    // After any bevel or border property changed.
    virtual void BorderChanged() {}

    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AdjustClientRect(RECT& rect) const override;

private:
    using TInherited = TSkControlBase<TCustomControl>;

    void ChangeBorder();
    void PlaceScrollBars();
    void FreeScrollBars();
    bool BothScrollBars() const { return horzScrollBar_ && vertScrollBar_; }
    // The client area less the scroll bars.
    RECT ScrolledClientArea() const;
    // The one paint of the control, for WM_PAINT, WM_ERASEBKGND and PaintTo
    // alike: what lies under it, the border, the client and the blend, into
    // dc through the buffer Performance chooses, or straight in when not
    // buffered.
    void PaintLayers(HDC dc, bool buffered);
    void PaintBevel(RECT& rect, TSkBevelCut cut, bool outer);
    void PaintScrollCorner();
    // The state the system's edit-box style draws the border in.
    int EditStyleState() const;
    void WMEraseBkgnd(TMessage& message);
    void WMWindowPosChanging(TMessage& message);

    bool focused_ = false;
    // Between a WM_PAINT without a context and its Paint: the erase there
    // is the paint's own and draws nothing.
    bool paintPending_ = false;
    TControl* horzScrollBar_ = nullptr;
    TControl* vertScrollBar_ = nullptr;
    TSkScrollBarStyle scrollBars_ = kssNone;
    int borderWidth_ = 0;
    TSkBevelCut bevelInner_ = kbvLowered;
    TSkBevelCut bevelOuter_ = kbvLowered;
    TSkBevelSides bevelSides_{kbvLeft, kbvTop, kbvRight, kbvBottom};
    TSkBevelKind bevelKind_ = kbkNone;
    int bevelWidth_ = 0;
    bool useVisualStyles_ = true;
    int keptWidth_ = 0;
    int keptHeight_ = 0;
};
