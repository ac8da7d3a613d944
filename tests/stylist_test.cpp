// The stylist: its theme stored by name in form descriptions, the colour
// shift it pushes into the theme, and the look it re-applies to every form.
#include "framework/forms/form.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/components/reader.h"
#include "framework/forms/screen.h"
#include "framework/components/writer.h"
#include "styling/core/stylist.h"
#include "tests/support/testthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct RootDeleter {
    void operator()(TComponent* form) const { form->Free(); }
};
using RootPtr = std::unique_ptr<TComponent, RootDeleter>;

RootPtr NewForm()
{
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(20, 20, 160, 90);
    return RootPtr(form);
}

TForm* AsForm(const RootPtr& form) { return static_cast<TForm*>(form.get()); }

std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char pair[3];
    for (uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        out += pair;
    }
    return out;
}

std::vector<uint8_t> Record(const std::string& name)
{
    const auto n = static_cast<uint32_t>(name.size());
    std::vector<uint8_t> data(4 + name.size());
    for (int i = 0; i < 4; ++i)
        data[i] = uint8_t(n >> (8 * i));
    std::copy(name.begin(), name.end(), data.begin() + 4);
    return data;
}

// Without blanks and line breaks: long binary values are wrapped.
std::string Squeezed(std::string text)
{
    auto blank = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    text.erase(std::remove_if(text.begin(), text.end(), blank), text.end());
    return text;
}

// A main window as stored: clSilver, replaced once the theme is read.
std::string Description(const std::string& record)
{
    return "object Form1: TForm\n"
           "  Color = clSilver\n"
           "  object SkStylist1: TSkStylist\n"
           "    ColorAutoChanging = True\n"
           "    DeltaBrightness = 0\n"
           "    DeltaHue = 0\n"
           "    Version = '3.3.0'\n"
           "    ThemeClass = {" + record + "}\n"
           "  end\n"
           "end\n";
}

TSkStylist* StylistOf(const RootPtr& form)
{
    return static_cast<TSkStylist*>(form->FindComponent("SkStylist1"));
}

// A component that follows a stylist the way the theme form component will.
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

class TPlainControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

class StylistTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestThemes(); }
};

} // namespace

TEST_F(StylistTest, StartsWithThePlaceholderTheme)
{
    TSkStylist stylist(nullptr);
    ASSERT_NE(stylist.Theme(), nullptr);
    EXPECT_EQ(stylist.Theme()->ClassInfo(), TSkTheme::StaticClass());
    EXPECT_FALSE(stylist.Theme()->IsAvailable());
    EXPECT_TRUE(stylist.ColorAutoChanging());
    EXPECT_EQ(stylist.DeltaHue(), 0);
    EXPECT_EQ(stylist.DeltaBrightness(), 0);
    EXPECT_EQ(stylist.Version(), "3.3.0");
    stylist.SetVersion("9.9");
    EXPECT_EQ(stylist.Version(), "3.3.0");
    EXPECT_EQ(stylist.WriteThemeClass(), Record("No Theme"));
}

TEST_F(StylistTest, AStoredNameSelectsTheFirstClassOfThatName)
{
    // 05 00 00 00 "Lines", as the description stores it.
    const std::string lines = "050000004C696E6573";
    ASSERT_EQ(Hex(Record("Lines")), lines);
    RootPtr form(ReadComponentText(Description(lines)));
    TSkStylist* stylist = StylistOf(form);
    ASSERT_NE(stylist, nullptr);
    EXPECT_EQ(stylist->Theme()->ClassInfo(), TTestLines::StaticClass());
    // The form took the theme's window colour while it was being read.
    EXPECT_EQ(AsForm(form)->Color(), TTestTheme::WindowColor);

    form.reset(ReadComponentText(Description(Hex(Record("Advanced")))));
    EXPECT_EQ(StylistOf(form)->Theme()->ClassInfo(), TTestAdvanced::StaticClass());
    form.reset(ReadComponentText(Description(Hex(Record("Twin")))));
    EXPECT_EQ(StylistOf(form)->Theme()->ClassInfo(), TTestTwinFirst::StaticClass());
}

TEST_F(StylistTest, UnknownNamesKeepThePlaceholder)
{
    for (const char* name : {"Std", "luna", "LINES", "Stray", ""}) {
        RootPtr form(ReadComponentText(Description(Hex(Record(name)))));
        EXPECT_EQ(StylistOf(form)->Theme()->ClassInfo(), TSkTheme::StaticClass()) << name;
        // Nothing matched, so nothing was re-applied either.
        EXPECT_EQ(AsForm(form)->Color(), clSilver) << name;
    }
}

