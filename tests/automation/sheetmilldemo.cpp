// The program at work under tools/demo.sh: picks a sample image, prints its
// sheet, loads it into the editor, fills the template for a typed name, and
// saves BMP pictures of the windows on the way. Run: demo PROGRAM.exe FOLDER
#include "framework/base/dcguards.h"
#include "framework/graphics/bitmap.h"
#include "tests/automation/sheetmilldriver.h"
#include "tests/support/tempfolder.h"

#include <cstdio>

namespace {

std::string folder;

// The window as the screen shows it, once it is active and has had time to
// paint.
void TakePicture(HWND window, const char* name)
{
    if (!name)
        return;
    // Activation follows the X server's focus events, which lag under load:
    // wait for it, and for the window's thread to have handled it.
    for (int waited = 0; GetForegroundWindow() != window && waited < 5000; waited += 50)
        Sleep(50);
    DWORD_PTR answer;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    Sleep(400);
    RECT rect;
    GetWindowRect(window, &rect);
    TBitmap picture(rect.right - rect.left, rect.bottom - rect.top, pf24bit);
    BitBlt(picture.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), TScreenDC().Get(),
           rect.left, rect.top, SRCCOPY);
    picture.SaveToFile(folder + "\\" + name + ".bmp");
    std::printf("demo: saved %s.bmp\n", name);
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
    folder = argv[2];
    const std::string image = folder + "\\gra.bin", sheet = image + ".cue";
    WriteFileBytes(image, std::string(2352, '\0'));
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    SheetMillDriver run(argv[1], folder);
    run.takePicture = TakePicture;
    if (!run.main)
        return Fail("the main window did not show");
    TakePicture(run.main, "1-main-window");
    std::printf("demo: clicking \"...\" and picking %s in the open dialog\n", image.c_str());
    if (!run.ChooseFile(run.pick, Wide(image), "2-open-dialog"))
        return Fail("the open dialog did not show");
    const MessageBoxSeen box = run.Answer("3-sheet-written");
    std::printf("demo: message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    TakePicture(run.main, "4-main-window-after");
    std::printf("demo: %s holds:\n%s\n", sheet.c_str(), ReadFileBytes(sheet).c_str());

    std::printf("demo: clicking \"Recznie\", loading the sheet, then \"CUE\" for a typed name\n");
    if (!run.OpenEditor() || !run.ChooseFile(run.EditorButton(L"Wczytaj"), Wide(sheet)))
        return Fail("the editor or its open dialog did not show");
    TakePicture(run.editor, "5-editor");
    if (!run.FillTemplate("moja plyta.iso", true, "6-input-box"))
        return Fail("the input box did not show");
    TakePicture(run.editor, "7-editor-template");

    run.CloseEditor();
    PostMessageA(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!run.process.ExitsCleanly())
        return Fail("the program did not end when its window closed");
    std::printf("demo: done\n");
    return 0;
}
