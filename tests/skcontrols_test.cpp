// The themed control bases over real windows: buffering modes, see-through
// painting and blending read back as pixels, bevels and border, the client
// area, the option rules, and the shared buffer's cost per paint.
#include "framework/forms/form.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/core/skgraphiccontrol.h"
#include "styling/core/skrects.h"
#include "styling/core/sksystem.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
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

// Red over blue at value of 255, give or take rounding.
bool RedOverBlue(uint32_t pixel, int value)
{
    return (pixel >> 8 & 0xFF) == 0 && std::abs(int(pixel >> 16) - value) <= 2 &&
           std::abs(int(pixel & 0xFF) - (255 - value)) <= 2;
}

class SkControlTest : public ::testing::Test {
protected:
    TSkControlsUnit unit;  // the shared buffer and the library's colours
};

} // namespace

TEST_F(SkControlTest, BorderBevelAndBufferOptionsFollowTheirRules)
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

TEST_F(SkControlTest, EveryModePaintsBorderBevelsAndClientAndNothingWithoutArea)
{
    const auto sys = [](int index) { return Rgb(GetSysColor(index)); };
    for (TSkPerformance mode : AllModes) {
        SCOPED_TRACE(mode);
        FormPtr form = BlueForm();
        auto* control = Place<TGreenClient>(form.get(), 10, 10);
        control->SetUseVisualStyles(false);
        control->SetPerformance(mode);
        control->SetBevelWidth(1);
        control->SetBorderWidth(1);
        auto dib = Render(control);
        // Outer and inner bevels, the border band, the client, and outside.
        const std::pair<POINT, uint32_t> points[] = {
            {{0, 0}, sys(COLOR_BTNSHADOW)}, {{39, 19}, sys(COLOR_BTNHIGHLIGHT)},
            {{1, 1}, sys(COLOR_3DDKSHADOW)}, {{38, 18}, sys(COLOR_BTNFACE)},
            {{2, 2}, Rgb(ControlRed)},      {{37, 17}, Rgb(ControlRed)},
            {{3, 3}, Rgb(ClientGreen)},     {{36, 16}, Rgb(ClientGreen)},
            {{41, 21}, 0x010203}};
        for (const auto& [at, color] : points)
            EXPECT_EQ(dib->Pixel(at.x, at.y), color) << at.x << "," << at.y;

        auto* empty = Place<TSkCustomControl>(form.get(), 10, 10, 0, 20);
        auto* flat = Place<TSkGraphicControl>(form.get(), 10, 10, 30, 0);
        empty->SetPerformance(mode);
        flat->SetPerformance(mode);
        empty->HandleNeeded();
        dib->Fill(RGB(1, 2, 3));
        const WPARAM into = reinterpret_cast<WPARAM>(dib->DC());
        empty->Perform(WM_ERASEBKGND, into);
        empty->Perform(WM_PAINT, into);
        flat->Perform(WM_PAINT, into);
        for (int i = 0; i < dib->Width() * dib->Height(); ++i)
            ASSERT_EQ(dib->Bits()[i] & 0xFFFFFF, 0x010203u) << i;
    }
}

TEST_F(SkControlTest, TransparencyAndBlendingShowTheParentInEveryMode)
{
    // -1: opaque; -2: transparent; else blending at that value.
    for (TSkPerformance mode : AllModes)
        for (int look : {-1, -2, 0, 150, 255})
            for (bool windowed : {true, false}) {
                SCOPED_TRACE(testing::Message() << mode << " " << look << " " << windowed);
                FormPtr form = BlueForm();
                auto setUp = [&](auto* control) {
                    control->SetPerformance(mode);
                    control->SetTransparent(look == -2);
                    control->Blending()->SetEnabled(look >= 0);
                    control->Blending()->SetValue(look);
                };
                if (windowed)
                    setUp(Place<TSkCustomControl>(form.get(), 10, 10));
                else
                    setUp(Place<TSkGraphicControl>(form.get(), 10, 10));
                TestDib whole(60, 40);
                form->PaintTo(whole.DC(), 0, 0);
                for (int x : {10, 30, 49, 55})  // the last past the control
                    EXPECT_TRUE(RedOverBlue(whole.Pixel(x, 20), x > 50 || look == -2 ? 0 : look < 0 ? 255 : look))
                        << x << ": " << std::hex << whole.Pixel(x, 20);
            }
}

namespace {

// A form component that paints the form's background itself, black, the
// way the theme form component does.
struct TBackgroundPainter : TComponent, ISkFormBackground {
    using TComponent::TComponent;
    void EraseFormBackground(HDC dc) override { PatBlt(dc, 0, 0, 1000, 1000, BLACKNESS); }
};

} // namespace

TEST_F(SkControlTest, UnderAControlLieItsWindowlessSiblingsOrTheFormsOwnBackground)
{
    FormPtr form = BlueForm();
    Place<TSkGraphicControl>(form.get(), 0, 0, 30, 30)->SetColor(static_cast<TColor>(ClientGreen));
    auto* blended = Place<TSkCustomControl>(form.get(), 20, 10);
    blended->Blending()->SetEnabled(true);
    blended->Blending()->SetValue(0);
    auto dib = Render(blended);
    EXPECT_EQ(dib->Pixel(5, 5), Rgb(ClientGreen));  // over the sibling
    EXPECT_EQ(dib->Pixel(20, 5), Rgb(FormBlue));    // past it
    new TBackgroundPainter(form.get());  // erases for an unbuffered control
    auto* clear = Place<TSkCustomControl>(form.get(), 70, 10);
    clear->SetTransparent(true);
    EXPECT_EQ(Render(clear)->Pixel(20, 10), 0u);
}

