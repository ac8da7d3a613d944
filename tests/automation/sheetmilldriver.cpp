#include "tests/automation/sheetmilldriver.h"

#include "tests/support/dialogdriver.h"

SheetMillDriver::SheetMillDriver(const std::string& exe, const std::string& folder)
    : process(exe, folder),
      main(WaitFor([&] { return FindTopWindow(process.Id(), "TForm1"); })),
      doc(FindControl(main, "TSkThemeEdit")),
      pick(FindControl(main, ButtonClass, L"...")),
      automatic(FindControl(main, "TSkThemeRadioButton", L"Automatycznie")),
      manual(FindControl(main, "TSkThemeRadioButton", L"R\u0119cznie")),
      progress(FindControl(main, "TSkThemeProgressBar"))
{
}

bool SheetMillDriver::ChooseFile(HWND button, const std::wstring& path, const char* picture)
{
    Click(button);
    HWND dialog = WaitForFileDialog(process.Id());
    if (!dialog)
        return false;
    takePicture(dialog, picture);
    if (path.empty())
        PressDialogButton(dialog, IDCANCEL);
    else
        AcceptFileDialogWide(dialog, path);
    return WaitUntilGone(dialog);
}

MessageBoxSeen SheetMillDriver::Answer(const char* picture)
{
    MessageBoxSeen box = WaitForMessageBox(process.Id());
    if (box.window) {
        takePicture(box.window, picture);
        PressDialogButton(box.window, IDOK);
        WaitUntilGone(box.window);
    }
    return box;
}

bool SheetMillDriver::OpenEditor()
{
    Click(manual);
    editor = WaitFor([&] { return FindTopWindow(process.Id(), "TForm2"); });
    FindMemo();
    return editor != nullptr;
}

bool SheetMillDriver::FillTemplate(const std::string& name, bool confirm, const char* picture)
{
    Click(EditorButton(L"CUE"));
    HWND box = WaitForDialogWith(process.Id(), 101);
    if (!box || WindowText(box) != "Nazwa pliku obrazu" ||
        WindowText(GetDlgItem(box, 100)) != "Nazwa pliku obrazu")
        return false;
    SendMessageA(GetDlgItem(box, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    takePicture(box, picture);
    PressDialogButton(box, confirm ? IDOK : IDCANCEL);
    return WaitUntilGone(box);
}

void SheetMillDriver::CloseEditor()
{
    PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&] { return !IsWindowVisible(editor) && IsWindowEnabled(main) ? main : nullptr; });
}
