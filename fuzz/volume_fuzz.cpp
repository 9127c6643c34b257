// Arbitrary bytes as a chain of data volumes, extracted into a temporary
// directory on the real file system: no crash, no hang, and nothing made or
// written outside the target. The input is cut into up to four volumes at
// the offsets its first three bytes give.
#include "ExtractQuestions.h"
#include "FileError.h"
#include "NativeFileSystem.h"
#include "Unit_DataFile.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"
#include "VolumeChain.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;

const fs::path Root = [] {
    char Pattern[] = "/tmp/lexovant-volume-fuzz-XXXXXX";
    if (!mkdtemp(Pattern))
        std::abort();
    static const std::string Made = Pattern;
    std::atexit([] {
        std::error_code Ignored;
        fs::remove_all(Made, Ignored);
    });
    return fs::path(Pattern);
}();
const std::string Target = (Root / "target").string();

// Below the target: its prefix, then components that are neither empty, "."
// nor "..", and no "/" that the host would take as a separator.
bool Inside(const std::string& Path)
{
    std::string Prefix = Target + "\\";
    if (Path.rfind(Prefix, 0) != 0)
        return false;
    std::string Rest = Path.substr(Prefix.size()) + "\\";
    for (std::size_t Begin = 0, End; (End = Rest.find('\\', Begin)) != std::string::npos; Begin = End + 1) {
        std::string Part = Rest.substr(Begin, End - Begin);
        if (Part.empty() || Part == "." || Part == ".." || Part.find('/') != std::string::npos)
            return false;
    }
    return true;
}

// Volumes from memory; everything else on disk, each path checked first.
class ConfinedFiles : public NativeFileSystem {
public:
    std::map<std::string, std::string> Volumes;
    std::unique_ptr<FileReader> OpenRead(const std::string& Path) override
    {
        auto Volume = Volumes.find(Path);
        if (Volume == Volumes.end())
            throw FileError("Could not open", Path, "missing");
        WriteMemory(Path, Volume->second);
        return NativeFileSystem::OpenRead((Root / Path).string());
    }
    std::unique_ptr<FileWriter> Create(const std::string& Path) override { return NativeFileSystem::Create(Checked(Path)); }
    std::unique_ptr<FileWriter> CreateNew(const std::string& Path) override
    {
        return NativeFileSystem::CreateNew(Checked(Path));
    }
    void MakeDirectories(const std::string& Path) override { NativeFileSystem::MakeDirectories(Checked(Path)); }
    bool FileExists(const std::string& Path) override { return NativeFileSystem::FileExists(Checked(Path)); }
    std::int32_t FileStamp(const std::string& Path) override { return NativeFileSystem::FileStamp(Checked(Path)); }

private:
    static const std::string& Checked(const std::string& Path)
    {
        if (!Inside(Path) && Path != Target + "\\Install.log")
            std::abort();
        return Path;
    }
    static void WriteMemory(const std::string& Name, const std::string& Bytes)
    {
        std::unique_ptr<FileWriter> Out = NativeFileSystem().Create((Root / Name).string());
        Out->Write(Bytes.data(), Bytes.size());
        Out->Close();
    }
};

// Yes, No then Resume, Yes to all, No then Exit, in turn: every path, and
// always an end.
class TurnAnswers : public ExtractQuestions {
public:
    int AskOverwrite(const std::string&) override { return (++Asked % 4 == 0) ? No : Asked % 4 == 1 ? Yes : Asked % 4 == 2 ? No : YesToAll; }
    int ConfirmExit() override { return ++Exits % 2 ? Resume : Exit; }
    int Asked = 0, Exits = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    fs::remove_all(Target);
    fs::create_directory(Target);
    ConfinedFiles Files;
    std::size_t Cuts = Size < 3 ? 0 : 3, At = Cuts;
    for (std::size_t I = 0; I <= Cuts; ++I) {
        std::size_t Length = I < Cuts ? std::min<std::size_t>(Data[I], Size - At) : Size - At;
        Files.Volumes[VolumeFileName(static_cast<int>(I + 1))] = std::string(reinterpret_cast<const char*>(Data) + At, Length);
        At += Length;
    }
    TurnAnswers Questions;
    TDataFileOutput Output(Files, Questions, "%f%");
    try {
        TLogFile Log(Files, Target, "F", "H");
        ExtractChain("", Log, Target, Output, 7, false);
    } catch (const FileError&) {
    }
    Output.OutputFile.reset();
    // Nothing but the target and the volumes beside it.
    for (const fs::directory_entry& Entry : fs::directory_iterator(Root)) {
        std::string Name = Entry.path().filename().string();
        if (Name != "target" && Name.rfind("Setup.d", 0) != 0)
            std::abort();
    }
    return 0;
}
