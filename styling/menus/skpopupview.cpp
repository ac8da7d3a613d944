#include "styling/menus/skpopupview.h"

#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupwindow.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <utility>

FW_IMPLEMENT_CLASS(TSkPopupView, TCustomControl)

namespace {

// Every view that exists, to follow changes of the items they show.
std::vector<TSkPopupView*>& AllViews()
{
    static std::vector<TSkPopupView*> views;
    return views;
}

// One buffer that every view paints through, grown and never shrunk: a
// popup's view lives as long as the popup, and fresh bitmap memory is slow
// to touch the first time (a page fault for every 4 KB).
TSkBitmap& PaintBuffer()
{
    static TSkBitmap buffer;
    return buffer;
}

std::vector<TSkPopupView*>& LoopingViews()
{
    static std::vector<TSkPopupView*> views;
    return views;
}

bool Selectable(const TSkCustomItem* item)
{
    return item && item->Visible() && !item->IsSeparator();
}

bool Opens(const TSkCustomItem* item)
{
    return item && item->Enabled() && item->HasVisibleItems();
}

POINT MessagePoint(const MSG& msg)
{
    POINT p{short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))};
    if (msg.hwnd)
        ::ClientToScreen(msg.hwnd, &p);
    return p;
}

RECT ScreenRect(HWND window)
{
    RECT r{};
    if (window)
        GetWindowRect(window, &r);
    return r;
}

HWND RootOf(HWND window)
{
    return window ? GetAncestor(window, GA_ROOT) : nullptr;
}

}  // namespace

void SkPopupViewsItemChanged(TSkCustomItem* item, bool freeing)
{
    // A copy: closing a view may make or free none, but stay safe.
    const std::vector<TSkPopupView*> views = AllViews();
    for (TSkPopupView* view : views) {
        if (freeing)
            view->ItemGone(item);
        else if (item == view->item_ || (item && item->Parent() == view->item_))
            view->ItemsChanged();
    }
}

TSkPopupView::TSkPopupView(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clMenu);
    AllViews().push_back(this);
    SetSkItemObserver(SkPopupViewsItemChanged);
}

TSkPopupView::~TSkPopupView()
{
    auto& all = AllViews();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    auto& looping = LoopingViews();
    looping.erase(std::remove(looping.begin(), looping.end(), this), looping.end());
    if (parentView_ && parentView_->childView_ == this)
        parentView_->childView_ = nullptr;
    if (childView_ && childView_->parentView_ == this)
        childView_->parentView_ = nullptr;
}

const std::vector<TSkPopupView*>& TSkPopupView::OpenViews()
{
    return LoopingViews();
}

HWND TSkPopupView::Window() const
{
    const TWinControl* window = host_ ? host_ : this;
    return window->HandleAllocated() ? const_cast<TWinControl*>(window)->Handle() : nullptr;
}

void TSkPopupView::CreateHandle()
{
    if (!host_)
        TCustomControl::CreateHandle();
}

void TSkPopupView::Invalidate()
{
    if (!host_)
        TCustomControl::Invalidate();
    else if (HWND window = Window())
        InvalidateRect(window, nullptr, FALSE);
}

void TSkPopupView::SetItem(TSkCustomItem* value)
{
    item_ = value;
    selected_ = nullptr;
    topIndex_ = 0;
}

std::vector<TSkCustomItem*> TSkPopupView::VisibleItems() const
{
    std::vector<TSkCustomItem*> items;
    if (!item_)
        return items;
    for (int i = 0; i < item_->Count(); ++i)
        if (item_->Items(i)->Visible())
            items.push_back(item_->Items(i));
    return items;
}

bool TSkPopupView::Scrolled() const
{
    return !horizontal_ && item_ && item_->Scrolled() && item_->ScrollCount() > 0 &&
           item_->ScrollCount() < int(VisibleItems().size());
}

std::vector<TSkCustomItem*> TSkPopupView::ShownItems() const
{
    std::vector<TSkCustomItem*> items = VisibleItems();
    if (!Scrolled())
        return items;
    const int first = std::min(topIndex_, int(items.size()));
    const int last = std::min(first + item_->ScrollCount(), int(items.size()));
    return std::vector<TSkCustomItem*>(items.begin() + first, items.begin() + last);
}

