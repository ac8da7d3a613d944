// The program's two windows built from the descriptions it embeds: what the
// handlers rely on and a person meets that the end-to-end suite cannot read.
#include "app/unit1.h"
#include "app/unit2.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"
#include "tests/support/tempfolder.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Tabs = std::vector<TWinControl*>;

class SheetMillForms : public ::testing::Test {
protected:
    SheetMillForms() { RegisterSkThemes(); }
    TSkControlsUnit skControls_;
};

TEST_F(SheetMillForms, MainWindowAsStored)
{
    const Owned<TForm1> form(TCustomForm::Create<TForm1>(nullptr));
    EXPECT_TRUE(form->doc->ReadOnly());
    EXPECT_EQ(form->SkThemeLabel1->Caption(), "Wybierz plik obrazu:");
    EXPECT_EQ(form->obrazy->Filter(), "Obrazy CD|*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    EXPECT_EQ(form->obrazy->DefaultExt(), "*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    // The stored theme is made while the description is read, and the
    // stored clSilver gives way to the theme's window colour.
    EXPECT_EQ(form->SkStylist1->Theme()->GetName(), "Luna");
    EXPECT_EQ(form->Color(), TColor(RGB(255, 251, 247)));
    Tabs tabs;
    form->GetTabOrderList(tabs);
    ASSERT_GE(tabs.size(), 4u);
    EXPECT_EQ(Tabs(tabs.begin(), tabs.begin() + 4),
              (Tabs{form->doc, form->SkThemeButton1, form->dcd, form->acd}));

    // The logo is the committed picture, behind its class name and length.
    const std::string logo = ReadFileBytes(SHEETMILL_SOURCE_DIR "/resources/logo.jpg");
    const std::vector<uint8_t> data = form->Image1->Picture()->SaveToData();
    const uint32_t length = uint32_t(logo.size());
    EXPECT_EQ(std::string(data.begin(), data.end()),
              "\x0ATJPEGImage" + std::string(reinterpret_cast<const char*>(&length), 4) + logo);
}

TEST_F(SheetMillForms, EditorAsStored)
{
    const Owned<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    for (TOpenDialog* dialog : {form->op, static_cast<TOpenDialog*>(form->sv)}) {
        EXPECT_EQ(dialog->Filter(), "Plik cue|*.cue");
        EXPECT_EQ(dialog->DefaultExt(), "*.cue");
    }
    // The stored orders 0, 3, 4, 5 close up: memo, load, save, template.
    Tabs tabs;
    form->GetTabOrderList(tabs);
    EXPECT_EQ(tabs, (Tabs{form->editer, form->SkThemeButton1, form->SkThemeButton2,
                          form->SkThemeButton3}));
}

} // namespace
