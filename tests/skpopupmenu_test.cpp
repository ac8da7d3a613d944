// Popup menus over real windows: the modal loop driven by real keys and
// posted mouse messages from a timer (the loop is modal, so the steps run
// inside it), sub-menu levels, accelerators, clicks that run after the menu
// has gone, placement at the edge of the work area, item trees changed or
// freed while open, the themed painting and the edit's context menu.
#include "framework/controls/popupmenu.h"
#include "styling/controls/skeditstrings.h"
#include "styling/controls/themeedits.h"
#include "styling/core/sksystem.h"
#include "styling/core/stylist.h"
#include "styling/core/themethemes.h"
#include "styling/menus/skclickhandler.h"
#include "styling/menus/skeditmenu.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupmenu.h"
#include "styling/menus/skpopupview.h"
#include "styling/menus/skpopupwindow.h"
#include "styling/menus/themeitems.h"
#include "styling/menus/thememenus.h"
#include "tests/support/keyinput.h"
#include "tests/support/popupsteps.h"
#include "tests/support/raises.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

size_t Levels() { return TSkPopupView::OpenViews().size(); }
TSkPopupView* Level(size_t index) { return TSkPopupView::OpenViews().at(index); }
TSkPopupView* Top() { return TSkPopupView::OpenViews().back(); }
HWND PopupWindow(TSkPopupView* view) { return GetAncestor(view->Window(), GA_ROOT); }

void PostKey(WORD key) { PostMessageA(Top()->Window(), WM_KEYDOWN, key, 0); }
void PostChar(char ch) { PostMessageA(Top()->Window(), WM_CHAR, WPARAM(ch), 0); }

// Mouse messages as the capture delivers them: to the capture window, in
// its client coordinates.
void PostMouse(UINT msg, POINT screen)
{
    HWND capture = GetCapture();
    ASSERT_NE(capture, nullptr);
    ScreenToClient(capture, &screen);
    PostMessageA(capture, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(screen.x, screen.y));
}

POINT ItemCentre(TSkPopupView* view, int index)
{
    const RECT r = view->Item()->Items(index)->ItemRect();
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(view->Window(), &p);
    return p;
}

// An item that counts its paints.
class TCountingItem : public TSkCustomItem {
public:
    using TSkCustomItem::TSkCustomItem;
    static inline int paints = 0;
    void Paint(TCanvas* canvas, TSkPopupView* view, const TRect& rect, bool selected, bool hot) override
    {
        ++paints;
        TSkCustomItem::Paint(canvas, view, rect, selected, hot);
    }
};

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = NewForm(300, 200);
        ShowAndWait(form.get());
        menu = new TSkCustomPopupMenu(form.get());
        // File, Edit > (Undo, Redo), -, Disabled, E&xit
        Add(menu->Items(), L"&File");
        TSkCustomItem* edit = Add(menu->Items(), L"&Edit");
        Add(edit, L"&Undo");
        Add(edit, L"&Redo");
        Add(menu->Items(), L"-");
        Add(menu->Items(), L"&Disabled")->SetEnabled(false);
        Add(menu->Items(), L"E&xit");
    }

    TSkCustomItem* Add(TSkCustomItem* parent, const std::wstring& caption)
    {
        auto* item = new TCountingItem(nullptr);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) {
            clicks.push_back(caption);
            levelsAtClick = Levels();
            popupGone = !IsWindowVisible(lastPopup);
        };
        parent->Add(item);
        return item;
    }

    // Pops the menu up at (100, 100), or as open does, with steps running
    // inside its loop, then lets the posted clicks run.
    void Run(std::vector<std::function<void()>> steps, const std::function<void()>& open = nullptr)
    {
        steps.insert(steps.begin(), [this] { lastPopup = PopupWindow(Top()); });
        {
            Steps driver(std::move(steps));
            open ? open() : menu->Popup(100, 100);
            EXPECT_TRUE(driver.Finished()) << "the menu closed before its steps were over";
        }
        PumpFor(50);
    }

    TSkControlsUnit unit;
    FormPtr form;
    TSkCustomPopupMenu* menu = nullptr;
    std::vector<std::wstring> clicks;
    size_t levelsAtClick = 99;
    bool popupGone = false;
    HWND lastPopup = nullptr;
};

}  // namespace

