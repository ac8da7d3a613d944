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

// The first count windowed controls in tab order (the memo's in-place
// scroll bars come last).
Tabs TabOrder(TWinControl* form, size_t count)
{
    Tabs tabs;
    form->GetTabOrderList(tabs);
    return Tabs(tabs.begin(), tabs.begin() + std::min(tabs.size(), count));
}

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
    EXPECT_EQ(std::pair(form->ClientWidth(), form->ClientHeight()), std::pair(294, 89));
    // The stored theme is made while the description is read, the stored
    // clSilver gives way to the theme's window colour, and every themed
    // control and the frame paint through that one stylist.
    TSkStylist* stylist = form->SkStylist1;
    EXPECT_EQ(stylist->Theme()->GetName(), "Luna");
    EXPECT_EQ(form->Color(), stylist->Theme()->GetColor(kcWindow));
    for (TSkStylist* link : {form->SkThemeForm1->Stylist(), form->SkThemeLabel1->Stylist(),
                             form->doc->Stylist(), form->SkThemeButton1->Stylist(),
                             form->dcd->Stylist(), form->acd->Stylist(), form->progre->Stylist()})
        EXPECT_EQ(link, stylist);
    EXPECT_EQ(TabOrder(form.get(), 5),
              (Tabs{form->doc, form->SkThemeButton1, form->dcd, form->acd, form->cue}));

    // The logo is the committed picture, behind its class name and length.
    const std::string logo = ReadFileBytes(SHEETMILL_SOURCE_DIR "/resources/logo.jpg");
    const std::vector<uint8_t> data = form->Image1->Picture()->SaveToData();
    const uint32_t length = uint32_t(logo.size());
    EXPECT_EQ(std::string(data.begin(), data.end()),
              "\x0ATJPEGImage" + std::string(reinterpret_cast<const char*>(&length), 4) + logo);
}

// The editor names the main window's stylist; a colour shift made there
// before the editor is read shows in the memo instead of its stored colour.
TEST_F(SheetMillForms, EditorAsStored)
{
    const Owned<TForm1> main(TCustomForm::Create<TForm1>(nullptr));
    main->SkStylist1->SetDeltaBrightness(-40);
    const Owned<TForm2> form(TCustomForm::Create<TForm2>(nullptr));
    for (TOpenDialog* dialog : {form->op, static_cast<TOpenDialog*>(form->sv)}) {
        EXPECT_EQ(dialog->Filter(), "Plik cue|*.cue");
        EXPECT_EQ(dialog->DefaultExt(), "*.cue");
    }
    EXPECT_EQ(std::pair(form->ClientWidth(), form->ClientHeight()), std::pair(274, 198));
    for (TSkStylist* link : {form->SkThemeForm1->Stylist(), form->editer->Stylist(),
                             form->SkThemeButton1->Stylist(), form->SkThemeButton2->Stylist(),
                             form->SkThemeButton3->Stylist()})
        EXPECT_EQ(link, main->SkStylist1);
    EXPECT_TRUE(form->SkThemeForm1->IsThemeAvailable()) << "the frame paints through the theme";
    EXPECT_EQ(form->editer->Color(), main->SkStylist1->Theme()->GetColor(kcWindow));
    // The stored orders 0, 3, 4, 5 close up: memo, load, save, template.
    EXPECT_EQ(TabOrder(form.get(), 4), (Tabs{form->editer, form->SkThemeButton1,
                                             form->SkThemeButton2, form->SkThemeButton3}));
}

} // namespace
