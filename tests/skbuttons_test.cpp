// The themed push button over real windows: glyph strips and their cells,
// the plain face and the pressed offset read back as pixels, mouse and
// keyboard presses, the default button, the theme's face and a stylist
// that goes before the button.
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "styling/controls/themebuttons.h"
#include "styling/core/sksystem.h"
#include "tests/support/skcontroltest.h"
#include "tools/kindglyphs/kindglyphs.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

class SkButtonTest : public SkFormTest {};

// A strip of cells x 16, cell i in colours[i], its bottom-left pixel in key.
std::unique_ptr<TBitmap> Strip(int cells, std::vector<COLORREF> colours, COLORREF key)
{
    auto strip = std::make_unique<TBitmap>(cells * 16, 16);
    for (int i = 0; i < cells; ++i)
        FillRectColor(strip->Canvas(), TRect{i * 16, 0, i * 16 + 16, 16}, static_cast<TColor>(colours[i]));
    strip->Canvas()->SetPixels(0, 15, static_cast<TColor>(key));
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
    EXPECT_EQ(std::pair(button->Default(), button->ModalResult()), std::pair(false, int(mrNo)));

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
    auto* button = BlueButton(form.get(), 0, 0, 40, 30);
    const uint32_t face = 0x0000FF;
    // The glyph alone sits centred: cell at (12, 7).
    auto at = [](const TestDib& dib, int x, int y) { return dib.Pixel(12 + x, 7 + y); };

    // The key is the bottom-left pixel, whatever its colour.
    button->SetGlyph(Strip(1, {RGB(0, 255, 0)}, RGB(0, 255, 0)).get());
    button->Glyph()->Canvas()->SetPixels(7, 7, static_cast<TColor>(RGB(255, 0, 255)));
    auto dib = Render(button);
    EXPECT_EQ(at(*dib, 2, 2), face);
    EXPECT_EQ(at(*dib, 7, 7), 0xFF00FFu);

    // A magenta key with a single cell, disabled: light greys only.
    button->SetGlyph(Strip(1, {RGB(200, 30, 30)}, RGB(255, 0, 255)).get());
    TCanvas* c = button->Glyph()->Canvas();
    c->SetPixels(1, 1, clBlack);
    c->SetPixels(2, 1, clWhite);
    c->SetPixels(7, 7, static_cast<TColor>(RGB(255, 0, 255)));
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

namespace {

const uint32_t Blue = 0x0000FF, Green = 0x008000, Red = 0xC80000;
const uint32_t Light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)), Shadow = Rgb(GetSysColor(COLOR_BTNSHADOW));

// Caption in green and a red glyph, on a blue face.
TSkCustomButton* CaptionAndGlyph(TForm* form)
{
    auto* button = BlueButton(form, 10, 10, 75, 25);
    button->SetCaption("Wczytaj");
    button->Font()->SetColor(static_cast<TColor>(RGB(0, 128, 0)));
    button->SetGlyph(Strip(1, {RGB(200, 0, 0)}, RGB(255, 0, 255)).get());
    return button;
}

} // namespace

TEST_F(SkButtonTest, ThePlainFaceShowsFocusPressAndMovesItsContentWhenPressed)
{
    auto* button = CaptionAndGlyph(form.get());
    auto* other = BlueButton(form.get(), 100, 10);
    ShowAndWait(form.get());
    other->SetFocus();

    // Corner, far corner and the pixel inside the corner in each look; the
    // content moves one pixel right and down when pressed.
    const RECT caption = BoundsOf(*Render(button), Green), glyph = BoundsOf(*Render(button), Red);
    EXPECT_EQ(glyph.right - glyph.left, 16);
    EXPECT_GT(caption.left, glyph.right);
    const struct {
        const char* what;
        std::function<void()> make;
        uint32_t corner, farCorner, inside;
        int moved;
    } looks[] = {
        {"normal", [] {}, Light, 0, Blue, 0},
        {"pressed", [&] { button->SetState(kbsPressed); }, Shadow, Shadow, Blue, 1},
        {"focused", [&] { button->SetState(kbsNormal), button->SetFocus(); }, 0, 0, Light, 0},
    };
    for (const auto& look : looks) {
        look.make();
        auto dib = Render(button);
        EXPECT_EQ(std::tuple(dib->Pixel(0, 0), dib->Pixel(74, 24), dib->Pixel(1, 1)),
                  std::tuple(look.corner, look.farCorner, look.inside)) << look.what;
        const RECT c = BoundsOf(*dib, Green), g = BoundsOf(*dib, Red);
        EXPECT_EQ(std::tuple(c.left, c.top, g.left, g.top),
                  std::tuple(caption.left + look.moved, caption.top + look.moved, glyph.left + look.moved,
                             glyph.top + look.moved)) << look.what;
    }
    // The dotted focus rectangle 4 in: the system's, inverting every other pixel.
    auto dib = Render(button);
    int dots = 0;
    for (int x = 4; x < 71; ++x)
        dots += dib->Pixel(x, 4) != Blue;
    EXPECT_TRUE(dots > 20 && dots < 50) << dots;

    // Disabled: the caption engraved, light under shadow.
    button->SetEnabled(false);
    dib = Render(button);
    EXPECT_EQ(BoundsOf(*dib, Green).right, 0);
    const RECT engraved = BoundsOf(*dib, Shadow);
    EXPECT_GT(engraved.right - engraved.left, 20);
    EXPECT_FALSE(IsWindowEnabled(button->Handle()));
}

