#include "app/cuefile.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

// The text's bytes exactly, breaks and all, replacing a longer old file.
TEST(WriteCueSheet, ReplacesTheFileWithExactlyTheText)
{
    TempFolder folder;
    WriteFileBytes("gra.bin.cue", std::string(500, 'z'));
    const std::string texts[] = {"FILE \"a\"\r\nTRACK\n\r", std::string("a\0b", 3), ""};
    for (const std::string& text : texts) {
        WriteCueSheet(text, "gra.bin.cue");
        EXPECT_EQ(ReadFileBytes("gra.bin.cue"), text);
    }
}

} // namespace
