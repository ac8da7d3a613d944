#include "styling/menus/skpopupmenu.h"

#include "framework/components/properties.h"
#include "framework/controls/wincontrol.h"
#include "framework/forms/application.h"
#include "framework/graphics/imagelist.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skpopupview.h"

FW_IMPLEMENT_CLASS(TSkCustomPopupMenu, TPopupMenu)
FW_PUBLISH(TSkCustomPopupMenu)
{
    p.Property("Images", &T::Images, &T::SetImages);
    p.Property("PopupMenuOptions", &T::PopupMenuOptions, &T::SetPopupMenuOptions);
}

namespace {

TSkCustomPopupMenu* CurrentMenu = nullptr;

}  // namespace

TSkCustomPopupMenu::TSkCustomPopupMenu(TComponent* owner)
    : TPopupMenu(owner), options_(std::make_unique<TSkPopupMenuOptions>(this))
{
    options_->OnChange = [this] { ApplySettings(); };
}

TSkCustomPopupMenu::~TSkCustomPopupMenu()
{
    BeforeDestruction();
}

void TSkCustomPopupMenu::BeforeDestruction()
{
    if (CurrentMenu == this)
        CurrentMenu = nullptr;
    delete items_;
    items_ = nullptr;
    TPopupMenu::BeforeDestruction();
}

TSkCustomItem* TSkCustomPopupMenu::Items() const
{
    if (!items_) {
        items_ = const_cast<TSkCustomPopupMenu*>(this)->CreateRootItem();
        items_->SetMenu(const_cast<TSkCustomPopupMenu*>(this));
    }
    return items_;
}

void TSkCustomPopupMenu::GetChildren(const std::function<void(TComponent*)>& proc,
                                     TComponent* root) const
{
    Items()->GetChildren(proc, root);
}

TSkCustomItem* TSkCustomPopupMenu::CreateRootItem()
{
    // Owned by the menu itself, not the menu's owner: no name, not stored.
    return new TSkCustomItem(nullptr);
}

TImageList* TSkCustomPopupMenu::Images() const
{
    return Items()->Images();
}

void TSkCustomPopupMenu::SetImages(TImageList* value)
{
    Items()->SetImages(value);
}

void TSkCustomPopupMenu::SetPopupMenuOptions(const TSkPopupMenuOptions* value)
{
    options_->Assign(value);
}

HWND TSkCustomPopupMenu::OwnerWindow() const
{
    if (ownerWindow_)
        return ownerWindow_;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    return control && control->HandleAllocated() ? control->Handle() : nullptr;
}

void TSkCustomPopupMenu::ApplySettings()
{
    if (items_)
        items_->SetPopupSettings(options_.get(), foreground_, OwnerWindow());
}

TSkCustomPopupMenu* TSkCustomPopupMenu::Current()
{
    return CurrentMenu;
}

void TSkCustomPopupMenu::CloseCurrent()
{
    const auto& open = TSkPopupView::OpenViews();
    if (!open.empty())
        open.back()->CloseAll();
}

void TSkCustomPopupMenu::Popup(int x, int y)
{
    if (!TSkPopupView::OpenViews().empty()) {
        CloseCurrent();
        Application->ProcessMessages();
    }
    // The menu may be freed by what ran just now or by OnPopup: hold on to
    // nothing of it after the loop.
    CurrentMenu = this;
    Items();
    ApplySettings();
    DoPopup();
    if (CurrentMenu == this)
        SkPopupItem(items_, nullptr, x, y, RECT{});
    CurrentMenu = nullptr;
}
