// Line breaks made CR LF, byte by byte, minding double-byte code pages.
#include "framework/base/codepages.h"
#include "framework/base/linebreaks.h"

#include <gtest/gtest.h>

namespace {

TEST(LineBreaks, EveryKindOfBreakBecomesCrLfButNeverTheByteAfterALeadByte)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\rb", "a\r\nb"},
        {"a\nb", "a\r\nb"},
        {"a\n\rb", "a\r\n\r\nb"},  // LF then CR is two breaks
        {"\r\r\n\n", "\r\n\r\n\r\n"},
        {"x\r", "x\r\n"},
        {"\nx", "\r\nx"},
        {"one\rtwo\nthree\r\nfour", "one\r\ntwo\r\nthree\r\nfour"},
        {std::string("a\0b\xff\r", 5), std::string("a\0b\xff\r\n", 6)},
        {"", ""},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeLineBreaks(c.first, TLeadBytes()), c.second) << c.first;

    // The buffer is touched only when the text differs.
    std::string buffer = "a\r\nb";
    EXPECT_FALSE(AssignNormalizedText(buffer, "a\nb", TLeadBytes()));
    EXPECT_TRUE(AssignNormalizedText(buffer, "a\rc", TLeadBytes()));
    EXPECT_EQ(buffer, "a\r\nc");

    const TLeadBytes sjis = LeadBytesOfCodePage(932);
    ASSERT_TRUE(sjis.IsLead(0x81) && sjis.IsLead(0xE0) && !sjis.IsLead('A'));
    // 0x81 opens a double-byte character: the byte after it is copied with it.
    EXPECT_EQ(NormalizeLineBreaks("\x81\r", sjis), "\x81\r");
    EXPECT_EQ(NormalizeLineBreaks("\x81\n\n", sjis), "\x81\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks("\x82\xa0\rx", sjis), "\x82\xa0\r\nx");
    // A lead byte at the very end has no partner and stays as it is.
    EXPECT_EQ(NormalizeLineBreaks("a\n\x81", sjis), "a\r\n\x81");
    // Under a single-byte code page the same bytes are ordinary breaks.
    EXPECT_EQ(NormalizeLineBreaks("\x81\r", LeadBytesOfCodePage(1252)), "\x81\r\n");
    EXPECT_FALSE(LeadBytesOfCodePage(12345678).Any());  // unknown code page

    const uint8_t ranges[] = {0x81, 0x82, 0xF0, 0xF0, 0, 0, 0x10, 0x20};
    const TLeadBytes table = TLeadBytes::FromRanges(ranges, 4);
    EXPECT_TRUE(table.IsLead(0x82));
    EXPECT_FALSE(table.IsLead(0x83));
    EXPECT_TRUE(table.IsLead(0xF0));
    EXPECT_FALSE(table.IsLead(0x15));  // after the terminating pair
}

} // namespace
