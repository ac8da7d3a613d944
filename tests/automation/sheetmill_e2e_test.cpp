// The real program driven from outside as a person would use it: its own
// windows, the real file dialogs and message boxes, real files on disk.
#include "tests/automation/sheetmilldriver.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/keyinput.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <tuple>

namespace {

const char DoneCaption[] = "Plik *.cue gotowy !";
const char DoneText[] = "Plik *.cue zostal stworzony w katalogu z obrazem plyty...";
const char UnwritableName[] = "Nazwa pliku zawiera znaki spoza strony kodowej systemu. "
                              "Plik *.cue nie zostal stworzony, zmien nazwe pliku...";
const char UnloadableName[] = "Nazwa pliku zawiera znaki spoza strony kodowej systemu. "
                              "Plik *.cue nie moze zostac wczytany, zmien nazwe pliku...";

std::string SheetFor(const std::string& name)
{
    return "FILE \"" + name + "\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00";
}

// The next box: its words and its icon (MB_ICONSTOP or MB_ICONINFORMATION), answered.
void ExpectBox(SheetMillDriver& run, const std::string& caption, const std::string& text, UINT icon)
{
    const MessageBoxSeen box = run.Answer();
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, run.SystemIcon(icon)) << "not the icon of style " << icon;
}

// What the frame answers the system's hit test along its outer edges and
// across the middle of its caption.
std::set<LRESULT> FrameHits(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int captionY = (frame.top + client.y) / 2;
    std::set<LRESULT> hits;
    auto hit = [&](LONG x, LONG y) { hits.insert(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y))); };
    // Every third point, and the corners: a caption button is wider.
    for (LONG x = frame.left; x < frame.right + 2; x += 3)
        for (LONG y : {frame.top, LONG(captionY), frame.bottom - 1})
            hit(std::min(x, frame.right - 1), y);
    for (LONG y = frame.top; y < frame.bottom + 2; y += 3)
        for (LONG x : {frame.left, frame.right - 1})
            hit(x, std::min(y, frame.bottom - 1));
    return hits;
}

// The caption, the client area's size, the frame centred over another
// window's, and only a close button and no sizing edge on it.
void ExpectWindow(HWND window, const wchar_t* caption, int width, int height, HWND over)
{
    EXPECT_EQ(StoredWindowText(window), caption);
    const std::set<LRESULT> hits = FrameHits(window);
    EXPECT_TRUE(hits.count(HTCLOSE) && hits.count(HTCAPTION));
    for (LRESULT part : {HTLEFT, HTRIGHT, HTTOP, HTTOPLEFT, HTTOPRIGHT, HTBOTTOM, HTBOTTOMLEFT,
                         HTBOTTOMRIGHT, HTMINBUTTON, HTMAXBUTTON, HTSYSMENU, HTHELP})
        EXPECT_EQ(hits.count(part), 0u) << "hit-test answer " << part;
    RECT client, frame, other;
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    GetWindowRect(over, &other);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    EXPECT_NEAR(frame.left + frame.right, other.left + other.right, 2);
    EXPECT_NEAR(frame.top + frame.bottom, other.top + other.bottom, 2);
}

// Every entry of a folder with its attributes, size and write time: a file
// written, made or touched shows as a difference.
auto ListFolder(const std::string& folder)
{
    std::map<std::wstring, std::tuple<DWORD, DWORD, DWORD, DWORD>> listing;
    WIN32_FIND_DATAW e;
    HANDLE search = FindFirstFileW((Wide(folder) + L"\\*").c_str(), &e);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &e))
        listing[e.cFileName] = {e.dwFileAttributes, e.nFileSizeLow, e.nFileSizeHigh,
                                e.ftLastWriteTime.dwLowDateTime};
    FindClose(search);
    return listing;
}

// Numbered lines, CR LF after each, up to at least size bytes: ordinary
// text, lines indented by a tab, and lines of eight characters, the shapes
// that cost the native memo most per byte.
std::string NumberedLines(size_t size, const char* before, const char* after)
{
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += before + std::to_string(10000000 + i) + after + "\r\n";
    return text;
}
std::string OrdinaryFile(size_t size)
{
    return NumberedLines(size, "Line ", " of an ordinary text, caf\xE9 na\xEFve.");
}

