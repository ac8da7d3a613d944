#include "framework/base/codepages.h"
#include "framework/base/linebreaks.h"

#include <gtest/gtest.h>

namespace {

std::string Normalize(const std::string& text)
{
    return NormalizeLineBreaks(text, TLeadBytes());
}

TEST(LineBreaks, EveryKindOfBreakBecomesCrLf)
{
    EXPECT_EQ(Normalize("a\rb"), "a\r\nb");
    EXPECT_EQ(Normalize("a\nb"), "a\r\nb");
    EXPECT_EQ(Normalize("a\r\nb"), "a\r\nb");
    EXPECT_EQ(Normalize("a\n\rb"), "a\r\n\r\nb");  // LF then CR is two breaks
    EXPECT_EQ(Normalize("\r\r\n\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(Normalize("x\r"), "x\r\n");
    EXPECT_EQ(Normalize("\nx"), "\r\nx");
}

TEST(LineBreaks, MixedTextKeepsEverythingElse)
{
    EXPECT_EQ(Normalize("one\rtwo\nthree\r\nfour"), "one\r\ntwo\r\nthree\r\nfour");
    const std::string binary("a\0b\xff\r", 5);
    EXPECT_EQ(Normalize(binary), std::string("a\0b\xff\r\n", 6));
}

TEST(LineBreaks, NormalisedTextComesOutUnchanged)
{
    for (const char* text : {"", "plain", "a\r\nb\r\n", "\r\n\r\n"})
        EXPECT_EQ(Normalize(text), text);
}

TEST(LineBreaks, AssignTouchesTheBufferOnlyWhenTheTextDiffers)
{
    std::string buffer = "a\r\nb";
    EXPECT_FALSE(AssignNormalizedText(buffer, "a\r\nb", TLeadBytes()));
    EXPECT_FALSE(AssignNormalizedText(buffer, "a\nb", TLeadBytes()));
    EXPECT_EQ(buffer, "a\r\nb");
    EXPECT_TRUE(AssignNormalizedText(buffer, "a\rc", TLeadBytes()));
    EXPECT_EQ(buffer, "a\r\nc");
}

TEST(LineBreaks, LeadByteOfCodePage932IsNeverTakenForABreak)
{
    const TLeadBytes sjis = LeadBytesOfCodePage(932);
    ASSERT_TRUE(sjis.IsLead(0x81));
    ASSERT_TRUE(sjis.IsLead(0xE0));
    ASSERT_FALSE(sjis.IsLead('A'));

    // 0x81 opens a double-byte character: the byte after it is copied with it.
    EXPECT_EQ(NormalizeLineBreaks("\x81\r", sjis), "\x81\r");
    EXPECT_EQ(NormalizeLineBreaks("\x81\n\n", sjis), "\x81\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks("\x82\xa0\rx", sjis), "\x82\xa0\r\nx");
    // A lead byte at the very end has no partner and stays as it is.
    EXPECT_EQ(NormalizeLineBreaks("a\n\x81", sjis), "a\r\n\x81");
    // Under a single-byte code page the same bytes are ordinary breaks.
    EXPECT_EQ(NormalizeLineBreaks("\x81\r", LeadBytesOfCodePage(1252)), "\x81\r\n");
}

TEST(LineBreaks, LeadByteTablesFromTheSystem)
{
    EXPECT_FALSE(LeadBytesOfCodePage(1252).Any());
    EXPECT_FALSE(LeadBytesOfCodePage(12345678).Any());  // unknown code page
    const uint8_t ranges[] = {0x81, 0x82, 0xF0, 0xF0, 0, 0, 0x10, 0x20};
    const TLeadBytes table = TLeadBytes::FromRanges(ranges, 4);
    EXPECT_TRUE(table.IsLead(0x81));
    EXPECT_TRUE(table.IsLead(0x82));
    EXPECT_FALSE(table.IsLead(0x83));
    EXPECT_TRUE(table.IsLead(0xF0));
    EXPECT_FALSE(table.IsLead(0x15));  // after the terminating pair
}

} // namespace
