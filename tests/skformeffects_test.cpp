// Form effects over memory surfaces and real windows: the drop shadow's
// pixels and geometry, blending of frame and client over the snapshot behind
// the window, the picture the show animation brings in and the last frame it
// leaves on the screen, and shows that the form's own painting interrupts.
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/form.h"
#include "styling/core/skbitmap.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skeffects.h"
#include "styling/forms/skshadow.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <functional>
#include <string>

namespace {

const COLORREF FormBlue = RGB(0, 0, 255);

uint32_t SkRgb(TSkColor c) { return c & SkColorMask; }

// A skinned form whose window is width x height at (40, 40), its options
// set before it attaches, not shown.
template <class Skin = TSkCustomForm>
struct TEffectForm {
    FormPtr form;
    Skin* skin;
    HWND Window() const { return form->Handle(); }
};
using EffectForm = TEffectForm<>;

template <class Skin = TSkCustomForm>
TEffectForm<Skin> NewEffectForm(int width, int height,
                                const std::function<void(TSkCustomForm&)>& setup = {})
{
    TEffectForm<Skin> f{NewForm(width, height), nullptr};
    f.form->SetColor(static_cast<TColor>(FormBlue));
    f.form->SetCaption("Effects");
    f.skin = new Skin(f.form.get());
    if (setup)
        setup(*f.skin);
    f.form->HandleNeeded();
    f.skin->Loaded();
    f.form->SetBounds(40, 40, width, height);
    return f;
}

// What the window shows once painted, read from its whole-window DC.
void ReadPainted(HWND window, TestDib& dib)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetWindowDC(window);
    BitBlt(dib.DC(), 0, 0, dib.Width(), dib.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

// The snapshot's pixel under the window's (x, y).
template <class Skin>
TSkColor BackgroundAt(const TEffectForm<Skin>& f, int x, int y)
{
    RECT window;
    GetWindowRect(f.Window(), &window);
    const RECT& taken = f.skin->Background().Rect();
    return f.skin->Background().Bitmap()->GetPixel(x + window.left - taken.left,
                                                   y + window.top - taken.top);
}

TSkColor Shadowed(TSkColor background, uint8_t alpha)
{
    return BlendSkColor(SkShadowColor | TSkColor(alpha) << 24, background | 0xFF000000);
}

struct RegionGuard {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ~RegionGuard() { DeleteObject(region); }
};

TEST(SkFormShadow, DarkensTheBackgroundWithAFadingEdgeAndKeysTheSquaresOutsideTheWindow)
{
    const int fw = 40, fh = 30, size = 6;
    TSkBitmap background, surface;
    background.SetSize(80, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            *background.PixelPtr(x, y) = SkRGBA(uint8_t(x * 3), uint8_t(y * 4), 0x40, 255);
    surface.SetSize(fw + size, fh + size);
    const TSkColor frame = 0xFF123456;
    surface.Fill(frame);
    const POINT origin{5, 7};
    SkPaintShadow(surface, fw, fh, size, &background, origin);

    const struct {
        int x, y;
        uint8_t alpha;
    } shadow[] = {
        {fw, size, 0x80},   {fw + 2, 20, 0x80},  {fw + 3, 20, 120}, {fw + 4, 20, 70},
        {fw + 5, 20, 20},   {size, fh, 0x80},    {20, fh + 3, 120}, {20, fh + 5, 20},
        // The corner fades along both edges.
        {fw + 5, fh + 5, 20}, {fw + 3, fh + 5, 20}, {fw + 4, fh + 3, 70},
    };
    for (const auto& p : shadow)
        EXPECT_EQ(SkRgb(surface.GetPixel(p.x, p.y)),
                  SkRgb(Shadowed(background.GetPixel(p.x + origin.x, p.y + origin.y), p.alpha)))
            << p.x << "," << p.y;
    for (POINT key : {POINT{fw, 0}, POINT{fw + 5, size - 1}, POINT{0, fh}, POINT{size - 1, fh + 5}})
        EXPECT_EQ(surface.GetPixel(key.x, key.y), SkTransparentColor) << key.x << "," << key.y;
    for (POINT own : {POINT{fw - 1, size}, POINT{fw - 1, fh - 1}, POINT{size, fh - 1}})
        EXPECT_EQ(surface.GetPixel(own.x, own.y), frame) << own.x << "," << own.y;

    // Without a background the shadow darkens black; a size of 0 draws nothing.
    TSkBitmap plain;
    plain.SetSize(fw + size, fh + size);
    plain.Fill(frame);
    SkPaintShadow(plain, fw, fh, 0, &background, origin);
    EXPECT_EQ(plain.GetPixel(fw + 1, 20), frame);
    SkPaintShadow(plain, fw, fh, size, nullptr, origin);
    EXPECT_EQ(SkRgb(plain.GetPixel(fw + 1, 20)), SkRgb(Shadowed(0, 0x80)));
}

TEST(SkFormBlend, KeepsValueOf255OfTheFormsWeightWhereTheBackgroundCovers)
{
    TSkBitmap background;
    background.SetSize(10, 10);
    background.Fill(0xFF0000FF);
    // The background starts 5 pixels right of the surface's left edge.
    const POINT origin{-5, 0};
    const RECT area{2, 2, 12, 8};
    const struct {
        int value;
        TSkColor mixed;
    } cases[] = {{255, 0xFF0000}, {128, 0x80007F}, {0, 0x0000FF}};
    for (const auto& c : cases) {
        TSkBitmap surface;
        surface.SetSize(20, 10);
        surface.Fill(0xFFFF0000);
        SkBlendOverBackground(surface, area, c.value, background, origin);
        EXPECT_EQ(SkRgb(surface.GetPixel(6, 5)), c.mixed) << c.value;
        EXPECT_EQ(SkRgb(surface.GetPixel(11, 7)), c.mixed) << c.value;
        // Outside the area, or where the background does not reach.
        EXPECT_EQ(SkRgb(surface.GetPixel(12, 5)), 0xFF0000u) << c.value;
        EXPECT_EQ(SkRgb(surface.GetPixel(6, 1)), 0xFF0000u) << c.value;
        EXPECT_EQ(SkRgb(surface.GetPixel(4, 5)), 0xFF0000u) << c.value;
    }
}

TEST(SkFormShadow, TheWindowGrowsByTheShadowThatIsPaintedOverWhatLiesBehind)
{
    const int size = 8;
    EffectForm f = NewEffectForm(200, 120, [&](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Shadow()->SetSize(size);
    });
    ShowAndWait(f.form.get());
    EXPECT_EQ(f.skin->WindowWidth(), 200);
    EXPECT_EQ(f.skin->FrameWidth(), 200 - size);
    EXPECT_EQ(f.skin->FrameHeight(), 120 - size);

    RegionGuard region;
    ASSERT_NE(GetWindowRgn(f.Window(), region.region), ERROR);
    EXPECT_TRUE(PtInRegion(region.region, 196, 60));
    EXPECT_TRUE(PtInRegion(region.region, 100, 116));
    EXPECT_FALSE(PtInRegion(region.region, 196, 3));
    EXPECT_FALSE(PtInRegion(region.region, 3, 116));

    TestDib shown(200, 120);
    ReadPainted(f.Window(), shown);
    for (POINT p : {POINT{193, 60}, POINT{100, 113}})
        EXPECT_EQ(shown.Pixel(p.x, p.y), SkRgb(Shadowed(BackgroundAt(f, p.x, p.y), 0x80)));
    EXPECT_EQ(shown.Pixel(199, 60), SkRgb(Shadowed(BackgroundAt(f, 199, 60), 20)));
    EXPECT_EQ(shown.Pixel(100, 60), Rgb(FormBlue));

    // Size 0 is kept but takes the shadow away; the client keeps its size.
    RECT client;
    GetClientRect(f.Window(), &client);
    f.skin->Shadow()->SetSize(0);
    EXPECT_EQ(f.skin->Shadow()->Size(), 0);
    EXPECT_FALSE(f.skin->Shadow()->Enabled());
    EXPECT_EQ(f.skin->WindowWidth(), f.skin->FrameWidth());
    EXPECT_EQ(f.skin->WindowHeight(), f.skin->FrameHeight());
    RECT after;
    GetClientRect(f.Window(), &after);
    EXPECT_EQ(after.right, client.right);
    ASSERT_NE(GetWindowRgn(f.Window(), region.region), ERROR);
    RECT box;
    GetRgnBox(region.region, &box);
    EXPECT_EQ(box.right, f.skin->FrameWidth());

    // A maximized form has none; restored, it has it again.
    f.skin->Shadow()->SetSize(size);
    f.skin->Shadow()->SetEnabled(true);
    f.skin->Maximize();
    EXPECT_EQ(f.skin->WindowWidth(), f.skin->FrameWidth());
    f.skin->Restore();
    EXPECT_EQ(f.skin->WindowWidth() - f.skin->FrameWidth(), size);
}

TEST(SkFormBlend, AValueOf255LeavesTheWindowExactAndAMiddleOneMixesInWhatLiesBehind)
{
    // The classic frame: the visual style's frame has half-transparent edges
    // that mix with whatever the window held before.
    auto classic = [](const EffectForm& f) {
        SetWindowTheme(f.Window(), L" ", L" ");
        f.skin->UpdateFrame();
    };
    TestDib plain(200, 120), blended(200, 120);
    {
        EffectForm reference = NewEffectForm(200, 120);
        classic(reference);
        ShowAndWait(reference.form.get());
        ReadPainted(reference.Window(), plain);
    }
    PumpFor(100);
    EffectForm f = NewEffectForm(200, 120, [](TSkCustomForm& skin) {
        skin.Blending()->SetEnabled(true);
        skin.Blending()->SetValue(255);
    });
    classic(f);
    ShowAndWait(f.form.get());
    ReadPainted(f.Window(), blended);
    RegionGuard region;
    GetWindowRgn(f.Window(), region.region);
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x)
            differing += PtInRegion(region.region, x, y) && plain.Pixel(x, y) != blended.Pixel(x, y);
    EXPECT_EQ(differing, 0);

    f.skin->Blending()->SetValue(128);
    ReadPainted(f.Window(), blended);
    // The client, a side border and the caption, each mixed with what is behind.
    for (POINT p : {POINT{100, 60}, POINT{1, 60}, POINT{100, 10}}) {
        const TSkColor own = 0x80000000 | plain.Pixel(p.x, p.y);
        EXPECT_EQ(blended.Pixel(p.x, p.y), SkRgb(BlendSkColor(own, BackgroundAt(f, p.x, p.y))))
            << p.x << "," << p.y;
    }
}

// Controls in two colours: one with a window, one drawn on the form.
class TGreenWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        const RECT r = ClientRect();
        FillRect(PaintDC(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
        RECT inner{2, 2, r.right - 2, r.bottom - 2};
        FillRect(PaintDC(), &inner, green);
        DeleteObject(green);
    }
};

class TYellowMark : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        const RECT r{0, 0, Width(), Height()};
        const HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
        FillRect(PaintDC(), &r, yellow);
        DeleteObject(yellow);
    }
};

