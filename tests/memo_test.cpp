// The memo over the native multi-line edit: line breaks, capacity, its
// line list, and the text kept across window changes.
#include "framework/forms/application.h"
#include "framework/controls/edit.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "tests/support/tempfolder.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

FormPtr NewForm()
{
    FormPtr form(TCustomForm::Create<TForm>(nullptr));
    form->SetBounds(40, 40, 300, 200);
    return form;
}

// A memo on a form whose WM_SETTEXT and change notifications are counted.
struct CountedMemo {
    FormPtr form = NewForm();
    TMemo* memo = new TMemo(form.get());
    int setTexts = 0;
    int changes = 0;

    CountedMemo()
    {
        memo->SetParent(form.get());
        memo->SetBounds(8, 8, 257, 153);
        memo->HandleNeeded();
        TWndMethod old = memo->WindowProc;
        memo->WindowProc = [this, old](TMessage& m) {
            if (m.Msg == WM_SETTEXT)
                ++setTexts;
            old(m);
        };
        memo->OnChange = [this](TObject*) { ++changes; };
    }
};

std::string Capacity(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EInvalidOperation& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(MemoText, EveryLineBreakBecomesCrLfAndAnEqualTextIsNotSetAgain)
{
    CountedMemo m;
    m.memo->Lines()->SetText("FILE \"gra.bin\" BINARY\r  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
    const std::string sheet = "FILE \"gra.bin\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00";
    EXPECT_EQ(WindowText(m.memo->Handle()), sheet);
    EXPECT_EQ(m.memo->Text().size(), 67u);
    EXPECT_EQ(m.memo->Lines()->Count(), 3);
    EXPECT_EQ(m.memo->Lines()->Strings(1), "  TRACK 01 MODE1/2352");
    EXPECT_EQ(m.setTexts, 1);
    EXPECT_EQ(m.changes, 1);

    // The same sheet again, in any break form: the window is not touched.
    m.memo->Lines()->SetText(sheet);
    m.memo->Lines()->SetText("FILE \"gra.bin\" BINARY\n  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
    EXPECT_EQ(m.setTexts, 1);
    EXPECT_EQ(m.changes, 1);

    m.memo->Lines()->SetText("a\n\nb\r\rc\r\n\nd\n\re\r");
    EXPECT_EQ(WindowText(m.memo->Handle()), "a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n\r\ne\r\n");
    EXPECT_EQ(m.setTexts, 2);
    EXPECT_EQ(m.changes, 2);
    // A break at the end adds no line; the empty ones in between count.
    EXPECT_EQ(m.memo->Lines()->Count(), 9);
}

TEST(MemoText, ATextTheMemoCannotHoldRaisesAndKeepsTheOldText)
{
    CountedMemo m;
    m.memo->Lines()->SetText("old");
    m.memo->SetMaxLength(10);
    EXPECT_EQ(Capacity([&] { m.memo->Lines()->SetText(std::string(11, 'x')); }),
              "Text exceeds memo capacity");
    EXPECT_EQ(WindowText(m.memo->Handle()), "old");
    // Breaks count after they became CR LF: 5 lone LFs are 10 characters.
    EXPECT_EQ(Capacity([&] { m.memo->Lines()->SetText("\n\n\n\n\nx"); }),
              "Text exceeds memo capacity");
    EXPECT_EQ(m.memo->Text(), "old");
    m.memo->Lines()->SetText("\n\n\n\n\n");
    EXPECT_EQ(m.memo->Text(), "\r\n\r\n\r\n\r\n\r\n");

    // A limit set on the window directly counts as well, and adding a line
    // past it leaves the lines as they were.
    m.memo->SetMaxLength(0);
    m.memo->Lines()->SetText("abc");
    SendMessageA(m.memo->Handle(), EM_LIMITTEXT, 6, 0);
    EXPECT_EQ(Capacity([&] { m.memo->Lines()->Add("defg"); }), "Text exceeds memo capacity");
    EXPECT_EQ(m.memo->Lines()->Count(), 1);
    EXPECT_EQ(m.changes, 3);

    // The application's default handler shows the text in its stop box.
    std::string shown, caption;
    unsigned flags = 0;
    Application->MessageBoxFunc = [&](HWND owner, const std::string& text, const std::string& c,
                                      unsigned f) {
        EXPECT_EQ(owner, Application->Handle());
        shown = text;
        caption = c;
        flags = f;
        return IDOK;
    };
    try {
        m.memo->Lines()->SetText("far too long for six");
    } catch (...) {
        Application->HandleException(m.memo);
    }
    Application->MessageBoxFunc = nullptr;
    EXPECT_EQ(shown, "Text exceeds memo capacity.");
    EXPECT_EQ(caption, Application->Title());
    EXPECT_EQ(flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(m.memo->Text(), "abc");
}

TEST(MemoText, HugeTextsAreRefusedAndBinaryOnesHeldWithoutHarm)
{
    CountedMemo m;
    m.memo->Lines()->SetText("kept");
    // Ten megabytes in 400,000 lines: far past what a memo holds.
    std::string huge;
    for (int i = 0; i < 400000; ++i)
        huge += "line " + std::to_string(100000 + i) + " of a long text\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Capacity([&] { m.memo->Lines()->SetText(huge); }), "Text exceeds memo capacity");
    // Just past the limit once the breaks are CR LF.
    ASSERT_EQ(m.memo->Capacity(), 65536u);
    std::string justPast(m.memo->Capacity(), 'x');
    justPast[10] = '\n';
    EXPECT_EQ(Capacity([&] { m.memo->Lines()->SetText(justPast); }), "Text exceeds memo capacity");
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
    EXPECT_EQ(m.memo->Text(), "kept");
    EXPECT_EQ(m.setTexts, 1);

    // Every byte value; a NUL cannot live in the window and shows as a blank.
    std::string binary;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b)
            binary += static_cast<char>(b);
    m.memo->Lines()->SetText(binary);
    const std::string back = m.memo->Text();
    EXPECT_EQ(back.find('\0'), std::string::npos);
    EXPECT_EQ(back.size(), binary.size() + 8);  // 4 lone LFs and 4 lone CRs
    EXPECT_EQ(back[0], ' ');
    EXPECT_EQ(static_cast<unsigned char>(back.back()), 0xFF);

    // Noise (a picture loaded by mistake), wrapped; as much as fits.
    std::string noise(60000, '\0');
    uint32_t seed = 12345;
    for (char& c : noise) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    const auto noiseStart = std::chrono::steady_clock::now();
    m.memo->Lines()->SetText(noise);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - noiseStart).count(),
              20.0);
    EXPECT_GE(m.memo->Text().size(), noise.size());
}

TEST(MemoLines, EditingLoadingAndSavingGoThroughTheWindow)
{
    CountedMemo m;
    TStrings* lines = m.memo->Lines();
    lines->Add("one");
    lines->Add("three");
    lines->Insert(1, "two");
    EXPECT_EQ(WindowText(m.memo->Handle()), "one\r\ntwo\r\nthree");
    lines->Put(2, "THREE");
    lines->Delete(0);
    EXPECT_EQ(lines->Count(), 2);
    EXPECT_EQ(lines->Strings(0), "two");
    EXPECT_EQ(lines->Text(), "two\r\nTHREE");
    EXPECT_THROW(lines->Delete(2), EStringListError);
    EXPECT_THROW(lines->Insert(3, "x"), EStringListError);

    // A typed break at the end stays when a line is added.
    lines->SetText("a\r\n");
    lines->Add("b");
    EXPECT_EQ(m.memo->Text(), "a\r\nb\r\n");

    TempFolder folder;
    {
        std::ofstream out(folder.PathOf("lf.cue"), std::ios::binary);
        out << "FILE \"x.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00";
    }
    lines->LoadFromFile(folder.PathOf("lf.cue"));
    EXPECT_EQ(lines->Count(), 3);
    lines->SaveToFile(folder.PathOf("crlf.cue"));
    std::ifstream in(folder.PathOf("crlf.cue"), std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved, "FILE \"x.bin\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00");

    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
    EXPECT_EQ(WindowText(m.memo->Handle()), "");
}

TEST(MemoLines, TheTextLivesInTheObjectWithoutAWindowAndSurvivesRecreation)
{
    FormPtr form = NewForm();
    auto* memo = new TMemo(form.get());
    // No parent yet: the memo keeps the text itself.
    // Past the 30,000 characters a fresh edit window takes by default.
    std::string big;
    for (int i = 0; i < 400; ++i)
        big += std::string(98, 'w') + "\r\n";
    memo->Lines()->SetText("first\nsecond\r" + big);
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->Lines()->Count(), 402);
    memo->SetParent(form.get());
    HWND window = memo->Handle();
    EXPECT_EQ(WindowText(window), "first\r\nsecond\r\n" + big);

    // Styles that need a new window keep the text.
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    memo->SetAlignment(taRightJustify);
    EXPECT_NE(GetWindowLongPtrA(memo->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_NE(GetWindowLongPtrA(memo->Handle(), GWL_STYLE) & ES_RIGHT, 0);
    EXPECT_EQ(WindowText(memo->Handle()), "first\r\nsecond\r\n" + big);
    memo->Lines()->SetText("after");
    memo->SetParent(nullptr);
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->Text(), "after");
    memo->SetParent(form.get());
    EXPECT_EQ(WindowText(memo->Handle()), "after");
}

TEST(MemoLines, ReturnGoesToTheFormWhenTheMemoDoesNotWantIt)
{
    CountedMemo m;
    LRESULT code = SendMessageA(m.memo->Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_NE(code & DLGC_WANTALLKEYS, 0);
    m.memo->SetWantReturns(false);
    code = SendMessageA(m.memo->Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(code & DLGC_WANTALLKEYS, 0);
    EXPECT_EQ(code & DLGC_WANTTAB, 0);
}

TEST(MemoLines, StoredAsAStringListUnderLinesStrings)
{
    const std::string text =
        "object Form1: TForm\n"
        "  object cue: TMemo\n"
        "    Visible = False\n"
        "    Lines.Strings = (\n"
        "      'cue')\n"
        "    WantReturns = False\n"
        "    WordWrap = False\n"
        "  end\n"
        "end\n";
    TComponent* root = ReadComponentText(text);
    auto* form = static_cast<TForm*>(root);
    auto* cue = static_cast<TMemo*>(form->FindComponent("cue"));
    ASSERT_NE(cue, nullptr);
    EXPECT_EQ(cue->Text(), "cue");
    EXPECT_FALSE(cue->WantReturns());
    // The hidden memo gets its window with the form's, holding the text.
    form->HandleNeeded();
    ASSERT_TRUE(cue->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(cue->Handle()));
    EXPECT_EQ(WindowText(cue->Handle()), "cue");
    const std::string written = WriteComponentText(form);
    EXPECT_NE(written.find("Lines.Strings = ("), std::string::npos) << written;
    EXPECT_NE(written.find("'cue'"), std::string::npos) << written;
    EXPECT_EQ(written.find("AutoSize"), std::string::npos) << written;
    EXPECT_EQ(written.find("Caption"), std::string::npos) << written;
    EXPECT_EQ(written.find("TabStop"), std::string::npos) << written;
    cue->Lines()->SetText("");
    EXPECT_EQ(WriteComponentText(form).find("Lines"), std::string::npos);
    form->Free();
}
