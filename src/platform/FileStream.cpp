#include "FileStream.h"

#include "FileError.h"
#include "FileHandle.h"
#include "SystemMessage.h"

#include <algorithm>

namespace {

[[noreturn]] void Fail(const char* Action, const std::string& Path)
{
    throw FileError(Action, Path, SystemMessage(GetLastError()));
}

class Win32FileReader : public FileReader {
public:
    explicit Win32FileReader(const std::string& Path) : Path(Path)
    {
        File = FileHandle(CreateFileA(Path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!File.Valid())
            Fail("Could not open", Path);
        LARGE_INTEGER Length;
        if (!GetFileSizeEx(File.Get(), &Length))
            Fail("Could not read the size of", Path);
        Length_ = Length.QuadPart;
    }

    std::size_t Read(char* Buffer, std::size_t Size) override
    {
        DWORD Got = 0;
        DWORD Wanted = static_cast<DWORD>(std::min<std::size_t>(Size, 1u << 30));
        if (!ReadFile(File.Get(), Buffer, Wanted, &Got, nullptr))
            Fail("Could not read from", Path);
        return Got;
    }
    std::int64_t Size() const override { return Length_; }
    const std::string& Name() const override { return Path; }

private:
    std::string Path;
    FileHandle File;
    std::int64_t Length_ = 0;
};

HANDLE CreateForWriting(const std::string& Path, DWORD Disposition)
{
    return CreateFileA(Path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, Disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

class Win32FileWriter : public FileWriter {
public:
    Win32FileWriter(const std::string& Path, FileHandle Created) : Path(Path), File(std::move(Created)) {}

    void Write(const char* Data, std::size_t Size) override
    {
        while (Size > 0) {
            DWORD Wanted = static_cast<DWORD>(std::min<std::size_t>(Size, 1u << 30));
            DWORD Written = 0;
            if (!WriteFile(File.Get(), Data, Wanted, &Written, nullptr))
                Fail("Could not write to", Path);
            if (Written == 0) {
                SetLastError(ERROR_DISK_FULL);
                Fail("Could not write to", Path);
            }
            Data += Written;
            Size -= Written;
        }
    }
    void Close() override
    {
        if (File.Valid() && !File.Close())
            Fail("Could not close", Path);
    }

private:
    std::string Path;
    FileHandle File;
};

}  // namespace

std::unique_ptr<FileReader> OpenFileForReading(const std::string& Path)
{
    return std::make_unique<Win32FileReader>(Path);
}

std::unique_ptr<FileWriter> CreateFileForWriting(const std::string& Path)
{
    FileHandle File(CreateForWriting(Path, CREATE_ALWAYS));
    if (!File.Valid())
        Fail("Could not create", Path);
    return std::make_unique<Win32FileWriter>(Path, std::move(File));
}

std::unique_ptr<FileWriter> CreateNewFileForWriting(const std::string& Path)
{
    FileHandle File(CreateForWriting(Path, CREATE_NEW));
    if (!File.Valid())
        return nullptr;
    return std::make_unique<Win32FileWriter>(Path, std::move(File));
}
