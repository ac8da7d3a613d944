// The popup window of one menu level: a form made in code (no stored
// description), a tool window that stays on top, dressed by its skin
// TSkPopupForm and filled by its view TSkPopupView, which has no window of
// its own: it paints into this one's client area.
#pragma once

#include "framework/forms/form.h"
#include "styling/forms/skcustomform.h"

#include <utility>

class TSkCustomItem;
class TSkPopupView;

// Three pixels of frame on every side, no caption, no buttons, neither
// moved nor sized by the user; it keeps the owner form's caption drawn
// active while the popup is up.
class TSkPopupForm : public TSkCustomForm {
    FW_DECLARE_CLASS(TSkPopupForm)
public:
    static constexpr int FrameSize = 3;
    explicit TSkPopupForm(TComponent* owner);

    void GetClientBounds(TRect& rect) override;
    void GetMinTrackSize(TPoint& size) override;
    void PaintNonClient(TCanvas* canvas) override;
    // A rectangle needs no window region: only the shadow's margin does.
    void UpdateRegion() override;
    // The window is sized to the items: its frame comes out of that size.
    bool KeepsClientSize() const override { return false; }
    // Blending, shadow and animation from a menu's options.
    void TakeOptions(const TSkPopupMenuOptions* options);
    // Whether the window still has to ask for its frame, which it then does
    // as it shows; asking clears it.
    bool TakeFramePending() { return std::exchange(framePending_, false); }

protected:
    // The view paints every pixel of the client area: no erasing first.
    void HandleMessage(TMessage& message) override;
    // A hidden window asks as it shows, in the same trip through the
    // system's positioning, unless a show animation needs it sooner.
    void AskForFrame(HWND window) override;
    // The 3-pixel frame of a width x height window.
    virtual void PaintPopupFrame(TCanvas* canvas, int width, int height);

private:
    void KeepOwnerActive();
    bool framePending_ = false;
};

class TSkPopupWindow : public TForm {
    FW_DECLARE_CLASS(TSkPopupWindow)
public:
    explicit TSkPopupWindow(TComponent* owner);
    // Makes skin and view once the object is whole.
    void AfterConstruction() override;

    TSkPopupForm* Skin() const { return skin_; }
    TSkPopupView* View() const { return view_; }
    // Shows item's sub-items under parentView (null for a menu's top level)
    // and works out the window size they need; no window is made yet.
    void Prepare(TSkCustomItem* item, TSkPopupView* parentView);
    // The window size the view's items need.
    SIZE WindowSize() const { return windowSize_; }
    // Makes the window at a screen rectangle, dresses it and shows it
    // without taking the focus, unless the items ask for the foreground.
    void ShowAt(const RECT& bounds);

protected:
    // Made in code: there is no stored description to read.
    void ReadDescription() override {}
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual TSkPopupForm* CreateSkin();
    virtual TSkPopupView* CreateView();
    // After Prepare handed the view its item.
    virtual void ItemShown(TSkCustomItem*) {}

private:
    void Animate(const RECT& bounds);
    TSkPopupForm* skin_ = nullptr;
    TSkPopupView* view_ = nullptr;
    SIZE windowSize_{0, 0};
    HWND owner_ = nullptr;
};
