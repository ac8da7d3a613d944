// Forms with real windows and real keyboard input: focus and tab cycling,
// dialog keys and accelerators, the modal loop, closing, the form's window,
// and handle leaks.
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A focusable control that logs its entries and exits, hears who has the
// focus, and asks for every key when told to.
class TFocusBox : public TCustomControl {
public:
    TFocusBox(TComponent* owner, Log* log = nullptr) : TCustomControl(owner), log_(log) { SetTabStop(true); }
    bool wantsAllKeys = false;
    TWinControl* focusNews = nullptr;

    void Dispatch(TMessage& m) override
    {
        if (m.Msg == CM_FOCUSCHANGED)
            focusNews = reinterpret_cast<TWinControl*>(m.LParam);
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = wantsAllKeys ? DLGC_WANTALLKEYS : 0;
            return;
        }
        TCustomControl::Dispatch(m);
    }

protected:
    void DoEnter() override
    {
        Note("enter ");
        TCustomControl::DoEnter();
    }
    void DoExit() override
    {
        Note("exit ");
        TCustomControl::DoExit();
    }

private:
    void Note(const char* what) const
    {
        if (log_)
            log_->push_back(what + Name());
    }
    Log* log_;
};

TFocusBox* AddBox(TWinControl* parent, Log* log, const char* name, RECT r)
{
    auto* box = new TFocusBox(parent->Owner() ? parent->Owner() : parent, log);
    box->SetName(name);
    box->SetParent(parent);
    box->SetBounds(r.left, r.top, r.right, r.bottom);
    return box;
}

// In tab order: First, Skipped (no tab stop), Second, Disabled, then the
// default button "&Save" and the cancel button.
struct DialogForm {
    Log log;
    FormPtr form = NewForm(320, 200);
    TFocusBox* first = AddBox(form.get(), &log, "First", {10, 10, 100, 25});
    TFocusBox* skipped = AddBox(form.get(), &log, "Skipped", {10, 40, 100, 25});
    TFocusBox* second = AddBox(form.get(), &log, "Second", {10, 70, 100, 25});
    TFocusBox* disabled = AddBox(form.get(), &log, "Disabled", {10, 100, 100, 25});
    TButton* ok = AddButton("&Save", 130, mrOk);
    TButton* cancel = AddButton("Cancel", 160, mrCancel);
    int okClicks = 0, cancelClicks = 0;

    DialogForm()
    {
        skipped->SetTabStop(false);
        disabled->SetEnabled(false);
        ok->SetDefault(true);
        cancel->SetCancel(true);
        ok->OnClick = [this](TObject*) { ++okClicks; };
        cancel->OnClick = [this](TObject*) { ++cancelClicks; };
    }
    TButton* AddButton(const char* caption, int top, TModalResult result)
    {
        auto* button = new TButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(150, top, 75, 25);
        button->SetCaption(caption);
        button->SetModalResult(result);
        return button;
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        PumpFor(20);
    }
};

} // namespace

TEST(Focus, TabAndShiftTabCycleThroughTheTabOrder)
{
    DialogForm d;
    ShowAndWait(d.form.get());
    EXPECT_EQ(GetFocus(), d.first->Handle());  // showing focuses the first in tab order
    EXPECT_EQ(Screen->ActiveForm(), d.form.get());
    d.log.clear();

    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), d.second->Handle());
    EXPECT_EQ(d.form->ActiveControl(), d.second);
    EXPECT_EQ(d.log, (Log{"exit First", "enter Second"}));
    EXPECT_EQ(d.first->focusNews, d.second);  // every control hears of it

    const struct {
        bool shift;
        TWinControl* next;
    } steps[] = {{false, d.ok}, {false, d.cancel}, {false, d.first}, {true, d.cancel}, {true, d.ok}};
    for (const auto& s : steps) {
        PressKey(VK_TAB, s.shift);
        EXPECT_EQ(GetFocus(), s.next->Handle()) << &s - steps;
    }

    d.cancel->SetTabOrder(0);  // reordering changes the cycle
    d.Focus(d.first);
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), d.cancel->Handle());
}

TEST(Focus, ContainersHearEnterAndExitOnlyWhenFocusCrossesThem)
{
    Log log;
    FormPtr form = NewForm();
    auto* panel = AddBox(form.get(), &log, "Panel", {0, 0, 200, 150});
    panel->SetTabStop(false);
    auto* a = AddBox(panel, &log, "A", {5, 5, 50, 20});
    auto* b = AddBox(panel, &log, "B", {5, 35, 50, 20});
    auto* outside = AddBox(form.get(), &log, "Outside", {210, 5, 50, 20});
    ShowAndWait(form.get());
    a->SetFocus();
    const struct {
        TFocusBox* target;
        Log heard;
    } steps[] = {
        {b, {"exit A", "enter B"}},
        {outside, {"exit B", "exit Panel", "enter Outside"}},
        {a, {"exit Outside", "enter Panel", "enter A"}},
    };
    for (const auto& s : steps) {
        log.clear();
        s.target->SetFocus();
        EXPECT_EQ(log, s.heard);
    }

    a->Free();  // the focused control goes: no dangling active control
    EXPECT_TRUE(form->ActiveControl() == nullptr || form->ActiveControl() == panel);
    PumpFor(20);
}

