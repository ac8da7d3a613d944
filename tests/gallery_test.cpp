// The theme gallery's window built from the description it embeds: every
// control there with its class, the switches wired to the stylist and the
// frame, and a thousand live theme switches that leave no GDI or USER
// object behind.
#include "gallery/galleryform.h"
#include "framework/base/ansi.h"
#include "styling/core/sksystem.h"
#include "styling/core/themeregistry.h"
#include "styling/menus/skitems.h"
#include "styling/themes/skthemes.h"
#include "tests/support/skinnedform.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Before the form's description names its look.
struct LooksRegistered {
    LooksRegistered() { RegisterSkThemes(); }
};

class Gallery : public ::testing::Test {
protected:
    TSkControlsUnit skControls_;
    LooksRegistered looks_;
    const Owned<TGalleryForm> form{TCustomForm::Create<TGalleryForm>(nullptr)};
};

TEST_F(Gallery, EveryControlIsThereWithItsClassAndLinkedToTheStylist)
{
    const std::vector<std::pair<const char*, const TClassInfo*>> expected = {
        {"SkStylist1", TSkStylist::StaticClass()},
        {"SkThemeForm1", TSkThemeForm::StaticClass()},
        {"GalleryMenu", TSkThemePopupMenu::StaticClass()},
        {"OkButton", TSkThemeButton::StaticClass()},
        {"PasswordEdit", TSkThemeEdit::StaticClass()},
        {"StereoRadio", TSkThemeRadioButton::StaticClass()},
        {"GrayedBox", TSkCustomCheckBox::StaticClass()},
        {"VerticalProgress", TSkThemeProgressBar::StaticClass()},
        {"VerticalBar", TSkThemeScrollBar::StaticClass()},
        {"SheetMemo", TSkThemeMemo::StaticClass()},
        {"BrightnessLabel", TSkThemeLabel::StaticClass()},
    };
    for (const auto& [name, classInfo] : expected) {
        const TComponent* component = form->FindComponent(name);
        ASSERT_TRUE(component) << name;
        EXPECT_EQ(component->ClassInfo(), classInfo) << name;
    }
    TSkStylist* stylist = form->SkStylist1;
    EXPECT_EQ(stylist->Theme()->GetName(), "Luna");
    for (TSkStylist* link : {form->SkThemeForm1->Stylist(), form->GalleryMenu->Stylist(),
                             form->SheetMemo->Stylist(), form->HueBar->Stylist()})
        EXPECT_EQ(link, stylist);
    EXPECT_EQ(form->PopupMenu(), form->GalleryMenu);
    // The looks' radios do not uncheck the other group's.
    EXPECT_TRUE(form->MonoRadio->Checked());
    // One radio per registered look, in the registry's order, the shown one checked.
    const auto& radios = form->ThemeRadios();
    ASSERT_EQ(radios.size() + 1, ThemeClasses().size());
    for (size_t i = 0; i < radios.size(); ++i) {
        EXPECT_EQ(WideToAnsi(radios[i]->WideCaption()), ThemeClasses()[i + 1].Name);
        EXPECT_EQ(radios[i]->Checked(), ThemeClasses()[i + 1].Name == "Luna") << i;
    }
    // The menu offers the same looks, then a separator and "Close".
    TSkCustomItem* items = form->GalleryMenu->Items();
    ASSERT_EQ(items->Count(), 3);
    EXPECT_EQ(items->Items(0)->Count(), int(radios.size()));
    EXPECT_TRUE(items->Items(1)->IsSeparator());
}

TEST_F(Gallery, TheSwitchesDriveTheStylistAndTheFrame)
{
    TSkStylist* stylist = form->SkStylist1;
    form->HueBar->SetPosition(40);
    form->BrightnessBar->SetPosition(-30);
    EXPECT_EQ(std::pair(stylist->DeltaHue(), stylist->DeltaBrightness()), std::pair(40, -30));
    form->BlendingBox->SetChecked(true);
    form->ShadowBox->SetChecked(true);
    EXPECT_TRUE(form->SkThemeForm1->Blending()->Enabled() && form->SkThemeForm1->Shadow()->Enabled());
    form->ShadowBox->SetChecked(false);
    EXPECT_FALSE(form->SkThemeForm1->Shadow()->Enabled());

    // A look's radio clicked switches to it; the new look takes the shift.
    form->ThemeRadios()[0]->SetChecked(true);
    EXPECT_EQ(stylist->Theme()->GetName(), ThemeClasses()[1].Name);
    EXPECT_FALSE(form->ThemeRadios()[3]->Checked());
    EXPECT_EQ(stylist->Theme()->DeltaHue(), 40);
    // And so does its menu item.
    form->GalleryMenu->Items()->Items(0)->Items(4)->Click();
    PumpFor(50);
    EXPECT_EQ(stylist->Theme()->GetName(), ThemeClasses()[5].Name);
    EXPECT_TRUE(form->ThemeRadios()[4]->Checked());
}

// A point of the caption band as the window shows it.
uint32_t CaptionPixel(TGalleryForm* form)
{
    SendMessageA(form->Handle(), WM_NCPAINT, 1, 0);
    TestDib dib(300, 12);
    ReadWindow(form->Handle(), dib);
    return dib.Pixel(200, 8);
}

TEST_F(Gallery, AThousandThemeSwitchesRepaintWithoutGrowingGdiOrUserObjects)
{
    ShowAndWait(form.get());
    const size_t looks = form->ThemeRadios().size();
    ASSERT_EQ(looks, 9u);
    const auto everyLook = [&] {
        for (size_t i = 0; i < looks; ++i) {
            form->SelectTheme(i);
            RedrawWindow(form->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        PumpFor(0);
    };
    EXPECT_EQ(GuiGrowth(everyLook, int(1000 / looks)), (TGuiCounts{0, 0}));

    // The frame really is painted anew by each look.
    form->SelectTheme(3);  // Luna
    const uint32_t luna = CaptionPixel(form.get());
    form->SelectTheme(8);  // KDE
    EXPECT_NE(CaptionPixel(form.get()), luna);
}

} // namespace
