// Forms with real windows and real keyboard input: focus and tab cycling,
// dialog keys and accelerators, the modal loop, closing, and handle leaks.
#include "framework/forms/application.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/screen.h"
#include "tests/support/dibsection.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A focusable control that logs its entries, exits and focus news.
class TFocusBox : public TCustomControl {
public:
    TFocusBox(TComponent* owner, std::vector<std::string>* log) : TCustomControl(owner), log_(log)
    {
        SetTabStop(true);
    }
    TWinControl* lastFocusChanged = nullptr;
    bool wantsAllKeys = false;

    void Dispatch(TMessage& m) override
    {
        switch (m.Msg) {
        case CM_FOCUSCHANGED:
            lastFocusChanged = reinterpret_cast<TWinControl*>(m.LParam);
            break;
        case WM_GETDLGCODE:
            m.Result = wantsAllKeys ? DLGC_WANTALLKEYS : 0;
            return;
        case WM_LBUTTONDOWN:
            SetFocus();
            break;
        default:
            break;
        }
        TCustomControl::Dispatch(m);
    }

protected:
    void DoEnter() override
    {
        log_->push_back("enter " + Name());
        TCustomControl::DoEnter();
    }
    void DoExit() override
    {
        log_->push_back("exit " + Name());
        TCustomControl::DoExit();
    }

private:
    std::vector<std::string>* log_;
};

// A push button of the framework's kind: Return when default, Escape when
// cancel, and its accelerator click it.
class TTestButton : public TFocusBox {
public:
    using TFocusBox::TFocusBox;
    bool isDefault = false;
    bool isCancel = false;
    TModalResult modalResult = mrNone;

    void Click() override
    {
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(modalResult);
        TFocusBox::Click();
    }

    void Dispatch(TMessage& m) override
    {
        // Shown as default unless another button has the focus.
        if (m.Msg == CM_FOCUSCHANGED)
            focusOnButton_ = dynamic_cast<TTestButton*>(reinterpret_cast<TWinControl*>(m.LParam));
        if (m.Msg == CM_DIALOGKEY &&
            ((m.WParam == VK_RETURN && ((isDefault && !focusOnButton_) || Focused())) ||
             (m.WParam == VK_ESCAPE && isCancel))) {
            Click();
            m.Result = 1;
            return;
        }
        if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<unsigned>(m.WParam), Caption()) &&
            CanFocus()) {
            SetFocus();
            Click();
            m.Result = 1;
            return;
        }
        TFocusBox::Dispatch(m);
    }

private:
    bool focusOnButton_ = false;
};

struct DialogForm {
    std::vector<std::string> log;
    Owned<TForm> form{TCustomForm::Create<TForm>(nullptr)};
    TFocusBox* first;
    TFocusBox* second;
    TFocusBox* skipped;  // TabStop off
    TFocusBox* disabled;
    TTestButton* ok;
    TTestButton* cancel;

    DialogForm()
    {
        form->SetBounds(50, 50, 320, 200);
        first = Add<TFocusBox>("First", 10);
        skipped = Add<TFocusBox>("Skipped", 40);
        skipped->SetTabStop(false);
        second = Add<TFocusBox>("Second", 70);
        disabled = Add<TFocusBox>("Disabled", 100);
        disabled->SetEnabled(false);
        ok = Add<TTestButton>("Ok", 130);
        ok->SetCaption("&Save");
        ok->isDefault = true;
        ok->modalResult = mrOk;
        cancel = Add<TTestButton>("Cancel", 160);
        cancel->isCancel = true;
        cancel->modalResult = mrCancel;
    }

    template <class T>
    T* Add(const char* name, int top)
    {
        auto* c = new T(form.get(), &log);
        c->SetName(name);
        c->SetParent(form.get());
        c->SetBounds(10, top, 100, 25);
        return c;
    }

    void ShowAndWait() { ::ShowAndWait(form.get()); }
};

} // namespace

