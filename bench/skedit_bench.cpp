// The self-drawn edit beside the system's EDIT of the same size: one full
// paint of each (the EDIT through WM_PRINTCLIENT), and one typed character
// at the end of a 10,000-character text, repainted, against a paint of the
// empty edit, through the shared buffer. Medians of repeated runs and ratios to one BitBlt of the area.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/controls/themeedits.h"
#include "styling/core/sksystem.h"
#include "styling/core/stylist.h"
#include "styling/themes/skthemeluna.h"
#include "tests/support/dibsection.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    TSkControlsUnit unit;
    const int runs = 21, calls = 200;
    const int width = 177, height = 23;

    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 100);
    auto* stylist = new TSkStylist(form);
    stylist->SetTheme(new TSkThemeLuna);
    auto* edit = new TSkThemeEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, width, height);
    edit->SetStylist(stylist);
    edit->HandleNeeded();
    HWND native = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 10, 50,
                                  width, height, form->Handle(), nullptr, nullptr, nullptr);

    DibSection screen(width, height), source(width, height);
    const auto paint = [&] {
        edit->Perform(WM_PAINT, reinterpret_cast<WPARAM>(screen.DC()));
        GdiFlush();
    };
    const double bitblt =
        MedianBitBltSeconds(screen.DC(), 0, 0, width, height, source.DC(), runs, calls);
    const std::string text(40, 'x');
    SetWindowTextA(native, text.c_str());
    const double system = MedianSeconds(
        [&] {
            SendMessageA(native, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(screen.DC()),
                         PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
            GdiFlush();
        },
        runs, calls);

    std::printf("Medians of %d runs of %d calls, %s under Wine, %d x %d\n", runs, calls,
                BenchTarget(), width, height);
    std::printf("%-44s %9.2f us\n", "BitBlt (baseline)", bitblt * 1e6);
    PrintAgainstBitBlt("system EDIT, WM_PRINTCLIENT", 44, system, bitblt);
    edit->SetText(std::wstring(40, L'x'));
    // A bitmap of its own made for every paint costs the base far more
    // than the edit's drawing; the shared buffer shows what the edit costs.
    edit->SetPerformance(kspDoubleBuffer);
    PrintAgainstBitBlt("themed edit, full paint, kspDoubleBuffer", 44,
                       MedianSeconds(paint, runs, calls), bitblt);
    edit->SetPerformance(kspSharedBuffer);
    const double full = MedianSeconds(paint, runs, calls);
    PrintAgainstBitBlt("themed edit, full paint (goal: half of EDIT)", 44, full, bitblt,
                       system / 2 / bitblt);
    edit->SetText(std::wstring());
    const double empty = MedianSeconds(paint, runs, calls);
    PrintAgainstBitBlt("themed edit, empty text", 44, empty, bitblt);

    // Type at the end of 10,000 characters (a thousand more by the last run).
    edit->SetText(std::wstring(10'000, L'x'));
    edit->Perform(WM_KEYDOWN, VK_END);
    const double typed = MedianSeconds(
        [&] {
            edit->Perform(WM_CHAR, 'y');
            paint();
        },
        runs, calls / 4);
    PrintAgainstBitBlt("typed at 10,000 + paint (goal: 10 x empty)", 44, typed, bitblt,
                       10 * empty / bitblt);
    std::printf("full paint / EDIT: %.2f; typed / empty paint: %.2f\n", full / system,
                typed / empty);
    DestroyWindow(native);
    form->Free();
    return full <= system / 2 && typed <= 10 * empty ? 0 : 1;
}
