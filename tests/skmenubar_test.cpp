// The menu bar on a skinned form: its row of items, shortcuts taken before
// the form's own handler, Alt and Alt+letter through the system's keyboard
// menu command, Left and Right moving between dropped menus, the mouse, a
// maximized child's buttons and the themed bar.
#include "framework/forms/application.h"
#include "styling/core/stylist.h"
#include "styling/forms/skcustomform.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skmenubar.h"
#include "styling/menus/themeitems.h"
#include "styling/menus/thememenus.h"
#include "tests/support/popupsteps.h"
#include "styling/core/skdraw.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

size_t Levels() { return TSkPopupView::OpenViews().size(); }
TSkPopupView* Top() { return TSkPopupView::OpenViews().back(); }

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = NewForm(320, 200);
        form->OnShortCut = [this](TMessage& message, bool& handled) {
            formKeys.push_back(message.WParam);
            handled = message.WParam == VK_F2;
        };
        skin = new TSkCustomForm(form.get());
        bar = new TSkCustomMenuBar(form.get());
        bar->SetParent(form.get());
        skin->SetMenuBar(bar);
        form->HandleNeeded();
        skin->Loaded();
        // File > (New Ctrl+N... as Alt+N, Open F5), Edit > (Undo, Redo), Help (a leaf)
        file = Add(bar->Items(), L"&File");
        Add(file, L"&New")->SetShortCut(scAlt | 'N');
        Add(file, L"&Open")->SetShortCut(VK_F5);
        edit = Add(bar->Items(), L"&Edit");
        Add(edit, L"&Undo");
        Add(edit, L"&Redo");
        Add(bar->Items(), L"&Help");
        ShowAndWait(form.get());
    }

    TSkCustomItem* Add(TSkCustomItem* parent, const std::wstring& caption)
    {
        auto* item = new TSkCustomItem(nullptr);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
        parent->Add(item);
        return item;
    }

    // Sends a key as the application's loop offers it to the form; Alt
    // as the key data's context bit.
    bool ShortCut(WORD key, bool alt = false)
    {
        TMessage message{alt ? UINT(WM_SYSKEYDOWN) : UINT(WM_KEYDOWN), key,
                         alt ? LPARAM(1) << 29 : 0, 0};
        const bool taken = form->IsShortCut(TWMKey(message));
        PumpFor(30);
        return taken;
    }

    // The system's keyboard menu command for ch, with steps inside the loop
    // it starts.
    void KeyMenu(wchar_t ch, std::vector<std::function<void()>> steps)
    {
        Steps driver(std::move(steps));
        SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(ch));
        PumpUntil([&] { return driver.Finished() && Levels() == 0; }, 5000);
        EXPECT_TRUE(driver.Finished());
        PumpFor(30);
    }

    FormPtr form;
    TSkCustomForm* skin = nullptr;
    TSkCustomMenuBar* bar = nullptr;
    TSkCustomItem* file = nullptr;
    TSkCustomItem* edit = nullptr;
    std::vector<std::wstring> clicks;
    std::vector<WPARAM> formKeys;
};

TEST_F(MenuBarTest, ItemsLieInOneRowAlongTheTopAndMakeRoomForNewOnes)
{
    EXPECT_EQ(std::tuple(bar->Top(), bar->Width(), bar->Height()),
              std::tuple(0, form->ClientWidth(), GetSystemMetrics(SM_CYMENU)));
    Add(bar->Items(), L"&Window");
    for (int i = 1, right = 0; i < bar->Items()->Count(); ++i) {
        right = bar->Items()->Items(i - 1)->ItemRect().right;
        EXPECT_EQ(bar->Items()->Items(i)->ItemRect().left, right) << i;
        EXPECT_GT(bar->Items()->Items(i)->ItemRect().right, right) << i;
    }
}

TEST_F(MenuBarTest, ShortCutsReachTheBarBeforeTheFormsOwnHandlerWhichComesBackAfter)
{
    EXPECT_TRUE(ShortCut('N', true));
    EXPECT_TRUE(ShortCut(VK_F5));
    EXPECT_FALSE(ShortCut('N')) << "N without Alt is not Alt+N";
    EXPECT_TRUE(ShortCut(VK_F2)) << "the form's own";
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"&New", L"&Open"}));
    EXPECT_EQ(formKeys, (std::vector<WPARAM>{'N', VK_F2})) << "the bar's keys stop there";
    // An item under a disabled parent does not take its key; nor does a
    // form without its bar.
    file->SetEnabled(false);
    EXPECT_FALSE(ShortCut(VK_F5));
    file->SetEnabled(true);
    skin->SetMenuBar(nullptr);
    EXPECT_FALSE(ShortCut(VK_F5));
    skin->SetMenuBar(bar);
    skin->Free();
    EXPECT_FALSE(ShortCut(VK_F5)) << "the skin gone, the form's handler alone";
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(formKeys.back(), WPARAM(VK_F5));
}

