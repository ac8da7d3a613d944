// Form effects over memory surfaces and real windows: the drop shadow's
// pixels and geometry, blending over the snapshot behind the window, the
// show animation's last frame, and shows that the form's own painting
// interrupts.
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/form.h"
#include "styling/forms/skcustomform.h"
#include "styling/forms/skeffects.h"
#include "styling/forms/skshadow.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <functional>

namespace {

uint32_t SkRgb(TSkColor c) { return c & SkColorMask; }

TSkColor Shadowed(TSkColor background, uint8_t alpha)
{
    return BlendSkColor(SkShadowColor | TSkColor(alpha) << 24, background | 0xFF000000);
}

// The snapshot's pixel under the window's (x, y).
TSkColor BackgroundAt(const SkinnedForm& f, int x, int y)
{
    const RECT window = f.WindowRect();
    const RECT& taken = f.skin->Background().Rect();
    return f.skin->Background().Bitmap()->GetPixel(x + window.left - taken.left,
                                                   y + window.top - taken.top);
}

// What the window shows once painted, read from its whole-window DC.
void ReadPainted(HWND window, TestDib& dib)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ReadWindow(window, dib);
}

// Pixels where expected(x, y, inside the window's region) differs.
int Differences(HWND window, int width, int height,
                const std::function<bool(int, int, bool)>& differs)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int count = GetWindowRgn(window, region) == ERROR ? -1 : 0;
    for (int y = 0; y < height && count >= 0; ++y)
        for (int x = 0; x < width; ++x)
            count += differs(x, y, PtInRegion(region, x, y) != FALSE);
    DeleteObject(region);
    return count;
}

TEST(SkFormEffects, TheShadowDarkensTheBackgroundWithAFadingEdgeAndKeysTheOuterSquares)
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
        uint8_t alpha;  // 0: the key colour; 1: the frame untouched
    } cases[] = {
        {fw, size, 0x80},   {fw + 2, 20, 0x80},   {fw + 3, 20, 120},     {fw + 4, 20, 70},
        {fw + 5, 20, 20},   {size, fh, 0x80},     {20, fh + 3, 120},     {20, fh + 5, 20},
        // The corner fades along both edges.
        {fw + 5, fh + 5, 20}, {fw + 3, fh + 5, 20}, {fw + 4, fh + 3, 70},
        {fw, 0, 0}, {fw + 5, size - 1, 0}, {0, fh, 0}, {size - 1, fh + 5, 0},
        {fw - 1, size, 1}, {fw - 1, fh - 1, 1}, {size, fh - 1, 1},
    };
    for (const auto& c : cases) {
        const TSkColor expected =
            c.alpha == 0   ? SkTransparentColor
            : c.alpha == 1 ? frame
                           : Shadowed(background.GetPixel(c.x + origin.x, c.y + origin.y), c.alpha);
        EXPECT_EQ(surface.GetPixel(c.x, c.y), expected) << c.x << "," << c.y;
    }
    // Size 0 draws nothing.
    surface.Fill(frame);
    SkPaintShadow(surface, fw, fh, 0, &background, origin);
    EXPECT_EQ(surface.GetPixel(fw + 1, 20), frame);
}

TEST(SkFormEffects, BlendingKeepsValueOf255OfTheFormsWeightWhereTheBackgroundCovers)
{
    TSkBitmap background;
    background.SetSize(10, 10);
    background.Fill(0xFF0000FF);
    // The background starts 5 pixels right of the surface's left edge.
    const struct {
        int value;
        TSkColor mixed;
    } cases[] = {{255, 0xFF0000}, {128, 0x80007F}, {0, 0x0000FF}};
    for (const auto& c : cases) {
        TSkBitmap surface;
        surface.SetSize(20, 10);
        surface.Fill(0xFFFF0000);
        SkBlendOverBackground(surface, {2, 2, 12, 8}, c.value, background, {-5, 0});
        for (POINT mixed : {POINT{6, 5}, POINT{11, 7}})
            EXPECT_EQ(SkRgb(surface.GetPixel(mixed.x, mixed.y)), c.mixed) << c.value;
        // Outside the area, or where the background does not reach.
        for (POINT own : {POINT{12, 5}, POINT{6, 1}, POINT{4, 5}})
            EXPECT_EQ(SkRgb(surface.GetPixel(own.x, own.y)), 0xFF0000u) << c.value;
    }
}