TEST(Focus, TabAndShiftTabCycleThroughTheTabOrder)
{
    DialogForm d;
    d.ShowAndWait();
    // Showing focuses the first control in tab order.
    EXPECT_EQ(GetFocus(), d.first->Handle());
    EXPECT_EQ(d.form->ActiveControl(), d.first);
    EXPECT_EQ(Screen->ActiveForm(), d.form.get());
    d.log.clear();

    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), d.second->Handle());
    EXPECT_EQ(d.form->ActiveControl(), d.second);
    ASSERT_EQ(d.log.size(), 2u);
    EXPECT_EQ(d.log[0], "exit First");
    EXPECT_EQ(d.log[1], "enter Second");
    EXPECT_EQ(d.ok->lastFocusChanged, d.second);  // every control hears of it

    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), d.ok->Handle());  // the disabled one is skipped
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), d.first->Handle());  // wrapped around
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), d.cancel->Handle());
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), d.ok->Handle());

    // Reordering changes the cycle.
    d.cancel->SetTabOrder(0);
    d.first->SetFocus();
    PumpFor(20);
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), d.cancel->Handle());
}

TEST(Focus, ContainersHearEnterAndExitOnlyWhenFocusCrossesThem)
{
    std::vector<std::string> log;
    Owned<TForm> form(TCustomForm::Create<TForm>(nullptr));
    form->SetBounds(50, 50, 300, 200);
    auto* panel = new TFocusBox(form.get(), &log);
    panel->SetName("Panel");
    panel->SetTabStop(false);
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 200, 150);
    auto* a = new TFocusBox(form.get(), &log);
    a->SetName("A");
    a->SetParent(panel);
    a->SetBounds(5, 5, 50, 20);
    auto* b = new TFocusBox(form.get(), &log);
    b->SetName("B");
    b->SetParent(panel);
    b->SetBounds(5, 35, 50, 20);
    auto* outside = new TFocusBox(form.get(), &log);
    outside->SetName("Outside");
    outside->SetParent(form.get());
    outside->SetBounds(210, 5, 50, 20);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(30);
    a->SetFocus();
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit A", "enter B"}));
    log.clear();
    outside->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit B", "exit Panel", "enter Outside"}));
    log.clear();
    a->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit Outside", "enter Panel", "enter A"}));

    // Freeing the focused control leaves no dangling active control.
    a->Free();
    EXPECT_NE(form->ActiveControl(), static_cast<TWinControl*>(a));
    EXPECT_TRUE(form->ActiveControl() == nullptr || form->ActiveControl() == panel);
    PumpFor(20);
}

TEST(DialogKeys, ReturnAndEscapeReachTheDefaultAndCancelButtons)
{
    DialogForm d;
    int okClicks = 0, cancelClicks = 0;
    d.ok->OnClick = [&](TObject*) { ++okClicks; };
    d.cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    d.ShowAndWait();
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(GetFocus(), d.first->Handle());
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);

    // A control that wants Return keeps it.
    d.first->wantsAllKeys = true;
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    d.first->wantsAllKeys = false;

    // With focus on another button, Return clicks that one.
    d.cancel->SetFocus();
    PumpFor(20);
    PressKey(VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 1);
}

TEST(DialogKeys, AcceleratorsFocusAndClick)
{
    DialogForm d;
    int okClicks = 0;
    d.ok->OnClick = [&](TObject*) { ++okClicks; };
    d.ShowAndWait();
    PressKey('S', false, true);  // Alt+S
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(GetFocus(), d.ok->Handle());
    PressKey('Q', false, true);
    EXPECT_EQ(okClicks, 1);

    EXPECT_TRUE(IsAccel('s', "&Save"));
    EXPECT_FALSE(IsAccel('s', "Save"));
    EXPECT_FALSE(IsAccel('a', "Fish && &Chips"));
    EXPECT_TRUE(IsAccel('c', "Fish && &Chips"));
}

namespace {

class TEditBox : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TWinControl::CreateParams(params);
        CreateSubClass(params, "EDIT");
    }
};

} // namespace

TEST(KeyEvents, KeyHandlersSeeAndCanSwallowKeys)
{
    DialogForm d;
    auto* edit = new TEditBox(d.form.get());
    edit->SetParent(d.form.get());
    edit->SetBounds(150, 10, 100, 22);
    std::string typed;
    std::vector<unsigned short> ups;
    edit->OnKeyPress = [&](TObject*, char& key) {
        typed += key;
        if (key == 'b')
            key = 0;  // swallowed: the edit never sees it
    };
    edit->OnKeyUp = [&](TObject*, unsigned short& key, unsigned) { ups.push_back(key); };
    d.ShowAndWait();
    edit->SetFocus();
    PumpFor(20);
    PressKey('A');
    PressKey('B');
    PressKey('C');
    EXPECT_EQ(typed, "abc");
    EXPECT_EQ(edit->Text(), "ac");
    EXPECT_EQ(ups, (std::vector<unsigned short>{'A', 'B', 'C'}));
}

