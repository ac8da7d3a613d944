// Timings of every element of every look at a size it is
// used at, each against one BitBlt of its area measured in the same run
// (medians: these machines are shared and noisy), as a table of looks.
#include "bench/benchsupport.h"
#include "framework/graphics/canvas.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skelementcache.h"
#include "styling/core/sksystem.h"
#include "styling/menus/skitems.h"
#include "styling/menus/skstatuspanel.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeflat.h"
#include "styling/themes/skthemehighlight.h"
#include "styling/themes/skthemekde.h"
#include "styling/themes/skthemelines.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"
#include "styling/themes/skthemeofficexp.h"
#include "styling/themes/skthemestd.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>

namespace {

struct TElement {
    const char* what;
    int width, height;
    std::function<void(const TSkTheme&, TCanvas*, const TRect&)> paint;
};

}  // namespace

int main(int argc, char** argv)
{
    // --uncached: every paint drawn afresh, as before the element pictures.
    const bool uncached = argc > 1 && std::strcmp(argv[1], "--uncached") == 0;
    TSkControlsUnit unit;
    const int runs = 15, calls = 100;
    const double goal = 4;
    const TSkThemeStd advanced;
    const TSkThemeFlat flat;
    const TSkThemeCoolFlat coolFlat;
    const TSkThemeOfficeXP officeXP;
    const TSkThemeHighlight highlight;
    const TSkThemeLines lines;
    const TSkThemeKDE kde;
    const TSkThemeLuna luna;
    const TSkThemeMetalLuna metalLuna;
    const TSkTheme* looks[] = {&advanced, &flat,  &coolFlat, &officeXP, &highlight,
                               &lines,    &kde,   &luna,     &metalLuna};
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
         [&](const TSkTheme& t, TCanvas* c, const TRect&) { t.DrawFormFrame(c, 300, 120, {3, 26, 297, 117}, true, kbsStandard); }},
        {"DrawFormButton 18 x 15", 18, 15,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawFormButton(c, r, kfbClose, false, false, true, kbsStandard); }},
        {"DrawFormButton roll up", 18, 15,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawFormButton(c, r, kfbRollup, false, false, true, kbsStandard); }},
        {"DrawButton 75 x 25", 75, 25, [&](const TSkTheme& t, TCanvas* c, const TRect&) { t.DrawButton(c, 75, 25, kesHot); }},
        {"DrawCheckBox 13 x 13, checked", 13, 13,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawCheckBox(c, r, kesNormal, kchChecked); }},
        {"DrawRadioButton 13 x 13, checked", 13, 13,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawRadioButton(c, r, kesNormal, true); }},
        {"DrawTrackThumb 11 x 22, pointer", 11, 22,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTrackThumb(c, r, false, 1, kesNormal); }},
        {"DrawTrackBar 150 x 6", 150, 6,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTrackBar(c, r, {30, 0, 90, 6}); }},
        {"DrawProgressFrame 150 x 16", 150, 16, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawProgressFrame(c, r); }},
        {"DrawProgressBar 148 x 14, blocks", 148, 14,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawProgressBar(c, r, {0, 0, 110, 14}, false, false); }},
        {"DrawHeaderPanel 180 x 90", 180, 90, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawHeaderPanel(c, r, true, 0); }},
        {"DrawHeaderPanelCaption 178 x 19", 178, 19,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawHeaderPanelCaption(c, r, L"Header panel"); }},
        {"DrawHeaderPanelButton 17 x 17", 17, 17,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawHeaderPanelButton(c, r, khbClose, kesNormal, false); }},
        {"DrawGroupBox 150 x 80", 150, 80,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawGroupBox(c, r, {10, 0, 70, 13}, L"Group box"); }},
        {"DrawScrollTrack 17 x 100", 17, 100,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawScrollTrack(c, r, sbVertical); }},
        {"DrawScrollButton 17 x 17", 17, 17,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawScrollButton(c, r, sbVertical, true, kesNormal); }},
        {"DrawScrollThumb 17 x 60", 17, 60,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawScrollThumb(c, r, sbVertical, kesNormal); }},
        {"DrawTabSheet 120 x 60", 120, 60, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTabSheet(c, r); }},
        {"DrawTab 60 x 22", 60, 22, [&](const TSkTheme& t, TCanvas* c, const TRect&) { t.DrawTab(c, {0, 1, 60, 21}, ktpTop, kesHot); }},
        {"DrawEditFrame 120 x 21", 120, 21, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawEditFrame(c, r, kesNormal); }},
        {"DrawMemoFrame 120 x 60", 120, 60, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawMemoFrame(c, r, true); }},
        {"DrawComboButton 17 x 21", 17, 21, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawComboButton(c, r, kesNormal); }},
        {"DrawSpeedButton 24 x 24, down", 24, 24,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSpeedButton(c, r, kesNormal, false, true); }},
        {"DrawSpeedDropButton 24 x 24", 24, 24,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSpeedDropButton(c, r, kesPressed, false, false); }},
        {"DrawSpeedContainer 200 x 28", 200, 28,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSpeedContainer(c, r); }},
        {"DrawBarBackground 200 x 28", 200, 28,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawBarBackground(c, r); }},
        {"DrawSmallButton 16 x 16, hot", 16, 16,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSmallButton(c, r, kesHot, 0); }},
        {"DrawStatusBar 300 x 20", 300, 20,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawStatusBar(c, r); }},
        {"DrawTabScrollButton 17 x 17", 17, 17,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawTabScrollButton(c, r, true, 0, kesNormal); }},
        {"DrawGripBar 100 x 24", 100, 24,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawGripBar(c, r, {3, 4, 13, 20}); }},
        {"DrawItemBackground 30 x 20, down", 30, 20,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawItemBackground(c, r, kibDown); }},
        {"DrawPanelFace 40 x 20", 40, 20, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawPanelFace(c, r, true, true); }},
        {"DrawHeaderSection 60 x 20", 60, 20, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawHeaderSection(c, r, 0, kesHot); }},
        {"DrawSizeGrip 16 x 16", 16, 16, [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawSizeGrip(c, r); }},
        {"DrawStatusPanel 100 x 20", 100, 20,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawStatusPanel(c, r, &panel); }},
        {"DrawMenuBarBackground 330 x 22", 330, 22,
         [&](const TSkTheme& t, TCanvas* c, const TRect&) { t.DrawMenuBarBackground(c, 330, 22); }},
        {"DrawMenuBarItem 40 x 23", 40, 23,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawMenuBarItem(c, &item, r, true, true); }},
        {"DrawMenuBarButton 21 x 21", 21, 21,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawMenuBarButton(c, &item, r, true, false); }},
        {"DrawPopupBackground 150 x 160", 150, 160,
         [&](const TSkTheme& t, TCanvas* c, const TRect&) { t.DrawPopupBackground(c, 150, 160); }},
        {"DrawPopupItem 144 x 23", 144, 23,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawPopupItem(c, &item, r, true, true); }},
        {"DrawPopupScrollButton 80 x 10, hot", 80, 10,
         [&](const TSkTheme& t, TCanvas* c, const TRect& r) { t.DrawPopupScrollButton(c, r, kpsUp, true); }},
    };

    std::printf("Medians of %d runs of %d calls, %s under Wine%s: microseconds per paint and\n"
                "its ratio to one BitBlt of the element's area; * marks a ratio over %.0f\n",
                runs, calls, BenchTarget(), uncached ? ", every paint afresh" : "", goal);
    std::printf("%-36s %9s", "Element", "BitBlt");
    for (const TSkTheme* look : looks)
        std::printf(" %17s", look->GetName().c_str());
    std::printf("\n");
    int over = 0;
    for (const TElement& e : elements) {
        const TRect r{0, 0, e.width, e.height};
        const double bitblt =
            MedianBitBltSeconds(target.DC(), 0, 0, e.width, e.height, source.DC(), runs, calls);
        std::printf("%-36s %9.2f", e.what, bitblt * 1e6);
        for (const TSkTheme* look : looks) {
            const double paint = MedianSeconds(
                [&] {
                    if (uncached)
                        SkForgetElementPictures();
                    e.paint(*look, &canvas, r);
                    GdiFlush();
                },
                runs, calls);
            const bool miss = paint > goal * bitblt;
            std::printf(" %9.2f %6.2f%c", paint * 1e6, paint / bitblt, miss ? '*' : ' ');
            over += miss;
        }
        std::printf("\n");
    }
    std::printf("%d of %d paints over the goal\n", over, int(std::size(elements) * std::size(looks)));
    canvas.SetHandle(nullptr);
    return over > 0 && !uncached ? 1 : 0;
}