// A megabyte of ordinary lines loads in about a second on a quiet machine;
// the shared test machines, busy, take up to three times as long. A frozen
// editor takes tens of seconds.
constexpr double BusyMachineSeconds = 5.0;

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds from now until the picked file's handler has run and the editor's
// memo (found again: it may be a new window) has painted.
double SecondsUntilShown(SheetMillDriver& run)
{
    const auto start = std::chrono::steady_clock::now();
    SendMessageTimeoutA(run.editor, WM_NULL, 0, 0, SMTO_NORMAL, 30000, nullptr);
    run.FindMemo();
    WaitFor([&] { return GetUpdateRect(run.memo, nullptr, FALSE) ? nullptr : run.memo; });
    return SecondsSince(start);
}

TEST(SheetMill, WritesTheSheetBesideThePickedImage)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "image");
    WriteFileBytes("my disc.bin", "image");
    WriteFileBytes("my disc.bin.cue", std::string(100, 'o'));  // replaced without a question
    CreateDirectoryA("elsewhere", nullptr);
    SheetMillDriver run(SHEETMILL_EXE, folder.Path());

    // Blanks stand in the name as they are.
    for (const char* image : {"disc.iso", "my disc.bin"}) {
        ASSERT_TRUE(run.ChooseFile(run.pick, Wide(folder.PathOf(image))));
        ExpectBox(run, DoneCaption, DoneText, MB_ICONINFORMATION);
        EXPECT_EQ(ReadFileBytes(folder.PathOf(image) + ".cue"), SheetFor(image));
        EXPECT_EQ(WindowText(run.doc), folder.PathOf(image));
        EXPECT_EQ(run.Position(), 99);
    }

    // A later cancel writes the last image's sheet again, beside the image,
    // even when the dialog was first taken to another folder (made current).
    DeleteFileA("my disc.bin.cue");
    Click(run.pick);
    HWND dialog = WaitForFileDialog(run.process.Id());
    ASSERT_NE(dialog, nullptr);
    AcceptFileDialog(dialog, folder.PathOf("elsewhere"));
    Sleep(500);
    ASSERT_TRUE(IsWindowVisible(dialog));
    PressDialogButton(dialog, IDCANCEL);
    ExpectBox(run, DoneCaption, DoneText, MB_ICONINFORMATION);
    EXPECT_EQ(ReadFileBytes("my disc.bin.cue"), SheetFor("my disc.bin"));
}

// The progress run lets queued input through: clicks on "..." queued
// behind the dialog's OK arrive while the handler runs, and must neither
// open a second dialog nor write or report a second time.
TEST(SheetMill, ClicksOnPickWhileTheSheetIsMadeAreIgnored)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "image");
    SheetMillDriver run(SHEETMILL_EXE, folder.Path());
    Click(run.pick);
    HWND dialog = WaitForFileDialog(run.process.Id());
    ASSERT_NE(dialog, nullptr);
    AcceptFileDialogWide(dialog, Wide(folder.PathOf("disc.iso")));
    Click(run.pick);
    Click(run.pick);
    ExpectBox(run, DoneCaption, DoneText, MB_ICONINFORMATION);
    Sleep(500);
    EXPECT_FALSE(DialogShown(run.process.Id()));
    EXPECT_EQ(ReadFileBytes("disc.iso.cue"), SheetFor("disc.iso"));
    EXPECT_EQ(run.Position(), 99);

    // Once the handler is over, "..." works again.
    ASSERT_TRUE(run.ChooseFile(run.pick, Wide(folder.PathOf("disc.iso"))));
    ExpectBox(run, DoneCaption, DoneText, MB_ICONINFORMATION);
}

