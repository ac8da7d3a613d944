// The tree of a stored form description, parsed from bytes and formatted
// back. Byte-level, free of windows.h. The reader and writer turn this tree
// into components and back; the text format is shown in descriptionlexer.h.
#pragma once

#include "framework/components/descriptionlexer.h"

enum class TDescValueKind { Integer, Ident, String, Set, List, Binary };

struct TDescValue {
    TDescValueKind Kind = TDescValueKind::Integer;
    int Line = 0;
    int64_t Integer = 0;
    std::string Ident;                   // may be dotted: Form1.SkStylist1
    std::u16string String;
    std::vector<std::string> Items;      // set members
    std::vector<std::u16string> Strings; // string list
    std::vector<uint8_t> Binary;

    bool operator==(const TDescValue& o) const;
    bool operator!=(const TDescValue& o) const { return !(*this == o); }
};

struct TDescProperty {
    std::string Name;                    // may be dotted: Animation.Enabled
    TDescValue Value;
    int Line = 0;
};

struct TDescObject {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TDescProperty> Properties;
    std::vector<TDescObject> Children;
};

// Parses one object with its children; anything after its "end" is an error.
TDescObject ParseDescription(const char* data, size_t size);
inline TDescObject ParseDescription(const std::string& text)
{
    return ParseDescription(text.data(), text.size());
}

// The text of a tree, two spaces per level, lines ending in CR LF.
std::string FormatDescription(const TDescObject& root);
// A string value as the format writes it: printable ASCII quoted, the rest #n.
std::string QuoteDescriptionString(const std::u16string& s);

bool SameDescription(const TDescObject& a, const TDescObject& b);
