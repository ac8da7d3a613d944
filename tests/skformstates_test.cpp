// The skinned form's window states over real windows: each state's round
// trip and the geometry it restores, vetoes, the system's and the
// application's minimize, the notification area and the system menu.
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/skcaptionglyphs.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skformstates.h"
#include "styling/forms/sktray.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupmenu.h"
#include "styling/menus/skpopupview.h"
#include "tests/support/popupsteps.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// What the shell was handed, call by call.
struct TShellCall {
    DWORD message;
    NOTIFYICONDATAA data;
};
std::vector<TShellCall> ShellCalls;
BOOL WINAPI RecordShellCall(DWORD message, PNOTIFYICONDATAA data)
{
    TShellCall call{message, {}};
    memcpy(&call.data, data, data->cbSize);
    ShellCalls.push_back(call);
    return TRUE;
}

// Runs step on the popup menu that open() pops up, inside its loop.
void InPopup(const std::function<void()>& open, const std::function<void(TSkPopupView*)>& step)
{
    Steps driver({[&] { step(TSkPopupView::OpenViews().back()); }});
    open();
}
void Escape(TSkPopupView* view) { PostMessageA(view->Window(), WM_KEYDOWN, VK_ESCAPE, 0); }

// A skin that can be put into the loading state, as a stored description does.
class TLoadingSkin : public TSkCustomForm {
public:
    using TSkCustomForm::TSkCustomForm;
    void BeginLoading() { IncludeState(csLoading); }
};

class SkFormStates : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousShell_ = SetSkShellNotifyIcon(RecordShellCall);
        ShellCalls.clear();
    }
    void TearDown() override { SetSkShellNotifyIcon(previousShell_); }

    // A shown 300 x 200 form at (40, 40) with its skin; loading it first
    // sets what `beforeLoading` sets.
    TLoadingSkin* Skin(const std::function<void(TLoadingSkin*)>& beforeLoading = nullptr)
    {
        form_ = NewForm(300, 200);
        form_->SetCaption("States");
        auto* skin = new TLoadingSkin(form_.get());
        skin->SetMinimizeApplication(false);
        form_->HandleNeeded();
        if (beforeLoading) {
            skin->BeginLoading();
            beforeLoading(skin);
        }
        skin->Loaded();
        if (beforeLoading)
            return skin;
        form_->SetBounds(40, 40, 300, 200);
        ShowAndWait(form_.get());
        return skin;
    }
    HWND Window() const { return form_->Handle(); }
    RECT Bounds() const { return WindowRectOf(Window()); }
    // The skin's state, and whether the window lies at bounds.
    std::pair<TSkWindowState, bool> StateAt(TSkCustomForm* skin, const RECT& bounds) const
    {
        return {skin->WindowState(), Same(Bounds(), bounds)};
    }
    static TRect Maximized(TSkCustomForm* skin)
    {
        TRect r;
        skin->GetMaximizedRect(r);
        return r;
    }
    std::vector<std::wstring> MenuCaptions(TSkCustomForm* skin)
    {
        skin->RebuildSystemMenu();
        std::vector<std::wstring> captions;
        for (int i = 0; i < skin->SystemMenu()->Count(); ++i)
            captions.push_back(skin->SystemMenu()->Items(i)->Caption());
        return captions;
    }

    TSkControlsUnit unit_;  // the caption-glyph list
    FormPtr form_;
    TSkShellNotifyIconProc previousShell_ = nullptr;
    const RECT start_{40, 40, 340, 240};
};

