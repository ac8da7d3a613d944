// A small program for the automation library's own tests: a window whose
// "Pick" button runs the open dialog, records the choice in picked.txt and
// says what happened in a message box.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

namespace {

void Pick(HWND window)
{
    char name[MAX_PATH] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) {
        MessageBoxA(window, "Nothing", "Cancelled", MB_OK | MB_ICONSTOP);
    } else if (FILE* file = std::fopen("picked.txt", "wb")) {
        std::fputs(name, file);
        std::fclose(file);
        MessageBoxA(window, "Picked", "Done", MB_OK | MB_ICONINFORMATION);
    }
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        Pick(window);
    else if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.lpszClassName = "AutomationTarget";
    RegisterClassA(&windowClass);
    HWND main = CreateWindowExA(0, "AutomationTarget", "Automation Target",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 240, 120, nullptr,
                                nullptr, instance, nullptr);
    CreateWindowExA(0, "BUTTON", "Pick", WS_CHILD | WS_VISIBLE, 10, 10, 80, 25, main, nullptr,
                    instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
