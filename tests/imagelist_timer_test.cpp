// TImageList over the system image list, and TTimer ticks through a real
// message loop.
#include "framework/components/timer.h"
#include "framework/graphics/imagelist.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

const COLORREF White = RGB(255, 255, 255), Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255);

// Two 16 x 16 images side by side: red, then blue with a lime centre.
std::unique_ptr<TBitmap> Strip()
{
    auto strip = std::make_unique<TBitmap>(32, 16);
    const std::pair<TRect, TColor> parts[] = {
        {Rect(0, 0, 16, 16), clRed}, {Rect(16, 0, 32, 16), clBlue}, {Rect(20, 4, 28, 12), clLime}};
    for (const auto& [rect, color] : parts) {
        strip->Canvas()->Brush()->SetColor(color);
        strip->Canvas()->FillRect(rect);
    }
    return strip;
}

TEST(ImageList, WideBitmapsAreSplitIntoImagesThatDrawWithTheirMasks)
{
    DibSection dib(60, 40);
    dib.Fill(White);
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    auto* owner = new TComponent(nullptr);
    auto* images = new TImageList(owner);  // freed with its owner
    int changes = 0;
    images->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(images->Add(Strip().get(), nullptr), 0);
    EXPECT_EQ(std::make_pair(images->Count(), changes), std::make_pair(2, 1));
    EXPECT_EQ(images->AddMasked(Strip().get(), clLime), 2);
    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
    EXPECT_EQ(images->AddIcon(&icon), 4);
    const std::tuple<int, int, int> draws[] = {{0, 0, 0}, {20, 0, 1}, {40, 0, 3}, {0, 20, 4}, {40, 20, 5}, {40, 20, -1}};
    for (const auto& [x, y, index] : draws)
        images->Draw(&canvas, x, y, index);  // out of range: nothing
    const std::tuple<int, int, COLORREF> pixels[] = {{5, 5, Red},  {21, 1, Blue}, {28, 8, RGB(0, 255, 0)},
                                                     {41, 1, Blue}, {48, 8, White}, {3, 28, Red}, {12, 28, White},
                                                     {45, 25, White}};
    for (const auto& [x, y, color] : pixels)
        EXPECT_EQ(dib.At(x, y), color) << x << ", " << y;

    images->Delete(0);
    images->Delete(5);
    EXPECT_EQ(images->Count(), 4);
    images->SetWidth(20);  // a new size empties the list
    EXPECT_EQ(images->Count(), 0);
    EXPECT_EQ(images->Add(nullptr, nullptr), -1);
    owner->Free();
}

TEST(Timer, TicksArriveThroughTheMessageLoopWhileEnabledWithAnInterval)
{
    TTimer timer(nullptr);
    timer.SetInterval(10);
    EXPECT_FALSE(timer.Running());  // no handler yet
    int ticks = 0;
    timer.SetOnTimer([&](TObject* sender) { ticks += sender == &timer; });
    Sleep(30);
    EXPECT_EQ(std::make_pair(timer.Running(), ticks), std::make_pair(true, 0));  // nothing without a message loop
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));

    // Disabling it, or an interval of 0, stops the ticks until undone.
    const std::pair<std::function<void()>, std::function<void()>> stops[] = {
        {[&] { timer.SetEnabled(false); }, [&] { timer.SetEnabled(true); }},
        {[&] { timer.SetInterval(0); }, [&] { timer.SetInterval(10); }}};
    for (const auto& [stop, restart] : stops) {
        stop();
        const int stoppedAt = ticks;
        PumpFor(100);
        EXPECT_EQ(std::make_pair(timer.Running(), ticks), std::make_pair(false, stoppedAt));
        restart();
        EXPECT_TRUE(PumpUntil([&] { return ticks > stoppedAt; }, 3000));
    }
}

TEST(Timer, AFreedTimerStopsAHandlerMayFreeItAndItsExceptionsGoToTheHandler)
{
    int ticks = 0;
    std::string caught;
    TTimer::SetExceptionHandler([&](const std::exception& e) { caught = e.what(); });
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    HWND window = timer->WindowHandle();
    Sleep(30);  // let a tick become due before the timer goes
    delete timer;
    PumpFor(60);
    EXPECT_EQ(std::make_pair(IsWindow(window), ticks), std::make_pair(FALSE, 0));

    timer = new TTimer(nullptr);
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject* sender) {
        delete static_cast<TTimer*>(sender);
        throw Exception("tick failed");
    });
    EXPECT_TRUE(PumpUntil([&] { return !caught.empty(); }));
    PumpFor(30);
    TTimer::SetExceptionHandler(nullptr);
    EXPECT_EQ(caught, "tick failed");
}

}  // namespace
