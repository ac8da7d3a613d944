#include "framework/components/descriptionparser.h"

namespace {

// Deeper nesting than any real form; keeps hostile input off the stack.
constexpr int kMaxDepth = 64;

class TParser {
public:
    TParser(const char* data, size_t size) : lexer_(data, size) { Advance(); }

    TDescObject ParseRoot()
    {
        TDescObject root = ParseObject(0);
        if (token_.Kind != TDescTokenKind::End)
            Fail("text after the final 'end'");
        return root;
    }

private:
    void Advance() { token_ = lexer_.Next(); }

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw EDescriptionError(token_.Line, message);
    }

    bool IsSymbol(char c) const
    {
        return token_.Kind == TDescTokenKind::Symbol && token_.Text[0] == c;
    }

    bool IsWord(const char* word) const
    {
        return token_.Kind == TDescTokenKind::Ident && token_.Text == word;
    }

    void Expect(char c)
    {
        if (!IsSymbol(c))
            Fail(std::string("'") + c + "' expected" + Found());
        Advance();
    }

    std::string Found() const
    {
        switch (token_.Kind) {
        case TDescTokenKind::End: return " but the text ends";
        case TDescTokenKind::Ident:
        case TDescTokenKind::Symbol: return " but found '" + token_.Text + "'";
        default: return "";
        }
    }

    std::string ExpectIdent(const char* what)
    {
        if (token_.Kind != TDescTokenKind::Ident)
            Fail(std::string(what) + " expected" + Found());
        std::string text = token_.Text;
        Advance();
        return text;
    }

    std::string DottedName(const char* what)
    {
        std::string name = ExpectIdent(what);
        while (IsSymbol('.')) {
            Advance();
            name += "." + ExpectIdent(what);
        }
        return name;
    }

    TDescObject ParseObject(int depth)
    {
        if (depth > kMaxDepth)
            Fail("objects nested too deeply");
        if (!IsWord("object"))
            Fail("'object' expected" + Found());
        TDescObject object;
        object.Line = token_.Line;
        Advance();
        // "object : TClass" holds an unnamed component.
        if (!IsSymbol(':'))
            object.Name = ExpectIdent("component name");
        Expect(':');
        object.ClassName = ExpectIdent("class name");
        while (!IsWord("end")) {
            if (IsWord("object"))
                object.Children.push_back(ParseObject(depth + 1));
            else
                object.Properties.push_back(ParseProperty());
        }
        Advance();
        return object;
    }

    TDescProperty ParseProperty()
    {
        TDescProperty property;
        property.Line = token_.Line;
        property.Name = DottedName("property name or 'end'");
        Expect('=');
        property.Value = ParseValue();
        return property;
    }

    TDescValue ParseValue()
    {
        TDescValue value;
        value.Line = token_.Line;
        switch (token_.Kind) {
        case TDescTokenKind::Integer:
            value.Kind = TDescValueKind::Integer;
            value.Integer = token_.Integer;
            Advance();
            return value;
        case TDescTokenKind::String:
            value.Kind = TDescValueKind::String;
            value.String = std::move(token_.String);
            Advance();
            return value;
        case TDescTokenKind::Binary:
            value.Kind = TDescValueKind::Binary;
            value.Binary = std::move(token_.Binary);
            Advance();
            return value;
        case TDescTokenKind::Ident:
            value.Kind = TDescValueKind::Ident;
            value.Ident = DottedName("identifier");
            return value;
        default:
            break;
        }
        if (IsSymbol('['))
            return ParseSet(value);
        if (IsSymbol('('))
            return ParseList(value);
        Fail("value expected" + Found());
    }

    TDescValue ParseSet(TDescValue& value)
    {
        value.Kind = TDescValueKind::Set;
        Advance();
        if (!IsSymbol(']')) {
            value.Items.push_back(ExpectIdent("set member"));
            while (IsSymbol(',')) {
                Advance();
                value.Items.push_back(ExpectIdent("set member"));
            }
        }
        Expect(']');
        return value;
    }

