// TSkPopupView: the items of one menu level laid out in a popup window (or
// a bar), the selection, and the modal loop that runs while the level is
// open. Each open sub-menu is a child view with a loop of its own nested in
// its parent's. Painting is buffered and per item: moving the selection
// repaints the two items that changed. A bar has a window of its own; the
// view of a popup has none and fills its host's client area, one window
// fewer to make, show and free each time a menu opens.
#pragma once

#include "framework/controls/graphiccontrol.h"

#include <windows.h>

#include <memory>
#include <vector>

class TSkCustomItem;

// Posted to a view's loop: open the selected item's sub-menu.
constexpr UINT SK_REOPENMENU = 0x046F;
// The height of each of the two scroll buttons of a scrolled view.
constexpr int SkScrollButtonHeight = 10;

class TSkPopupView : public TCustomControl {
    FW_DECLARE_CLASS(TSkPopupView)
public:
    explicit TSkPopupView(TComponent* owner);
    ~TSkPopupView() override;

    // The item whose visible sub-items the view shows.
    TSkCustomItem* Item() const { return item_; }
    void SetItem(TSkCustomItem* value);
    TSkCustomItem* Selected() const { return selected_; }
    // Repaints the old and the new selected item only.
    void SetSelected(TSkCustomItem* value, bool hot = false);
    bool Hot() const { return hot_; }
    TSkPopupView* ParentView() const { return parentView_; }
    void SetParentView(TSkPopupView* value) { parentView_ = value; }
    TSkPopupView* ChildView() const { return childView_; }
    void SetChildView(TSkPopupView* value) { childView_ = value; }
    // A menu bar lays its items out in a row.
    bool Horizontal() const { return horizontal_; }
    void SetHorizontal(bool value) { horizontal_ = value; }
    bool SubMenuOpen() const { return subMenuOpen_; }
    bool Looping() const { return looping_; }
    // The window whose client area the view fills; the view then makes no
    // window of its own, and is sized and painted by the host.
    void SetHost(TWinControl* host) { host_ = host; }
    // The window the view lies in, its own or its host's; item rectangles
    // are in its client coordinates. Null while there is none.
    HWND Window() const;
    // Paints what dc's clip box holds of the view (view coordinates).
    void PaintView(HDC dc) { PaintWindow(dc); }
    void Invalidate() override;

    // Measures the visible items, stores each one's rectangle and answers
    // the size they need (with the scroll buttons of a scrolled item).
    SIZE LayoutItems();
    // The visible item at a point in view coordinates; null elsewhere.
    TSkCustomItem* ItemAt(POINT point) const;
    // Scrolled views: the first item shown, and the scroll buttons.
    bool Scrolled() const;
    int TopIndex() const { return topIndex_; }
    void ScrollBy(int delta);
    RECT ScrollButtonRect(bool down) const;

    // The modal loop: runs until this level closes, taking every message of
    // the thread (see the .cpp for what each does).
    void RunLoop();
    // Ends the loops of this view and every parent view, hiding them.
    void CloseAll();
    // Ends this level only.
    void CloseLevel();
    // Opens the selected item's sub-menu beside it.
    void OpenSubMenu();

    // The views whose loops run now, outermost first.
    static const std::vector<TSkPopupView*>& OpenViews();

protected:
    // A hosted view makes no window: its Handle() stays null.
    void CreateHandle() override;
    // The view's items changed: lay them out again and fit the window.
    virtual void ItemsChanged();
    // Takes the closed level off the screen.
    virtual void HideLevel();
    // Where the level lies on the screen: what counts as inside the menu.
    virtual RECT LevelRect();
    virtual void PaintItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                           bool hot);
    void PaintWindow(HDC dc) override;
    void EraseBackground(HDC) override {}
    // What lies between and around the items, in view coordinates.
    virtual void PaintBackground(TCanvas* canvas, const RECT& rect);
    virtual void PaintScrollButton(TCanvas* canvas, const RECT& rect, bool down, bool hot);

private:
    friend void SkPopupViewsItemChanged(TSkCustomItem* item, bool freeing);
    std::vector<TSkCustomItem*> VisibleItems() const;
    std::vector<TSkCustomItem*> ShownItems() const;
    void InvalidateItem(TSkCustomItem* item);
    void SelectInitial();
    void SelectStep(int step);
    void HandleKey(MSG& msg);
    void HandleChar(wchar_t ch);
    void HandleMouseMove(POINT screen);
    void HandleButton(POINT screen, bool down);
    bool InsideAnyLevel(POINT screen) const;
    TSkPopupView* ViewAt(POINT screen) const;
    TSkPopupView* Root();
    void PassToParent(UINT key);
    void ItemGone(TSkCustomItem* item);

    TSkCustomItem* item_ = nullptr;
    TSkCustomItem* selected_ = nullptr;
    TSkPopupView* parentView_ = nullptr;
    TSkPopupView* childView_ = nullptr;
    bool horizontal_ = false;
    bool subMenuOpen_ = false;
    bool looping_ = false;
    bool hot_ = false;
    bool buttonPressed_ = false;
    // A bar whose sub-menu was left by Left or Right opens its neighbour's.
    bool reopenAfterStep_ = false;
    int topIndex_ = 0;
    POINT lastMouse_{-32768, -32768};
    TWinControl* host_ = nullptr;
};

// Shows item's sub-items in a popup window of the item's PopupWindowClass at
// (x, y), kept inside the work area; a sub-menu goes beside exclude (the
// parent item's screen rectangle). Returns when the level has closed.
void SkPopupItem(TSkCustomItem* item, TSkPopupView* parentView, int x, int y,
                 const RECT& exclude);

// Where a size x popup goes for the point at, in work: inside it, and for a
// sub-menu (exclude not empty) beside exclude, to the right when there is
// room, else to the left; under a vertical parent not above y 0.
RECT SkPlacePopup(SIZE size, POINT at, const RECT& exclude, const RECT& work,
                  bool verticalParent);
