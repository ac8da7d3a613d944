// Sheet Mill driven from outside as a person would use it: its windows found
// by class and caption, one call for each thing done with them. The
// end-to-end suite and the scripted demo share it.
#pragma once

#include "tests/automation/automation.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>

// The window classes of the program's themed controls.
inline const char ButtonClass[] = "TSkThemeButton";
inline const char MemoClass[] = "TSkThemeMemo.EDIT";

class SheetMillDriver {
public:
    // Starts the program in folder and finds its main window's controls.
    SheetMillDriver(const std::string& exe, const std::string& folder);

    TestProcess process;
    HWND main, doc, pick, automatic, manual, progress;  // null when not found
    HWND editor = nullptr, memo = nullptr;  // once the editor has shown
    // Given each dialog and box before it is answered, with the name of its
    // picture when the step was given one (null otherwise).
    std::function<void(HWND window, const char* name)> takePicture = [](HWND, const char*) {};

    // Clicks button, which opens a file dialog, and accepts path there (an
    // empty path cancels); false when no dialog came.
    bool ChooseFile(HWND button, const std::wstring& path, const char* picture = nullptr);
    // The next message box, read, then closed with OK.
    MessageBoxSeen Answer(const char* picture = nullptr);
    // "Ręcznie": the editor shows modally; false when it did not.
    bool OpenEditor();
    // "CUE": the input box, its caption and prompt checked, is given name and OK, or Cancel.
    bool FillTemplate(const std::string& name, bool confirm, const char* picture = nullptr);
    void CloseEditor();  // and waits until the main window is back

    HWND EditorButton(const wchar_t* text) { return FindControl(editor, ButtonClass, text); }
    // The editor's memo, found again: loading may have made it a new window.
    HWND FindMemo() { return memo = FindControl(editor, MemoClass); }
    int Position() const { return int(SendMessageA(progress, PBM_GETPOS, 0, 0)); }
    // "Automatycznie" checked, "Ręcznie" not.
    bool Automatic() const { return Button_GetCheck(automatic) && !Button_GetCheck(manual); }
    // The icon of a system box of that style, in the program's terms.
    HICON SystemIcon(UINT style)
    {
        return icons_.count(style) ? icons_[style] : icons_[style] = process.SystemBoxIcon(style);
    }

private:
    std::map<UINT, HICON> icons_;
};
