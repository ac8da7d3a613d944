// TSkCustomMenuBar: a form's row of menu items along its top edge. Its items
// drop their sub-menus in the library's popup windows; the bar answers the
// form's keyboard shortcuts before the form does, and Alt or an Alt+letter
// brings it into its keyboard mode. A maximized MDI child's icon and
// buttons join the bar of its parent while it stays maximized.
#pragma once

#include "styling/forms/skformoptions.h"
#include "styling/menus/skpopupview.h"

#include <memory>

class TImageList;
class TSkCustomForm;
class TSkCustomItem;
struct TWMKey;

class TSkCustomMenuBar : public TSkPopupView {
    FW_DECLARE_CLASS(TSkCustomMenuBar)
public:
    explicit TSkCustomMenuBar(TComponent* owner);
    ~TSkCustomMenuBar() override;
    void BeforeDestruction() override;

    // The root item; its sub-items are the bar's items. Owned.
    TSkCustomItem* Items() const;
    TImageList* Images() const;
    void SetImages(TImageList* value);
    TSkPopupMenuOptions* PopupMenuOptions() const { return options_.get(); }
    void SetPopupMenuOptions(const TSkPopupMenuOptions* value);

    // True when an enabled item with that key as its shortcut took it (its
    // click runs once the message is over).
    bool TakeShortCut(const TWMKey& key);
    // Keyboard mode: the item whose accelerator is ch drops down (or clicks);
    // 0 (Alt alone) selects the first item and waits for keys.
    void EnterKeyboardMode(wchar_t ch);

    // The MDI child whose icon and buttons the bar shows, while it is
    // maximized; null takes them away.
    TSkCustomForm* MergedChild() const { return mergedChild_; }
    void MergeChild(TSkCustomForm* child);

    // The bar's height for its items; the bar keeps it whenever they change.
    int BarHeight();

protected:
    // A new item of the bar's kind, for its root and the merged buttons; a
    // themed bar makes themed ones.
    virtual TSkCustomItem* CreateItem();
    void ItemsChanged() override;
    void HideLevel() override {}
    void PaintItem(TCanvas* canvas, TSkCustomItem* item, const TRect& rect, bool selected,
                   bool hot) override;
    RECT LevelRect() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Hands options and owner window down the tree.
    void ApplySettings();

private:
    void MouseDownOnBar(POINT local);
    void RemoveMergedButtons();
    void SystemButtonClick(TObject* sender);

    mutable TSkCustomItem* items_ = nullptr;
    std::unique_ptr<TSkPopupMenuOptions> options_;
    TSkCustomForm* mergedChild_ = nullptr;
};