TEST(DialogKeys, ShortcutHandlersCanBeChained)
{
    DialogForm d;
    std::vector<std::string> seen;
    d.form->OnShortCut = [&](TMessage& m, bool& handled) {
        if (m.WParam == VK_F2) {
            seen.push_back("form F2");
            handled = true;
        }
    };
    // What a component on the form does: take over, and pass on the rest.
    TShortCutEvent saved = d.form->OnShortCut;
    d.form->OnShortCut = [&, saved](TMessage& m, bool& handled) {
        if (m.WParam == VK_F3) {
            seen.push_back("component F3");
            handled = true;
            return;
        }
        if (saved)
            saved(m, handled);
    };
    unsigned short lastKey = 0;
    d.first->OnKeyDown = [&](TObject*, unsigned short& key, unsigned) { lastKey = key; };
    d.ShowAndWait();
    PressKey(VK_F3);
    PressKey(VK_F2);
    PressKey(VK_F4);
    EXPECT_EQ(seen, (std::vector<std::string>{"component F3", "form F2"}));
    EXPECT_EQ(lastKey, VK_F4);  // not a shortcut: the control gets it
}

TEST(Modal, TheLoopRunsUntilAResultIsSetAndDisablesTheOtherWindows)
{
    DialogForm owner;
    owner.ShowAndWait();
    DialogForm dialog;
    bool ownerDisabledDuringLoop = false;
    int shows = 0;
    dialog.form->OnShow = [&](TObject*) {
        ++shows;
        PostMessageA(dialog.ok->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(dialog.ok->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
    dialog.ok->OnClick = [&](TObject*) { ownerDisabledDuringLoop = !IsWindowEnabled(owner.form->Handle()); };
    EXPECT_EQ(dialog.form->ShowModal(), mrOk);
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(ownerDisabledDuringLoop);
    EXPECT_TRUE(IsWindowEnabled(owner.form->Handle()));
    EXPECT_FALSE(dialog.form->Visible());
    EXPECT_FALSE(IsWindowVisible(dialog.form->Handle()));

    // Closing the window ends the loop with a cancel.
    dialog.form->OnShow = [&](TObject*) { PostMessageA(dialog.form->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(dialog.form->ShowModal(), mrCancel);

    // A close query that refuses keeps the loop going.
    int queries = 0;
    dialog.form->OnCloseQuery = [&](TObject*, bool& canClose) {
        canClose = ++queries > 1;
        if (!canClose)
            PostMessageA(dialog.form->Handle(), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(dialog.form->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);

    dialog.form->Show();
    EXPECT_THROW(dialog.form->ShowModal(), EInvalidOperation);
    dialog.form->Hide();
}

namespace {

class TCountedForm : public TForm {
public:
    TCountedForm(TComponent* owner) : TForm(owner) {}
    ~TCountedForm() override { ++destroyed; }
    static int destroyed;
};
int TCountedForm::destroyed = 0;

} // namespace

TEST(Close, CloseActionsHideFreeMinimizeOrKeepTheForm)
{
    TCountedForm::destroyed = 0;
    TCountedForm* form = TCustomForm::Create<TCountedForm>(nullptr);
    form->SetBounds(60, 60, 200, 120);
    TCloseAction next = caHide;
    bool allow = true;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, caHide);  // the default offered
        action = next;
    };
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };

    form->Show();
    allow = false;
    form->Close();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    allow = true;

    next = caNone;
    form->Close();
    EXPECT_TRUE(form->Visible());

    next = caMinimize;
    form->Close();
    EXPECT_TRUE(IsIconic(form->Handle()));
    form->SetWindowState(wsNormal);

    next = caHide;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(TCountedForm::destroyed, 0);

    form->Show();
    next = caFree;
    form->Close();
    EXPECT_EQ(TCountedForm::destroyed, 0);  // freed once queued messages ran
    EXPECT_TRUE(PumpUntil([] { return TCountedForm::destroyed == 1; }));
}

namespace {

class TDescribedForm : public TForm {
public:
    using TForm::TForm;
    TFocusBox* box = nullptr;
    std::vector<std::string> log;

protected:
    void ReadDescription() override
    {
        log.push_back("read");
        OnCreate = [this](TObject*) { log.push_back(box ? "create with box" : "create"); };
        box = new TFocusBox(this, &log);
        box->SetName("Box");
        box->SetParent(this);
    }
};

} // namespace

TEST(FormLifecycle, DescriptionIsReadBeforeOnCreateAndFormsAreListedInOrder)
{
    int before = Screen->FormCount();
    Owned<TForm> plain(TCustomForm::Create<TForm>(nullptr));
    Owned<TDescribedForm> described(TCustomForm::Create<TDescribedForm>(nullptr));
    ASSERT_EQ(Screen->FormCount(), before + 2);
    EXPECT_EQ(Screen->Forms(before), plain.get());
    EXPECT_EQ(Screen->Forms(before + 1), described.get());
    EXPECT_EQ(described->log, (std::vector<std::string>{"read", "create with box"}));
    EXPECT_EQ(described->FindComponent("Box"), described->box);
    plain.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), described.get());
    EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
}

TEST(FormLifecycle, PositionBorderAndIconsShapeTheWindow)
{
    Owned<TForm> form(TCustomForm::Create<TForm>(nullptr));
    form->SetBounds(0, 0, 200, 100);
    form->SetPosition(poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(form->Top(), (Screen->Height() - 100) / 2);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, form->Left());
    form->SetCaption("Sheet Mill");
    char caption[32] = {};
    GetWindowTextA(form->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Sheet Mill");

    form->Hide();
    form->SetBounds(0, 0, 300, 50);
    form->SetPosition(poDesktopCenter);
    form->Show();
    EXPECT_EQ(form->Left(), Screen->DesktopLeft() + (Screen->DesktopWidth() - 300) / 2);
    EXPECT_EQ(form->Top(), Screen->DesktopTop() + (Screen->DesktopHeight() - 50) / 2);
    LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_EQ(GetParent(form->Handle()), nullptr);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());

    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    form->SetIcon(&icon);
    ASSERT_NE(form->Icon()->Handle(), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0)),
              form->Icon()->Handle());

    auto* child = new TFocusBox(form.get(), nullptr);
    child->SetParent(form.get());
    form->SetBorderStyle(bsDialog);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0)),
              form->Icon()->Handle());
    style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));  // the new window shows again
    EXPECT_EQ(GetParent(child->Handle()), form->Handle());

    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons({biSystemMenu, biMaximize});
    style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);

    form->SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    form->Hide();
    form->SetFormStyle(fsMDIChild);
    EXPECT_EQ(form->FormStyle(), fsMDIChild);
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

