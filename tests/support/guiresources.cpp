#include "tests/support/dibsection.h"

namespace {

// Wine keeps a process's GDI objects in one table of 64K entries and takes a
// handle whose upper word is zero as "whatever lives at this index"; a 32-bit
// process cannot see the table itself, so every index is asked instead. It
// counts the same objects in both kinds of process, in under a millisecond.
DWORD CountLiveGdiHandles()
{
    DWORD count = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++count;
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM param)
{
    ++*reinterpret_cast<DWORD*>(param);
    return TRUE;
}

// A top-level window of this process and all its descendants.
BOOL CALLBACK CountOwnWindow(HWND window, LPARAM param)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<DWORD*>(param);
        EnumChildWindows(window, CountWindow, param);
    }
    return TRUE;
}

DWORD CountOwnWindows()
{
    DWORD count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        CountOwnWindow(w, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

DWORD GdiObjectCount()
{
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return count ? count : CountLiveGdiHandles();
}

DWORD UserObjectCount()
{
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return count ? count : CountOwnWindows();
}
