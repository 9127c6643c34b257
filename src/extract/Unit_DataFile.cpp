#include "Unit_DataFile.h"

#include "EntryName.h"
#include "ExtractQuestions.h"
#include "FileError.h"
#include "FileSystem.h"
#include "OverwritePrompt.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t BufferSize = 1 << 20;
constexpr std::size_t MaxHeaderSize = TDataFile::MaxNameLength + 1 + 4;
}  // namespace

TDataFileOutput::TDataFileOutput(FileSystem& Files, ExtractQuestions& Questions, std::string OverwriteText)
    : Files(Files), Questions(Questions), OverwriteText(std::move(OverwriteText))
{
}

TDataFileOutput::~TDataFileOutput() = default;

TDataFile::TDataFile(const std::string& FileName, TLogFile& LogFile, std::string TargetDir, TDataFileOutput& Output)
    : Volume(Output.Files.OpenRead(FileName)), LogFile(LogFile), TargetDir(std::move(TargetDir)), Output(Output),
      Size(Volume->Size()), Buffer(BufferSize)
{
}

TDataFile::~TDataFile() = default;

const std::string& TDataFile::Name() const
{
    return Volume->Name();
}

void TDataFile::Fill(std::size_t Wanted)
{
    if (Available() >= Wanted)
        return;
    // Keep what is unread, at the front.
    std::memmove(Buffer.data(), Buffer.data() + Start, Available());
    BufferOffset += static_cast<std::int64_t>(Start);
    Stop -= Start;
    Start = 0;
    while (Stop < Wanted && BufferOffset + static_cast<std::int64_t>(Stop) < Size) {
        std::size_t Got = Volume->Read(Buffer.data() + Stop, Buffer.size() - Stop);
        if (Got == 0)
            throw FileError("Could not read from", Name(), "the file is shorter than its size");
        Stop += Got;
    }
}

bool TDataFile::ReadLong(std::int32_t& Value)
{
    std::uint32_t Bits = 0;
    for (int I = 0; I < 4; ++I) {
        if (!HoldsData()) {
            Value = static_cast<std::int32_t>(Bits);
            return false;
        }
        Fill(1);
        Bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(Buffer[Start++])) << (8 * I);
    }
    Value = static_cast<std::int32_t>(Bits);
    return true;
}

void TDataFile::ReadByte(std::int32_t& Value)
{
    if (Position() >= Size)
        throw FileError("Could not read from", Name(), "the volume has no number of the next volume");
    Fill(1);
    Value = static_cast<unsigned char>(Buffer[Start++]);
}

void TDataFile::Damaged(std::int64_t Offset, const std::string& EntryName, const std::string& Problem) const
{
    std::string Entry = "the entry at offset " + std::to_string(Offset);
    if (!EntryName.empty())
        Entry += ", \"" + PrintableName(EntryName) + "\",";
    throw FileError("Damaged volume", Name(), Entry + " " + Problem);
}

TDataFile::Header TDataFile::PeekHeader()
{
    // A header lies wholly inside the volume's data, so it fits the buffer.
    std::int64_t DataLeft = Size - 1 - Position();
    Fill(static_cast<std::size_t>(std::min<std::int64_t>(DataLeft, MaxHeaderSize)));
    std::size_t Inside = static_cast<std::size_t>(std::min<std::int64_t>(DataLeft, Available()));
    const char* Begin = Buffer.data() + Start;
    const char* End = static_cast<const char*>(std::memchr(Begin, 0, std::min(Inside, MaxHeaderSize - 4)));
    Header Entry{"", 0, Position()};
    if (!End)
        Damaged(Entry.Offset, "",
                Inside < MaxHeaderSize - 4 ? "has a name that runs past the end of the volume's data"
                                           : "has a name longer than " + std::to_string(MaxNameLength) + " bytes");
    Entry.Name.assign(Begin, End);
    std::size_t LengthAt = Entry.Name.size() + 1;
    if (LengthAt + 4 > Inside)
        Damaged(Entry.Offset, Entry.Name, "has a length that runs past the end of the volume's data");
    std::uint32_t Bits = 0;
    for (int I = 0; I < 4; ++I)
        Bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(Begin[LengthAt + I])) << (8 * I);
    Entry.Length = static_cast<std::int32_t>(Bits);
    if (std::optional<std::string> Reason = UnsafeNameReason(Entry.Name))
        Damaged(Entry.Offset, Entry.Name, "has a name that " + *Reason);
    if (Entry.Length < 0)
        Damaged(Entry.Offset, Entry.Name, "has a negative length (" + std::to_string(Entry.Length) + ")");
    return Entry;
}

