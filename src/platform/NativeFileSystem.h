#pragma once
// The FileSystem of the machine the code runs on: Win32 calls in the
// product, POSIX calls in the host builds (where "\" in a path is taken as
// "/").
#include "FileSystem.h"

class NativeFileSystem : public FileSystem {
public:
    std::unique_ptr<FileReader> OpenRead(const std::string& Path) override;
    std::unique_ptr<FileWriter> Create(const std::string& Path) override;
    std::unique_ptr<FileWriter> CreateNew(const std::string& Path) override;
    void MakeDirectories(const std::string& Path) override;
    bool FileExists(const std::string& Path) override;
    std::int32_t FileStamp(const std::string& Path) override;
    std::vector<std::string> ListFiles(const std::string& Dir) override;
};