TEST(SheetMill, StartsFillsLoadsAndSavesInTheEditorAndEndsWhenClosed)
{
    TempFolder folder;
    WriteFileBytes("lf.cue", "one\ntwo\nthree");
    WriteFileBytes("cr.cue", "uno\rdos");
    const std::string ordinary = OrdinaryFile(1000000),
                      tabbed = NumberedLines(1000000, "\tTRACK ", " of an indented text"),
                      shortLines = NumberedLines(1000000, "", "");
    std::string everyByte(1, '\0');  // in CR LF form
    for (int byte = 1; byte < 256; ++byte)
        everyByte += byte == '\r' || byte == '\n' ? std::string("\r\n") : std::string(1, char(byte));
    WriteFileBytes("ordinary.cue", ordinary);
    WriteFileBytes("tabbed.cue", tabbed);
    WriteFileBytes("short.cue", shortLines);
    WriteFileBytes("bytes.cue", everyByte);
    WriteFileBytes("long.cue", std::string(65536, 'x') + "\n");
    WriteFileBytes("saved.cue", std::string(100, 'o'));
    SheetMillDriver run(SHEETMILL_EXE, folder.Path());
    // "Ręcznie" shows whole, though the ANSI code page has no "ę".
    ASSERT_NE(run.manual, nullptr);
    ExpectWindow(run.main, L"Sheet Mill by Quillon v. 0.2beta", 294, 89, GetDesktopWindow());
    EXPECT_TRUE(run.Automatic());
    EXPECT_EQ(SendMessageA(run.progress, PBM_GETRANGE, FALSE, 0), 100);
    // The editor is made at start-up but stays hidden until "Ręcznie".
    EXPECT_EQ(FindTopWindow(run.process.Id(), "TForm2"), nullptr);

    ASSERT_TRUE(run.OpenEditor());
    ExpectWindow(run.editor, L"Edytor Cue", 274, 198, run.main);
    EXPECT_FALSE(IsWindowEnabled(run.main));
    EXPECT_EQ(WindowText(run.memo), "");

    // The template for a typed name is saved with CR LF between the lines
    // and none after the last, over an existing file without a question.
    ASSERT_TRUE(run.FillTemplate("disc.bin", true));
    ASSERT_TRUE(run.ChooseFile(run.EditorButton(L"Zapisz"), Wide(folder.PathOf("saved.cue"))));
    EXPECT_EQ(WindowText(run.memo), SheetFor("disc.bin"));  // also waits for the handler
    EXPECT_EQ(ReadFileBytes("saved.cue"), SheetFor("disc.bin"));
    // Cancelled, "Zapisz" writes nothing and "CUE" fills in the empty name.
    ASSERT_TRUE(run.ChooseFile(run.EditorButton(L"Zapisz"), L""));
    ASSERT_TRUE(run.FillTemplate("ignored.bin", false));
    EXPECT_EQ(WindowText(run.memo), SheetFor(""));
    EXPECT_EQ(ReadFileBytes("saved.cue"), SheetFor("disc.bin"));

    // Any line breaks load as lines; a megabyte of ordinary lines, and a line
    // too long to wrap, load at once. Each is saved as it was loaded: a CR LF
    // file byte for byte but for its NUL (a blank), any other in CR LF form.
    const std::pair<const char*, std::string> loads[] = {
        {"ordinary.cue", ordinary}, {"tabbed.cue", tabbed}, {"short.cue", shortLines},
        {"bytes.cue", " " + everyByte.substr(1)},
        {"long.cue", std::string(65536, 'x') + "\r\n"},
        {"lf.cue", "one\r\ntwo\r\nthree"}, {"cr.cue", "uno\r\ndos"}};
    for (const auto& [file, saved] : loads) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(run.ChooseFile(run.EditorButton(L"Wczytaj"), Wide(folder.PathOf(file))));
        const double seconds = SecondsUntilShown(run);
        RecordProperty(file, std::to_string(seconds));
        EXPECT_LT(seconds, BusyMachineSeconds);
        ASSERT_TRUE(run.ChooseFile(run.EditorButton(L"Zapisz"), Wide(folder.PathOf("copy.cue"))));
        SecondsUntilShown(run);
        EXPECT_TRUE(ReadFileBytes("copy.cue") == saved);
    }

    // Closed, the main window is back in automatic mode; reopened, the
    // editor still holds its text.
    run.CloseEditor();
    EXPECT_TRUE(IsWindowEnabled(run.main));
    EXPECT_TRUE(run.Automatic());
    ASSERT_TRUE(run.OpenEditor());
    EXPECT_EQ(WindowText(run.memo), "uno\r\ndos");
    run.CloseEditor();
    PostMessageA(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(run.process.ExitsCleanly());
}