SIZE TSkPopupView::LayoutItems()
{
    const std::vector<TSkCustomItem*> items = VisibleItems();
    const std::vector<TSkCustomItem*> shown = ShownItems();
    const TSkMenuMetricsScope metrics;
    const TScreenDC screen;
    const TOwnedDC dc(CreateCompatibleDC(screen.Get()));
    TCanvas canvas;
    canvas.SetHandle(dc.Get());
    std::vector<SIZE> sizes(items.size());
    SIZE total{0, 0};
    for (size_t i = 0; i < items.size(); ++i) {
        int w = 0, h = 0;
        items[i]->Measure(&canvas, this, w, h);
        sizes[i] = SIZE{w, h};
        if (horizontal_) {
            total.cx += w;
            total.cy = std::max<LONG>(total.cy, h);
        } else {
            total.cx = std::max<LONG>(total.cx, w);
        }
    }
    canvas.SetHandle(nullptr);
    const bool scrolled = Scrolled();
    int at = scrolled ? SkScrollButtonHeight : 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const bool isShown = std::find(shown.begin(), shown.end(), items[i]) != shown.end();
        if (!isShown) {
            items[i]->SetItemRect(TRect{});
        } else if (horizontal_) {
            items[i]->SetItemRect(TRect{at, 0, at + sizes[i].cx, total.cy});
            at += sizes[i].cx;
        } else {
            items[i]->SetItemRect(TRect{0, at, total.cx, at + sizes[i].cy});
            at += sizes[i].cy;
        }
    }
    if (!horizontal_)
        total.cy = at + (scrolled ? SkScrollButtonHeight : 0);
    return total;
}

TSkCustomItem* TSkPopupView::ItemAt(POINT point) const
{
    for (TSkCustomItem* item : ShownItems()) {
        const RECT r = item->ItemRect();
        if (PtInRect(&r, point))
            return item;
    }
    return nullptr;
}

RECT TSkPopupView::ScrollButtonRect(bool down) const
{
    if (!Scrolled())
        return RECT{};
    const int w = Width(), h = Height();
    return down ? RECT{0, h - SkScrollButtonHeight, w, h} : RECT{0, 0, w, SkScrollButtonHeight};
}

void TSkPopupView::ScrollBy(int delta)
{
    if (!Scrolled())
        return;
    const int count = int(VisibleItems().size());
    const int top = std::clamp(topIndex_ + delta, 0, std::max(0, count - item_->ScrollCount()));
    if (top == topIndex_)
        return;
    topIndex_ = top;
    LayoutItems();
    Invalidate();
}

// Painting ------------------------------------------------------------------

void TSkPopupView::InvalidateItem(TSkCustomItem* item)
{
    HWND window = Window();
    if (!item || !window)
        return;
    const RECT r = item->ItemRect();
    if (!IsRectEmpty(&r))
        InvalidateRect(window, &r, FALSE);
}

void TSkPopupView::PaintBackground(TCanvas* canvas, const RECT& rect)
{
    FillRectColor(canvas, rect, clMenu);
}

void TSkPopupView::PaintScrollButton(TCanvas* canvas, const RECT& rect, bool down, bool)
{
    FillRectColor(canvas, rect, clMenu);
    DrawSmallArrow(canvas, rect, down, 0, 0, clMenuText);
}

void TSkPopupView::PaintItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                             bool selected, bool hot)
{
    item->Paint(canvas, this, rect, selected, hot);
}

// Only what the update region holds is drawn, item by item, into the
// buffer and copied out in one blit.
void TSkPopupView::PaintWindow(HDC dc)
{
    RECT clip{};
    const RECT client{0, 0, Width(), Height()};
    if (GetClipBox(dc, &clip) == NULLREGION || !IntersectRect(&clip, &clip, &client))
        return;
    TSkBitmap& buffer = PaintBuffer();
    if (buffer.Width() < Width() || buffer.Height() < Height())
        buffer.SetSize(std::max(buffer.Width(), Width()), std::max(buffer.Height(), Height()));
    HDC target = buffer.DC();
    const TSkMenuMetricsScope metrics;
    TCanvas canvas;
    canvas.SetHandle(target);
    {
        TDCStateGuard state(target);
        IntersectClipRect(target, clip.left, clip.top, clip.right, clip.bottom);
        PaintBackground(&canvas, clip);
        for (TSkCustomItem* item : ShownItems()) {
            const RECT r = item->ItemRect();
            if (RectVisible(dc, &r))
                PaintItem(&canvas, item, r, item == selected_, hot_ && item == selected_);
        }
        if (Scrolled()) {
            PaintScrollButton(&canvas, ScrollButtonRect(false), false, false);
            PaintScrollButton(&canvas, ScrollButtonRect(true), true, false);
        }
        canvas.SetHandle(nullptr);
    }
    BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, target,
           clip.left, clip.top, SRCCOPY);
}

