// Forms with real windows and real keyboard input: focus and tab cycling,
// dialog keys and accelerators, the modal loop, closing, and what a new
// window of the form keeps.
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/application.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A control on parent, at left, top, 100 x 25, whose entries and exits go
// to log.
template <class T = TEdit>
T* AddBox(TWinControl* parent, Log* log, const char* name, int left, int top)
{
    auto* box = AddControl<T>(parent, left, top, 100, 25);
    box->SetName(name);
    box->OnEnter = [log, box](TObject*) { log->push_back("enter " + box->Name()); };
    box->OnExit = [log, box](TObject*) { log->push_back("exit " + box->Name()); };
    return box;
}

// In tab order: First, Skipped (no tab stop), Second, Disabled, then the
// default button "&Save" and the cancel button.
struct DialogForm {
    Log log;
    FormPtr form = NewForm(320, 200);
    TEdit* first = AddBox(form.get(), &log, "First", 10, 10);
    TEdit* skipped = AddBox(form.get(), &log, "Skipped", 10, 40);
    TEdit* second = AddBox(form.get(), &log, "Second", 10, 70);
    TEdit* disabled = AddBox(form.get(), &log, "Disabled", 10, 100);
    TButton* ok = AddControl<TButton>(form.get(), 150, 130, 75, 25);
    TButton* cancel = AddControl<TButton>(form.get(), 150, 160, 75, 25);
    int okClicks = 0, cancelClicks = 0;

    DialogForm()
    {
        skipped->SetTabStop(false);
        disabled->SetEnabled(false);
        ok->SetCaption("&Save");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        ok->OnClick = [this](TObject*) { ++okClicks; };
        cancel->OnClick = [this](TObject*) { ++cancelClicks; };
    }
};

} // namespace

TEST(Focus, TabAndShiftTabCycleThroughTheTabOrder)
{
    DialogForm d;
    ShowAndWait(d.form.get());
    EXPECT_EQ(GetFocus(), d.first->Handle());  // showing focuses the first in tab order
    d.log.clear();
    PressKey(VK_TAB);
    EXPECT_EQ(d.form->ActiveControl(), d.second);
    EXPECT_EQ(d.log, (Log{"exit First", "enter Second"}));
    const std::pair<bool, TWinControl*> steps[] = {
        {false, d.ok}, {false, d.cancel}, {false, d.first}, {true, d.cancel}, {true, d.ok}};
    for (const auto& [shift, next] : steps) {
        PressKey(VK_TAB, shift);
        EXPECT_EQ(GetFocus(), next->Handle()) << next->Name();
    }
}

