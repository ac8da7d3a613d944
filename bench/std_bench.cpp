// Timings of every element of the classic look at a size it is used at,
// each against one BitBlt of its area measured in the same run (medians:
// these machines are shared and noisy).
#include "bench/benchsupport.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/skthemestd.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

struct TElement {
    const char* what;
    int width, height;
    std::function<void(TCanvas*, const TRect&)> paint;
};

}  // namespace

int main()
{
    TSkControlsUnit unit;
    const int runs = 15, calls = 100;
    const double goal = 4;
    TSkThemeStd t;
    TSkBitmap target, source;
    target.SetSize(400, 200);
    source.SetSize(400, 200);
    target.Fill(0xFFFFFFFF);
    source.Fill(0xFF336699);
    TCanvas canvas;
    canvas.SetHandle(target.DC());
    TSkCustomItem item(nullptr);
    item.SetCaption(L"&Open file");
    item.SetShortCut(scCtrl | 'O');
    item.SetSystemKind(ksbClose);
    TSkStatusPanel panel;

    const TElement elements[] = {
        {"DrawFormFrame 300 x 120", 300, 120,
         [&](TCanvas* c, const TRect&) { t.DrawFormFrame(c, 300, 120, {3, 26, 297, 117}, true, kbsStandard); }},
        {"DrawFormButton 18 x 15", 18, 15,
         [&](TCanvas* c, const TRect& r) { t.DrawFormButton(c, r, kfbClose, false, false, true, kbsStandard); }},
        {"DrawFormButton roll up", 18, 15,
         [&](TCanvas* c, const TRect& r) { t.DrawFormButton(c, r, kfbRollup, false, false, true, kbsStandard); }},
        {"DrawButton 75 x 25", 75, 25, [&](TCanvas* c, const TRect&) { t.DrawButton(c, 75, 25, kesHot); }},
        {"DrawCheckBox 13 x 13, checked", 13, 13,
         [&](TCanvas* c, const TRect& r) { t.DrawCheckBox(c, r, kesNormal, kchChecked); }},
        {"DrawRadioButton 13 x 13, checked", 13, 13,
         [&](TCanvas* c, const TRect& r) { t.DrawRadioButton(c, r, kesNormal, true); }},
        {"DrawTrackThumb 11 x 22, pointer", 11, 22,
         [&](TCanvas* c, const TRect& r) { t.DrawTrackThumb(c, r, false, 1, kesNormal); }},
        {"DrawTrackBar 150 x 6", 150, 6,
         [&](TCanvas* c, const TRect& r) { t.DrawTrackBar(c, r, {30, 0, 90, 6}); }},
        {"DrawProgressFrame 150 x 16", 150, 16, [&](TCanvas* c, const TRect& r) { t.DrawProgressFrame(c, r); }},
        {"DrawProgressBar 148 x 14, blocks", 148, 14,
         [&](TCanvas* c, const TRect& r) { t.DrawProgressBar(c, r, {0, 0, 110, 14}, false, false); }},
        {"DrawHeaderPanel 180 x 90", 180, 90, [&](TCanvas* c, const TRect& r) { t.DrawHeaderPanel(c, r, true, 0); }},
        {"DrawHeaderPanelCaption 178 x 19", 178, 19,
         [&](TCanvas* c, const TRect& r) { t.DrawHeaderPanelCaption(c, r, L"Header panel"); }},
        {"DrawHeaderPanelButton 17 x 17", 17, 17,
         [&](TCanvas* c, const TRect& r) { t.DrawHeaderPanelButton(c, r, khbClose, kesNormal, false); }},
        {"DrawGroupBox 150 x 80", 150, 80,
         [&](TCanvas* c, const TRect& r) { t.DrawGroupBox(c, r, {10, 0, 70, 13}, L"Group box"); }},
        {"DrawScrollTrack 17 x 100", 17, 100,
         [&](TCanvas* c, const TRect& r) { t.DrawScrollTrack(c, r, sbVertical); }},
        {"DrawScrollButton 17 x 17", 17, 17,
         [&](TCanvas* c, const TRect& r) { t.DrawScrollButton(c, r, sbVertical, true, kesNormal); }},
        {"DrawScrollThumb 17 x 60", 17, 60,
         [&](TCanvas* c, const TRect& r) { t.DrawScrollThumb(c, r, sbVertical, kesNormal); }},
        {"DrawTabSheet 120 x 60", 120, 60, [&](TCanvas* c, const TRect& r) { t.DrawTabSheet(c, r); }},
        {"DrawTab 60 x 22", 60, 22, [&](TCanvas* c, const TRect&) { t.DrawTab(c, {0, 1, 60, 21}, ktpTop, kesHot); }},
        {"DrawEditFrame 120 x 21", 120, 21, [&](TCanvas* c, const TRect& r) { t.DrawEditFrame(c, r, kesNormal); }},
        {"DrawMemoFrame 120 x 60", 120, 60, [&](TCanvas* c, const TRect& r) { t.DrawMemoFrame(c, r, true); }},
        {"DrawComboButton 17 x 21", 17, 21, [&](TCanvas* c, const TRect& r) { t.DrawComboButton(c, r, kesNormal); }},
        {"DrawSpeedButton 24 x 24, down", 24, 24,
         [&](TCanvas* c, const TRect& r) { t.DrawSpeedButton(c, r, kesNormal, false, true); }},
        {"DrawSpeedDropButton 24 x 24", 24, 24,
         [&](TCanvas* c, const TRect& r) { t.DrawSpeedDropButton(c, r, kesPressed, false, false); }},
        {"DrawGripBar 100 x 24", 100, 24,
         [&](TCanvas* c, const TRect& r) { t.DrawGripBar(c, r, {3, 4, 13, 20}); }},
        {"DrawItemBackground 30 x 20, down", 30, 20,
         [&](TCanvas* c, const TRect& r) { t.DrawItemBackground(c, r, kibDown); }},
        {"DrawPanelFace 40 x 20", 40, 20, [&](TCanvas* c, const TRect& r) { t.DrawPanelFace(c, r, true, true); }},
        {"DrawHeaderSection 60 x 20", 60, 20, [&](TCanvas* c, const TRect& r) { t.DrawHeaderSection(c, r, 0, kesHot); }},
        {"DrawSizeGrip 16 x 16", 16, 16, [&](TCanvas* c, const TRect& r) { t.DrawSizeGrip(c, r); }},
        {"DrawStatusPanel 100 x 20", 100, 20,
         [&](TCanvas* c, const TRect& r) { t.DrawStatusPanel(c, r, &panel); }},
        {"DrawMenuBarBackground 330 x 22", 330, 22,
         [&](TCanvas* c, const TRect&) { t.DrawMenuBarBackground(c, 330, 22); }},
        {"DrawMenuBarItem 40 x 23", 40, 23,
         [&](TCanvas* c, const TRect& r) { t.DrawMenuBarItem(c, &item, r, true, true); }},
        {"DrawMenuBarButton 21 x 21", 21, 21,
         [&](TCanvas* c, const TRect& r) { t.DrawMenuBarButton(c, &item, r, true, false); }},
        {"DrawPopupBackground 150 x 160", 150, 160,
         [&](TCanvas* c, const TRect&) { t.DrawPopupBackground(c, 150, 160); }},
        {"DrawPopupItem 144 x 23", 144, 23,
         [&](TCanvas* c, const TRect& r) { t.DrawPopupItem(c, &item, r, true, true); }},
        {"DrawPopupScrollButton 80 x 10, hot", 80, 10,
         [&](TCanvas* c, const TRect& r) { t.DrawPopupScrollButton(c, r, kpsUp, true); }},
    };

    std::printf("Medians of %d runs of %d calls, %s under Wine\n", runs, calls, BenchTarget());
    int over = 0;
    for (const TElement& e : elements) {
        const TRect r{0, 0, e.width, e.height};
        const double bitblt =
            MedianBitBltSeconds(target.DC(), 0, 0, e.width, e.height, source.DC(), runs, calls);
        const double paint = MedianSeconds(
            [&] {
                e.paint(&canvas, r);
                GdiFlush();
            },
            runs, calls);
        PrintAgainstBitBlt(e.what, 36, paint, bitblt, goal);
        over += paint > goal * bitblt;
    }
    std::printf("%d of %d elements over the goal\n", over, int(std::size(elements)));
    canvas.SetHandle(nullptr);
    return 0;
}
