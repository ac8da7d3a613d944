// The stylist: its theme stored by name in form descriptions, the colour
// shift it pushes into the theme, and the look it re-applies to every form.
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/form.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/stylist.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthemestd.h"
#include "styling/themes/skthemes.h"
#include "tests/support/testthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A main window as stored: clSilver, replaced once the theme is read.
FormPtr ReadForm(const std::string& themeRecord)
{
    return FormPtr(static_cast<TForm*>(ReadComponentText(
        "object Form1: TForm\n  Color = clSilver\n  object SkStylist1: TSkStylist\n"
        "    ColorAutoChanging = True\n    DeltaHue = 0\n    Version = '3.3.0'\n"
        "    ThemeClass = {" + themeRecord + "}\n  end\nend\n")));
}

TSkStylist* StylistOf(const FormPtr& form)
{
    return static_cast<TSkStylist*>(form->FindComponent("SkStylist1"));
}

// A component that follows a stylist the way the theme form component does.
struct TFollower : TComponent, ISkThemeFollower {
    TFollower(TComponent* owner, TSkStylist* stylist) : TComponent(owner), stylist(stylist) {}
    TSkStylist* FollowedStylist() const override { return stylist; }
    void StylistThemeApplied() override { ++applied; colorSeen = static_cast<TControl*>(Owner())->Color(); }
    TSkStylist* stylist;
    int applied = 0;
    TColor colorSeen = 0;
};

class StylistTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestThemes(); RegisterSkThemes(); }
};

} // namespace

TEST_F(StylistTest, AStoredNameSelectsTheFirstClassOfThatNameAsTheFormIsRead)
{
    // The form takes the theme's window colour as it is read, the button face
    // for a look that is not available, and keeps its own when nothing matched
    // (highlight_test proves every registered name).
    const struct {
        const char* record;  // a 4-byte length, then the name
        const TClassInfo* cls;
        bool matched;
    } cases[] = {{"08000000436F756E74696E67", TTestTheme::StaticClass(), true},  // "Counting"
                 {"040000005477696E", TTestTwinFirst::StaticClass(), true},      // "Twin"
                 {"040000004C756E61", TSkThemeLuna::StaticClass(), true},        // "Luna"
                 {"08000000416476616E636564", TSkThemeStd::StaticClass(), true}, // "Advanced"
                 {"03000000537464", TSkTheme::StaticClass(), false},              // "Std"
                 {"09000000436F6F6C20466C6174", TSkThemeCoolFlat::StaticClass(), true},  // "Cool Flat"
                 {"080000004E6F205468656D65", TSkTheme::StaticClass(), true},    // "No Theme"
                 {"040000006C756E61", TSkTheme::StaticClass(), false},           // "luna"
                 {"040000004C756E", TSkTheme::StaticClass(), false}};            // cut short
    for (const auto& c : cases) {
        FormPtr form = ReadForm(c.record);
        TSkTheme* theme = StylistOf(form)->Theme();
        EXPECT_EQ(theme->ClassInfo(), c.cls) << c.record;
        EXPECT_EQ(form->Color(), !c.matched ? clSilver
                                 : theme->IsAvailable() ? theme->GetColor(kcWindow) : clBtnFace)
            << c.record;
    }
    // Written back by name, every option with it, the version left out.
    const std::string written = WriteComponentText(ReadForm(cases[2].record).get());
    for (const char* part : {"040000004C756E61}", "ColorAutoChanging = True",
                             "DeltaHue = 0", "DeltaBrightness = 0"})
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;
    EXPECT_EQ(written.find("Version"), std::string::npos);
}

