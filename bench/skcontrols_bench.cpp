// The cost of one paint of a 100 x 30 themed control with an empty client in
// each buffering mode, against one BitBlt of that area measured in the same
// run, and the GDI objects a thousand shared-buffer paints leave behind.
// These machines are shared and noisy: medians of repeated runs and ratios.
#include "bench/benchsupport.h"
#include "framework/forms/form.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/sksystem.h"
#include "tests/support/dibsection.h"

#include <windows.h>

#include <cstdio>

namespace {

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
    const double bitblt = MedianBitBltSeconds(screen.DC(), 0, 0, 100, 30, source.DC(), runs, calls);

    std::printf("Medians of %d runs of %d paints, %s under Wine\n", runs, calls, BenchTarget());
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
        PrintAgainstBitBlt(m.name, 40, t, bitblt);
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
