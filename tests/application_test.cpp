// The application object: the default exception box (captured and real),
// minimize and restore, and the main form's lifetime ending the loop.
// Run ends the process's loop for good, so its case comes last.
#include "framework/forms/application.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/screen.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

struct BoxCall {
    HWND owner = nullptr;
    std::string text, caption;
    unsigned flags = 0;
    int calls = 0;
};

// Captures the application's message boxes for one test.
class CapturedBoxes {
public:
    CapturedBoxes()
    {
        Application->MessageBoxFunc = [this](HWND owner, const std::string& text,
                                             const std::string& caption, unsigned flags) {
            last.owner = owner;
            last.text = text;
            last.caption = caption;
            last.flags = flags;
            ++last.calls;
            return IDOK;
        };
    }
    ~CapturedBoxes() { Application->MessageBoxFunc = nullptr; }
    BoxCall last;
};

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
    CapturedBoxes boxes;
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    auto* control = new TThrowingControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(0, 0, 50, 20);
    control->OnClick = [](TObject*) { throw Exception("Stream write error"); };

    // From a message handler, through the window procedure.
    SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(boxes.last.calls, 1);
    EXPECT_EQ(boxes.last.text, "Stream write error.");
    EXPECT_EQ(boxes.last.caption, "Sheet Mill");
    EXPECT_EQ(boxes.last.flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(boxes.last.owner, Application->Handle());

    // From painting, reached through the message loop.
    form->Show();
    InvalidateRect(control->Handle(), nullptr, TRUE);
    PumpUntil([&] { return boxes.last.calls >= 2; });
    EXPECT_EQ(boxes.last.text, "Cannot create file \"C:\\img\\disc.iso.cue\". Access is denied.");

    // A message that already ends with a full stop gets no second one.
    control->OnClick = [](TObject*) { throw Exception("Done."); };
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    try {
        control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    } catch (...) {
        Application->HandleException(control);
    }
    EXPECT_EQ(boxes.last.text, "Done.");

    // OnException replaces the box.
    std::string seen;
    Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
    SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Application->OnException = nullptr;
    EXPECT_EQ(seen, "Done.");
    control->SetVisible(false);  // no more failing paints
    PumpFor(20);
}

namespace {

BOOL CALLBACK FindOurBox(HWND window, LPARAM data)
{
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

TEST(Exceptions, TheRealBoxCarriesTheTextAndTheTitle)
{
    Application->SetTitle("Sheet Mill");
    std::string text, caption;
    bool ownerDisabled = false;
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    form->Show();
    HWND formWindow = form->Handle();
    std::atomic<bool> found{false};
    std::thread reader([&] {
        for (int i = 0; i < 400 && !found; ++i) {
            HWND box = nullptr;
            EnumWindows(FindOurBox, reinterpret_cast<LPARAM>(&box));
            if (box) {
                char buffer[256] = {};
                GetWindowTextA(box, buffer, sizeof buffer);
                caption = buffer;
                SendMessageA(GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof buffer,
                             reinterpret_cast<LPARAM>(buffer));
                text = buffer;
                ownerDisabled = !IsWindowEnabled(formWindow);
                found = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    try {
        throw EFOpenError("Cannot open file \"x.cue\". The system cannot find the file specified");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    reader.join();
    ASSERT_TRUE(found);
    EXPECT_EQ(text, "Cannot open file \"x.cue\". The system cannot find the file specified.");
    EXPECT_EQ(caption, "Sheet Mill");
    EXPECT_TRUE(ownerDisabled);
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
    EXPECT_EQ(minimized, 1);
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Application->Handle()));
    EXPECT_EQ(restored, 1);
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
    ShowWindow(Application->Handle(), SW_HIDE);
}

namespace {

class TMainForm : public TForm {
public:
    using TForm::TForm;
};

class TEditorForm : public TForm {
public:
    using TForm::TForm;
};

} // namespace

TEST(ApplicationRun, TheFirstFormIsTheMainFormAndClosingItEndsTheLoop)
{
    Application->SetTitle("Sheet Mill");
    Application->Initialize();
    TMainForm* main = nullptr;
    TEditorForm* editor = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(editor);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_EQ(main->Owner(), Application);
    main->SetBounds(100, 100, 400, 300);

    int editorResult = -1;
    TModalResult* resultSlot = &editorResult;
    editor->SetBounds(0, 0, 200, 100);
    editor->SetPosition(poMainFormCenter);
    editor->OnShow = [&](TObject*) { PostMessageA(editor->Handle(), WM_CLOSE, 0, 0); };
    main->OnShow = [&](TObject*) {
        PostMessageA(main->Handle(), WM_APP, 0, 0);
    };
    // Once the loop runs: the editor modally, then close the main form.
    TWndMethod old = main->WindowProc;
    main->WindowProc = [&, old, resultSlot](TMessage& m) {
        if (m.Msg == WM_APP) {
            *resultSlot = editor->ShowModal();
            PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
            return;
        }
        old(m);
    };
    char title[64] = {};
    Application->Run();
    GetWindowTextA(Application->Handle(), title, sizeof title);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(editorResult, mrCancel);
    EXPECT_EQ(editor->Left(), 100 + (400 - 200) / 2);
    EXPECT_EQ(editor->Top(), 100 + (300 - 100) / 2);
    EXPECT_STREQ(title, "Sheet Mill");
    main->WindowProc = old;
    EXPECT_TRUE(IsWindow(main->Handle()));  // the main form stays until the end
}
