// Opening a 20-item popup menu of the library (popup window, skin, view,
// first paint, the loop, closing and freeing the window) against the
// system's own TrackPopupMenu of the same 20 items in the same run. Both are
// closed by an Escape posted before they open; the library menu has painted
// by then (it paints as it shows), the system's may not have. Goal: at most
// twice the system's time.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupmenu.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int ItemCount = 20;

std::wstring Caption(int i)
{
    return L"Menu entry number " + std::to_wstring(i + 1);
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
    DestroyMenu(system);
    form->Free();
    return library <= 2 * native ? 0 : 1;
}