TEST_F(MenuBarTest, AltLetterDropsItsMenuAndLeftRightMoveBetweenMenus)
{
    KeyMenu(L'e', {[] { ASSERT_EQ(Levels(), 2u); },
                   [this] {
                       EXPECT_EQ(Top()->Item(), edit);
                       EXPECT_EQ(Top()->Selected()->Caption(), L"&Undo");
                       PostMessageA(Top()->Window(), WM_KEYDOWN, VK_LEFT, 0);
                   },
                   [this] {
                       ASSERT_EQ(Levels(), 2u) << "Left opens the neighbour's menu";
                       EXPECT_EQ(Top()->Item(), file);
                       PostMessageA(Top()->Window(), WM_KEYDOWN, VK_RIGHT, 0);
                   },
                   [this] { EXPECT_EQ(Top()->Item(), edit); },
                   [] { PostMessageA(Top()->Window(), WM_KEYDOWN, VK_DOWN, 0); },
                   [] { PostMessageA(Top()->Window(), WM_KEYDOWN, VK_RETURN, 0); }});
    EXPECT_EQ(clicks, std::vector<std::wstring>{L"&Redo"});
    EXPECT_EQ(bar->Selected(), nullptr) << "the bar lets go of its selection";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuBarTest, AltAloneSelectsTheFirstItemAndEscapeLeaves)
{
    KeyMenu(0, {[this] {
                    ASSERT_EQ(Levels(), 1u);
                    EXPECT_EQ(bar->Selected(), file);
                    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
                },
                [this] {
                    EXPECT_EQ(bar->Selected(), edit);
                    EXPECT_EQ(Levels(), 1u) << "nothing drops until asked";
                    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
                }});
    EXPECT_EQ(Levels(), 0u);
    // Alt+Space stays the system menu's, and a letter no item has does nothing.
    KeyMenu(L'q', {});
    EXPECT_EQ(Levels(), 0u);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuBarTest, MouseOpensAMenuClicksALeafAndASecondPressCloses)
{
    // At the item's centre, to the window that has the mouse.
    auto press = [](TSkPopupView* view, TSkCustomItem* item, UINT msg) {
        const RECT r = item->ItemRect();
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        HWND target = GetCapture() ? GetCapture() : view->Window();
        MapWindowPoints(view->Window(), target, &p, 1);
        PostMessageA(target, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
    };
    {
        Steps driver({[] {}, [this] { ASSERT_EQ(Levels(), 2u); EXPECT_EQ(Top()->Item(), file); },
                      [&] { press(bar, file, WM_LBUTTONDOWN); },
                      [] { EXPECT_EQ(Levels(), 0u) << "a second press closes the menu"; }});
        press(bar, file, WM_LBUTTONDOWN);
        PumpUntil([&] { return driver.Finished(); }, 5000);
        EXPECT_TRUE(driver.Finished());
    }
    TSkCustomItem* help = bar->Items()->Items(2);
    {
        Steps driver({[&] { press(bar, help, WM_LBUTTONUP); }});
        press(bar, help, WM_LBUTTONDOWN);
        PumpUntil([&] { return driver.Finished() && Levels() == 0; }, 5000);
    }
    PumpFor(30);
    EXPECT_EQ(clicks, std::vector<std::wstring>{L"&Help"});
}

// Paints the bar's background and items in colours of their own.
class TBarTheme : public TSkTheme {
public:
    static constexpr COLORREF Back = RGB(200, 0, 200), Item = RGB(0, 160, 0);
    bool IsAvailable() const override { return true; }
    void MeasureMenuBarItem(TCanvas*, TSkCustomItem*, int& width, int& height) const override
    {
        width = 50;
        height = 30;
    }
    void PaintMenuBarBackground(TCanvas* canvas, int width, int height) const override
    {
        FillRectColor(canvas, TRect{0, 0, width, height}, TColor(Back));
    }
    void PaintMenuBarItem(TCanvas* canvas, TSkCustomItem*, const TRect& rect, bool,
                          bool) const override
    {
        FillRectColor(canvas, rect, TColor(Item));
    }
};

COLORREF PixelOf(TSkPopupView* view, int x, int y)
{
    RedrawWindow(view->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(view->Window());
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(view->Window(), dc);
    return color;
}

TEST_F(MenuBarTest, AThemedBarPaintsThroughItsTheme)
{
    auto* stylist = new TSkStylist(form.get());
    stylist->SetTheme(new TBarTheme());
    auto* themed = new TSkThemeMenuBar(form.get());
    themed->SetParent(form.get());
    themed->SetStylist(stylist);
    auto* item = new TSkThemeItem(nullptr);
    item->SetCaption(L"&View");
    themed->Items()->Add(item);
    EXPECT_EQ(themed->Height(), 30) << "the bar takes the theme's item height";
    EXPECT_EQ(PixelOf(themed, 25, 15), TBarTheme::Item);
    EXPECT_EQ(PixelOf(themed, 200, 15), TBarTheme::Back);
    // Without its stylist the bar falls back to the plain look.
    stylist->Free();
    EXPECT_EQ(themed->Stylist(), nullptr);
    EXPECT_EQ(themed->Height(), GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(PixelOf(themed, 200, 5), GetSysColor(COLOR_MENU));
}

// A skinned MDI child inside frame's client window, shown.
TSkCustomForm* NewChild(std::vector<FormPtr>& children)
{
    children.emplace_back(TCustomForm::Create<TForm>(nullptr));
    TForm* child = children.back().get();
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 200, 150);
    auto* skin = new TSkCustomForm(child);
    child->HandleNeeded();
    skin->Loaded();
    child->Show();
    PumpFor(50);
    return skin;
}

// An MDI frame, the application's main form, with a skin and a bar.
TEST(MDIMenuBar, AMaximizedChildFillsTheClientWindowAndShowsItsButtonsInTheBar)
{
    ASSERT_EQ(Application->MainForm(), nullptr);
    TForm* frame = nullptr;
    Application->CreateForm(frame);
    FormPtr frameOwner(frame);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 500, 400);
    auto* bar = new TSkCustomMenuBar(frame);
    bar->SetParent(frame);
    bar->Items()->Add(new TSkCustomItem(nullptr));
    auto* frameSkin = new TSkCustomForm(frame);
    frameSkin->SetMenuBar(bar);
    frameSkin->Loaded();
    ShowAndWait(frame);
    HWND client = frame->ClientHandle();
    ASSERT_NE(client, nullptr);
    RECT r = WindowRectOf(client);
    MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, bar->Height()) << "the client window lies below the bar";

    std::vector<FormPtr> children;
    TSkCustomForm* first = NewChild(children);
    EXPECT_EQ(GetParent(first->Form()->Handle()), client);
    first->Maximize();
    PumpFor(30);
    EXPECT_EQ(bar->MergedChild(), first);
    const TSkCustomItem* items = bar->Items();
    ASSERT_EQ(items->Count(), 5);
    const TSkSystemButtonKind kinds[] = {ksbIcon, ksbNone, ksbMinimize, ksbRestore, ksbClose};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(items->Items(i)->SystemKind(), kinds[i]) << i;
    EXPECT_EQ(items->Items(4)->ItemRect().right, bar->Width()) << "buttons at the right end";

    // The frame grows: the maximized child grows with its client window.
    const int before = first->Form()->Width();
    frame->SetBounds(40, 40, 560, 420);
    PumpFor(50);
    TRect wanted{};
    first->GetMaximizedRect(wanted);
    EXPECT_EQ(std::pair(first->Form()->Width(), first->Form()->Height()),
              std::pair(int(wanted.right - wanted.left), int(wanted.bottom - wanted.top)));
    EXPECT_GT(first->Form()->Width(), before);

    // Picking another child while one shows maximized maximizes the new one.
    TSkCustomForm* second = NewChild(children);
    SendMessageA(client, WM_MDIACTIVATE, WPARAM(first->Form()->Handle()), 0);
    PumpFor(30);
    SendMessageA(client, WM_MDIACTIVATE, WPARAM(second->Form()->Handle()), 0);
    PumpUntil([&] { return second->WindowState() == kwsMaximized; });
    EXPECT_EQ(bar->MergedChild(), second);
    // The bar's restore button runs the child's action once the click is over.
    items->Items(3)->Click();
    PumpUntil([&] { return second->WindowState() == kwsNormal; });
    EXPECT_EQ(bar->MergedChild(), nullptr) << "a restored child takes its buttons away";
    EXPECT_EQ(items->Count(), 1);
    // A freed child takes its buttons with it.
    second->Maximize();
    PumpFor(30);
    children.clear();
    EXPECT_EQ(bar->MergedChild(), nullptr);
    EXPECT_EQ(items->Count(), 1);
}

}  // namespace
