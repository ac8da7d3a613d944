#include "framework/base/streams.h"

#include "framework/base/exceptions.h"
#include "framework/base/sysutils.h"

#include <windows.h>

#include <algorithm>

void TStream::ReadBuffer(void* buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::Size()
{
    const int64_t position = Position();
    const int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return end;
}

std::string TStream::ReadToEnd()
{
    const int64_t remaining = Size() - Position();
    std::string bytes(remaining > 0 ? static_cast<size_t>(remaining) : 0, '\0');
    ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

// ReadFile and WriteFile take 32-bit counts; larger transfers go in pieces.
static constexpr size_t MaxChunk = 0x40000000;

size_t THandleStream::Read(void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const DWORD chunk = static_cast<DWORD>(std::min(count - done, MaxChunk));
        DWORD got = 0;
        if (!ReadFile(handle_, static_cast<char*>(buffer) + done, chunk, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    return done;
}

size_t THandleStream::Write(const void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const DWORD chunk = static_cast<DWORD>(std::min(count - done, MaxChunk));
        DWORD put = 0;
        if (!WriteFile(handle_, static_cast<const char*>(buffer) + done, chunk, &put, nullptr) ||
            put == 0)
            break;
        done += put;
    }
    return done;
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin)
{
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(handle_, distance, &result, methods[static_cast<int>(origin)]))
        return -1;
    return result.QuadPart;
}

namespace {

DWORD AccessOf(unsigned mode)
{
    switch (mode & 3) {
    case fmOpenWrite: return GENERIC_WRITE;
    case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

DWORD ShareOf(unsigned mode)
{
    switch (mode & 0xF0) {
    case fmShareExclusive: return 0;
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;
    }
}

void* CreateOrOpen(const std::string& fileName, unsigned mode)
{
    HANDLE handle;
    if (mode == fmCreate)
        handle = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    else
        handle = CreateFileA(fileName.c_str(), AccessOf(mode), ShareOf(mode), nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        return handle;

    // Read the error before anything else can overwrite it.
    const std::string reason = SysErrorMessage(GetLastError());
    const std::string quoted = "\"" + ExpandFileName(fileName) + "\". " + reason;
    if (mode == fmCreate)
        throw EFCreateError("Cannot create file " + quoted);
    throw EFOpenError("Cannot open file " + quoted);
}

} // namespace

TFileStream::TFileStream(const std::string& fileName, unsigned mode)
    : THandleStream(CreateOrOpen(fileName, mode)), fileName_(fileName)
{
}

TFileStream::~TFileStream()
{
    CloseHandle(handle_);
}
