// A small program for the automation library's own tests: a window with a
// "Pick" button that runs the open dialog, records the choice in picked.txt
// and says what happened in a message box.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

namespace {

const int PickId = 100;

void Pick(HWND window)
{
    char name[MAX_PATH] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.lpstrFilter = "Obrazy CD\0*.bin;*.iso\0";
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) {
        MessageBoxA(window, "Nothing", "Cancelled", MB_OK | MB_ICONSTOP);
        return;
    }
    if (FILE* file = std::fopen("picked.txt", "wb")) {
        std::fputs(name, file);
        std::fclose(file);
    }
    MessageBoxA(window, "Picked", "Done", MB_OK | MB_ICONINFORMATION);
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateWindowExA(0, "BUTTON", "Pick", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80,
                        25, window, reinterpret_cast<HMENU>(PickId), nullptr, nullptr);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == PickId && HIWORD(wParam) == BN_CLICKED)
            Pick(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "AutomationTarget";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "AutomationTarget", "Automation Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    100, 100, 240, 120, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
