#include "styling/menus/skclickhandler.h"

#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* HandlerClass = "TSkClickHandler";

HWND Window = nullptr;
bool Started = false;
// Items whose click is on its way. A message whose item is no longer listed
// (freed, or its click forgotten) does nothing: lParam may point at freed
// memory by then.
std::vector<const TSkCustomItem*> Pending;

LRESULT CALLBACK HandlerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != SK_ITEMCLICK)
        return DefWindowProcA(window, msg, wParam, lParam);
    auto* item = reinterpret_cast<TSkCustomItem*>(lParam);
    auto found = std::find(Pending.begin(), Pending.end(), item);
    if (found != Pending.end()) {
        Pending.erase(found);
        item->RunClick();
    }
    return 0;
}

void StartClickHandler()
{
    Started = true;
}

void MakeWindow()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, HandlerClass, &wc)) {
        wc.lpfnWndProc = HandlerProc;
        wc.hInstance = instance;
        wc.lpszClassName = HandlerClass;
        RegisterClassA(&wc);
    }
    Window = CreateWindowExA(0, HandlerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance, nullptr);
}

void StopClickHandler()
{
    Started = false;
    Pending.clear();
    if (Window)
        DestroyWindow(Window);
    Window = nullptr;
}

[[maybe_unused]] const bool Registered = (RegisterSkUnit(StartClickHandler, StopClickHandler), true);

}  // namespace

HWND SkClickHandler()
{
    if (Started && !Window)
        MakeWindow();
    return Window;
}

bool SkPostItemClick(TSkCustomItem* item)
{
    HWND window = SkClickHandler();
    if (!window || !PostMessageA(window, SK_ITEMCLICK, 0, reinterpret_cast<LPARAM>(item)))
        return false;
    Pending.push_back(item);
    return true;
}

void SkForgetItemClicks(const TSkCustomItem* item)
{
    Pending.erase(std::remove(Pending.begin(), Pending.end(), item), Pending.end());
}