// Keyboard only: each box and dialog gives the focus back to the control
// that opened it, so the next key does what the user means.
TEST(SheetMill, RunsFromTheKeyboardAlone)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "image");
    SheetMillDriver run(SHEETMILL_EXE, folder.Path());
    // The key, then where the focus is in the thread of window.
    auto press = [](WORD key, HWND window, HWND expected, bool alt = false) {
        SendKeyStroke(key, false, alt);
        return FocusIn(window, expected) == expected;
    };
    EXPECT_EQ(FocusIn(run.main, run.doc), run.doc);
    ASSERT_TRUE(press(VK_TAB, run.main, run.pick));
    // The path typed, then the name the dialog remembers; Space answers the box.
    for (const std::wstring& typed : {Wide(folder.PathOf("disc.iso")), std::wstring()}) {
        DeleteFileA("disc.iso.cue");
        SendKeyStroke(VK_SPACE);
        HWND dialog = WaitForFileDialog(run.process.Id());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(IsChild(GetDlgItem(dialog, FileNameBox), FocusIn(dialog)));
        SendText(typed);
        SendKeyStroke(VK_RETURN);
        const MessageBoxSeen box = WaitForMessageBox(run.process.Id());
        EXPECT_EQ(box.caption, DoneCaption);
        EXPECT_EQ(FocusIn(box.window, GetDlgItem(box.window, IDOK)), GetDlgItem(box.window, IDOK));
        EXPECT_TRUE(press(VK_SPACE, run.main, run.pick));
        EXPECT_EQ(ReadFileBytes("disc.iso.cue"), SheetFor("disc.iso"));
    }
    // An arrow key moves within the radio group and checks "Ręcznie", which
    // opens the editor as a click does.
    ASSERT_TRUE(press(VK_TAB, run.main, run.automatic));
    SendKeyStroke(VK_DOWN);
    ASSERT_TRUE(run.editor = WaitFor([&] { return FindTopWindow(run.process.Id(), "TForm2"); }));
    run.FindMemo();
    HWND cue = run.EditorButton(L"CUE");
    EXPECT_EQ(FocusIn(run.editor, run.memo), run.memo);
    for (HWND next : {run.EditorButton(L"Wczytaj"), run.EditorButton(L"Zapisz"), cue})
        ASSERT_TRUE(press(VK_TAB, run.editor, next));
    SendKeyStroke(VK_SPACE);
    HWND input = WaitForDialogWith(run.process.Id(), 101);
    ASSERT_TRUE(input && FocusIn(input, GetDlgItem(input, 101)) == GetDlgItem(input, 101));
    SendText(L"disc.bin");
    EXPECT_TRUE(press(VK_RETURN, run.editor, cue));
    EXPECT_EQ(WindowText(run.memo), SheetFor("disc.bin"));
    // Alt+F4 closes the editor, back in automatic mode, then the program.
    EXPECT_TRUE(press(VK_F4, run.main, run.manual, true));
    EXPECT_TRUE(run.Automatic() && !IsWindowVisible(run.editor));
    SendKeyStroke(VK_F4, false, true);
    EXPECT_TRUE(run.process.ExitsCleanly());
}

