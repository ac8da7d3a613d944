// The themed control bases over real windows: buffering modes, see-through
// painting and blending read back as pixels, bevels and border, the client
// area, the option rules, and the shared buffer's cost per paint.
#include "framework/forms/form.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/skgraphiccontrol.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

const COLORREF FormBlue = RGB(0, 0, 255), ControlRed = RGB(255, 0, 0), ClientGreen = RGB(0, 255, 0);
const TSkPerformance AllModes[] = {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer};

FormPtr BlueForm(int width = 120, int height = 80)
{
    FormPtr form = NewForm(width, height);
    form->SetBorderStyle(bsNone);
    form->SetColor(static_cast<TColor>(FormBlue));
    return form;
}

// A windowed control whose client area is green, so that border and
// client can be told apart.
class TGreenClient : public TSkCustomControl {
public:
    using TSkCustomControl::TSkCustomControl;
    int borderChanges = 0;
    std::vector<std::pair<UINT, WPARAM>> scrolls;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL)
            scrolls.emplace_back(message.Msg, message.WParam);
        TSkCustomControl::Dispatch(message);
    }

protected:
    void PaintClient() override
    {
        RECT r;
        GetClientArea(r);
        FillRectColor(Canvas(), r, static_cast<TColor>(ClientGreen));
    }
    void BorderChanged() override { ++borderChanges; }
};

template <class T>
T* Place(TForm* form, int left, int top, int width = 40, int height = 20)
{
    auto* control = AddControl<T>(form, left, top, width, height);
    control->SetColor(static_cast<TColor>(ControlRed));
    return control;
}

// Equal colours, give or take rounding.
bool Near(uint32_t a, uint32_t b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > 2)
            return false;
    return true;
}

} // namespace

TEST_F(SkControlsTest, BorderBevelAndBufferOptionsFollowTheirRules)
{
    FormPtr form = BlueForm();
    auto* control = Place<TGreenClient>(form.get(), 0, 0, 177, 23);
    control->SetBorderWidth(3);
    control->SetBevelWidth(1);
    RECT r;
    control->GetClientArea(r);
    EXPECT_TRUE(RectsEqual(r, RECT{5, 5, 172, 18}));
    control->SetBevelSides(TSkBevelSides{kbvLeft, kbvTop});  // only the sides named
    control->SetBevelInner(kbvNone);                         // one bevel counts once
    control->SetBevelWidth(2);
    control->GetClientArea(r);
    EXPECT_TRUE(RectsEqual(r, RECT{5, 5, 174, 20}));
    control->SetBorderWidth(-4);
    EXPECT_EQ(control->BorderWidth(), 0);
    // A bevel kind chooses both cuts; choosing a cut clears the kind.
    for (auto [kind, cut] : {std::pair{kbkBorder, kbvBorder}, std::pair{kbkFlat, kbvFlatBorder},
                             std::pair{kbkSoft, kbvLowered}, std::pair{kbkNone, kbvLowered}}) {
        control->SetBevelKind(kind);
        EXPECT_EQ(std::pair(control->BevelInner(), control->BevelOuter()), std::pair(cut, cut));
    }
    control->SetBevelKind(kbkTile);
    const int changes = control->borderChanges;
    control->SetBevelInner(kbvRaised);
    control->SetBevelInner(kbvRaised);
    EXPECT_EQ(control->BevelKind(), kbkNone);
    EXPECT_EQ(control->borderChanges, changes + 2);  // the kind, then the cut; once
    // Blending always comes with a buffer, also when assigned whole.
    control->Blending()->SetEnabled(true);
    EXPECT_EQ(control->Performance(), kspDoubleBuffer);
    control->SetPerformance(kspSharedBuffer);
    control->SetPerformance(kspNoBuffer);
    EXPECT_EQ(control->Performance(), kspSharedBuffer);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 0, 0);
    graphic->SetBlending(control->Blending());
    graphic->SetPerformance(kspNoBuffer);
    EXPECT_EQ(graphic->Performance(), kspDoubleBuffer);
    control->Blending()->SetEnabled(false);
    control->SetPerformance(kspNoBuffer);
    EXPECT_EQ(control->Performance(), kspNoBuffer);
}

