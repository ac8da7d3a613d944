#include "app/cuefile.h"
#include "app/cuesheet.h"
#include "framework/base/exceptions.h"
#include "framework/base/linebreaks.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// What the main window does: compose, normalise through the memo, write
// under the name formed from the image path.
void WriteSheetFor(const std::string& imagePath, const std::string& imageName)
{
    WriteCueSheet(NormalizeLineBreaks(ComposeCueSheet(imageName), TLeadBytes()),
                  CueFileName(imagePath));
}

const char Example[] = "FILE \"gra.bin\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00";

TEST(CueFile, WorkedExampleLandsInTheCurrentFolder)
{
    TempFolder folder;
    WriteSheetFor("D:\\Obrazy\\gra.bin", "gra.bin");
    const std::string bytes = ReadFileBytes(folder.PathOf("gra.bin.cue"));
    EXPECT_EQ(bytes, Example);
    ASSERT_EQ(bytes.size(), 67u);
    EXPECT_EQ(bytes.back(), '0');  // no break after line 3
}

TEST(CueFile, DriveOnlyPathAndBlanksInTheName)
{
    TempFolder folder;
    WriteSheetFor("C:gra.iso", "gra.iso");
    EXPECT_TRUE(FileExists(folder.PathOf("gra.iso.cue")));
    WriteSheetFor("C:\\x\\my disc.bin", "my disc.bin");
    EXPECT_EQ(ReadFileBytes(folder.PathOf("my disc.bin.cue")).substr(0, 27),
              "FILE \"my disc.bin\" BINARY\r\n");
}

TEST(CueFile, ExistingSheetIsOverwrittenAndASecondWriteIsIdentical)
{
    TempFolder folder;
    WriteFileBytes("gra.bin.cue", std::string(500, 'z'));
    WriteSheetFor("gra.bin", "gra.bin");
    EXPECT_EQ(ReadFileBytes("gra.bin.cue"), Example);
    WriteSheetFor("gra.bin", "gra.bin");
    EXPECT_EQ(ReadFileBytes("gra.bin.cue"), Example);
}

TEST(CueFile, EmptyTextGivesAnEmptyFile)
{
    TempFolder folder;
    WriteCueSheet("", "empty.cue");
    EXPECT_EQ(ReadFileBytes("empty.cue"), "");
}

TEST(CueFile, UncreatableFileRaisesAndWritesNothing)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("gra.bin.cue", nullptr));
    try {
        WriteSheetFor("gra.bin", "gra.bin");
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + folder.PathOf("gra.bin.cue") + "\". ",
                                    0),
                  0u)
            << e.Message();
    }
    EXPECT_TRUE(GetFileAttributesA("gra.bin.cue") & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
