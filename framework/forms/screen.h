// TScreen: the forms of the program, the active one, and the screen's size.
#pragma once

#include "framework/controls/control.h"

#include <vector>

class TCustomForm;

class TScreen : public TComponent {
    FW_DECLARE_CLASS(TScreen)
public:
    explicit TScreen(TComponent* owner);

    // Forms in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(index); }
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const;

    int Width() const;
    int Height() const;
    int DesktopLeft() const;
    int DesktopTop() const;
    int DesktopWidth() const;
    int DesktopHeight() const;

    // A cursor for the whole program; crDefault lets controls choose.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    HCURSOR Cursors(TCursor cursor) const;

    // Kept up to date by the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form) { activeForm_ = form; }

private:
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;
