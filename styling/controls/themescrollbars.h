// TSkThemeScrollBar: the scroll bar whose button size and look come from the
// stylist's theme; without an available theme it is the plain bar.
#pragma once

#include "styling/controls/skscrollbar.h"

class TSkStylist;

class TSkThemeScrollBar : public TSkCustomScrollBar {
    FW_DECLARE_CLASS(TSkThemeScrollBar)
public:
    explicit TSkThemeScrollBar(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    // The stylist may belong to another form: the link goes when it does.
    void SetStylist(TSkStylist* value);

    int GetButtonSize() override;

protected:
    void PaintClient() override;
    void DrawFirstButton() override;
    void DrawSecondButton() override;
    void DrawThumb() override;
    void DrawTrack() override;
    void DrawBorder() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    using TInherited = TSkCustomScrollBar;
    bool ThemeAvailable() const;
    // A pressed page area, narrowed by a pixel on each side across the bar.
    void FillPressedPage(RECT page);

    TSkStylist* stylist_ = nullptr;
};
