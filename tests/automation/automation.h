// Drives another process's windows as a person would: start it, find its
// windows and controls, click, fill in the standard dialogs, read message
// boxes. Everything goes through real window messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TestProcess {
public:
    // Starts exe in workingDirectory and waits until it is idle.
    TestProcess(const std::string& exe, const std::string& workingDirectory);
    ~TestProcess();  // terminates it if still running
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // True when the process ended within the time with exit code 0.
    bool ExitsCleanly(int timeoutMs = 10000);

private:
    PROCESS_INFORMATION info_{};
};

std::string WindowText(HWND window);
// The text the window system keeps for the window, read without asking its
// procedure: what a person sees, whatever code page the procedure speaks.
std::wstring StoredWindowText(HWND window);
std::string ClassNameOf(HWND window);

// Polls (every 20 ms) until found returns a window or the time is up.
HWND WaitFor(const std::function<HWND()>& found, int timeoutMs = 15000);
bool WaitUntilGone(HWND window, int timeoutMs = 15000);
// The visible top-level window of the process with that class.
HWND FindTopWindow(DWORD processId, const std::string& className);
// A child of parent with the class and (unless empty) the caption.
HWND FindControl(HWND parent, const std::string& className, const std::wstring& caption = L"");

// A left click at the window's centre, posted so that a modal loop the click
// starts does not block the caller.
void Click(HWND window);

// The process's next standard dialog holding a control with that id (and,
// when given, none with withoutId).
HWND WaitForDialogWith(DWORD processId, int controlId, int withoutId = 0);
// An open or save dialog: the one with a file-name box.
const int FileNameBoxId = 0x47C;
inline HWND WaitForFileDialog(DWORD processId) { return WaitForDialogWith(processId, FileNameBoxId); }
// True when a window of the process is a standard dialog (a box or file dialog).
bool DialogShown(DWORD processId);
// Presses a dialog's button, IDOK or IDCANCEL.
void PressDialogButton(HWND dialog, int id);

// A box: text in the static 0xFFFF, and no file-name box.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption, text;
    HICON icon = nullptr;  // a handle of the process that shows the box
};
MessageBoxSeen WaitForMessageBox(DWORD processId);
// The icon a system message box of that style (MB_ICONSTOP, ...) shows in the
// process, to compare with MessageBoxSeen::icon.
HICON SystemBoxIcon(const TestProcess& process, UINT iconStyle);
