#pragma once
// Line reading by the rules of the pack and log text files: a line ends at
// CR, an LF right after that CR belongs to the line end, an LF anywhere else
// is text, and the file ends at its physical end or at the first byte 1A.
#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

// Where the bytes come from. Read returns 0 only at the physical end and
// throws ReadError when the medium fails.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t Read(char* Buffer, std::size_t Size) = 0;
};

class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const void* Data, std::size_t Size);
    // The bytes are not copied: they must outlive the source.
    explicit MemorySource(const std::string& Bytes) : MemorySource(Bytes.data(), Bytes.size()) {}
    explicit MemorySource(std::string&&) = delete;
    std::size_t Read(char* Buffer, std::size_t Size) override;

private:
    const char* Data;
    std::size_t Size;
    std::size_t Position = 0;
};

// A file opened for binary reading through the C runtime (ANSI names).
class FileSource : public ByteSource {
public:
    // Returns false when the file cannot be opened.
    bool Open(const std::string& Path);
    ~FileSource() override;
    std::size_t Read(char* Buffer, std::size_t Size) override;

private:
    std::FILE* File = nullptr;
};

class LineReader {
public:
    explicit LineReader(ByteSource& Source);

    // No further character can be read: physical end, or a 1A byte next.
    bool AtEnd();
    // Reads one line without its line end. At the end it yields "".
    std::string ReadLine();
    // How many lines have been read so far: the number of the last one.
    int LinesRead() const { return Lines; }

private:
    int Peek();  // next byte 0..255, or -1 at the end
    void Fill();

    ByteSource& Source;
    std::vector<char> Buffer;
    std::size_t Start = 0, Stop = 0;
    bool SourceDone = false;
    int Lines = 0;
};
