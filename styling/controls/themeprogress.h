// TSkThemeProgressBar: the progress bar whose frame and bar the stylist's
// theme draws; without an available theme it looks like the plain bar.
#pragma once

#include "styling/controls/skprogressbar.h"

class TSkStylist;

class TSkThemeProgressBar : public TSkCustomProgressBar {
    FW_DECLARE_CLASS(TSkThemeProgressBar)
public:
    explicit TSkThemeProgressBar(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    // The stylist may belong to another form: the link goes when it does.
    void SetStylist(TSkStylist* value);

protected:
    void DrawBar() override;
    void DrawFrame() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    using TInherited = TSkCustomProgressBar;

    TSkStylist* stylist_ = nullptr;
};
