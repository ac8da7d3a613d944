// TSkThemeButton: the push button whose face the stylist's theme paints.
#pragma once

#include "styling/controls/skbutton.h"
#include "styling/core/stylist.h"

class TSkThemeButton : public TSkCustomButton {
    FW_DECLARE_CLASS(TSkThemeButton)
public:
    explicit TSkThemeButton(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    // The stylist may belong to another form: the link goes when it does.
    void SetStylist(TSkStylist* value);

protected:
    void DrawButtonFace() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
