#include "app/cuesheet.h"
#include "framework/base/codepages.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Three lines separated by a lone CR (the memo makes them CR LF), nothing
// after the last, and the name between the quotes exactly as given.
TEST(CueSheet, ThreeLinesAroundTheNameAsGiven)
{
    for (const std::string name : {"gra.bin", "my disc.bin", " x ", "C:\\a\"b", ""})
        EXPECT_EQ(ComposeCueSheet(name),
                  "FILE \"" + name + "\" BINARY\r  TRACK 01 MODE1/2352\r    INDEX 01 00:00:00");
}

// ".cue" goes after the whole name and the folder is dropped; with code page
// 932, 0x95 0x5C is one character whose second byte only looks like a '\'.
TEST(CueFileName, AppendsCueToTheWholeNameAndDropsTheFolder)
{
    const std::tuple<const char*, int, const char*> cases[] = {  // path, code page (0: none), name
        {"D:\\Obrazy\\gra.bin", 0, "gra.bin.cue"},
        {"disc.iso", 0, "disc.iso.cue"},
        {"C:gra.iso", 0, "gra.iso.cue"},
        {"\\\\server\\share\\my disc.nrg", 0, "my disc.nrg.cue"},
        {"a:b\\c:d.bin", 0, "d.bin.cue"},
        {"", 0, ".cue"},
        {"C:\\d\\\x95\\.bin", 932, "\x95\\.bin.cue"},
        {"C:\\d\\\x95\\.bin", 0, ".bin.cue"},
    };
    for (const auto& [path, codePage, name] : cases)
        EXPECT_EQ(CueFileName(path, codePage ? LeadBytesOfCodePage(codePage) : TLeadBytes()), name)
            << path;
}

} // namespace
