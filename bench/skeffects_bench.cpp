// The show animation's frame rate on the main window's size (300 x 110):
// one frame of every effect, composed and blitted, against one BitBlt of the
// picture measured in the same run; and how many frames a default 400 ms run
// shows; and what the background snapshot reads for a small move. The blits
// go to a memory bitmap: the headless display's screen DC draws nothing, so
// timing it would say nothing. Then a real skinned window of that size: the
// frames a default show animation draws when it is shown, and a frame paint
// with the drop shadow and with blending against one BitBlt of the window
// area into its window DC. Medians of several runs. With "show" it only
// brings a skinned window in slowly, for pictures under a real display.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/forms/skbackground.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skeffectframe.h"
#include "styling/forms/skeffects.h"
#include "styling/forms/skformoptions.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Width = 300, Height = 110;

const char* const effectNames[] = {"random", "fade", "diagonal", "down", "in", "out",
                                   "rect in", "rect out", "pixel", "pixel line",
                                   "diamond in", "diamond out", "smooth diagonal",
                                   "smooth rect in", "smooth rect out"};
static_assert(std::size(effectNames) == SkEffectCount + 1);

// Distinct colours, with the key colour outside a rounded corner, as a
// window's picture has.
void Paint(TSkBitmap& b, TSkColor seed, bool corners)
{
    b.SetSize(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            *b.PixelPtr(x, y) = corners && x + y < 4 ? SkTransparentColor
                                                     : 0xFF000000 | (seed * TSkColor(x * 31 + y * 7));
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Frames a default (400 ms) show animation of a skinned window of the
// picture's size draws, the median of several shows; then the frame paints.
// Returns the median frame count.
int MeasureWindow(int runs)
{
    std::unique_ptr<TForm> form(TCustomForm::Create<TForm>(nullptr));
    form->SetColor(clSilver);
    form->SetCaption("Sheet Mill");
    auto* skin = new TSkCustomForm(form.get());
    skin->Animation()->SetEnabled(true);
    form->HandleNeeded();
    skin->Loaded();
    form->SetBounds(60, 60, Width, Height);
    std::vector<int> frames;
    for (int show = 0; show < 7; ++show) {
        form->Show();
        PumpMessages();
        frames.push_back(skin->AnimationFrames());
        form->Hide();
        PumpMessages();
    }
    std::sort(frames.begin(), frames.end());
    const int median = frames[frames.size() / 2];
    std::printf("real %d ms show of a %d x %d window: %d frames, median of %zu shows "
                "(goal at least 20)\n",
                skin->Animation()->Time(), Width, Height, median, frames.size());

    skin->Animation()->SetEnabled(false);
    form->Show();
    PumpMessages();
    HWND window = form->Handle();
    const double bitblt = MedianWindowBitBltSeconds(window, Width, Height, runs, 100);
    PrintAgainstBitBlt("BitBlt of the window area", 30, bitblt, bitblt);
    auto paint = [&] {
        SendMessageA(window, WM_NCPAINT, 1, 0);
        GdiFlush();
    };
    PrintAgainstBitBlt("frame paint, plain", 30, MedianSeconds(paint, runs, 50), bitblt);
    skin->Shadow()->SetEnabled(true);
    PumpMessages();
    PrintAgainstBitBlt("frame paint, shadow", 30, MedianSeconds(paint, runs, 50), bitblt);
    skin->Shadow()->SetEnabled(false);
    skin->Blending()->SetEnabled(true);
    PumpMessages();
    PrintAgainstBitBlt("frame paint, blending", 30, MedianSeconds(paint, runs, 50), bitblt);
    auto erase = [&] {
        SendMessageA(window, WM_ERASEBKGND, 0, 0);
        GdiFlush();
    };
    PrintAgainstBitBlt("client background, blending", 30, MedianSeconds(erase, runs, 50), bitblt);
    return median;
}

// For pictures of the animation under a real X display: a backdrop of
// stripes, then a skinned window with shadow and blending that comes in
// slowly, kept on the screen for a while.
int ShowSlowly()
{
    std::unique_ptr<TForm> backdrop(TCustomForm::Create<TForm>(nullptr));
    backdrop->SetBounds(0, 0, 640, 400);
    backdrop->SetColor(clTeal);
    backdrop->Show();
    PumpMessages();
    HDC dc = GetDC(backdrop->Handle());
    for (int x = 0; x < 640; x += 40)
        PatBlt(dc, x, 0, 20, 400, BLACKNESS);
    ReleaseDC(backdrop->Handle(), dc);
    Sleep(1500);
    std::unique_ptr<TForm> form(TCustomForm::Create<TForm>(nullptr));
    form->SetColor(clSilver);
    form->SetCaption("Sheet Mill");
    auto* skin = new TSkCustomForm(form.get());
    skin->Animation()->SetEnabled(true);
    skin->Animation()->SetTime(4000);
    skin->Animation()->SetEffect(keSmoothRectOut);
    skin->Shadow()->SetEnabled(true);
    skin->Shadow()->SetSize(8);
    skin->Blending()->SetEnabled(true);
    skin->Blending()->SetValue(200);
    form->HandleNeeded();
    skin->Loaded();
    form->SetBounds(120, 100, Width + 8, Height + 8);
    form->Show();
    std::printf("frames: %d\n", skin->AnimationFrames());
    const DWORD end = GetTickCount() + 3000;
    while (GetTickCount() < end) {
        PumpMessages();
        Sleep(20);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "show")
        return ShowSlowly();
    TSkControlsUnit unit;
    const int runs = 15;
    TSkBitmap oldPicture, newPicture, frame;
    Paint(oldPicture, 0x010203, false);
    Paint(newPicture, 0x030201, true);
    frame.SetSize(Width, Height);
    TSkBitmap screen;
    screen.SetSize(Width, Height);

    std::printf("Show animation frames, %s under Wine, %d x %d picture (goal: at most 16.6 ms a "
                "frame)\n",
                BenchTarget(), Width, Height);
    const double bitblt = MedianBitBltSeconds(screen.DC(), 0, 0, Width, Height, newPicture.DC(), runs, 50);
    PrintAgainstBitBlt("BitBlt of the picture", 30, bitblt, bitblt);
    double worst = 0;
    for (int e = keFade; e <= SkEffectCount; ++e) {
        TSkEffectComposer composer(Width, Height, TkeEffect(e), kdRotate90, 1, 1, TSkEffectRandom(3));
        // The progress walks the whole run, as the frames of an animation do.
        int progress = 0;
        auto compose = [&] {
            progress = (progress + 7) % 101;
            composer.Compose(progress, oldPicture.Pixels(), newPicture.Pixels(), frame.Pixels());
        };
        const double shown = MedianSeconds(
            [&] {
                compose();
                BitBlt(screen.DC(), 0, 0, Width, Height, frame.DC(), 0, 0, SRCCOPY);
                GdiFlush();
            },
            runs, 20);
        char what[64];
        std::snprintf(what, sizeof what, "frame of %s", effectNames[e]);
        PrintAgainstBitBlt(what, 30, shown, bitblt);
        worst = std::max(worst, shown);
    }
    std::printf("slowest frame: %.3f ms (goal at most 16.6 ms)\n", worst * 1e3);

    TSkAnimation animation;
    animation.SetEffect(keSmoothRectIn);
    const int frames = RunEffect(screen.DC(), 0, 0, animation, newPicture, oldPicture);
    std::printf("default 400 ms run: %d frames (goal at least 20)\n", frames);

    // A window of the picture's size dragged 3 pixels right and 2 down at a
    // time over a screen of 1024 x 768, back and forth.
    TSkBitmap desktop;
    desktop.SetSize(1024, 768);
    Paint(desktop, 0x0F0E0D, false);
    TSkBackground background;
    const RECT first{100, 100, 100 + Width, 100 + Height};
    background.Take(desktop.DC(), first);
    int64_t read = 0;
    int step = 0;
    const double snapshot = MedianSeconds(
        [&] {
            const int k = ++step % 20, offset = k < 10 ? k : 20 - k;
            const RECT r{first.left + 3 * offset, first.top + 2 * offset,
                         first.right + 3 * offset, first.bottom + 2 * offset};
            read = background.Take(desktop.DC(), r);
        },
        runs, 20);
    PrintAgainstBitBlt("snapshot after a small move", 30, snapshot, bitblt);
    std::printf("pixels read for a move of (3, 2): %lld of %d (goal: the uncovered strips, %d)\n",
                static_cast<long long>(read), Width * Height, Width * Height - (Width - 3) * (Height - 2));
    std::printf("\nA skinned window, %s under Wine\n", BenchTarget());
    const int shown = MeasureWindow(runs);
    return worst <= 0.0166 && frames >= 20 && shown >= 20 ? 0 : 1;
}
