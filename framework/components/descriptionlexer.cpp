#include "framework/components/descriptionlexer.h"

namespace {

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

EDescriptionError::EDescriptionError(int line, const std::string& message)
    : EReadError(line > 0 ? "Line " + std::to_string(line) + ": " + message : message),
      line_(line)
{
}

bool DecodeUtf8(const char* s, size_t size, size_t& pos, std::u16string& out)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int extra;
    uint32_t cp;
    if (b0 < 0x80) {
        out.push_back(b0);
        ++pos;
        return true;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        return false;
    }
    if (pos + extra >= size)
        return false;
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return false;
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
    pos += extra + 1;
    return true;
}

std::u16string Utf8ToUtf16(const std::string& s)
{
    std::u16string out;
    size_t pos = 0;
    while (pos < s.size())
        if (!DecodeUtf8(s.data(), s.size(), pos, out)) {
            out.push_back(0xFFFD);
            ++pos;
        }
    return out;
}

TDescriptionLexer::TDescriptionLexer(const char* data, size_t size) : data_(data), size_(size)
{
}

void TDescriptionLexer::Fail(const std::string& message) const
{
    throw EDescriptionError(line_, message);
}

void TDescriptionLexer::SkipSpace()
{
    while (!AtEnd()) {
        const char c = Peek();
        if (c == '\n')
            ++line_;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
        ++pos_;
    }
}

TDescToken TDescriptionLexer::Next()
{
    SkipSpace();
    if (AtEnd()) {
        TDescToken t;
        t.Line = line_;
        return t;
    }
    const char c = Peek();
    if (IsIdentStart(c))
        return ReadIdent();
    if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$')))
        return ReadInteger();
    if (c == '\'' || c == '#')
        return ReadString();
    if (c == '{')
        return ReadBinary();
    static const std::string symbols = "=:[](),.";
    if (symbols.find(c) == std::string::npos) {
        const auto b = static_cast<unsigned char>(c);
        Fail(b >= 0x20 && b < 0x7F ? std::string("unexpected character '") + c + "'"
                                   : "unexpected byte " + std::to_string(b));
    }
    TDescToken t;
    t.Kind = TDescTokenKind::Symbol;
    t.Line = line_;
    t.Text = std::string(1, c);
    ++pos_;
    return t;
}

TDescToken TDescriptionLexer::ReadIdent()
{
    TDescToken t;
    t.Kind = TDescTokenKind::Ident;
    t.Line = line_;
    while (!AtEnd() && (IsIdentStart(Peek()) || IsDigit(Peek())))
        t.Text.push_back(data_[pos_++]);
    return t;
}

TDescToken TDescriptionLexer::ReadInteger()
{
    TDescToken t;
    t.Kind = TDescTokenKind::Integer;
    t.Line = line_;
    const bool negative = Peek() == '-';
    if (negative)
        ++pos_;
    const bool hex = Peek() == '$';
    if (hex)
        ++pos_;
    const uint64_t base = hex ? 16 : 10;
    // Up to 2^63 for a negative number, 2^63 - 1 otherwise; hex up to 2^64 - 1
    // so that colours like $FF00000F read as written.
    const uint64_t limit = hex ? UINT64_MAX : (negative ? (uint64_t(1) << 63) : uint64_t(INT64_MAX));
    uint64_t value = 0;
    int digits = 0;
    while (!AtEnd()) {
        const int d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (d < 0)
            break;
        if (value > (limit - d) / base)
            Fail("number out of range");
        value = value * base + d;
        ++digits;
        ++pos_;
    }
    if (digits == 0)
        Fail("malformed number");
    if (IsIdentStart(Peek()))
        Fail("malformed number");
    t.Integer = negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
    return t;
}

TDescToken TDescriptionLexer::ReadString()
{
    TDescToken t;
    t.Kind = TDescTokenKind::String;
    t.Line = line_;
    // Quoted runs and #n codes join when they touch: 'a'#10'b'.
    while (!AtEnd() && (Peek() == '\'' || Peek() == '#')) {
        if (Peek() == '\'')
            ReadQuoted(t.String);
        else
            ReadCharCode(t.String);
    }
    return t;
}

void TDescriptionLexer::ReadQuoted(std::u16string& out)
{
    ++pos_;
    for (;;) {
        if (AtEnd())
            Fail("unterminated string");
        const char c = Peek();
        if (c == '\n' || c == '\r')
            Fail("unterminated string");
        if (c == '\'') {
            if (Peek(1) != '\'') {
                ++pos_;
                return;
            }
            out.push_back(u'\'');
            pos_ += 2;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            Fail("control character in string; write it as #" +
                 std::to_string(static_cast<unsigned char>(c)));
        if (!DecodeUtf8(data_, size_, pos_, out))
            Fail("string is not valid UTF-8");
    }
}

void TDescriptionLexer::ReadCharCode(std::u16string& out)
{
    ++pos_;
    uint32_t value = 0;
    int digits = 0;
    while (!AtEnd() && IsDigit(Peek())) {
        value = value * 10 + (Peek() - '0');
        if (value > 0xFFFF)
            Fail("character code out of range");
        ++digits;
        ++pos_;
    }
    if (digits == 0)
        Fail("malformed character code");
    out.push_back(static_cast<char16_t>(value));
}

TDescToken TDescriptionLexer::ReadBinary()
{
    TDescToken t;
    t.Kind = TDescTokenKind::Binary;
    t.Line = line_;
    ++pos_;
    int high = -1;
    for (;;) {
        SkipSpace();
        if (AtEnd())
            Fail("unterminated binary data");
        const char c = Peek();
        if (c == '}') {
            ++pos_;
            break;
        }
        const int v = HexValue(c);
        if (v < 0)
            Fail("invalid character in binary data");
        ++pos_;
        if (high < 0) {
            high = v;
        } else {
            t.Binary.push_back(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    if (high >= 0)
        throw EDescriptionError(t.Line, "binary data has an odd number of hex digits");
    return t;
}
