#include "styling/menus/skmenubar.h"

#include "framework/base/messages.h"
#include "framework/components/properties.h"
#include "framework/forms/form.h"
#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skcustomform.h"
#include "styling/menus/skitems.h"

#include <algorithm>
#include <cwctype>

FW_IMPLEMENT_CLASS(TSkCustomMenuBar, TSkPopupView)
FW_PUBLISH(TSkCustomMenuBar)
{
    p.Property("PopupMenuOptions", &T::PopupMenuOptions, &T::SetPopupMenuOptions);
}

namespace {

bool Usable(const TSkCustomItem* item)
{
    return item && item->Visible() && item->Enabled() && !item->IsSeparator();
}

// The enabled leaf below item whose shortcut is shortCut, depth first.
TSkCustomItem* FindShortCut(TSkCustomItem* item, TShortCut shortCut)
{
    for (int i = 0; i < item->Count(); ++i) {
        TSkCustomItem* child = item->Items(i);
        if (!Usable(child))
            continue;
        if (child->HasVisibleItems()) {
            if (TSkCustomItem* found = FindShortCut(child, shortCut))
                return found;
        } else if (child->ShortCut() == shortCut) {
            return child;
        }
    }
    return nullptr;
}

TShortCut ShortCutOf(const TWMKey& key)
{
    TShortCut result = TShortCut(key.CharCode & 0xFF);
    if (GetKeyState(VK_SHIFT) < 0)
        result |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        result |= scCtrl;
    // Bit 29 of the key data: Alt was down when the key came.
    if (key.KeyData & (1u << 29))
        result |= scAlt;
    return result;
}

// The top item whose caption marks ch as its accelerator ("&File" for f).
TSkCustomItem* FindAccelerator(TSkCustomItem* root, wchar_t ch)
{
    const wchar_t wanted = wchar_t(std::towupper(ch));
    for (int i = 0; i < root->Count(); ++i) {
        TSkCustomItem* item = root->Items(i);
        if (!Usable(item))
            continue;
        const std::wstring& caption = item->Caption();
        for (size_t at = caption.find(L'&'); at != std::wstring::npos && at + 1 < caption.size();
             at = caption.find(L'&', at + 2)) {
            if (caption[at + 1] != L'&' && std::towupper(caption[at + 1]) == wanted)
                return item;
        }
    }
    return nullptr;
}

bool IsMergedButton(const TSkCustomItem* item)
{
    return item->SystemKind() != ksbNone;
}

}  // namespace

TSkCustomMenuBar::TSkCustomMenuBar(TComponent* owner)
    : TSkPopupView(owner), options_(std::make_unique<TSkPopupMenuOptions>(this))
{
    SetHorizontal(true);
    SetAlign(alTop);
    SetColor(clMenu);
    options_->OnChange = [this] { ApplySettings(); };
}

TSkCustomMenuBar::~TSkCustomMenuBar()
{
    BeforeDestruction();
}

void TSkCustomMenuBar::BeforeDestruction()
{
    if (Looping())
        CloseAll();
    SetItem(nullptr);
    delete items_;
    items_ = nullptr;
    mergedChild_ = nullptr;
    TSkPopupView::BeforeDestruction();
}

TSkCustomItem* TSkCustomMenuBar::Items() const
{
    if (!items_) {
        auto* self = const_cast<TSkCustomMenuBar*>(this);
        items_ = self->CreateItem();
        items_->SetMenu(self);
        self->SetItem(items_);
        self->ItemsChanged();
    }
    return items_;
}

void TSkCustomMenuBar::GetChildren(const std::function<void(TComponent*)>& proc,
                                   TComponent* root) const
{
    Items()->GetChildren(proc, root);
}

TSkCustomItem* TSkCustomMenuBar::CreateItem()
{
    return new TSkCustomItem(nullptr);
}

TImageList* TSkCustomMenuBar::Images() const
{
    return Items()->Images();
}

void TSkCustomMenuBar::SetImages(TImageList* value)
{
    Items()->SetImages(value);
}

void TSkCustomMenuBar::SetPopupMenuOptions(const TSkPopupMenuOptions* value)
{
    options_->Assign(value);
}

void TSkCustomMenuBar::ApplySettings()
{
    HWND owner = nullptr;
    if (auto* form = GetParentForm(this); form && form->HandleAllocated())
        owner = form->Handle();
    if (items_)
        items_->SetPopupSettings(options_.get(), false, owner);
}

int TSkCustomMenuBar::BarHeight()
{
    Items();
    const SIZE size = LayoutItems();
    return std::max<int>(size.cy, GetSystemMetrics(SM_CYMENU));
}

// The bar keeps its height for its items; a maximized child's buttons sit
// at its right end, as a window's own caption buttons do.
void TSkCustomMenuBar::ItemsChanged()
{
    if (!items_)
        return;
    const int height = BarHeight();
    if (Height() != height)
        SetHeight(height);
    int right = Width();
    for (int i = items_->Count() - 1; i >= 0; --i) {
        TSkCustomItem* item = items_->Items(i);
        if (!IsMergedButton(item) || item->SystemKind() == ksbIcon || !item->Visible())
            continue;
        const TRect r = item->ItemRect();
        const int width = r.right - r.left;
        item->SetItemRect(TRect{right - width, r.top, right, r.bottom});
        right -= width;
    }
    Invalidate();
}

