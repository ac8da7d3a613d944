#include "framework/base/exceptions.h"
#include "framework/base/streams.h"
#include "framework/base/sysutils.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The message of the exception that action raises, or "" if none.
template <typename E, typename Action>
std::string MessageOf(Action action)
{
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    return "";
}

// What the system says for an error code, raw.
std::string RawSystemText(DWORD code)
{
    char buffer[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   buffer, sizeof buffer, nullptr);
    return buffer;
}

void ExpectCleanReason(const std::string& reason, DWORD code)
{
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(reason.back(), '.');
    EXPECT_NE(reason.back(), ' ');
    EXPECT_NE(reason.back(), '\n');
    EXPECT_NE(reason.back(), '\r');
    EXPECT_EQ(RawSystemText(code).rfind(reason, 0), 0u) << reason;
}

TEST(SysErrorMessage, DropsTrailingBlanksBreaksAndFullStops)
{
    ExpectCleanReason(SysErrorMessage(ERROR_ACCESS_DENIED), ERROR_ACCESS_DENIED);
    ExpectCleanReason(SysErrorMessage(ERROR_FILE_NOT_FOUND), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SysErrorMessage(0xDEADBEEF), "");
}

TEST(FileStream, CreateFailsOnAFolderNameWithPathAndReason)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("images", nullptr));
    const std::string message =
        MessageOf<EFCreateError>([] { TFileStream stream("images", fmCreate); });
    const std::string head = "Cannot create file \"" + folder.PathOf("images") + "\". ";
    ASSERT_EQ(message.rfind(head, 0), 0u) << message;
    ExpectCleanReason(message.substr(head.size()), ERROR_ACCESS_DENIED);
}

TEST(FileStream, CreateFailsOnAnInvalidNameWithPathAndReason)
{
    TempFolder folder;
    const std::string message =
        MessageOf<EFCreateError>([] { TFileStream stream("a<b>.cue", fmCreate); });
    const std::string head = "Cannot create file \"" + folder.PathOf("a<b>.cue") + "\". ";
    ASSERT_EQ(message.rfind(head, 0), 0u) << message;
    ExpectCleanReason(message.substr(head.size()), ERROR_INVALID_NAME);
}

TEST(FileStream, OpenFailsOnAMissingFileWithPathAndReason)
{
    TempFolder folder;
    const std::string message = MessageOf<EFOpenError>(
        [] { TFileStream stream("missing.cue", fmOpenRead | fmShareDenyWrite); });
    const std::string head = "Cannot open file \"" + folder.PathOf("missing.cue") + "\". ";
    ASSERT_EQ(message.rfind(head, 0), 0u) << message;
    ExpectCleanReason(message.substr(head.size()), ERROR_FILE_NOT_FOUND);
}

TEST(FileStream, AbsoluteNamesAreReportedAsGiven)
{
    TempFolder folder;
    const std::string path = folder.PathOf("no\\such\\folder.cue");
    const std::string message =
        MessageOf<EFCreateError>([&] { TFileStream stream(path, fmCreate); });
    EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
}

TEST(FileStream, ReadingAllowsOtherReadersButNoWriters)
{
    TempFolder folder;
    WriteFileBytes("a.cue", "abc\n");
    TFileStream reader("a.cue", fmOpenRead | fmShareDenyWrite);
    TFileStream secondReader("a.cue", fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(reader.ReadToEnd(), "abc\n");
    HANDLE writer = CreateFileA("a.cue", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE)
        CloseHandle(writer);
}

TEST(FileStream, ReadingFailsWhileSomeoneWrites)
{
    TempFolder folder;
    TFileStream writer("a.cue", fmCreate);
    EXPECT_NE(MessageOf<EFOpenError>([] { TFileStream r("a.cue", fmOpenRead | fmShareDenyWrite); }),
              "");
}

TEST(FileStream, ReadToEndStartsAtTheCurrentPosition)
{
    TempFolder folder;
    const std::string bytes("x\0y\r\nz", 6);
    WriteFileBytes("b.bin", bytes);
    TFileStream stream("b.bin", fmOpenRead);
    EXPECT_EQ(stream.Size(), 6);
    stream.SetPosition(2);
    EXPECT_EQ(stream.ReadToEnd(), bytes.substr(2));
    EXPECT_EQ(stream.ReadToEnd(), "");
}

TEST(FileStream, CreateTruncatesAndHoldsTheFileExclusively)
{
    TempFolder folder;
    WriteFileBytes("c.cue", "old content that is long");
    {
        TFileStream stream("c.cue", fmCreate);
        EXPECT_EQ(stream.Size(), 0);
        EXPECT_NE(MessageOf<EFOpenError>([] { TFileStream r("c.cue", fmOpenRead | fmShareDenyNone); }),
                  "");
        stream.WriteBuffer("new", 3);
    }
    EXPECT_EQ(ReadFileBytes("c.cue"), "new");
}

TEST(StreamBuffers, ShortTransfersRaise)
{
    TempFolder folder;
    WriteFileBytes("d.bin", "12");
    TFileStream readOnly("d.bin", fmOpenRead);
    EXPECT_EQ(MessageOf<EWriteError>([&] { readOnly.WriteBuffer("x", 1); }), "Stream write error");
    char buffer[3];
    EXPECT_EQ(MessageOf<EReadError>([&] { readOnly.ReadBuffer(buffer, 3); }), "Stream read error");
    readOnly.SetPosition(0);
    readOnly.ReadBuffer(buffer, 2);
    EXPECT_EQ(std::string(buffer, 2), "12");
}

// A stream that accepts only part of what it is given, like a full disk.
class HalfWritingStream : public TStream {
public:
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override { return count / 2; }
    int64_t Seek(int64_t, TSeekOrigin) override { return 0; }
};

TEST(StreamBuffers, PartialWriteRaisesStreamWriteError)
{
    HalfWritingStream stream;
    EXPECT_EQ(MessageOf<EWriteError>([&] { stream.WriteBuffer("abcd", 4); }), "Stream write error");
    EXPECT_NO_THROW(stream.WriteBuffer("", 0));
}

} // namespace
