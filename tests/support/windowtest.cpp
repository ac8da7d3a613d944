#include "tests/support/windowtest.h"

#include "framework/application.h"

void PumpFor(int ms)
{
    DWORD end = GetTickCount() + ms;
    do {
        Application->ProcessMessages();
        Sleep(1);
    } while (GetTickCount() < end);
}
