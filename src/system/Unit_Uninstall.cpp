#include "Unit_Uninstall.h"

#include "EntryName.h"
#include "FileStamp.h"
#include "FindFile.h"
#include "LineReader.h"
#include "LogReaders.h"
#include "NativeFileSystem.h"
#include "Registry.h"
#include "ShellFolders.h"
#include "Unit_Paths.h"

#include <memory>

namespace {

// The open log as the readers take it.
class ReaderSource : public ByteSource {
public:
    explicit ReaderSource(FileReader& File) : File(File) {}
    std::size_t Read(char* Buffer, std::size_t Size) override { return File.Read(Buffer, Size); }

private:
    FileReader& File;
};

TLogSections ReadOldLog(const std::string& Path)
{
    NativeFileSystem Files;
    std::unique_ptr<FileReader> File = Files.OpenRead(Path);
    ReaderSource Source(*File);
    return ReadLogSections(Source);
}

bool IsReparsePoint(const std::string& Path)
{
    DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// "C:\..." or "\\server\share...": a relative directory would make the
// removal work in whatever the current directory is.
bool IsAbsolute(const std::string& Path)
{
    return (Path.size() >= 3 && Path[1] == ':' && Path[2] == '\\') || Path.starts_with("\\\\");
}

// True when Relative stays inside its base: no absolute path, drive, "."
// or ".." component, or name that Windows bends elsewhere. An empty
// Relative is the base itself.
bool StaysInside(const std::string& Relative)
{
    return Relative.empty() || !UnsafeNameReason(Relative);
}

// True when one of the directories between Base and the file Relative is a
// junction or symbolic link, or the file itself is one.
bool CrossesReparsePoint(const std::string& Base, const std::string& Relative)
{
    for (std::string::size_type Cut = Relative.find('\\'); Cut != std::string::npos;
         Cut = Relative.find('\\', Cut + 1))
        if (IsReparsePoint(CombinePath(Base, Relative.substr(0, Cut))))
            return true;
    return IsReparsePoint(CombinePath(Base, Relative));
}

// The writer packed the local time that the file had when it was new. Local
// time with today's daylight-saving bias gives that time only while the
// bias is the same; the rule of the file's own date gives it always. Either
// one matching counts.
bool HasStamp(const WIN32_FIND_DATAA& Found, std::int32_t Recorded)
{
    if (FileStampOfTime(Found.ftLastWriteTime) == Recorded)
        return true;
    SYSTEMTIME Universal, OwnDate;
    FILETIME Local;
    WORD Date, Time;
    return FileTimeToSystemTime(&Found.ftLastWriteTime, &Universal) &&
           SystemTimeToTzSpecificLocalTime(nullptr, &Universal, &OwnDate) &&
           SystemTimeToFileTime(&OwnDate, &Local) && FileTimeToDosDateTime(&Local, &Date, &Time) &&
           PackFileStamp(Date, Time) == Recorded;
}

bool ShouldDelete(const std::string& Path, bool Stamped, const TLogEntry& Entry)
{
    if (!Stamped)
        return true;
    // An empty stamp line: the run that wrote the log stopped before the
    // file was complete, and it may be the user's own file.
    if (!Entry.Stamp)
        return false;
    if (*Entry.Stamp == 0)
        return true;
    FindFile Search(Path);
    return Search.Found() && HasStamp(Search.Data(), *Entry.Stamp);
}

// Deletes the entries of one section whose files are unchanged, then tries
// to remove each entry's directories, deepest first, down to but never
// including Base. Prefix is the part of every entry's path below Base that
// the log names once (the program folder).
void RemoveSection(const std::string& Base, const std::string& Prefix, const std::vector<TLogEntry>& Entries,
                   bool Stamped)
{
    for (const TLogEntry& Entry : Entries) {
        if (UnsafeNameReason(Entry.Name))
            continue;
        std::string Relative = CombinePath(Prefix, Entry.Name);
        if (CrossesReparsePoint(Base, Relative))
            continue;
        std::string Path = CombinePath(Base, Relative);
        if (ShouldDelete(Path, Stamped, Entry))
            DeleteFileA(Path.c_str());
        // Removal fails on a directory that is not empty, which is what
        // keeps a changed file's directories.
        for (auto Cut = Relative.rfind('\\'); Cut != std::string::npos; Cut = Relative.rfind('\\')) {
            Relative.resize(Cut);
            RemoveDirectoryA(CombinePath(Base, Relative).c_str());
        }
    }
}

}  // namespace

void DeleteKeyIfEmpty(TRegistry& Reg, const std::string& Path)
{
    if (!Reg.OpenKey(Path))
        return;
    std::optional<TRegKeyInfo> Info = Reg.GetKeyInfo();
    Reg.CloseKey();
    if (Info && Info->NumSubKeys == 0 && Info->NumValues == 0)
        Reg.DeleteKey(Path);
}

void DeleteCommandKey(TRegistry& Reg, const std::string& Path)
{
    if (!Reg.OpenKey(Path))
        return;
    Reg.DeleteValue("");
    std::optional<TRegKeyInfo> Info = Reg.GetKeyInfo();
    Reg.CloseKey();
    if (Info && Info->NumSubKeys == 0 && Info->NumValues == 0)
        Reg.DeleteKey(Path);
}

void RemovePreviousInstallation(HWND Owner, const std::string& PrevInstallDir, const std::string& PrevProgFolder)
{
    {
        TRegistry Reg(HKEY_CLASSES_ROOT);
        DeleteCommandKey(Reg, "\\Lexovant.Wordlist\\Shell\\Openen\\command");
        DeleteKeyIfEmpty(Reg, "\\Lexovant.Wordlist\\Shell\\Openen");
        DeleteCommandKey(Reg, "\\Lexovant.Wordlist\\Shell\\Open\\command");
        DeleteKeyIfEmpty(Reg, "\\Lexovant.Wordlist\\Shell\\Open");
    }
    if (!IsAbsolute(PrevInstallDir) || IsReparsePoint(PrevInstallDir))
        return;
    const std::string Programs = GetProgramsFolder(Owner);
    const std::string LogPath = CombinePath(PrevInstallDir, "Install.log");
    TLogSections Log = ReadOldLog(LogPath);

    if (IsAbsolute(Programs) && StaysInside(PrevProgFolder))
        RemoveSection(Programs, PrevProgFolder, Log.ProgramFolderFiles, Log.Stamped);
    RemoveSection(PrevInstallDir, "", Log.ProgramFiles, Log.Stamped);

    DeleteFileA(LogPath.c_str());
    RemoveDirectoryA(PrevInstallDir.c_str());
}
