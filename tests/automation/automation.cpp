#include "tests/automation/automation.h"

#include "tests/support/dialogdriver.h"

#include <chrono>
#include <vector>

TestProcess::TestProcess(const std::string& exe, const std::string& arguments,
                         const std::string& workingDirectory)
{
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &info_))
        info_ = {};
    if (info_.hProcess)
        WaitForInputIdle(info_.hProcess, 15000);
}

TestProcess::~TestProcess()
{
    if (!info_.hProcess)
        return;
    if (Running())
        TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool TestProcess::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TestProcess::WaitForExit(int timeoutMs, DWORD* code)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, DWORD(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    if (code)
        GetExitCodeProcess(info_.hProcess, code);
    return true;
}

namespace {

struct TopSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<TopSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    std::string className, text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if ((search->className.empty() || ClassNameOf(window) == search->className) &&
        (search->text.empty() || WindowText(window) == search->text)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool IsStandardDialog(HWND window) { return ClassNameOf(window) == "#32770"; }

} // namespace

std::vector<HWND> TopWindows(DWORD processId)
{
    TopSearch search{processId, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window)
{
    char text[2048] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::wstring WindowTextWide(HWND window)
{
    wchar_t text[2048] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::wstring StoredWindowText(HWND window)
{
    wchar_t text[2048] = {};
    InternalGetWindowText(window, text, 2048);
    return text;
}

std::string ClassNameOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND WaitFor(const std::function<HWND()>& found, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        if (HWND window = found())
            return window;
        Sleep(20);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

HWND FindTopWindow(DWORD processId, const std::string& className, const std::string& text)
{
    for (HWND window : TopWindows(processId))
        if (ClassNameOf(window) == className && (text.empty() || WindowText(window) == text))
            return window;
    return nullptr;
}

HWND FindDescendant(HWND parent, const std::string& className, const std::string& text)
{
    ChildSearch search{className, text};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND window, int x, int y)
{
    RECT client;
    GetClientRect(window, &client);
    POINT at = {x < 0 ? client.right / 2 : x, y < 0 ? client.bottom / 2 : y};
    // The deepest visible child under the point gets the click.
    HWND target = window;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target)
            break;
        MapWindowPoints(target, child, &at, 1);
        target = child;
    }
    const LPARAM position = MAKELPARAM(at.x, at.y);
    PostMessageA(target, WM_MOUSEMOVE, 0, position);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessageA(target, WM_LBUTTONUP, 0, position);
}

MessageBoxSeen WaitForMessageBox(DWORD processId, int timeoutMs)
{
    MessageBoxSeen seen;
    seen.window = WaitFor(
        [&]() -> HWND {
            for (HWND window : TopWindows(processId))
                if (IsStandardDialog(window) && GetDlgItem(window, 0xFFFF))
                    return window;
            return nullptr;
        },
        timeoutMs);
    if (seen.window) {
        Sleep(50);  // let it finish laying itself out
        seen.caption = WindowText(seen.window);
        seen.text = WindowText(GetDlgItem(seen.window, 0xFFFF));
    }
    return seen;
}

HWND WaitForFileDialog(DWORD processId, int timeoutMs)
{
    HWND dialog = WaitFor(
        [&]() -> HWND {
            for (HWND window : TopWindows(processId))
                if (IsStandardDialog(window) && GetDlgItem(window, 0x47C))
                    return window;
            return nullptr;
        },
        timeoutMs);
    if (dialog)
        Sleep(100);  // the dialog fills its lists after it shows
    return dialog;
}

void PressDialogButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

HWND WaitForDialogWith(DWORD processId, int controlId, int timeoutMs)
{
    HWND dialog = WaitFor(
        [&]() -> HWND {
            for (HWND window : TopWindows(processId))
                if (IsStandardDialog(window) && GetDlgItem(window, controlId))
                    return window;
            return nullptr;
        },
        timeoutMs);
    if (dialog)
        Sleep(50);
    return dialog;
}

bool DialogShown(DWORD processId)
{
    for (HWND window : TopWindows(processId))
        if (IsStandardDialog(window))
            return true;
    return false;
}

bool WaitUntilGone(HWND window, int timeoutMs)
{
    return WaitFor([&]() -> HWND { return IsWindow(window) ? nullptr : HWND(1); }, timeoutMs) != nullptr;
}
