#include "tests/support/dibsection.h"

#include <winternl.h>

#include <cstdint>

namespace {

// One entry of the process's GDI handle table as Wine lays it out (the
// same size in 32 and 64-bit processes; only consulted under Wine).
struct GdiHandleEntry {
    uint64_t object;
    uint16_t processId;
    uint16_t count;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
const int GdiHandleTableSize = 0x10000;

DWORD CountGdiHandleTable()
{
    using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return 0;
    // Where the process block keeps the table's address.
    const size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    auto* peb = reinterpret_cast<BYTE*>(info.PebBaseAddress);
    auto* table = *reinterpret_cast<GdiHandleEntry**>(peb + tableOffset);
    if (!table)
        return 0;
    DWORD count = 0;
    for (int i = 0; i < GdiHandleTableSize; ++i)
        if (table[i].type != 0)
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
    return count ? count : CountGdiHandleTable();
}

DWORD UserObjectCount()
{
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return count ? count : CountOwnWindows();
}
