// libFuzzer target over the byte-level description parser: any input either
// parses or raises EDescriptionError, and whatever parses formats to text
// that parses back to the same tree.
#include "framework/components/descriptionparser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TDescObject tree;
    try {
        tree = ParseDescription(reinterpret_cast<const char*>(data), size);
    } catch (const EDescriptionError&) {
        return 0;
    }
    const std::string text = FormatDescription(tree);
    const TDescObject back = ParseDescription(text);
    if (!SameDescription(tree, back) || FormatDescription(back) != text)
        std::abort();
    return 0;
}
