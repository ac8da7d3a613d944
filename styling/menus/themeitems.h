// TSkThemeItem: a menu item painted and measured by its stylist's theme when
// one is usable, by the plain item otherwise. Sub-items that are plain
// items stay plain; themed sub-items take the stylist of the nearest themed
// item above them when they have none of their own.
#pragma once

#include "styling/core/skversion.h"
#include "styling/menus/skitems.h"

class TSkStylist;

class TSkThemeItem : public TSkCustomItem, public TSkVersioned {
    FW_DECLARE_CLASS(TSkThemeItem)
public:
    explicit TSkThemeItem(TComponent* owner);

    // Its own stylist, else that of the nearest themed item above it.
    TSkStylist* Stylist() const;
    void SetStylist(TSkStylist* value);
    bool HasOwnStylist() const { return stylist_ != nullptr; }
    bool ThemeAvailable() const;

    const TClassInfo* PopupWindowClass() const override;
    void Measure(TCanvas* canvas, TSkPopupView* view, int& width, int& height) override;
    void Paint(TCanvas* canvas, TSkPopupView* view, const TRect& rect, bool selected,
               bool hot) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