// The merged child's icon is the child's own small icon.
void TSkCustomMenuBar::PaintItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect,
                                 bool selected, bool hot)
{
    TSkPopupView::PaintItem(canvas, item, rect, selected, hot);
    if (item->SystemKind() != ksbIcon || !mergedChild_ || !mergedChild_->Form() ||
        !mergedChild_->Form()->HandleAllocated())
        return;
    HWND window = mergedChild_->Form()->Handle();
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = SkDefaultIcon();
    const int side = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(canvas->Handle(), (rect.left + rect.right - side) / 2,
               (rect.top + rect.bottom - side) / 2, icon, side, side, 0, nullptr, DI_NORMAL);
}

RECT TSkCustomMenuBar::LevelRect()
{
    RECT r{};
    if (HandleAllocated())
        GetWindowRect(Handle(), &r);
    return r;
}

void TSkCustomMenuBar::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        if (!Looping()) {
            MouseDownOnBar(POINT{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))});
            return;
        }
        break;
    case WM_CHAR:
        // Posted by the form for Alt and Alt+letter.
        if (!Looping()) {
            EnterKeyboardMode(wchar_t(message.WParam));
            return;
        }
        break;
    case WM_SIZE:
        TSkPopupView::WndProc(message);
        ItemsChanged();
        return;
    default:
        break;
    }
    TSkPopupView::WndProc(message);
}

void TSkCustomMenuBar::MouseDownOnBar(POINT local)
{
    TSkCustomItem* hit = ItemAt(local);
    if (!Usable(hit))
        return;
    ApplySettings();
    SetSelected(hit, true);
    if (hit->HasVisibleItems())
        PostMessageA(Handle(), SK_REOPENMENU, 0, 0);
    RunLoop();
}

void TSkCustomMenuBar::EnterKeyboardMode(wchar_t ch)
{
    if (Looping() || !HandleAllocated() || !IsWindowVisible(Handle()))
        return;
    TSkCustomItem* item = nullptr;
    if (ch == 0) {
        for (int i = 0; i < Items()->Count() && !item; ++i)
            if (Usable(items_->Items(i)) && !IsMergedButton(items_->Items(i)))
                item = items_->Items(i);
    } else {
        item = FindAccelerator(Items(), ch);
    }
    if (!item) {
        if (ch != 0)
            MessageBeep(0);
        return;
    }
    ApplySettings();
    SetSelected(item);
    if (ch != 0)
        PostMessageA(Handle(), WM_KEYDOWN, VK_RETURN, 0);
    RunLoop();
}

bool TSkCustomMenuBar::TakeShortCut(const TWMKey& key)
{
    if (!items_ || Looping())
        return false;
    TSkCustomItem* item = FindShortCut(items_, ShortCutOf(key));
    if (!item)
        return false;
    ApplySettings();
    item->Click();
    return true;
}

// Merged child buttons --------------------------------------------------------

void TSkCustomMenuBar::MergeChild(TSkCustomForm* child)
{
    if (child == mergedChild_)
        return;
    RemoveMergedButtons();
    if (mergedChild_)
        mergedChild_->RemoveFreeNotification(this);
    mergedChild_ = child;
    if (!child) {
        ItemsChanged();
        return;
    }
    child->FreeNotification(this);
    auto add = [this](TSkSystemButtonKind kind, int index) {
        TSkCustomItem* item = CreateItem();
        item->SetSystemKind(kind);
        item->OnClick = [this](TObject* sender) { SystemButtonClick(sender); };
        Items()->Insert(index, item);
    };
    add(ksbIcon, 0);
    add(ksbMinimize, Items()->Count());
    add(ksbRestore, Items()->Count());
    add(ksbClose, Items()->Count());
    ItemsChanged();
}

void TSkCustomMenuBar::RemoveMergedButtons()
{
    if (!items_)
        return;
    for (int i = items_->Count() - 1; i >= 0; --i)
        if (IsMergedButton(items_->Items(i))) {
            TSkCustomItem* item = items_->Items(i);
            items_->Delete(i);
            delete item;
        }
}

// The click runs after the menu loop: the child may have gone meanwhile, and
// then its buttons went with it and this does not run.
void TSkCustomMenuBar::SystemButtonClick(TObject* sender)
{
    auto* item = dynamic_cast<TSkCustomItem*>(sender);
    TSkCustomForm* child = mergedChild_;
    if (!item || !child)
        return;
    switch (item->SystemKind()) {
    case ksbIcon:
        child->ShowSystemMenu();
        break;
    case ksbMinimize:
        child->Minimize();
        break;
    case ksbRestore:
        child->Restore();
        break;
    case ksbClose:
        child->Close();
        break;
    default:
        break;
    }
}

void TSkCustomMenuBar::Notification(TComponent* component, TOperation operation)
{
    TSkPopupView::Notification(component, operation);
    if (operation == opRemove && component == mergedChild_) {
        mergedChild_ = nullptr;
        RemoveMergedButtons();
        ItemsChanged();
    }
}
