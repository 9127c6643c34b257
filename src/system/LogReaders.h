#pragma once
// Readers of Install.log, over bytes. Lines follow the pack file's rules
// (CR ends a line, an LF right after it belongs to the line end, 1A ends
// the file). A line after which the file ends counts for nothing: it is
// neither a marker nor an entry, which is why a log ends with an empty line.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class ByteSource;

// The program folder of a previous installation: the line after the first
// line that is exactly "{program folder}". Nothing when there is no such
// line or the file ends right after it. A ReadError of the source passes on.
std::optional<std::string> ReadProgramFolder(ByteSource& Log);

// A stamp line that is not a decimal 32-bit integer.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TLogEntry {
    std::string Name;
    // The recorded file stamp. Nothing in a log without stamp lines, and
    // nothing when the stamp line is empty: the installation that wrote the
    // log was stopped before the file was complete.
    std::optional<std::int32_t> Stamp;
};

struct TLogSections {
    // Line 2 is not empty: every entry is a name line and a stamp line.
    bool Stamped = false;
    std::vector<TLogEntry> ProgramFiles;        // "{program files}", base: the install directory
    std::vector<TLogEntry> ProgramFolderFiles;  // "{program folder files}", base: the program folder
};

// Both sections of a log, read from the start. A section that is missing
// is empty. A stamp line that is neither empty nor a decimal integer raises
// ConvertError "'<line>' is not a valid integer value"; a ReadError of the
// source passes on. The whole log is held in memory while it is read.
TLogSections ReadLogSections(ByteSource& Log);

// A decimal 32-bit integer with an optional sign, as a stamp line holds it.
std::int32_t StampFromText(const std::string& Text);
