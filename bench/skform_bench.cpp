// The skinned frame's costs: a non-client paint of the main window's
// 298 x 110 tool window through Luna against one BitBlt of the same area into
// the same window DC, a hover that changes the hot button, and one mouse
// step of the move loop. Medians of several runs (the machines are shared
// and noisy). With a file name it also saves a picture of skinned windows
// (Luna, MetalLuna and the plain frame) there as a BMP.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/base/dcguards.h"
#include "framework/base/handles.h"
#include "framework/graphics/canvas.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skcustomform.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// A frame painted by a picture theme, as the theme form will: the theme's
// sizes lay it out, the theme draws frame, caption text and buttons.
class TBenchThemeFrame : public TSkCustomForm {
public:
    TBenchThemeFrame(TComponent* owner, const TSkTheme& theme)
        : TSkCustomForm(owner), theme_(theme)
    {
    }
    int paints = 0;

protected:
    TSkFrameMetrics FrameMetrics() override
    {
        const bool tool = BorderStyle() == kbsToolWindow;
        TSkFrameMetrics m;
        m.Border = theme_.GetSize(tool ? ksToolFrameWidth : ksFrameWidth);
        m.Top = theme_.GetSize(tool ? ksToolCaptionHeight : ksCaptionHeight);
        m.Bottom = m.Border;
        m.Caption = m.Top - m.Border;
        m.ButtonWidth = theme_.GetSize(tool ? ksToolButtonWidth : ksButtonWidth);
        m.ButtonHeight = theme_.GetSize(tool ? ksToolButtonHeight : ksButtonHeight);
        m.ButtonRight = theme_.GetSize(tool ? ksToolButtonRight : ksButtonRight);
        m.ButtonTop = theme_.GetSize(tool ? ksToolButtonTop : ksButtonTop);
        m.ButtonGap = theme_.GetSize(ksButtonGap);
        return m;
    }
    void PaintNonClient(TCanvas* canvas) override
    {
        ++paints;
        const TSkFrameLayout layout = Layout();
        theme_.DrawFormFrame(canvas, FrameWidth(), FrameHeight(), layout.Client, FormActive(),
                             BorderStyle());
        const bool tool = BorderStyle() == kbsToolWindow;
        const uint8_t kind = tool ? kfToolCaption : kfCaption;
        // The caption font is made once, as a theme form keeps it.
        if (!font_[tool].Get()) {
            const TFontStyles styles = theme_.GetFontStyle(kind);
            font_[tool] = TOwnedGdiObject(CreateFontA(
                -MulDiv(theme_.GetFontSize(kind), 96, 72), 0, 0, 0,
                styles.Contains(fsBold) ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                0, 0, theme_.GetFontName(kind).c_str()));
        }
        HDC dc = canvas->Handle();
        TSelectGuard font(dc, font_[tool].Get());
        SetTextColor(dc, ColorToRGB(theme_.GetColor(FormActive() ? kcActiveCaptionText
                                                                 : kcInactiveCaptionText)));
        SetBkMode(dc, TRANSPARENT);
        TRect text = layout.Text;
        DrawTextW(dc, Caption().c_str(), int(Caption().size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        static constexpr std::pair<TSkBorderIcon, uint8_t> glyphs[] = {
            {kbiClose, kfbClose}, {kbiHelp, kfbHelp}, {kbiMinimize, kfbMinimize},
            {kbiMaximize, kfbMaximize}, {kbiRollup, kfbRollup}, {kbiTray, kfbTray}};
        for (auto [icon, glyph] : glyphs) {
            const TRect& r = layout.Buttons[icon];
            if (IsRectEmpty(&r))
                continue;
            const int part = ButtonPart(icon);
            theme_.DrawFormButton(canvas, r, glyph, HotPart() == part, PressedPart() == part,
                                  FormActive(), BorderStyle());
        }
    }
    HRGN CreateFormRegion() override
    {
        HRGN region = theme_.GetFormRegion(FrameWidth(), FrameHeight(), BorderStyle());
        return region ? region : TSkCustomForm::CreateFormRegion();
    }

private:
    const TSkTheme& theme_;
    TOwnedGdiObject font_[2];
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

void Measure(TSkThemeLuna& luna)
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
        PrintAgainstBitBlt(what.c_str(), 44, paint, bitblt, 3);
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
    }
}

// Skinned windows side by side, read back from their own window DCs.
void SavePicture(const char* path, TSkThemeLuna& luna, TSkThemeMetalLuna& metal)
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
    TSkThemeLuna luna;
    TSkThemeMetalLuna metal;
    if (argc > 1)
        SavePicture(argv[1], luna, metal);
    else
        Measure(luna);
    return 0;
}
