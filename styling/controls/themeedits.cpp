#include "styling/controls/themeedits.h"

#include "framework/components/properties.h"
#include "styling/core/skdraw.h"
#include "styling/core/stylist.h"
#include "styling/menus/skeditmenu.h"

FW_IMPLEMENT_CLASS(TSkThemeEdit, TSkCustomEdit)
FW_PUBLISH(TSkThemeEdit)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

namespace {

// The theme's colour kind for the background of text boxes.
constexpr uint8_t EditBackgroundColor = 6;
constexpr uint8_t FrameEnabled = 0;
constexpr uint8_t FrameDisabled = 3;

} // namespace

TSkThemeEdit::TSkThemeEdit(TComponent* owner) : TInherited(owner) {}

void TSkThemeEdit::SetStylist(TSkStylist* value)
{
    if (SkLinkStylist(this, stylist_, value))
        Invalidate();
}

void TSkThemeEdit::Notification(TComponent* component, TOperation operation)
{
    TInherited::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Invalidate();
}

bool TSkThemeEdit::ThemeAvailable() const
{
    return SkThemeAvailable(this, stylist_);
}

void TSkThemeEdit::PaintBorder()
{
    if (!ThemeAvailable()) {
        TInherited::PaintBorder();
        return;
    }
    stylist_->Theme()->DrawEditFrame(Canvas(), TRect{0, 0, Width(), Height()},
                                     Enabled() ? FrameEnabled : FrameDisabled);
}

void TSkThemeEdit::DrawBackground(const RECT& rect, TCanvas* canvas)
{
    if (!ThemeAvailable()) {
        TInherited::DrawBackground(rect, canvas);
        return;
    }
    FillRectColor(canvas, rect, stylist_->Theme()->GetColor(EditBackgroundColor));
}

std::unique_ptr<TSkEditMenu> TSkThemeEdit::CreatePopupMenu()
{
    return std::make_unique<TSkEditPopupMenu>([this] { return stylist_; });
}