TEST_F(PopupMenuTest, ItemTreeRefusesAnItemThatHasAParent)
{
    TSkCustomItem* edit = menu->Items()->Items(1);
    TSkCustomItem* undo = edit->Items(0);
    EXPECT_EQ(MessageOf<ESkItemError>([&] { menu->Items()->Add(undo); }), "Toolbar item already inserted");
    EXPECT_EQ(menu->Items()->Count(), 5);
    EXPECT_EQ(undo->Parent(), edit);
    // A menu without visible items shows nothing and returns at once.
    for (int i = 0; i < menu->Items()->Count(); ++i)
        menu->Items()->Items(i)->SetVisible(false);
    menu->Popup(50, 50);
    EXPECT_EQ(Levels(), 0u);
}

TEST_F(PopupMenuTest, ArrowsAndEnterClickAfterTheMenuHasGone)
{
    Run({[] { PostKey(VK_DOWN); },  // File
         [] { PostKey(VK_UP); },    // wraps to Exit
         [] { PostKey(VK_UP); },    // Disabled: selectable, not clickable
         [] { PostKey(VK_RETURN); },
         [] { EXPECT_EQ(Levels(), 1u) << "a disabled item keeps the menu open"; },
         [] { PostKey(VK_UP); },  // the separator is skipped: Edit
         [] { EXPECT_EQ(Top()->Selected()->Caption(), L"&Edit"); },
         [] { PostKey(VK_UP); },
         [] { PostKey(VK_RETURN); }});
    EXPECT_EQ(clicks, std::vector<std::wstring>{L"&File"});
    EXPECT_EQ(levelsAtClick, 0u);
    EXPECT_TRUE(popupGone);
    EXPECT_FALSE(IsWindow(lastPopup)) << "the popup window is freed";
}

TEST_F(PopupMenuTest, AcceleratorsPickTheirItem)
{
    Run({[] { SendKeyStroke('X'); }});
    Run({[] { PostChar('e'); },  // opens Edit's sub-menu
         [] { EXPECT_EQ(Levels(), 2u); },
         [] { PostChar('r'); }});
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"E&xit", L"&Redo"}));
}

TEST_F(PopupMenuTest, EscapeClosesOneLevelAltAndF10CloseAll)
{
    for (WORD closer : {WORD(VK_F10), WORD(VK_MENU)}) {
        Run({[] { PostKey(VK_DOWN); },
             [] { PostKey(VK_DOWN); },
             [] { PostKey(VK_RIGHT); },
             [] { EXPECT_EQ(Levels(), 2u); },
             [] { SendKeyStroke(VK_ESCAPE); },
             [] {
                 ASSERT_EQ(Levels(), 1u);
                 EXPECT_EQ(Top()->Selected()->Caption(), L"&Edit");
                 EXPECT_FALSE(Top()->SubMenuOpen());
             },
             [] { PostKey(VK_RIGHT); },
             [] { EXPECT_EQ(Levels(), 2u); },
             [closer] { SendKeyStroke(closer); }});
        EXPECT_EQ(Levels(), 0u);
    }
    // Left under a vertical parent leaves the sub-menu only.
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RETURN); },
         [] { PostKey(VK_LEFT); }, [] { EXPECT_EQ(Levels(), 1u); }, [] { PostKey(VK_ESCAPE); }});
    EXPECT_TRUE(clicks.empty());
}

TEST_F(PopupMenuTest, MouseHoverOpensClickOutsideClosesWithoutAClick)
{
    Run({[] { PostMouse(WM_MOUSEMOVE, ItemCentre(Top(), 1)); },  // Edit opens
         [] { ASSERT_EQ(Levels(), 2u); },
         [] { PostMouse(WM_MOUSEMOVE, ItemCentre(Top(), 1)); },  // Redo
         [] { EXPECT_EQ(Top()->Selected()->Caption(), L"&Redo"); },
         // Back on the top level: the sub-menu closes, File is selected.
         [] { PostMouse(WM_MOUSEMOVE, ItemCentre(Level(0), 0)); },
         [] {
             ASSERT_EQ(Levels(), 1u);
             EXPECT_EQ(Top()->Selected()->Caption(), L"&File");
         },
         [] { PostMouse(WM_MOUSEMOVE, ItemCentre(Top(), 1)); },
         [] { ASSERT_EQ(Levels(), 2u); },
         [] {
             const RECT outer = WindowRectOf(PopupWindow(Level(0)));
             PostMouse(WM_LBUTTONDOWN, POINT{outer.left - 20, outer.top - 20});
         }});
    EXPECT_EQ(Levels(), 0u);
    EXPECT_TRUE(clicks.empty());
    // A press and release on an item clicks it.
    Run({[] { PostMouse(WM_MOUSEMOVE, ItemCentre(Top(), 4)); },
         [] { PostMouse(WM_LBUTTONDOWN, ItemCentre(Top(), 4)); }});
    EXPECT_EQ(clicks, std::vector<std::wstring>{L"E&xit"});
}

