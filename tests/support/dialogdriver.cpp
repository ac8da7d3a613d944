#include "tests/support/dialogdriver.h"

#include <chrono>
#include <set>

namespace {

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM lParam)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(className) == "#32770") {
        reinterpret_cast<Search*>(lParam)->found = window;
        return FALSE;
    }
    return TRUE;
}

// Dialogs already driven stay taken until they are gone.
std::set<HWND>& TakenDialogs()
{
    static std::set<HWND> taken;
    return taken;
}

HWND NextDialog()
{
    Search search;
    EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found && TakenDialogs().count(search.found) && IsWindow(search.found))
        return nullptr;
    return search.found;
}

} // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> action, int timeoutMs)
{
    thread_ = std::thread([this, action, timeoutMs] {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            if (HWND dialog = NextDialog()) {
                Sleep(50);  // let the dialog finish creating its controls
                TakenDialogs().insert(dialog);
                // Marked first: the action's last step closes the dialog, and
                // the caller may look as soon as it has gone.
                handled_ = true;
                action(dialog);
                return;
            }
            Sleep(20);
        }
    });
}

DialogDriver::~DialogDriver()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void AcceptFileDialog(HWND dialog, const std::string& fileName)
{
    HWND nameBox = GetDlgItem(dialog, 0x47C);
    if (!nameBox)
        nameBox = GetDlgItem(dialog, 0x480);
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    if (HWND edit = FindWindowExA(nameBox, nullptr, "Edit", nullptr))
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void AcceptFileDialogWide(HWND dialog, const std::wstring& fileName)
{
    HWND nameBox = GetDlgItem(dialog, 0x47C);
    SendMessageW(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    if (HWND edit = FindWindowExW(nameBox, nullptr, L"Edit", nullptr))
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void CancelDialog(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::string DialogItemText(HWND dialog, int id)
{
    HWND window = id ? GetDlgItem(dialog, id) : dialog;
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ComboItemText(HWND dialog, int id, int index)
{
    HWND combo = GetDlgItem(dialog, id);
    char text[1024] = {};
    if (SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= LRESULT(sizeof text))
        return "";
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