TEST(SkBlending, ValueIsClampedAndOnlyChangesNotify)
{
    TSkBlending blending, copy;
    int changes = 0;
    blending.OnChange = copy.OnChange = [&] { ++changes; };
    blending.SetValue(150);
    blending.SetEnabled(false);
    blending.SetValue(300);
    EXPECT_EQ(blending.Value(), 255);
    blending.SetValue(-5);
    blending.SetEnabled(true);
    EXPECT_EQ(changes, 3);
    copy.Assign(&blending);
    EXPECT_EQ(std::pair(copy.Enabled(), copy.Value()), std::pair(true, 0));
    EXPECT_EQ(changes, 4);
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
}

namespace {

// A form component that paints the form's background itself, black, the
// way the theme form component does.
struct TBackgroundPainter : TComponent, ISkFormBackground {
    using TComponent::TComponent;
    void EraseFormBackground(HDC dc) override { PatBlt(dc, 0, 0, 1000, 1000, BLACKNESS); }
};

template <class T>
T* Blended(TForm* form, int left, int value)
{
    auto* control = Place<T>(form, left, 10);
    control->Blending()->SetEnabled(true);
    control->Blending()->SetValue(value);
    return control;
}

// Controls on a blue form, and the colours expected at points of it, in
// every buffering mode (the painter only when unbuffered) and every way
// a form is painted.
const uint32_t Face = Rgb(GetSysColor(COLOR_BTNFACE)), Shadow = Rgb(GetSysColor(COLOR_BTNSHADOW)),
               Light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)), Dark = Rgb(GetSysColor(COLOR_3DDKSHADOW));
const struct {
    const char* what;
    void (*setUp)(TForm*);
    std::vector<std::pair<POINT, uint32_t>> colors;
    bool unbufferedOnly = false;
} Scenes[] = {
    {"bevels outside in, the border band, the client", [](TForm* form) {
         auto* control = Place<TGreenClient>(form, 10, 10);
         control->SetUseVisualStyles(false);
         control->SetBevelWidth(1);
         control->SetBorderWidth(1);
     }, {{{10, 10}, Shadow}, {{49, 29}, Light}, {{11, 11}, Dark}, {{48, 28}, Face}, {{12, 12}, 0xFF0000},
         {{47, 27}, 0xFF0000}, {{13, 13}, 0x00FF00}, {{46, 26}, 0x00FF00}, {{51, 31}, 0x0000FF}}},
    {"see-through", [](TForm* form) {
         Place<TSkCustomControl>(form, 10, 10)->SetTransparent(true);
         Place<TSkGraphicControl>(form, 60, 10)->SetTransparent(true);
     }, {{{10, 10}, 0x0000FF}, {{49, 29}, 0x0000FF}, {{60, 10}, 0x0000FF}, {{99, 29}, 0x0000FF}}},
    {"windowed, blended at 0, 150 and 255", [](TForm* form) {
         Blended<TSkCustomControl>(form, 0, 0), Blended<TSkCustomControl>(form, 40, 150);
         Blended<TSkCustomControl>(form, 80, 255);
     }, {{{20, 20}, 0x0000FF}, {{60, 20}, 0x960069}, {{100, 20}, 0xFF0000}}},
    {"windowless, blended", [](TForm* form) { Blended<TSkGraphicControl>(form, 40, 150); },
     {{{60, 20}, 0x960069}, {{85, 20}, 0x0000FF}}},
    {"windowless siblings under a blended control", [](TForm* form) {
         Place<TSkGraphicControl>(form, 0, 0, 30, 30)->SetColor(static_cast<TColor>(ClientGreen));
         Blended<TSkCustomControl>(form, 20, 0);
     }, {{{25, 15}, 0x00FF00}, {{40, 15}, 0x0000FF}}},
    {"the form's own background painter", [](TForm* form) {
         new TBackgroundPainter(form);
         Place<TSkCustomControl>(form, 10, 10)->SetTransparent(true);
     }, {{{30, 20}, 0}}, true},
};

} // namespace

