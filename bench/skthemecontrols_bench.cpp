// The themed button, radio button and label against the native controls a
// user would otherwise get, measured side by side in one run: a full paint
// into a device context (WM_PRINTCLIENT, or WM_PAINT into a context for the
// windowless label) in every buffering mode, and a full invalidate-and-update
// repaint. Then 10,000 paints of each in each mode, counting the GDI and
// USER objects left behind. Medians of repeated runs; the goal is half the
// native time or less.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/controls/sklabel.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themecheckboxs.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemeluna.h"
#include "tests/support/dibsection.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

const int Runs = 15, Calls = 200;
const TSkPerformance Modes[] = {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer};
const char* const ModeNames[] = {"kspNoBuffer", "kspSharedBuffer", "kspDoubleBuffer"};

HWND Native(HWND parent, const char* cls, DWORD style, const char* text, int w, int h)
{
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 150, w, h, parent,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

double PrintClient(HWND window, HDC dc)
{
    return MedianSeconds(
        [&] {
            SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            GdiFlush();
        },
        Runs, Calls);
}

double Redraw(HWND window, const RECT* area = nullptr)
{
    return MedianSeconds(
        [&] {
            RedrawWindow(window, area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            GdiFlush();
        },
        Runs, Calls / 4);
}

int failures = 0;

void Row(const char* what, double seconds, double native)
{
    const bool met = seconds <= native / 2;
    failures += met ? 0 : 1;
    std::printf("  %-34s %8.2f us  %5.2fx native  %s\n", what, seconds * 1e6, seconds / native,
                met ? "goal met" : "GOAL MISSED (at most 0.50x)");
}

// 10,000 paints leave no GDI or USER object behind.
void Leaks(const char* what, const std::function<void()>& paint)
{
    paint();
    const DWORD gdi = GdiObjectCount(), user = UserObjectCount();
    for (int i = 0; i < 10000; ++i)
        paint();
    const long gdiGrowth = long(GdiObjectCount()) - long(gdi);
    const long userGrowth = long(UserObjectCount()) - long(user);
    failures += gdiGrowth || userGrowth ? 1 : 0;
    std::printf("  %-44s GDI %+ld, USER %+ld\n", what, gdiGrowth, userGrowth);
}

} // namespace

int main()
{
    TSkControlsUnit unit;
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 260);
    auto* stylist = new TSkStylist(form);
    stylist->SetTheme(new TSkThemeLuna);

    auto* small = new TSkThemeButton(form);
    small->SetParent(form);
    small->SetBounds(10, 10, 75, 25);
    small->SetCaption("Zapisz");
    auto* large = new TSkThemeButton(form);
    large->SetParent(form);
    large->SetBounds(100, 10, 100, 30);
    large->SetCaption("Wczytaj");
    auto* radio = new TSkThemeRadioButton(form);
    radio->SetParent(form);
    radio->SetBounds(10, 50, 98, 20);
    radio->SetCaption("Automatycznie");
    radio->SetChecked(true);
    auto* label = new TSkThemeLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 80, 95, 13);
    label->SetAutoSize(false);
    label->SetCaption("Wybierz plik obrazu:");
    for (TSkThemeButton* b : {small, large})
        b->SetStylist(stylist);
    radio->SetStylist(stylist);
    label->SetStylist(stylist);
    form->Show();

    const HWND parent = form->Handle();
    const HWND nativeSmall = Native(parent, "BUTTON", BS_PUSHBUTTON, "Zapisz", 75, 25);
    const HWND nativeLarge = Native(parent, "BUTTON", BS_PUSHBUTTON, "Wczytaj", 100, 30);
    const HWND nativeRadio = Native(parent, "BUTTON", BS_AUTORADIOBUTTON, "Automatycznie", 98, 20);
    const HWND nativeStatic = Native(parent, "STATIC", SS_LEFT, "Wybierz plik obrazu:", 95, 13);
    UpdateWindow(parent);

    DibSection dc(120, 40), source(120, 40);
    const double bitblt = MedianBitBltSeconds(dc.DC(), 0, 0, 75, 25, source.DC(), Runs, Calls);
    std::printf("Medians of %d runs, %s under Wine; BitBlt 75 x 25: %.2f us\n", Runs,
                BenchTarget(), bitblt * 1e6);

    struct TCase {
        const char* name;
        TControl* control;
        HWND native;
    } cases[] = {{"button 75 x 25", small, nativeSmall},
                 {"button 100 x 30", large, nativeLarge},
                 {"radio button 98 x 20", radio, nativeRadio},
                 {"label 95 x 13", label, nativeStatic}};

    std::printf("\nFull paint into a device context\n");
    for (const TCase& c : cases) {
        const double native = PrintClient(c.native, dc.DC());
        std::printf("  native %-27s %8.2f us\n", c.name, native * 1e6);
        for (int m = 0; m < 3; ++m) {
            if (auto* windowed = dynamic_cast<TSkCustomControl*>(c.control))
                windowed->SetPerformance(Modes[m]);
            else
                static_cast<TSkGraphicControl*>(c.control)->SetPerformance(Modes[m]);
            double themed;
            if (auto* windowed = dynamic_cast<TWinControl*>(c.control))
                themed = PrintClient(windowed->Handle(), dc.DC());
            else
                themed = MedianSeconds(
                    [&] {
                        c.control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()));
                        GdiFlush();
                    },
                    Runs, Calls);
            char what[64];
            std::snprintf(what, sizeof what, "%s", ModeNames[m]);
            Row(what, themed, native);
        }
    }

    std::printf("\nInvalidate and update (RedrawWindow)\n");
    for (const TCase& c : cases) {
        const double native = Redraw(c.native);
        std::printf("  native %-27s %8.2f us\n", c.name, native * 1e6);
        for (int m = 0; m < 3; ++m) {
            if (auto* windowed = dynamic_cast<TSkCustomControl*>(c.control))
                windowed->SetPerformance(Modes[m]);
            else
                static_cast<TSkGraphicControl*>(c.control)->SetPerformance(Modes[m]);
            double themed;
            if (auto* windowed = dynamic_cast<TWinControl*>(c.control)) {
                themed = Redraw(windowed->Handle());
            } else {
                const RECT area = c.control->BoundsRect();
                themed = Redraw(parent, &area);
            }
            Row(ModeNames[m], themed, native);
        }
    }

    std::printf("\n10,000 paints of each control in each mode\n");
    for (const TCase& c : cases)
        for (int m = 0; m < 3; ++m) {
            if (auto* windowed = dynamic_cast<TSkCustomControl*>(c.control))
                windowed->SetPerformance(Modes[m]);
            else
                static_cast<TSkGraphicControl*>(c.control)->SetPerformance(Modes[m]);
            char what[96];
            std::snprintf(what, sizeof what, "%s, %s", c.name, ModeNames[m]);
            Leaks(what, [&] {
                c.control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()));
            });
        }

    form->Free();
    std::printf("\n%d goal(s) missed or leak(s) found\n", failures);
    return 0;
}
