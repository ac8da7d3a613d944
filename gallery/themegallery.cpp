// The theme gallery: the library's start-up, then its one window. With
// "/tour FOLDER" it shows every look in turn, saves a BMP picture of the
// window per look into FOLDER and quits (tools/gallery.sh converts them).
#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "gallery/galleryform.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The window as it painted itself, frame included, whatever lies over it.
void SavePicture(HWND window, const std::string& fileName)
{
    RECT rect;
    GetWindowRect(window, &rect);
    TBitmap picture(rect.right - rect.left, rect.bottom - rect.top, pf24bit);
    HDC dc = GetWindowDC(window);
    BitBlt(picture.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    picture.SaveToFile(fileName);
}

// Lets the switch's paints and the frame's settle before the picture.
void Settle()
{
    const DWORD end = GetTickCount() + 300;
    while (GetTickCount() < end) {
        Application->ProcessMessages();
        Sleep(10);
    }
}

std::string FileNameOf(size_t index, std::wstring caption)
{
    std::string name = std::to_string(index + 1) + "-";
    for (wchar_t c : caption)
        if (c != L' ')
            name += static_cast<char>(c);
    return name + ".bmp";
}

int Tour(const std::string& folder)
{
    GalleryForm->Show();
    HWND window = GalleryForm->Handle();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const auto& radios = GalleryForm->ThemeRadios();
    for (size_t i = 0; i < radios.size(); ++i) {
        GalleryForm->SelectTheme(i);
        // As if clicked: the focus goes with the look's radio.
        radios[i]->SetFocus();
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
        SavePicture(window, folder + "\\" + FileNameOf(i, radios[i]->WideCaption()));
    }
    return radios.empty() ? 1 : 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The library's own start-up comes before anything of the program.
    TSkControlsUnit skControls;
    RegisterSkThemes();
    try {
        Application->Initialize();
        Application->SetTitle("Theme Gallery");
        Application->CreateForm(GalleryForm);
        if (__argc == 3 && std::strcmp(__argv[1], "/tour") == 0)
            return Tour(__argv[2]);
        Application->Run();
    } catch (...) {
        Application->HandleException(Application);
        return 1;
    }
    return 0;
}
