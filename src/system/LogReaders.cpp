#include "LogReaders.h"

#include "LineReader.h"

#include <cstdint>

namespace {

// Reads lines until one equals Marker; true when it was found and the file
// goes on after it. Current is the line already read, if any, which is
// compared first.
bool SkipPastMarker(LineReader& Reader, const std::string& Marker, std::optional<std::string> Current = std::nullopt)
{
    if (!Current)
        Current = Reader.ReadLine();
    while (!Reader.AtEnd()) {
        if (*Current == Marker)
            return true;
        Current = Reader.ReadLine();
    }
    return false;
}

std::vector<TLogEntry> ReadEntries(LineReader& Reader, bool Stamped)
{
    std::vector<TLogEntry> Entries;
    std::string Name = Reader.ReadLine();
    while (!Reader.AtEnd() && !Name.empty()) {
        TLogEntry Entry{Name, std::nullopt};
        if (Stamped) {
            // Read without testing for the end: the log's final empty line
            // is what follows the last stamp.
            std::string Stamp = Reader.ReadLine();
            if (!Stamp.empty())
                Entry.Stamp = StampFromText(Stamp);
        }
        Entries.push_back(std::move(Entry));
        Name = Reader.ReadLine();
    }
    return Entries;
}

std::string ReadAll(ByteSource& Source)
{
    std::string Bytes;
    char Chunk[16 * 1024];
    while (std::size_t Got = Source.Read(Chunk, sizeof Chunk))
        Bytes.append(Chunk, Got);
    return Bytes;
}

}  // namespace

std::optional<std::string> ReadProgramFolder(ByteSource& Log)
{
    LineReader Reader(Log);
    if (Reader.AtEnd() || !SkipPastMarker(Reader, "{program folder}"))
        return std::nullopt;
    return Reader.ReadLine();
}

std::int32_t StampFromText(const std::string& Text)
{
    std::size_t At = 0;
    bool Negative = false;
    if (At < Text.size() && (Text[At] == '-' || Text[At] == '+'))
        Negative = Text[At++] == '-';
    std::int64_t Value = 0;
    bool Digits = At < Text.size();
    for (; At < Text.size() && Digits; ++At) {
        Digits = Text[At] >= '0' && Text[At] <= '9';
        Value = Value * 10 + (Text[At] - '0');
        Digits = Digits && Value <= std::int64_t(INT32_MAX) + 1;
    }
    if (Negative)
        Value = -Value;
    if (!Digits || Value > INT32_MAX || Value < INT32_MIN)
        throw ConvertError("'" + Text + "' is not a valid integer value");
    return static_cast<std::int32_t>(Value);
}

TLogSections ReadLogSections(ByteSource& Log)
{
    std::string Bytes = ReadAll(Log);
    TLogSections Sections;

    // Line 2 tells the form of the entries; "{program folder files}" is
    // looked for from line 3 on.
    MemorySource Head(Bytes);
    LineReader Reader(Head);
    Reader.ReadLine();
    Sections.Stamped = !Reader.ReadLine().empty();
    if (!Reader.AtEnd() && SkipPastMarker(Reader, "{program folder files}"))
        Sections.ProgramFolderFiles = ReadEntries(Reader, Sections.Stamped);

    // "{program files}" from line 1.
    MemorySource Whole(Bytes);
    LineReader FromStart(Whole);
    if (!FromStart.AtEnd() && SkipPastMarker(FromStart, "{program files}"))
        Sections.ProgramFiles = ReadEntries(FromStart, Sections.Stamped);
    return Sections;
}
