#include "StartState.h"

#include "LineReader.h"
#include "LogReaders.h"
#include "Registry.h"
#include "Unit_Paths.h"

#include <optional>

namespace {

const char* const UninstallKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lexovant";
const char* const CurrentVersionKey = "\\Software\\Microsoft\\Windows\\CurrentVersion";

// Everything up to and including the last backslash or colon.
std::string DirectoryPart(const std::string& Path)
{
    std::string::size_type Cut = Path.find_last_of("\\:");
    return Cut == std::string::npos ? std::string() : Path.substr(0, Cut + 1);
}

// "C:\..." or "\\server\...": a directory that does not depend on the
// current directory or drive.
bool IsAbsolute(const std::string& Path)
{
    bool DrivePath = Path.size() >= 3 && Path[1] == ':' && Path[2] == '\\';
    return DrivePath || Path.starts_with("\\\\");
}

std::optional<std::string> ProgramFolderFromLog(const std::string& LogPath)
{
    FileSource Log;
    if (!Log.Open(LogPath))
        return std::nullopt;
    try {
        return ReadProgramFolder(Log);
    } catch (const ReadError&) {
        return std::nullopt;  // a log that cannot be read counts as missing
    }
}

}  // namespace

void FindPreviousInstallation(TSetupPars& Pars)
{
    Pars.Page = 0;
    Pars.PrevInstallDir.clear();
    Pars.PrevProgFolder.clear();
    Pars.PrevInstallFound = false;

    TRegistry Registry(HKEY_LOCAL_MACHINE);
    if (Registry.OpenKey(UninstallKey)) {
        if (std::optional<std::string> Uninstaller = Registry.ReadString("UninstallString")) {
            Pars.PrevInstallDir = RemoveTrailingBackslash(DirectoryPart(*Uninstaller));
            // Only an absolute directory: a relative one would point into
            // the current directory, the installation medium.
            if (IsAbsolute(Pars.PrevInstallDir)) {
                if (auto Folder = ProgramFolderFromLog(CombinePath(Pars.PrevInstallDir, "Install.log"))) {
                    Pars.PrevProgFolder = *Folder;
                    Pars.PrevInstallFound = true;
                }
            }
            Pars.InstallDir = Pars.PrevInstallDir;
            Pars.ProgFolder = Pars.PrevProgFolder;
        }
    }
    if (!Pars.PrevInstallFound) {
        Pars.InstallDir = "C:\\Program Files\\Lexovant";
        if (Registry.OpenKey(CurrentVersionKey)) {
            std::optional<std::string> ProgramFiles = Registry.ReadString("ProgramFilesDir");
            // An empty value would give a relative directory.
            if (ProgramFiles && !ProgramFiles->empty())
                Pars.InstallDir = CombinePath(*ProgramFiles, "Lexovant");
        }
        Pars.ProgFolder = "Lexovant";
    }
}
