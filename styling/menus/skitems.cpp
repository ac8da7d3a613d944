#include "styling/menus/skitems.h"

#include "framework/components/properties.h"
#include "framework/forms/application.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/imagelist.h"
#include "styling/core/skdraw.h"
#include "styling/core/skrects.h"
#include "styling/core/sktext.h"
#include "styling/menus/skclickhandler.h"
#include "styling/menus/skmenubar.h"
#include "styling/menus/skpopupmenu.h"
#include "styling/menus/skpopupview.h"
#include "styling/menus/skpopupwindow.h"

#include <windows.h>

#include <algorithm>

FW_IMPLEMENT_CLASS(TSkCustomItem, TComponent)
FW_PUBLISH(TSkCustomItem)
{
    // What a linked action supplies is not stored: the action brings it.
    p.Property("Caption", &T::Caption, &T::SetCaption).Stored(&T::StateStored);
    p.Property("Checked", &T::Checked, &T::SetChecked).Default(false).Stored(&T::StateStored);
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true).Stored(&T::StateStored);
    p.Property("HelpContext", &T::HelpContext, &T::SetHelpContext).Default(0).Stored(&T::StateStored);
    p.Property("Hint", &T::Hint, &T::SetHint).Stored(&T::StateStored);
    p.Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1).Stored(&T::StateStored);
    p.Property("Images", &T::Images, &T::SetImages);
    p.Property("ShortCut", &T::ShortCut, &T::SetShortCut).Default(0).Stored(&T::StateStored);
    p.Property("Visible", &T::Visible, &T::SetVisible).Default(true).Stored(&T::StateStored);
    p.Property("Scrolled", &T::Scrolled, &T::SetScrolled).Default(false);
    p.Property("ScrollCount", &T::ScrollCount, &T::SetScrollCount).Default(0);
    p.Property("Action", &T::Action, &T::SetAction);
    p.Event("OnClick", &T::OnClick);
    p.Event("OnBeforeDropDown", &T::OnBeforeDropDown);
}

// The item's end of its action link.
class TSkItemActionLink : public TBasicActionLink {
public:
    explicit TSkItemActionLink(TSkCustomItem* item) : item_(item) {}

protected:
    void ActionChanged() override { item_->ActionChange(Action()); }
    void ActionFreed(TBasicAction* action) override { item_->ActionFreed(action); }

private:
    TSkCustomItem* item_;
};

namespace {

TSkItemObserver Observer = nullptr;

void Observe(TSkCustomItem* item, bool freeing)
{
    if (Observer)
        Observer(item, freeing);
}

}  // namespace

void SetSkItemObserver(TSkItemObserver observer)
{
    Observer = observer;
}

TSkCustomItem::TSkCustomItem(TComponent* owner) : TComponent(owner) {}

TSkCustomItem::~TSkCustomItem()
{
    SkForgetItemClicks(this);
    Observe(this, true);
    // Sub-items go last first; each leaves this list before it is freed,
    // and its owner's list as it goes, so that neither frees it again.
    while (!items_.empty()) {
        TSkCustomItem* last = items_.back();
        items_.pop_back();
        last->parent_ = nullptr;
        last->Free();
    }
    if (parent_)
        parent_->Remove(this);
    if (images_)
        images_->RemoveFreeNotification(this);
}