TEST(DialogKeys, ReturnEscapeAndAcceleratorsReachTheButtons)
{
    DialogForm d;
    ShowAndWait(d.form.get());
    PressKey(VK_RETURN);
    EXPECT_EQ(d.okClicks, 1);
    EXPECT_EQ(d.form->ModalResult(), mrOk);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(d.cancelClicks, 1);
    EXPECT_EQ(d.form->ModalResult(), mrCancel);
    EXPECT_EQ(GetFocus(), d.first->Handle());

    d.first->wantsAllKeys = true;  // a control that wants Return keeps it
    PressKey(VK_RETURN);
    d.first->wantsAllKeys = false;
    d.ok->SetEnabled(false);  // a disabled default button is left alone
    PressKey(VK_RETURN);
    d.ok->SetEnabled(true);
    EXPECT_EQ(d.okClicks, 1);
    d.Focus(d.cancel);  // a focused button takes Return itself
    PressKey(VK_RETURN);
    EXPECT_EQ(d.cancelClicks, 2);
    EXPECT_EQ(d.okClicks, 1);

    PressKey('S', false, true);  // Alt+S focuses and clicks "&Save"
    EXPECT_EQ(d.okClicks, 2);
    EXPECT_EQ(GetFocus(), d.ok->Handle());
    PressKey('Q', false, true);
    EXPECT_EQ(d.okClicks + d.cancelClicks, 4);

    const struct {
        char key;
        const char* caption;
        bool accel;
    } accels[] = {{'s', "&Save", true}, {'S', "&save", true}, {'s', "Save", false},
                  {'a', "Fish && &Chips", false}, {'c', "Fish && &Chips", true}};
    for (const auto& a : accels)
        EXPECT_EQ(IsAccel(a.key, a.caption), a.accel) << a.key << " " << a.caption;
}

TEST(KeyEvents, HandlersSeeAndSwallowKeysAndShortcutsComeFirst)
{
    DialogForm d;
    auto* edit = new TEdit(d.form.get());
    edit->SetParent(d.form.get());
    edit->SetBounds(230, 10, 80, 22);
    std::string typed;
    std::vector<unsigned short> downs;
    edit->OnKeyPress = [&](TObject*, char& key) {
        typed += key;
        if (key == 'b')
            key = 0;  // swallowed: the edit never sees it
    };
    edit->OnKeyDown = [&](TObject*, unsigned short& key, unsigned) { downs.push_back(key); };
    int shortcuts = 0;
    d.form->OnShortCut = [&](TMessage& m, bool& handled) {
        handled = m.WParam == VK_F2;
        shortcuts += handled;
    };
    ShowAndWait(d.form.get());
    d.Focus(edit);
    for (WORD key : {WORD('A'), WORD('B'), WORD(VK_F2), WORD('C'), WORD(VK_F4)})
        PressKey(key);
    EXPECT_EQ(typed, "abc");
    EXPECT_EQ(edit->Text(), "ac");
    EXPECT_EQ(shortcuts, 1);
    EXPECT_EQ(downs, (std::vector<unsigned short>{'A', 'B', 'C', VK_F4}));
}

TEST(Modal, TheLoopDisablesTheOtherWindowsAndGivesTheFocusBack)
{
    DialogForm owner;
    ShowAndWait(owner.form.get());
    owner.Focus(owner.second);
    DialogForm dialog;
    bool ownerDisabled = false;
    dialog.form->OnShow = [&](TObject*) { PostMessageA(dialog.ok->Handle(), BM_CLICK, 0, 0); };
    dialog.ok->OnClick = [&](TObject*) { ownerDisabled = !IsWindowEnabled(owner.form->Handle()); };
    EXPECT_EQ(dialog.form->ShowModal(), mrOk);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.form->Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.form->Handle()));
    PumpFor(20);
    EXPECT_EQ(GetActiveWindow(), owner.form->Handle());
    EXPECT_EQ(GetFocus(), owner.second->Handle());

    // Closing the window ends the loop with a cancel, once no close query refuses.
    int queries = 0;
    dialog.form->OnShow = [&](TObject*) { PostMessageA(dialog.form->Handle(), WM_CLOSE, 0, 0); };
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
    using TForm::TForm;
    ~TCountedForm() override { ++destroyed; }
    static int destroyed;
};
int TCountedForm::destroyed = 0;

} // namespace