TEST_F(SkControlsTest, EveryModeAndEveryWayOfPaintingShowsBorderBevelsClientAndWhatLiesUnder)
{
    for (const auto& scene : Scenes)
        for (TSkPerformance mode : AllModes) {
            if (scene.unbufferedOnly && mode != kspNoBuffer)
                continue;
            FormPtr form = BlueForm();
            scene.setUp(form.get());
            for (int i = 0; i < form->ControlCount(); ++i)
                if (auto* windowed = dynamic_cast<TSkCustomControl*>(form->Controls(i)))
                    windowed->SetPerformance(mode);
                else
                    static_cast<TSkGraphicControl*>(form->Controls(i))->SetPerformance(mode);
            TestDib copy(120, 80);
            form->PaintTo(copy.DC(), 0, 0);
            form->Show();
            UpdateWindow(form->Handle());
            HDC screen = GetDC(form->Handle());
            for (const auto& [at, color] : scene.colors) {
                EXPECT_TRUE(Near(copy.Pixel(at.x, at.y), color)) << scene.what << " " << mode << " at " << at.x << "," << at.y;
                EXPECT_TRUE(Near(Rgb(GetPixel(screen, at.x, at.y)), color)) << scene.what << " " << mode << " on screen";
            }
            ReleaseDC(form->Handle(), screen);
            // Painted again, nothing is left behind; the shared buffer is
            // sized once, by the first paint.
            const DWORD before = GdiObjectCount();
            for (int i = 0; i < 50; ++i)
                RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            EXPECT_EQ(GdiObjectCount(), before) << scene.what << " " << mode;
            EXPECT_EQ(SharedBuffer()->Width(), mode == kspSharedBuffer ? SharedBufferSize().cx : SharedBuffer()->Width());
        }
}

namespace {

template <class Base>
class TCounted : public Base {
public:
    using Base::Base;
    int paints = 0;

protected:
    void PaintClient() override
    {
        ++paints;
        Base::PaintClient();
    }
};

} // namespace

// A repaint draws a control's look once, though the system asks for an
// erase first; the blend draws only the windowless siblings under it.
TEST_F(SkControlsTest, ARepaintDrawsTheLookOnceAndBlendsOnlyTheSiblingsUnderIt)
{
    FormPtr form = BlueForm();
    auto* blended = Blended<TCounted<TSkCustomControl>>(form.get(), 20, 150);
    auto* under = Place<TCounted<TSkGraphicControl>>(form.get(), 0, 0, 30, 30);
    auto* beside = Place<TCounted<TSkGraphicControl>>(form.get(), 70, 40);
    form->Show();
    UpdateWindow(form->Handle());
    blended->paints = under->paints = beside->paints = 0;
    RedrawWindow(blended->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(std::make_tuple(blended->paints, under->paints, beside->paints), std::make_tuple(1, 1, 0));
    // An erase on its own still draws everything.
    TestDib copy(40, 20);
    SendMessageA(blended->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(copy.DC()), 0);
    EXPECT_EQ(blended->paints, 2);
    EXPECT_TRUE(Near(copy.Pixel(15, 10), 0x960069));
}

TEST_F(SkControlsTest, AControlWithoutAreaPaintsNothing)
{
    for (TSkPerformance mode : AllModes) {
        FormPtr form = BlueForm();
        auto* empty = Place<TSkCustomControl>(form.get(), 10, 10, 0, 20);
        auto* flat = Place<TSkGraphicControl>(form.get(), 10, 10, 30, 0);
        empty->SetPerformance(mode);
        flat->SetPerformance(mode);
        empty->HandleNeeded();
        TestDib dib(40, 40);
        dib.Fill(RGB(1, 2, 3));
        const WPARAM into = reinterpret_cast<WPARAM>(dib.DC());
        empty->Perform(WM_ERASEBKGND, into);
        empty->Perform(WM_PAINT, into);
        flat->Perform(WM_PAINT, into);
        for (int i = 0; i < dib.Width() * dib.Height(); ++i)
            ASSERT_EQ(dib.Bits()[i] & 0xFFFFFF, 0x010203u) << mode << ": " << i;
    }
}

TEST_F(SkControlsTest, ChildScrollBarsSitInsideTheBorderAndReportAsTheHostsOwnScrolls)
{
    SetSkScrollBarFactory([](TSkCustomControl* host, TScrollBarKind) -> TWinControl* { return new TCustomControl(host); });
    FormPtr form = BlueForm(200, 150);
    auto* control = Place<TGreenClient>(form.get(), 0, 0, 100, 60);
    control->SetScrollBars(kssBoth);
    control->SetBorderWidth(2);
    control->SetUseVisualStyles(false);
    auto* child = new TCustomControl(form.get());
    child->SetParent(control);
    child->SetAlign(alClient);
    control->HandleNeeded();
    SetSkScrollBarFactory(nullptr);
    ASSERT_TRUE(control->HorzScrollBar() && control->VertScrollBar());
    const int bar = GetSystemMetrics(SM_CYVTHUMB);
    for (int w : {125, 150}) {  // the second sized behind the framework's back
        const int h = w - 40;
        if (w == 150)
            SetWindowPos(control->Handle(), nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE);
        else
            control->SetBounds(0, 0, w, h);
        EXPECT_TRUE(RectsEqual(control->HorzScrollBar()->BoundsRect(), {2, h - 2 - bar, w - 2 - bar, h - 2})) << w;
        EXPECT_TRUE(RectsEqual(control->VertScrollBar()->BoundsRect(), {w - 2 - bar, 2, w - 2, h - 2 - bar})) << w;
        EXPECT_TRUE(RectsEqual(child->BoundsRect(), {2, 2, w - 2 - bar, h - 2 - bar})) << w;
    }
    control->ScrollBarScrolled(sbVertical, SB_PAGEDOWN, 40);
    control->ScrollBarScrolled(sbHorizontal, 9, 7);  // an unknown code becomes 0
    EXPECT_EQ(control->scrolls, (std::vector<std::pair<UINT, WPARAM>>{{WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 40)},
                                                                      {WM_HSCROLL, MAKEWPARAM(0, 7)}}));
    // The corner between the bars takes the control's colour (without the
    // system's visual styles, which Wine has on).
    EXPECT_EQ(Render(control)->Pixel(145, 105), Rgb(ControlRed));
}

