// TSkThemeEdit: the edit painted through its stylist's theme: the theme
// draws the frame and gives the background colour. Without an available
// theme it looks like the plain edit.
#pragma once

#include "styling/controls/skedit.h"

class TSkStylist;

class TSkThemeEdit : public TSkCustomEdit {
    FW_DECLARE_CLASS(TSkThemeEdit)
public:
    explicit TSkThemeEdit(TComponent* owner);

    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void PaintBorder() override;
    void DrawBackground(const RECT& rect, TCanvas* canvas) override;
    // The context menu paints through the same stylist.
    std::unique_ptr<TSkEditMenu> CreatePopupMenu() override;

private:
    using TInherited = TSkCustomEdit;
    bool ThemeAvailable() const;

    TSkStylist* stylist_ = nullptr;
};
