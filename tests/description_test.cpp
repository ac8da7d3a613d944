// The text format of stored form descriptions: parsing, formatting, errors.
#include "framework/components/descriptionparser.h"

#include <gtest/gtest.h>

namespace {

// The line an error names, or -1 when the text parses.
int ErrorLine(const std::string& text, std::string* message = nullptr)
{
    try {
        ParseDescription(text);
    } catch (const EDescriptionError& e) {
        if (message)
            *message = e.what();
        return e.Line();
    }
    return -1;
}

TEST(DescriptionText, ParsesEveryValueKind)
{
    const TDescObject d = ParseDescription(
        "object Form1: TForm1\n"
        "  Left = -12\n"
        "  Color = $FF00000F\n"
        "  Caption = 'R'#281'cznie '''#13#10\n"
        "  Utf8 = 'Ręcznie'\n"
        "  Icons = [kbiClose, kbiHelp]\n"
        "  None = []\n"
        "  Lines = (\n"
        "    'one'\n"
        "    'two')\n"
        "  Stylist = Form1.SkStylist1\n"
        "  ThemeClass = {\n"
        "    04000000 4C75\n"
        "    6e61}\n"
        "  object doc: TEdit\n"
        "    Animation.Enabled = True\n"
        "  end\n"
        "  object : TUnnamed\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(d.Name, "Form1");
    EXPECT_EQ(d.ClassName, "TForm1");
    ASSERT_EQ(d.Properties.size(), 9u);
    EXPECT_EQ(d.Properties[0].Value.Integer, -12);
    EXPECT_EQ(d.Properties[1].Value.Integer, 0xFF00000F);
    EXPECT_EQ(d.Properties[2].Value.String, u"R\u0119cznie '\r\n");
    EXPECT_EQ(d.Properties[3].Value.String, u"R\u0119cznie");
    EXPECT_EQ(d.Properties[4].Value.Items, (std::vector<std::string>{"kbiClose", "kbiHelp"}));
    EXPECT_TRUE(d.Properties[5].Value.Items.empty());
    EXPECT_EQ(d.Properties[6].Value.Strings, (std::vector<std::u16string>{u"one", u"two"}));
    EXPECT_EQ(d.Properties[7].Value.Ident, "Form1.SkStylist1");
    EXPECT_EQ(d.Properties[8].Value.Binary,
              (std::vector<uint8_t>{4, 0, 0, 0, 'L', 'u', 'n', 'a'}));
    EXPECT_EQ(d.Properties[8].Line, 12);
    ASSERT_EQ(d.Children.size(), 2u);
    EXPECT_EQ(d.Children[0].Properties[0].Name, "Animation.Enabled");
    EXPECT_EQ(d.Children[0].Line, 15);
    EXPECT_EQ(d.Children[1].Name, "");
}

TEST(DescriptionText, FormatsAndReadsBackTheSameTree)
{
    TDescObject root;
    root.Name = "Form2";
    root.ClassName = "TForm2";
    auto add = [&](const char* name, TDescValue v) { root.Properties.push_back({name, v, 0}); };
    TDescValue v;
    v.Kind = TDescValueKind::String;
    // Every kind of character: quotes, controls, non-ASCII, a lone surrogate.
    v.String = u"it's \u0000\u007F\u00E9\u4E2D\U0001F600\xD800 end";
    add("Caption", v);
    v.String.clear();
    add("Empty", v);
    v = TDescValue();
    v.Kind = TDescValueKind::Binary;
    for (int i = 0; i < 100; ++i)
        v.Binary.push_back(static_cast<uint8_t>(i * 37));
    add("Data", v);
    v.Binary.clear();
    add("NoData", v);
    v = TDescValue();
    v.Kind = TDescValueKind::List;
    v.Strings = {u"a", u"", u"\u00FF"};
    add("Lines", v);
    v = TDescValue();
    v.Integer = INT64_MIN;
    add("Min", v);
    v.Integer = INT64_MAX;
    add("Max", v);
    TDescObject child;
    child.Name = "editer";
    child.ClassName = "TSkThemeMemo";
    root.Children.push_back(child);

    const std::string text = FormatDescription(root);
    const TDescObject back = ParseDescription(text);
    EXPECT_TRUE(SameDescription(root, back)) << text;
    EXPECT_EQ(FormatDescription(back), text);
    // The text itself is plain ASCII.
    for (char c : text)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(DescriptionText, QuotesPrintableRunsAndCodesTheRest)
{
    EXPECT_EQ(QuoteDescriptionString(u""), "''");
    EXPECT_EQ(QuoteDescriptionString(u"a'b"), "'a''b'");
    EXPECT_EQ(QuoteDescriptionString(u"R\u0119cznie"), "'R'#281'cznie'");
    EXPECT_EQ(QuoteDescriptionString(u"\r\n"), "#13#10");
}

TEST(DescriptionText, MalformedTextNamesTheLine)
{
    std::string message;
    EXPECT_EQ(ErrorLine("", &message), 1);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = 1\n", &message), 3);  // truncated
    EXPECT_NE(message.find("ends"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n  X = 'abc\nend\n", &message), 2);
    EXPECT_NE(message.find("unterminated string"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n\n  D = {ABC}\nend", &message), 3);
    EXPECT_NE(message.find("odd number"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n  D = {0G}\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  D = {00\nend"), 3);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = 99999999999999999999\nend", &message), 2);
    EXPECT_NE(message.find("out of range"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n  X = 12ab\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = #65536\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = #\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = '\xC3\x28'\nend", &message), 2);
    EXPECT_NE(message.find("UTF-8"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n  X = 'a\tb'\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X 1\nend", &message), 2);
    EXPECT_NE(message.find("'=' expected"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("object A: TA\n  X = [a b]\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = [a,]\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = ('a' 1)\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = \nend"), 3);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = ;\nend"), 2);
    EXPECT_EQ(ErrorLine("object A: TA\n  X = \x01\nend"), 2);
    EXPECT_EQ(ErrorLine("object A TA\nend"), 1);
    EXPECT_EQ(ErrorLine("object A: TA\nend\nobject B: TB\nend\n", &message), 3);
    EXPECT_NE(message.find("after the final"), std::string::npos) << message;
    EXPECT_EQ(ErrorLine("thing A: TA\nend"), 1);
    EXPECT_EQ(ErrorLine("object A: TA\n  X.= 1\nend"), 2);
    std::string deep;
    for (int i = 0; i < 200; ++i)
        deep += "object A: TA\n";
    EXPECT_EQ(ErrorLine(deep, &message), 66);
    EXPECT_NE(message.find("nested too deeply"), std::string::npos) << message;
}

TEST(DescriptionText, AcceptsCrLfAndTabs)
{
    const TDescObject d = ParseDescription("object A: TA\r\n\tX = 1\r\nend\r\n");
    ASSERT_EQ(d.Properties.size(), 1u);
    EXPECT_EQ(d.Properties[0].Line, 2);
}

} // namespace