TEST(SkFormEffects, TheWindowGrowsByTheShadowWhichGoesWithSize0OrWhenMaximized)
{
    const int size = 8;
    SkinnedForm f = NewSkinned(200, 120, false, [&](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Shadow()->SetSize(size);
    });
    ShowAndWait(f.form.get());
    EXPECT_EQ(std::tuple(f.skin->WindowWidth(), f.skin->FrameWidth(), f.skin->FrameHeight()),
              std::tuple(200, 200 - size, 120 - size));
    TestDib shown(200, 120);
    ReadPainted(f.Window(), shown);
    // Out of the region: the squares beside the shadow strips.
    const auto beside = [&](int x, int y, bool in) {
        return in && ((x >= 192 && y < size) || (x < size && y >= 112));
    };
    EXPECT_EQ(Differences(f.Window(), 200, 120, beside), 0);
    for (POINT p : {POINT{193, 60}, POINT{100, 113}})
        EXPECT_EQ(shown.Pixel(p.x, p.y), SkRgb(Shadowed(BackgroundAt(f, p.x, p.y), 0x80)));
    EXPECT_EQ(shown.Pixel(199, 60), SkRgb(Shadowed(BackgroundAt(f, 199, 60), 20)));
    EXPECT_EQ(shown.Pixel(100, 60), Rgb(FormBlue));

    // Size 0 takes the shadow away; the client keeps its size.
    const RECT client = f.ClientRect();
    f.skin->Shadow()->SetSize(0);
    EXPECT_EQ(std::pair(f.skin->WindowWidth(), f.skin->WindowHeight()),
              std::pair(f.skin->FrameWidth(), f.skin->FrameHeight()));
    EXPECT_EQ(f.ClientRect().right, client.right);
    const auto pastFrame = [&](int x, int y, bool in) {
        return in && (x >= f.skin->FrameWidth() || y >= f.skin->FrameHeight());
    };
    EXPECT_EQ(Differences(f.Window(), 220, 140, pastFrame), 0);

    f.skin->Shadow()->SetSize(size);
    f.skin->Shadow()->SetEnabled(true);
    f.skin->Maximize();
    EXPECT_EQ(f.skin->WindowWidth(), f.skin->FrameWidth());
    f.skin->Restore();
    EXPECT_EQ(f.skin->WindowWidth() - f.skin->FrameWidth(), size);
}

TEST(SkFormEffects, BlendingAt255LeavesTheWindowExactAndAMiddleValueMixesInWhatIsBehind)
{
    // The classic frame: the visual style's frame has half-transparent edges
    // that mix with whatever the window held before.
    auto classic = [](const std::function<void(TSkCustomForm&)>& setup) {
        SkinnedForm f = NewSkinned(200, 120, false, setup);
        SetWindowTheme(f.Window(), L" ", L" ");
        f.skin->UpdateFrame();
        ShowAndWait(f.form.get());
        return f;
    };
    TestDib plain(200, 120), blended(200, 120);
    ReadPainted(classic([](TSkCustomForm&) {}).Window(), plain);
    PumpFor(50);
    SkinnedForm f = classic([](TSkCustomForm& skin) {
        skin.Blending()->SetEnabled(true);
        skin.Blending()->SetValue(255);
    });
    ReadPainted(f.Window(), blended);
    const auto changed = [&](int x, int y, bool in) { return in && plain.Pixel(x, y) != blended.Pixel(x, y); };
    EXPECT_EQ(Differences(f.Window(), 200, 120, changed), 0);
    f.skin->Blending()->SetValue(128);
    ReadPainted(f.Window(), blended);
    // The client, a side border and the caption.
    for (POINT p : {POINT{100, 60}, POINT{1, 60}, POINT{100, 10}}) {
        const TSkColor own = 0x80000000 | plain.Pixel(p.x, p.y);
        EXPECT_EQ(blended.Pixel(p.x, p.y), SkRgb(BlendSkColor(own, BackgroundAt(f, p.x, p.y))))
            << p.x << "," << p.y;
    }
}

// A control filled with one colour: windowed or drawn on the form.
template <class Base>
class TSolid : public Base {
public:
    using Base::Base;
    COLORREF color = 0;

protected:
    void Paint() override
    {
        const RECT r{0, 0, this->Width(), this->Height()};
        const HBRUSH brush = CreateSolidBrush(color);
        FillRect(this->PaintDC(), &r, brush);
        DeleteObject(brush);
    }
};

