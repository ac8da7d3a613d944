// A fresh folder under the system's temporary folder, made the current
// directory for the lifetime of the object and removed with its files after.
#pragma once

#include <cstdint>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
    std::string previousDirectory_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// A file of that many bytes with nothing written: the file system keeps it
// sparse, so even a huge one costs no time.
void WriteSparseFile(const std::string& path, int64_t size);
bool FileExists(const std::string& path);
std::string CurrentDirectory();
