// The stylist: its theme stored by name in form descriptions, the colour
// shift it pushes into the theme, and the look it re-applies to every form.
#include "framework/controls/graphiccontrol.h"
#include "framework/forms/form.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/core/stylist.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthemes.h"
#include "tests/support/testthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(const std::string& hex)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// A main window as stored: clSilver, replaced once the theme is read.
FormPtr ReadForm(const std::string& record)
{
    return FormPtr(static_cast<TForm*>(ReadComponentText("object Form1: TForm\n"
                                                         "  Color = clSilver\n"
                                                         "  object SkStylist1: TSkStylist\n"
                                                         "    ColorAutoChanging = True\n"
                                                         "    DeltaHue = 0\n"
                                                         "    Version = '3.3.0'\n"
                                                         "    ThemeClass = {" + record + "}\n"
                                                         "  end\n"
                                                         "end\n")));
}

TSkStylist* StylistOf(const FormPtr& form)
{
    return static_cast<TSkStylist*>(form->FindComponent("SkStylist1"));
}

// A component that follows a stylist the way the theme form component does.
class TFollower : public TComponent, public ISkThemeFollower {
public:
    TFollower(TComponent* owner, TSkStylist* stylist) : TComponent(owner), stylist_(stylist) {}
    TSkStylist* FollowedStylist() const override { return stylist_; }
    void StylistThemeApplied() override
    {
        ++applied;
        colorSeen = static_cast<TControl*>(Owner())->Color();
    }
    int applied = 0;
    TColor colorSeen = 0;

private:
    TSkStylist* stylist_;
};

class StylistTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterTestThemes();
        RegisterSkThemes();
    }
};

// "Counting", "Twin", "Luna" and the placeholder's "No Theme" as stored.
const std::string Counting = "08000000436F756E74696E67", Twin = "040000005477696E",
                  Luna = "040000004C756E61", NoTheme = "080000004E6F205468656D65";
// Records cut short: no length, part of one, a name shorter than its length.
const char* const CutShort[] = {"", "05", "040000", "040000004C756E",
                                "FFFFFFFF4C756E61", "000000804C756E61"};

} // namespace