template <class Skin = TSkCustomForm>
TEffectForm<Skin> NewFormWithChildren(const std::function<void(TSkCustomForm&)>& setup)
{
    TEffectForm<Skin> f = NewEffectForm<Skin>(220, 140, setup);
    AddControl<TGreenWindow>(f.form.get(), 10, 10, 60, 40);
    AddControl<TYellowMark>(f.form.get(), 90, 20, 30, 30);
    return f;
}

// Pixels where the picture is not what the window shows, or not the key
// colour outside the window's region.
template <class Skin>
int PictureDifferences(const TEffectForm<Skin>& f, const TSkBitmap& picture, const TestDib& shown)
{
    RegionGuard region;
    if (GetWindowRgn(f.Window(), region.region) == ERROR)
        return -1;
    int differing = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TSkColor p = picture.GetPixel(x, y);
            differing += PtInRegion(region.region, x, y) ? SkRgb(p) != shown.Pixel(x, y)
                                                         : p != SkTransparentColor;
        }
    return differing;
}

TEST(SkShowAnimation, ThePictureIsTheWindowAsShownWithTheKeyColourOutsideItsRegion)
{
    EffectForm f = NewFormWithChildren([](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Shadow()->SetSize(6);
    });
    ShowAndWait(f.form.get());
    TestDib shown(220, 140);
    ReadPainted(f.Window(), shown);
    TSkBitmap picture;
    f.skin->PaintPicture(picture);
    ASSERT_EQ(picture.Width(), 220);
    ASSERT_EQ(picture.Height(), 140);
    EXPECT_EQ(PictureDifferences(f, picture, shown), 0);
    // Both children are in it, and the form's colour between them.
    TRect client;
    f.skin->GetClientBounds(client);
    EXPECT_EQ(SkRgb(picture.GetPixel(client.left + 30, client.top + 30)), 0x00A000u);
    EXPECT_EQ(SkRgb(picture.GetPixel(client.left + 100, client.top + 30)), 0xFFFF00u);
    EXPECT_EQ(SkRgb(picture.GetPixel(client.left + 80, client.top + 70)), Rgb(FormBlue));
}

