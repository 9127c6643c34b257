#pragma once
// One data volume being read, and the copy of file data out of it.
//
// A volume: [TotalSize, 4 bytes, first volume only] entry stream... [next
// volume number, 1 byte]. An entry: name, 0 byte, length (4 bytes, little
// endian), data. A file's data may run on into the next volume, so the file
// being written belongs to TDataFileOutput, which outlives each volume.
//
// Names and lengths are read a byte at a time from a buffer; file data is
// copied in large blocks. Nothing of an entry is logged or made before its
// name has passed UnsafeNameReason.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ExtractQuestions;
class FileReader;
class FileSystem;
class FileWriter;
class TLogFile;

// The output state of the copy, and what it writes to and asks. Between
// files: BytesLeft 0 and no OutputFile. Writing: OutputFile open until the
// last byte of the file has been copied.
struct TDataFileOutput {
    TDataFileOutput(FileSystem& Files, ExtractQuestions& Questions, std::string OverwriteText);
    ~TDataFileOutput();

    FileSystem& Files;
    ExtractQuestions& Questions;
    std::string OverwriteText;  // the prompt's text, "%f%" for the file name

    std::unique_ptr<FileWriter> OutputFile;
    std::string OutputPath;
    std::int32_t BytesLeft = 0;
};

class TDataFile {
public:
    // The longest name an entry may have: the longest path Windows knows.
    static constexpr std::size_t MaxNameLength = 32767;

    // Opens the volume FileName (read access, not shared) through
    // Output.Files; an error in opening is the file system's FileError.
    TDataFile(const std::string& FileName, TLogFile& LogFile, std::string TargetDir, TDataFileOutput& Output);
    ~TDataFile();
    TDataFile(const TDataFile&) = delete;
    TDataFile& operator=(const TDataFile&) = delete;

    // Four bytes, little endian; false when the volume's data ends first.
    bool ReadLong(std::int32_t& Value);
    // The byte at the read position, 0..255: the next volume's number once
    // the data is exhausted. A FileError when the volume has no byte left.
    void ReadByte(std::int32_t& Value);

    // Copies at most Budget data bytes of this volume into the files they
    // belong to, beginning new entries as their headers come; Done is the
    // number copied. Entries of length 0 that follow cost nothing and are
    // taken even when the budget is spent. False only when the user gave up
    // at the overwrite prompt. A damaged entry is a FileError naming the
    // volume and the entry.
    //
    // With a Deadline the call also stops once that time has passed, at the
    // next file or block boundary, having copied at least one byte or begun
    // at least one entry: what is copied, logged and asked stays the same,
    // only spread over more calls.
    using TDeadline = std::optional<std::chrono::steady_clock::time_point>;
    bool CopyFiles(std::int32_t Budget, bool& OverwriteAll, std::int32_t& Done, TDeadline Deadline = std::nullopt);

    // The read position lies before the volume's last byte.
    bool HoldsData() const { return Position() < Size - 1; }
    const std::string& Name() const;

private:
    struct Header {
        std::string Name;
        std::int32_t Length;
        std::int64_t Offset;
    };

    std::int64_t Position() const { return BufferOffset + static_cast<std::int64_t>(Start); }
    // Makes at least Wanted bytes available from the position, or as many
    // as the volume has.
    void Fill(std::size_t Wanted);
    std::size_t Available() const { return Stop - Start; }
    // The next entry's header without consuming it; a FileError when it is
    // damaged or unsafe.
    Header PeekHeader();
    // The file OutputPath, created anew; nothing when the user gave up at
    // the overwrite prompt.
    std::unique_ptr<FileWriter> CreateOutput(bool& OverwriteAll);
    // Steps over the header; File takes the entry's data.
    void BeginEntry(const Header& Entry, std::unique_ptr<FileWriter> File);
    // Copies Count bytes, or fewer once Deadline has passed (never none).
    std::int64_t CopyData(std::int64_t Count, const TDeadline& Deadline);
    void FinishFile();
    [[noreturn]] void Damaged(std::int64_t Offset, const std::string& Name, const std::string& Problem) const;

    std::unique_ptr<FileReader> Volume;
    TLogFile& LogFile;
    std::string TargetDir;
    TDataFileOutput& Output;
    std::int64_t Size;

    std::vector<char> Buffer;
    std::int64_t BufferOffset = 0;  // volume offset of Buffer[0]
    std::size_t Start = 0, Stop = 0;
};