std::unique_ptr<FileWriter> TDataFile::CreateOutput(bool& OverwriteAll)
{
    // Nearly every file is new, in a directory that is there already: then
    // one creation does it. Whatever is in the way, the long way: the
    // directories, the existence test, the prompt.
    if (std::unique_ptr<FileWriter> File = Output.Files.CreateNew(Output.OutputPath))
        return File;
    Output.Files.MakeDirectories(Output.OutputPath);
    if (!OverwriteAll && Output.Files.FileExists(Output.OutputPath) &&
        !ConfirmOverwrite(Output.Questions, Output.OverwriteText, Output.OutputPath, OverwriteAll))
        return nullptr;
    return Output.Files.Create(Output.OutputPath);
}

void TDataFile::BeginEntry(const Header& Entry, std::unique_ptr<FileWriter> File)
{
    Start += Entry.Name.size() + 1 + 4;
    Output.OutputFile = std::move(File);
    Output.BytesLeft = Entry.Length;
}

namespace {
bool Passed(const TDataFile::TDeadline& Deadline)
{
    return Deadline && std::chrono::steady_clock::now() >= *Deadline;
}
}  // namespace

std::int64_t TDataFile::CopyData(std::int64_t Count, const TDeadline& Deadline)
{
    std::int64_t Copied = 0;
    while (Copied < Count && !(Copied > 0 && Passed(Deadline))) {
        Fill(1);
        std::size_t Piece = static_cast<std::size_t>(std::min<std::int64_t>(Count - Copied, Available()));
        Output.OutputFile->Write(Buffer.data() + Start, Piece);
        Start += Piece;
        Copied += static_cast<std::int64_t>(Piece);
    }
    return Copied;
}

void TDataFile::FinishFile()
{
    std::unique_ptr<FileWriter> Closing = std::move(Output.OutputFile);
    Closing->Close();
    LogFile.WriteNumber(Output.Files.FileStamp(Output.OutputPath));
}

bool TDataFile::CopyFiles(std::int32_t Budget, bool& OverwriteAll, std::int32_t& Done, TDeadline Deadline)
{
    Done = 0;
    bool Progressed = false;
    while (HoldsData()) {
        if (Output.BytesLeft == 0) {
            if (Progressed && Passed(Deadline))
                break;
            Header Entry = PeekHeader();
            if (Done >= Budget && Entry.Length > 0)
                break;
            LogFile.WriteLine(Entry.Name);
            Output.OutputPath = CombinePath(TargetDir, Entry.Name);
            std::unique_ptr<FileWriter> File = CreateOutput(OverwriteAll);
            if (!File)
                return false;
            BeginEntry(Entry, std::move(File));
        } else if (Done >= Budget) {
            break;
        }
        std::int64_t Room = std::max<std::int64_t>(0, std::int64_t(Budget) - Done);
        std::int64_t Count = std::min<std::int64_t>({Size - 1 - Position(), Output.BytesLeft, Room});
        std::int64_t Copied = CopyData(Count, Deadline);
        Done += static_cast<std::int32_t>(Copied);
        Output.BytesLeft -= static_cast<std::int32_t>(Copied);
        Progressed = true;
        if (Output.BytesLeft == 0)
            FinishFile();
        if (Copied < Count)
            break;
    }
    return true;
}
