// The theme interface: the plain "No Theme" look, the shared colour rule,
// the colour-shift setters, right-to-left text flags, and the registry of
// looks that stored names are matched against.
#include "framework/graphics/canvas.h"
#include "framework/base/sysutils.h"
#include "styling/core/themeregistry.h"
#include "styling/core/themethemes.h"
#include "tests/support/testthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Sets the Middle-East flag of the system locale for one scope.
class MiddleEastLocale {
public:
    explicit MiddleEastLocale(bool on) : saved_(SysLocale().MiddleEast) { SysLocale().MiddleEast = on; }
    ~MiddleEastLocale() { SysLocale().MiddleEast = saved_; }

private:
    bool saved_;
};

const unsigned SingleLine = DT_VCENTER | DT_SINGLELINE;  // 36

} // namespace

TEST(PlainTheme, AnswersAsTheLookThatIsNotThere)
{
    TSkTheme theme;
    EXPECT_EQ(theme.GetName(), "No Theme");
    EXPECT_EQ(TSkTheme::ClassThemeName(), "No Theme");
    EXPECT_FALSE(theme.IsAvailable());
    EXPECT_TRUE(theme.HasCaptionShadow());
    EXPECT_EQ(theme.GetFormRegion(200, 100, kbsStandard), nullptr);
    EXPECT_EQ(theme.GetSize(ksCaptionHeight), 0);
    EXPECT_EQ(theme.GetFontName(kfCaption), "");
    EXPECT_EQ(theme.BiDiMode(), bdLeftToRight);
    EXPECT_EQ(theme.DeltaHue(), 0);
    EXPECT_EQ(theme.DeltaBrightness(), 0);
}

TEST(PlainTheme, DrawingOperationsLeaveTheCanvasUntouched)
{
    TSkTheme theme;
    TestDib dib(60, 40);
    dib.Fill(RGB(1, 2, 3));
    TCanvas canvas;
    canvas.SetHandle(dib.DC());
    const TRect r{0, 0, 60, 40};
    theme.DrawButton(&canvas, 60, 40, kesPressed);
    theme.DrawFormFrame(&canvas, 60, 40, TRect{4, 20, 56, 36}, true, kbsStandard);
    theme.DrawFormButton(&canvas, r, kfbClose, true, false, true, kbsStandard);
    theme.DrawCheckBox(&canvas, r, kesHot, 1);
    theme.DrawRadioButton(&canvas, r, kesNormal, true);
    theme.DrawProgressFrame(&canvas, r);
    theme.DrawProgressBar(&canvas, r, TRect{0, 0, 30, 40}, false, true);
    theme.DrawEditFrame(&canvas, r, kesDisabled);
    theme.DrawScrollTrack(&canvas, r, sbVertical);
    theme.DrawScrollButton(&canvas, r, sbHorizontal, true, kesNormal);
    theme.DrawScrollThumb(&canvas, r, sbVertical, kesPressed);
    theme.DrawMenuBarBackground(&canvas, 60, 40);
    theme.DrawPopupBackground(&canvas, 60, 40);
    theme.DrawMemoFrame(&canvas, r, true);
    canvas.SetHandle(nullptr);
    for (int y = 0; y < 40; y += 3)
        for (int x = 0; x < 60; x += 3)
            ASSERT_EQ(dib.Pixel(x, y), 0x010203u) << x << "," << y;
}

