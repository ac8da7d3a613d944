// TSkStatusPanel: one panel of a status bar, as far as the themes read it:
// the bar it belongs to, whose size the bar's background is stretched over.
#pragma once

#include "framework/components/persistent.h"

class TControl;

class TSkStatusPanel : public TPersistent {
    FW_DECLARE_CLASS(TSkStatusPanel)
public:
    explicit TSkStatusPanel(TControl* statusBar = nullptr) : statusBar_(statusBar) {}

    // Not owned; null for a panel on its own.
    TControl* StatusBar() const { return statusBar_; }
    void SetStatusBar(TControl* statusBar) { statusBar_ = statusBar; }
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value < 0 ? 0 : value; }

private:
    TControl* statusBar_;
    int width_ = 50;
};
