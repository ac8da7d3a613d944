// File streams: sharing, truncation, short transfers, and failures that
// name the file and the system's reason.
#include "framework/base/exceptions.h"
#include "framework/base/streams.h"
#include "framework/base/sysutils.h"
#include "tests/support/raises.h"
#include "tests/support/tempfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(FileStream, FailuresNameThePathAndTheSystemsReasonWithoutItsFullStop)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("images", nullptr));
    const std::tuple<std::string, unsigned, DWORD> cases[] = {
        {"images", fmCreate, ERROR_ACCESS_DENIED},
        {"a<b>.cue", fmCreate, ERROR_INVALID_NAME},
        {"missing.cue", fmOpenRead | fmShareDenyWrite, ERROR_FILE_NOT_FOUND},
        {folder.PathOf("no\\such.cue"), fmCreate, ERROR_PATH_NOT_FOUND},  // as given
    };
    for (const auto& [name, mode, code] : cases) {
        SCOPED_TRACE(name);
        const std::string path = name.find('\\') == std::string::npos ? folder.PathOf(name) : name;
        EXPECT_EQ(MessageOf<EStreamError>([&, &name = name, mode = mode] { TFileStream stream(name, mode); }),
                  (mode == fmCreate ? "Cannot create file \"" : "Cannot open file \"") + path + "\". " +
                      SysErrorMessage(code));
    }
    // The system's own words, less the full stop and break after them.
    char raw[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, raw, sizeof raw, nullptr);
    const std::string reason = SysErrorMessage(ERROR_ACCESS_DENIED);
    EXPECT_EQ(std::string(raw).rfind(reason, 0), 0u) << raw;
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(std::string(". \r\n").find(reason.back()), std::string::npos) << reason;
    EXPECT_EQ(SysErrorMessage(0xDEADBEEF), "");
}

TEST(FileStream, ReadersShareButExcludeWritersAndCreateTruncatesExclusively)
{
    TempFolder folder;
    WriteFileBytes("a.cue", std::string("x\0y\r\nz", 6));
    {
        TFileStream reader("a.cue", fmOpenRead | fmShareDenyWrite);
        TFileStream secondReader("a.cue", fmOpenRead | fmShareDenyNone);
        EXPECT_EQ(reader.Size(), 6);
        reader.SetPosition(2);
        EXPECT_EQ(reader.ReadToEnd(), "y\r\nz");
        EXPECT_EQ(reader.ReadToEnd(), "");
        char byte;
        EXPECT_EQ(MessageOf<EReadError>([&] { reader.ReadBuffer(&byte, 1); }), "Stream read error");
        EXPECT_EQ(MessageOf<EWriteError>([&] { reader.WriteBuffer("x", 1); }), "Stream write error");
        EXPECT_NE(MessageOf<EFOpenError>([] { TFileStream writer("a.cue", fmOpenWrite | fmShareDenyNone); }), "");
    }
    {
        TFileStream stream("a.cue", fmCreate);
        EXPECT_EQ(stream.Size(), 0);
        EXPECT_NE(MessageOf<EFOpenError>([] { TFileStream r("a.cue", fmOpenRead | fmShareDenyNone); }), "");
        stream.WriteBuffer("new", 3);
    }
    EXPECT_EQ(ReadFileBytes("a.cue"), "new");
}

// A stream that accepts only part of what it is given, like a full disk.
class HalfWritingStream : public TStream {
public:
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override { return count / 2; }
    int64_t Seek(int64_t, TSeekOrigin) override { return 0; }
};

TEST(StreamBuffers, APartialWriteRaises)
{
    HalfWritingStream half;
    EXPECT_EQ(MessageOf<EWriteError>([&] { half.WriteBuffer("abcd", 4); }), "Stream write error");
    EXPECT_NO_THROW(half.WriteBuffer("", 0));
}

} // namespace
