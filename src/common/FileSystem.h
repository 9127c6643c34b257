#pragma once
// The file operations that the log, the extraction and the media builder
// need, behind one small interface: Win32FileSystem in the product,
// HostFileSystem for native tests, fuzzing and the host tools. Paths use "\"
// as separator. Every failure is a FileError naming the file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class FileReader {
public:
    virtual ~FileReader() = default;
    // Up to Size bytes; 0 only at the end of the file.
    virtual std::size_t Read(char* Buffer, std::size_t Size) = 0;
    // The size when the file was opened.
    virtual std::int64_t Size() const = 0;
    virtual const std::string& Name() const = 0;
};

// A file being written. Each Write is handed to the system at once; the
// destructor closes without reporting, so callers that must know call Close.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual void Write(const char* Data, std::size_t Size) = 0;
    virtual void Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // An existing file, read access, not shared with other openers.
    virtual std::unique_ptr<FileReader> OpenRead(const std::string& Path) = 0;
    // Created anew, or truncated to 0 bytes; not shared with other openers.
    virtual std::unique_ptr<FileWriter> Create(const std::string& Path) = 0;
    // Created as Create does, but only when nothing of that name exists and
    // its directory does; otherwise, or on any failure, nothing (and nothing
    // changed), and the caller takes the long way: MakeDirectories,
    // FileExists, Create. The fast way for the usual new file, where the
    // long way costs three more look-ups of the path.
    virtual std::unique_ptr<FileWriter> CreateNew(const std::string& /*Path*/) { return nullptr; }
    // Makes every missing directory of Path up to its last "\". Failures are
    // not reported: they show when the file itself is created.
    virtual void MakeDirectories(const std::string& Path) = 0;
    // True for an existing file; false for a directory or nothing.
    virtual bool FileExists(const std::string& Path) = 0;
    // The file stamp of Path (FileStamp.h); 0 when no such file is found.
    virtual std::int32_t FileStamp(const std::string& Path) = 0;
    // Every file under Dir, at any depth, as paths relative to Dir joined
    // with "\", in no particular order.
    virtual std::vector<std::string> ListFiles(const std::string& Dir) = 0;
};
