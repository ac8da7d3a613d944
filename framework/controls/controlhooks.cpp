#include "framework/controls/controlhooks.h"

#include <exception>

namespace {

// Plain pointers: the forms layer installs them during static start-up,
// which must not depend on the order the objects are initialised in.
TWindowExceptionHandler exceptionHandler = nullptr;
TProgramCursorSource cursorSource = nullptr;

void ShowUnhandled()
{
    std::string text = "Unknown exception";
    try {
        throw;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
    }
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

} // namespace

void SetWindowExceptionHandler(TWindowExceptionHandler handler)
{
    exceptionHandler = handler;
}

void HandleWindowException(TObject* sender)
{
    if (exceptionHandler)
        exceptionHandler(sender);
    else
        ShowUnhandled();
}

void SetProgramCursorSource(TProgramCursorSource source)
{
    cursorSource = source;
}

TCursor ProgramCursor()
{
    return cursorSource ? cursorSource() : crDefault;
}

// System cursors are shared: loading them creates nothing to free.
HCURSOR CursorHandle(TCursor cursor)
{
    struct Entry {
        TCursor cursor;
        LPCSTR id;
    };
    static const Entry table[] = {
        {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},
        {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},   {crHourGlass, IDC_WAIT},
        {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
    };
    if (cursor == crNone)
        return nullptr;
    for (const Entry& e : table)
        if (e.cursor == cursor)
            return LoadCursorA(nullptr, e.id);
    return LoadCursorA(nullptr, IDC_ARROW);
}
