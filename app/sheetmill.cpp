// The program: the styling library's start-up, the application and its two
// windows, then the message loop until the main window closes.
#include "app/unit1.h"
#include "app/unit2.h"
#include "framework/forms/application.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The library's own start-up comes before anything of the program.
    TSkControlsUnit skControls;
    // Before the main window's description names its theme.
    RegisterSkThemes();
    try {
        Application->Initialize();
        Application->SetTitle("Sheet Mill");
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->Run();
    } catch (...) {
        Application->HandleException(Application);
        return 1;
    }
    return 0;
}