namespace {

BOOL CALLBACK CountWindow(HWND window, LPARAM data)
{
    ++*reinterpret_cast<int*>(data);
    EnumChildWindows(window, CountWindow, data);
    return TRUE;
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class TColouredGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        RECT r{0, 0, Width(), Height()};
        FillRect(PaintDC(), &r, brush);
        DeleteObject(brush);
    }
};

} // namespace

TEST(Leaks, AThousandFormsFullOfControlsLeaveNoHandlesBehind)
{
    auto makeOne = [] {
        TForm* form = TCustomForm::Create<TForm>(nullptr);
        form->SetBounds(10, 10, 200, 150);
        for (int i = 0; i < 4; ++i) {
            auto* box = new TFocusBox(form, nullptr);
            box->SetParent(form);
            box->SetColor(clYellow);
            box->SetBounds(5, 5 + i * 30, 60, 25);
            auto* g = new TColouredGraphic(form);
            g->SetParent(box);
            g->SetBounds(2, 2, 10, 10);
        }
        form->Show();
        form->Update();
        TestDib dib(200, 150);
        form->PaintTo(dib.DC(), 0, 0);
        SendMessageA(form->Controls(0)->InheritsFrom(TWinControl::StaticClass())
                         ? static_cast<TWinControl*>(form->Controls(0))->Handle()
                         : form->Handle(),
                     WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        form->Free();
    };
    makeOne();  // first use creates classes, stock objects and caches
    PumpFor(20);
    TGuiCounts before = CurrentGuiCounts();
    int windowsBefore = ThreadWindowCount();
    for (int i = 0; i < 1000; ++i)
        makeOne();
    PumpFor(20);
    TGuiCounts after = CurrentGuiCounts();
    EXPECT_GT(before.gdi, 0u);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %d\n",
                static_cast<unsigned long>(before.gdi), static_cast<unsigned long>(after.gdi),
                static_cast<unsigned long>(before.user), static_cast<unsigned long>(after.user),
                windowsBefore);
}
