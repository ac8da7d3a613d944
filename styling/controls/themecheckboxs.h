// TSkThemeRadioButton: the radio button whose box the stylist's theme sizes
// and draws. There is no themed check box.
#pragma once

#include "styling/controls/skcheckbox.h"
#include "styling/core/stylist.h"

class TSkThemeRadioButton : public TSkCustomRadioButton {
    FW_DECLARE_CLASS(TSkThemeRadioButton)
public:
    explicit TSkThemeRadioButton(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    // The stylist may belong to another form: the link goes when it does.
    void SetStylist(TSkStylist* value);

protected:
    SIZE GetCheckSize() override;
    void DrawCheck() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};