TEST(Close, CloseActionsHideMinimizeKeepOrFreeTheForm)
{
    TCountedForm::destroyed = 0;
    TCountedForm* form = TCustomForm::Create<TCountedForm>(nullptr);
    form->SetBounds(60, 60, 200, 120);
    TCloseAction next = caHide;
    bool allow = true;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnClose = [&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, caHide);  // the default offered
        action = next;
    };
    const struct {
        bool allow;
        TCloseAction action;
        bool visible, iconic;
    } cases[] = {{false, caHide, true, false},
                 {true, caNone, true, false},
                 {true, caMinimize, true, true},
                 {true, caHide, false, false}};
    for (const auto& c : cases) {
        form->Show();
        form->SetWindowState(wsNormal);
        allow = c.allow;
        next = c.action;
        SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(IsWindowVisible(form->Handle()) != 0, c.visible) << &c - cases;
        EXPECT_EQ(IsIconic(form->Handle()) != 0, c.iconic) << &c - cases;
    }
    EXPECT_FALSE(form->Visible());
    form->Show();
    next = caFree;
    form->Close();
    EXPECT_EQ(TCountedForm::destroyed, 0);  // freed once the queued messages ran
    EXPECT_TRUE(PumpUntil([] { return TCountedForm::destroyed == 1; }));
}

namespace {

class TDescribedForm : public TForm {
public:
    using TForm::TForm;
    TFocusBox* box = nullptr;
    Log log;

protected:
    void ReadDescription() override
    {
        log.push_back("read");
        OnCreate = [this](TObject*) { log.push_back(box ? "create with box" : "create"); };
        box = AddBox(this, nullptr, "Box", {0, 0, 10, 10});
    }
};

} // namespace

TEST(FormLifecycle, DescriptionIsReadBeforeOnCreateAndFormsAreListedInOrder)
{
    const int before = Screen->FormCount();
    FormPtr plain = NewForm();
    Owned<TDescribedForm> described = NewForm<TDescribedForm>();
    ASSERT_EQ(Screen->FormCount(), before + 2);
    EXPECT_EQ(Screen->Forms(before + 1), described.get());
    EXPECT_EQ(described->log, (Log{"read", "create with box"}));
    EXPECT_EQ(described->FindComponent("Box"), described->box);
    plain.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), described.get());
}

TEST(FormLifecycle, PositionBorderAndIconsShapeTheWindow)
{
    FormPtr form = NewForm(200, 100);
    form->SetPosition(poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(form->Top(), (Screen->Height() - 100) / 2);
    form->Hide();
    form->SetBounds(0, 0, 300, 50);
    form->SetPosition(poDesktopCenter);
    form->Show();
    EXPECT_EQ(form->Left(), Screen->DesktopLeft() + (Screen->DesktopWidth() - 300) / 2);
    EXPECT_EQ(form->Top(), Screen->DesktopTop() + (Screen->DesktopHeight() - 50) / 2);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, form->Left());
    EXPECT_EQ(GetParent(form->Handle()), nullptr);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());

    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    form->SetIcon(&icon);
    ASSERT_NE(form->Icon()->Handle(), nullptr);
    auto* child = AddBox(form.get(), nullptr, "Child", {0, 0, 10, 10});
    const TBorderIcons allIcons{biSystemMenu, biMinimize, biMaximize};
    const struct {
        TFormBorderStyle border;
        TBorderIcons icons;
        TFormStyle style;
        LONG_PTR with, without, exWith;
    } looks[] = {
        {bsSizeable, allIcons, fsNormal, WS_THICKFRAME | WS_MINIMIZEBOX, 0, 0},
        {bsDialog, allIcons, fsNormal, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_DLGMODALFRAME},
        {bsSingle, {biSystemMenu, biMaximize}, fsNormal, WS_MAXIMIZEBOX, WS_MINIMIZEBOX | WS_THICKFRAME, 0},
        {bsSingle, allIcons, fsStayOnTop, WS_MINIMIZEBOX, 0, WS_EX_TOPMOST},
    };
    for (const auto& look : looks) {
        SCOPED_TRACE(&look - looks);
        form->SetBorderStyle(look.border);
        form->SetBorderIcons(look.icons);
        form->SetFormStyle(look.style);
        const HWND window = form->Handle();
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & (look.with | look.without), look.with);
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & look.exWith, look.exWith);
        // A new window keeps the icon, the children and the visibility.
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), form->Icon()->Handle());
        EXPECT_EQ(GetParent(child->Handle()), window);
        EXPECT_TRUE(IsWindowVisible(window));
    }

    form->Hide();
    form->SetFormStyle(fsMDIChild);
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST(Leaks, FormsFullOfControlsLeaveNoHandlesBehind)
{
    auto makeOne = [] {
        FormPtr form = NewForm(200, 150);
        for (int i = 0; i < 4; ++i) {
            auto* box = AddBox(form.get(), nullptr, "", {5, 5 + i * 30, 60, 25});
            box->SetColor(clYellow);
            AddBox(box, nullptr, "", {2, 2, 10, 10})->Font()->SetHeight(-20);
            auto* graphic = new TGraphicControl(form.get());
            graphic->SetParent(box);
            graphic->SetBounds(20, 2, 10, 10);
        }
        form->Show();
        form->Update();
        TestDib dib(200, 150);
        form->PaintTo(dib.DC(), 0, 0);
        SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    };
    EXPECT_GT(CurrentGuiCounts().gdi, 0u);
    EXPECT_EQ(GuiGrowth(makeOne, 50), (TGuiCounts{0, 0}));
}
