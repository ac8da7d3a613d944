// TSkCustomMemo: the system's multi-line edit (the framework memo) dressed
// by the library: it paints the background and the border, and covers each
// native scroll bar with a small window of its own holding a library scroll
// bar that mirrors the native one. TSkThemeMemo (themestdcontrol.h) takes
// the colours, frame and scroll bars from a theme.
#pragma once

#include "framework/controls/edit.h"
#include "styling/controls/skscrollbar.h"

#include <functional>

class TSkInplaceScrollBar;

// Supplies the scroll bar an in-place window holds.
using TSkCreateScrollBarMethod = std::function<TSkCustomScrollBar*(TSkInplaceScrollBar* owner)>;

// A window laid over one native scroll bar of a memo, holding the library
// bar that stands in for it.
class TSkInplaceScrollBar : public TWinControl {
    FW_DECLARE_CLASS(TSkInplaceScrollBar)
public:
    TSkInplaceScrollBar(TWinControl* control, const TSkCreateScrollBarMethod& create);

    TSkCustomScrollBar* ScrollBar() const { return scrollBar_; }
    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* value) { control_ = value; }

    // Follows the native bar of the control: placed over it and given its
    // range, page and position, or hidden when the native bar is.
    void Synchronize();
    void Dispatch(TMessage& message) override;

protected:
    // The bar's scrolls become the control's scroll messages.
    virtual void ScrollBarScroll(TObject* sender, TScrollCode code, int& position);
    void Notification(TComponent* component, TOperation operation) override;

private:
    LONG NativeBarId() const;
    int NativeBarKind() const;

    TSkCustomScrollBar* scrollBar_ = nullptr;
    TWinControl* control_ = nullptr;
    HWND raisedOver_ = nullptr;  // the control's window this one was last raised over
};

// The pair of in-place bars of a memo.
class TSkSubScrollBar : public TComponent {
    FW_DECLARE_CLASS(TSkSubScrollBar)
public:
    TSkSubScrollBar(TComponent* owner, TWinControl* control, const TSkCreateScrollBarMethod& create);
    ~TSkSubScrollBar() override;

    TWinControl* Control() const { return control_; }
    // Cleared, the bars leave their parent.
    void SetControl(TWinControl* value);
    TSkInplaceScrollBar* VertBar() const { return vertBar_; }
    TSkInplaceScrollBar* HorzBar() const { return horzBar_; }

    // Shown each message of the control before the control handles it.
    void ControlMessage(const TMessage& message);
    void SetParent(TWinControl* parent);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* control_;
    TSkInplaceScrollBar* vertBar_ = nullptr;
    TSkInplaceScrollBar* horzBar_ = nullptr;
};

class TSkCustomMemo : public TMemo {
    FW_DECLARE_CLASS(TSkCustomMemo)
public:
    explicit TSkCustomMemo(TComponent* owner);
    ~TSkCustomMemo() override;

    TSkSubScrollBar* SubScrollBar() const { return subScrollBar_; }
    bool MouseInControl() const { return mouseInControl_; }

    void SetParent(TWinControl* parent) override;

protected:
    virtual void CreateScrollBar(TSkInplaceScrollBar* owner, TSkCustomScrollBar*& bar);
    virtual void DrawBackground(TCanvas* canvas, const RECT& rect);
    virtual void DrawBorder(TCanvas* canvas, const RECT& rect);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    void WndProc(TMessage& message) override;
    void Change() override;
    // The in-place bars made again, for a descendant whose bars differ.
    void RemakeSubScrollBar();

private:
    using TInherited = TMemo;

    void RedrawOffScreen();
    void PaintBackground(HDC dc);
    void PaintBorder();
    int EditStyleState() const;

    TSkSubScrollBar* subScrollBar_ = nullptr;
    bool mouseInControl_ = false;
    bool redrawing_ = false;
};