TEST_F(SkButtonTest, OnlyAReleaseOverTheButtonClicksAndDraggingBackShowsItPressed)
{
    auto* button = BlueButton(form.get());
    button->SetModalResult(mrRetry);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ShowAndWait(form.get());
    // Each step, the state it leaves and the clicks so far. Inside means
    // 0 <= y <= the height; the release counts only within the bounds.
    const struct {
        UINT msg;
        int x, y;
        TSkButtonState state;
        int clicks;
    } steps[] = {
        {WM_LBUTTONDOWN, 10, 10, kbsPressed, 0}, {WM_MOUSEMOVE, -3, 10, kbsNormal, 0},
        {WM_MOUSEMOVE, 74, 25, kbsPressed, 0},   {WM_MOUSEMOVE, 75, 10, kbsNormal, 0},
        {WM_LBUTTONUP, 75, 10, kbsNormal, 0},    {WM_MOUSEMOVE, 10, 10, kbsNormal, 0},  // no longer tracking
        {WM_LBUTTONDOWN, 10, 10, kbsPressed, 0}, {WM_LBUTTONUP, 74, 24, kbsNormal, 1},
    };
    for (const auto& step : steps) {
        SendMouse(button, step.msg, step.x, step.y);
        EXPECT_EQ(std::pair(button->State(), clicks), std::pair(step.state, step.clicks))
            << step.msg << " at " << step.x << "," << step.y;
    }
    EXPECT_EQ(GetFocus(), button->Handle());
    EXPECT_EQ(form->ModalResult(), mrRetry);

    // Space presses; its release clicks, Alt held or not.
    SendSpace(button, kpDown);
    EXPECT_EQ(button->State(), kbsPressed);
    SendSpace(button, kpUp);
    SendSpace(button, kpDown, true);
    EXPECT_EQ(button->State(), kbsNormal);
    SendSpace(button, kpUp, true);
    EXPECT_EQ(clicks, 3);
}

