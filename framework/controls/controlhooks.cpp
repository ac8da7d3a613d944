#include "framework/controls/controlhooks.h"

#include <exception>
#include <iterator>

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

// System cursors are shared: loading them creates nothing to free, and each
// is loaded once, as under Wine a load costs about 100 us and the cursor is
// asked for at every mouse move.
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
    static HCURSOR loaded[std::size(table)] = {};
    if (cursor == crNone)
        return nullptr;
    size_t found = 0;  // anything else shows the arrow, the first entry
    for (size_t i = 0; i < std::size(table); ++i)
        if (table[i].cursor == cursor)
            found = i;
    if (!loaded[found])
        loaded[found] = LoadCursorA(nullptr, table[found].id);
    return loaded[found];
}
