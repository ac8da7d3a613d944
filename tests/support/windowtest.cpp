#include "tests/support/windowtest.h"

#include "framework/forms/application.h"
#include "tests/support/keyinput.h"

#include <vector>

void PumpFor(int ms)
{
    DWORD end = GetTickCount() + ms;
    do {
        Application->ProcessMessages();
        Sleep(1);
    } while (GetTickCount() < end);
}

void ShowAndWait(TCustomForm* form)
{
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpUntil([&] { return GetActiveWindow() == form->Handle(); });
}

void PressKey(WORD key, bool shift, bool alt)
{
    SendKeyStroke(key, shift, alt);
    PumpFor(40);
}

std::string WindowText(HWND window)
{
    const int n = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], n + 1)));
    return text;
}

namespace {

struct TCaptionSearch {
    const std::string& caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TCaptionSearch*>(data);
    if (WindowText(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND ChildByCaption(HWND parent, const std::string& caption)
{
    TCaptionSearch search{caption, nullptr};
    EnumChildWindows(parent, MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TGuiCounts CurrentGuiCounts()
{
    return TGuiCounts{GdiObjectCount(), UserObjectCount()};
}

TGuiCounts GuiGrowth(const std::function<void()>& action, int rounds)
{
    action();
    const TGuiCounts before = CurrentGuiCounts();
    for (int i = 0; i < rounds; ++i)
        action();
    const TGuiCounts after = CurrentGuiCounts();
    auto grown = [](DWORD from, DWORD to) { return to > from ? to - from : 0; };
    return TGuiCounts{grown(before.gdi, after.gdi), grown(before.user, after.user)};
}
