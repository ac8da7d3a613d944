#include "styling/menus/skeditmenu.h"

#include "styling/menus/themeitems.h"
#include "styling/menus/thememenus.h"

TSkEditPopupMenu::TSkEditPopupMenu(std::function<TSkStylist*()> stylist)
    : stylist_(std::move(stylist))
{
}

TSkEditPopupMenu::~TSkEditPopupMenu()
{
    if (menu_)
        menu_->Free();
}

TSkThemePopupMenu* TSkEditPopupMenu::Menu()
{
    if (!menu_)
        menu_ = new TSkThemePopupMenu(nullptr);
    return menu_;
}

void TSkEditPopupMenu::RunAction(size_t index)
{
    // Looked up when the click runs: the edit may have rebuilt its list.
    if (index < Items().size() && Items()[index].Enabled && Items()[index].Action)
        Items()[index].Action();
}

void TSkEditPopupMenu::SyncItems()
{
    TSkCustomItem* root = Menu()->Items();
    while (root->Count() > int(Items().size())) {
        TSkCustomItem* last = root->Items(root->Count() - 1);
        root->Delete(root->Count() - 1);
        delete last;
    }
    while (root->Count() < int(Items().size())) {
        auto* item = new TSkThemeItem(nullptr);
        const size_t index = size_t(root->Count());
        item->OnClick = [this, index](TObject*) { RunAction(index); };
        root->Add(item);
    }
    for (size_t i = 0; i < Items().size(); ++i) {
        TSkCustomItem* item = root->Items(int(i));
        item->SetCaption(Items()[i].Caption);
        item->SetEnabled(Items()[i].Enabled);
    }
}

void TSkEditPopupMenu::Popup(HWND owner, POINT screen)
{
    TSkThemePopupMenu* menu = Menu();
    SyncItems();
    menu->SetStylist(stylist_ ? stylist_() : nullptr);
    if (Options())
        menu->SetPopupMenuOptions(Options());
    menu->SetOwnerWindow(owner);
    menu->Popup(screen.x, screen.y);
}
