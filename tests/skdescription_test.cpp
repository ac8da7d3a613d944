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

const char* const Description =
    "object Form3: TForm\r\n"
    "  object SkThemeLabel1: TSkThemeLabel\r\n"
    "    Left = 64\r\n"
    "    Top = 8\r\n"
    "    Caption = 'Wybierz plik obrazu:'\r\n"
    "    Color = clBtnFace\r\n"
    "    ParentColor = False\r\n"
    "    Performance = kspNoBuffer\r\n"
    "    Transparent = True\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object SkThemeButton1: TSkThemeButton\r\n"
    "    Left = 240\r\n"
    "    Top = 24\r\n"
    "    Width = 49\r\n"
    "    Caption = '...'\r\n"
    "    Performance = kspDoubleBuffer\r\n"
    "    Transparent = False\r\n"
    "    State = kbsNormal\r\n"
    "    WordWrap = False\r\n"
    "    BlackAndWhiteGlyph = False\r\n"
    "    Kind = bkCancel\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object dcd: TSkThemeRadioButton\r\n"
    "    Left = 56\r\n"
    "    Top = 48\r\n"
    "    Caption = 'Automatycznie'\r\n"
    "    Checked = True\r\n"
    "    TabStop = True\r\n"
    "    Alignment = ktaLeftJustify\r\n"
    "    Spacing = 5\r\n"
    "    WordWrap = False\r\n"
    "    Transparent = True\r\n"
    "    Performance = kspDoubleBuffer\r\n"
    "    Stylist = StylistHost.SkStylist1\r\n"
    "  end\r\n"
    "  object acd: TSkThemeRadioButton\r\n"
    "    Left = 160\r\n"
    "    Top = 48\r\n"
    "    Caption = 'R'#281'cznie'\r\n"
    "    GroupIndex = 0\r\n"
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
    EXPECT_EQ(button->Stylist(), stylist);
    EXPECT_EQ(label->Stylist(), stylist);
    EXPECT_EQ(std::pair(button->Kind(), button->ModalResult()), std::pair(bkCancel, int(mrCancel)));
    EXPECT_EQ(button->Caption(), "...");
    EXPECT_EQ(manual->WideCaption(), L"R\u0119cznie");
    EXPECT_TRUE(automatic->Checked() && automatic->TabStop());
    EXPECT_FALSE(manual->Checked() || manual->TabStop());
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(box->Alignment(), ktaRightJustify);
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
    EXPECT_EQ(button->Stylist(), nullptr);
    EXPECT_EQ(againButton->Stylist(), nullptr);
    EXPECT_EQ(label->Stylist(), nullptr);
    EXPECT_EQ(automatic->Stylist(), nullptr);
    EXPECT_EQ(manual->Stylist(), nullptr);
    Render(button);
    Render(automatic);
}
