#include "app/cuefile.h"
#include "framework/base/exceptions.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The text's bytes exactly, breaks and all, replacing a longer old file.
TEST(WriteCueSheet, ReplacesTheFileWithExactlyTheText)
{
    TempFolder folder;
    WriteFileBytes("gra.bin.cue", std::string(500, 'z'));
    for (const std::string& text : std::initializer_list<std::string>{"FILE \"gra.bin\" BINARY\r\n  TRACK\n\r", std::string("a\0b", 3), ""}) {
        WriteCueSheet(text, "gra.bin.cue");
        EXPECT_EQ(ReadFileBytes("gra.bin.cue"), text);
    }
}

// The callers report the failure: it must not be swallowed.
TEST(WriteCueSheet, UncreatableFileRaises)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("gra.bin.cue", nullptr));
    EXPECT_THROW(WriteCueSheet("FILE", "gra.bin.cue"), EFCreateError);
}

} // namespace
