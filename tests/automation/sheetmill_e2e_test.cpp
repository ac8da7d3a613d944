// The real program driven from outside as a person would use it: its own
// windows, the real file dialogs and message boxes, real files on disk.
#include "tests/automation/automation.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const char* const Exe = SHEETMILL_EXE;

std::string SheetFor(const std::string& name)
{
    return "FILE \"" + name + "\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00";
}

// A direct child by its class and the caption it shows.
HWND ChildWithCaption(HWND parent, const std::string& className, const std::wstring& caption)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassNameOf(child) == className && StoredWindowText(child) == caption)
            return child;
    return nullptr;
}

// One run of the program in a folder of its own, with its main window's
// controls found by their classes and captions.
class SheetMillRun {
public:
    explicit SheetMillRun(const TempFolder& folder) : process_(Exe, "", folder.Path())
    {
        main = WaitFor([&] { return FindTopWindow(process_.Id(), "TForm1"); });
        if (!main)
            return;
        doc = FindDescendant(main, "TEdit.EDIT");
        pick = FindDescendant(main, "TButton.BUTTON", "...");
        dcd = ChildWithCaption(main, "TRadioButton.BUTTON", L"Automatycznie");
        acd = ChildWithCaption(main, "TRadioButton.BUTTON", L"R\u0119cznie");
        progre = FindDescendant(main, "TProgressBar.msctls_progress32");
    }

    DWORD Id() const { return process_.Id(); }
    TestProcess& Process() { return process_; }

    // "..." and the open dialog; an empty path cancels it.
    void Pick(const std::wstring& path)
    {
        Click(pick);
        HWND dialog = WaitForFileDialog(Id());
        ASSERT_NE(dialog, nullptr);
        if (path.empty())
            PressDialogButton(dialog, IDCANCEL);
        else
            AcceptFileDialogWide(dialog, path);
    }

    // The next message box, answered with OK once read.
    MessageBoxSeen Answer()
    {
        MessageBoxSeen box = WaitForMessageBox(Id());
        if (box.window) {
            PressDialogButton(box.window, IDOK);
            WaitUntilGone(box.window);
        }
        return box;
    }