TEST_F(SkButtonTest, ReturnClicksTheDefaultButtonUnlessAnotherButtonHasTheFocus)
{
    form->SetBounds(40, 40, 300, 120);
    auto* edit = AddControl<TEdit>(form.get(), 10, 10, 80, 21);
    auto* ok = BlueButton(form.get(), 10, 40);
    auto* other = BlueButton(form.get(), 100, 40);
    auto* plain = AddControl<TButton>(form.get(), 190, 40, 75, 25);
    ok->SetDefault(true);
    std::vector<std::string> clicks;
    ok->OnClick = [&](TObject*) { clicks.push_back("ok"); };
    other->OnClick = [&](TObject*) { clicks.push_back("other"); };
    plain->OnClick = [&](TObject*) { clicks.push_back("plain"); };
    ShowAndWait(form.get());
    edit->SetFocus();
    EXPECT_TRUE(ok->ActiveDefault());
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, std::vector<std::string>{"ok"});
    // A default button shows it: the black ring.
    EXPECT_EQ(Render(ok)->Pixel(0, 0), 0u);

    for (TWinControl* focused : {static_cast<TWinControl*>(other), static_cast<TWinControl*>(plain)}) {
        clicks.clear();
        focused->SetFocus();
        EXPECT_FALSE(ok->ActiveDefault());
        PressKey(VK_RETURN);
        EXPECT_EQ(clicks, std::vector<std::string>{focused == other ? "other" : "plain"});
    }
    edit->SetFocus();
    EXPECT_TRUE(ok->ActiveDefault());
    ok->SetDefault(false);  // told at once, through the form
    EXPECT_FALSE(ok->ActiveDefault());

    other->SetCancel(true);
    clicks.clear();
    PressKey(VK_ESCAPE);
    PressKey(VK_RETURN);  // no default now
    other->SetCaption("&Dalej");
    PressKey('D', false, true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"other", "other"}));
    EXPECT_EQ(GetFocus(), other->Handle());

    // The framework's default button steps back for the library's too.
    plain->SetDefault(true);
    EXPECT_FALSE(plain->ActiveDefault());
    clicks.clear();
    PressKey(VK_RETURN);
    edit->SetFocus();
    EXPECT_TRUE(plain->ActiveDefault());
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"other", "plain"}));
}

TEST_F(SkButtonTest, TheThemePaintsTheFaceInTheButtonsStateUntilItsStylistGoes)
{
    FormPtr main = NewForm();
    auto* stylist = new TSkStylist(main.get());
    auto* theme = new TRecordingTheme;
    stylist->SetTheme(theme);
    FormPtr editor = NewForm();
    auto* edit = AddControl<TEdit>(editor.get(), 100, 10, 80, 21);
    auto* button = AddControl<TSkThemeButton>(editor.get(), 10, 10, 75, 25);
    button->SetStylist(stylist);
    ShowAndWait(editor.get());
    edit->SetFocus();

    const struct {
        const char* what;
        std::function<void()> make;
        uint8_t state;
    } states[] = {
        {"normal", [] {}, kesNormal},
        {"default", [&] { button->SetDefault(true); }, kesDefault},
        {"focused", [&] { button->SetFocus(); }, kesFocused},
        {"hot", [&] { button->Perform(CM_MOUSEENTER); }, kesHot},
        {"pressed", [&] { button->SetState(kbsPressed); }, kesPressed},
        {"disabled", [&] { button->SetEnabled(false); }, kesDisabled},
    };
    for (const auto& s : states) {
        s.make();
        theme->calls.clear();
        auto dib = Render(button);
        ASSERT_FALSE(theme->calls.empty());
        for (const std::string& call : theme->calls)
            EXPECT_EQ(call, "button 75x25 " + std::to_string(s.state)) << s.what;
        EXPECT_EQ(dib->Pixel(2, 2), Rgb(TRecordingTheme::StateColour(s.state))) << s.what;
    }

    // The stylist's form goes first: the button forgets it and paints its
    // own face; the other way round the stylist must not call back.
    main.reset();
    EXPECT_EQ(button->Stylist(), nullptr);
    EXPECT_NE(Render(button)->Pixel(2, 2), Rgb(TRecordingTheme::StateColour(kesDisabled)));
    FormPtr again = NewForm();
    auto* second = new TSkStylist(again.get());
    button->SetStylist(second);
    editor.reset();
    again.reset();
}

namespace {

// Fills its client once, then draws nothing.
class TOnceFilled : public TSkCustomControl {
public:
    using TSkCustomControl::TSkCustomControl;
    bool filled = false;

protected:
    void PaintClient() override
    {
        if (!std::exchange(filled, true))
            FillRectColor(Canvas(), TRect{0, 0, Width(), Height()}, clRed);
    }
};

} // namespace

// (The benchmark counts the objects 10,000 paints of each control leave.)
TEST_F(SkButtonTest, AKeptPaintBufferStartsEachPaintCleared)
{
    auto* once = AddControl<TOnceFilled>(form.get(), 0, 0, 30, 20);
    once->SetPerformance(kspDoubleBuffer);
    TestDib dib(30, 20);
    once->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dib.DC()));
    EXPECT_EQ(dib.Pixel(5, 5), 0xFF0000u);
    once->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dib.DC()));
    EXPECT_EQ(dib.Pixel(5, 5), Rgb(SkColorToColor(SkTransparentColor)));  // not the last paint's red
}
