// The skinned frame's costs: a non-client paint of the main window's
// 298 x 110 tool window through the theme form with Luna against one BitBlt of the same area into
// the same window DC, a hover that changes the hot button, and one mouse
// step of the move loop. Medians of several runs (the machines are shared
// and noisy). With a file name it also saves a picture of skinned windows
// (Luna, MetalLuna and the plain frame) there as a BMP.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/themeforms.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// The theme form, counting its frame paints.
class TBenchThemeFrame : public TSkThemeForm {
public:
    TBenchThemeFrame(TComponent* owner, TSkStylist& stylist) : TSkThemeForm(owner)
    {
        SetStylist(&stylist);
    }
    int paints = 0;

    void PaintNonClient(TCanvas* canvas) override
    {
        ++paints;
        TSkThemeForm::PaintNonClient(canvas);
    }
};

struct Window {
    std::unique_ptr<TForm> form;
    TSkCustomForm* skin = nullptr;
    HWND Handle() const { return form->Handle(); }
};

template <class TSkin, class... A>
Window MakeWindow(int left, int top, int width, int height, TSkBorderStyle style,
                  const char* caption, A&... args)
{
    Window w;
    w.form.reset(TCustomForm::Create<TForm>(nullptr));
    w.form->SetColor(clSilver);
    w.form->SetCaption(caption);
    w.skin = new TSkin(w.form.get(), args...);
    w.skin->SetBorderStyle(style);
    w.form->HandleNeeded();
    w.skin->Loaded();
    w.form->SetBounds(left, top, width, height);
    w.form->Show();
    SetForegroundWindow(w.Handle());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    return w;
}

// Returns whether the main window's own mode, the shared buffer, met its goal.
bool Measure(TSkStylist& luna)
{
    const int runs = 21;
    Window main = MakeWindow<TBenchThemeFrame>(60, 60, 298, 110, kbsToolWindow,
                                               "Sheet Mill by Quillon v. 0.2beta", luna);
    auto* frame = static_cast<TBenchThemeFrame*>(main.skin);
    HWND window = main.Handle();

    TSkBitmap source;
    source.SetSize(298, 110);
    source.Fill(0xFF336699);
    HDC windowDC = GetWindowDC(window);
    const double bitblt = MedianBitBltSeconds(windowDC, 0, 0, 298, 110, source.DC(), runs, 200);
    ReleaseDC(window, windowDC);
    std::printf("Medians of %d runs, %s under Wine\n", runs, BenchTarget());
    PrintAgainstBitBlt("BitBlt 298 x 110 into the window DC", 44, bitblt, bitblt);
    for (TSkFormPerformance mode :
         {ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer, ksfpDoubleBuffer}) {
        main.skin->SetPerformance(mode);
        const double paint = MedianSeconds(
            [&] {
                SendMessageA(window, WM_NCPAINT, 1, 0);
                GdiFlush();
            },
            runs, 200);
        static const char* names[] = {"no buffer", "shared buffer", "persistent", "double buffer"};
        const std::string what = std::string("WM_NCPAINT, Luna tool window, ") + names[mode];
        PrintAgainstBitBlt(what.c_str(), 44, paint, bitblt);
    }
    // The goal is the main window's, whose frame uses the shared buffer:
    // timed run by run beside the BitBlt, as load here comes and goes.
    main.skin->SetPerformance(ksfpSharedBuffer);
    windowDC = GetWindowDC(window);
    const double ratio = MedianRatio(
        [&] {
            SendMessageA(window, WM_NCPAINT, 1, 0);
            GdiFlush();
        },
        [&] {
            BitBlt(windowDC, 0, 0, 298, 110, source.DC(), 0, 0, SRCCOPY);
            GdiFlush();
        },
        runs, 200);
    ReleaseDC(window, windowDC);
    std::printf("%-44s %9.2fx BitBlt, run by run (goal within 3x)\n",
                "WM_NCPAINT, shared buffer, side by side", ratio);
    bool met = ratio <= 3;
    // Where a paint's time goes: the window DC alone, a message that does
    // nothing, and the frame drawn into a memory bitmap with no window.
    const double dcOnly = MedianSeconds(
        [&] { ReleaseDC(window, GetWindowDC(window)); }, runs, 200);
    PrintAgainstBitBlt("GetWindowDC and ReleaseDC alone", 44, dcOnly, bitblt);
    const double nothing = MedianSeconds([&] { SendMessageA(window, WM_NULL, 0, 0); }, runs, 200);
    PrintAgainstBitBlt("WM_NULL sent to the same window", 44, nothing, bitblt);
    for (TSkFormPerformance mode : {ksfpNoBuffer, ksfpSharedBuffer}) {
        main.skin->SetPerformance(mode);
        TCanvas canvas;
        canvas.SetHandle(source.DC());
        const double drawn = MedianSeconds(
            [&] {
                main.skin->PaintNonClient(&canvas);
                GdiFlush();
            },
            runs, 200);
        canvas.SetHandle(nullptr);
        PrintAgainstBitBlt(mode == ksfpNoBuffer ? "Frame into a bitmap, no buffer"
                                                : "Frame into a bitmap, shared buffer",
                           44, drawn, bitblt);
    }
    main.skin->SetPerformance(ksfpNoBuffer);
    // A hover from the caption to the close button and back: each move
    // changes the hot part and should paint the frame once.
    RECT r;
    GetWindowRect(window, &r);
    TRect close;
    main.skin->GetButtonRect(kbiClose, close);
    const LPARAM onClose = MAKELPARAM(r.left + close.left + 3, r.top + close.top + 3);
    const LPARAM onCaption = MAKELPARAM(r.left + 60, r.top + 8);
    bool onButton = false;
    frame->paints = 0;
    const int hoverCalls = 200;
    const double hover = MedianSeconds(
        [&] {
            onButton = !onButton;
            SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, onButton ? onClose : onCaption);
            GdiFlush();
        },
        runs, hoverCalls);
    const double paintsPerHover = double(frame->paints) / (1 + runs * hoverCalls);
    std::printf("%-44s %8.2f us   %.2f frame paints per move (goal 1)\n",
                "Hover changing the hot part", hover * 1e6, paintsPerHover);

    // One mouse step of a caption drag, back and forth by one pixel.
    for (TSkFormPerformance mode : {ksfpNoBuffer, ksfpPersistentBuffer}) {
        main.skin->SetPerformance(mode);
        GetWindowRect(window, &r);
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 60, r.top + 8));
        int step = 0;
        const double move = MedianSeconds(
            [&] {
                step = 1 - step;
                POINT p{r.left + 60 + step, r.top + 8};
                ScreenToClient(window, &p);
                SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
                GdiFlush();
            },
            runs, 100);
        SendMessageA(window, WM_LBUTTONUP, 0, 0);
        std::printf("%-44s %8.3f ms   (goal under 1 ms)\n",
                    mode == ksfpNoBuffer ? "One step of the move loop, no buffer"
                                         : "One step of the move loop, persistent",
                    move * 1e3);
        met = met && move < 1e-3;
    }
    // The floor of any step: the system moving the window by one pixel.
    GetWindowRect(window, &r);
    int step = 0;
    const double bareMove = MedianSeconds(
        [&] {
            step = 1 - step;
            SetWindowPos(window, nullptr, r.left + step, r.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GdiFlush();
        },
        runs, 100);
    std::printf("%-44s %8.3f ms\n", "SetWindowPos by one pixel alone", bareMove * 1e3);
    return met;
}

