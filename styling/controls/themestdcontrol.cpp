#include "styling/controls/themestdcontrol.h"

#include "framework/components/properties.h"
#include "styling/controls/themescrollbars.h"
#include "styling/core/skdraw.h"
#include "styling/core/stylist.h"

FW_IMPLEMENT_CLASS(TSkThemeMemo, TSkCustomMemo)
FW_PUBLISH(TSkThemeMemo)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
    PublishVersion(p);
}

namespace {

// The theme's colour kind for the background of text boxes.
constexpr uint8_t MemoBackgroundColor = kcWindow;
constexpr uint8_t FrameEnabled = kesNormal;
constexpr uint8_t FrameDisabled = kesDisabled;

} // namespace

TSkThemeMemo::TSkThemeMemo(TComponent* owner) : TInherited(owner)
{
    // The base made plain bars: the virtual creation was not ours yet.
    RemakeSubScrollBar();
}

TSkThemeMemo::~TSkThemeMemo() = default;

bool TSkThemeMemo::ThemeAvailable() const
{
    return SkThemeAvailable(this, stylist_);
}

void TSkThemeMemo::SetStylist(TSkStylist* value)
{
    if (!SkLinkStylist(this, stylist_, value))
        return;
    if (TSkSubScrollBar* sub = SubScrollBar())
        for (TSkInplaceScrollBar* bar : {sub->VertBar(), sub->HorzBar()})
            if (bar)
                if (auto* themed = dynamic_cast<TSkThemeScrollBar*>(bar->ScrollBar()))
                    themed->SetStylist(value);
    // A stored description sets the colour it keeps: a link read with it
    // must not turn it into the system's window colour.
    if (!ComponentState().Contains(csLoading))
        SetColor(ThemeAvailable() ? stylist_->Theme()->GetColor(MemoBackgroundColor) : clWindow);
    Invalidate();
}

// A link read with a description is set while loading, when no theme is
// usable yet: once all is read, the theme's colour wins over a stored one.
void TSkThemeMemo::Loaded()
{
    TInherited::Loaded();
    if (stylist_ && stylist_->Theme() && stylist_->Theme()->IsAvailable())
        SetColor(stylist_->Theme()->GetColor(MemoBackgroundColor));
}

void TSkThemeMemo::Notification(TComponent* component, TOperation operation)
{
    TInherited::Notification(component, operation);
    if (SkUnlinkRemovedStylist(stylist_, component, operation))
        Invalidate();
}

void TSkThemeMemo::CreateScrollBar(TSkInplaceScrollBar*, TSkCustomScrollBar*& bar)
{
    auto* themed = new TSkThemeScrollBar(nullptr);
    themed->SetStylist(stylist_);
    bar = themed;
}

void TSkThemeMemo::DrawBackground(TCanvas* canvas, const RECT& rect)
{
    if (!ThemeAvailable()) {
        TInherited::DrawBackground(canvas, rect);
        return;
    }
    FillRectColor(canvas, rect, stylist_->Theme()->GetColor(MemoBackgroundColor));
}

void TSkThemeMemo::DrawBorder(TCanvas* canvas, const RECT& rect)
{
    if (!ThemeAvailable()) {
        TInherited::DrawBorder(canvas, rect);
        return;
    }
    if (!(GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        return;
    stylist_->Theme()->DrawEditFrame(canvas, rect, Enabled() ? FrameEnabled : FrameDisabled);
}