TEST_F(PopupMenuTest, MenusNearTheWorkAreaCornerStayInside)
{
    for (int i = 0; i < 30; ++i)
        Add(menu->Items()->Items(1), L"Entry " + std::to_wstring(i));
    const RECT work = GetWorkArea();
    RECT top{}, sub{};
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
         [&] {
             ASSERT_EQ(Levels(), 2u);
             top = WindowRectOf(PopupWindow(Level(0)));
             sub = WindowRectOf(PopupWindow(Level(1)));
             PostKey(VK_F10);
         }},
        [&] { menu->Popup(work.right - 5, work.bottom - 5); });
    for (const RECT& r : {top, sub}) {
        EXPECT_GE(r.left, work.left);
        EXPECT_GE(r.top, work.top);
        EXPECT_LE(r.right, work.right);
        EXPECT_LE(r.bottom, work.bottom);
    }
    EXPECT_LE(sub.right, top.left + 3) << "no room on the right: the sub-menu goes left";

    // The rule itself: beside the parent item, flipped or pushed back in.
    const RECT area{0, 0, 800, 600};
    struct Case {
        POINT at;
        RECT exclude;
        bool vertical;
        RECT expected;
    } cases[] = {
        {{100, 100}, {}, true, {100, 100, 300, 200}},
        {{700, 550}, {}, true, {600, 500, 800, 600}},
        {{500, 80}, {400, 80, 500, 100}, true, {500, 80, 700, 180}},
        {{750, 80}, {650, 80, 750, 100}, true, {450, 80, 650, 180}},
        {{300, 580}, {200, 580, 300, 600}, true, {300, 500, 500, 600}},
        {{40, 20}, {40, 0, 90, 20}, false, {40, 20, 240, 120}},
        {{40, 580}, {40, 560, 90, 580}, false, {40, 460, 240, 560}},
    };
    for (const Case& c : cases) {
        const RECT r = SkPlacePopup(SIZE{200, 100}, c.at, c.exclude, area, c.vertical);
        EXPECT_TRUE(EqualRect(&r, &c.expected))
            << r.left << "," << r.top << " at " << c.at.x << "," << c.at.y;
    }
}

TEST_F(PopupMenuTest, MovingTheSelectionRepaintsTwoItems)
{
    // Items painted since the last count.
    std::vector<int> painted;
    const auto count = [&] {
        UpdateWindow(Top()->Window());
        painted.push_back(std::exchange(TCountingItem::paints, 0));
    };
    Run({[] {
             EXPECT_EQ(GetWindow(Top()->Window(), GW_CHILD), nullptr) << "one window a level";
             UpdateWindow(Top()->Window());
         },
         [] { TCountingItem::paints = 0; PostKey(VK_DOWN); },
         [&] { count(); PostKey(VK_DOWN); },
         [&] { count(); PostKey(VK_ESCAPE); }});
    // Nothing was selected before the first move.
    EXPECT_EQ(painted, (std::vector<int>{1, 2}));
}

TEST_F(PopupMenuTest, TreeChangedOrFreedWhileOpen)
{
    RECT before{}, after{};
    Run({[&] {
             before = WindowRectOf(PopupWindow(Top()));
             Add(menu->Items(), L"A much longer caption added while the menu is open");
             PostKey(VK_DOWN);
         },
         [&] {
             after = WindowRectOf(PopupWindow(Top()));
             // The selected item goes away.
             delete Top()->Selected();
             EXPECT_EQ(Top()->Selected(), nullptr);
             PostKey(VK_DOWN);
         },
         [] {
             EXPECT_EQ(Top()->Selected()->Caption(), L"&Edit");
             PostKey(VK_RIGHT);
         },
         [this] {
             ASSERT_EQ(Levels(), 2u);
             // The whole menu goes from a handler running inside the loop.
             menu->Free();
             menu = nullptr;
         }});
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(Levels(), 0u);
}

