#include "MemoryFiles.h"

#include "FileError.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

class MemoryReader : public FileReader {
public:
    MemoryReader(std::string Path, const std::string& Bytes) : Path(std::move(Path)), Bytes(Bytes) {}
    std::size_t Read(char* Buffer, std::size_t Size) override
    {
        std::size_t Count = std::min(Size, Bytes.size() - At);
        std::memcpy(Buffer, Bytes.data() + At, Count);
        At += Count;
        return Count;
    }
    std::int64_t Size() const override { return static_cast<std::int64_t>(Bytes.size()); }
    const std::string& Name() const override { return Path; }

private:
    std::string Path;
    std::string Bytes;
    std::size_t At = 0;
};

class MemoryWriter : public FileWriter {
public:
    MemoryWriter(MemoryFiles& Owner, std::string Path) : Owner(Owner), Path(std::move(Path)) {}
    ~MemoryWriter() override { Owner.Open.erase(Path); }
    void Write(const char* Data, std::size_t Size) override
    {
        std::string& File = Owner.Files[Path];
        if (Path == Owner.FailingFile && (Owner.DiskFull || File.size() + Size > Owner.FailAfter)) {
            Owner.DiskFull = true;
            throw FileError("Could not write to", Path, "There is not enough space on the disk.");
        }
        File.append(Data, Size);
        Owner.Writes[Path].emplace_back(Data, Size);
    }
    void Close() override
    {
        if (Path == Owner.FailingFile && Owner.DiskFull)
            throw FileError("Could not close", Path, "There is not enough space on the disk.");
        Owner.Open.erase(Path);
        Owner.Stamps[Path] = Owner.NextStamp++;
    }

private:
    MemoryFiles& Owner;
    std::string Path;
};

}  // namespace

std::unique_ptr<FileReader> MemoryFiles::OpenRead(const std::string& Path)
{
    auto File = Files.find(Path);
    if (File == Files.end())
        throw FileError("Could not open", Path, "The system cannot find the file specified.");
    return std::make_unique<MemoryReader>(Path, File->second);
}

std::unique_ptr<FileWriter> MemoryFiles::Create(const std::string& Path)
{
    if (Directories.count(Path))
        throw FileError("Could not create", Path, "Access is denied.");
    std::string::size_type Cut = Path.rfind('\\');
    if (Cut != std::string::npos && Cut > 2 && !Directories.count(Path.substr(0, Cut)))
        throw FileError("Could not create", Path, "The system cannot find the path specified.");
    Files[Path].clear();
    Writes[Path].clear();
    Open.insert(Path);
    return std::make_unique<MemoryWriter>(*this, Path);
}

std::unique_ptr<FileWriter> MemoryFiles::CreateNew(const std::string& Path)
{
    std::string::size_type Cut = Path.rfind('\\');
    bool DirectoryThere = Cut == std::string::npos || Cut <= 2 || Directories.count(Path.substr(0, Cut));
    if (Files.count(Path) || Directories.count(Path) || !DirectoryThere)
        return nullptr;
    return Create(Path);
}

void MemoryFiles::MakeDirectories(const std::string& Path)
{
    for (std::string::size_type Cut = Path.find('\\', 3); Cut != std::string::npos; Cut = Path.find('\\', Cut + 1))
        if (!Files.count(Path.substr(0, Cut)))
            Directories.insert(Path.substr(0, Cut));
}

bool MemoryFiles::FileExists(const std::string& Path)
{
    return Files.count(Path) > 0;
}

std::int32_t MemoryFiles::FileStamp(const std::string& Path)
{
    auto Stamp = Stamps.find(Path);
    return Stamp == Stamps.end() ? 0 : Stamp->second;
}

std::vector<std::string> MemoryFiles::ListFiles(const std::string& Dir)
{
    std::vector<std::string> Names;
    for (const auto& [Path, Bytes] : Files)
        if (Path.rfind(Dir + "\\", 0) == 0)
            Names.push_back(Path.substr(Dir.size() + 1));
    return Names;
}

int ScriptedQuestions::AskOverwrite(const std::string& Text)
{
    Asked.push_back("O:" + Text);
    if (OverwriteAnswers.empty())
        throw std::logic_error("an overwrite prompt that the test did not expect: " + Text);
    int Answer = OverwriteAnswers.front();
    OverwriteAnswers.erase(OverwriteAnswers.begin());
    return Answer;
}

int ScriptedQuestions::ConfirmExit()
{
    Asked.push_back("E");
    if (ExitAnswers.empty())
        throw std::logic_error("an exit confirmation that the test did not expect");
    int Answer = ExitAnswers.front();
    ExitAnswers.erase(ExitAnswers.begin());
    return Answer;
}