TEST_F(StylistTest, CutShortRecordsChangeNothing)
{
    TSkStylist stylist(nullptr);
    stylist.SetThemeClass<TTestLuna>();
    TSkTheme* before = stylist.Theme();
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {0x05},
        {0x05, 0x00, 0x00},
        {0x05, 0x00, 0x00, 0x00, 'L', 'i', 'n', 'e'},      // one byte missing
        {0xFF, 0xFF, 0xFF, 0xFF, 'L', 'i', 'n', 'e', 's'},  // a length past the end
        {0x00, 0x00, 0x00, 0x80, 'L', 'i', 'n', 'e', 's'},
    };
    for (const auto& record : bad) {
        stylist.ReadThemeClass(record);
        EXPECT_EQ(stylist.Theme(), before) << Hex(record);
    }
    EXPECT_EQ(stylist.Theme()->ClassInfo(), TTestLuna::StaticClass());

    // Through a description too: the form keeps its placeholder.
    RootPtr form(ReadComponentText(Description("050000004C696E")));
    EXPECT_EQ(StylistOf(form)->Theme()->ClassInfo(), TSkTheme::StaticClass());
}

TEST_F(StylistTest, WritingStoresTheNameAndReadsBackToTheSameClass)
{
    RootPtr form(ReadComponentText(Description(Hex(Record("Advanced")))));
    const std::string written = WriteComponentText(form.get());
    EXPECT_NE(Squeezed(written).find("ThemeClass={08000000416476616E636564}"), std::string::npos)
        << written;
    EXPECT_NE(written.find("ColorAutoChanging = True"), std::string::npos);
    EXPECT_NE(written.find("DeltaHue = 0"), std::string::npos);
    EXPECT_NE(written.find("DeltaBrightness = 0"), std::string::npos);
    EXPECT_EQ(written.find("Version"), std::string::npos);
    RootPtr again(ReadComponentText(written));
    EXPECT_EQ(StylistOf(again)->Theme()->ClassInfo(), TTestAdvanced::StaticClass());
    again.reset();

    // The placeholder is stored as "No Theme" (8 characters) and reads back.
    form.reset(ReadComponentText(Description("")));
    const std::string plain = WriteComponentText(form.get());
    EXPECT_NE(Squeezed(plain).find("ThemeClass={" + Hex(Record("No Theme")) + "}"),
              std::string::npos)
        << plain;
    again.reset(ReadComponentText(plain));
    EXPECT_EQ(StylistOf(again)->Theme()->ClassInfo(), TSkTheme::StaticClass());
}

TEST_F(StylistTest, ChoosingAClassPushesTheShiftIntoAnAvailableTheme)
{
    TSkStylist stylist(nullptr);
    // The placeholder only stores the values.
    stylist.SetDeltaHue(30);
    stylist.SetDeltaBrightness(-10);
    EXPECT_EQ(stylist.Theme()->DeltaHue(), 0);
    EXPECT_EQ(stylist.Theme()->DeltaBrightness(), 0);

    stylist.SetThemeClass<TTestLines>();
    auto* lines = static_cast<TTestLines*>(stylist.Theme());
    EXPECT_EQ(lines->DeltaHue(), 30);
    EXPECT_EQ(lines->DeltaBrightness(), -10);
    EXPECT_EQ(lines->updates, 2);

    // A class that is not available gets no shift.
    stylist.SetThemeClass<TTestResting>();
    EXPECT_EQ(stylist.Theme()->ClassInfo(), TTestResting::StaticClass());
    EXPECT_EQ(stylist.Theme()->DeltaHue(), 0);

    // A class that is not registered keeps the current theme.
    TSkTheme* current = stylist.Theme();
    stylist.SetThemeClass<TTestStray>();
    EXPECT_EQ(stylist.Theme(), current);
}