// A pick through a button that the program refuses or fails on.
struct Refusal {
    const wchar_t* button;  // "..." of the main window, else the editor's
    const wchar_t* file;    // empty: the dialog is cancelled
    const char* caption;
    const char* text;  // "%s" stands for the picked file's path
};
const wchar_t Pick[] = L"...";
// Wine's words for the system's errors end the framework's boxes.
const Refusal Refusals[] = {
    {Pick, L"", "Blad !", "Nie podales pliku obrazu plyty CD..."},  // before any pick
    {Pick, L"p\u0142yta.bin", "Blad !", UnwritableName},  // ł is not in 1252
    {Pick, L"disc.bin", "Sheet Mill", "Cannot create file \"%s.cue\". Access denied."},
    {L"Wczytaj", L"p\u0142yta.cue", "Blad !", UnloadableName},
    {L"Wczytaj", L"missing.cue", "Sheet Mill", "Cannot open file \"%s\". File not found."},
    // More text than the memo holds, or a line too long to edit at once;
    // the vast file (4 GiB and 3 bytes) is refused before it is read, not
    // cut to what a 32-bit size keeps.
    {L"Wczytaj", L"huge.cue", "Sheet Mill", "Text exceeds memo capacity."},
    {L"Wczytaj", L"overlong.cue", "Sheet Mill", "Text exceeds memo capacity."},
    {L"Wczytaj", L"heavy.cue", "Sheet Mill", "Text exceeds memo capacity."},
    {L"Wczytaj", L"vast.cue", "Sheet Mill", "Text exceeds memo capacity."},
    {L"Zapisz", L"p\u0142yta.cue", "Blad !", UnwritableName},
    {L"Zapisz", L"locked.cue", "Sheet Mill", "Cannot create file \"%s\". Sharing violation."},
};

TEST(SheetMill, RefusalsAndFailuresChangeNothing)
{
    TempFolder folder;
    WriteFileBytes("disc.bin", "image");
    CreateDirectoryA("disc.bin.cue", nullptr);  // the sheet's place is taken
    for (const wchar_t* name : {L"p\u0142yta.bin", L"p\u0142yta.cue"})
        CloseHandle(CreateFileW((Wide(folder.Path()) + L"\\" + name).c_str(), GENERIC_WRITE, 0,
                                nullptr, CREATE_NEW, 0, nullptr));
    WriteFileBytes("huge.cue", OrdinaryFile(size_t(1) << 20) + "x");
    WriteFileBytes("overlong.cue", "a\r\n" + std::string(65537, 'x'));
    std::string heavy;  // just past what the memo lays out in about a second
    for (int i = 0; i < 130000; ++i)
        heavy += "x\n";
    WriteFileBytes("heavy.cue", heavy);
    WriteSparseFile("vast.cue", (int64_t(1) << 32) + 3);
    WriteFileBytes("locked.cue", "an older sheet");
    // Held open without sharing, as another program might (the read-only
    // attribute would not stop a program run as root under Wine).
    HANDLE lock = CreateFileA("locked.cue", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SheetMillDriver run(SHEETMILL_EXE, folder.Path());
    const auto before = ListFolder(folder.Path());

    for (const Refusal& refusal : Refusals) {
        SCOPED_TRACE(testing::Message() << "refusal " << &refusal - Refusals);
        if (refusal.button != Pick && !run.editor) {
            ASSERT_TRUE(run.OpenEditor());
            ASSERT_TRUE(run.FillTemplate("kept.bin", true));
        }
        HWND button = refusal.button == Pick ? run.pick : run.EditorButton(refusal.button);
        const std::wstring path = *refusal.file ? Wide(folder.Path()) + L"\\" + refusal.file : L"";
        ASSERT_TRUE(run.ChooseFile(button, path));
        const auto start = std::chrono::steady_clock::now();
        std::string text = refusal.text;
        if (text.find("%s") != std::string::npos)
            text.replace(text.find("%s"), 2, std::string(path.begin(), path.end()));
        ExpectBox(run, refusal.caption, text, MB_ICONSTOP);
        EXPECT_LT(SecondsSince(start), BusyMachineSeconds);
        // Nothing after the refusal ran, and nothing was written.
        Sleep(300);
        EXPECT_FALSE(DialogShown(run.process.Id()));
        EXPECT_EQ(run.Position(), 0);
        EXPECT_EQ(WindowText(run.memo), run.memo ? SheetFor("kept.bin") : "");
        EXPECT_TRUE(ListFolder(folder.Path()) == before);
    }
    CloseHandle(lock);
}

} // namespace
