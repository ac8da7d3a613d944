// The themed controls in a stored description: read as the main window
// stores them, written back to the same text, and linked to a stylist of
// another form that goes first.
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "styling/controls/sklabel.h"
#include "styling/controls/themebuttons.h"
#include "styling/controls/themecheckboxs.h"
#include "tests/support/skcontroltest.h"

#include <gtest/gtest.h>

namespace {

class SkDescriptionTest : public SkControlsTest {};

// As the main window stores them, less the positions; the stylist lives on
// another form.
const char* const Description =
    "object Form3: TForm\r\n"
    "  object SkThemeLabel1: TSkThemeLabel\r\n"
    "    Caption = 'Wybierz plik obrazu:'\r\n"
    "    Color = clBtnFace\r\n"
    "    ParentColor = False\r\n"
    "    Performance = kspNoBuffer\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object SkThemeButton1: TSkThemeButton\r\n"
    "    Caption = '...'\r\n"
    "    State = kbsNormal\r\n"
    "    WordWrap = False\r\n"
    "    BlackAndWhiteGlyph = False\r\n"
    "    Kind = bkCancel\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object dcd: TSkThemeRadioButton\r\n"
    "    Caption = 'Automatycznie'\r\n"
    "    Checked = True\r\n"
    "    TabStop = True\r\n"
    "    Spacing = 5\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object acd: TSkThemeRadioButton\r\n"
    "    Caption = 'R'#281'cznie'\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object CheckBox1: TSkCustomCheckBox\r\n"
    "    AllowGrayed = True\r\n"
    "    State = cbGrayed\r\n"
    "    Alignment = ktaRightJustify\r\n"
    "  end\r\n"
    "end\r\n";

} // namespace

TEST_F(SkDescriptionTest, TheControlsReadAsStoredWriteTheSameTextAndDropAStylistThatGoes)
{
    FormPtr host = NewForm();
    host->SetName("StylistHost");
    auto* stylist = new TSkStylist(host.get());
    stylist->SetName("SkStylist1");

    Owned<TForm> form(static_cast<TForm*>(ReadComponentText(Description)));
    auto* button = static_cast<TSkThemeButton*>(form->FindComponent("SkThemeButton1"));
    auto* label = static_cast<TSkThemeLabel*>(form->FindComponent("SkThemeLabel1"));
    auto* automatic = static_cast<TSkThemeRadioButton*>(form->FindComponent("dcd"));
    auto* manual = static_cast<TSkThemeRadioButton*>(form->FindComponent("acd"));
    auto* box = static_cast<TSkCustomCheckBox*>(form->FindComponent("CheckBox1"));
    ASSERT_TRUE(button && label && automatic && manual && box);
    EXPECT_EQ(std::pair(button->Stylist(), label->Stylist()), std::pair(stylist, stylist));
    EXPECT_EQ(std::pair(button->Kind(), button->ModalResult()), std::pair(bkCancel, int(mrCancel)));
    EXPECT_EQ(button->Caption(), "...");
    EXPECT_EQ(manual->WideCaption(), L"R\u0119cznie");
    EXPECT_TRUE(automatic->Checked() && automatic->TabStop());
    EXPECT_FALSE(manual->Checked() || manual->TabStop());
    EXPECT_EQ(std::pair(box->State(), box->Alignment()), std::pair(cbGrayed, ktaRightJustify));
    // Sized by its caption once read.
    EXPECT_EQ(label->Height(), Render(label)->Height() - 4);
    EXPECT_GT(label->Width(), 65);

    const std::string written = WriteComponentText(form.get());
    for (const char* line : {"Stylist = StylistHost.SkStylist1", "State = kbsNormal", "Kind = bkCancel",
                             "WordWrap = False", "BlackAndWhiteGlyph = False", "State = cbGrayed"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
    EXPECT_EQ(written.find("Version"), std::string::npos);
    Owned<TForm> again(static_cast<TForm*>(ReadComponentText(written)));
    EXPECT_EQ(WriteComponentText(again.get()), written);

    auto* againButton = static_cast<TSkThemeButton*>(again->FindComponent("SkThemeButton1"));
    EXPECT_EQ(againButton->Stylist(), stylist);
    host.reset();
    for (TSkStylist* link : {button->Stylist(), againButton->Stylist(), label->Stylist(),
                             automatic->Stylist(), manual->Stylist()})
        EXPECT_EQ(link, nullptr);
    Render(button);
    Render(automatic);
}