TEST_F(StylistTest, DeltaChangesReachAnAvailableThemeOnceAndReapplyTheLook)
{
    RootPtr form = NewForm();
    auto* stylist = new TSkStylist(form.get());
    auto* follower = new TFollower(form.get(), stylist);
    stylist->SetThemeClass<TTestLines>();
    auto* lines = static_cast<TTestLines*>(stylist->Theme());
    const int applied = follower->applied;
    EXPECT_EQ(applied, 1);

    stylist->SetDeltaHue(40);
    EXPECT_EQ(lines->DeltaHue(), 40);
    EXPECT_EQ(lines->updates, 1);
    EXPECT_EQ(follower->applied, applied + 1);
    stylist->SetDeltaHue(40);  // the same value: nothing at all
    EXPECT_EQ(lines->updates, 1);
    EXPECT_EQ(follower->applied, applied + 1);

    stylist->SetDeltaBrightness(15);
    EXPECT_EQ(lines->DeltaBrightness(), 15);
    EXPECT_EQ(lines->updates, 2);
    EXPECT_EQ(follower->applied, applied + 2);
    EXPECT_EQ(AsForm(form)->Color(), lines->GetColor(kcWindow));

    // While the stylist is read, the theme changes but nothing is re-applied.
    stylist->SetLoading(true);
    stylist->SetDeltaHue(41);
    stylist->SetLoading(false);
    EXPECT_EQ(lines->DeltaHue(), 41);
    EXPECT_EQ(follower->applied, applied + 2);

    // The placeholder: stored only, no broadcast.
    stylist->SetThemeClass<TSkTheme>();
    const int afterSwitch = follower->applied;
    stylist->SetDeltaHue(50);
    EXPECT_EQ(stylist->Theme()->DeltaHue(), 0);
    EXPECT_EQ(follower->applied, afterSwitch);
}

TEST_F(StylistTest, ApplyThemeColoursEveryFormOnlyWhenAutoChanging)
{
    RootPtr first = NewForm();
    RootPtr second = NewForm();
    AsForm(second)->SetColor(clSilver);
    auto* stylist = new TSkStylist(first.get());
    stylist->SetThemeClass<TTestLines>();
    EXPECT_EQ(AsForm(first)->Color(), TTestTheme::WindowColor);
    EXPECT_EQ(AsForm(second)->Color(), TTestTheme::WindowColor);

    stylist->SetColorAutoChanging(false);
    AsForm(second)->SetColor(clSilver);
    stylist->SetThemeClass<TTestAdvanced>();
    stylist->SetDeltaBrightness(10);
    EXPECT_EQ(AsForm(second)->Color(), clSilver);
    EXPECT_EQ(AsForm(first)->Color(), TTestTheme::WindowColor);

    // On again: the shifted colour; at design time the button face.
    stylist->SetColorAutoChanging(true);
    stylist->ApplyTheme();
    EXPECT_EQ(AsForm(second)->Color(), TColor(RGB(10, 210, 10)));
    stylist->SetDesigning(true);
    stylist->ApplyTheme();
    EXPECT_EQ(AsForm(second)->Color(), clBtnFace);
}

TEST_F(StylistTest, FollowersOfThisStylistHearAfterTheColourAndControlsRepaint)
{
    RootPtr form = NewForm();
    auto* stylist = new TSkStylist(form.get());
    auto* other = new TSkStylist(form.get());
    auto* mine = new TFollower(form.get(), stylist);
    auto* theirs = new TFollower(form.get(), other);
    auto* control = new TPlainControl(form.get());
    control->SetParent(AsForm(form));
    control->SetBounds(5, 5, 40, 20);
    AsForm(form)->Show();
    UpdateWindow(AsForm(form)->Handle());
    ValidateRect(control->Handle(), nullptr);

    stylist->SetThemeClass<TTestLines>();
    EXPECT_EQ(mine->applied, 1);
    EXPECT_EQ(mine->colorSeen, TTestTheme::WindowColor);
    EXPECT_EQ(theirs->applied, 0);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(control->Handle(), &update, FALSE));
}

TEST_F(StylistTest, AnMdiFrameHasItsClientWindowRepainted)
{
    RootPtr form = NewForm();
    AsForm(form)->SetFormStyle(fsMDIForm);
    CLIENTCREATESTRUCT create{nullptr, 0xFF00};
    HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 60,
                                  AsForm(form)->Handle(), nullptr, GetModuleHandleA(nullptr),
                                  &create);
    ASSERT_NE(client, nullptr);
    AsForm(form)->Show();
    UpdateWindow(AsForm(form)->Handle());
    ValidateRect(client, nullptr);
    RECT update{};
    ASSERT_FALSE(GetUpdateRect(client, &update, FALSE));

    auto* stylist = new TSkStylist(form.get());
    stylist->ApplyTheme();
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
    stylist.SetThemeClass<TTestLines>();
    EXPECT_TRUE(SkThemeAvailable(&component, &stylist));
    component.SetLoading(true);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
    component.SetLoading(false);
    stylist.SetTheme(nullptr);
    EXPECT_FALSE(SkThemeAvailable(&component, &stylist));
    stylist.SetTheme(new TTestAdvanced);
    EXPECT_TRUE(SkThemeAvailable(&component, &stylist));
}
