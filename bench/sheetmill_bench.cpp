// The program's main window, built from the description it embeds, measured
// as a person meets it: its show animation (the stored one: enabled, default
// time and effect) timed from the call to Show to its return, with the frames
// it drew; and a full repaint of the window (frame, background, every child)
// against one BitBlt of the window's area into its window DC, with where the
// repaint's time goes. Medians of several runs, the machines being shared.
#include "app/unit1.h"
#include "bench/benchsupport.h"
#include "styling/core/skbitmap.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr double MinFramesPerSecond = 60, TimeTolerance = 0.10, RepaintGoal = 2;
constexpr int NameWidth = 46;

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / frequency;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct ShowTiming {
    double seconds;
    int frames;
};

// One show, from Show() until it returns: the animation is a blocking loop
// inside it. The first one also pays for what is made at a first paint.
ShowTiming TimeShow(TForm1& form)
{
    const double start = Now();
    form.Show();
    const double seconds = Now() - start;
    const ShowTiming show{seconds, form.SkThemeForm1->AnimationFrames()};
    PumpMessages();
    form.Hide();
    PumpMessages();
    return show;
}

bool MeasureAnimation(TForm1& form)
{
    const TSkAnimation& animation = *form.SkThemeForm1->Animation();
    const double goal = animation.Time() / 1000.0;
    std::printf("Show animation: enabled %s, %d ms, effect %d, %d x %d window\n",
                animation.Enabled() ? "yes" : "no", animation.Time(), int(animation.Effect()),
                form.SkThemeForm1->WindowWidth(), form.SkThemeForm1->WindowHeight());
    const ShowTiming first = TimeShow(form);
    std::vector<double> seconds, rates;
    for (int i = 0; i < 6; ++i) {
        const ShowTiming show = TimeShow(form);
        seconds.push_back(show.seconds);
        rates.push_back(show.frames / show.seconds);
    }
    // The picture the animation runs to, painted alone: the part of the
    // show before its first frame.
    TSkBitmap picture;
    const double paint = MedianSeconds([&] { form.SkThemeForm1->PaintPicture(picture); }, 9, 5);
    std::printf("%-*s %8.1f ms   %3d frames  %6.1f frames/s\n", NameWidth, "first show", first.seconds * 1e3,
                first.frames, first.frames / first.seconds);
    std::printf("%-*s %8.1f ms              %6.1f frames/s  (goal %.0f ms +-%.0f%%, "
                "at least %.0f frames/s)\n",
                NameWidth, "later shows, median of 6", Median(seconds) * 1e3, Median(rates),
                goal * 1e3, TimeTolerance * 100, MinFramesPerSecond);
    std::printf("%-*s %8.2f ms\n", NameWidth, "  of which the window's picture", paint * 1e3);
    auto meets = [&](double seconds, double rate) {
        return std::abs(seconds - goal) <= goal * TimeTolerance && rate >= MinFramesPerSecond;
    };
    const bool met = meets(first.seconds, first.frames / first.seconds) &&
                     meets(Median(seconds), Median(rates));
    std::printf("show animation: %s\n", met ? "goal met" : "GOAL MISSED");
    return met;
}

// The controls a full repaint draws: the form's visible controls. The
// hidden memo is not drawn; the stylist, theme form and dialog are
// components, not controls.
std::vector<TControl*> VisualControls(TForm& form)
{
    std::vector<TControl*> controls;
    for (int i = 0; i < form.ControlCount(); ++i)
        if (form.Controls(i)->Visible())
            controls.push_back(form.Controls(i));
    return controls;
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// The system's own share of a repaint: plain windows of the main window's
// shape (the window and a child where each windowed control is) that draw
// nothing but their class brush, redrawn the same way.
double PlainRepaintSeconds(const RECT& area, const std::vector<TControl*>& controls, UINT flags,
                           int runs)
{
    WNDCLASSA plain{};
    plain.lpfnWndProc = PlainWindowProc;
    plain.hInstance = GetModuleHandleA(nullptr);
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    plain.lpszClassName = "SheetMillBenchPlain";
    RegisterClassA(&plain);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, plain.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                  area.left, area.top, area.right - area.left,
                                  area.bottom - area.top, nullptr, nullptr, plain.hInstance, nullptr);
    for (TControl* control : controls)
        if (dynamic_cast<TWinControl*>(control))
            CreateWindowExA(0, plain.lpszClassName, "", WS_CHILD | WS_VISIBLE, control->Left(),
                            control->Top(), control->Width(), control->Height(), window, nullptr,
                            plain.hInstance, nullptr);
    PumpMessages();
    const double seconds = MedianSeconds(
        [&] {
            RedrawWindow(window, nullptr, nullptr, flags);
            GdiFlush();
        },
        runs, 20);
    DestroyWindow(window);
    return seconds;
}

