// The themed control bases over real windows: buffering modes, see-through
// painting and blending read back as pixels, bevels and border, the client
// area, the option rules, and the shared buffer's cost per paint.
#include "framework/forms/form.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skblending.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/skgraphiccontrol.h"
#include "styling/core/sksystem.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const COLORREF FormBlue = RGB(0, 0, 255);
const COLORREF ControlRed = RGB(255, 0, 0);
const COLORREF ClientGreen = RGB(0, 255, 0);
const uint32_t Untouched = 0x010203;

const TSkPerformance AllModes[] = {kspNoBuffer, kspSharedBuffer, kspDoubleBuffer};

FormPtr NewForm(int width = 120, int height = 80)
{
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(30, 30, width, height);
    form->SetColor(static_cast<TColor>(FormBlue));
    return form;
}

// A windowed control whose client area is green, so that border and
// client can be told apart.
class TGreenClient : public TSkCustomControl {
public:
    using TSkCustomControl::TSkCustomControl;
    int borderChanges = 0;
    std::vector<TMessage> scrolls;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL)
            scrolls.push_back(message);
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
T* Place(TForm* form, int left, int top, int width, int height)
{
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    control->SetColor(static_cast<TColor>(ControlRed));
    return control;
}

// What the control shows when painted on its own at the origin.
std::unique_ptr<TestDib> Render(TControl* control)
{
    auto dib = std::make_unique<TestDib>(control->Width() + 4, control->Height() + 4);
    dib->Fill(RGB(1, 2, 3));
    control->PaintTo(dib->DC(), 0, 0);
    return dib;
}

