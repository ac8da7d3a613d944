// The label over real windows: automatic size, vertical layout, engraved
// disabled text, the ampersand, and the accelerator that moves the focus.
#include "framework/controls/edit.h"
#include "framework/graphics/bitmap.h"
#include "styling/controls/sklabel.h"
#include "styling/core/sktext.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

namespace {

class SkLabelTest : public SkFormTest {};

const uint32_t Green = 0x008000;

TSkCustomLabel* GreenLabel(TForm* form, const char* caption, int left = 10, int top = 10)
{
    auto* label = AddControl<TSkCustomLabel>(form, left, top, 65, 17);
    label->Font()->SetColor(static_cast<TColor>(RGB(0, 128, 0)));
    label->SetCaption(caption);
    return label;
}

// The size text takes in the label's font.
SIZE Measure(TSkCustomLabel* label, const std::wstring& text)
{
    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(label->Font());
    return SIZE{TextWidthWide(scratch.Canvas(), text, 0), TextHeightWide(scratch.Canvas(), text)};
}

} // namespace

TEST_F(SkLabelTest, TheSizeFollowsTheTextAndRightAlignedTextGrowsToTheLeft)
{
    auto* label = GreenLabel(form.get(), "", 100, 10);
    const SIZE space = Measure(label, L" ");
    EXPECT_EQ(std::pair(label->Width(), label->Height()), std::pair(int(space.cx), int(space.cy)));

    label->SetCaption("Wybierz");
    const SIZE word = Measure(label, L"Wybierz");
    EXPECT_EQ(std::pair(label->Left(), label->Width()), std::pair(100, int(word.cx)));
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Wybierz plik obrazu:");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), 100);
    label->Font()->SetHeight(-20);  // a font change measures again
    EXPECT_EQ(label->Height(), Measure(label, L"W").cy);
    EXPECT_EQ(label->Left() + label->Width(), right);

    label->SetAutoSize(false);
    label->SetCaption("x");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_GT(label->Width(), Measure(label, L"x").cx);
}

TEST_F(SkLabelTest, CentredLayoutCentresTheWrappedBlockAndDisabledTextIsEngraved)
{
    form->SetColor(static_cast<TColor>(RGB(0, 0, 255)));
    auto* label = GreenLabel(form.get(), "jeden dwa trzy cztery");
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(10, 10, 50, 90);
    label->SetLayout(tlCenter);
    auto dib = Render(label);
    const RECT block = BoundsOf(*dib, Green);
    const int line = Measure(label, L"W").cy;
    EXPECT_GT(block.bottom - block.top, 2 * line);  // wrapped onto several lines
    EXPECT_LE(std::abs(block.top - (90 - block.bottom)), line / 2 + 1) << block.top << " " << block.bottom;
    label->SetLayout(tlBottom);
    EXPECT_GT(BoundsOf(*Render(label), Green).top, block.top);

    label->SetLayout(tlTop);
    label->SetEnabled(false);
    dib = Render(label);
    EXPECT_EQ(BoundsOf(*dib, Green).right, 0);
    const RECT light = BoundsOf(*dib, Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));
    const RECT dark = BoundsOf(*dib, Rgb(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(light.left, dark.left + 1);
    EXPECT_EQ(light.top, dark.top + 1);
    EXPECT_EQ(dib->Pixel(49, 89), 0x0000FFu);  // see-through
}

TEST_F(SkLabelTest, WithoutAcceleratorsTheAmpersandIsDrawnAndOtherwiseItFocuses)
{
    auto* plain = GreenLabel(form.get(), "Plik && obraz");
    auto* literal = GreenLabel(form.get(), "", 10, 40);
    literal->SetShowAccelChar(false);  // measured with the next caption
    literal->SetCaption("Plik & obraz");
    EXPECT_EQ(std::pair(literal->Width(), literal->Height()), std::pair(plain->Width(), plain->Height()));
    auto a = Render(plain), b = Render(literal);
    int differing = 0;
    for (int y = 0; y < a->Height(); ++y)
        for (int x = 0; x < a->Width(); ++x)
            differing += a->Pixel(x, y) != b->Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(BoundsOf(*b, Green).right, 0);

    auto* accel = GreenLabel(form.get(), "&Obraz", 10, 70);
    auto* edit = AddControl<TEdit>(form.get(), 100, 70, 80, 21);
    auto* other = AddControl<TEdit>(form.get(), 100, 100, 80, 21);
    accel->SetFocusControl(edit);
    ShowAndWait(form.get());
    other->SetFocus();
    PressKey('O', false, true);
    EXPECT_EQ(GetFocus(), edit->Handle());
    other->SetFocus();
    accel->SetShowAccelChar(false);
    PressKey('O', false, true);
    EXPECT_EQ(GetFocus(), other->Handle());
    edit->Free();
    EXPECT_EQ(accel->FocusControl(), nullptr);
}
