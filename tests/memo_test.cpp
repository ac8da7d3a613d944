// The memo over the native multi-line edit: line breaks, capacity, its
// line list, and the text kept across window changes.
#include "framework/base/clipboard.h"
#include "framework/controls/edit.h"
#include "tests/support/raises.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// A memo on a form whose WM_SETTEXT and change notifications are counted.
struct CountedMemo {
    FormPtr form = NewForm();
    TMemo* memo = AddControl<TMemo>(form.get(), 8, 8, 257, 153);
    TStrings* lines = memo->Lines();
    int setTexts = 0, changes = 0;

    CountedMemo()
    {
        TWndMethod old = memo->WindowProc;
        memo->WindowProc = [this, old](TMessage& m) {
            setTexts += m.Msg == WM_SETTEXT;
            old(m);
        };
        memo->OnChange = [this](TObject*) { ++changes; };
    }
    std::string Shown() const { return WindowText(memo->Handle()); }
};

// Lines of 50 characters filling size characters, the last one cut short.
std::string OrdinaryLines(size_t size)
{
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "line " + std::to_string(100000 + i) + std::string(37, '.') + "\r\n";
    text.resize(size);
    return text;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(MemoText, BreaksBecomeCrLfAnEqualTextIsNotSetAgainAndBinaryTextIsHeld)
{
    CountedMemo m;
    const std::string sheet = "FILE \"gra.bin\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00";
    m.lines->SetText("FILE \"gra.bin\" BINARY\r  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
    EXPECT_EQ(m.Shown(), sheet);
    EXPECT_EQ(m.lines->Count(), 3);
    EXPECT_EQ(m.lines->Strings(1), "  TRACK 01 MODE1/2352");
    m.lines->SetText(sheet);  // the same sheet in any break form: the window is not touched
    m.lines->SetText("FILE \"gra.bin\" BINARY\n  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
    EXPECT_EQ(std::make_pair(m.setTexts, m.changes), std::make_pair(1, 1));
    m.lines->SetText("a\r\n\r\nb\r\n");
    EXPECT_EQ(m.lines->Count(), 3);  // a break at the end adds no line

    std::string binary;  // every byte value; a NUL cannot live in the window: a blank
    for (int b = 0; b < 4 * 256; ++b)
        binary += static_cast<char>(b);
    m.lines->SetText(binary);
    const std::string back = m.memo->Text();
    EXPECT_EQ(back.find('\0'), std::string::npos);
    EXPECT_EQ(back.size(), binary.size() + 8);  // 4 lone LFs and 4 lone CRs
    EXPECT_EQ(back[0], ' ');
    EXPECT_EQ(static_cast<unsigned char>(back.back()), 0xFF);
}

TEST(MemoText, ATextTheMemoCannotHoldRaisesAndKeepsTheOldText)
{
    CountedMemo m;
    m.lines->SetText("old");
    std::string huge;  // ten megabytes in 400,000 lines
    for (int i = 0; i < 400000; ++i)
        huge += "line " + std::to_string(100000 + i) + " of a long text\n";
    // Lines cost the window far more than their characters, and more still
    // with control characters on them: a second and a half each, or more.
    std::string shortLines, tabbedLines;
    for (int i = 0; i < 200000; ++i)
        shortLines += "x\n";
    for (int i = 0; i < 20000; ++i)
        tabbedLines += "\t\t\t\t\n";
    const std::pair<int, std::string> cases[] = {  // the limit, the text
        {10, std::string(11, 'x')}, {10, "\n\n\n\n\nx"}, {0, huge},
        {0, OrdinaryLines(m.memo->Capacity()) + "x"}, {0, "a\r\n" + std::string(65537, 'x')},
        {0, shortLines}, {0, tabbedLines}};
    const auto start = std::chrono::steady_clock::now();
    for (const auto& [maxLength, text] : cases) {
        m.memo->SetMaxLength(maxLength);
        EXPECT_EQ(MessageOf<EInvalidOperation>([&] { m.lines->SetText(text); }), MemoCapacityMessage) << text.size();
        EXPECT_EQ(m.Shown(), "old");
    }
    EXPECT_LT(SecondsSince(start), 5.0);
    m.memo->SetMaxLength(10);
    m.lines->SetText("\n\n\n\n\n");  // just fits
    EXPECT_EQ(m.memo->Text(), "\r\n\r\n\r\n\r\n\r\n");

    // A limit set on the window directly counts as well, and adding a line
    // past it leaves the lines as they were.
    m.memo->SetMaxLength(0);
    m.lines->SetText("abc");
    SendMessageA(m.memo->Handle(), EM_LIMITTEXT, 6, 0);
    EXPECT_EQ(MessageOf<EInvalidOperation>([&] { m.lines->Add("defg"); }), MemoCapacityMessage);
    EXPECT_EQ(m.memo->Text(), "abc");
    EXPECT_EQ(m.changes, 3);
}

TEST(MemoLines, TheTextLivesInTheObjectWithoutAWindowAndLineEditsReachTheWindow)
{
    FormPtr form = NewForm();
    auto* memo = new TMemo(form.get());
    std::string big;  // past the 30,000 characters a fresh edit window takes
    for (int i = 0; i < 400; ++i)
        big += std::string(98, 'w') + "\r\n";
    memo->Lines()->SetText("first\nsecond\r" + big);
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->Lines()->Count(), 402);
    memo->SetParent(form.get());
    EXPECT_EQ(WindowText(memo->Handle()), "first\r\nsecond\r\n" + big);
    memo->SetWordWrap(false);  // a new window
    EXPECT_EQ(WindowText(memo->Handle()), "first\r\nsecond\r\n" + big);
    memo->Lines()->SetText("after");
    memo->SetParent(nullptr);
    EXPECT_EQ(memo->Text(), "after");
    memo->SetParent(form.get());
    EXPECT_EQ(WindowText(memo->Handle()), "after");

    TStrings* lines = memo->Lines();  // line edits go through the window
    lines->Clear();
    EXPECT_EQ(WindowText(memo->Handle()), "");
    lines->Add("one");
    lines->Add("three");
    lines->Insert(1, "two");
    EXPECT_EQ(WindowText(memo->Handle()), "one\r\ntwo\r\nthree");
    lines->Put(2, "THREE");
    lines->Delete(0);
    EXPECT_EQ(lines->Text(), "two\r\nTHREE");
    EXPECT_THROW(lines->Delete(2), EStringListError);
    EXPECT_THROW(lines->Insert(3, "x"), EStringListError);
    lines->SetText("a\r\n");  // a typed break at the end stays when a line is added
    lines->Add("b");
    EXPECT_EQ(memo->Text(), "a\r\nb\r\n");

    // Return goes to the form when the memo does not want it.
    EXPECT_NE(SendMessageA(memo->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
    memo->SetWantReturns(false);
    EXPECT_EQ(SendMessageA(memo->Handle(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTALLKEYS | DLGC_WANTTAB), 0);
}

// Small texts wrap as asked; a large one, or one with a line too long to
// wrap at once, shows unwrapped; either loads within a second or two.
TEST(MemoText, LargeTextsAndLongLinesShowUnwrappedAtOnce)
{
    CountedMemo m;
    m.form->Show();
    const std::pair<std::string, bool> cases[] = {  // the text, wrapped
        {OrdinaryLines(size_t(1) << 20), false},
        {std::string(4000, 'x'), true},  // the longest line that wraps
        {"sheet\r\n" + std::string(4000, 'x'), false},
        {OrdinaryLines(size_t(1) << 16), true},
        {OrdinaryLines((size_t(1) << 16) + 1), false},
        {std::string(65536, 'x'), false},
        {std::string(10000, '\t'), false},
        {"short", true}};
    m.memo->SetFocus();
    for (const auto& [text, wrapped] : cases) {
        SCOPED_TRACE(text.size());
        const auto start = std::chrono::steady_clock::now();
        m.lines->SetText(text);
        UpdateWindow(m.memo->Handle());
        EXPECT_LT(SecondsSince(start), 2.0);
        EXPECT_EQ(m.Shown(), text);
        EXPECT_EQ(m.memo->Wraps(), wrapped);
        EXPECT_EQ((GetWindowLongPtrA(m.memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL) == 0, wrapped);
        EXPECT_EQ(GetFocus(), m.memo->Handle());
    }
    EXPECT_EQ(m.changes, 8);

    // A long line pasted goes through the same limits: shown unwrapped, the
    // caret after it; one just too long is refused.
    SendMessageA(m.memo->Handle(), EM_SETSEL, 1, 1);
    ASSERT_TRUE(Clipboard().SetAsText(std::string(65534, 'p') + "\n"));
    SendMessageA(m.memo->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(m.memo->Text(), "s" + std::string(65534, 'p') + "\r\nhort");
    EXPECT_EQ(std::make_pair(m.memo->Wraps(), m.memo->SelStart()), std::make_pair(false, 65537));
    ASSERT_TRUE(Clipboard().SetAsText(std::string(65537, 'p')));
    EXPECT_EQ(MessageOf<EInvalidOperation>([&] { m.memo->Perform(WM_PASTE, 0, 0); }), MemoCapacityMessage);
}