TEST(Focus, ContainersHearEnterAndExitOnlyWhenFocusCrossesThem)
{
    Log log;
    FormPtr form = NewForm();
    auto* panel = AddBox<TCustomControl>(form.get(), &log, "Panel", 0, 0);
    panel->SetBounds(0, 0, 200, 150);
    auto* a = AddBox(panel, &log, "A", 5, 5);
    auto* b = AddBox(panel, &log, "B", 5, 35);
    auto* outside = AddBox(form.get(), &log, "Outside", 210, 5);
    ShowAndWait(form.get());
    a->SetFocus();
    const std::pair<TEdit*, Log> steps[] = {
        {b, {"exit A", "enter B"}},
        {outside, {"exit B", "exit Panel", "enter Outside"}},
        {a, {"exit Outside", "enter Panel", "enter A"}},
    };
    for (const auto& [target, heard] : steps) {
        log.clear();
        target->SetFocus();
        EXPECT_EQ(log, heard);
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
    EXPECT_EQ(d.form->ModalResult(), mrOk);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(d.form->ModalResult(), mrCancel);
    EXPECT_EQ(GetFocus(), d.first->Handle());
    d.ok->SetEnabled(false);  // a disabled default button is left alone
    PressKey(VK_RETURN);
    d.ok->SetEnabled(true);
    d.cancel->SetFocus();  // a focused button takes Return itself
    PressKey(VK_RETURN);
    EXPECT_EQ(std::make_pair(d.okClicks, d.cancelClicks), std::make_pair(1, 2));
    PressKey('S', false, true);  // Alt+S focuses and clicks "&Save"
    EXPECT_EQ(GetFocus(), d.ok->Handle());
    PressKey('Q', false, true);
    EXPECT_EQ(std::make_pair(d.okClicks, d.cancelClicks), std::make_pair(2, 2));

    const std::pair<char, const char*> accels[] = {{'s', "&Save"}, {'S', "&save"}, {'c', "Fish && &Chips"}};
    for (const auto& [key, caption] : accels)
        EXPECT_TRUE(IsAccel(key, caption)) << key << " " << caption;
    EXPECT_FALSE(IsAccel('s', "Save"));
    EXPECT_FALSE(IsAccel('a', "Fish && &Chips"));
}

// The arrow keys move among the controls of one container, tab stops or
// not, wrapping round; a radio button they reach unchecked is clicked; an
// edit keeps the arrows for itself.
TEST(DialogKeys, ArrowsMoveAmongSiblingsAndClickTheRadioButtonsTheyReach)
{
    FormPtr form = NewForm();
    TRadioButton* radios[3];
    std::string clicks;
    for (int i = 0; i < 3; ++i) {
        radios[i] = AddControl<TRadioButton>(form.get(), 10, 10 + 25 * i, 100, 20);
        radios[i]->SetTabStop(i == 0);
        radios[i]->OnClick = [&clicks, i](TObject*) { clicks += char('A' + i); };
    }
    auto* edit = AddControl<TEdit>(form.get(), 10, 90, 100, 25);
    radios[0]->SetChecked(true);
    ShowAndWait(form.get());
    radios[1]->SetFocus();
    clicks.clear();
    const std::tuple<WORD, TWinControl*, const char*> steps[] = {
        {VK_UP, radios[0], ""},   {VK_DOWN, radios[1], "B"}, {VK_RIGHT, radios[2], "BC"},
        {VK_DOWN, edit, "BC"},    {VK_UP, edit, "BC"},
    };
    for (const auto& [key, focused, clicked] : steps) {
        PressKey(key);
        EXPECT_EQ(GetFocus(), focused->Handle()) << key;
        EXPECT_EQ(clicks, clicked) << key;
    }
    EXPECT_TRUE(radios[2]->Checked() && !radios[0]->Checked() && !radios[1]->Checked());
}

TEST(KeyEvents, HandlersSeeAndSwallowKeysShortcutsComeFirstAndAMemoKeepsReturn)
{
    DialogForm d;
    auto* memo = AddControl<TMemo>(d.form.get(), 230, 10, 80, 60);
    std::string typed;
    std::vector<unsigned short> downs;
    memo->OnKeyPress = [&](TObject*, char& key) {
        typed += key;
        if (key == 'b')
            key = 0;  // swallowed: the window never sees it
    };
    memo->OnKeyDown = [&](TObject*, unsigned short& key, unsigned) { downs.push_back(key); };
    d.form->OnShortCut = [&](TMessage& m, bool& handled) { handled = m.WParam == VK_F2; };
    ShowAndWait(d.form.get());
    memo->SetFocus();
    for (WORD key : {WORD('A'), WORD('B'), WORD(VK_F2), WORD('C'), WORD(VK_RETURN)})
        PressKey(key);
    EXPECT_EQ(typed, "abc\r");
    EXPECT_EQ(memo->Text(), "ac\r\n");
    EXPECT_EQ(downs, (std::vector<unsigned short>{'A', 'B', 'C', VK_RETURN}));  // F2 was the form's
    EXPECT_EQ(d.okClicks, 0);
}

TEST(Modal, TheLoopDisablesTheOtherWindowsAndGivesTheFocusBack)
{
    DialogForm owner, dialog;
    ShowAndWait(owner.form.get());
    owner.second->SetFocus();
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

    int queries = 0;  // closing ends the loop with a cancel, once no close query refuses
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
    TCountedForm* form = NewForm<TCountedForm>().release();
    TCloseAction next = caHide;
    bool allow = true;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnClose = [&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, caHide);  // the default offered
        action = next;
    };
    // Allowed, the action, and then: visible, minimized.
    const std::tuple<bool, TCloseAction, bool, bool> cases[] = {
        {false, caHide, true, false}, {true, caNone, true, false},
        {true, caMinimize, true, true}, {true, caHide, false, false}};
    for (const auto& [allowed, action, visible, iconic] : cases) {
        form->Show();
        form->SetWindowState(wsNormal);
        allow = allowed;
        next = action;
        SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(std::make_pair(IsWindowVisible(form->Handle()) != 0, IsIconic(form->Handle()) != 0),
                  std::make_pair(visible, iconic)) << action;
    }
    form->Show();
    next = caFree;
    TCountedForm::destroyed = 0;
    form->Close();
    EXPECT_EQ(TCountedForm::destroyed, 0);  // freed once the queued messages ran
    EXPECT_TRUE(PumpUntil([] { return TCountedForm::destroyed == 1; }));
}

TEST(FormWindow, OwnedByTheApplicationAndANewWindowKeepsIconChildrenAndVisibility)
{
    FormPtr form = NewForm(200, 100);
    form->Show();
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    form->SetIcon(&icon);
    auto* child = AddControl<TEdit>(form.get(), 0, 0, 50, 20);
    const std::pair<std::function<void()>, LONG_PTR> changes[] = {
        {[&] { form->SetBorderStyle(bsDialog); }, WS_EX_DLGMODALFRAME},
        {[&] { form->SetFormStyle(fsStayOnTop); }, WS_EX_TOPMOST},
    };
    for (const auto& [change, exStyle] : changes) {
        change();
        const HWND window = form->Handle();
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & exStyle, exStyle);
        const LRESULT icon = SendMessageA(window, WM_GETICON, ICON_BIG, 0);
        EXPECT_EQ(reinterpret_cast<HICON>(icon), form->Icon()->Handle());
        EXPECT_EQ(GetParent(child->Handle()), window);
        EXPECT_TRUE(IsWindowVisible(window));
    }
}