TEST_F(SkFormStates, EachStateRestoresTheGeometryItCameFrom)
{
    TLoadingSkin* skin = Skin();
    const RECT work = GetMonitorAreaOfWindow(Window(), true);
    TRect client;
    skin->GetClientBounds(client);

    // Maximized: the work area with the side borders outside it.
    skin->Maximize();
    EXPECT_EQ(StateAt(skin, Maximized(skin)), std::pair(kwsMaximized, true));
    EXPECT_EQ(Maximized(skin).left, work.left - client.left);
    skin->Restore();
    EXPECT_EQ(StateAt(skin, start_), std::pair(kwsNormal, true));

    // Rolled up to caption and bottom border, moved, unrolled where it is.
    skin->Rollup();
    EXPECT_EQ(skin->WindowState(), kwsRollup);
    EXPECT_EQ(Bounds().bottom - Bounds().top, client.top + 200 - client.bottom);
    EXPECT_EQ(Bounds().right - Bounds().left, 300);
    form_->SetBounds(100, 120, form_->Width(), form_->Height());
    skin->Rollup();  // a second roll-up restores
    EXPECT_EQ(StateAt(skin, RECT{100, 120, 400, 320}), std::pair(kwsNormal, true));
    form_->SetBounds(40, 40, 300, 200);

    // Minimized from maximized comes back maximized, then to the bounds
    // from before maximizing. Without MinimizeApplication the form shrinks
    // to a strip on the work area's bottom edge.
    skin->Maximize();
    skin->Minimize();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    TRect strip;
    skin->GetMinimizedRect(strip);
    EXPECT_TRUE(Same(Bounds(), strip));
    EXPECT_EQ(strip.bottom, work.bottom);
    EXPECT_EQ(strip.right - strip.left, GetSystemMetrics(SM_CXMINIMIZED));
    skin->Restore();
    EXPECT_EQ(StateAt(skin, Maximized(skin)), std::pair(kwsMaximized, true));
    skin->Restore();
    EXPECT_EQ(StateAt(skin, start_), std::pair(kwsNormal, true));

    // Rolled up from maximized unrolls to maximized; the setter runs the
    // actions and asking for the current state changes nothing.
    skin->SetWindowState(kwsMaximized);
    skin->SetWindowState(kwsMaximized);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    skin->SetWindowState(kwsRollup);
    EXPECT_EQ(Bounds().right - Bounds().left, Maximized(skin).right - Maximized(skin).left);
    skin->SetWindowState(kwsNormal);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    skin->SetWindowState(kwsNormal);
    EXPECT_TRUE(Same(Bounds(), start_));
    EXPECT_EQ(skin->HotPart(), kfpNoHot);
}