// Selection -----------------------------------------------------------------

void TSkPopupView::SetSelected(TSkCustomItem* value, bool hot)
{
    if (value == selected_ && hot == hot_)
        return;
    InvalidateItem(selected_);
    selected_ = value;
    hot_ = hot;
    InvalidateItem(selected_);
    // A selection moved out of the shown part scrolls it in.
    if (selected_ && Scrolled() && IsRectEmpty(&selected_->ItemRect())) {
        const std::vector<TSkCustomItem*> items = VisibleItems();
        const int index = int(std::find(items.begin(), items.end(), selected_) - items.begin());
        ScrollBy(index < topIndex_ ? index - topIndex_
                                   : index - (topIndex_ + item_->ScrollCount() - 1));
    }
}

void TSkPopupView::SelectStep(int step)
{
    const std::vector<TSkCustomItem*> items = VisibleItems();
    const int count = int(items.size());
    if (count == 0)
        return;
    int index = int(std::find(items.begin(), items.end(), selected_) - items.begin());
    if (index >= count)
        index = step > 0 ? -1 : count;
    for (int tries = 0; tries < count; ++tries) {
        index = (index + step + count) % count;
        if (Selectable(items[size_t(index)])) {
            SetSelected(items[size_t(index)]);
            return;
        }
    }
}

// A sub-menu starts on its first item; the top level starts with none, so
// that the first arrow key picks the first or the last.
void TSkPopupView::SelectInitial()
{
    if (parentView_)
        SelectStep(1);
}

// The loop ------------------------------------------------------------------

TSkPopupView* TSkPopupView::Root()
{
    TSkPopupView* view = this;
    while (view->parentView_)
        view = view->parentView_;
    return view;
}

TSkPopupView* TSkPopupView::ViewAt(POINT screen) const
{
    // Deeper levels lie on top of their parents.
    for (const TSkPopupView* view = this; view; view = view->parentView_) {
        if (!view->Window())
            continue;
        const RECT r = const_cast<TSkPopupView*>(view)->LevelRect();
        if (PtInRect(&r, screen))
            return const_cast<TSkPopupView*>(view);
    }
    return nullptr;
}

bool TSkPopupView::InsideAnyLevel(POINT screen) const
{
    return ViewAt(screen) != nullptr;
}

void TSkPopupView::CloseLevel()
{
    looping_ = false;
    SetSelected(nullptr);
    subMenuOpen_ = false;
    if (parentView_)
        parentView_->subMenuOpen_ = false;
    HideLevel();
}

void TSkPopupView::HideLevel()
{
    if (HWND window = RootOf(Window()))
        ShowWindow(window, SW_HIDE);
}

RECT TSkPopupView::LevelRect()
{
    return ScreenRect(RootOf(Window()));
}

void TSkPopupView::CloseAll()
{
    for (TSkPopupView* view = this; view; view = view->parentView_)
        view->CloseLevel();
}

void TSkPopupView::OpenSubMenu()
{
    if (!Opens(selected_) || subMenuOpen_ || !looping_)
        return;
    TSkCustomItem* item = selected_;
    RECT r = item->ItemRect();
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    subMenuOpen_ = true;
    if (horizontal_)
        SkPopupItem(item, this, r.left, r.bottom, r);
    else
        SkPopupItem(item, this, r.right, r.top, r);
    subMenuOpen_ = false;
}

void TSkPopupView::PassToParent(UINT key)
{
    TSkPopupView* parent = parentView_;
    CloseLevel();
    if (HWND window = parent ? parent->Window() : nullptr) {
        parent->reopenAfterStep_ = parent->horizontal_;
        PostMessageA(window, WM_KEYDOWN, key, 0);
    }
}