    TDescValue ParseList(TDescValue& value)
    {
        value.Kind = TDescValueKind::List;
        Advance();
        while (token_.Kind == TDescTokenKind::String) {
            value.Strings.push_back(std::move(token_.String));
            Advance();
        }
        Expect(')');
        return value;
    }

    TDescriptionLexer lexer_;
    TDescToken token_;
};

void AppendHexLines(std::string& out, const std::vector<uint8_t>& data, const std::string& indent)
{
    static const char digits[] = "0123456789ABCDEF";
    // 32 bytes to a line keeps the text under 80 columns at usual depths.
    for (size_t i = 0; i < data.size(); ++i) {
        if (i % 32 == 0)
            out += "\r\n" + indent;
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 15]);
    }
}

void AppendValue(std::string& out, const TDescValue& v, const std::string& indent)
{
    switch (v.Kind) {
    case TDescValueKind::Integer:
        out += std::to_string(v.Integer);
        break;
    case TDescValueKind::Ident:
        out += v.Ident;
        break;
    case TDescValueKind::String:
        out += QuoteDescriptionString(v.String);
        break;
    case TDescValueKind::Set:
        out += "[";
        for (size_t i = 0; i < v.Items.size(); ++i)
            out += (i ? ", " : "") + v.Items[i];
        out += "]";
        break;
    case TDescValueKind::List:
        out += "(";
        for (const auto& s : v.Strings)
            out += "\r\n" + indent + "  " + QuoteDescriptionString(s);
        out += ")";
        break;
    case TDescValueKind::Binary:
        out += "{";
        AppendHexLines(out, v.Binary, indent + "  ");
        out += "}";
        break;
    }
}

void AppendObject(std::string& out, const TDescObject& o, const std::string& indent)
{
    out += indent + "object " + o.Name + ": " + o.ClassName + "\r\n";
    const std::string inner = indent + "  ";
    for (const auto& p : o.Properties) {
        out += inner + p.Name + " = ";
        AppendValue(out, p.Value, inner);
        out += "\r\n";
    }
    for (const auto& child : o.Children)
        AppendObject(out, child, inner);
    out += indent + "end\r\n";
}

} // namespace

TDescObject ParseDescription(const char* data, size_t size)
{
    return TParser(data, size).ParseRoot();
}

std::string QuoteDescriptionString(const std::u16string& s)
{
    if (s.empty())
        return "''";
    std::string out;
    bool quoted = false;
    for (char16_t c : s) {
        const bool printable = c >= 0x20 && c < 0x7F;
        if (printable != quoted) {
            out.push_back('\'');
            quoted = printable;
        }
        if (!printable) {
            out += "#" + std::to_string(static_cast<unsigned>(c));
        } else {
            if (c == u'\'')
                out.push_back('\'');
            out.push_back(static_cast<char>(c));
        }
    }
    if (quoted)
        out.push_back('\'');
    return out;
}

std::string FormatDescription(const TDescObject& root)
{
    std::string out;
    AppendObject(out, root, "");
    return out;
}

bool TDescValue::operator==(const TDescValue& o) const
{
    if (Kind != o.Kind)
        return false;
    switch (Kind) {
    case TDescValueKind::Integer: return Integer == o.Integer;
    case TDescValueKind::Ident: return Ident == o.Ident;
    case TDescValueKind::String: return String == o.String;
    case TDescValueKind::Set: return Items == o.Items;
    case TDescValueKind::List: return Strings == o.Strings;
    case TDescValueKind::Binary: return Binary == o.Binary;
    }
    return false;
}

bool SameDescription(const TDescObject& a, const TDescObject& b)
{
    if (a.Name != b.Name || a.ClassName != b.ClassName ||
        a.Properties.size() != b.Properties.size() || a.Children.size() != b.Children.size())
        return false;
    for (size_t i = 0; i < a.Properties.size(); ++i)
        if (a.Properties[i].Name != b.Properties[i].Name ||
            a.Properties[i].Value != b.Properties[i].Value)
            return false;
    for (size_t i = 0; i < a.Children.size(); ++i)
        if (!SameDescription(a.Children[i], b.Children[i]))
            return false;
    return true;
}
