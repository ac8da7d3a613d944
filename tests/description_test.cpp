// The text format of stored form descriptions: parsing, formatting, errors.
#include "framework/components/descriptionparser.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// What the reader tests leave out: hexadecimal, UTF-8 in quotes, empty
// sets, spaced lower-case binary, unnamed objects, tabs, CR LF, lines.
TEST(DescriptionText, ParsesTheRarerForms)
{
    const TDescObject d = ParseDescription(
        "object Form1: TForm1\r\n"
        "\tColor = $FF00000F\r\n"
        "  Utf8 = 'Ręcznie'#13\n"
        "  None = []\n"
        "  ThemeClass = {\n"
        "    04000000 4C75\n"
        "    6e61}\n"
        "  Stylist = Form1.SkStylist1\n"
        "  object : TUnnamed\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(d.ClassName, "TForm1");
    ASSERT_EQ(d.Properties.size(), 5u);
    EXPECT_EQ(d.Properties[0].Value.Integer, 0xFF00000F);
    EXPECT_EQ(d.Properties[0].Line, 2);
    EXPECT_EQ(d.Properties[1].Value.String, u"R\u0119cznie\r");
    EXPECT_TRUE(d.Properties[2].Value.Items.empty());
    EXPECT_EQ(d.Properties[3].Value.Binary, (std::vector<uint8_t>{4, 0, 0, 0, 'L', 'u', 'n', 'a'}));
    EXPECT_EQ(d.Properties[4].Line, 8);
    EXPECT_EQ(d.Properties[4].Value.Ident, "Form1.SkStylist1");
    ASSERT_EQ(d.Children.size(), 1u);
    EXPECT_EQ(d.Children[0].Name, "");
    EXPECT_EQ(d.Children[0].Line, 9);
}

TEST(DescriptionText, FormatsPlainAsciiThatReadsBackTheSameTree)
{
    std::string data;  // long enough to be wrapped
    for (int i = 0; i < 100; ++i)
        data += "0123456789ABCDEF"[i * 37 % 16];
    const TDescObject root = ParseDescription(
        "object Form2: TForm2\n"
        // Every kind of character: quotes, controls, non-ASCII, a lone surrogate.
        "  Caption = 'it''s '#0#127#233#20013#55357#56832#55296' end'\n"
        "  Empty = ''\n"
        "  Data = {" + data + data + "}\n"
        "  NoData = {}\n"
        "  Lines = ('a' '' #255)\n"
        "  Min = -9223372036854775808\n"
        "  Max = 9223372036854775807\n"
        "  object editer: TMemo\n"
        "  end\n"
        "end\n");
    const std::string text = FormatDescription(root);
    const TDescObject back = ParseDescription(text);
    EXPECT_TRUE(SameDescription(root, back)) << text;
    EXPECT_EQ(FormatDescription(back), text);
    for (char c : text)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(root.Properties[5].Value.Integer, INT64_MIN);
    EXPECT_EQ(QuoteDescriptionString(u"R\u0119cznie\r\n"), "'R'#281'cznie'#13#10");
}

TEST(DescriptionText, MalformedTextNamesTheLine)
{
    // The text, the line the error names and words of its message.
    std::vector<std::tuple<std::string, int, const char*>> cases = {
        {"", 1, ""},
        {"object A: TA\n  X = 1\n", 3, "ends"},
        {"object A: TA\n  X = 'abc\nend\n", 2, "unterminated string"},
        {"object A: TA\n\n  D = {ABC}\nend", 3, "odd number"},
        {"object A: TA\n  D = {0G}\nend", 2, ""},
        {"object A: TA\n  X = 99999999999999999999\nend", 2, "out of range"},
        {"object A: TA\n  X = 12ab\nend", 2, ""},
        {"object A: TA\n  X = #65536\nend", 2, ""},
        {"object A: TA\n  X = #\nend", 2, ""},
        {"object A: TA\n  X = '\xC3\x28'\nend", 2, "UTF-8"},
        {"object A: TA\n  X = 'a\tb'\nend", 2, ""},
        {"object A: TA\n  X 1\nend", 2, "'=' expected"},
        {"object A: TA\n  X = [a b]\nend", 2, ""},
        {"object A: TA\n  X = ('a' 1)\nend", 2, ""},
        {"object A: TA\n  X = \nend", 3, ""},
        {"object A: TA\n  X = ;\nend", 2, ""},
        {"object A TA\nend", 1, ""},
        {"object A: TA\nend\nobject B: TB\nend\n", 3, "after the final"},
        {"thing A: TA\nend", 1, ""},
        {"object A: TA\n  X.= 1\nend", 2, ""},
    };
    std::string deep;
    for (int i = 0; i < 200; ++i)
        deep += "object A: TA\n";
    cases.emplace_back(deep, 66, "nested too deeply");
    for (const auto& [text, line, words] : cases) {
        SCOPED_TRACE(text);
        try {
            ParseDescription(text);
            ADD_FAILURE() << "parsed";
        } catch (const EDescriptionError& e) {
            EXPECT_EQ(e.Line(), line);
            EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
        }
    }
}

} // namespace