// Skinned windows side by side, read back from their own window DCs.
void SavePicture(const char* path, TSkStylist& luna, TSkStylist& metal)
{
    Window windows[] = {
        MakeWindow<TBenchThemeFrame>(10, 10, 298, 110, kbsToolWindow,
                                     "Sheet Mill by Quillon v. 0.2beta", luna),
        MakeWindow<TBenchThemeFrame>(10, 130, 300, 160, kbsStandard, "Luna", luna),
        MakeWindow<TBenchThemeFrame>(320, 10, 280, 110, kbsToolWindow, "Edytor Cue", metal),
        MakeWindow<TBenchThemeFrame>(320, 130, 300, 160, kbsStandard, "MetalLuna", metal),
        MakeWindow<TSkCustomForm>(630, 10, 280, 110, kbsToolWindow, "No theme, tool window"),
        MakeWindow<TSkCustomForm>(630, 130, 300, 160, kbsStandard, "No theme"),
    };
    windows[0].skin->SetBorderIcons(TSkBorderIcons{kbiClose});
    windows[2].skin->SetBorderIcons(TSkBorderIcons{kbiClose});
    SetForegroundWindow(windows[1].Handle());
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(940, 300);
    HDC target = picture.Canvas()->Handle();
    PatBlt(target, 0, 0, 940, 300, WHITENESS);
    for (const Window& w : windows) {
        SendMessageA(w.Handle(), WM_NCPAINT, 1, 0);
        RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT r;
        GetWindowRect(w.Handle(), &r);
        HDC dc = GetWindowDC(w.Handle());
        BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
        ReleaseDC(w.Handle(), dc);
    }
    picture.SaveToFile(path);
    std::printf("wrote %s\n", path);
}

}  // namespace

int main(int argc, char** argv)
{
    TSkControlsUnit unit;
    TSkStylist luna(nullptr), metal(nullptr);
    luna.SetTheme(new TSkThemeLuna);
    metal.SetTheme(new TSkThemeMetalLuna);
    if (argc > 1) {
        SavePicture(argv[1], luna, metal);
        return 0;
    }
    return Measure(luna) ? 0 : 1;
}
