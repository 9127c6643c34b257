#include "Medium.h"

#include "EntryName.h"
#include "ExtractQuestions.h"
#include "FileError.h"
#include "FileSystem.h"
#include "Unit_DataFile.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"
#include "VolumeChain.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

namespace {

constexpr std::size_t BlockSize = 1 << 20;

void WriteLong(FileWriter& Out, std::int64_t Value)
{
    auto Bits = static_cast<std::uint32_t>(Value);
    char Bytes[4] = {char(Bits), char(Bits >> 8), char(Bits >> 16), char(Bits >> 24)};
    Out.Write(Bytes, 4);
}

// Reading a medium back goes through the extraction's own code with a file
// system that writes nowhere: it passes reads to the real one and hands each
// extracted file to a writer of the caller's choice.
class ReadBackFiles : public FileSystem {
public:
    explicit ReadBackFiles(FileSystem& Real) : Real(Real) {}

    std::unique_ptr<FileReader> OpenRead(const std::string& Path) override
    {
        std::string::size_type Dot = Path.rfind(".d");
        Volume = Dot == std::string::npos ? 0 : std::atoi(Path.c_str() + Dot + 2);
        return Real.OpenRead(Path);
    }
    void MakeDirectories(const std::string&) override {}
    bool FileExists(const std::string&) override { return false; }
    std::int32_t FileStamp(const std::string&) override { return 0; }
    std::vector<std::string> ListFiles(const std::string&) override { return {}; }

    FileSystem& Real;
    int Volume = 0;
};

class NoWriter : public FileWriter {
public:
    void Write(const char*, std::size_t) override {}
    void Close() override {}
};

// The log of a read-back goes nowhere.
class NoLog : public ReadBackFiles {
public:
    using ReadBackFiles::ReadBackFiles;
    std::unique_ptr<FileWriter> Create(const std::string&) override { return std::make_unique<NoWriter>(); }
};

class NoQuestions : public ExtractQuestions {
public:
    int AskOverwrite(const std::string&) override { return Yes; }
    int ConfirmExit() override { return Resume; }
};

class Lister : public ReadBackFiles {
public:
    using ReadBackFiles::ReadBackFiles;
    class Counter : public FileWriter {
    public:
        explicit Counter(TListedFile& File) : File(File) {}
        void Write(const char*, std::size_t Size) override { File.Length += static_cast<std::int64_t>(Size); }
        void Close() override {}
        TListedFile& File;
    };
    std::unique_ptr<FileWriter> Create(const std::string& Path) override
    {
        Listed.push_back(std::make_unique<TListedFile>(TListedFile{Path, 0, Volume}));
        return std::make_unique<Counter>(*Listed.back());
    }
    std::vector<std::unique_ptr<TListedFile>> Listed;
};

template <class Files>
TChainResult ReadBack(Files& Reading, const std::string& Dir)
{
    NoLog LogFiles(Reading.Real);
    TLogFile Log(LogFiles, "", "", "");
    NoQuestions Questions;
    TDataFileOutput Output(Reading, Questions, "");
    // Names are taken as stored: the target directory is empty.
    return ExtractChain(Dir, Log, "", Output, INT32_MAX, true);
}

class Comparer : public ReadBackFiles {
public:
    Comparer(FileSystem& Real, std::string SourceDir) : ReadBackFiles(Real), SourceDir(std::move(SourceDir)) {}

    class Compare : public FileWriter {
    public:
        Compare(Comparer& Owner, std::string Name) : Owner(Owner), Name(std::move(Name))
        {
            try {
                Source = Owner.Real.OpenRead(CombinePath(Owner.SourceDir, this->Name));
            } catch (const FileError&) {
                Owner.Problems.push_back(this->Name + " is in the volumes but not in the source directory");
            }
        }
        void Write(const char* Data, std::size_t Size) override
        {
            if (Source && !Differs) {
                std::string Expected(Size, '\0');
                std::size_t Got = 0;
                while (Got < Size) {
                    std::size_t N = Source->Read(Expected.data() + Got, Size - Got);
                    if (N == 0)
                        break;
                    Got += N;
                }
                if (Got < Size || std::memcmp(Expected.data(), Data, Size) != 0)
                    Fail("differs from the source");
            }
            At += static_cast<std::int64_t>(Size);
        }
        void Close() override
        {
            if (Source && !Differs && At != Source->Size())
                Fail("has a different length in the source");
        }