TEST(ThemeColors, UnshiftedColoursAreTheResolvedBaseColour)
{
    TSkTheme plain;
    // The default colour names system colour 0, the scroll bar's.
    EXPECT_EQ(plain.GetColor(kcWindow), TColor(GetSysColor(COLOR_SCROLLBAR)));
    TTestLines lines;
    EXPECT_EQ(lines.GetColor(kcWindow), TTestTheme::WindowColor);
    EXPECT_EQ(lines.GetColor(kcFace), TTestTheme::FaceColor);
    // Kinds without an entry and those past the table give the default.
    EXPECT_EQ(lines.GetColor(4), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(lines.GetColor(26), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(lines.GetColor(255), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(lines.GetSize(30), 0);
}

TEST(ThemeColors, ShiftsMoveEveryColourHueFirst)
{
    TTestLines lines;
    // Brightness alone: every channel moves by the amount.
    lines.SetDeltaBrightness(20);
    EXPECT_EQ(lines.GetColor(kcWindow), TColor(RGB(20, 220, 20)));
    lines.SetDeltaBrightness(-20);
    EXPECT_EQ(lines.GetColor(kcWindow), TColor(RGB(0, 180, 0)));
    // A third of the hue circle takes green to blue, and the brightness
    // shift comes after it.
    lines.SetDeltaBrightness(0);
    lines.SetDeltaHue(85);
    EXPECT_EQ(lines.GetColor(kcWindow), TColor(RGB(0, 0, 200)));
    lines.SetDeltaBrightness(30);
    EXPECT_EQ(lines.GetColor(kcWindow), TColor(RGB(30, 30, 230)));
    // Always a plain colour, never a system colour reference.
    EXPECT_EQ(lines.GetColor(200) & 0xFF000000u, 0u);
}

TEST(ThemeColors, DeltaSettersRefreshColoursOnlyOnAChange)
{
    TTestLines lines;
    lines.SetDeltaHue(0);
    lines.SetDeltaBrightness(0);
    EXPECT_EQ(lines.updates, 0);
    lines.SetDeltaHue(12);
    EXPECT_EQ(lines.updates, 1);
    lines.SetDeltaHue(12);
    EXPECT_EQ(lines.updates, 1);
    lines.SetDeltaBrightness(-7);
    EXPECT_EQ(lines.updates, 2);
    lines.SetDeltaBrightness(-7);
    EXPECT_EQ(lines.updates, 2);
    EXPECT_EQ(lines.DeltaHue(), 12);
    EXPECT_EQ(lines.DeltaBrightness(), -7);
}

TEST(RightToLeft, FlagsChangeOnlyUnderAMiddleEastLocale)
{
    TSkTheme theme;
    {
        MiddleEastLocale locale(false);
        for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign,
                               bdRightToLeftReadingOnly}) {
            theme.SetBiDiMode(mode);
            EXPECT_EQ(theme.DrawTextBiDiModeFlags(SingleLine), SingleLine);
            EXPECT_EQ(theme.DrawTextBiDiModeFlags(SingleLine | DT_CENTER), SingleLine | DT_CENTER);
            EXPECT_EQ(theme.DrawTextBiDiModeFlags(SingleLine | DT_RIGHT), SingleLine | DT_RIGHT);
            EXPECT_EQ(theme.DrawTextBiDiModeFlagsReadingOnly(), 0u);
        }
    }
    MiddleEastLocale locale(true);
    theme.SetBiDiMode(bdRightToLeft);
    EXPECT_TRUE(theme.UseRightToLeftAlignment());
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(36), 36u | DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(37), 37u | DT_RTLREADING);
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(38), 36u | DT_RTLREADING);

    theme.SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_FALSE(theme.UseRightToLeftAlignment());
    EXPECT_TRUE(theme.UseRightToLeftReading());
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(36), 36u | DT_RTLREADING);
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(38), 38u | DT_RTLREADING);

    theme.SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(36), 36u | DT_RTLREADING);

    theme.SetBiDiMode(bdLeftToRight);
    EXPECT_FALSE(theme.UseRightToLeftReading());
    EXPECT_EQ(theme.DrawTextBiDiModeFlags(38), 38u);
}

TEST(ThemeRegistry, PlaceholderFirstThenTheOrderOfRegistration)
{
    RegisterTestThemes();
    const auto& classes = ThemeClasses();
    ASSERT_FALSE(classes.empty());
    EXPECT_EQ(classes.front().Name, "No Theme");
    EXPECT_EQ(classes.front().Class, TSkTheme::StaticClass());

    auto position = [&](const TClassInfo* cls) {
        return std::find_if(classes.begin(), classes.end(),
                            [&](const TSkThemeClass& c) { return c.Class == cls; }) -
               classes.begin();
    };
    const auto lines = position(TTestLines::StaticClass());
    ASSERT_LT(lines, static_cast<long>(classes.size()));
    EXPECT_LT(lines, position(TTestAdvanced::StaticClass()));
    EXPECT_LT(position(TTestAdvanced::StaticClass()), position(TTestLuna::StaticClass()));
    EXPECT_EQ(position(TTestStray::StaticClass()), static_cast<long>(classes.size()));

    // Registering again neither adds nor moves a class.
    const size_t count = classes.size();
    RegisterTheme<TTestLines>();
    EXPECT_EQ(ThemeClasses().size(), count);
    EXPECT_EQ(position(TTestLines::StaticClass()), lines);
}

TEST(ThemeRegistry, NamesMatchExactlyAndTheFirstRegisteredWins)
{
    RegisterTestThemes();
    ASSERT_NE(FindThemeClass("Lines"), nullptr);
    EXPECT_EQ(FindThemeClass("Lines")->Class, TTestLines::StaticClass());
    EXPECT_EQ(FindThemeClass("No Theme")->Class, TSkTheme::StaticClass());
    EXPECT_EQ(FindThemeClass("Twin")->Class, TTestTwinFirst::StaticClass());
    for (const char* name : {"luna", "LUNA", "Luna ", "Lin", "Std", "", "Stray"})
        EXPECT_EQ(FindThemeClass(name), nullptr) << name;

    // The factory makes an object of the class it was registered for.
    TSkTheme* made = FindThemeClass("Advanced")->Create();
    EXPECT_EQ(made->ClassInfo(), TTestAdvanced::StaticClass());
    EXPECT_EQ(made->GetName(), "Advanced");
    delete made;
}
