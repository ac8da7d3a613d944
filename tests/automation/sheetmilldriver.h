// Sheet Mill driven from outside as a person would use it: its windows found
// by class and caption, one call for each thing done with them. The
// end-to-end suite and the scripted demo share it.
#pragma once

#include "tests/automation/automation.h"

#include <functional>
#include <map>

class SheetMillDriver {
public:
    // Starts the program in folder and finds its main window's controls.
    SheetMillDriver(const std::string& exe, const std::string& folder);

    TestProcess process;
    HWND main = nullptr, doc = nullptr, pick = nullptr, automatic = nullptr, manual = nullptr,
         progress = nullptr;
    HWND editor = nullptr, memo = nullptr;  // once the editor has shown
    // Given each dialog and box before it is answered, with the name of its
    // picture when the step was given one (null otherwise).
    std::function<void(HWND window, const char* name)> takePicture = [](HWND, const char*) {};

    // Clicks button, which opens a file dialog, and accepts path there (an
    // empty path cancels); false when no dialog came.
    bool ChooseFile(HWND button, const std::wstring& path, const char* picture = nullptr);
    HWND EditorButton(const wchar_t* caption) const;
    // The next message box, read, then closed with OK.
    MessageBoxSeen Answer(const char* picture = nullptr);
    // The icon handle of a system box of that style, in the program's terms.
    HICON SystemIcon(UINT style);
    // "Ręcznie": the editor shows modally; false when it did not.
    bool OpenEditor();
    // "CUE": the input box is given name and OK, or Cancel.
    bool FillTemplate(const std::string& name, bool confirm, const char* picture = nullptr);
    void CloseEditor();
    int Position() const;
    bool Checked(HWND radio) const;

private:
    std::map<UINT, HICON> icons_;
};