TEST_F(PopupMenuTest, AHandlerMayFreeTheMenuItClicked)
{
    int runs = 0;
    menu->Items()->Items(0)->OnClick = [&](TObject*) {
        ++runs;
        menu->Free();
        menu = nullptr;
    };
    Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RETURN); }});
    EXPECT_EQ(runs, 1);
    // A click posted for an item freed before it ran does nothing.
    auto* lone = new TSkCustomItem(nullptr);
    lone->OnClick = [&](TObject*) { ++runs; };
    lone->Click();
    delete lone;
    PumpFor(30);
    EXPECT_EQ(runs, 1);
}

TEST_F(PopupMenuTest, ManyPopupsLeaveNoHandles)
{
    const TGuiCounts growth = GuiGrowth(
        [this] {
            Run({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RIGHT); },
                 [] { PostKey(VK_F10); }});
        },
        10);
    EXPECT_EQ(growth, (TGuiCounts{0, 0}));
}

namespace {

// Paints every menu element in a colour of its own, so that the pixels
// show which operation drew them.
class TMenuTheme : public TSkTheme {
public:
    static constexpr COLORREF Frame = RGB(200, 0, 200), Item = RGB(0, 160, 0),
                              Selected = RGB(200, 0, 0);
    bool IsAvailable() const override { return true; }
    void MeasurePopupItem(TCanvas*, TSkCustomItem*, int& width, int& height) const override
    {
        width = 10;  // far short of the caption: the item keeps its text width
        height = 23;
    }
    void PaintPopupBackground(TCanvas* canvas, int width, int height) const override
    {
        FillRectColor(canvas, TRect{0, 0, width, height}, TColor(Frame));
    }
    void PaintPopupItem(TCanvas* canvas, TSkCustomItem*, const TRect& rect, bool selected,
                       bool) const override
    {
        FillRectColor(canvas, rect, TColor(selected ? Selected : Item));
    }
};

// A pixel of the popup window under a screen point, read from its own DC.
COLORREF ScreenPixel(POINT p)
{
    HWND window = PopupWindow(Top());
    const RECT r = WindowRectOf(window);
    HDC dc = GetWindowDC(window);
    const COLORREF color = GetPixel(dc, p.x - r.left, p.y - r.top);
    ReleaseDC(window, dc);
    return color;
}

}  // namespace