namespace {

// A control whose client paint draws through the canvas, moves the context's
// origin and clip, then fails unless told otherwise.
class TFailingClient : public TSkCustomControl {
public:
    using TSkCustomControl::TSkCustomControl;
    bool failing = true;

protected:
    void PaintClient() override
    {
        FillRectColor(Canvas(), TRect{0, 0, 10, 10}, static_cast<TColor>(ClientGreen));
        Canvas()->TextOut(2, 2, "x");
        HDC dc = Canvas()->Handle();
        OffsetViewportOrgEx(dc, 3, 3, nullptr);
        IntersectClipRect(dc, 1, 1, 5, 5);
        if (failing)
            throw std::runtime_error("paint failed");
    }
};

// What a paint must leave in a device context as it found it: the objects
// selected, the saved levels, the origin and the clip box.
auto Snapshot(HDC dc)
{
    const int levels = SaveDC(dc) - 1;
    RestoreDC(dc, -1);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    RECT clip{};
    GetClipBox(dc, &clip);
    return std::tuple(GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                      GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP), levels,
                      origin.x, origin.y, clip.left, clip.top, clip.right, clip.bottom);
}

} // namespace

TEST_F(SkControlsTest, APaintThatThrowsLeavesEveryContextAsItWas)
{
    for (TSkPerformance mode : AllModes) {
        for (UINT message : {UINT(WM_ERASEBKGND), UINT(WM_PAINT)}) {
            SCOPED_TRACE(std::to_string(mode) + (message == WM_PAINT ? " paint" : " erase"));
            FormPtr form = NewForm();
            auto* control = Place<TFailingClient>(form.get(), 10, 10, 40, 20);
            control->SetPerformance(mode);
            control->SetTransparent(true);
            control->SetBevelWidth(1);
            control->SetBorderWidth(1);
            control->HandleNeeded();
            TestDib dib(60, 40);
            // A paint that succeeds first makes the tools and the shared buffer.
            control->failing = false;
            control->Perform(message, reinterpret_cast<WPARAM>(dib.DC()));
            control->failing = true;
            const auto target = Snapshot(dib.DC());
            const auto shared = Snapshot(SharedBuffer()->DC());
            const DWORD objects = GdiObjectCount();

            EXPECT_THROW(control->Perform(message, reinterpret_cast<WPARAM>(dib.DC())),
                         std::runtime_error);
            EXPECT_EQ(Snapshot(dib.DC()), target);
            EXPECT_EQ(Snapshot(SharedBuffer()->DC()), shared);
            EXPECT_EQ(GdiObjectCount(), objects);
            EXPECT_FALSE(control->Canvas()->HandleAllocated());
            EXPECT_EQ(control->Canvas()->LockCount(), 0);
        }
    }
}