    int Position() const { return int(SendMessageA(progre, PBM_GETPOS, 0, 0)); }
    int Max() const { return int(SendMessageA(progre, PBM_GETRANGE, FALSE, 0)); }
    bool Checked(HWND radio) const { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // "Ręcznie": the editor shows modally over a disabled main window.
    HWND OpenEditor()
    {
        Click(acd);
        return WaitFor([&] { return FindTopWindow(Id(), "TForm2"); });
    }

    HWND main = nullptr, doc = nullptr, pick = nullptr, dcd = nullptr, acd = nullptr,
         progre = nullptr;

private:
    TestProcess process_;
};

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

TEST(SheetMillMain, StartsWithItsControlsAndEndsWhenClosed)
{
    TempFolder folder;
    SheetMillRun run(folder);
    ASSERT_NE(run.main, nullptr);
    EXPECT_EQ(StoredWindowText(run.main), L"Sheet Mill by Quillon v. 0.2beta");
    RECT client;
    GetClientRect(run.main, &client);
    EXPECT_EQ(client.right, 294);
    EXPECT_EQ(client.bottom, 89);
    // Centred on the desktop, whatever the stored place.
    RECT frame;
    GetWindowRect(run.main, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    // Only a close button, no sizing frame.
    const LONG style = GetWindowLongA(run.main, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(style & WS_SYSMENU);

    // "Ręcznie" shows whole, though the ANSI code page has no "ę".
    ASSERT_NE(run.acd, nullptr);
    EXPECT_TRUE(run.Checked(run.dcd));
    EXPECT_FALSE(run.Checked(run.acd));
    EXPECT_EQ(run.Position(), 0);
    EXPECT_EQ(run.Max(), 100);
    EXPECT_EQ(WindowText(run.doc), "");
    // The editor is made at start-up but stays hidden.
    EXPECT_EQ(FindTopWindow(run.Id(), "TForm2"), nullptr);

    PostMessageA(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 1;
    EXPECT_TRUE(run.Process().WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

TEST(SheetMillMain, WritesTheSheetBesideThePickedImage)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "image");
    WriteFileBytes("my disc.bin", "image");
    SheetMillRun run(folder);
    ASSERT_NE(run.main, nullptr);

    // Cancelled before anything was picked: the error, nothing written.
    run.Pick(L"");
    MessageBoxSeen box = run.Answer();
    EXPECT_EQ(box.caption, "Blad !");
    EXPECT_EQ(box.text, "Nie podales pliku obrazu plyty CD...");
    EXPECT_EQ(WindowText(run.doc), "");
    EXPECT_EQ(run.Position(), 0);

    run.Pick(Wide(folder.PathOf("disc.iso")));
    box = run.Answer();
    EXPECT_EQ(box.caption, "Plik *.cue gotowy !");
    EXPECT_EQ(box.text, "Plik *.cue zostal stworzony w katalogu z obrazem plyty...");
    EXPECT_EQ(ReadFileBytes(folder.PathOf("disc.iso.cue")), SheetFor("disc.iso"));
    EXPECT_EQ(WindowText(run.doc), folder.PathOf("disc.iso"));
    EXPECT_EQ(run.Position(), 99);

    // A later cancel writes the last accepted image's sheet again, beside
    // the image, even when the dialog was taken to another folder first.
    DeleteFileA(folder.PathOf("disc.iso.cue").c_str());
    CreateDirectoryA(folder.PathOf("elsewhere").c_str(), nullptr);
    Click(run.pick);
    HWND dialog = WaitForFileDialog(run.Id());
    ASSERT_NE(dialog, nullptr);
    AcceptFileDialog(dialog, folder.PathOf("elsewhere"));
    Sleep(500);
    ASSERT_TRUE(IsWindowVisible(dialog));
    PressDialogButton(dialog, IDCANCEL);
    box = run.Answer();
    EXPECT_FALSE(FileExists(folder.PathOf("elsewhere\\disc.iso.cue")));
    EXPECT_EQ(box.caption, "Plik *.cue gotowy !");
    EXPECT_EQ(ReadFileBytes(folder.PathOf("disc.iso.cue")), SheetFor("disc.iso"));
    EXPECT_EQ(WindowText(run.doc), folder.PathOf("disc.iso"));
    EXPECT_EQ(run.Position(), 99);

    // Blanks stand in the name as they are; an old sheet is overwritten
    // without a question.
    WriteFileBytes(folder.PathOf("my disc.bin.cue"), "old sheet, longer than the new one......"
                                                     "..............................");
    run.Pick(Wide(folder.PathOf("my disc.bin")));
    box = run.Answer();
    EXPECT_EQ(box.caption, "Plik *.cue gotowy !");
    EXPECT_EQ(ReadFileBytes(folder.PathOf("my disc.bin.cue")), SheetFor("my disc.bin"));
    EXPECT_FALSE(DialogShown(run.Id()));
}

TEST(SheetMillMain, ReportsASheetThatCannotBeWrittenAndStops)
{
    TempFolder folder;
    WriteFileBytes("disc.bin", "image");
    // A folder where the sheet should go: the file cannot be created.
    CreateDirectoryA(folder.PathOf("disc.bin.cue").c_str(), nullptr);
    SheetMillRun run(folder);
    ASSERT_NE(run.main, nullptr);

    run.Pick(Wide(folder.PathOf("disc.bin")));
    MessageBoxSeen box = run.Answer();
    EXPECT_EQ(box.caption, "Sheet Mill");
    const std::string start = "Cannot create file \"" + folder.PathOf("disc.bin.cue") + "\". ";
    EXPECT_EQ(box.text.substr(0, start.size()), start) << box.text;
    EXPECT_EQ(box.text.back(), '.');
    // Nothing after the failure ran: no success box, the bar did not move.
    Sleep(300);
    EXPECT_FALSE(DialogShown(run.Id()));
    EXPECT_EQ(run.Position(), 0);
    EXPECT_EQ(WindowText(run.doc), folder.PathOf("disc.bin"));
}

TEST(SheetMillMain, RefusesAnImageNameTheCodePageCannotSpell)
{
    TempFolder folder;
    const std::wstring image = Wide(folder.Path()) + L"\\p\u0142yta.bin";  // ł is not in 1252
    HANDLE file = CreateFileW(image.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    SheetMillRun run(folder);
    ASSERT_NE(run.main, nullptr);

    run.Pick(image);
    MessageBoxSeen box = run.Answer();
    EXPECT_EQ(box.caption, "Blad !");
    EXPECT_EQ(box.text, "Nazwa pliku zawiera znaki spoza strony kodowej systemu. "
                        "Plik *.cue nie zostal stworzony, zmien nazwe pliku...");
    Sleep(300);
    EXPECT_FALSE(DialogShown(run.Id()));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.PathOf("*.cue").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    EXPECT_EQ(run.Position(), 0);
}

// The input box: caption, prompt, and OK with a name or Cancel.
void AnswerInputBox(DWORD processId, const std::string& name, bool confirm)
{
    HWND box = WaitForDialogWith(processId, 101);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Nazwa pliku obrazu");
    EXPECT_EQ(WindowText(GetDlgItem(box, 100)), "Nazwa pliku obrazu");
    SendMessageA(GetDlgItem(box, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PressDialogButton(box, confirm ? IDOK : IDCANCEL);
    WaitUntilGone(box);
}

HWND Button(HWND form, const char* caption) { return FindDescendant(form, "TButton.BUTTON", caption); }

// Clicks an editor button that opens a file dialog and accepts path in it;
// the dialog, or null when none came.
HWND ChooseInEditor(DWORD processId, HWND editor, const char* button, const std::string& path)
{
    Click(Button(editor, button));
    HWND dialog = WaitForFileDialog(processId);
    if (dialog)
        AcceptFileDialog(dialog, path);
    return dialog;
}

TEST(SheetMillEditor, OpensModallyAndFillsLoadsAndSavesSheets)
{
    TempFolder folder;
    WriteFileBytes("lf.cue", "one\ntwo\nthree");
    WriteFileBytes("cr.cue", "uno\rdos");
    WriteFileBytes("huge.cue", std::string(70000, 'x'));
    WriteSparseFile("vast.cue", (int64_t(1) << 32) + 3);
    WriteFileBytes("saved.cue", "an older file that is longer than what comes..........");
    SheetMillRun run(folder);
    ASSERT_NE(run.main, nullptr);

    HWND editor = run.OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(StoredWindowText(editor), L"Edytor Cue");
    EXPECT_FALSE(IsWindowEnabled(run.main));
    RECT client;
    GetClientRect(editor, &client);
    EXPECT_EQ(client.right, 274);
    EXPECT_EQ(client.bottom, 198);
    // Centred over the main window.
    RECT mainFrame, editorFrame;
    GetWindowRect(run.main, &mainFrame);
    GetWindowRect(editor, &editorFrame);
    EXPECT_NEAR(editorFrame.left + editorFrame.right, mainFrame.left + mainFrame.right, 2);
    EXPECT_NEAR(editorFrame.top + editorFrame.bottom, mainFrame.top + mainFrame.bottom, 2);
    HWND memo = FindDescendant(editor, "TMemo.EDIT");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(WindowText(memo), "");

    Click(Button(editor, "CUE"));
    AnswerInputBox(run.Id(), "disc.bin", true);
    EXPECT_EQ(WindowText(memo), SheetFor("disc.bin"));

    // Saved with CR LF between the lines and none after the last, over an
    // existing file without a question.
    HWND dialog = ChooseInEditor(run.Id(), editor, "Zapisz", folder.PathOf("saved.cue"));
    ASSERT_NE(dialog, nullptr);
    WaitUntilGone(dialog);
    WaitFor([&]() -> HWND {
        return ReadFileBytes(folder.PathOf("saved.cue")) == SheetFor("disc.bin") ? memo : nullptr;
    }, 5000);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("saved.cue")), SheetFor("disc.bin"));
    Sleep(200);
    EXPECT_FALSE(DialogShown(run.Id()));

    // "Zapisz" cancelled writes nothing.
    Click(Button(editor, "Zapisz"));
    dialog = WaitForFileDialog(run.Id());
    ASSERT_NE(dialog, nullptr);
    PressDialogButton(dialog, IDCANCEL);
    WaitUntilGone(dialog);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("saved.cue")), SheetFor("disc.bin"));
    EXPECT_FALSE(DialogShown(run.Id()));

    // Cancel still fills the template, with an empty name.
    Click(Button(editor, "CUE"));
    AnswerInputBox(run.Id(), "ignored.bin", false);
    EXPECT_EQ(WindowText(memo), SheetFor(""));

    // Any line breaks load as lines.
    dialog = ChooseInEditor(run.Id(), editor, "Wczytaj", folder.PathOf("lf.cue"));
    ASSERT_NE(dialog, nullptr);
    WaitUntilGone(dialog);
    EXPECT_EQ(WindowText(memo), "one\r\ntwo\r\nthree");
    dialog = ChooseInEditor(run.Id(), editor, "Wczytaj", folder.PathOf("cr.cue"));
    ASSERT_NE(dialog, nullptr);
    WaitUntilGone(dialog);
    EXPECT_EQ(WindowText(memo), "uno\r\ndos");

    // A file that cannot be opened: the framework's box, the memo as it was.
    dialog = ChooseInEditor(run.Id(), editor, "Wczytaj", folder.PathOf("missing.cue"));
    ASSERT_NE(dialog, nullptr);
    MessageBoxSeen box = run.Answer();
    EXPECT_EQ(box.caption, "Sheet Mill");
    const std::string start = "Cannot open file \"" + folder.PathOf("missing.cue") + "\". ";
    EXPECT_EQ(box.text.substr(0, start.size()), start) << box.text;
    EXPECT_EQ(WindowText(memo), "uno\r\ndos");

    // More text than the memo holds: refused, the memo as it was.
    dialog = ChooseInEditor(run.Id(), editor, "Wczytaj", folder.PathOf("huge.cue"));
    ASSERT_NE(dialog, nullptr);
    box = run.Answer();
    EXPECT_EQ(box.caption, "Sheet Mill");
    EXPECT_EQ(box.text, "Text exceeds memo capacity.");
    EXPECT_EQ(WindowText(memo), "uno\r\ndos");

    // Far more than the memo holds (4 GiB and 3 bytes, sparse): refused before
    // it is read, not cut down to what a 32-bit size would keep.
    dialog = ChooseInEditor(run.Id(), editor, "Wczytaj", folder.PathOf("vast.cue"));
    ASSERT_NE(dialog, nullptr);
    box = run.Answer();
    EXPECT_EQ(box.text, "Text exceeds memo capacity.");
    EXPECT_EQ(WindowText(memo), "uno\r\ndos");

    // Closed, the main window is back in automatic mode; reopened, the
    // editor still holds its text.
    PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&]() -> HWND { return IsWindowVisible(editor) ? nullptr : editor; });
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_TRUE(IsWindowEnabled(run.main));
    EXPECT_TRUE(run.Checked(run.dcd));
    EXPECT_FALSE(run.Checked(run.acd));

    editor = run.OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(WindowText(FindDescendant(editor, "TMemo.EDIT")), "uno\r\ndos");
    PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&]() -> HWND { return IsWindowVisible(editor) ? nullptr : editor; });

    PostMessageA(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(run.Process().WaitForExit(10000));
}

} // namespace