TEST_F(SkControlTest, RealWindowsShowTheBufferedPaintAndTheSharedBufferMakesNoObjects)
{
    FormPtr form = BlueForm();
    auto* windowed = Place<TGreenClient>(form.get(), 10, 10);
    windowed->SetPerformance(kspSharedBuffer);
    windowed->SetUseVisualStyles(false);
    windowed->SetBorderWidth(2);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10);
    graphic->SetPerformance(kspSharedBuffer);
    graphic->Blending()->SetEnabled(true);
    form->Show();
    UpdateWindow(form->Handle());
    PumpFor(20);
    HDC dc = GetDC(form->Handle());
    EXPECT_EQ(std::vector<COLORREF>({GetPixel(dc, 5, 5), GetPixel(dc, 11, 11), GetPixel(dc, 30, 20)}),
              std::vector<COLORREF>({FormBlue, ControlRed, ClientGreen}));
    EXPECT_TRUE(RedOverBlue(Rgb(GetPixel(dc, 80, 20)), TSkBlending::DefaultValue));
    ReleaseDC(form->Handle(), dc);
    ASSERT_EQ(SharedBuffer()->Width(), SharedBufferSize().cx);  // sized by the first paint
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        windowed->Repaint();
        graphic->Repaint();
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(SkControlTest, MouseAndFocusAreTracked)
{
    FormPtr form = BlueForm();
    auto* control = Place<TSkCustomControl>(form.get(), 10, 10);
    auto* graphic = Place<TSkGraphicControl>(form.get(), 60, 10);
    int entered = 0, left = 0;
    control->OnMouseEnter = graphic->OnMouseEnter = [&](TObject*) { ++entered; };
    control->OnMouseLeave = [&](TObject*) { ++left; };
    control->Perform(CM_MOUSEENTER);
    graphic->Perform(CM_MOUSEENTER);
    control->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(std::pair(entered, left), std::pair(2, 1));
    EXPECT_TRUE(graphic->MouseInControl() && !control->MouseInControl());
    control->Perform(CM_ENTER);
    EXPECT_TRUE(control->HasFocus());
    control->Perform(CM_EXIT);
    EXPECT_FALSE(control->HasFocus());
}

TEST_F(SkControlTest, ChildScrollBarsSitInsideTheBorderAndShrinkTheClientRect)
{
    SetSkScrollBarFactory([](TSkCustomControl* host, TScrollBarKind) -> TWinControl* {
        return new TCustomControl(host);
    });
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
    EXPECT_EQ(control->HorzScrollBar()->Parent(), control);
    // At every size, also when the window is sized behind the framework's back.
    const int bar = GetSystemMetrics(SM_CYVTHUMB);
    for (int w : {100, 125, 150}) {
        const int h = w - 40;
        if (w == 150)
            SetWindowPos(control->Handle(), nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE);
        else
            control->SetBounds(0, 0, w, h);
        EXPECT_TRUE(RectsEqual(control->HorzScrollBar()->BoundsRect(), {2, h - 2 - bar, w - 2 - bar, h - 2})) << w;
        EXPECT_TRUE(RectsEqual(control->VertScrollBar()->BoundsRect(), {w - 2 - bar, 2, w - 2, h - 2 - bar})) << w;
        if (w > 100) {  // the bars are made after the child was aligned
            EXPECT_TRUE(RectsEqual(child->BoundsRect(), {2, 2, w - 2 - bar, h - 2 - bar})) << w;
        }
    }
    // The bars' scrolls reach the host as its own scroll messages; the
    // corner between them takes the control's colour.
    control->ScrollBarScrolled(sbVertical, SB_PAGEDOWN, 40);
    control->ScrollBarScrolled(sbHorizontal, 9, 7);
    EXPECT_EQ(control->scrolls, (std::vector<std::pair<UINT, WPARAM>>{
                                    {WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 40)}, {WM_HSCROLL, MAKEWPARAM(0, 7)}}));
    EXPECT_EQ(Render(control)->Pixel(145, 105), Rgb(ControlRed));
}

TEST_F(SkControlTest, OptionsAreReadAndWrittenWithTheDescription)
{
    // Both bases publish the same options in the same order, and keep
    // their own version.
    const std::vector<std::string> options = {"Blending.Enabled = True", "Blending.Value = 90",
                                              "Performance = kspSharedBuffer", "Transparent = True"};
    for (const char* className : {"TSkCustomControl", "TSkGraphicControl"}) {
        std::string text = std::string("object Form1: TForm\n object Box: ") + className + "\n";
        for (const std::string& option : options)
            text += "  " + option + "\n";
        FormPtr form(static_cast<TForm*>(ReadComponentText(text + "  Version = '1.0'\n end\nend\n")));
        EXPECT_EQ(dynamic_cast<TSkVersioned*>(form->FindComponent("Box"))->Version(), "3.3.0");
        const std::string written = WriteComponentText(form.get());
        std::vector<size_t> at;
        for (const std::string& option : options)
            at.push_back(written.find(option));
        EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.back() != std::string::npos) << written;
        EXPECT_EQ(written.find("Version"), std::string::npos);
    }
}