// What the form shows at a point of its client area, from its real window.
uint32_t ScreenPixel(TForm* form, int x, int y)
{
    HDC dc = GetDC(form->Handle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(form->Handle(), dc);
    return Rgb(c);
}

bool Near(uint32_t actual, COLORREF expected, int tolerance = 2)
{
    const uint32_t e = Rgb(expected);
    for (int shift : {0, 8, 16})
        if (std::abs(int((actual >> shift) & 0xFF) - int((e >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// Red at 150 of 255 over blue.
const COLORREF BlendedAt150 = RGB(150, 0, 105);

class SkControlTest : public ::testing::Test {
protected:
    TSkControlsUnit unit;  // the shared buffer and the library's colours
};

} // namespace

TEST_F(SkControlTest, NewControlsAreAHundredByThirtyUntilPlaced)
{
    FormPtr form = NewForm();
    auto* windowed = new TSkCustomControl(form.get());
    EXPECT_EQ(windowed->Width(), 100);
    EXPECT_EQ(windowed->Height(), 30);
    EXPECT_EQ(windowed->Color(), clBtnFace);
    auto* graphic = new TSkGraphicControl(form.get());
    EXPECT_EQ(graphic->Width(), 100);
    EXPECT_EQ(graphic->Height(), 30);
    graphic->SetVersion("1.0");
    EXPECT_EQ(graphic->Version(), "3.3.0");
}

TEST_F(SkControlTest, ClientAreaLeavesOutBorderAndBevels)
{
    FormPtr form = NewForm();
    auto* control = Place<TGreenClient>(form.get(), 0, 0, 177, 23);
    RECT r;
    control->GetClientArea(r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 177);
    control->SetBorderWidth(3);
    control->SetBevelWidth(1);
    control->GetClientArea(r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.right, 172);
    EXPECT_EQ(r.bottom, 18);

    // Only the sides named, and one bevel counts once.
    control->SetBevelSides(TSkBevelSides{kbvLeft, kbvTop});
    control->SetBevelInner(kbvNone);
    control->SetBevelWidth(2);
    control->GetClientArea(r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.right, 174);
    EXPECT_EQ(r.bottom, 20);
    control->SetBorderWidth(-4);  // clamped
    EXPECT_EQ(control->BorderWidth(), 0);
}

TEST_F(SkControlTest, BlendingAlwaysComesWithABuffer)
{
    FormPtr form = NewForm();
    auto* control = Place<TSkCustomControl>(form.get(), 0, 0, 40, 20);
    control->Blending()->SetEnabled(true);
    EXPECT_EQ(control->Performance(), kspDoubleBuffer);
    control->SetPerformance(kspNoBuffer);
    EXPECT_EQ(control->Performance(), kspDoubleBuffer);
    control->SetPerformance(kspSharedBuffer);
    EXPECT_EQ(control->Performance(), kspSharedBuffer);
    control->SetPerformance(kspNoBuffer);
    EXPECT_EQ(control->Performance(), kspSharedBuffer);
    control->Blending()->SetEnabled(false);
    control->SetPerformance(kspNoBuffer);
    EXPECT_EQ(control->Performance(), kspNoBuffer);

    // Assigning a whole blending follows the same rule.
    TSkBlending on;
    on.SetEnabled(true);
    on.SetValue(40);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 0, 0, 40, 20);
    graphic->SetBlending(&on);
    EXPECT_TRUE(graphic->Blending()->Enabled());
    EXPECT_EQ(graphic->Blending()->Value(), 40);
    EXPECT_EQ(graphic->Performance(), kspDoubleBuffer);
    graphic->SetPerformance(kspNoBuffer);
    EXPECT_EQ(graphic->Performance(), kspDoubleBuffer);
}

TEST(SkBlending, ValueIsClampedAndOnlyChangesNotify)
{
    TSkBlending blending;
    int changes = 0;
    blending.OnChange = [&] { ++changes; };
    blending.SetValue(150);
    blending.SetEnabled(false);
    EXPECT_EQ(changes, 0);
    blending.SetValue(300);
    EXPECT_EQ(blending.Value(), 255);
    blending.SetValue(-5);
    EXPECT_EQ(blending.Value(), 0);
    blending.SetEnabled(true);
    EXPECT_EQ(changes, 3);

    TSkBlending copy;
    int copied = 0;
    copy.OnChange = [&] { ++copied; };
    copy.Assign(&blending);
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(copy.Value(), 0);
    EXPECT_EQ(copied, 1);
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST_F(SkControlTest, BevelKindChoosesBothCutsAndCutsClearTheKind)
{
    FormPtr form = NewForm();
    auto* control = Place<TGreenClient>(form.get(), 0, 0, 40, 20);
    control->SetBevelKind(kbkBorder);
    EXPECT_EQ(control->BevelInner(), kbvBorder);
    EXPECT_EQ(control->BevelOuter(), kbvBorder);
    control->SetBevelKind(kbkFlat);
    EXPECT_EQ(control->BevelInner(), kbvFlatBorder);
    control->SetBevelKind(kbkSoft);
    EXPECT_EQ(control->BevelOuter(), kbvLowered);
    control->SetBevelKind(kbkNone);
    EXPECT_EQ(control->BevelOuter(), kbvLowered);
    control->SetBevelKind(kbkTile);
    const int changes = control->borderChanges;
    control->SetBevelInner(kbvRaised);
    EXPECT_EQ(control->BevelKind(), kbkNone);
    EXPECT_EQ(control->BevelInner(), kbvRaised);
    EXPECT_EQ(control->BevelOuter(), kbvLowered);
    EXPECT_EQ(control->borderChanges, changes + 2);  // the kind, then the cut
    control->SetBevelInner(kbvRaised);
    EXPECT_EQ(control->borderChanges, changes + 2);
}

TEST_F(SkControlTest, EveryModePaintsBorderBevelsAndClient)
{
    for (TSkPerformance mode : AllModes) {
        FormPtr form = NewForm();
        auto* control = Place<TGreenClient>(form.get(), 10, 10, 40, 20);
        control->SetUseVisualStyles(false);
        control->SetPerformance(mode);
        control->SetBevelWidth(1);
        control->SetBorderWidth(1);
        auto dib = Render(control);
        SCOPED_TRACE(mode);
        EXPECT_EQ(dib->Pixel(0, 0), Rgb(GetSysColor(COLOR_BTNSHADOW)));      // outer
        EXPECT_EQ(dib->Pixel(39, 19), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));
        EXPECT_EQ(dib->Pixel(1, 1), Rgb(GetSysColor(COLOR_3DDKSHADOW)));     // inner
        EXPECT_EQ(dib->Pixel(38, 18), Rgb(GetSysColor(COLOR_BTNFACE)));
        EXPECT_EQ(dib->Pixel(2, 2), Rgb(ControlRed));                         // border band
        EXPECT_EQ(dib->Pixel(37, 17), Rgb(ControlRed));
        EXPECT_EQ(dib->Pixel(3, 3), Rgb(ClientGreen));                        // client
        EXPECT_EQ(dib->Pixel(36, 16), Rgb(ClientGreen));
        EXPECT_EQ(dib->Pixel(41, 21), Untouched);                             // outside
    }
}

TEST_F(SkControlTest, TransparentControlsShowTheParentsBackground)
{
    for (TSkPerformance mode : AllModes) {
        SCOPED_TRACE(mode);
        FormPtr form = NewForm();
        auto* windowed = Place<TSkCustomControl>(form.get(), 10, 10, 40, 20);
        windowed->SetPerformance(mode);
        windowed->SetTransparent(true);
        auto dib = Render(windowed);
        EXPECT_EQ(dib->Pixel(0, 0), Rgb(FormBlue));
        EXPECT_EQ(dib->Pixel(20, 10), Rgb(FormBlue));
        EXPECT_EQ(dib->Pixel(39, 19), Rgb(FormBlue));

        auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10, 40, 20);
        graphic->SetPerformance(mode);
        graphic->SetTransparent(true);
        TestDib whole(120, 80);
        form->PaintTo(whole.DC(), 0, 0);
        EXPECT_EQ(whole.Pixel(60, 10), Rgb(FormBlue));
        EXPECT_EQ(whole.Pixel(99, 29), Rgb(FormBlue));
        graphic->SetTransparent(false);
        form->PaintTo(whole.DC(), 0, 0);
        EXPECT_EQ(whole.Pixel(80, 20), Rgb(ControlRed));
    }
}

TEST_F(SkControlTest, BlendingMixesTheControlOverItsParentAtValue)
{
    for (TSkPerformance mode : {kspSharedBuffer, kspDoubleBuffer}) {
        SCOPED_TRACE(mode);
        FormPtr form = NewForm();
        auto* windowed = Place<TSkCustomControl>(form.get(), 10, 10, 40, 20);
        windowed->SetPerformance(mode);
        windowed->Blending()->SetEnabled(true);
        auto dib = Render(windowed);
        EXPECT_TRUE(Near(dib->Pixel(20, 10), BlendedAt150)) << std::hex << dib->Pixel(20, 10);
        windowed->Blending()->SetValue(255);
        dib = Render(windowed);
        EXPECT_EQ(dib->Pixel(20, 10), Rgb(ControlRed));
        windowed->Blending()->SetValue(0);
        dib = Render(windowed);
        EXPECT_EQ(dib->Pixel(20, 10), Rgb(FormBlue));

        auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10, 40, 20);
        graphic->SetPerformance(mode);
        graphic->Blending()->SetEnabled(true);
        TestDib whole(120, 80);
        form->PaintTo(whole.DC(), 0, 0);
        EXPECT_TRUE(Near(whole.Pixel(80, 20), BlendedAt150)) << std::hex << whole.Pixel(80, 20);
        EXPECT_EQ(whole.Pixel(110, 20), Rgb(FormBlue));
    }
}

namespace {

// A form component that paints the form's background itself, the way the
// theme form component does.
class TBackgroundPainter : public TComponent, public ISkFormBackground {
public:
    using TComponent::TComponent;
    void EraseFormBackground(HDC dc) override
    {
        HBRUSH brush = CreateSolidBrush(ClientGreen);
        RECT all{0, 0, 1000, 1000};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
};

} // namespace

TEST_F(SkControlTest, UnbufferedControlsLetTheFormsBackgroundPainterErase)
{
    FormPtr form = NewForm();
    new TBackgroundPainter(form.get());
    auto* control = Place<TSkCustomControl>(form.get(), 10, 10, 40, 20);
    control->SetTransparent(true);
    auto dib = Render(control);
    EXPECT_EQ(dib->Pixel(20, 10), Rgb(ClientGreen));
}

TEST_F(SkControlTest, BlendingShowsWindowlessSiblingsUnderneath)
{
    FormPtr form = NewForm();
    auto* below = Place<TSkGraphicControl>(form.get(), 0, 0, 30, 30);
    below->SetColor(static_cast<TColor>(ClientGreen));
    auto* control = Place<TSkCustomControl>(form.get(), 20, 10, 40, 20);
    control->Blending()->SetEnabled(true);
    control->Blending()->SetValue(0);
    auto dib = Render(control);
    EXPECT_EQ(dib->Pixel(5, 5), Rgb(ClientGreen));  // over the sibling
    EXPECT_EQ(dib->Pixel(20, 5), Rgb(FormBlue));    // past it
}

TEST_F(SkControlTest, AControlWithoutAreaPaintsNothing)
{
    for (TSkPerformance mode : AllModes) {
        SCOPED_TRACE(mode);
        FormPtr form = NewForm();
        auto* windowed = Place<TSkCustomControl>(form.get(), 10, 10, 0, 20);
        windowed->SetPerformance(mode);
        windowed->HandleNeeded();
        TestDib dib(40, 40);
        dib.Fill(RGB(1, 2, 3));
        windowed->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.DC()));
        windowed->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dib.DC()));
        auto* graphic = Place<TSkGraphicControl>(form.get(), 10, 10, 30, 0);
        graphic->SetPerformance(mode);
        graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dib.DC()));
        for (int y = 0; y < 40; y += 2)
            for (int x = 0; x < 40; x += 2)
                ASSERT_EQ(dib.Pixel(x, y), Untouched) << x << "," << y;
    }
}

