// The program shown at work for a machine without a display (run under a
// virtual one by tools/demo.sh): picks a sample image through the real open
// dialog, prints the sheet it wrote, loads it into the editor, fills the
// editor's template for a typed name, and saves pictures of the windows as
// BMP files.
//
//   sheetmill_demo PROGRAM.exe FOLDER
#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "tests/automation/automation.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <cstdio>
#include <vector>

namespace {

const char* const SampleImage = "gra.bin";

// Copies a screen rectangle as 24-bit rows, bottom-up, as a BMP file wants them.
bool SaveScreenRect(const RECT& rect, const std::string& path)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
    std::vector<unsigned char> pixels(size_t(stride) * height);

    int rows = 0;
    {
        TScreenDC screen;
        TOwnedDC memory(CreateCompatibleDC(screen.Get()));
        TOwnedGdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        {
            TSelectGuard select(memory.Get(), bitmap.Get());
            BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
        }
        rows = GetDIBits(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, UINT(height),
                         pixels.data(), &info, DIB_RGB_COLORS);
    }
    if (rows != height)
        return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = DWORD(file.bfOffBits + pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    WriteFileBytes(path, bytes);
    return true;
}

void SaveWindowPicture(HWND window, const std::string& folder, const char* name)
{
    Sleep(400);  // let it paint
    RECT rect;
    GetWindowRect(window, &rect);
    const std::string path = folder + "\\" + name + ".bmp";
    std::printf("demo: %s %s\n", SaveScreenRect(rect, path) ? "saved" : "could not save", path.c_str());
}

int Fail(const char* what)
{
    std::printf("demo: %s\n", what);
    return 1;
}

HWND ChildWithCaption(HWND parent, const char* className, const std::wstring& caption)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassNameOf(child) == className && StoredWindowText(child) == caption)
            return child;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: sheetmill_demo PROGRAM.exe FOLDER");
    const std::string program = argv[1], folder = argv[2];
    const std::string image = folder + "\\" + SampleImage;
    WriteFileBytes(image, std::string(2352, '\0'));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("demo: sample image %s\n", image.c_str());

    TestProcess sheetMill(program, "", folder);
    HWND main = WaitFor([&] { return FindTopWindow(sheetMill.Id(), "TForm1"); });
    if (!main)
        return Fail("the main window did not show");
    SaveWindowPicture(main, folder, "1-main-window");

    std::printf("demo: clicking \"...\" and picking %s in the open dialog\n", SampleImage);
    Click(FindDescendant(main, "TButton.BUTTON", "..."));
    HWND dialog = WaitForFileDialog(sheetMill.Id());
    if (!dialog)
        return Fail("the open dialog did not show");
    SaveWindowPicture(dialog, folder, "2-open-dialog");
    AcceptFileDialog(dialog, image);

    MessageBoxSeen box = WaitForMessageBox(sheetMill.Id());
    if (!box.window)
        return Fail("no message box after the pick");
    std::printf("demo: message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    SaveWindowPicture(box.window, folder, "3-sheet-written");
    PressDialogButton(box.window, IDOK);
    WaitUntilGone(box.window);
    SaveWindowPicture(main, folder, "4-main-window-after");

    const std::string sheet = image + ".cue";
    std::printf("demo: %s holds (%u bytes):\n%s\n", sheet.c_str(),
                unsigned(ReadFileBytes(sheet).size()), ReadFileBytes(sheet).c_str());

    std::printf("demo: clicking \"Recznie\" and loading the sheet into the editor\n");
    Click(ChildWithCaption(main, "TRadioButton.BUTTON", L"R\u0119cznie"));
    HWND editor = WaitFor([&] { return FindTopWindow(sheetMill.Id(), "TForm2"); });
    if (!editor)
        return Fail("the editor did not show");
    Click(FindDescendant(editor, "TButton.BUTTON", "Wczytaj"));
    dialog = WaitForFileDialog(sheetMill.Id());
    if (!dialog)
        return Fail("the editor's open dialog did not show");
    AcceptFileDialog(dialog, sheet);
    WaitUntilGone(dialog);
    SaveWindowPicture(editor, folder, "5-editor");

    std::printf("demo: clicking \"CUE\" and typing an image name into the input box\n");
    Click(FindDescendant(editor, "TButton.BUTTON", "CUE"));
    HWND input = WaitForDialogWith(sheetMill.Id(), 101);
    if (!input)
        return Fail("the input box did not show");
    SendMessageA(GetDlgItem(input, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("moja plyta.iso"));
    SaveWindowPicture(input, folder, "6-input-box");
    PressDialogButton(input, IDOK);
    WaitUntilGone(input);
    SaveWindowPicture(editor, folder, "7-editor-template");

    PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&]() -> HWND { return IsWindowVisible(editor) ? nullptr : editor; });
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!sheetMill.WaitForExit(10000))
        return Fail("the program did not end when its window closed");
    std::printf("demo: done\n");
    return 0;
}
