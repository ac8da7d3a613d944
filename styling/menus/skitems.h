// TSkCustomItem: one item of a menu tree. Items own their sub-items; the
// themes read the caption, the check mark, the shortcut, the image and
// whether there are sub-items. An item measures and paints itself for the
// popup view that shows it and runs its click after the menu has closed
// (see skclickhandler.h); the popup windows are in skpopupwindow.h.
#pragma once

#include "framework/base/geometry.h"
#include "framework/base/events.h"
#include "framework/components/actions.h"
#include "framework/components/component.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TImageList;
class TSkPopupMenuOptions;
class TSkPopupView;
class TSkItemActionLink;

class ESkItemError : public Exception {
public:
    using Exception::Exception;
};

// "Ctrl+Shift+S", "F5", "Del"; empty for 0.
std::string ShortCutToText(TShortCut shortCut);

// How an item shown in a menu bar is a system button (the form's buttons
// when a maximised child form merges them into the bar).
enum TSkSystemButtonKind : uint8_t {
    ksbNone = 0,
    ksbClose = 1,
    ksbRestore = 2,
    ksbMinimize = 3,
    ksbIcon = 4
};

class TSkCustomItem : public TComponent {
    FW_DECLARE_CLASS(TSkCustomItem)
public:
    explicit TSkCustomItem(TComponent* owner);
    ~TSkCustomItem() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);
    // The caption "-" makes a separator.
    bool IsSeparator() const { return caption_ == L"-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    bool Scrolled() const { return scrolled_; }
    void SetScrolled(bool value) { scrolled_ = value; }
    int ScrollCount() const { return scrollCount_; }
    void SetScrollCount(int value) { scrollCount_ = value < 0 ? 0 : value; }

    // A linked TAction supplies the caption, checks, shortcut, hint, help
    // context and image index and keeps them up to date; freeing it clears
    // the link. An item without OnClick takes the action's handler (see
    // ActionExecuteHandler), which RunClick tells from one of its own.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TImageList* Images() const { return images_; }
    // Cleared when the list is freed.
    void SetImages(TImageList* value);
    // This item's list, or that of its nearest parent that has one.
    TImageList* EffectiveImages() const;
    bool HasImage() const { return EffectiveImages() && imageIndex_ >= 0; }

    // Menu bars draw their items as buttons or not; the flag lives on the root.
    bool ButtonStyle() const { return Root()->buttonStyle_; }
    void SetButtonStyle(bool value) { buttonStyle_ = value; }
    TSkSystemButtonKind SystemKind() const { return systemKind_; }
    void SetSystemKind(TSkSystemButtonKind value) { systemKind_ = value; }

    // The tree. Insert raises ESkItemError for an item that already has a
    // parent, for one that would become its own ancestor and for an index
    // out of range; the tree is unchanged then.
    int Count() const { return int(items_.size()); }
    TSkCustomItem* Items(int index) const;
    TSkCustomItem* Parent() const { return parent_; }
    const TSkCustomItem* Root() const;
    void Add(TSkCustomItem* item) { Insert(Count(), item); }
    void Insert(int index, TSkCustomItem* item);
    // Detach without freeing.
    void Delete(int index);
    void Remove(TSkCustomItem* item);
    int IndexOf(const TSkCustomItem* item) const;

    // After any change that alters the item's look or size.
    virtual void Changed();

    // The class of the popup window that shows the sub-items (a
    // TSkPopupWindow descendant).
    virtual const TClassInfo* PopupWindowClass() const;
    // The size of the item in view; separators are thinner.
    virtual void Measure(TCanvas* canvas, TSkPopupView* view, int& width, int& height);
    // Draws the item into rect: selected by keyboard or mouse, hot when the
    // mouse did it.
    virtual void Paint(TCanvas* canvas, TSkPopupView* view, const TRect& rect, bool selected,
                       bool hot);
    // Only an enabled leaf that is not a separator clicks. With the click
    // handler running the click waits until the current message is over
    // (the menu has closed by then); without it, it runs at once.
    virtual void Click();
    // What Click does in the end: OnClick when it is the item's own and an
    // action is linked too; else the action, outside design mode; else
    // OnClick. The item may be freed by the handler.
    virtual void RunClick();
    bool HasVisibleItems() const;

    // Handed down from the root before every popup: the options the popup
    // windows take their blending, shadow and animation from, whether they
    // come to the foreground, and the window that owns the menu.
    TSkPopupMenuOptions* PopupOptions() const { return popupOptions_; }
    bool PopupForeground() const { return popupForeground_; }
    HWND OwnerWindow() const { return ownerWindow_; }
    void SetPopupSettings(TSkPopupMenuOptions* options, bool foreground, HWND owner);
    // Where the item was laid out in its view, in view coordinates.
    const TRect& ItemRect() const { return itemRect_; }
    void SetItemRect(const TRect& rect) { itemRect_ = rect; }

    // In stored descriptions an item nests in its parent item, or at the
    // top of a tree in its popup menu or menu bar, whose root item is
    // marked with SetMenu. Only the form's own items are written.
    TComponent* Menu() const { return menu_; }
    void SetMenu(TComponent* menu) { menu_ = menu; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    // False while a linked TAction supplies the item's caption and such.
    bool StateStored() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeDropDown;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The linked action changed, or was just linked.
    virtual void ActionChange(TBasicAction* action);

private:
    friend class TSkItemActionLink;
    void ActionFreed(TBasicAction* action);
    void MeasureOnBar(TCanvas* canvas, int& width, int& height);
    void PaintOnBar(TCanvas* canvas, const TRect& rect, bool selected, bool hot);

    std::wstring caption_;
    std::string hint_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool scrolled_ = false;
    bool buttonStyle_ = false;
    TSkSystemButtonKind systemKind_ = ksbNone;
    int helpContext_ = 0;
    int scrollCount_ = 0;
    int imageIndex_ = -1;
    TShortCut shortCut_ = 0;
    TImageList* images_ = nullptr;
    TSkPopupMenuOptions* popupOptions_ = nullptr;
    bool popupForeground_ = false;
    HWND ownerWindow_ = nullptr;
    TRect itemRect_{};
    TSkCustomItem* parent_ = nullptr;
    TComponent* menu_ = nullptr;
    std::vector<TSkCustomItem*> items_;
    std::unique_ptr<TSkItemActionLink> actionLink_;
};

// Told of every change to an item (freeing = false) and of every item about
// to be freed, so that an open popup never shows a freed item. One observer
// at a time: the popup views install theirs.
using TSkItemObserver = void (*)(TSkCustomItem* item, bool freeing);
void SetSkItemObserver(TSkItemObserver observer);

// The width of the glyph column at the left of a popup item: 22 pixels, or
// room for the item's images when they are wider than a menu line.
int ItemGlyphColumnWidth(const TSkCustomItem* item);

// The system's non-client metrics (the menu font, the menu line height).
// A view asks once for a whole layout or paint rather than once an item:
// while a scope lives, SkMenuMetrics answers its copy.
class TSkMenuMetricsScope {
public:
    TSkMenuMetricsScope();
    ~TSkMenuMetricsScope();
    TSkMenuMetricsScope(const TSkMenuMetricsScope&) = delete;
    TSkMenuMetricsScope& operator=(const TSkMenuMetricsScope&) = delete;

private:
    NONCLIENTMETRICSA metrics_{};
    const NONCLIENTMETRICSA* previous_;
};
bool SkMenuMetrics(NONCLIENTMETRICSA& metrics);
