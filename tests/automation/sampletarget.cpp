// A small program for the automation library's own tests: twice it runs the
// open dialog and says in a message box whether a file was picked.
#include <windows.h>
#include <commdlg.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    for (int round = 0; round < 2; ++round) {
        char name[MAX_PATH] = {};
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = name;
        ofn.nMaxFile = sizeof name;
        ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
        if (GetOpenFileNameA(&ofn))
            MessageBoxA(nullptr, name, "Picked", MB_OK | MB_ICONINFORMATION);
        else
            MessageBoxA(nullptr, "Nothing", "Cancelled", MB_OK | MB_ICONSTOP);
    }
    return 0;
}
