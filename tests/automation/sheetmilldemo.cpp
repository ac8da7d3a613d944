// The program shown at work for a machine without a display (run under a
// virtual one by tools/demo.sh): picks a sample image through the real open
// dialog, prints the sheet it wrote, loads it into the editor, fills the
// editor's template for a typed name, and saves pictures of the windows as
// BMP files.
//
//   sheetmill_demo PROGRAM.exe FOLDER
#include "framework/base/dcguards.h"
#include "framework/graphics/bitmap.h"
#include "tests/automation/sheetmilldriver.h"
#include "tests/support/tempfolder.h"

#include <cstdio>

namespace {

// The window as the screen shows it, once it has had time to paint.
void SavePicture(HWND window, const std::string& path)
{
    Sleep(400);
    RECT rect;
    GetWindowRect(window, &rect);
    TBitmap picture(rect.right - rect.left, rect.bottom - rect.top, pf24bit);
    BitBlt(picture.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), TScreenDC().Get(),
           rect.left, rect.top, SRCCOPY);
    picture.SaveToFile(path);
    std::printf("demo: saved %s\n", path.c_str());
}

int Fail(const char* what)
{
    std::printf("demo: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: sheetmill_demo PROGRAM.exe FOLDER");
    const std::string program = argv[1], folder = argv[2], image = folder + "\\gra.bin";
    WriteFileBytes(image, std::string(2352, '\0'));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("demo: sample image %s\n", image.c_str());

    SheetMillDriver run(program, folder);
    run.takePicture = [&](HWND window, const char* name) {
        if (name)
            SavePicture(window, folder + "\\" + name + ".bmp");
    };
    if (!run.main)
        return Fail("the main window did not show");
    run.takePicture(run.main, "1-main-window");
    std::printf("demo: clicking \"...\" and picking gra.bin in the open dialog\n");
    if (!run.ChooseFile(run.pick, std::wstring(image.begin(), image.end()), "2-open-dialog"))
        return Fail("the open dialog did not show");
    const MessageBoxSeen box = run.Answer("3-sheet-written");
    if (!box.window)
        return Fail("no message box after the pick");
    std::printf("demo: message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    run.takePicture(run.main, "4-main-window-after");
    const std::string sheet = image + ".cue", bytes = ReadFileBytes(sheet);
    std::printf("demo: %s holds (%u bytes):\n%s\n", sheet.c_str(), unsigned(bytes.size()), bytes.c_str());

    std::printf("demo: clicking \"Recznie\" and loading the sheet into the editor\n");
    if (!run.OpenEditor() || !run.ChooseFile(run.EditorButton(L"Wczytaj"), std::wstring(sheet.begin(), sheet.end())))
        return Fail("the editor or its open dialog did not show");
    run.takePicture(run.editor, "5-editor");
    std::printf("demo: clicking \"CUE\" and typing an image name into the input box\n");
    if (!run.FillTemplate("moja plyta.iso", true, "6-input-box"))
        return Fail("the input box did not show");
    run.takePicture(run.editor, "7-editor-template");

    run.CloseEditor();
    PostMessageA(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!run.process.ExitsCleanly())
        return Fail("the program did not end when its window closed");
    std::printf("demo: done\n");
    return 0;
}