TEST_F(SkControlTest, RealWindowsShowTheBufferedPaint)
{
    FormPtr form = NewForm();
    auto* windowed = Place<TGreenClient>(form.get(), 10, 10, 40, 20);
    windowed->SetPerformance(kspSharedBuffer);
    windowed->SetUseVisualStyles(false);
    windowed->SetBorderWidth(2);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10, 40, 20);
    graphic->SetPerformance(kspDoubleBuffer);
    graphic->Blending()->SetEnabled(true);
    form->Show();
    UpdateWindow(form->Handle());
    PumpFor(20);
    EXPECT_EQ(ScreenPixel(form.get(), 5, 5), Rgb(FormBlue));
    EXPECT_EQ(ScreenPixel(form.get(), 11, 11), Rgb(ControlRed));
    EXPECT_EQ(ScreenPixel(form.get(), 30, 20), Rgb(ClientGreen));
    EXPECT_TRUE(Near(ScreenPixel(form.get(), 80, 20), BlendedAt150));
}

TEST_F(SkControlTest, TheSharedBufferMakesNoGdiObjectsPerPaint)
{
    FormPtr form = NewForm();
    auto* windowed = Place<TGreenClient>(form.get(), 10, 10, 40, 20);
    windowed->SetPerformance(kspSharedBuffer);
    windowed->SetTransparent(true);
    windowed->SetBevelWidth(1);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10, 40, 20);
    graphic->SetPerformance(kspSharedBuffer);
    form->Show();
    UpdateWindow(form->Handle());
    windowed->Repaint();  // the shared buffer is sized by the first paint
    graphic->Repaint();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        windowed->Repaint();
        graphic->Repaint();
    }
    EXPECT_EQ(GdiObjectCount(), before);
    ASSERT_NE(SharedBuffer(), nullptr);
    EXPECT_EQ(SharedBuffer()->Width(), SharedBufferSize().cx);
}

