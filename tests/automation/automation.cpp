#include "tests/automation/automation.h"

TestProcess::TestProcess(const std::string& exe, const std::string& workingDirectory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                       workingDirectory.c_str(), &startup, &info_))
        WaitForInputIdle(info_.hProcess, 15000);
}

TestProcess::~TestProcess()
{
    TerminateProcess(info_.hProcess, 1);  // nothing happens when it has ended
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool TestProcess::ExitsCleanly(int timeoutMs)
{
    DWORD code = 1;
    return WaitForSingleObject(info_.hProcess, DWORD(timeoutMs)) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(info_.hProcess, &code) && code == 0;
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string WindowText(HWND window)
{
    char text[2048] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::wstring StoredWindowText(HWND window)
{
    wchar_t text[2048] = {};
    return std::wstring(text, InternalGetWindowText(window, text, 2048));
}

std::string ClassNameOf(HWND window)
{
    char name[256] = {};
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

HWND WaitFor(const std::function<HWND()>& found, int timeoutMs)
{
    const DWORD start = GetTickCount();
    HWND window;
    while (!(window = found()) && GetTickCount() - start < DWORD(timeoutMs))
        Sleep(20);
    return window;
}

bool WaitUntilGone(HWND window, int timeoutMs)
{
    return WaitFor([&]() -> HWND { return IsWindow(window) ? nullptr : HWND(1); }, timeoutMs);
}

namespace {

// The first child of parent (of the desktop when null) that accepts takes.
HWND FindChild(HWND parent, const std::function<bool(HWND)>& accepts)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(parent, window, nullptr, nullptr)) && !accepts(window)) {
    }
    return window;
}

// A visible top-level window of the process that accepts takes.
HWND FindTop(DWORD processId, const std::function<bool(HWND)>& accepts)
{
    return FindChild(nullptr, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && IsWindowVisible(window) && accepts(window);
    });
}

bool IsStandardDialog(HWND window) { return ClassNameOf(window) == "#32770"; }

// A message box shows its icon in a static control of the icon kind.
HICON IconOfBox(HWND box)
{
    HWND icon = FindChild(box, [](HWND child) {
        return ClassNameOf(child) == "Static" &&
               (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    });
    return reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
}

} // namespace

HWND FindTopWindow(DWORD processId, const std::string& className)
{
    return FindTop(processId, [&](HWND window) { return ClassNameOf(window) == className; });
}

HWND FindControl(HWND parent, const std::string& className, const std::wstring& caption)
{
    return FindChild(parent, [&](HWND window) {
        return ClassNameOf(window) == className &&
               (caption.empty() || StoredWindowText(window) == caption);
    });
}

void Click(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageA(window, WM_MOUSEMOVE, 0, centre);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(window, WM_LBUTTONUP, 0, centre);
}

HWND FocusIn(HWND window, HWND expected, int timeoutMs)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    WaitFor([&] {
        return GetGUIThreadInfo(thread, &info) && info.hwndFocus == expected ? expected : nullptr;
    }, expected ? timeoutMs : 0);
    return info.hwndFocus;
}

HWND WaitForDialogWith(DWORD processId, int controlId, int withoutId)
{
    HWND dialog = WaitFor([&] {
        return FindTop(processId, [&](HWND w) {
            return IsStandardDialog(w) && GetDlgItem(w, controlId) &&
                   !(withoutId && GetDlgItem(w, withoutId));
        });
    });
    Sleep(100);  // let it finish laying itself out and filling its lists
    return dialog;
}

bool DialogShown(DWORD processId) { return FindTop(processId, IsStandardDialog) != nullptr; }

void PressDialogButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

MessageBoxSeen WaitForMessageBox(DWORD processId)
{
    HWND box = WaitForDialogWith(processId, 0xFFFF, FileNameBox);
    return {box, WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)), IconOfBox(box)};
}

// Shared icons are cached per process, so the handle a box shows means
// something only there: a box of the system's own (with no words) is opened
// in the process, on a thread of its own, to learn the handle for the style.
// user32 lies at the same address in every process of one pointer size, so
// its entry point serves as the thread's start.
HICON TestProcess::SystemBoxIcon(UINT iconStyle)
{
    MSGBOXPARAMSA params = {};
    params.cbSize = sizeof params;
    params.dwStyle = MB_OK | iconStyle;
    void* remote =
        VirtualAllocEx(info_.hProcess, nullptr, sizeof params, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(info_.hProcess, remote, &params, sizeof params, nullptr);
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32"), "MessageBoxIndirectA")));
    HANDLE thread = CreateRemoteThread(info_.hProcess, nullptr, 0, start, remote, 0, nullptr);
    const MessageBoxSeen box = WaitForMessageBox(Id());
    PressDialogButton(box.window, IDOK);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    VirtualFreeEx(info_.hProcess, remote, 0, MEM_RELEASE);
    return box.icon;
}
