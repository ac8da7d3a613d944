// Opening a 20-item popup menu of the library (popup window, skin, view,
// first paint, the loop, closing and freeing the window) against the
// system's own TrackPopupMenu of the same 20 items in the same run. Both are
// closed by an Escape posted before they open; the library menu has painted
// by then (it paints as it shows), the system's may not have. Goal: at most
// twice the system's time. The library's open is then timed phase by phase,
// the steps SkPopupItem takes, to show where its time goes.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupmenu.h"
#include "styling/menus/skpopupview.h"
#include "styling/menus/skpopupwindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int ItemCount = 20;

std::wstring Caption(int i)
{
    return L"Menu entry number " + std::to_wstring(i + 1);
}

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// The median time of each step of opening the menu's top level, as
// SkPopupItem takes them, over runs opens.
void PrintPhases(TSkCustomItem* items, HWND owner, int runs)
{
    const char* names[] = {"window object made",       "items laid out",
                           "window made at its place", "skin attached",
                           "shown and painted",        "loop until the Escape",
                           "window freed"};
    constexpr int count = sizeof names / sizeof *names;
    std::vector<double> times[count];
    for (int r = 0; r <= runs; ++r) {
        double at[count + 1];
        at[0] = Now();
        auto* window = static_cast<TSkPopupWindow*>(items->PopupWindowClass()->Create(nullptr));
        window->AfterConstruction();
        at[1] = Now();
        window->Prepare(items, nullptr);
        at[2] = Now();
        // What ShowAt does first, one step at a time; it then skips them.
        const SIZE size = window->WindowSize();
        window->SetBounds(100, 100, size.cx, size.cy);
        window->HandleNeeded();
        at[3] = Now();
        window->Skin()->Loaded();
        at[4] = Now();
        window->ShowAt(RECT{100, 100, 100 + size.cx, 100 + size.cy});
        at[5] = Now();
        PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);
        window->View()->RunLoop();
        at[6] = Now();
        window->Free();
        at[7] = Now();
        for (int i = 0; r > 0 && i < count; ++i)  // the first run warms up
            times[i].push_back(at[i + 1] - at[i]);
    }
    for (int i = 0; i < count; ++i) {
        std::nth_element(times[i].begin(), times[i].begin() + runs / 2, times[i].end());
        std::printf("  %-42s %9.2f us\n", names[i], times[i][runs / 2] * 1e6);
    }
}

}  // namespace

int main()
{
    TSkControlsUnit unit;
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(40, 40, 300, 200);
    form->Show();
    HWND owner = form->Handle();

    auto* menu = new TSkCustomPopupMenu(form);
    HMENU system = CreatePopupMenu();
    for (int i = 0; i < ItemCount; ++i) {
        auto* item = new TSkCustomItem(nullptr);
        item->SetCaption(Caption(i));
        menu->Items()->Add(item);
        AppendMenuW(system, MF_STRING, UINT_PTR(i + 1), Caption(i).c_str());
    }

    const int runs = 9, calls = 10;
    const double native = MedianSeconds(
        [&] {
            PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);
            TrackPopupMenu(system, TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, 0, owner, nullptr);
        },
        runs, calls);
    const double library = MedianSeconds(
        [&] {
            PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);
            menu->Popup(100, 100);
        },
        runs, calls);

    std::printf("Popup menu of %d items, %s under Wine (goal: at most 2x the system's menu)\n",
                ItemCount, BenchTarget());
    std::printf("%-44s %9.2f us\n", "system menu (TrackPopupMenu), open and close", native * 1e6);
    std::printf("%-44s %9.2f us   %5.2fx the system's\n", "library popup, open, paint and close",
                library * 1e6, library / native);
    std::printf("The library popup's open, step by step (medians):\n");
    PrintPhases(menu->Items(), owner, 41);
    DestroyMenu(system);
    form->Free();
    return library <= 2 * native ? 0 : 1;
}