TBasicAction* TSkCustomItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TSkCustomItem::SetAction(TBasicAction* value)
{
    TBasicAction* old = Action();
    if (value == old)
        return;
    if (old) {
        old->RemoveFreeNotification(this);
        ActionFreed(old);
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TSkItemActionLink>(this);
    if (value) {
        value->FreeNotification(this);
        if (!OnClick)
            OnClick = ActionExecuteHandler(value);
    }
    actionLink_->SetAction(value);
}

// The link is empty by now; the handler taken from the action goes too.
void TSkCustomItem::ActionFreed(TBasicAction* action)
{
    if (IsActionExecuteHandler(OnClick, action))
        OnClick = nullptr;
    if (actionLink_)
        actionLink_->SetAction(nullptr);
}

void TSkCustomItem::ActionChange(TBasicAction* action)
{
    auto* source = dynamic_cast<TAction*>(action);
    if (!source)
        return;
    SetCaption(source->Caption());
    SetChecked(source->Checked());
    SetEnabled(source->Enabled());
    SetVisible(source->Visible());
    SetShortCut(source->ShortCut());
    SetHint(source->Hint());
    SetHelpContext(source->HelpContext());
    SetImageIndex(source->ImageIndex());
}

bool TSkCustomItem::StateStored() const
{
    return !dynamic_cast<const TAction*>(Action());
}

TComponent* TSkCustomItem::GetParentComponent() const
{
    if (!parent_)
        return menu_;
    return parent_->menu_ ? parent_->menu_ : parent_;
}

namespace {

TSkCustomItem* ItemsOf(TComponent* parent)
{
    if (auto* item = dynamic_cast<TSkCustomItem*>(parent))
        return item;
    if (auto* menu = dynamic_cast<TSkCustomPopupMenu*>(parent))
        return menu->Items();
    if (auto* bar = dynamic_cast<TSkCustomMenuBar*>(parent))
        return bar->Items();
    return nullptr;
}

}  // namespace

// At the top of a description the item stays on its own, as it was written.
void TSkCustomItem::SetParentComponent(TComponent* parent)
{
    if (TSkCustomItem* items = ItemsOf(parent))
        items->Add(this);
    else if (parent && parent != Owner())
        throw ESkItemError(std::string("Menu items belong in a popup menu, a menu bar or another "
                                       "item, not in a ") + parent->ClassName());
}

void TSkCustomItem::GetChildren(const std::function<void(TComponent*)>& proc,
                                TComponent* root) const
{
    for (TSkCustomItem* item : items_)
        if (item->Owner() == root)
            proc(item);
}

void TSkCustomItem::SetCaption(const std::wstring& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    Changed();
}

void TSkCustomItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Changed();
}

void TSkCustomItem::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Changed();
}

void TSkCustomItem::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed();
}

void TSkCustomItem::SetShortCut(TShortCut value)
{
    if (value == shortCut_)
        return;
    shortCut_ = value;
    Changed();
}

void TSkCustomItem::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    Changed();
}

void TSkCustomItem::SetImages(TImageList* value)
{
    if (value == images_)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = value;
    if (images_)
        images_->FreeNotification(this);
    Changed();
}

TImageList* TSkCustomItem::EffectiveImages() const
{
    for (const TSkCustomItem* item = this; item; item = item->parent_)
        if (item->images_)
            return item->images_;
    return nullptr;
}

void TSkCustomItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        Changed();
    }
}

const TSkCustomItem* TSkCustomItem::Root() const
{
    const TSkCustomItem* item = this;
    while (item->parent_)
        item = item->parent_;
    return item;
}

TSkCustomItem* TSkCustomItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ESkItemError("Item index out of bounds (" + std::to_string(index) + ")");
    return items_[size_t(index)];
}