void TSkPopupView::HandleKey(MSG& msg)
{
    const UINT key = UINT(msg.wParam);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (!horizontal_)
            SelectStep(key == VK_UP ? -1 : 1);
        else if (key == VK_DOWN)
            OpenSubMenu();
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (horizontal_) {
            SelectStep(key == VK_LEFT ? -1 : 1);
            if (std::exchange(reopenAfterStep_, false))
                OpenSubMenu();
        } else if (key == VK_RIGHT && Opens(selected_)) {
            OpenSubMenu();
        } else if (parentView_ && parentView_->horizontal_) {
            PassToParent(key);
        } else if (parentView_) {
            CloseLevel();
        }
        return;
    case VK_RETURN: {
        TSkCustomItem* item = selected_;
        if (!item)
            return;
        if (item->HasVisibleItems()) {
            OpenSubMenu();
            return;
        }
        const bool closes = item->Enabled() && !item->IsSeparator();
        // The click is only posted: the item may still be freed before it
        // runs, and then it does not.
        item->Click();
        if (closes)
            CloseAll();
        return;
    }
    case VK_ESCAPE:
        CloseLevel();
        return;
    case VK_MENU:
    case VK_F10:
        CloseAll();
        return;
    case VK_TAB:
    case VK_SPACE:
        return;
    default:
        // Letters come back as WM_CHAR for the accelerators.
        TranslateMessage(&msg);
        return;
    }
}

void TSkPopupView::HandleChar(wchar_t ch)
{
    const std::wstring mark{L'&', wchar_t(std::towupper(ch))};
    for (TSkCustomItem* item : VisibleItems()) {
        std::wstring caption = item->Caption();
        for (wchar_t& c : caption)
            c = wchar_t(std::towupper(c));
        if (caption.find(mark) != std::wstring::npos) {
            SetSelected(item);
            PostMessageA(Window(), WM_KEYDOWN, VK_RETURN, 0);
            return;
        }
    }
}

void TSkPopupView::HandleMouseMove(POINT screen)
{
    // One position for all levels: a level that opened under the cursor
    // must not see it as a move.
    POINT& last = Root()->lastMouse_;
    if (screen.x == last.x && screen.y == last.y)
        return;
    last = screen;
    TSkPopupView* view = ViewAt(screen);
    if (!view)
        return;
    POINT local = screen;
    ::ScreenToClient(view->Window(), &local);
    TSkCustomItem* hit = view->ItemAt(local);
    if (!Selectable(hit) || hit == view->selected_)
        return;
    if (view == this) {
        SetSelected(hit, true);
        if (Opens(hit))
            PostMessageA(Window(), SK_REOPENMENU, 0, 0);
        return;
    }
    // An item of an outer level: close the levels above it, then open the
    // new item's sub-menu there.
    view->SetSelected(hit, true);
    for (TSkPopupView* level = this; level && level != view; level = level->parentView_)
        PostMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(view->Window(), SK_REOPENMENU, 0, 0);
}

void TSkPopupView::HandleButton(POINT screen, bool down)
{
    TSkPopupView* root = Root();
    TSkPopupView* view = ViewAt(screen);
    if (!view) {
        // A release outside only closes after a press in the menu's time:
        // the release of the click that opened the menu does not.
        if (down || root->buttonPressed_)
            CloseAll();
        return;
    }
    if (down)
        root->buttonPressed_ = true;
    if (view != this) {
        // A second press on the bar item whose menu is open closes it.
        POINT local = screen;
        ::ScreenToClient(view->Window(), &local);
        if (down && view->horizontal_ && view->ItemAt(local) == view->selected_)
            CloseAll();
        return;
    }
    POINT local = screen;
    ::ScreenToClient(Window(), &local);
    if (Scrolled()) {
        const RECT up = ScrollButtonRect(false), downButton = ScrollButtonRect(true);
        if (PtInRect(&up, local) || PtInRect(&downButton, local)) {
            if (down)
                ScrollBy(PtInRect(&up, local) ? -1 : 1);
            return;
        }
    }
    TSkCustomItem* hit = ItemAt(local);
    if (hit && hit == selected_)
        PostMessageA(Window(), WM_KEYDOWN, VK_RETURN, 0);
}

void TSkPopupView::ItemGone(TSkCustomItem* item)
{
    if (item == selected_)
        selected_ = nullptr;
    // The level's own item, or one above it: nothing is left to show.
    for (const TSkCustomItem* up = item_; up; up = up->Parent())
        if (up == item) {
            item_ = nullptr;
            selected_ = nullptr;
            if (looping_)
                CloseAll();
            return;
        }
}