TEST_F(PopupMenuTest, ThemedMenuPaintsThroughItsTheme)
{
    auto* stylist = new TSkStylist(form.get());
    stylist->SetTheme(new TMenuTheme);
    menu->Free();
    auto* themed = new TSkThemePopupMenu(form.get());
    menu = themed;
    themed->SetStylist(stylist);
    for (const wchar_t* caption : {L"Themed entry with a long caption", L"Second"}) {
        themed->Items()->Add(new TSkThemeItem(nullptr));
        themed->Items()->Items(themed->Items()->Count() - 1)->SetCaption(caption);
    }
    const TSkCustomItem* item = themed->Items()->Items(0);
    COLORREF frame = 0, face = 0, selected = 0;
    int height = 0, width = 0;
    Run({[] { PostKey(VK_DOWN); },
         [&] {
             UpdateWindow(Top()->Window());
             const RECT r = WindowRectOf(PopupWindow(Top()));
             frame = ScreenPixel(POINT{r.left, r.top});
             selected = ScreenPixel(ItemCentre(Top(), 0));
             face = ScreenPixel(ItemCentre(Top(), 1));
             height = item->ItemRect().bottom - item->ItemRect().top;
             width = item->ItemRect().right - item->ItemRect().left;
             PostKey(VK_ESCAPE);
         }});
    EXPECT_EQ(frame, TMenuTheme::Frame);
    EXPECT_EQ(selected, TMenuTheme::Selected);
    EXPECT_EQ(face, TMenuTheme::Item);
    EXPECT_EQ(height, 23);
    EXPECT_GT(width, 100);
    EXPECT_EQ(themed->Version(), "3.3.0");

    // Without a usable theme: the plain three-pixel frame, drawn with the
    // system's visual style as a shadow line round the menu face.
    stylist->SetTheme(nullptr);
    Run({[&] {
        const RECT r = WindowRectOf(PopupWindow(Top()));
        frame = ScreenPixel(POINT{r.left, r.top});
        face = ScreenPixel(POINT{r.left + 2, r.top + 2});
        PostKey(VK_ESCAPE);
    }});
    EXPECT_EQ(frame, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(face, GetSysColor(COLOR_MENU));
}

TEST_F(PopupMenuTest, ClassesAreRegisteredForDescriptions)
{
    for (const char* name : {"TSkCustomPopupMenu", "TSkThemePopupMenu", "TSkThemeItem",
                             "TSkPopupWindow", "TSkThemePopupWindow", "TPopupMenu"}) {
        const TClassInfo* info = FindClassInfo(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_NE(info->Create, nullptr) << name;
    }
}

TEST_F(PopupMenuTest, ControlPopsItsLinkedMenuOnRightClick)
{
    auto* edit = AddControl<TSkThemeEdit>(form.get(), 10, 10, 120, 21);
    edit->SetPopupMenu(menu);
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    POINT at{20, 20};
    ClientToScreen(edit->Handle(), &at);
    Run({[] { PostKey(VK_ESCAPE); }},
        [&] { SendMessageA(edit->Handle(), WM_CONTEXTMENU, WPARAM(edit->Handle()), MAKELPARAM(at.x, at.y)); });
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupComponent(), edit);
    // The link goes with the menu.
    menu->Free();
    menu = nullptr;
    EXPECT_EQ(edit->PopupMenu(), nullptr);
}

TEST_F(PopupMenuTest, EditContextMenuIsALibraryMenu)
{
    auto* edit = AddControl<TSkThemeEdit>(form.get(), 10, 10, 120, 21);
    edit->SetText(L"some text");
    edit->SetFocus();
    edit->ContextMenuOptions()->Shadow()->SetEnabled(true);
    std::vector<std::wstring> captions;
    std::vector<bool> enabled;
    edit->Select(0, 0);
    Run({[&] {
             for (int i = 0; i < Top()->Item()->Count(); ++i) {
                 captions.push_back(Top()->Item()->Items(i)->Caption());
                 enabled.push_back(Top()->Item()->Items(i)->Enabled());
             }
             EXPECT_TRUE(Top()->Item()->PopupOptions()->Shadow()->Enabled());
         },
         [] { PostKey(VK_UP); },  // Select All
         [] { PostKey(VK_RETURN); }},
        [&] { SendMessageA(edit->Handle(), WM_CONTEXTMENU, WPARAM(edit->Handle()), -1); });
    ASSERT_EQ(captions.size(), 8u);
    EXPECT_EQ(captions[0], SkEditMenuText(SkEditMenuUndo));
    EXPECT_EQ(captions[7], SkEditMenuText(SkEditMenuSelectAll));
    EXPECT_FALSE(enabled[2]) << "no selection: nothing to cut";
    EXPECT_TRUE(enabled[7]);
    EXPECT_EQ(edit->SelCount(), 9) << "Select All ran after the menu closed";
}

TEST_F(PopupMenuTest, MenuOptionsReachThePopupWindow)
{
    TSkPopupMenuOptions* options = menu->PopupMenuOptions();
    options->Shadow()->SetEnabled(true);
    options->Animation()->SetEnabled(true);
    options->Animation()->SetTime(150);
    bool shadowed = false;
    int margin = 0;
    DWORD opened = 0;
    const DWORD start = GetTickCount();
    Run({[&] {
        opened = GetTickCount();
        auto* window = dynamic_cast<TSkPopupWindow*>(TWinControl::FindControl(PopupWindow(Top())));
        ASSERT_NE(window, nullptr);
        shadowed = window->Skin()->Shadow()->Enabled();
        margin = window->Skin()->WindowWidth() - window->Skin()->FrameWidth();
        PostKey(VK_ESCAPE);
    }});
    EXPECT_TRUE(shadowed);
    EXPECT_EQ(margin, options->Shadow()->Size());
    EXPECT_GE(opened - start, 150u) << "the show animation ran before the loop";
}
