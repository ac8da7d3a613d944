// The cost of one paint of a 100 x 30 themed control with an empty client in
// each buffering mode, against one BitBlt of that area measured in the same
// run, and the GDI objects a thousand shared-buffer paints leave behind.
// These machines are shared and noisy: medians of repeated runs and ratios.
#include "framework/form.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Median over runs of the time of one call, each run timing `calls` calls.
double MedianSeconds(const std::function<void()>& op, int runs, int calls)
{
    op();  // warm caches and lazily made objects (the shared buffer)
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < calls; ++i)
            op();
        QueryPerformanceCounter(&stop);
        times.push_back(Seconds(start, stop) / calls);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// Border and bevels only: what the base itself costs.
class TEmptyControl : public TSkCustomControl {
public:
    using TSkCustomControl::TSkCustomControl;

protected:
    void PaintClient() override {}
};

} // namespace

int main()
{
    TSkControlsUnit unit;
    const int runs = 21, calls = 200;

    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    auto* control = new TEmptyControl(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 100, 30);
    control->HandleNeeded();

    DibSection screen(100, 30), source(100, 30);
    const auto paint = [&] {
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(screen.DC()));
        GdiFlush();
    };
    const double bitblt = MedianSeconds(
        [&] {
            BitBlt(screen.DC(), 0, 0, 100, 30, source.DC(), 0, 0, SRCCOPY);
            GdiFlush();
        },
        runs, calls);

    std::printf("Medians of %d runs of %d paints, x86_64 under Wine\n", runs, calls);
    std::printf("%-40s %9.2f us\n", "BitBlt 100 x 30 (baseline)", bitblt * 1e6);
    const struct {
        TSkPerformance mode;
        const char* name;
    } modes[] = {{kspNoBuffer, "paint 100 x 30, kspNoBuffer"},
                 {kspSharedBuffer, "paint 100 x 30, kspSharedBuffer"},
                 {kspDoubleBuffer, "paint 100 x 30, kspDoubleBuffer"}};
    for (const auto& m : modes) {
        control->SetPerformance(m.mode);
        const double t = MedianSeconds(paint, runs, calls);
        std::printf("%-40s %9.2f us   %5.2fx BitBlt\n", m.name, t * 1e6, t / bitblt);
    }

    control->SetPerformance(kspSharedBuffer);
    paint();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i)
        paint();
    const DWORD after = GdiObjectCount();
    std::printf("GDI objects around 1000 shared-buffer paints: %lu before, %lu after\n",
                static_cast<unsigned long>(before), static_cast<unsigned long>(after));
    form->Free();
    return after == before ? 0 : 1;
}
