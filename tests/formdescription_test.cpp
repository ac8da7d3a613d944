// Forms built from the descriptions stored in the program.
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/base/linebreaks.h"
#include "framework/components/properties.h"
#include "framework/components/writer.h"
#include "tests/support/tempfolder.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

class TDescribedForm : public TForm {
    FW_DECLARE_CLASS(TDescribedForm)
public:
    using TForm::TForm;
    TCustomControl* Panel1 = nullptr;
    TCustomControl* Inner = nullptr;
    TCustomControl* Panel2 = nullptr;
    int shows = 0;
    int clicks = 0;
    void FormShow(TObject*) { ++shows; }
    void PanelClick(TObject* sender)
    {
        EXPECT_EQ(sender, Panel1);
        ++clicks;
    }
};
FW_IMPLEMENT_CLASS(TDescribedForm, TForm)
FW_PUBLISH(TDescribedForm)
{
    p.Field("Panel1", &T::Panel1);
    p.Field("Inner", &T::Inner);
    p.Field("Panel2", &T::Panel2);
    p.Handler("FormShow", &T::FormShow);
    p.Handler("PanelClick", &T::PanelClick);
}

// A form class with no description of its own.
class TBareForm : public TForm {
    FW_DECLARE_CLASS(TBareForm)
public:
    using TForm::TForm;
};
FW_IMPLEMENT_CLASS(TBareForm, TForm)

std::string SourceText()
{
    return ReadFileBytes(SHEETMILL_SOURCE_DIR "/tests/data/describedform.form");
}

TEST(FormDescription, TheFormReadsItsOwnDescription)
{
    TDescribedForm* form = TCustomForm::Create<TDescribedForm>(nullptr);
    EXPECT_EQ(form->Name(), "DescribedForm");
    EXPECT_EQ(form->Caption(), "Described");
    EXPECT_EQ(form->ClientWidth(), 294);
    EXPECT_EQ(form->ClientHeight(), 89);
    EXPECT_EQ(form->Color(), clSilver);
    EXPECT_EQ(form->BorderStyle(), bsToolWindow);
    EXPECT_EQ(form->BorderIcons(), TBorderIcons{biMinimize});
    EXPECT_EQ(form->Position(), poDesktopCenter);
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");

    // Fields are filled and children nest in their parents.
    ASSERT_NE(form->Panel1, nullptr);
    ASSERT_NE(form->Inner, nullptr);
    ASSERT_NE(form->Panel2, nullptr);
    EXPECT_EQ(form->Panel1->Parent(), form);
    EXPECT_EQ(form->Inner->Parent(), form->Panel1);
    EXPECT_EQ(form->Panel2->Cursor(), crIBeam);
    EXPECT_FALSE(form->Panel2->Enabled());
    // Stored tab orders 3 and 5 close up to consecutive places.
    EXPECT_EQ(form->Panel1->TabOrder(), 0);
    EXPECT_EQ(form->Panel2->TabOrder(), 1);

    // Handlers are bound by name.
    form->Panel1->Click();
    EXPECT_EQ(form->clicks, 1);
    form->Show();
    EXPECT_EQ(form->shows, 1);

    // Centred on the desktop, whatever Left and Top said.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(form->Left() + form->Width() / 2, (work.left + work.right) / 2, 1);
    form->Free();
}

void ReplaceOnce(std::string& text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
}

TEST(FormDescription, WritingGivesBackTheStoredText)
{
    TDescribedForm* form = TCustomForm::Create<TDescribedForm>(nullptr);
    // The same text, with CR LF breaks and the tab orders closed up; Left
    // and Top are the stored ones until the form is shown and centred.
    std::string expected = NormalizeLineBreaks(SourceText(), TLeadBytes());
    ReplaceOnce(expected, "TabOrder = 3", "TabOrder = 0");
    ReplaceOnce(expected, "TabOrder = 5", "TabOrder = 1");
    EXPECT_EQ(WriteComponentText(form), expected);
    form->Free();
}

TEST(FormDescription, FormsBuiltInCodeHaveNoDescription)
{
    TBareForm* form = TCustomForm::Create<TBareForm>(nullptr);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->Caption(), "");
    form->Free();
}

} // namespace
