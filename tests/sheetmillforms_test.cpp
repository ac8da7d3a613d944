// The program's two windows built from the descriptions it embeds: what the
// handlers rely on is where the descriptions put it.
#include "app/unit1.h"
#include "app/unit2.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FormDeleter {
    void operator()(TCustomForm* form) const { form->Free(); }
};

class SheetMillForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkThemes();
        Form1 = TCustomForm::Create<TForm1>(nullptr);
        main_.reset(Form1);
        Form2 = TCustomForm::Create<TForm2>(nullptr);
        editor_.reset(Form2);
    }
    void TearDown() override
    {
        editor_.reset();
        main_.reset();
        Form1 = nullptr;
        Form2 = nullptr;
    }
    TSkControlsUnit skControls_;
    std::unique_ptr<TForm1, FormDeleter> main_;
    std::unique_ptr<TForm2, FormDeleter> editor_;
};

TEST_F(SheetMillForms, MainWindowAsStored)
{
    TForm1* form = main_.get();
    EXPECT_EQ(form->WideCaption(), L"Sheet Mill by Quillon v. 0.2beta");
    EXPECT_EQ(form->ClientWidth(), 294);
    EXPECT_EQ(form->ClientHeight(), 89);
    EXPECT_EQ(form->Position(), poDesktopCenter);
    EXPECT_FALSE(form->Visible());

    ASSERT_NE(form->doc, nullptr);
    EXPECT_TRUE(form->doc->ReadOnly());
    EXPECT_EQ(form->doc->Text(), "");
    EXPECT_EQ(form->SkThemeButton1->Caption(), "...");
    EXPECT_EQ(form->SkThemeLabel1->Caption(), "Wybierz plik obrazu:");
    EXPECT_TRUE(form->dcd->Checked());
    EXPECT_FALSE(form->acd->Checked());
    EXPECT_EQ(form->acd->WideCaption(), L"R\u0119cznie");
    EXPECT_EQ(form->progre->Min(), 0);
    EXPECT_EQ(form->progre->Max(), 100);
    EXPECT_EQ(form->progre->Position(), 0);
    EXPECT_FALSE(form->cue->Visible());
    EXPECT_EQ(form->cue->Text(), "cue");
    EXPECT_EQ(form->obrazy->Filter(), "Obrazy CD|*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    EXPECT_EQ(form->obrazy->DefaultExt(), "*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    EXPECT_EQ(form->obrazy->FileName(), "");

    // The stored theme is made while the description is read, and the
    // stored clSilver gives way to the theme's window colour.
    ASSERT_NE(form->SkStylist1, nullptr);
    EXPECT_EQ(form->SkStylist1->Theme()->GetName(), "Luna");
    EXPECT_TRUE(form->SkStylist1->Theme()->IsAvailable());
    EXPECT_EQ(form->Color(), TColor(RGB(255, 251, 247)));

    std::vector<TWinControl*> tabs;
    form->GetTabOrderList(tabs);
    ASSERT_GE(tabs.size(), 4u);
    EXPECT_EQ(tabs[0], form->doc);
    EXPECT_EQ(tabs[1], form->SkThemeButton1);
    EXPECT_EQ(tabs[2], form->dcd);
    EXPECT_EQ(tabs[3], form->acd);
}

// The logo in the description is the committed picture, decoded.
TEST_F(SheetMillForms, MainWindowCarriesTheLogo)
{
    TPicture* picture = main_->Image1->Picture();
    EXPECT_EQ(picture->Width(), 39);
    EXPECT_EQ(picture->Height(), 48);
    const std::string logo = ReadFileBytes(SHEETMILL_SOURCE_DIR "/resources/logo.jpg");
    const std::vector<uint8_t> data = picture->SaveToData();
    const std::string prefix = "\x0ATJPEGImage";
    ASSERT_EQ(data.size(), prefix.size() + 4 + logo.size());
    EXPECT_EQ(std::string(data.begin(), data.begin() + prefix.size()), prefix);
    const size_t length = data[11] | data[12] << 8 | data[13] << 16 | size_t(data[14]) << 24;
    EXPECT_EQ(length, logo.size());
    EXPECT_EQ(std::string(data.begin() + 15, data.end()), logo);
    EXPECT_EQ(main_->Image1->Left(), 8);
    EXPECT_EQ(main_->Image1->Top(), 8);
    EXPECT_FALSE(main_->Image1->Stretch());
    EXPECT_FALSE(main_->Image1->Center());
}

TEST_F(SheetMillForms, EditorAsStored)
{
    TForm2* form = editor_.get();
    EXPECT_EQ(form->WideCaption(), L"Edytor Cue");
    EXPECT_EQ(form->ClientWidth(), 274);
    EXPECT_EQ(form->ClientHeight(), 198);
    EXPECT_EQ(form->Position(), poMainFormCenter);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->editer->Text(), "");
    EXPECT_EQ(form->SkThemeButton1->Caption(), "Wczytaj");
    EXPECT_EQ(form->SkThemeButton2->Caption(), "Zapisz");
    EXPECT_EQ(form->SkThemeButton3->Caption(), "CUE");
    for (TOpenDialog* dialog : {form->op, static_cast<TOpenDialog*>(form->sv)}) {
        EXPECT_EQ(dialog->Filter(), "Plik cue|*.cue");
        EXPECT_EQ(dialog->DefaultExt(), "*.cue");
        EXPECT_FALSE(dialog->Options().Contains(ofOverwritePrompt));
    }

    // The stored orders 0, 3, 4, 5 close up: memo, load, save, template.
    std::vector<TWinControl*> tabs;
    form->GetTabOrderList(tabs);
    ASSERT_EQ(tabs.size(), 4u);
    EXPECT_EQ(tabs[0], form->editer);
    EXPECT_EQ(tabs[1], form->SkThemeButton1);
    EXPECT_EQ(tabs[2], form->SkThemeButton2);
    EXPECT_EQ(tabs[3], form->SkThemeButton3);
}

} // namespace
