// Drives another process's windows as a person would: its windows, the
// standard dialogs and message boxes, all through real window messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TestProcess {
public:
    // Starts exe in workingDirectory and waits until it is idle; the
    // destructor ends it if it still runs.
    TestProcess(const std::string& exe, const std::string& workingDirectory);
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    // True when the process ends within the time with exit code 0.
    bool ExitsCleanly(int timeoutMs = 10000);
    // The icon a system box of that style (MB_ICONSTOP, ...) shows in the
    // process, to compare with MessageBoxSeen::icon.
    HICON SystemBoxIcon(UINT iconStyle);

private:
    PROCESS_INFORMATION info_{};
};

std::wstring Wide(const std::string& ascii);
std::string WindowText(HWND window);
// The text the window system keeps, read without asking the window's
// procedure: what a person sees, whatever code page the procedure speaks.
std::wstring StoredWindowText(HWND window);
std::string ClassNameOf(HWND window);

HWND WaitFor(const std::function<HWND()>& found, int timeoutMs = 15000);
bool WaitUntilGone(HWND window, int timeoutMs = 15000);
// A visible top-level window of the process with that class.
HWND FindTopWindow(DWORD processId, const std::string& className);
// A child of parent with the class and (unless empty) the caption.
HWND FindControl(HWND parent, const std::string& className, const std::wstring& caption = L"");
// Posted, so that a modal loop the click starts does not block the caller.
void Click(HWND window);

// The focus in the thread of window, once it is on expected (at most
// timeoutMs later); at once when nothing is expected.
HWND FocusIn(HWND window, HWND expected = nullptr, int timeoutMs = 5000);

// The process's next standard dialog with a control of that id (and none
// of withoutId, when given).
HWND WaitForDialogWith(DWORD processId, int controlId, int withoutId = 0);
const int FileNameBox = 0x47C;
inline HWND WaitForFileDialog(DWORD processId) { return WaitForDialogWith(processId, FileNameBox); }
bool DialogShown(DWORD processId);
void PressDialogButton(HWND dialog, int id);  // IDOK or IDCANCEL

// A box: a standard dialog with text in the static 0xFFFF and no file-name box.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption, text;
    HICON icon = nullptr;  // a handle of the process that shows the box
};
MessageBoxSeen WaitForMessageBox(DWORD processId);
