// Tokens of a stored form description. Byte-level, free of windows.h: the
// fuzzer builds it natively.
//
//   object Form1: TForm1
//     Caption = 'R'#281'cznie'       strings: quoted ASCII or UTF-8, #n = UTF-16 unit
//     Left = -12                      integers ($hex too)
//     Color = clBtnFace               identifiers
//     BorderIcons = [kbiClose]        sets
//     Lines = ('one' 'two')           string lists
//     Stylist = Form1.SkStylist1      dotted names
//     ThemeClass = {04000000 4C756E61}  binary data, hex
//     object doc: TSkThemeEdit ... end
//   end
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/exceptions.h"

// A malformed description; Line() is 1-based, 0 when not tied to a line.
class EDescriptionError : public EReadError {
public:
    EDescriptionError(int line, const std::string& message);
    int Line() const { return line_; }

private:
    int line_;
};

enum class TDescTokenKind { End, Ident, Integer, String, Binary, Symbol };

struct TDescToken {
    TDescTokenKind Kind = TDescTokenKind::End;
    int Line = 1;
    std::string Text;          // identifier, or the symbol character
    int64_t Integer = 0;
    std::u16string String;
    std::vector<uint8_t> Binary;
};

class TDescriptionLexer {
public:
    TDescriptionLexer(const char* data, size_t size);

    // The next token; raises EDescriptionError on a malformed one.
    TDescToken Next();
    int Line() const { return line_; }

private:
    void SkipSpace();
    TDescToken ReadIdent();
    TDescToken ReadInteger();
    TDescToken ReadString();
    TDescToken ReadBinary();
    void ReadQuoted(std::u16string& out);
    void ReadCharCode(std::u16string& out);
    [[noreturn]] void Fail(const std::string& message) const;
    bool AtEnd() const { return pos_ >= size_; }
    char Peek(size_t ahead = 0) const { return pos_ + ahead < size_ ? data_[pos_ + ahead] : '\0'; }

    const char* data_;
    size_t size_;
    size_t pos_ = 0;
    int line_ = 1;
};

// Appends the UTF-16 form of the UTF-8 sequence at s[pos...]; false when
// the bytes are not well-formed UTF-8. Advances pos past the sequence.
bool DecodeUtf8(const char* s, size_t size, size_t& pos, std::u16string& out);
std::u16string Utf8ToUtf16(const std::string& s);  // ill-formed bytes become U+FFFD
