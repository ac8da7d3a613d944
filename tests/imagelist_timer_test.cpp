// TImageList over the system image list, and TTimer ticks through a real
// message loop.
#include "framework/graphics/icon.h"
#include "framework/graphics/imagelist.h"
#include "framework/components/timer.h"
#include "tests/support/dibsection.h"

#include <gtest/gtest.h>

namespace {

const COLORREF White = RGB(255, 255, 255);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);

// Two 16 x 16 images side by side: red, then blue with a lime centre.
std::unique_ptr<TBitmap> Strip()
{
    auto strip = std::make_unique<TBitmap>(32, 16);
    TCanvas* c = strip->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 16, 16));
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(16, 0, 32, 16));
    c->Brush()->SetColor(clLime);
    c->FillRect(Rect(20, 4, 28, 12));
    return strip;
}

class ImageListOnDib : public ::testing::Test {
protected:
    void SetUp() override
    {
        dib.Fill(White);
        canvas.SetHandle(dib.DC());
    }

    DibSection dib{40, 40};
    TCanvas canvas;
    TImageList images{nullptr};
};

TEST_F(ImageListOnDib, AWideBitmapIsSplitIntoImagesOfTheListSize)
{
    EXPECT_EQ(images.Count(), 0);
    EXPECT_FALSE(images.HandleAllocated());
    int changes = 0;
    images.OnChange = [&](TObject*) { ++changes; };
    auto strip = Strip();
    EXPECT_EQ(images.Add(strip.get(), nullptr), 0);
    EXPECT_EQ(images.Count(), 2);
    EXPECT_EQ(changes, 1);
    int w = 0, h = 0;
    ImageList_GetIconSize(images.Handle(), &w, &h);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 16);

    images.Draw(&canvas, 10, 10, 1);
    EXPECT_EQ(dib.At(10, 10), Blue);
    EXPECT_EQ(dib.At(18, 18), RGB(0, 255, 0));
    EXPECT_EQ(dib.At(26, 26), White);
    images.Draw(&canvas, 0, 0, 0);
    EXPECT_EQ(dib.At(5, 5), Red);

    images.Draw(&canvas, 0, 0, 2);  // out of range: nothing
    images.Draw(&canvas, 0, 0, -1);
    EXPECT_EQ(dib.At(5, 5), Red);
}

TEST_F(ImageListOnDib, AddMaskedLeavesTheMaskColourOut)
{
    auto strip = Strip();
    EXPECT_EQ(images.AddMasked(strip.get(), clLime), 0);
    images.Draw(&canvas, 0, 0, 1);
    EXPECT_EQ(dib.At(1, 1), Blue);
    EXPECT_EQ(dib.At(8, 8), White);
}

TEST_F(ImageListOnDib, ImagesAreReplacedDeletedAndCleared)
{
    auto strip = Strip();
    images.Add(strip.get(), nullptr);
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images.Replace(1, &red, nullptr);
    images.Draw(&canvas, 0, 0, 1);
    EXPECT_EQ(dib.At(8, 8), Red);

    TBitmap copy;
    images.GetBitmap(0, &copy);
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_EQ(copy.Canvas()->Pixels(3, 3), clRed);

    images.Delete(0);
    EXPECT_EQ(images.Count(), 1);
    images.Delete(5);
    EXPECT_EQ(images.Count(), 1);
    images.Clear();
    EXPECT_EQ(images.Count(), 0);

    images.Add(strip.get(), nullptr);
    images.SetWidth(20);  // a new size empties the list
    EXPECT_EQ(images.Count(), 0);
    EXPECT_EQ(images.Add(nullptr, nullptr), -1);
}

TEST_F(ImageListOnDib, IconsGoInAndComeOut)
{
    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "HALFRED", 16);
    EXPECT_EQ(images.AddIcon(&icon), 0);
    images.Draw(&canvas, 0, 0, 0);
    EXPECT_EQ(dib.At(3, 8), Red);
    EXPECT_EQ(dib.At(12, 8), White);

    TIcon out;
    images.GetIcon(0, &out);
    EXPECT_FALSE(out.Empty());
    EXPECT_EQ(out.Width(), 16);
}

TEST(ImageList, IsOwnedAndFreedWithItsOwner)
{
    auto* owner = new TComponent(nullptr);
    auto* images = new TImageList(owner);
    EXPECT_EQ(owner->ComponentCount(), 1);
    auto strip = Strip();
    images->Add(strip.get(), nullptr);
    HIMAGELIST handle = images->Handle();
    EXPECT_EQ(ImageList_GetImageCount(handle), 2);
    owner->Free();
}

// Runs the thread's message loop until done() or the time is up.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

TEST(Timer, TicksArriveThroughTheMessageLoop)
{
    TTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_FALSE(timer.Running());  // no handler yet

    int ticks = 0;
    const DWORD thread = GetCurrentThreadId();
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        EXPECT_EQ(GetCurrentThreadId(), thread);
        ++ticks;
    });
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(ticks, 0);  // nothing without a message loop
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));
}

TEST(Timer, StopsWhenDisabledOrWithoutInterval)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }, 3000));

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    const int stoppedAt = ticks;
    PumpFor(100);
    EXPECT_EQ(ticks, stoppedAt);

    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks > stoppedAt; }, 3000));

    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    const int zeroAt = ticks;
    PumpFor(100);
    EXPECT_EQ(ticks, zeroAt);
}

TEST(Timer, AFreedTimerNeitherTicksNorKeepsItsWindow)
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
}

TEST(Timer, AHandlerMayFreeItsOwnTimer)
{
    auto* timer = new TTimer(nullptr);
    bool freed = false;
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject* sender) {
        delete static_cast<TTimer*>(sender);
        freed = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return freed; }, 3000));
    PumpFor(30);
}

TEST(Timer, ExceptionsFromTheHandlerGoToTheExceptionHandler)
{
    std::string caught;
    TTimer::SetExceptionHandler([&](const std::exception& e) { caught = e.what(); });
    {
        TTimer timer(nullptr);
        timer.SetInterval(5);
        timer.SetOnTimer([](TObject*) { throw Exception("tick failed"); });
        EXPECT_TRUE(PumpUntil([&] { return !caught.empty(); }, 3000));
        timer.SetEnabled(false);
    }
    TTimer::SetExceptionHandler(nullptr);
    EXPECT_EQ(caught, "tick failed");
}

}  // namespace