template <class Skin = TSkCustomForm>
SkinnedForm NewFormWithChildren(const std::function<void(TSkCustomForm&)>& setup)
{
    SkinnedForm f = NewSkinned<Skin>(220, 140, false, setup);
    AddControl<TSolid<TCustomControl>>(f.form.get(), 10, 10, 60, 40)->color = RGB(0, 160, 0);
    AddControl<TSolid<TGraphicControl>>(f.form.get(), 90, 20, 30, 30)->color = RGB(255, 255, 0);
    return f;
}

// The show animation's frames on a memory screen: the headless display's
// screen DC neither shows nor reads back what is drawn on it.
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

TEST(SkFormEffects, AShowRunsTheAnimationForItsTimeAndEndsWithTheWindowsPicture)
{
    SkinnedForm f = NewFormWithChildren<TRecordingForm>([](TSkCustomForm& skin) {
        skin.Shadow()->SetEnabled(true);
        skin.Animation()->SetEnabled(true);
        skin.Animation()->SetTime(150);
        skin.Animation()->SetEffect(keSmoothRectOut);
    });
    const DWORD start = GetTickCount();
    ShowAndWait(f.form.get());
    EXPECT_GE(GetTickCount() - start, 140u);
    EXPECT_GT(f.skin->AnimationFrames(), 2);
    EXPECT_FALSE(f.skin->Animating());
    // The last frame at the window's place: what the window shows in its
    // region (the window's picture), what lay behind it outside (the key
    // colour there); nothing beside it.
    const TestDib& screen = static_cast<TRecordingForm*>(f.skin)->screen;
    TestDib shown(220, 140);
    ReadPainted(f.Window(), shown);
    const auto otherThanShown = [&](int x, int y, bool in) {
        return screen.Pixel(40 + x, 40 + y) != (in ? shown.Pixel(x, y) : SkRgb(BackgroundAt(f, x, y)));
    };
    EXPECT_EQ(Differences(f.Window(), 220, 140, otherThanShown), 0);
    EXPECT_EQ(screen.Pixel(39, 100), 0xFFFFFFu);
    EXPECT_EQ(screen.Pixel(260, 100), 0xFFFFFFu);
    // Both children and the form's colour between them.
    TRect client;
    f.skin->GetClientBounds(client);
    const POINT at{40 + client.left, 40 + client.top};
    EXPECT_EQ(screen.Pixel(at.x + 30, at.y + 30), 0x00A000u);
    EXPECT_EQ(screen.Pixel(at.x + 100, at.y + 30), 0xFFFF00u);
    EXPECT_EQ(screen.Pixel(at.x + 80, at.y + 70), Rgb(FormBlue));
}

// What the form's own paint event does to its window, once, while the show
// animation paints the picture; answers the frames drawn.
enum class TInterruption { Destroy, ShowAgain, ShowAndHide };

int ShowInterrupted(TInterruption what)
{
    SkinnedForm f = NewFormWithChildren([](TSkCustomForm& skin) {
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
        if (what == TInterruption::Destroy)
            DestroyWindow(window);
        else
            ShowWindow(window, SW_SHOWNA);
        if (what == TInterruption::ShowAndHide)
            ShowWindow(window, SW_HIDE);
    };
    f.form->Show();
    PumpFor(20);
    EXPECT_TRUE(done);
    EXPECT_FALSE(f.skin->Animating());
    EXPECT_EQ(IsWindow(window) == FALSE, what == TInterruption::Destroy);
    return f.skin->AnimationFrames();
}

TEST(SkFormEffects, TheFormsOwnPaintingMayDestroyHideOrShowTheWindowMidRun)
{
    const struct {
        TInterruption what;
        bool runs;
    } cases[] = {{TInterruption::Destroy, false},
                 {TInterruption::ShowAgain, true},
                 {TInterruption::ShowAndHide, false}};
    for (const auto& c : cases) {
        const int kind = static_cast<int>(c.what);
        EXPECT_EQ(ShowInterrupted(c.what) > 0, c.runs) << kind;
        EXPECT_EQ(GuiGrowth([&] { ShowInterrupted(c.what); }, 8), (TGuiCounts{0, 0})) << kind;
    }
}

}  // namespace
