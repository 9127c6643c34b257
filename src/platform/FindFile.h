#pragma once
// A directory search over FindFirstFileA / FindNextFileA; the search handle
// is closed when the object goes.
#include <windows.h>

#include <cstdint>
#include <string>

class FindFile {
public:
    // Pattern as FindFirstFileA takes it: a path, or a directory and "*".
    explicit FindFile(const std::string& Pattern);
    ~FindFile();
    FindFile(const FindFile&) = delete;
    FindFile& operator=(const FindFile&) = delete;

    // True while Data holds an entry.
    bool Found() const { return Handle != INVALID_HANDLE_VALUE && Current; }
    const WIN32_FIND_DATAA& Data() const { return Entry; }
    bool IsDirectory() const { return (Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    // Moves to the next entry; false when there is none.
    bool Next();

private:
    HANDLE Handle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA Entry{};
    bool Current = false;
};

// The file stamp (FileStamp.h) of Path, whatever its attributes: its
// last-write time made local and packed as MS-DOS date and time. Read from
// the file's attributes, which hold the same time that a directory search
// reports and cost a fraction of a search. 0 when nothing is found or the
// time cannot be packed.
std::int32_t FileStampOf(const std::string& Path);
// The file stamp of a last-write time; 0 when it cannot be packed.
std::int32_t FileStampOfTime(const FILETIME& LastWrite);
