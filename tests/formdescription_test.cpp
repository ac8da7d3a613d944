// Forms built from the descriptions stored in the program.
#include "framework/base/linebreaks.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/components/properties.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "tests/support/tempfolder.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

namespace {

class TDescribedForm : public TForm {
    FW_DECLARE_CLASS(TDescribedForm)
public:
    using TForm::TForm;
    TCustomControl *Panel1 = nullptr, *Inner = nullptr, *Panel2 = nullptr;
    int shows = 0, clicks = 0;
    void FormShow(TObject*) { ++shows; }
    void PanelClick(TObject* sender) { clicks += sender == Panel1; }
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

TEST(FormDescription, TheFormReadsItsOwnDescriptionAndWritesItBack)
{
    Owned<TDescribedForm> form(TCustomForm::Create<TDescribedForm>(nullptr));
    // Fields are filled and bound handlers are called.
    ASSERT_TRUE(form->Panel1 && form->Inner && form->Panel2);
    form->Panel1->Click();
    EXPECT_EQ(form->clicks, 1);

    // Every stored value and nesting is there to write back: the same text,
    // with CR LF breaks and the stored tab orders 3 and 5 closed up; Left
    // and Top are the stored ones until the form is shown.
    std::string expected = NormalizeLineBreaks(
        ReadFileBytes(SHEETMILL_SOURCE_DIR "/tests/data/describedform.form"), TLeadBytes());
    expected.replace(expected.find("TabOrder = 3"), 12, "TabOrder = 0");
    expected.replace(expected.find("TabOrder = 5"), 12, "TabOrder = 1");
    EXPECT_EQ(WriteComponentText(form.get()), expected);

    form->Show();
    EXPECT_EQ(form->shows, 1);
    // Centred on the desktop, whatever Left and Top said.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(form->Left() + form->Width() / 2, (work.left + work.right) / 2, 1);
}

// The stored client size holds whatever frame the rest of the description
// gives the form.
TEST(FormDescription, TheClientSizeHoldsWhenTheFrameChangesLater)
{
    Owned<TForm> form(static_cast<TForm*>(ReadComponentText(
        "object Form9: TForm\r\n  ClientHeight = 100\r\n  ClientWidth = 200\r\n"
        "  BorderStyle = bsToolWindow\r\nend\r\n")));
    const RECT client = ClientRectOf(form->Handle());
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(200L, 100L));
}

} // namespace
