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

TEST(ImageList, AWideBitmapIsSplitIntoImagesThatDrawAndChange)
{
    DibSection dib(40, 40);
    dib.Fill(White);
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    auto* owner = new TComponent(nullptr);
    auto* images = new TImageList(owner);  // freed with its owner
    int changes = 0;
    images->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(images->Add(Strip().get(), nullptr), 0);
    EXPECT_EQ(std::make_pair(images->Count(), changes), std::make_pair(2, 1));
    images->Draw(&canvas, 10, 10, 1);
    images->Draw(&canvas, 0, 0, 0);
    images->Draw(&canvas, 20, 20, 2);  // out of range: nothing
    images->Draw(&canvas, 20, 20, -1);
    EXPECT_EQ(dib.At(5, 5), Red);
    EXPECT_EQ(dib.At(11, 17), Blue);
    EXPECT_EQ(dib.At(18, 18), RGB(0, 255, 0));
    EXPECT_EQ(dib.At(26, 26), White);

    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Replace(1, &red, nullptr);
    TBitmap copy;
    images->GetBitmap(1, &copy);
    EXPECT_EQ(copy.Canvas()->Pixels(8, 8), clRed);
    images->Delete(0);
    images->Delete(5);
    EXPECT_EQ(images->Count(), 1);
    images->SetWidth(20);  // a new size empties the list
    EXPECT_EQ(images->Count(), 0);
    EXPECT_EQ(images->Add(nullptr, nullptr), -1);
    owner->Free();
}

TEST(ImageList, MaskedImagesAndIconsLeaveTheirBackgroundOut)
{
    DibSection dib(40, 40);
    dib.Fill(White);
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    TImageList images(nullptr);
    EXPECT_EQ(images.AddMasked(Strip().get(), clLime), 0);
    images.Draw(&canvas, 0, 0, 1);
    EXPECT_EQ(dib.At(1, 1), Blue);
    EXPECT_EQ(dib.At(8, 8), White);

    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
    EXPECT_EQ(images.AddIcon(&icon), 2);
    images.Draw(&canvas, 20, 20, 2);
    EXPECT_EQ(dib.At(23, 28), Red);
    EXPECT_EQ(dib.At(32, 28), White);
    TIcon out;
    images.GetIcon(2, &out);
    EXPECT_EQ(out.Width(), 16);
}

TEST(Timer, TicksArriveThroughTheMessageLoopWhileEnabledWithAnInterval)
{
    TTimer timer(nullptr);
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_FALSE(timer.Running());  // no handler yet
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject* sender) { ticks += sender == &timer; });
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(ticks, 0);  // nothing without a message loop
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));

    // Disabling it, or an interval of 0, stops the ticks until undone.
    const std::pair<std::function<void()>, std::function<void()>> stops[] = {
        {[&] { timer.SetEnabled(false); }, [&] { timer.SetEnabled(true); }},
        {[&] { timer.SetInterval(0); }, [&] { timer.SetInterval(10); }}};
    for (const auto& [stop, restart] : stops) {
        stop();
        EXPECT_FALSE(timer.Running());
        const int stoppedAt = ticks;
        PumpFor(100);
        EXPECT_EQ(ticks, stoppedAt);
        restart();
        EXPECT_TRUE(PumpUntil([&] { return ticks > stoppedAt; }, 3000));
    }
}

TEST(Timer, AFreedTimerNeitherTicksNorKeepsItsWindowAndAHandlerMayFreeIt)
{
    int ticks = 0;
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    HWND window = timer->WindowHandle();
    EXPECT_TRUE(IsWindow(window));
    Sleep(30);  // let a tick become due before the timer goes
    delete timer;
    EXPECT_FALSE(IsWindow(window));
    PumpFor(60);
    EXPECT_EQ(ticks, 0);

    timer = new TTimer(nullptr);
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject* sender) {
        delete static_cast<TTimer*>(sender);
        ++ticks;
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks == 1; }));
    PumpFor(30);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, ExceptionsFromTheHandlerGoToTheExceptionHandler)
{
    std::string caught;
    TTimer::SetExceptionHandler([&](const std::exception& e) { caught = e.what(); });
    {
        TTimer timer(nullptr);
        timer.SetInterval(5);
        timer.SetOnTimer([](TObject*) { throw Exception("tick failed"); });
        EXPECT_TRUE(PumpUntil([&] { return !caught.empty(); }));
    }
    TTimer::SetExceptionHandler(nullptr);
    EXPECT_EQ(caught, "tick failed");
}

}  // namespace
