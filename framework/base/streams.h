// Byte streams: the abstract TStream and the file stream over a Windows handle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Transfer up to count bytes; return how many were transferred.
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    // All or nothing: a short transfer raises EReadError / EWriteError.
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count);

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    int64_t Size();

    // Every byte from the current position to the end, taken as is.
    std::string ReadToEnd();
};

// Open modes: one access mode or'ed with one share mode, or fmCreate.
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF,
};

class THandleStream : public TStream {
public:
    explicit THandleStream(void* handle) : handle_(handle) {}
    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void* Handle() const { return handle_; }

protected:
    void* handle_;
};

// fmCreate truncates or creates the file, opened for reading and writing with
// no sharing; anything else opens an existing file. Failures raise
// EFCreateError / EFOpenError naming the full path and the system's reason.
class TFileStream : public THandleStream {
public:
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};
