// TSkThemeMemo: the memo whose background colour, frame and scroll bars come
// from the stylist's theme; without an available theme it is the plain memo.
#pragma once

#include "styling/controls/skmemo.h"

class TSkStylist;

class TSkThemeMemo : public TSkCustomMemo, public TSkVersioned {
    FW_DECLARE_CLASS(TSkThemeMemo)
public:
    explicit TSkThemeMemo(TComponent* owner);
    ~TSkThemeMemo() override;

    TSkStylist* Stylist() const { return stylist_; }
    // Also links the in-place bars and takes the theme's window colour.
    void SetStylist(TSkStylist* value);

protected:
    void CreateScrollBar(TSkInplaceScrollBar* owner, TSkCustomScrollBar*& bar) override;
    void DrawBackground(TCanvas* canvas, const RECT& rect) override;
    void DrawBorder(TCanvas* canvas, const RECT& rect) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    using TInherited = TSkCustomMemo;
    bool ThemeAvailable() const;

    TSkStylist* stylist_ = nullptr;
};
