// System functions looked up in their library on first use, so that a
// library the first window does not need is not loaded at every start.
#pragma once

#include <windows.h>

// The address of name in the system library dll, loading the library if it
// is not loaded yet; null when either is missing. The library stays loaded
// to the end of the process.
FARPROC SystemProcAddress(const char* dll, const char* name);

template <class TProc>
TProc SystemProc(const char* dll, const char* name)
{
    // Through void*: the address is only callable once cast to its real type.
    return reinterpret_cast<TProc>(reinterpret_cast<void*>(SystemProcAddress(dll, name)));
}
