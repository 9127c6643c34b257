#include "LineReader.h"

#include <cstring>

namespace {
constexpr std::size_t ChunkSize = 64 * 1024;
constexpr char EndOfFileMark = 0x1A;
}

MemorySource::MemorySource(const void* Data, std::size_t Size)
    : Data(static_cast<const char*>(Data)), Size(Size)
{
}

std::size_t MemorySource::Read(char* Buffer, std::size_t Wanted)
{
    std::size_t Count = std::min(Wanted, Size - Position);
    std::memcpy(Buffer, Data + Position, Count);
    Position += Count;
    return Count;
}

bool FileSource::Open(const std::string& Path)
{
    File = std::fopen(Path.c_str(), "rb");
    return File != nullptr;
}

FileSource::~FileSource()
{
    if (File)
        std::fclose(File);
}

std::size_t FileSource::Read(char* Buffer, std::size_t Size)
{
    std::size_t Count = std::fread(Buffer, 1, Size, File);
    if (Count < Size && std::ferror(File))
        throw ReadError("read error");
    return Count;
}

LineReader::LineReader(ByteSource& Source) : Source(Source), Buffer(ChunkSize) {}

void LineReader::Fill()
{
    if (Start < Stop || SourceDone)
        return;
    Start = 0;
    Stop = Source.Read(Buffer.data(), Buffer.size());
    if (Stop == 0)
        SourceDone = true;
}

int LineReader::Peek()
{
    Fill();
    if (Start == Stop || Buffer[Start] == EndOfFileMark) {
        // Nothing behind the mark is ever read.
        SourceDone = true;
        Start = Stop;
        return -1;
    }
    return static_cast<unsigned char>(Buffer[Start]);
}

bool LineReader::AtEnd()
{
    return Peek() < 0;
}

std::string LineReader::ReadLine()
{
    std::string Line;
    if (AtEnd())
        return Line;
    ++Lines;
    while (Peek() >= 0) {
        // Take the run of ordinary bytes up to a CR or a 1A in one piece.
        const char* Begin = Buffer.data() + Start;
        const char* End = Buffer.data() + Stop;
        const char* Cr = static_cast<const char*>(std::memchr(Begin, '\r', End - Begin));
        const char* Mark = static_cast<const char*>(std::memchr(Begin, EndOfFileMark, (Cr ? Cr : End) - Begin));
        const char* Cut = Mark ? Mark : (Cr ? Cr : End);
        Line.append(Begin, Cut);
        Start += Cut - Begin;
        if (Cut == Cr) {
            ++Start;
            if (Peek() == '\n')
                ++Start;
            break;
        }
    }
    return Line;
}
