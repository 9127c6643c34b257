#include "NativeFileSystem.h"

#include "DirectoryPath.h"
#include "FileError.h"
#include "FileStream.h"
#include "FindFile.h"
#include "SystemMessage.h"
#include "Unit_Paths.h"

#include <windows.h>

namespace {

void ListUnder(const std::string& Root, const std::string& Relative, std::vector<std::string>& Files)
{
    std::string Dir = Relative.empty() ? Root : CombinePath(Root, Relative);
    FindFile Search(CombinePath(Dir, "*"));
    if (!Search.Found()) {
        DWORD Error = GetLastError();
        if (Error != ERROR_FILE_NOT_FOUND && Error != ERROR_NO_MORE_FILES)
            throw FileError("Could not list", Dir, SystemMessage(Error));
        return;
    }
    do {
        std::string Name = Search.Data().cFileName;
        if (Name == "." || Name == "..")
            continue;
        std::string Path = Relative.empty() ? Name : Relative + "\\" + Name;
        if (Search.IsDirectory())
            ListUnder(Root, Path, Files);
        else
            Files.push_back(Path);
    } while (Search.Next());
}

}  // namespace

std::unique_ptr<FileReader> NativeFileSystem::OpenRead(const std::string& Path)
{
    return OpenFileForReading(Path);
}

std::unique_ptr<FileWriter> NativeFileSystem::Create(const std::string& Path)
{
    return CreateFileForWriting(Path);
}

std::unique_ptr<FileWriter> NativeFileSystem::CreateNew(const std::string& Path)
{
    return CreateNewFileForWriting(Path);
}

void NativeFileSystem::MakeDirectories(const std::string& Path)
{
    MakeSureDirectoryPathExists(Path);
}

bool NativeFileSystem::FileExists(const std::string& Path)
{
    DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::int32_t NativeFileSystem::FileStamp(const std::string& Path)
{
    return FileStampOf(Path);
}

std::vector<std::string> NativeFileSystem::ListFiles(const std::string& Dir)
{
    if (!DirectoryExists(Dir))
        throw FileError("Could not list", Dir, SystemMessage(ERROR_PATH_NOT_FOUND));
    std::vector<std::string> Files;
    ListUnder(Dir, "", Files);
    return Files;
}
