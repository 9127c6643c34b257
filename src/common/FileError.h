#pragma once
// A failure of a file operation. Its text says what was being done, to which
// file, and why, in the system's own words, e.g.
//   Could not write to C:\Lexovant\Install.log: There is not enough space on the disk.
#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
public:
    FileError(const std::string& Action, const std::string& FileName, const std::string& Reason)
        : std::runtime_error(Action + " " + FileName + ": " + Reason), FileName(FileName)
    {
    }
    const std::string FileName;
};
