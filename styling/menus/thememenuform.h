// The popup window of a themed item: its skin draws the frame and the
// background through the theme's DrawPopupBackground, its view the scroll
// buttons through DrawPopupScrollButton, when the theme is usable.
#pragma once

#include "styling/menus/skpopupview.h"
#include "styling/menus/skpopupwindow.h"

class TSkStylist;

class TSkThemePopupForm : public TSkPopupForm {
    FW_DECLARE_CLASS(TSkThemePopupForm)
public:
    explicit TSkThemePopupForm(TComponent* owner);
    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);

protected:
    void PaintPopupFrame(TCanvas* canvas, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};

class TSkThemePopupView : public TSkPopupView {
    FW_DECLARE_CLASS(TSkThemePopupView)
public:
    explicit TSkThemePopupView(TComponent* owner);
    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value);

protected:
    void PaintBackground(TCanvas* canvas, const RECT& rect) override;
    void PaintScrollButton(TCanvas* canvas, const RECT& rect, bool down, bool hot) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSkStylist* stylist_ = nullptr;
};

// Takes the stylist of the themed item it shows.
class TSkThemePopupWindow : public TSkPopupWindow {
    FW_DECLARE_CLASS(TSkThemePopupWindow)
public:
    explicit TSkThemePopupWindow(TComponent* owner);

protected:
    TSkPopupForm* CreateSkin() override;
    TSkPopupView* CreateView() override;
    void ItemShown(TSkCustomItem* item) override;
};
