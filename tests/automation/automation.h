// Drives another process's windows as a person would: start it, find its
// windows and controls, click, fill in the standard dialogs, read message
// boxes. Everything goes through real window messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TestProcess {
public:
    // Starts exe with the given command line tail in workingDirectory.
    TestProcess(const std::string& exe, const std::string& arguments,
                const std::string& workingDirectory);
    ~TestProcess();  // terminates it if still running
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // True when the process ended within the time; its exit code in code.
    bool WaitForExit(int timeoutMs, DWORD* code = nullptr);

private:
    PROCESS_INFORMATION info_{};
};

// Visible top-level windows of a process, in z-order.
std::vector<HWND> TopWindows(DWORD processId);
std::string WindowText(HWND window);
std::wstring WindowTextWide(HWND window);
// The text the window system keeps for the window, read without asking its
// procedure: what a person sees on a button or caption, whatever code page
// the procedure speaks.
std::wstring StoredWindowText(HWND window);
std::string ClassNameOf(HWND window);

// Polls (every 20 ms) until found returns a window or the time is up.
HWND WaitFor(const std::function<HWND()>& found, int timeoutMs = 15000);
// The visible top-level window of the process whose class and (if given)
// text match.
HWND FindTopWindow(DWORD processId, const std::string& className, const std::string& text = "");
// A descendant of parent with the class and text (empty matches any).
HWND FindDescendant(HWND parent, const std::string& className, const std::string& text = "");

// A left click at a point of a window's client area (its centre by default),
// posted to the deepest visible child there, so a modal loop the click starts
// does not block the caller.
void Click(HWND window, int x = -1, int y = -1);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// The process's next standard dialog that shows a message (static 0xFFFF).
MessageBoxSeen WaitForMessageBox(DWORD processId, int timeoutMs = 15000);
// The process's next standard dialog with a file-name box (open or save).
HWND WaitForFileDialog(DWORD processId, int timeoutMs = 15000);
// The process's next standard dialog holding a control with that id.
HWND WaitForDialogWith(DWORD processId, int controlId, int timeoutMs = 15000);
// True when a window of the process is a standard dialog (a box or file dialog).
bool DialogShown(DWORD processId);
// Waits until the window is gone.
bool WaitUntilGone(HWND window, int timeoutMs = 15000);
// Presses the dialog's OK (IDOK) or Cancel (IDCANCEL) button.
void PressDialogButton(HWND dialog, int id);