TEST_F(StylistTest, AStoredNameSelectsTheFirstClassOfThatNameWhileTheFormIsRead)
{
    // The form takes the theme's window colour as it is read, the button
    // face for a look that is not available, and keeps its own when no
    // name matched.
    const struct {
        std::string record;
        const TClassInfo* cls;
        bool matched;
    } cases[] = {{Counting, TTestTheme::StaticClass(), true}, {Twin, TTestTwinFirst::StaticClass(), true},
                 {Luna, TSkThemeLuna::StaticClass(), true},   {NoTheme, TSkTheme::StaticClass(), true},
                 {"040000006C756E61", TSkTheme::StaticClass(), false},
                 {"046C756E61", TSkTheme::StaticClass(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        FormPtr form = ReadForm(c.record);
        TSkTheme* theme = StylistOf(form)->Theme();
        EXPECT_EQ(theme->ClassInfo(), c.cls);
        EXPECT_EQ(form->Color(), !c.matched              ? clSilver
                                 : theme->IsAvailable() ? theme->GetColor(kcWindow)
                                                        : clBtnFace);
    }
}

TEST_F(StylistTest, CutShortRecordsChangeNothing)
{
    TSkStylist stylist(nullptr);
    stylist.SetThemeClass<TSkThemeLuna>();
    TSkTheme* before = stylist.Theme();
    for (const char* record : CutShort) {
        stylist.ReadThemeClass(Bytes(record));
        EXPECT_EQ(stylist.Theme(), before) << record;
    }
}

TEST_F(StylistTest, WritingStoresTheNameAndReadsBackToTheSameClass)
{
    for (const std::string& record : {Luna, NoTheme}) {
        FormPtr form = ReadForm(record);
        const std::string written = WriteComponentText(form.get());
        std::string squeezed = written;  // long binary values are wrapped
        squeezed.erase(std::remove_if(squeezed.begin(), squeezed.end(),
                                      [](char ch) { return ch == ' ' || ch == '\r' || ch == '\n'; }),
                       squeezed.end());
        EXPECT_NE(squeezed.find("ThemeClass={" + record + "}"), std::string::npos) << written;
        for (const char* always : {"ColorAutoChanging=True", "DeltaHue=0", "DeltaBrightness=0"})
            EXPECT_NE(squeezed.find(always), std::string::npos) << written;
        EXPECT_EQ(written.find("Version"), std::string::npos);
        FormPtr again(static_cast<TForm*>(ReadComponentText(written)));
        EXPECT_EQ(StylistOf(again)->Theme()->ClassInfo(), StylistOf(form)->Theme()->ClassInfo());
    }
    TSkStylist stylist(nullptr);
    stylist.SetVersion("9.9");
    EXPECT_EQ(stylist.Version(), "3.3.0");
}

TEST_F(StylistTest, ChoosingAClassPushesTheShiftIntoAnAvailableThemeOnly)
{
    TSkStylist stylist(nullptr);
    stylist.SetDeltaHue(30);  // the placeholder only stores the values
    stylist.SetDeltaBrightness(-10);
    EXPECT_EQ(stylist.Theme()->DeltaHue(), 0);
    stylist.SetThemeClass<TTestTheme>();
    auto* counting = static_cast<TTestTheme*>(stylist.Theme());
    EXPECT_EQ(counting->DeltaHue(), 30);
    EXPECT_EQ(counting->DeltaBrightness(), -10);
    EXPECT_EQ(counting->updates, 2);
    stylist.SetThemeClass<TTestResting>();
    EXPECT_EQ(stylist.Theme()->ClassInfo(), TTestResting::StaticClass());
    EXPECT_EQ(stylist.Theme()->DeltaHue(), 0);
    TSkTheme* current = stylist.Theme();
    stylist.SetThemeClass<TTestStray>();  // not registered: kept
    EXPECT_EQ(stylist.Theme(), current);
}

TEST_F(StylistTest, ChangesReachTheThemeOnceThenFollowersOfThisStylistAndControlsRepaint)
{
    FormPtr form = NewForm(160, 90);
    auto* stylist = new TSkStylist(form.get());
    auto* mine = new TFollower(form.get(), stylist);
    auto* theirs = new TFollower(form.get(), new TSkStylist(form.get()));
    auto* control = new TCustomControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(5, 5, 40, 20);
    form->Show();
    UpdateWindow(form->Handle());
    stylist->SetThemeClass<TTestTheme>();
    auto* counting = static_cast<TTestTheme*>(stylist->Theme());
    EXPECT_EQ(mine->applied, 1);
    EXPECT_EQ(mine->colorSeen, TTestTheme::WindowColor);  // the colour comes first
    EXPECT_EQ(theirs->applied, 0);

    ValidateRect(control->Handle(), nullptr);
    stylist->SetDeltaHue(40);
    stylist->SetDeltaHue(40);  // the same value: nothing at all
    EXPECT_EQ(counting->DeltaHue(), 40);
    EXPECT_EQ(counting->updates, 1);
    EXPECT_EQ(mine->applied, 2);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(control->Handle(), &update, FALSE));
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
    stylist->SetDeltaHue(50);  // the placeholder: stored only, no broadcast
    EXPECT_EQ(stylist->Theme()->DeltaHue(), 0);
    EXPECT_EQ(mine->applied, 4);
}

TEST_F(StylistTest, ApplyThemeColoursEveryFormOnlyWhenAutoChanging)
{
    FormPtr first = NewForm(), second = NewForm();
    auto* stylist = new TSkStylist(first.get());
    stylist->SetThemeClass<TTestTheme>();
    EXPECT_EQ(second->Color(), TTestTheme::WindowColor);
    stylist->SetColorAutoChanging(false);
    second->SetColor(clSilver);
    stylist->SetThemeClass<TSkThemeLuna>();
    EXPECT_EQ(second->Color(), clSilver);
    EXPECT_EQ(first->Color(), TTestTheme::WindowColor);
    stylist->SetColorAutoChanging(true);
    stylist->ApplyTheme();
    EXPECT_EQ(second->Color(), stylist->Theme()->GetColor(kcWindow));
    stylist->SetDesigning(true);  // at design time: the button face
    stylist->ApplyTheme();
    EXPECT_EQ(second->Color(), clBtnFace);
}

TEST_F(StylistTest, AnMdiFrameHasItsClientWindowRepainted)
{
    FormPtr form = NewForm(160, 90);
    form->SetFormStyle(fsMDIForm);
    CLIENTCREATESTRUCT create{nullptr, 0xFF00};
    HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 60,
                                  form->Handle(), nullptr, GetModuleHandleA(nullptr), &create);
    ASSERT_NE(client, nullptr);
    form->Show();
    UpdateWindow(form->Handle());
    ValidateRect(client, nullptr);
    (new TSkStylist(form.get()))->ApplyTheme();
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(client, &update, FALSE));
    EXPECT_EQ(update.right, 100);
    EXPECT_EQ(update.bottom, 60);
    DestroyWindow(client);
}

TEST_F(StylistTest, ThemeAvailabilityIsOneTestOfComponentStylistAndTheme)
{
    TSkStylist stylist(nullptr);
    TComponent component(nullptr);
    EXPECT_FALSE(SkThemeAvailable(&component, nullptr));
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));  // the placeholder
    stylist.SetTheme(new TTestTheme);
    EXPECT_TRUE(SkThemeAvailable(&component, &stylist));
    component.SetLoading(true);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
    component.SetLoading(false);
    stylist.SetTheme(nullptr);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
}