TEST_F(StylistTest, ChoosingAClassPushesTheShiftIntoAnAvailableThemeOnlyAndBadRecordsChangeNothing)
{
    TSkStylist stylist(nullptr);
    TComponent component(nullptr);
    EXPECT_FALSE(SkThemeAvailable(&component, nullptr));
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));  // the placeholder
    stylist.SetDeltaHue(30);  // the placeholder only stores the values
    stylist.SetDeltaBrightness(-10);
    EXPECT_EQ(stylist.Theme()->DeltaHue(), 0);
    stylist.SetThemeClass<TTestTheme>();
    auto* counting = static_cast<TTestTheme*>(stylist.Theme());
    EXPECT_EQ(std::pair(counting->DeltaHue(), counting->DeltaBrightness()), std::pair(30, -10));
    EXPECT_EQ(counting->updates, 2);
    EXPECT_TRUE(SkThemeAvailable(&component, &stylist));
    component.SetLoading(true);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
    stylist.SetThemeClass<TTestStray>();  // not registered: kept
    for (const std::vector<uint8_t>& record : std::vector<std::vector<uint8_t>>{  // cut short
             {}, {4}, {4, 0, 0}, {4, 0, 0, 0, 'L', 'u', 'n'}, {255, 255, 255, 255, 'L', 'u', 'n', 'a'},
             {0, 0, 0, 0x80, 'L', 'u', 'n', 'a'}})
        stylist.ReadThemeClass(record);
    EXPECT_EQ(stylist.Theme(), counting);
    component.SetLoading(false);
    stylist.SetTheme(nullptr);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
}

TEST_F(StylistTest, ChangesReachTheThemeOnceThenFollowersOfThisStylistAndEveryWindowRepaints)
{
    FormPtr form = NewForm(160, 90);
    form->SetFormStyle(fsMDIForm);
    form->HandleNeeded();
    HWND client = form->ClientHandle();
    ASSERT_NE(client, nullptr);
    auto* control = AddControl<TCustomControl>(form.get(), 110, 5, 40, 20);
    auto* stylist = new TSkStylist(form.get());
    auto* mine = new TFollower(form.get(), stylist);
    auto* theirs = new TFollower(form.get(), new TSkStylist(form.get()));
    form->Show();
    UpdateWindow(form->Handle());
    stylist->SetThemeClass<TTestTheme>();
    auto* counting = static_cast<TTestTheme*>(stylist->Theme());
    EXPECT_EQ(mine->colorSeen, TTestTheme::WindowColor);  // the colour comes first
    EXPECT_EQ(theirs->applied, 0);

    for (HWND window : {control->Handle(), client})
        ValidateRect(window, nullptr);
    stylist->SetDeltaHue(40);
    stylist->SetDeltaHue(40);  // the same value: nothing at all
    EXPECT_EQ(counting->updates, 1);
    EXPECT_EQ(mine->applied, 2);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(control->Handle(), &update, FALSE));
    EXPECT_TRUE(GetUpdateRect(client, &update, FALSE));
    const RECT whole = ClientRectOf(client);
    EXPECT_TRUE(EqualRect(&update, &whole));  // the MDI client, all of it
    stylist->SetDeltaBrightness(15);
    EXPECT_EQ(counting->DeltaBrightness(), 15);
    EXPECT_EQ(mine->applied, 3);
    EXPECT_EQ(form->Color(), counting->GetColor(kcWindow));

    stylist->SetLoading(true);  // while read: the theme changes, nothing is re-applied
    stylist->SetDeltaHue(41);
    stylist->SetLoading(false);
    EXPECT_EQ(counting->DeltaHue(), 41);
    EXPECT_EQ(mine->applied, 3);
    stylist->SetThemeClass<TSkTheme>();
    stylist->SetDeltaHue(50);  // not available: stored only, no broadcast
    EXPECT_EQ(stylist->Theme()->DeltaHue(), 0);
    EXPECT_EQ(mine->applied, 4);
}

TEST_F(StylistTest, ApplyThemeColoursEveryFormOnlyWhenAutoChanging)
{
    FormPtr first = NewForm(), second = NewForm();
    auto* stylist = new TSkStylist(first.get());
    stylist->SetColorAutoChanging(false);
    stylist->SetThemeClass<TSkThemeLuna>();
    EXPECT_EQ(second->Color(), clBtnFace);
    stylist->SetColorAutoChanging(true);
    stylist->ApplyTheme();
    EXPECT_EQ(second->Color(), stylist->Theme()->GetColor(kcWindow));
    stylist->SetDesigning(true);  // at design time: the button face
    stylist->ApplyTheme();
    EXPECT_EQ(first->Color(), clBtnFace);
}