TEST_F(SkControlTest, MouseAndFocusAreTracked)
{
    FormPtr form = NewForm();
    auto* control = Place<TSkCustomControl>(form.get(), 10, 10, 40, 20);
    int entered = 0, left = 0;
    control->OnMouseEnter = [&](TObject*) { ++entered; };
    control->OnMouseLeave = [&](TObject*) { ++left; };
    control->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(control->MouseInControl());
    control->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(control->MouseInControl());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    control->Perform(CM_ENTER);
    EXPECT_TRUE(control->HasFocus());
    control->Perform(CM_EXIT);
    EXPECT_FALSE(control->HasFocus());

    auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10, 40, 20);
    graphic->OnMouseEnter = [&](TObject*) { ++entered; };
    graphic->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(graphic->MouseInControl());
    EXPECT_EQ(entered, 2);
}

TEST_F(SkControlTest, ChildScrollBarsSitInsideTheBorderAndShrinkTheClientRect)
{
    SetSkScrollBarFactory([](TSkCustomControl* host, TScrollBarKind) -> TWinControl* {
        return new TCustomControl(host);
    });
    FormPtr form = NewForm(200, 150);
    auto* control = Place<TGreenClient>(form.get(), 0, 0, 100, 60);
    control->SetScrollBars(kssBoth);
    control->SetBorderWidth(2);
    control->SetUseVisualStyles(false);
    auto* child = new TCustomControl(form.get());
    child->SetParent(control);
    child->SetAlign(alClient);
    control->HandleNeeded();
    SetSkScrollBarFactory(nullptr);

    const int size = GetSystemMetrics(SM_CYVTHUMB);
    ASSERT_NE(control->HorzScrollBar(), nullptr);
    ASSERT_NE(control->VertScrollBar(), nullptr);
    EXPECT_EQ(control->HorzScrollBar()->Parent(), control);
    RECT h = control->HorzScrollBar()->BoundsRect();
    EXPECT_EQ(h.left, 2);
    EXPECT_EQ(h.bottom, 58);
    EXPECT_EQ(h.right, 98 - size);
    EXPECT_EQ(h.top, 58 - size);
    RECT v = control->VertScrollBar()->BoundsRect();
    EXPECT_EQ(v.left, 98 - size);
    EXPECT_EQ(v.top, 2);
    EXPECT_EQ(v.bottom, 58 - size);

    // Growing the control moves the bars along.
    control->SetBounds(0, 0, 150, 80);
    EXPECT_EQ(control->VertScrollBar()->Left(), 148 - size);
    EXPECT_EQ(control->HorzScrollBar()->Top(), 78 - size);
    EXPECT_EQ(child->BoundsRect().right, 148 - size);
    EXPECT_EQ(child->BoundsRect().bottom, 78 - size);
    EXPECT_EQ(child->Left(), 2);
    // Also when the window is sized behind the framework's back.
    SetWindowPos(control->Handle(), nullptr, 0, 0, 120, 70, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(control->VertScrollBar()->Left(), 118 - size);
    EXPECT_EQ(control->HorzScrollBar()->Width(), 116 - size);
    SetWindowPos(control->Handle(), nullptr, 0, 0, 150, 80, SWP_NOZORDER | SWP_NOMOVE);

    // The bars' scrolls reach the host as its own scroll messages.
    control->ScrollBarScrolled(sbVertical, SB_PAGEDOWN, 40);
    control->ScrollBarScrolled(sbHorizontal, 9, 7);
    ASSERT_EQ(control->scrolls.size(), 2u);
    EXPECT_EQ(control->scrolls[0].Msg, UINT(WM_VSCROLL));
    EXPECT_EQ(control->scrolls[0].WParam, MAKEWPARAM(SB_PAGEDOWN, 40));
    EXPECT_EQ(control->scrolls[1].Msg, UINT(WM_HSCROLL));
    EXPECT_EQ(control->scrolls[1].WParam, MAKEWPARAM(0, 7));

    // The corner between the bars takes the control's colour (without the
    // system's visual styles, which Wine has on).
    auto dib = Render(control);
    EXPECT_EQ(dib->Pixel(145, 75), Rgb(ControlRed));
}

namespace {

// What the description in the test below sets, the version left as it is.
template <typename TControl>
void ExpectReadOptions(const TControl* control)
{
    EXPECT_EQ(control->Performance(), kspSharedBuffer);
    EXPECT_TRUE(control->Transparent());
    EXPECT_TRUE(control->Blending()->Enabled());
    EXPECT_EQ(control->Blending()->Value(), 90);
    EXPECT_EQ(control->Version(), "3.3.0");
}

} // namespace

TEST_F(SkControlTest, OptionsAreReadAndWrittenWithTheDescription)
{
    // Both bases publish the same options, in the same order.
    for (const char* className : {"TSkCustomControl", "TSkGraphicControl"}) {
        SCOPED_TRACE(className);
        const std::string text = std::string("object Form1: TForm\n"
                                             "  object Box: ") +
                                 className +
                                 "\n"
                                 "    Performance = kspSharedBuffer\n"
                                 "    Transparent = True\n"
                                 "    Blending.Enabled = True\n"
                                 "    Blending.Value = 90\n"
                                 "    Version = '1.0'\n"
                                 "  end\n"
                                 "end\n";
        TComponent* root = ReadComponentText(text);
        TComponent* box = root->FindComponent("Box");
        if (auto* windowed = dynamic_cast<TSkCustomControl*>(box))
            ExpectReadOptions(windowed);
        else if (auto* graphic = dynamic_cast<TSkGraphicControl*>(box))
            ExpectReadOptions(graphic);
        else
            ADD_FAILURE() << "no Box of " << className;
        const std::string written = WriteComponentText(root);
        const size_t blendingAt = written.find("Blending.Value = 90");
        const size_t performanceAt = written.find("Performance = kspSharedBuffer");
        const size_t transparentAt = written.find("Transparent = True");
        EXPECT_NE(blendingAt, std::string::npos) << written;
        EXPECT_LT(blendingAt, performanceAt) << written;
        EXPECT_LT(performanceAt, transparentAt) << written;
        EXPECT_NE(transparentAt, std::string::npos) << written;
        EXPECT_EQ(written.find("Version"), std::string::npos);
        root->Free();
    }
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

// What a paint must leave in a device context as it found it.
struct TDCSnapshot {
    HGDIOBJ pen, brush, font, bitmap;
    int savedLevels;
    POINT origin;
    RECT clip;
};

TDCSnapshot Snapshot(HDC dc)
{
    TDCSnapshot s{GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                  GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP),
                  SaveDC(dc) - 1, POINT{}, RECT{}};
    RestoreDC(dc, -1);
    GetViewportOrgEx(dc, &s.origin);
    GetClipBox(dc, &s.clip);
    return s;
}

void ExpectSameState(const TDCSnapshot& before, const TDCSnapshot& after)
{
    EXPECT_EQ(after.pen, before.pen);
    EXPECT_EQ(after.brush, before.brush);
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(after.bitmap, before.bitmap);
    EXPECT_EQ(after.savedLevels, before.savedLevels);
    EXPECT_EQ(after.origin.x, before.origin.x);
    EXPECT_EQ(after.origin.y, before.origin.y);
    EXPECT_TRUE(EqualRect(&after.clip, &before.clip));
}

} // namespace

TEST_F(SkControlTest, APaintThatThrowsLeavesEveryContextAsItWas)
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
            const TDCSnapshot target = Snapshot(dib.DC());
            const TDCSnapshot shared = Snapshot(SharedBuffer()->DC());
            const DWORD objects = GdiObjectCount();

            EXPECT_THROW(control->Perform(message, reinterpret_cast<WPARAM>(dib.DC())),
                         std::runtime_error);
            ExpectSameState(target, Snapshot(dib.DC()));
            ExpectSameState(shared, Snapshot(SharedBuffer()->DC()));
            EXPECT_EQ(GdiObjectCount(), objects);
            EXPECT_FALSE(control->Canvas()->HandleAllocated());
            EXPECT_EQ(control->Canvas()->LockCount(), 0);
        }
    }
}
