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
// A descendant of parent with the class and (unless empty) the caption.
HWND FindDescendant(HWND parent, const std::string& className, const std::wstring& caption = L"");

// A left click at a point of a window's client area (its centre by default),
// posted to the deepest visible child there, so a modal loop the click starts
// does not block the caller.
void Click(HWND window, int x = -1, int y = -1);

// The process's next standard dialog holding a control with that id.
HWND WaitForDialogWith(DWORD processId, int controlId);
// An open or save dialog: the one with a file-name box.
inline HWND WaitForFileDialog(DWORD processId) { return WaitForDialogWith(processId, 0x47C); }
// True when a window of the process is a standard dialog (a box or file dialog).
bool DialogShown(DWORD processId);
// Presses a dialog's button, IDOK or IDCANCEL.
void PressDialogButton(HWND dialog, int id);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption, text;
    HICON icon = nullptr;  // a handle of the process that shows the box
};
MessageBoxSeen WaitForMessageBox(DWORD processId);
// The icon a system message box of that style (MB_ICONSTOP, ...) shows in the
// process, to compare with MessageBoxSeen::icon.
HICON SystemBoxIcon(const TestProcess& process, UINT iconStyle);