bool MeasureRepaint(TForm1& form, int runs)
{
    form.Show();
    PumpMessages();
    HWND window = form.Handle();
    RECT area;
    GetWindowRect(window, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    const double bitblt = MedianWindowBitBltSeconds(window, width, height, runs, 100);
    InvalidateRect(window, nullptr, TRUE);
    PumpMessages();

    const std::vector<TControl*> controls = VisualControls(form);
    const double budget = RepaintGoal * bitblt * double(controls.size());
    std::printf("\nFull repaint, medians of %d runs, %s under Wine\n", runs, BenchTarget());
    std::printf("controls covered: %zu (the form's visible controls:", controls.size());
    for (TControl* control : controls)
        std::printf(" %s", control->Name().c_str());
    std::printf("; the hidden memo and the components left out)\n");
    char what[96];
    std::snprintf(what, sizeof what, "BitBlt %d x %d into the window DC", width, height);
    PrintAgainstBitBlt(what, NameWidth, bitblt, bitblt);
    auto timed = [&](UINT flags, HWND target, const RECT* rect) {
        return MedianSeconds(
            [&] {
                RedrawWindow(target, rect, nullptr, flags);
                GdiFlush();
            },
            runs, 20);
    };
    const UINT everything = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    HANDLE process = GetCurrentProcess();
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const double full = timed(everything, window, nullptr);
    std::printf("%-*s %9.2f us   %5.2fx BitBlt (goal within %.0f x BitBlt x %zu = %.2f us)\n",
                NameWidth, "full repaint of the main window", full * 1e6, full / bitblt,
                RepaintGoal, controls.size(), budget * 1e6);
    std::printf("  handles left behind by %d repaints: GDI %+ld, USER %+ld\n", 1 + runs * 20,
                long(GetGuiResources(process, GR_GDIOBJECTS)) - long(gdi),
                long(GetGuiResources(process, GR_USEROBJECTS)) - long(user));

    const double plain = PlainRepaintSeconds(area, controls, everything, runs);
    PrintAgainstBitBlt("  the same windows drawing nothing (system's share)", NameWidth, plain, bitblt);
    PrintAgainstBitBlt("  the rest (the program's share)", NameWidth, std::max(full - plain, 0.0), bitblt);

    // Where it goes: the frame alone, the client without its windowed
    // children, each control alone (a windowless one with the form's
    // background under it, which is how it repaints).
    const double frame = MedianSeconds(
        [&] {
            SendMessageA(window, WM_NCPAINT, 1, 0);
            GdiFlush();
        },
        runs, 20);
    PrintAgainstBitBlt("  the frame alone (WM_NCPAINT)", NameWidth, frame, bitblt);
    PrintAgainstBitBlt("  the client without windowed children", NameWidth,
                       timed(RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW, window, nullptr),
                       bitblt);
    for (TControl* control : controls) {
        auto* windowed = dynamic_cast<TWinControl*>(control);
        const RECT bounds = control->BoundsRect();
        const double own = windowed ? timed(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW,
                                            windowed->Handle(), nullptr)
                                    : timed(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, window, &bounds);
        std::snprintf(what, sizeof what, "  %s (%s)", control->Name().c_str(), control->ClassName());
        PrintAgainstBitBlt(what, NameWidth, own, bitblt);
    }
    // Each control's own painting into a bitmap, with no window system
    // round it: what the program adds to a repaint.
    TSkBitmap canvas;
    canvas.SetSize(width, height);
    double ownSum = 0;
    for (TControl* control : controls) {
        const double own = MedianSeconds(
            [&] {
                control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas.DC()));
                GdiFlush();
            },
            runs, 20);
        ownSum += own;
        std::snprintf(what, sizeof what, "  %s painting itself into a bitmap", control->Name().c_str());
        PrintAgainstBitBlt(what, NameWidth, own, bitblt);
    }
    PrintAgainstBitBlt("  the controls' own painting, summed", NameWidth, ownSum, bitblt);
    const bool met = full <= budget;
    std::printf("full repaint: %s\n", met ? "goal met" : "GOAL MISSED");
    return met;
}

}  // namespace

int main()
{
    TSkControlsUnit unit;
    RegisterSkThemes();
    std::unique_ptr<TForm1> form(TCustomForm::Create<TForm1>(nullptr));
    // The program makes its main window's handle when it creates the form,
    // before the show.
    form->HandleNeeded();
    const bool animation = MeasureAnimation(*form);
    const bool repaint = MeasureRepaint(*form, 21);
    return animation && repaint ? 0 : 1;
}
