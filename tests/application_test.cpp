// The application object: the default exception box, minimize and restore,
// and the main form's lifetime ending the loop. Run ends the process's loop
// for good, so its case comes last.
#include "framework/components/timer.h"
#include "framework/controls/edit.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/application.h"
#include "framework/forms/dialogs.h"
#include "framework/forms/inputbox.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TThrowingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override { throw EFCreateError("Cannot create file \"C:\\disc.iso.cue\". Access is denied"); }
};

} // namespace

TEST(Exceptions, AnEscapingExceptionShowsTheDefaultBoxOrGoesToOnException)
{
    Application->SetTitle("Sheet Mill");
    std::vector<std::string> boxes;  // text, caption, owner and flags of each box
    Application->MessageBoxFunc = [&](HWND owner, const std::string& text, const std::string& caption,
                                      unsigned flags) {
        boxes.push_back(text + "|" + caption + (owner == Application->Handle() ? "|app|" : "|?|") +
                        std::to_string(flags));
        return IDOK;
    };
    FormPtr form = NewForm();
    auto* control = AddControl<TThrowingControl>(form.get(), 0, 0, 50, 20);
    auto click = [&](const char* error) {
        control->OnClick = [error](TObject*) { throw Exception(error); };
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    const std::string stop = "|Sheet Mill|app|" + std::to_string(MB_OK | MB_ICONSTOP);
    click("Stream write error");  // from a message handler, through the window procedure
    click("Done.");               // a full stop already there: no second one
    EXPECT_EQ(boxes, (std::vector<std::string>{"Stream write error." + stop, "Done." + stop}));
    form->Show();  // from painting, reached through the message loop
    InvalidateRect(control->Handle(), nullptr, TRUE);
    EXPECT_TRUE(PumpUntil([&] { return boxes.size() > 2; }));
    control->SetVisible(false);  // no more failing paints
    EXPECT_EQ(boxes[2], "Cannot create file \"C:\\disc.iso.cue\". Access is denied." + stop);
    TTimer timer(nullptr);  // from a timer's tick; a box of another kind is closed
    DialogDriver other(CancelDialog, 2000);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) {
        timer.SetEnabled(false);
        throw Exception("Tick failed");
    });
    EXPECT_TRUE(PumpUntil([&] { return boxes.size() > 3; }));
    EXPECT_EQ(boxes.back(), "Tick failed." + stop);

    std::string seen;
    Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
    const size_t shown = boxes.size();
    click("Replaced");  // OnException replaces the box
    Application->OnException = nullptr;
    Application->MessageBoxFunc = nullptr;
    EXPECT_EQ(seen, "Replaced");
    EXPECT_EQ(boxes.size(), shown);
    PumpFor(20);
}

TEST(ApplicationWindow, MinimizeAndRestoreTellTheirEventsOnce)
{
    int minimized = 0, restored = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    Application->OnRestore = [&](TObject*) { ++restored; };
    Application->Minimize();
    Application->Minimize();  // already minimized: nothing
    EXPECT_TRUE(IsIconic(Application->Handle()));
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(std::make_pair(minimized, restored), std::make_pair(1, 1));
    Application->OnMinimize = Application->OnRestore = nullptr;
    ShowWindow(Application->Handle(), SW_HIDE);
}

// Every system window the framework shows leaves the focus where it was,
// though the boxes are owned by the (shown) application window; and focus
// that lands on that window itself goes on to the active form.
TEST(ApplicationWindow, FocusComesBackAfterEveryBoxAndDialog)
{
    ShowWindow(Application->Handle(), SW_SHOWNA);  // as the running program has it
    FormPtr form = NewForm();
    AddControl<TEdit>(form.get(), 10, 10, 100, 25);
    TEdit* second = AddControl<TEdit>(form.get(), 10, 50, 100, 25);
    ShowAndWait(form.get());
    second->SetFocus();
    TOpenDialog open(nullptr);
    TSaveDialog save(nullptr);
    const std::pair<const char*, std::function<void()>> shows[] = {
        {"message box", [] { Application->MessageBox("Text", "Caption", MB_OK); }},
        {"exception box", [] { Application->ShowException(Exception("Failed")); }},
        {"open dialog", [&] { open.Execute(); }},
        {"save dialog", [&] { save.Execute(); }},
        {"input box", [] { InputBox("Caption", "Prompt", ""); }},
        {"application window", [] { SetFocus(Application->Handle()); }},
    };
    for (const auto& [name, show] : shows) {
        DialogDriver driver(CancelDialog, 3000);
        show();
        PumpFor(50);
        EXPECT_EQ(GetActiveWindow(), form->Handle()) << name;
        EXPECT_EQ(GetFocus(), second->Handle()) << name;
    }
    ShowWindow(Application->Handle(), SW_HIDE);
}

TEST(ApplicationRun, TheFirstFormIsTheMainFormAndClosingItEndsTheLoop)
{
    Application->SetTitle("Sheet Mill");
    Application->Initialize();
    TForm* main = nullptr;
    TForm* editor = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(editor);
    EXPECT_EQ(Application->MainForm(), main);
    main->SetBounds(100, 100, 400, 300);
    editor->SetBounds(0, 0, 200, 100);
    editor->SetPosition(poMainFormCenter);
    editor->OnShow = [&](TObject*) { PostMessageA(editor->Handle(), WM_CLOSE, 0, 0); };
    int editorResult = -1;  // once the loop runs: the editor modally, then close the main form
    main->OnShow = [&](TObject*) { PostMessageA(main->Handle(), WM_APP, 0, 0); };
    TWndMethod old = main->WindowProc;
    main->WindowProc = [&, old](TMessage& m) {
        if (m.Msg != WM_APP)
            return old(m);
        editorResult = editor->ShowModal();
        PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    };
    Application->Run();
    main->WindowProc = old;
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(editorResult, mrCancel);
    EXPECT_EQ(std::make_pair(editor->Left(), editor->Top()), std::make_pair(200, 200));
    EXPECT_EQ(WindowText(Application->Handle()), "Sheet Mill");
    EXPECT_TRUE(IsWindow(main->Handle()));  // the main form stays until the end
}