void TSkPopupView::ItemsChanged()
{
    HWND own = Window();
    if (!own)
        return;
    if (selected_ && !Selectable(selected_))
        selected_ = nullptr;
    const SIZE size = LayoutItems();
    const int frame = 2 * TSkPopupForm::FrameSize;
    HWND window = RootOf(own);
    if (host_ || window != own)
        SetWindowPos(window, nullptr, 0, 0, std::max<int>(10, size.cx + frame),
                     std::max<int>(10, size.cy + frame),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void TSkPopupView::RunLoop()
{
    HWND capture = Root()->Window();
    if (!capture)
        return;
    looping_ = true;
    buttonPressed_ = false;
    LoopingViews().push_back(this);
    SelectInitial();
    BeginSkCapture(capture);
    while (looping_ && GetCapture() == capture) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // Leave WM_QUIT for the loop that ends the program.
            if (got == 0)
                PostQuitMessage(int(msg.wParam));
            CloseAll();
            break;
        }
        switch (msg.message) {
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONUP:
        case WM_NCMBUTTONDBLCLK:
        case WM_WINDOWPOSCHANGING:
            CloseAll();
            break;
        case WM_MOUSEMOVE:
            HandleMouseMove(MessagePoint(msg));
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            HandleButton(MessagePoint(msg), true);
            break;
        case WM_LBUTTONUP:
            HandleButton(MessagePoint(msg), false);
            break;
        case SK_REOPENMENU:
            OpenSubMenu();
            break;
        case WM_CHAR:
        case WM_SYSCHAR: {
            const char ansi = char(msg.wParam);
            wchar_t ch = 0;
            if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &ch, 1) == 1)
                HandleChar(ch);
            break;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            HandleKey(msg);
            break;
        default:
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EndSkCapture();
    if (looping_)
        // The capture went elsewhere: the menu is over.
        CloseAll();
    auto& looping = LoopingViews();
    looping.erase(std::remove(looping.begin(), looping.end(), this), looping.end());
}

// Showing a level -------------------------------------------------------------

RECT SkPlacePopup(SIZE size, POINT at, const RECT& exclude, const RECT& work,
                  bool verticalParent)
{
    LONG left = at.x, top = at.y;
    const bool subMenu = !IsRectEmpty(&exclude);
    if (subMenu && verticalParent) {
        // Right of the parent item, or left of it when that does not fit.
        left = exclude.right;
        top = exclude.top;
        if (left + size.cx > work.right)
            left = exclude.left - size.cx;
    } else if (subMenu) {
        // Below a bar item, or above it.
        left = exclude.left;
        top = exclude.bottom;
        if (top + size.cy > work.bottom)
            top = exclude.top - size.cy;
    }
    if (left + size.cx > work.right)
        left = work.right - size.cx;
    if (top + size.cy > work.bottom)
        top = work.bottom - size.cy;
    left = std::max(left, work.left);
    top = std::max(top, work.top);
    return RECT{left, top, left + size.cx, top + size.cy};
}

namespace {

struct TWindowFree {
    void operator()(TSkPopupWindow* window) const { window->Free(); }
};

}  // namespace

void SkPopupItem(TSkCustomItem* item, TSkPopupView* parentView, int x, int y,
                 const RECT& exclude)
{
    if (!item || !item->HasVisibleItems())
        return;
    if (item->OnBeforeDropDown) {
        item->OnBeforeDropDown(item);
        if (!item->HasVisibleItems())
            return;
    }
    const TClassInfo* info = item->PopupWindowClass();
    TPersistent* made = info && info->Create ? info->Create(nullptr) : nullptr;
    auto* raw = dynamic_cast<TSkPopupWindow*>(made);
    if (!raw) {
        delete made;
        return;
    }
    std::unique_ptr<TSkPopupWindow, TWindowFree> window(raw);
    window->AfterConstruction();
    window->Prepare(item, parentView);
    const RECT work = GetWorkAreaOfPoint(POINT{x, y});
    const bool verticalParent = parentView && !parentView->Horizontal();
    window->ShowAt(SkPlacePopup(window->WindowSize(), POINT{x, y}, exclude, work, verticalParent));
    TSkPopupView* view = window->View();
    if (parentView)
        parentView->SetChildView(view);
    view->RunLoop();
    if (parentView)
        parentView->SetChildView(nullptr);
}