void TSkCustomItem::Insert(int index, TSkCustomItem* item)
{
    if (!item)
        throw ESkItemError("No item to insert");
    if (item->parent_)
        throw ESkItemError("Toolbar item already inserted");
    for (const TSkCustomItem* up = this; up; up = up->parent_)
        if (up == item)
            throw ESkItemError("An item cannot be inserted into itself");
    if (index < 0 || index > Count())
        throw ESkItemError("Item index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TSkCustomItem::Delete(int index)
{
    TSkCustomItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed();
}

void TSkCustomItem::Remove(TSkCustomItem* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

int TSkCustomItem::IndexOf(const TSkCustomItem* item) const
{
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : int(found - items_.begin());
}

void TSkCustomItem::Changed()
{
    Observe(this, false);
    if (OnChange)
        OnChange(this);
}

bool TSkCustomItem::HasVisibleItems() const
{
    return std::any_of(items_.begin(), items_.end(),
                       [](const TSkCustomItem* item) { return item->visible_; });
}

void TSkCustomItem::SetPopupSettings(TSkPopupMenuOptions* options, bool foreground, HWND owner)
{
    popupOptions_ = options;
    popupForeground_ = foreground;
    ownerWindow_ = owner;
    for (TSkCustomItem* item : items_)
        item->SetPopupSettings(options, foreground, owner);
}

const TClassInfo* TSkCustomItem::PopupWindowClass() const
{
    return TSkPopupWindow::StaticClass();
}

namespace {

// The plain look, drawn like the system's classic menus.
constexpr int SeparatorHeight = 9;
constexpr int PlainItemHeight = 20;
constexpr int ArrowColumn = 16;
constexpr int ShortCutGap = 24;

std::wstring ShortCutText(const TSkCustomItem* item)
{
    const std::string text = ShortCutToText(item->ShortCut());
    return std::wstring(text.begin(), text.end());
}

void UseMenuFont(TCanvas* canvas)
{
    NONCLIENTMETRICSA metrics;
    if (SkMenuMetrics(metrics)) {
        canvas->Font()->SetName(metrics.lfMenuFont.lfFaceName);
        canvas->Font()->SetHeight(metrics.lfMenuFont.lfHeight);
    }
}

}  // namespace

namespace {

// Space left and right of a bar item's caption.
constexpr int BarItemPadding = 6;

bool OnBar(const TSkPopupView* view)
{
    return view && view->Horizontal();
}

UINT CaptionButtonGlyph(TSkSystemButtonKind kind)
{
    return kind == ksbClose ? DFCS_CAPTIONCLOSE
                            : kind == ksbRestore ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
}

}  // namespace

void TSkCustomItem::MeasureOnBar(TCanvas* canvas, int& width, int& height)
{
    height = GetSystemMetrics(SM_CYMENU);
    if (systemKind_ != ksbNone) {
        width = height;
        return;
    }
    UseMenuFont(canvas);
    width = TextWidthWide(canvas, caption_, DT_SINGLELINE) + 2 * BarItemPadding;
}

// A bar item is its caption on the bar's colour, highlighted when selected;
// a maximized child's buttons are small caption buttons.
void TSkCustomItem::PaintOnBar(TCanvas* canvas, const TRect& rect, bool selected, bool hot)
{
    FillRectColor(canvas, rect, selected && systemKind_ == ksbNone ? clHighlight : clMenu);
    if (systemKind_ == ksbIcon)
        return;
    if (systemKind_ != ksbNone) {
        const TRect button{rect.left + 1, rect.top + 2, rect.right - 1, rect.bottom - 2};
        const UINT pushed = selected && !hot ? DFCS_PUSHED : 0;
        DrawFrameControl(canvas->Handle(), const_cast<TRect*>(&button), DFC_CAPTION,
                         CaptionButtonGlyph(systemKind_) | pushed);
        return;
    }
    UseMenuFont(canvas);
    canvas->Font()->SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    canvas->Brush()->SetStyle(bsClear);
    TRect text = rect;
    DrawTextWide(canvas, caption_, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TSkCustomItem::Measure(TCanvas* canvas, TSkPopupView* view, int& width, int& height)
{
    if (OnBar(view)) {
        MeasureOnBar(canvas, width, height);
        return;
    }
    if (IsSeparator()) {
        width = ItemGlyphColumnWidth(this);
        height = SeparatorHeight;
        return;
    }
    UseMenuFont(canvas);
    const int text = TextWidthWide(canvas, caption_, DT_SINGLELINE);
    const std::wstring keys = ShortCutText(this);
    const int keysWidth = keys.empty() ? 0 : ShortCutGap + TextWidthWide(canvas, keys, DT_SINGLELINE);
    width = ItemGlyphColumnWidth(this) + 4 + text + keysWidth + ArrowColumn;
    height = PlainItemHeight;
}

void TSkCustomItem::Paint(TCanvas* canvas, TSkPopupView* view, const TRect& rect, bool selected,
                          bool hot)
{
    if (IsRectEmptyEx(rect))
        return;
    if (OnBar(view)) {
        PaintOnBar(canvas, rect, selected, hot);
        return;
    }
    if (IsSeparator()) {
        FillRectColor(canvas, rect, clMenu);
        const int y = (rect.top + rect.bottom) / 2 - 1;
        DrawFrame3D(canvas, TRect{rect.left + 1, y, rect.right - 1, y + 2}, clBtnShadow,
                    clBtnHighlight);
        return;
    }
    FillRectColor(canvas, rect, selected ? clHighlight : clMenu);
    const TColor ink = !enabled_ ? clGrayText : selected ? clHighlightText : clMenuText;
    const TRect column{rect.left, rect.top, rect.left + ItemGlyphColumnWidth(this), rect.bottom};
    if (HasImage()) {
        TImageList* images = EffectiveImages();
        const TRect at = CenterRect({0, 0, images->Width(), images->Height()}, column);
        images->Draw(canvas, at.left, at.top, imageIndex_, enabled_);
    } else if (checked_) {
        DrawFrameGlyph(canvas, CenterRect({0, 0, 16, 16}, column), DFC_MENU, ink, DFCS_MENUCHECK);
    }
    UseMenuFont(canvas);
    canvas->Font()->SetColor(ink);
    canvas->Brush()->SetStyle(bsClear);
    TRect text{column.right + 4, rect.top, rect.right - ArrowColumn, rect.bottom};
    DrawTextWide(canvas, caption_, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (const std::wstring keys = ShortCutText(this); !keys.empty())
        DrawTextWide(canvas, keys, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    if (HasVisibleItems())
        DrawFrameGlyph(canvas, TRect{rect.right - ArrowColumn, rect.top, rect.right, rect.bottom},
                       DFC_MENU, ink, DFCS_MENUARROW);
}

void TSkCustomItem::Click()
{
    if (!enabled_ || IsSeparator() || !items_.empty())
        return;
    if (!SkPostItemClick(this))
        RunClick();
}

void TSkCustomItem::RunClick()
{
    // What the menu left behind (its windows going away) is over before
    // the handler runs.
    Application->ProcessMessages();
    TBasicAction* action = Action();
    if (OnClick && action && !IsActionExecuteHandler(OnClick, action))
        OnClick(this);
    else if (action && !ComponentState().Contains(csDesigning))
        action->Execute();
    else if (OnClick)
        OnClick(this);
}

namespace {

std::string KeyName(UINT key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, char(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    struct TNamedKey {
        UINT key;
        const char* name;
    };
    static const TNamedKey names[] = {
        {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
        {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},
        {VK_HOME, "Home"},  {VK_LEFT, "Left"}, {VK_UP, "Up"},        {VK_RIGHT, "Right"},
        {VK_DOWN, "Down"},  {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
    };
    for (const TNamedKey& named : names)
        if (named.key == key)
            return named.name;
    char text[64] = {};
    const LONG scan = LONG(MapVirtualKeyA(key, 0 /* MAPVK_VK_TO_VSC */)) << 16;
    return GetKeyNameTextA(scan, text, sizeof text) > 0 ? std::string(text) : std::string();
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string key = KeyName(shortCut & 0xFF);
    if (key.empty())
        return std::string();
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

int ItemGlyphColumnWidth(const TSkCustomItem* item)
{
    TImageList* images = item ? item->EffectiveImages() : nullptr;
    if (!images)
        return 22;
    NONCLIENTMETRICSA metrics;
    int lineHeight = 20;
    if (SkMenuMetrics(metrics))
        lineHeight = std::max(lineHeight, int(metrics.iMenuHeight));
    return images->Width() > lineHeight ? images->Width() + 6 : 22;
}

namespace {

const NONCLIENTMETRICSA* ScopeMetrics = nullptr;

bool AskMetrics(NONCLIENTMETRICSA& metrics)
{
    metrics = NONCLIENTMETRICSA{};
    metrics.cbSize = sizeof metrics;
    return SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0;
}

}  // namespace

TSkMenuMetricsScope::TSkMenuMetricsScope() : previous_(ScopeMetrics)
{
    if (AskMetrics(metrics_))
        ScopeMetrics = &metrics_;
}

TSkMenuMetricsScope::~TSkMenuMetricsScope()
{
    ScopeMetrics = previous_;
}

bool SkMenuMetrics(NONCLIENTMETRICSA& metrics)
{
    if (!ScopeMetrics)
        return AskMetrics(metrics);
    metrics = *ScopeMetrics;
    return true;
}