TEST_F(SkFormStates, TheNotificationAreaHidesTheFormAndItsIconBringsItBack)
{
    TLoadingSkin* skin = Skin();
    TSkTrayIcon* tray = skin->TrayIcon();
    ASSERT_NE(tray, nullptr);
    // Loading gave the icon a picture; the shell hears of it when it goes in.
    EXPECT_NE(tray->Data().hIcon, nullptr);
    EXPECT_TRUE(ShellCalls.empty());

    const std::string longCaption(100, 'x');
    SetWindowTextA(Window(), longCaption.c_str());
    skin->Maximize();
    skin->MinimizeToTray();
    EXPECT_EQ(skin->WindowState(), kwsTray);
    EXPECT_FALSE(IsWindowVisible(Window()));
    ASSERT_EQ(ShellCalls.size(), 1u);
    const NOTIFYICONDATAA& added = ShellCalls[0].data;
    // The first layout of the record (88 bytes for the 32-bit program), the
    // tip cut to what it holds.
    ASSERT_NE(tray->Window(), nullptr);
    EXPECT_EQ(std::tuple(ShellCalls[0].message, added.cbSize, added.hIcon, added.hWnd, added.uFlags,
                         added.uCallbackMessage, std::string(added.szTip)),
              std::tuple(DWORD(NIM_ADD), DWORD(sizeof(void*) == 8 ? 104 : 88), tray->Data().hIcon,
                         tray->Window(), UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP), UINT(SK_TRAYNOTIFY),
                         longCaption.substr(0, 63)));
    EXPECT_EQ(added.uID, UINT(reinterpret_cast<UINT_PTR>(static_cast<TSkCustomForm*>(skin))));
    EXPECT_TRUE(tray->Shown());

    // The tray window: the session may end, a cancelled end keeps the icon.
    EXPECT_EQ(SendMessageA(tray->Window(), WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageA(tray->Window(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(tray->Shown());
    // The right button pops up restore and close only.
    int items = 0;
    InPopup([&] { SendMessageA(tray->Window(), SK_TRAYNOTIFY, added.uID, WM_RBUTTONUP); },
            [&](TSkPopupView* view) { items = view->Item()->Count(), Escape(view); });
    EXPECT_EQ(items, 3);
    EXPECT_EQ(skin->SystemMenu()->Items(0)->Caption(), L"&Restore");

    // A double click restores the state before the tray, and the bounds
    // from before maximizing after that.
    SendMessageA(tray->Window(), SK_TRAYNOTIFY, added.uID, WM_LBUTTONDBLCLK);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(Same(Bounds(), Maximized(skin)));
    EXPECT_FALSE(tray->Shown());
    ASSERT_EQ(ShellCalls.size(), 2u);
    EXPECT_EQ(ShellCalls[1].message, DWORD(NIM_DELETE));
    skin->Restore();
    EXPECT_TRUE(Same(Bounds(), start_));

    // From rolled up and back; the end of the session takes the icon away.
    skin->Rollup();
    const RECT rolled = Bounds();
    skin->MinimizeToTray();
    SendMessageA(tray->Window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(tray->Shown());
    skin->MinimizeToTray();  // a second call restores
    EXPECT_EQ(StateAt(skin, rolled), std::pair(kwsRollup, true));
    skin->Restore();
    EXPECT_TRUE(Same(Bounds(), start_));

    // The real shell: Wine has a notification area here or not, but once
    // the form is back its icon is gone from the shell either way.
    SetSkShellNotifyIcon(nullptr);
    skin->MinimizeToTray();
    NOTIFYICONDATAA real = tray->Data();
    skin->Restore();
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &real));
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(SkFormStates, AVetoLeavesEveryActionUndoneAndModalFormsOnlyClose)
{
    TLoadingSkin* skin = Skin();
    const auto no = [](TObject*, bool& allow) { allow = false; };
    skin->OnMaximize = skin->OnMinimize = skin->OnRollup = skin->OnMinToTray = skin->OnClose = no;
    const struct {
        const char* name;
        void (TSkCustomForm::*action)();
    } actions[] = {{"maximize", &TSkCustomForm::Maximize},     {"minimize", &TSkCustomForm::Minimize},
                   {"rollup", &TSkCustomForm::Rollup},         {"tray", &TSkCustomForm::MinimizeToTray},
                   {"close", &TSkCustomForm::Close}};
    for (const auto& a : actions) {
        (skin->*a.action)();
        EXPECT_EQ(skin->WindowState(), kwsNormal) << a.name;
        EXPECT_TRUE(Same(Bounds(), start_)) << a.name;
        EXPECT_TRUE(IsWindowVisible(Window())) << a.name;
    }
    // The system's minimize, vetoed, does not minimize the window either.
    SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_TRUE(ShellCalls.empty());

    // A modal form ignores minimize and tray; close cancels it.
    form_->Hide();
    skin->OnMinimize = skin->OnMinToTray = skin->OnClose = nullptr;
    std::vector<TSkWindowState> seen;
    Steps driver({[&] {
        skin->Minimize();
        seen.push_back(skin->WindowState());
        skin->MinimizeToTray();
        seen.push_back(skin->WindowState());
        skin->Close();
    }});
    EXPECT_EQ(form_->ShowModal(), mrCancel);
    EXPECT_EQ(seen, (std::vector<TSkWindowState>{kwsNormal, kwsNormal}));
}

TEST_F(SkFormStates, TheSystemsMinimizeAndRestoreMeetTheFormsOwnOnce)
{
    TLoadingSkin* skin = Skin();
    // Without an owner the form asks the system to minimize it.
    SetWindowLongPtrA(Window(), GWLP_HWNDPARENT, 0);
    skin->Minimize();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    PumpUntil([&] { return IsIconic(Window()) != FALSE; });
    PumpFor(50);
    // The posted command came back and left the state alone.
    EXPECT_TRUE(IsIconic(Window()));
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_EQ(skin->PrevWindowState(), kwsNormal);
    SendMessageA(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_EQ(StateAt(skin, start_), std::pair(kwsNormal, true));

    // The system's own minimize runs the action and posts nothing more.
    SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(IsIconic(Window()));
    MSG pending;
    EXPECT_FALSE(PeekMessageA(&pending, Window(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE));
    skin->Restore();
    EXPECT_FALSE(IsIconic(Window()));
    SetWindowLongPtrA(Window(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Application->Handle()));
}

TEST_F(SkFormStates, AStoredStateIsAppliedAfterLoadingFromBelowTheScreen)
{
    const struct {
        TSkWindowState stored;
        bool veto;
        TSkWindowState expected;
    } cases[] = {{kwsMaximized, false, kwsMaximized},
                 {kwsMaximized, true, kwsNormal},
                 {kwsRollup, false, kwsRollup},
                 {kwsTray, false, kwsTray}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.stored) * 10 + c.veto);
        TLoadingSkin* skin = Skin([&](TLoadingSkin* s) {
            s->SetWindowState(c.stored);
            if (c.veto)
                s->OnMaximize = [](TObject*, bool& allow) { allow = false; };
        });
        EXPECT_EQ(skin->WindowState(), kwsNormal);
        if (c.stored != kwsRollup) {
            // Parked out of sight until the state is applied.
            EXPECT_EQ(form_->Top(), GetSystemMetrics(SM_CYSCREEN));
            EXPECT_TRUE(IsWindowVisible(Window()));
        }
        const RECT stored = Bounds();
        PumpFor(100);
        EXPECT_EQ(skin->WindowState(), c.expected);
        // The bounds from before parking are the ones to come back to.
        EXPECT_EQ(std::pair(skin->NormalBounds().left, skin->NormalBounds().top), std::pair(40L, 40L));
        // Declined, the form comes back from below the screen.
        if (c.veto) {
            EXPECT_TRUE(Same(Bounds(), skin->NormalBounds()));
        }
        if (c.stored == kwsRollup) {
            EXPECT_EQ(std::pair(Bounds().left, Bounds().top), std::pair(stored.left, stored.top));
        }
        skin->Restore();
        EXPECT_EQ(skin->WindowState(), kwsNormal);
        EXPECT_EQ(IsWindowVisible(Window()) != FALSE, c.stored != kwsRollup);
    }
}

TEST_F(SkFormStates, TheApplicationsMinimizeAndRestoreReachEveryFormAndComeBackWhole)
{
    int minimized = 0, restored = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    Application->OnRestore = [&](TObject*) { ++restored; };
    std::vector<FormPtr> forms;
    std::vector<TSkCustomForm*> skins;
    for (int i = 0; i < 2; ++i) {
        TLoadingSkin* skin = Skin();
        skin->SetMinimizeApplication(true);
        skin->Maximize();
        SendMessageA(Window(), WM_NCACTIVATE, TRUE, 0);  // installs the hooks
        skins.push_back(skin);
        forms.push_back(std::move(form_));
    }
    Application->Minimize();
    EXPECT_TRUE(IsIconic(Application->Handle()));
    EXPECT_EQ(minimized, 1);
    for (TSkCustomForm* skin : skins)
        EXPECT_EQ(skin->WindowState(), kwsMinimized);
    // A form restored by itself brings the application back.
    skins[0]->Restore();
    EXPECT_FALSE(IsIconic(Application->Handle()));
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(skins[0]->WindowState(), kwsMaximized);
    EXPECT_EQ(skins[1]->WindowState(), kwsMinimized);
    Application->Minimize();
    Application->Restore();
    EXPECT_EQ(skins[1]->WindowState(), kwsMaximized);

    // The forms go in the order they came; the application's own handlers
    // are what is left.
    forms.clear();
    Application->Minimize();
    Application->Restore();
    EXPECT_EQ(std::pair(minimized, restored), std::pair(3, 3));
    Application->OnMinimize = Application->OnRestore = nullptr;
}

TEST_F(SkFormStates, TheSystemMenuOffersWhatTheStateAndIconsAllowAndItsItemsAct)
{
    const std::wstring R = L"&Restore", N = L"Mi&nimize", X = L"Ma&ximize", L_ = L"Ro&llup",
                       T = L"Minimize to &Tray", S = L"-", C = L"&Close";
    const TSkBorderIcons all{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};
    const struct {
        void (TSkCustomForm::*into)();
        TSkBorderIcons icons;
        std::vector<std::wstring> items;
    } cases[] = {
        {nullptr, all, {N, X, L_, T, S, C}},
        {&TSkCustomForm::Maximize, all, {R, N, L_, T, S, C}},
        {&TSkCustomForm::Rollup, all, {R, N, X, T, S, C}},
        {&TSkCustomForm::Minimize, all, {R, S, C}},
        {&TSkCustomForm::MinimizeToTray, all, {R, S, C}},
        {&TSkCustomForm::Maximize, {kbiClose}, {R, S, C}},
        {nullptr, {kbiClose}, {C}},
        {nullptr, {kbiMinimize, kbiTray}, {N, T}},
    };
    for (const auto& c : cases) {
        TLoadingSkin* skin = Skin();
        skin->SetBorderIcons(c.icons);
        if (c.into)
            (skin->*c.into)();
        EXPECT_EQ(MenuCaptions(skin), c.items) << int(skin->WindowState()) << " " << c.icons.Bits();
    }

    // Each item carries its glyph; close carries Alt+F4.
    TLoadingSkin* skin = Skin();
    skin->RebuildSystemMenu();
    const TSkCustomItem* menu = skin->SystemMenu();
    EXPECT_EQ(menu->Images(), SkCaptionGlyphs());
    std::vector<int> images;
    for (int i = 0; i < menu->Count(); ++i)
        images.push_back(menu->Items(i)->ImageIndex());
    EXPECT_EQ(images, (std::vector<int>{kcgMinimize, kcgMaximize, kcgRollup, kcgTray, -1, kcgClose}));
    EXPECT_EQ(ShortCutToText(menu->Items(5)->ShortCut()), "Alt+F4");

    // A click is matched by caption: Ma&ximize, then &Restore (now first);
    // a caption of no command does nothing.
    const auto clickItem = [&](int index) {
        TSkCustomItem* item = skin->SystemMenu()->Items(index);
        item->OnClick(item);
        skin->RebuildSystemMenu();
        return skin->WindowState();
    };
    EXPECT_EQ(clickItem(1), kwsMaximized);
    EXPECT_EQ(clickItem(0), kwsNormal);
    skin->SystemMenu()->Items(0)->SetCaption(L"Something else");
    EXPECT_EQ(clickItem(0), kwsNormal);
}

TEST_F(SkFormStates, TheSystemMenuPopsUpAtTheCaptionOrItsLinksWithTheirOptions)
{
    TLoadingSkin* skin = Skin();
    skin->SystemMenuOptions()->Shadow()->SetSize(7);
    skin->TrayMenuOptions()->Shadow()->SetSize(9);

    // A right click on the caption pops the built-in menu up there; "c"
    // picks "&Close", which closes the form once the menu has gone.
    int shown = 0;
    bool visibleWhileOpen = false;
    RECT popup{};
    const POINT click{start_.left + 100, start_.top + 8};
    InPopup(
        [&] {
            SendMessageA(Window(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(click.x, click.y));
            SendMessageA(Window(), WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(click.x, click.y));
        },
        [&](TSkPopupView* view) {
            shown = view->Item()->Count();
            visibleWhileOpen = IsWindowVisible(Window());
            popup = WindowRectOf(GetAncestor(view->Window(), GA_ROOT));
            PostMessageA(view->Window(), WM_CHAR, 'c', 0);
        });
    EXPECT_EQ(shown, 6);
    EXPECT_EQ(std::pair(popup.left, popup.top), std::pair(click.x, click.y));
    EXPECT_TRUE(visibleWhileOpen);
    PumpFor(50);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(skin->SystemMenuPoint().x, 0);

    // A linked menu shows instead, with the system menu's options; in the
    // notification area the tray's link shows with the tray's options.
    ShowAndWait(form_.get());
    auto* linked = new TSkCustomPopupMenu(form_.get());
    auto* item = new TSkCustomItem(form_.get());
    item->SetCaption(L"Linked");
    linked->Items()->Add(item);
    skin->SetSystemMenuLink(linked);
    skin->SetTrayMenuLink(linked);
    std::vector<const TSkCustomItem*> roots;
    const auto escape = [&](TSkPopupView* view) { roots.push_back(view->Item()), Escape(view); };
    InPopup([&] { skin->ShowSystemMenu(); }, escape);
    EXPECT_EQ(linked->PopupMenuOptions()->Shadow()->Size(), 7);
    skin->MinimizeToTray();
    InPopup([&] { SendMessageA(skin->TrayIcon()->Window(), SK_TRAYNOTIFY, 0, WM_RBUTTONUP); }, escape);
    EXPECT_EQ(linked->PopupMenuOptions()->Shadow()->Size(), 9);
    EXPECT_TRUE(linked->Foreground());
    EXPECT_EQ(roots, (std::vector<const TSkCustomItem*>{linked->Items(), linked->Items()}));
    // Freed, the links are let go and the built-in menu is back.
    linked->Free();
    EXPECT_TRUE(!skin->SystemMenuLink() && !skin->TrayMenuLink());
}

} // namespace
