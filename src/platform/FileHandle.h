#pragma once
// Owns one handle of an open file and closes it once. Close reports the
// result, for the callers that must know that the file reached the disk;
// the destructor closes without reporting.
#include <windows.h>

#include <utility>

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE Handle) : Handle(Handle) {}
    FileHandle(FileHandle&& Other) noexcept : Handle(std::exchange(Other.Handle, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& Other) noexcept
    {
        std::swap(Handle, Other.Handle);
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (Valid())
            CloseHandle(Handle);
    }

    bool Valid() const { return Handle != INVALID_HANDLE_VALUE && Handle != nullptr; }
    HANDLE Get() const { return Handle; }
    // Closes now; false (with the last error set) when the system failed.
    bool Close() { return CloseHandle(std::exchange(Handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE Handle = INVALID_HANDLE_VALUE;
};
