#include "styling/forms/sksystemmenu.h"

#include "styling/core/skcaptionglyphs.h"
#include "styling/forms/skformstrings.h"
#include "styling/menus/skitems.h"

#include <windows.h>

namespace {

struct TMenuEntry {
    TSkSystemCommand command;
    UINT text;
    int image;
};

// Menu order, which is also the order of the commands.
constexpr TMenuEntry Entries[] = {
    {kscRestore, SkFormMenuRestore, kcgRestore},  {kscMinimize, SkFormMenuMinimize, kcgMinimize},
    {kscMaximize, SkFormMenuMaximize, kcgMaximize}, {kscRollup, SkFormMenuRollup, kcgRollup},
    {kscTray, SkFormMenuTray, kcgTray},           {kscSeparator, SkFormMenuSeparator, -1},
    {kscClose, SkFormMenuClose, kcgClose}};
static_assert(std::size(Entries) == kscClose + 1, "one entry per command");

bool Offers(TSkSystemCommand command, TSkWindowState state, TSkBorderIcons icons)
{
    const auto in = [state](std::initializer_list<TSkWindowState> states) {
        for (TSkWindowState s : states)
            if (s == state)
                return true;
        return false;
    };
    switch (command) {
    case kscRestore: return state != kwsNormal;
    case kscMinimize:
        return icons.Contains(kbiMinimize) && in({kwsNormal, kwsMaximized, kwsRollup});
    case kscMaximize: return icons.Contains(kbiMaximize) && in({kwsNormal, kwsRollup});
    case kscRollup: return icons.Contains(kbiRollup) && in({kwsNormal, kwsMaximized});
    case kscTray: return icons.Contains(kbiTray) && in({kwsNormal, kwsMaximized, kwsRollup});
    case kscClose: return icons.Contains(kbiClose);
    default: return false;
    }
}

} // namespace

std::wstring SystemMenuText(TSkSystemCommand command)
{
    if (command < kscRestore || command > kscClose)
        return {};
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), Entries[command].text,
                                   reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

TSkSystemCommand SystemMenuCommand(const std::wstring& caption)
{
    for (const TMenuEntry& entry : Entries)
        if (entry.command != kscSeparator && caption == SystemMenuText(entry.command))
            return entry.command;
    return kscNone;
}

void FillSystemMenu(TSkCustomItem* root, TComponent* owner, TSkWindowState state,
                    TSkBorderIcons icons)
{
    while (root->Count() > 0) {
        TSkCustomItem* item = root->Items(root->Count() - 1);
        root->Delete(root->Count() - 1);
        item->Free();
    }
    root->SetImages(SkCaptionGlyphs());
    bool anyAbove = false;
    for (const TMenuEntry& entry : Entries) {
        const bool shown = entry.command == kscSeparator ? icons.Contains(kbiClose) && anyAbove
                                                         : Offers(entry.command, state, icons);
        if (!shown)
            continue;
        anyAbove = true;
        auto* item = new TSkCustomItem(owner);
        item->SetCaption(SystemMenuText(entry.command));
        item->SetImageIndex(entry.image);
        if (entry.command == kscClose)
            item->SetShortCut(scAlt | VK_F4);
        root->Add(item);
    }
}
