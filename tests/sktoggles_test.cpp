// The radio button and check box over real windows: groups, checking on
// focus, the Space and mouse cycles, the classic box drawn by the system
// read back as pixels, and the theme's box.
#include "styling/controls/themecheckboxs.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

namespace {

class SkToggleTest : public SkFormTest {};

template <class T>
T* Toggle(TWinControl* parent, const char* caption, int left, int top)
{
    auto* control = AddControl<T>(parent, left, top, 98, 20);
    control->SetCaption(caption);
    control->SetUseVisualStyles(false);
    return control;
}

// The system's classic box of style drawn at (left, top) (a grayed box
// is dithered from the context's origin).
std::unique_ptr<TestDib> ClassicBox(UINT style, int left = 0, int top = 3)
{
    auto dib = std::make_unique<TestDib>(left + 13, top + 13);
    dib->Fill(RGB(1, 2, 3));
    RECT r{left, top, left + 13, top + 13};
    DrawFrameControl(dib->DC(), &r, DFC_BUTTON, style);
    return dib;
}

// Whether the control shows that box wherever the system drew it.
bool ShowsBox(const TestDib& shown, const TestDib& box)
{
    for (int y = 0; y < box.Height(); ++y)
        for (int x = 0; x < box.Width(); ++x)
            if (box.Pixel(x, y) != 0x010203 && shown.Pixel(x, y) != box.Pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST_F(SkToggleTest, CheckingARadioUnchecksItsGroupOnlyAndMovesTheTabStop)
{
    auto* automatic = Toggle<TSkCustomRadioButton>(form.get(), "Automatycznie", 10, 10);
    auto* manual = Toggle<TSkCustomRadioButton>(form.get(), "Recznie", 110, 10);
    auto* otherGroup = Toggle<TSkCustomRadioButton>(form.get(), "Inna grupa", 10, 40);
    otherGroup->SetGroupIndex(1);
    auto* panel = AddControl<TSkCustomControl>(form.get(), 10, 70, 200, 60);
    auto* otherParent = Toggle<TSkCustomRadioButton>(panel, "Panel", 0, 0);
    std::vector<std::string> clicks;
    for (TSkCustomRadioButton* radio : {automatic, manual, otherGroup, otherParent})
        radio->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TControl*>(sender)->Caption()); };
    EXPECT_FALSE(automatic->TabStop());  // an unchecked radio is no tab stop

    for (TSkCustomRadioButton* radio : {automatic, otherGroup, otherParent})
        radio->SetChecked(true);
    clicks.clear();
    manual->SetChecked(true);
    manual->SetChecked(true);
    EXPECT_EQ(clicks, std::vector<std::string>{"Recznie"});
    EXPECT_FALSE(automatic->Checked());
    EXPECT_TRUE(otherGroup->Checked() && otherParent->Checked());
    EXPECT_EQ(std::pair(automatic->TabStop(), manual->TabStop()), std::pair(false, true));

    // A button-down on an unfocused radio checks it, through the focus.
    ShowAndWait(form.get());
    otherGroup->SetFocus();
    clicks.clear();
    SendMouse(automatic, WM_LBUTTONDOWN, 5, 5);
    EXPECT_TRUE(automatic->Checked());
    EXPECT_TRUE(automatic->Pressed());
    EXPECT_FALSE(manual->Checked());
    SendMouse(automatic, WM_LBUTTONUP, 5, 5);
    EXPECT_FALSE(automatic->Pressed());
    EXPECT_EQ(clicks, std::vector<std::string>{"Automatycznie"});

    // Space and the accelerator check too.
    manual->SetCaption("&Recznie");
    PressKey('R', false, true);
    EXPECT_TRUE(manual->Checked());
    EXPECT_EQ(GetFocus(), manual->Handle());
    manual->SetChecked(false);
    manual->SetChecked(false);
    EXPECT_FALSE(manual->Checked());
    SendSpace(manual, kpDown);
    EXPECT_TRUE(manual->Pressed());
    SendSpace(manual, kpUp);
    EXPECT_TRUE(manual->Checked());
    // Read as a system radio button is read.
    EXPECT_EQ(SendMessageA(manual->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(automatic->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SkToggleTest, ACheckBoxCyclesThroughGrayedWhenAllowedAndQuietSettersFireNothing)
{
    auto* box = Toggle<TSkCustomCheckBox>(form.get(), "Pole", 10, 10);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(box->TabStop());
    ShowAndWait(form.get());
    box->SetFocus();
    std::vector<TCheckBoxState> seen;
    std::vector<LRESULT> answered;  // to BM_GETCHECK, as by a system check box
    for (int i = 0; i < 5; ++i) {
        box->SetAllowGrayed(i >= 2);
        SendSpace(box);
        seen.push_back(box->State());
        answered.push_back(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0));
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(answered, (std::vector<LRESULT>{BST_CHECKED, BST_UNCHECKED, BST_INDETERMINATE,
                                              BST_CHECKED, BST_UNCHECKED}));
    EXPECT_EQ(clicks, 5);
    box->SetState(cbUnchecked);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 5);

    // A release outside does not toggle; the edges still count as inside.
    for (POINT release : {POINT{99, 3}, POINT{98, 20}}) {
        SendMouse(box, WM_LBUTTONDOWN, 3, 3);
        SendMouse(box, WM_LBUTTONUP, release.x, release.y);
    }
    EXPECT_EQ(box->State(), cbGrayed);  // the first left it unchecked
}

TEST_F(SkToggleTest, WithoutVisualStylesTheBoxIsTheSystemsClassicOneBesideTheCaption)
{
    form->SetColor(static_cast<TColor>(RGB(0, 0, 255)));
    auto* radio = Toggle<TSkCustomRadioButton>(form.get(), "Radio", 0, 0);
    auto* box = Toggle<TSkCustomCheckBox>(form.get(), "Pole", 0, 30);
    radio->Font()->SetColor(static_cast<TColor>(RGB(0, 128, 0)));
    const struct {
        const char* what;
        std::function<void()> make;
        TSkToggleControl* control;
        UINT style;
    } looks[] = {
        {"radio", [] {}, radio, DFCS_BUTTONRADIO},
        {"radio checked", [&] { radio->SetChecked(true); }, radio, DFCS_BUTTONRADIO | DFCS_CHECKED},
        {"check box", [] {}, box, DFCS_BUTTONCHECK},
        {"grayed", [&] { box->SetState(cbGrayed); }, box, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE | DFCS_CHECKED},
        {"disabled", [&] { box->SetState(cbChecked), box->SetEnabled(false); }, box,
         DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE},
    };
    for (const auto& look : looks) {
        look.make();
        EXPECT_TRUE(ShowsBox(*Render(look.control), *ClassicBox(look.style))) << look.what;
    }
    // The caption starts past the box and the spacing; see-through around it.
    auto dib = Render(radio);
    EXPECT_EQ(BoundsOf(*dib, 0x008000).left >= 13 + 5, true);
    EXPECT_LT(BoundsOf(*dib, 0x008000).left, 13 + 5 + 3);
    EXPECT_EQ(dib->Pixel(97, 0), 0x0000FFu);
    radio->SetAlignment(ktaRightJustify);
    dib = Render(radio);
    EXPECT_TRUE(ShowsBox(*dib, *ClassicBox(DFCS_BUTTONRADIO | DFCS_CHECKED, 98 - 13)));
    EXPECT_LT(BoundsOf(*dib, 0x008000).left, 5);
}

TEST_F(SkToggleTest, TheThemeSizesAndDrawsTheRadiosBoxInItsState)
{
    auto* stylist = new TSkStylist(form.get());
    auto* theme = new TRecordingTheme;
    stylist->SetTheme(theme);
    auto* radio = Toggle<TSkThemeRadioButton>(form.get(), "Radio", 10, 10);
    radio->SetStylist(stylist);
    radio->Font()->SetColor(static_cast<TColor>(RGB(0, 128, 0)));
    ShowAndWait(form.get());
    const struct {
        std::function<void()> make;
        std::string call;
    } steps[] = {
        {[] {}, "radio 0,2 0 off"},
        {[&] { radio->SetChecked(true); }, "radio 0,2 0 on"},
        {[&] { radio->Perform(CM_MOUSEENTER); }, "radio 0,2 1 on"},
        {[&] { SendSpace(radio, kpDown); }, "radio 0,2 2 on"},
        {[&] { radio->SetEnabled(false); }, "radio 0,2 3 on"},
    };
    for (const auto& step : steps) {
        step.make();
        theme->calls.clear();
        auto dib = Render(radio);
        ASSERT_FALSE(theme->calls.empty());
        for (const std::string& call : theme->calls)
            EXPECT_EQ(call, step.call);
    }
    radio->SetEnabled(true);
    // The caption follows the theme's box width: 17 + 5.
    EXPECT_GE(BoundsOf(*Render(radio), 0x008000).left, 22);
    stylist->Free();
    EXPECT_EQ(radio->Stylist(), nullptr);
    EXPECT_TRUE(ShowsBox(*Render(radio), *ClassicBox(DFCS_BUTTONRADIO | DFCS_CHECKED)));
}
