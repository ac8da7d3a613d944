// The application object: the default exception box (captured and real),
// minimize and restore, and the main form's lifetime ending the loop.
// Run ends the process's loop for good, so its case comes last.
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/application.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TThrowingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override { throw EFCreateError("Cannot create file \"C:\\img\\disc.iso.cue\". Access is denied"); }
};

} // namespace

TEST(Exceptions, AnEscapingExceptionShowsTheDefaultBox)
{
    Application->SetTitle("Sheet Mill");
    struct {
        HWND owner;
        std::string text, caption;
        unsigned flags;
        int calls;
    } box{};
    Application->MessageBoxFunc = [&](HWND owner, const std::string& text, const std::string& caption,
                                      unsigned flags) {
        box = {owner, text, caption, flags, box.calls + 1};
        return IDOK;
    };
    FormPtr form = NewForm();
    auto* control = new TThrowingControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(0, 0, 50, 20);
    auto click = [&] {
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    control->OnClick = [](TObject*) { throw Exception("Stream write error"); };
    click();  // from a message handler, through the window procedure
    EXPECT_EQ(box.calls, 1);
    EXPECT_EQ(box.text, "Stream write error.");
    EXPECT_EQ(box.caption, "Sheet Mill");
    EXPECT_EQ(box.flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(box.owner, Application->Handle());

    form->Show();  // from painting, reached through the message loop
    InvalidateRect(control->Handle(), nullptr, TRUE);
    EXPECT_TRUE(PumpUntil([&] { return box.calls >= 2; }));
    EXPECT_EQ(box.text, "Cannot create file \"C:\\img\\disc.iso.cue\". Access is denied.");
    control->SetVisible(false);  // no more failing paints

    control->OnClick = [](TObject*) { throw Exception("Done."); };
    click();  // a message with its full stop gets no second one
    EXPECT_EQ(box.text, "Done.");
    const int calls = box.calls;
    std::string seen;
    Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
    click();  // OnException replaces the box
    Application->OnException = nullptr;
    Application->MessageBoxFunc = nullptr;
    EXPECT_EQ(seen, "Done.");
    EXPECT_EQ(box.calls, calls);
    PumpFor(20);
}

TEST(Exceptions, TheRealBoxBelongsToTheApplicationAndDisablesTheForms)
{
    Application->SetTitle("Sheet Mill");
    FormPtr form = NewForm();
    form->Show();
    const HWND formWindow = form->Handle();
    std::string text, caption;
    HWND owner = nullptr;
    bool formDisabled = false;
    DialogDriver driver([&](HWND box) {
        text = DialogItemText(box, 0xFFFF);
        caption = DialogItemText(box, 0);
        owner = GetWindow(box, GW_OWNER);
        formDisabled = !IsWindowEnabled(formWindow);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    try {
        throw EFOpenError("Cannot open file \"x.cue\". The system cannot find the file specified");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    ASSERT_TRUE(driver.Handled());
    EXPECT_EQ(text, "Cannot open file \"x.cue\". The system cannot find the file specified.");
    EXPECT_EQ(caption, "Sheet Mill");
    EXPECT_EQ(owner, Application->Handle());
    EXPECT_TRUE(formDisabled);
    EXPECT_TRUE(IsWindowEnabled(formWindow));
}

TEST(ApplicationWindow, MinimizeAndRestoreTellTheirEvents)
{
    int minimized = 0, restored = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    Application->OnRestore = [&](TObject*) { ++restored; };
    Application->Minimize();
    EXPECT_TRUE(IsIconic(Application->Handle()));
    Application->Minimize();  // already minimized: nothing
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Application->Handle()));
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
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
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_EQ(main->Owner(), Application);
    main->SetBounds(100, 100, 400, 300);
    editor->SetBounds(0, 0, 200, 100);
    editor->SetPosition(poMainFormCenter);
    editor->OnShow = [&](TObject*) { PostMessageA(editor->Handle(), WM_CLOSE, 0, 0); };

    // Once the loop runs: the editor modally, then close the main form.
    int editorResult = -1;
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
    EXPECT_EQ(editor->Left(), 100 + (400 - 200) / 2);
    EXPECT_EQ(editor->Top(), 100 + (300 - 100) / 2);
    EXPECT_EQ(WindowText(Application->Handle()), "Sheet Mill");
    EXPECT_TRUE(IsWindow(main->Handle()));  // the main form stays until the end
}
