// The FileSystem over POSIX calls, for the native builds: tests, fuzzing
// and the host tools. A "\" in a path stands for "/".
#include "NativeFileSystem.h"

#include "FileError.h"
#include "FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace {

std::string HostPath(std::string Path)
{
    std::replace(Path.begin(), Path.end(), '\\', '/');
    return Path;
}

[[noreturn]] void Fail(const char* Action, const std::string& Path, int Error = errno)
{
    throw FileError(Action, Path, std::strerror(Error));
}

class HostFileReader : public FileReader {
public:
    explicit HostFileReader(const std::string& Path) : Path(Path)
    {
        Descriptor = open(HostPath(Path).c_str(), O_RDONLY | O_CLOEXEC);
        if (Descriptor < 0)
            Fail("Could not open", Path);
        struct stat Status;
        int Error = fstat(Descriptor, &Status) != 0 ? errno : S_ISREG(Status.st_mode) ? 0 : EISDIR;
        if (Error != 0) {
            close(Descriptor);
            Fail("Could not open", Path, Error);
        }
        Length = Status.st_size;
    }
    ~HostFileReader() override { close(Descriptor); }

    std::size_t Read(char* Buffer, std::size_t Size) override
    {
        for (;;) {
            ssize_t Got = read(Descriptor, Buffer, Size);
            if (Got >= 0)
                return static_cast<std::size_t>(Got);
            if (errno != EINTR)
                Fail("Could not read from", Path);
        }
    }
    std::int64_t Size() const override { return Length; }
    const std::string& Name() const override { return Path; }

private:
    std::string Path;
    int Descriptor = -1;
    std::int64_t Length = 0;
};

class HostFileWriter : public FileWriter {
public:
    HostFileWriter(const std::string& Path, int Descriptor) : Path(Path), Descriptor(Descriptor) {}
    ~HostFileWriter() override
    {
        if (Descriptor >= 0)
            close(Descriptor);
    }

    void Write(const char* Data, std::size_t Size) override
    {
        while (Size > 0) {
            ssize_t Written = write(Descriptor, Data, Size);
            if (Written < 0 && errno == EINTR)
                continue;
            if (Written <= 0)
                Fail("Could not write to", Path, Written < 0 ? errno : ENOSPC);
            Data += Written;
            Size -= static_cast<std::size_t>(Written);
        }
    }
    void Close() override
    {
        if (Descriptor < 0)
            return;
        int Result = close(Descriptor);
        Descriptor = -1;
        if (Result != 0)
            Fail("Could not close", Path);
    }

private:
    std::string Path;
    int Descriptor = -1;
};

}  // namespace

std::unique_ptr<FileReader> NativeFileSystem::OpenRead(const std::string& Path)
{
    return std::make_unique<HostFileReader>(Path);
}

std::unique_ptr<FileWriter> NativeFileSystem::Create(const std::string& Path)
{
    int Descriptor = open(HostPath(Path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (Descriptor < 0)
        Fail("Could not create", Path);
    return std::make_unique<HostFileWriter>(Path, Descriptor);
}

std::unique_ptr<FileWriter> NativeFileSystem::CreateNew(const std::string& Path)
{
    int Descriptor = open(HostPath(Path).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (Descriptor < 0)
        return nullptr;
    return std::make_unique<HostFileWriter>(Path, Descriptor);
}

void NativeFileSystem::MakeDirectories(const std::string& Path)
{
    std::string Host = HostPath(Path);
    std::string::size_type Last = Host.rfind('/');
    for (std::string::size_type Cut = Host.find('/', 1); Cut != std::string::npos && Cut <= Last;
         Cut = Host.find('/', Cut + 1))
        mkdir(Host.substr(0, Cut).c_str(), 0755);
}

bool NativeFileSystem::FileExists(const std::string& Path)
{
    struct stat Status;
    return stat(HostPath(Path).c_str(), &Status) == 0 && !S_ISDIR(Status.st_mode);
}

std::int32_t NativeFileSystem::FileStamp(const std::string& Path)
{
    struct stat Status;
    if (stat(HostPath(Path).c_str(), &Status) != 0)
        return 0;
    std::tm Local;
    if (!localtime_r(&Status.st_mtime, &Local))
        return 0;
    return FileStampOfLocalTime(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday, Local.tm_hour, Local.tm_min,
                                Local.tm_sec);
}

std::vector<std::string> NativeFileSystem::ListFiles(const std::string& Dir)
{
    namespace fs = std::filesystem;
    std::vector<std::string> Files;
    std::error_code Error;
    fs::recursive_directory_iterator It(HostPath(Dir), Error), End;
    if (Error)
        throw FileError("Could not list", Dir, Error.message());
    for (; It != End; It.increment(Error)) {
        if (Error)
            throw FileError("Could not list", Dir, Error.message());
        if (It->is_directory())
            continue;
        std::string Name = It->path().lexically_relative(HostPath(Dir)).generic_string();
        // A "\" in a host name would read as a directory level on Windows.
        if (Name.find('\\') != std::string::npos)
            throw FileError("Could not list", Dir, "the name " + Name + " holds a backslash");
        std::replace(Name.begin(), Name.end(), '/', '\\');
        Files.push_back(Name);
    }
    if (Error)
        throw FileError("Could not list", Dir, Error.message());
    return Files;
}