    private:
        void Fail(const std::string& What)
        {
            Differs = true;
            Owner.Problems.push_back(Name + " " + What);
        }
        Comparer& Owner;
        std::string Name;
        std::unique_ptr<FileReader> Source;
        std::int64_t At = 0;
        bool Differs = false;
    };

    std::unique_ptr<FileWriter> Create(const std::string& Path) override
    {
        if (++Seen[Path] == 2)
            Problems.push_back(Path + " is in the volumes more than once");
        return std::make_unique<Compare>(*this, Path);
    }

    std::string SourceDir;
    std::map<std::string, int> Seen;
    std::vector<std::string> Problems;
};

}  // namespace

std::vector<TSourceFile> SourceFiles(FileSystem& Files, const std::string& SourceDir)
{
    std::vector<std::string> Names = Files.ListFiles(SourceDir);
    std::sort(Names.begin(), Names.end());
    std::vector<TSourceFile> Sources;
    for (const std::string& Name : Names) {
        // Before the file is opened: on Windows a device name opens the device.
        if (std::optional<std::string> Reason = UnsafeNameReason(Name))
            throw LayoutError("the name " + PrintableName(Name) + " " + *Reason);
        Sources.push_back({Name, Files.OpenRead(CombinePath(SourceDir, Name))->Size()});
    }
    return Sources;
}

void WriteMedium(FileSystem& Files, const std::string& SourceDir, const std::vector<TSourceFile>& Sources,
                 const TVolumeLayout& Layout, const std::string& OutDir)
{
    Files.MakeDirectories(CombinePath(OutDir, VolumeFileName(1)));
    std::vector<char> Block(BlockSize);
    std::unique_ptr<FileReader> Source;
    for (std::size_t Number = 1; Number <= Layout.Volumes.size(); ++Number) {
        std::unique_ptr<FileWriter> Out = Files.Create(CombinePath(OutDir, VolumeFileName(static_cast<int>(Number))));
        if (Number == 1)
            WriteLong(*Out, Layout.TotalSize);
        for (const TPiece& Piece : Layout.Volumes[Number - 1]) {
            const TSourceFile& File = Sources[Piece.Index];
            if (Piece.IsHeader) {
                Out->Write(File.Name.c_str(), File.Name.size() + 1);
                WriteLong(*Out, File.Size);
                Source = Files.OpenRead(CombinePath(SourceDir, File.Name));
                continue;
            }
            for (std::int64_t Left = Piece.Count; Left > 0;) {
                std::size_t Got = Source->Read(Block.data(), static_cast<std::size_t>(std::min<std::int64_t>(Left, BlockSize)));
                if (Got == 0)
                    throw FileError("Could not read from", Source->Name(), "the file became shorter while it was read");
                Out->Write(Block.data(), Got);
                Left -= static_cast<std::int64_t>(Got);
            }
        }
        // The next volume's number; the last volume's is never read.
        char Next = static_cast<char>(Number < Layout.Volumes.size() ? Number + 1 : 0);
        Out->Write(&Next, 1);
        Out->Close();
    }
}

TListedMedium ListMedium(FileSystem& Files, const std::string& Dir)
{
    Lister Reading(Files);
    TChainResult Chain = ReadBack(Reading, Dir);
    TListedMedium Medium;
    for (const auto& File : Reading.Listed)
        Medium.Files.push_back(*File);
    Medium.TotalSize = Chain.TotalSize;
    Medium.VolumeCount = Chain.Volumes.size();
    return Medium;
}

std::vector<std::string> VerifyMedium(FileSystem& Files, const std::string& Dir, const std::string& SourceDir)
{
    Comparer Reading(Files, SourceDir);
    ReadBack(Reading, Dir);
    for (const std::string& Name : Files.ListFiles(SourceDir))
        if (!Reading.Seen.count(Name))
            Reading.Problems.push_back(Name + " is in the source directory but not in the volumes");
    return Reading.Problems;
}
