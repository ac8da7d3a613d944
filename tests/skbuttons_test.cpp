// The themed push button over real windows: glyph strips and their cells,
// the plain face and the pressed offset read back as pixels, mouse and
// keyboard presses, the default button, the theme's face and a stylist
// that goes before the button.
#include "framework/controls/edit.h"
#include "styling/controls/themebuttons.h"
#include "styling/core/sksystem.h"
#include "tests/support/skcontroltest.h"
#include "tools/kindglyphs/kindglyphs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SkButtonTest : public SkControlsTest {};

// A strip of cells x 16: cell i filled with colours[i], a 4 x 4 square of
// magenta in each cell's middle, the bottom-left pixel in key.
std::unique_ptr<TBitmap> Strip(int cells, std::vector<COLORREF> colours, COLORREF key)
{
    auto strip = std::make_unique<TBitmap>(cells * 16, 16);
    TCanvas* c = strip->Canvas();
    for (int i = 0; i < cells; ++i) {
        FillRectColor(c, TRect{i * 16, 0, i * 16 + 16, 16}, static_cast<TColor>(colours[i % colours.size()]));
        FillRectColor(c, TRect{i * 16 + 6, 6, i * 16 + 10, 10}, static_cast<TColor>(RGB(255, 0, 255)));
    }
    c->SetPixels(0, 15, static_cast<TColor>(key));
    return strip;
}

TSkCustomButton* BlueButton(TForm* form, int left = 10, int top = 10, int width = 75, int height = 25)
{
    auto* button = AddControl<TSkCustomButton>(form, left, top, width, height);
    button->SetColor(static_cast<TColor>(RGB(0, 0, 255)));
    button->SetUseVisualStyles(false);
    return button;
}

} // namespace

TEST_F(SkButtonTest, GlyphStripsCountTheirCellsAndKindsBringTheirOwn)
{
    FormPtr form = NewForm();
    auto* button = BlueButton(form.get());
    const struct {
        int width, expected;
    } strips[] = {{64, 4}, {96, 1}, {30, 1}, {48, 3}, {32, 2}, {30, 2}};  // 30 x 16 keeps what was
    for (const auto& s : strips) {
        TBitmap strip(s.width, 16);
        button->SetGlyph(&strip);
        EXPECT_EQ(button->NumGlyphs(), s.expected) << s.width;
    }

    button->SetCaption("Zapisz");
    button->SetKind(bkOK);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(std::pair(button->Glyph()->Width(), button->Glyph()->Height()), std::pair(32, 16));
    EXPECT_EQ(button->Caption(), "Zapisz");
    button->SetKind(bkNo);
    EXPECT_FALSE(button->Default());
    EXPECT_EQ(button->ModalResult(), mrNo);

    // The program's strips are the generator's, pixel for pixel, on a
    // magenta bottom-left pixel.
    const std::vector<TKindGlyph> drawn = DrawKindGlyphs();
    ASSERT_EQ(drawn.size(), 10u);
    for (int kind = bkOK; kind <= bkAll; ++kind) {
        TBitmap* strip = SkButtonKindGlyph(static_cast<TBitBtnKind>(kind));
        ASSERT_NE(strip, nullptr) << kind;
        EXPECT_EQ(strip, SkButtonKindGlyph(static_cast<TBitBtnKind>(kind)));  // loaded once
        ASSERT_EQ(std::pair(strip->Width(), strip->Height()), std::pair(32, 16));
        EXPECT_EQ(Rgb(strip->Canvas()->Pixels(0, 15)), KindGlyphKey);
        int differing = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x)
                differing += Rgb(strip->Canvas()->Pixels(x, y)) != drawn[kind - 1].pixels[y * 32 + x];
        EXPECT_EQ(differing, 0) << drawn[kind - 1].resourceName << ": run `make kind-glyphs`";
    }
}

TEST_F(SkButtonTest, GlyphCellsFollowTheKeyColourTheStateAndEnabled)
{
    FormPtr form = NewForm();
    auto* button = BlueButton(form.get(), 0, 0, 40, 30);
    const uint32_t face = 0x0000FF;
    // The glyph alone sits centred: cell at (12, 7).
    auto at = [](const TestDib& dib, int x, int y) { return dib.Pixel(12 + x, 7 + y); };

    // A green key: green pixels stay out, magenta ones are drawn.
    button->SetGlyph(Strip(1, {RGB(0, 255, 0)}, RGB(0, 255, 0)).get());
    auto dib = Render(button);
    EXPECT_EQ(at(*dib, 2, 2), face);
    EXPECT_EQ(at(*dib, 7, 7), 0xFF00FFu);

    // A magenta key with a single cell, disabled: light greys only.
    button->SetGlyph(Strip(1, {RGB(200, 30, 30)}, RGB(255, 0, 255)).get());
    TCanvas* c = button->Glyph()->Canvas();
    c->SetPixels(1, 1, clBlack);
    c->SetPixels(2, 1, clWhite);
    button->SetEnabled(false);
    dib = Render(button);
    EXPECT_EQ(at(*dib, 7, 7), face);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t p = at(*dib, x, y);
            if (p == face)
                continue;
            const int g = p & 0xFF;
            EXPECT_EQ(p, uint32_t(g * 0x010101)) << x << "," << y;
            EXPECT_TRUE(g >= 160 && g <= 210) << x << "," << y << ": " << g;
        }
    EXPECT_EQ(at(*dib, 1, 1), 0xA0A0A0u);  // black is lightness 0
    EXPECT_EQ(at(*dib, 2, 1), 0xD2D2D2u);  // white is lightness 1

    // Two or more cells: disabled shows the second; pressed with three or
    // more shows the third (fourth when disabled too).
    button->SetGlyph(Strip(4, {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)}, RGB(255, 0, 255)).get());
    EXPECT_EQ(button->NumGlyphs(), 4);
    EXPECT_EQ(at(*Render(button), 2, 2), 0x140000u);
    button->SetEnabled(true);
    EXPECT_EQ(at(*Render(button), 2, 2), 0x0A0000u);
    button->SetState(kbsPressed);
    EXPECT_EQ(at(*Render(button), 3, 3), 0x1E0000u);
}
