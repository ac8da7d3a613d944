// The program's main window as a stored description: read from the resource
// the program embeds, written back and read again, and named from another
// form as Form1.doc.
#include "app/unit1.h"
#include "framework/components/reader.h"
#include "framework/components/resources.h"
#include "framework/components/writer.h"
#include "styling/core/sksystem.h"
#include "styling/themes/skthemes.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredForms, TheMainWindowWrittenAndReadAgainWritesTheSameText)
{
    TSkControlsUnit skControls;
    RegisterSkThemes();
    const std::string first = WriteComponentText(Owned<TForm1>(TCustomForm::Create<TForm1>(nullptr)).get());
    Owned<TForm1> again(static_cast<TForm1*>(ReadComponentText(first)));
    EXPECT_EQ(WriteComponentText(again.get()), first);
    // The stylist keeps its theme by name, and the logo its picture data.
    EXPECT_EQ(again->SkStylist1->Theme()->GetName(), "Luna");
    EXPECT_NE(first.find("ThemeClass = {\r\n      040000004C756E61}"), std::string::npos) << first;
    EXPECT_EQ(again->Image1->Picture()->Width(), 39);
    EXPECT_THROW(ReadComponentResource(again.get(), "TNOSUCHFORM"), EResNotFound);
}

// A form read from text whose label names the main window's edit box and
// stylist, as the editor names the stylist.
const char* const LinkingForm =
    "object Form3: TForm\r\n"
    "  object Label1: TSkThemeLabel\r\n"
    "    FocusControl = Form1.doc\r\n"
    "    Stylist = Form1.SkStylist1\r\n"
    "  end\r\n"
    "end\r\n";

TEST(StoredForms, ALinkToAnotherFormResolvesInEitherOrderAndClears)
{
    for (bool mainFirst : {true, false}) {
        SCOPED_TRACE(mainFirst);
        Owned<TForm1> main(mainFirst ? TCustomForm::Create<TForm1>(nullptr) : nullptr);
        Owned<TForm> other(static_cast<TForm*>(ReadComponentText(LinkingForm)));
        auto* label = static_cast<TSkThemeLabel*>(other->FindComponent("Label1"));
        ASSERT_NE(label, nullptr);
        if (!main) {
            EXPECT_FALSE(label->FocusControl() || label->Stylist());  // both wait for Form1
            main.reset(TCustomForm::Create<TForm1>(nullptr));
        }
        EXPECT_EQ(label->FocusControl(), main->doc);
        EXPECT_EQ(label->Stylist(), main->SkStylist1);
        EXPECT_NE(WriteComponentText(other.get())
                      .find("FocusControl = Form1.doc\r\n    Stylist = Form1.SkStylist1\r\n"),
                  std::string::npos);
        if (mainFirst) {
            main.reset();
            EXPECT_FALSE(label->FocusControl() || label->Stylist());
        } else {
            other.reset();  // the edit box must not call into the freed label
        }
    }
}

} // namespace
