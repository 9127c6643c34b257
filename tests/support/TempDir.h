#pragma once
// A fresh directory for one test on the real file system, removed with
// everything in it when the test ends. Path uses the system's separators.
#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return Dir; }

private:
    std::string Dir;
};

// The bytes of a file, or "<missing>".
std::string ReadWholeFile(const std::string& Path);
void WriteWholeFile(const std::string& Path, const std::string& Bytes);
