// A small program for the automation library's own tests: twice it runs the
// open dialog, records a choice in picked.txt and says what happened in a
// message box.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    for (int round = 0; round < 2; ++round) {
        char name[MAX_PATH] = {};
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = name;
        ofn.nMaxFile = sizeof name;
        ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameA(&ofn)) {
            MessageBoxA(nullptr, "Nothing", "Cancelled", MB_OK | MB_ICONSTOP);
        } else if (FILE* file = std::fopen("picked.txt", "wb")) {
            std::fputs(name, file);
            std::fclose(file);
            MessageBoxA(nullptr, "Picked", "Done", MB_OK | MB_ICONINFORMATION);
        }
    }
    return 0;
}
