#include "styling/forms/skframelayout.h"

#include <algorithm>

TSkFrameMetrics SkFallbackMetrics(TSkBorderStyle style)
{
    TSkFrameMetrics m;
    if (style == kbsNone)
        return m;
    m.Border = SkFallbackBorder;
    m.Caption = style == kbsToolWindow ? SkFallbackToolCaption : SkFallbackCaption;
    m.Top = m.Border + m.Caption;
    m.Bottom = m.Border;
    m.ButtonWidth = m.ButtonHeight = m.Caption - 4;
    m.ButtonRight = m.Border + 2;
    m.ButtonTop = m.Border + 2;
    m.ButtonGap = 2;
    return m;
}

TSkFrameLayout ComputeFrameLayout(const TSkFrameMetrics& m, int width, int height,
                                  TSkBorderIcons icons, TSkBorderStyle style)
{
    TSkFrameLayout layout;
    layout.Client = {m.Border, m.Top, std::max(m.Border, width - m.Border),
                     std::max(m.Top, height - m.Bottom)};
    if (style == kbsNone || m.Caption <= 0)
        return layout;

    static constexpr TSkBorderIcon rightToLeft[] = {kbiClose, kbiMaximize, kbiMinimize,
                                                   kbiHelp,  kbiRollup,   kbiTray};
    int right = width - m.ButtonRight;
    for (TSkBorderIcon icon : rightToLeft) {
        if (!icons.Contains(icon) || (style == kbsToolWindow && icon != kbiClose))
            continue;
        layout.Buttons[icon] = {right - m.ButtonWidth, m.ButtonTop, right,
                                m.ButtonTop + m.ButtonHeight};
        right -= m.ButtonWidth + m.ButtonGap;
    }
    int left = m.Border + 2;
    if (icons.Contains(kbiSystemMenu) && style == kbsStandard) {
        layout.Buttons[kbiSystemMenu] = {left, m.ButtonTop, left + m.ButtonHeight,
                                         m.ButtonTop + m.ButtonHeight};
        left += m.ButtonHeight + 2;
    }
    layout.Text = {left, m.Top - m.Caption, std::max(left, right - 2), m.Top};
    return layout;
}