// The show animation's frames drawn on a memory screen rather than the
// real one, which the headless display neither shows nor reads back.
class TRecordingForm : public TSkCustomForm {
public:
    using TSkCustomForm::TSkCustomForm;
    TestDib screen{1024, 768};

protected:
    int RunShowEffect(const TRect& at, const TSkBitmap& picture,
                      const TSkBitmap& background) override
    {
        PatBlt(screen.DC(), 0, 0, 1024, 768, WHITENESS);
        return RunEffect(screen.DC(), at.left, at.top, *Animation(), picture, background);
    }
};

TEST(SkShowAnimation, AShowRunsTheEffectAndEndsWithTheWindowsPicture)
{
    auto f = NewFormWithChildren<TRecordingForm>([](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Animation()->SetEnabled(true);
        skin.Animation()->SetTime(150);
        skin.Animation()->SetEffect(keSmoothRectOut);
    });
    LARGE_INTEGER start, stop, frequency;
    QueryPerformanceCounter(&start);
    ShowAndWait(f.form.get());
    QueryPerformanceCounter(&stop);
    QueryPerformanceFrequency(&frequency);
    EXPECT_GE(double(stop.QuadPart - start.QuadPart) / frequency.QuadPart, 0.15);
    EXPECT_GT(f.skin->AnimationFrames(), 2);
    EXPECT_FALSE(f.skin->Animating());

    // The last frame at the window's place: what the window shows in its
    // region, what lay behind it outside.
    TestDib shown(220, 140);
    ReadPainted(f.Window(), shown);
    RegionGuard region;
    ASSERT_NE(GetWindowRgn(f.Window(), region.region), ERROR);
    int differing = 0;
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 220; ++x)
            differing += f.skin->screen.Pixel(40 + x, 40 + y) !=
                         (PtInRegion(region.region, x, y) ? shown.Pixel(x, y)
                                                          : SkRgb(BackgroundAt(f, x, y)));
    EXPECT_EQ(differing, 0);
    // Nothing beside it.
    EXPECT_EQ(f.skin->screen.Pixel(39, 100), 0xFFFFFFu);
    EXPECT_EQ(f.skin->screen.Pixel(260, 100), 0xFFFFFFu);
}

