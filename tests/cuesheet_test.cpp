#include "app/cuesheet.h"
#include "framework/base/codepages.h"
#include "framework/base/linebreaks.h"

#include <gtest/gtest.h>

namespace {

// The sheet as it is stored: composed, then normalised by the memo.
std::string StoredSheet(const std::string& imageName)
{
    return NormalizeLineBreaks(ComposeCueSheet(imageName), TLeadBytes());
}

TEST(CueSheet, WorkedExampleIsExactly67Bytes)
{
    const std::string sheet = StoredSheet("gra.bin");
    EXPECT_EQ(sheet,
              "FILE \"gra.bin\" BINARY\r\n"
              "  TRACK 01 MODE1/2352\r\n"
              "    INDEX 01 00:00:00");
    EXPECT_EQ(sheet.size(), 67u);
}

TEST(CueSheet, ComposedLinesAreSeparatedByALoneCr)
{
    EXPECT_EQ(ComposeCueSheet("a"),
              "FILE \"a\" BINARY\r  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
}

TEST(CueSheet, NameStandsBetweenTheQuotesUnchanged)
{
    EXPECT_EQ(StoredSheet("my disc.bin").substr(0, 27), "FILE \"my disc.bin\" BINARY\r\n");
    EXPECT_EQ(StoredSheet(" x ").substr(0, 18), "FILE \" x \" BINARY\r");
    EXPECT_EQ(StoredSheet("C:\\a\"b").substr(0, 20), "FILE \"C:\\a\"b\" BINARY");
}

TEST(CueSheet, EmptyNameGivesTwoAdjacentQuotes)
{
    const std::string sheet = StoredSheet("");
    EXPECT_EQ(sheet.substr(0, sheet.find('\r')), "FILE \"\" BINARY");
    EXPECT_EQ(sheet.size(), 60u);
}

TEST(CueSheet, LengthIsSixtyPlusTheName)
{
    for (size_t n : {1u, 7u, 100u, 255u})
        EXPECT_EQ(StoredSheet(std::string(n, 'x')).size(), 60 + n);
}

TEST(CueFileName, AppendsCueToTheWholeNameAndDropsTheFolder)
{
    EXPECT_EQ(CueFileName("D:\\Obrazy\\gra.bin"), "gra.bin.cue");
    EXPECT_EQ(CueFileName("disc.iso"), "disc.iso.cue");
    EXPECT_EQ(CueFileName("C:gra.iso"), "gra.iso.cue");
    EXPECT_EQ(CueFileName("\\\\server\\share\\my disc.nrg"), "my disc.nrg.cue");
    EXPECT_EQ(CueFileName("a:b\\c:d.bin"), "d.bin.cue");
    EXPECT_EQ(CueFileName(""), ".cue");
}

TEST(CueFileName, TrailByteThatLooksLikeABackslashIsPartOfTheName)
{
    // In code page 932, 0x95 0x5C is one character whose second byte is '\'.
    const TLeadBytes sjis = LeadBytesOfCodePage(932);
    EXPECT_EQ(CueFileName("C:\\d\\\x95\\.bin", sjis), "\x95\\.bin.cue");
    EXPECT_EQ(CueFileName("C:\\d\\\x95\\.bin"), ".bin.cue");
}

} // namespace
