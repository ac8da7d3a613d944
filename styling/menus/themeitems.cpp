#include "styling/menus/themeitems.h"

#include "framework/components/properties.h"
#include "styling/core/stylist.h"
#include "styling/core/sktext.h"
#include "styling/core/themethemes.h"
#include "styling/menus/skpopupview.h"
#include "styling/menus/thememenuform.h"

FW_IMPLEMENT_CLASS(TSkThemeItem, TSkCustomItem)
FW_PUBLISH(TSkThemeItem)
{
    // Only a stylist of its own: one taken from above comes back with the tree.
    p.Property("Stylist", &T::Stylist, &T::SetStylist).Stored(&T::HasOwnStylist);
    PublishVersion(p);
}

TSkThemeItem::TSkThemeItem(TComponent* owner) : TSkCustomItem(owner) {}

TSkStylist* TSkThemeItem::Stylist() const
{
    for (const TSkCustomItem* item = this; item; item = item->Parent())
        if (auto* themed = dynamic_cast<const TSkThemeItem*>(item); themed && themed->stylist_)
            return themed->stylist_;
    return nullptr;
}

void TSkThemeItem::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Changed();
}

void TSkThemeItem::Notification(TComponent* component, TOperation operation)
{
    TSkCustomItem::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Changed();
}

bool TSkThemeItem::ThemeAvailable() const
{
    return SkThemeAvailable(this, Stylist());
}

const TClassInfo* TSkThemeItem::PopupWindowClass() const
{
    return TSkThemePopupWindow::StaticClass();
}

void TSkThemeItem::Measure(TCanvas* canvas, TSkPopupView* view, int& width, int& height)
{
    if (!ThemeAvailable()) {
        TSkCustomItem::Measure(canvas, view, width, height);
        return;
    }
    const TSkTheme* theme = Stylist()->Theme();
    if (view && view->Horizontal()) {
        theme->MeasureMenuBarItem(canvas, this, width, height);
        return;
    }
    theme->MeasurePopupItem(canvas, this, width, height);
    if (IsSeparator())
        return;
    // Some themes measure a long caption short: never cut it.
    const int text = TextWidthWide(canvas, Caption(), DT_SINGLELINE);
    if (width < text - 4)
        width = text + 4;
}

void TSkThemeItem::Paint(TCanvas* canvas, TSkPopupView* view, const TRect& rect, bool selected,
                         bool hot)
{
    if (!ThemeAvailable()) {
        TSkCustomItem::Paint(canvas, view, rect, selected, hot);
        return;
    }
    const TSkTheme* theme = Stylist()->Theme();
    if (!view || !view->Horizontal())
        theme->DrawPopupItem(canvas, this, rect, selected, hot);
    else if (SystemKind() != ksbNone)
        theme->DrawMenuBarButton(canvas, this, rect, selected, hot);
    else
        theme->DrawMenuBarItem(canvas, this, rect, selected, hot);
}