// What the form's own paint event does to its window, once, while the
// show animation paints the picture.
enum class TInterruption { Destroy, ShowAgain, ShowAndHide };

int ShowInterrupted(TInterruption what, bool* destroyed = nullptr)
{
    EffectForm f = NewFormWithChildren([](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Blending()->SetEnabled(true);
        skin.Animation()->SetEnabled(true);
        skin.Animation()->SetTime(50);
    });
    HWND window = f.Window();
    bool done = false;
    f.skin->OnPaint = [&](TObject*) {
        if (done || !f.skin->Animating())
            return;
        done = true;
        switch (what) {
        case TInterruption::Destroy: DestroyWindow(window); break;
        case TInterruption::ShowAgain: ShowWindow(window, SW_SHOWNA); break;
        case TInterruption::ShowAndHide:
            ShowWindow(window, SW_SHOWNA);
            ShowWindow(window, SW_HIDE);
            break;
        }
    };
    f.form->Show();
    PumpFor(20);
    EXPECT_TRUE(done);
    EXPECT_FALSE(f.skin->Animating());
    if (destroyed)
        *destroyed = !IsWindow(window);
    return f.skin->AnimationFrames();
}

TEST(SkShowAnimation, TheFormsOwnPaintingMayDestroyHideOrShowTheWindowMidRun)
{
    const struct {
        TInterruption what;
        bool runs;
        const char* name;
    } cases[] = {{TInterruption::Destroy, false, "destroy"},
                 {TInterruption::ShowAgain, true, "show again"},
                 {TInterruption::ShowAndHide, false, "show and hide"}};
    for (const auto& c : cases) {
        bool destroyed = false;
        const int frames = ShowInterrupted(c.what, &destroyed);
        EXPECT_EQ(frames > 0, c.runs) << c.name;
        EXPECT_EQ(destroyed, c.what == TInterruption::Destroy) << c.name;
        EXPECT_EQ(GuiGrowth([&] { ShowInterrupted(c.what); }, 8), (TGuiCounts{0, 0})) << c.name;
    }
}

}  // namespace
