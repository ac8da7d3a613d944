#include "tests/support/tempfolder.h"

#include <windows.h>

#include <stdexcept>

std::string CurrentDirectory()
{
    char buffer[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof buffer, buffer);
    return buffer;
}

namespace {

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder() : previousDirectory_(CurrentDirectory())
{
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "sheetmill-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a temporary folder");
    }
    SetCurrentDirectoryA(path_.c_str());
}

TempFolder::~TempFolder()
{
    SetCurrentDirectoryA(previousDirectory_.c_str());
    RemoveTree(path_);
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot read " + path);
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    DWORD put = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(file);
}

void WriteSparseFile(const std::string& path, int64_t size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    LARGE_INTEGER end;
    end.QuadPart = size;
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    if (!sized)
        throw std::runtime_error("cannot size " + path);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
