#include "Unit_Shortcuts.h"

#include "DirectoryPath.h"
#include "FindFile.h"
#include "ShellFolders.h"
#include "ShellLink.h"
#include "Unit_LanguagePack.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"

#include <stdexcept>

void CreateShortcuts(HWND Owner, const std::string& InstallDir, const std::string& ProgFolder, TLogFile& Log)
{
    if (!LanguagePack)
        throw std::logic_error("No language has been chosen");
    Log.BeginProgramFolderFiles();
    const std::string Folder = CombinePath(GetProgramsFolder(Owner), ProgFolder);
    const TLanguagePack& Pack = *LanguagePack;
    const struct {
        std::string Target, Name;
    } Shortcuts[] = {
        {"Lexovant.exe", Pack.ProgramShortcutText},
        {Pack.ExtraShortcutTarget, Pack.ExtraShortcutText},
        {"Uninst.exe", Pack.UninstallShortcutText},
    };

    // One object serves all three links.
    TShellLink Link;
    for (const auto& Shortcut : Shortcuts) {
        // The results are not tested here: a link that failed to save shows
        // as a missing file, recorded with the stamp 0.
        Link.SetPath(CombinePath(InstallDir, Shortcut.Target));
        Link.SetWorkingDirectory(InstallDir);
        const std::string FileName = Shortcut.Name + ".lnk";
        const std::string LinkPath = CombinePath(Folder, FileName);
        MakeSureDirectoryPathExists(LinkPath);
        Link.Save(LinkPath);
        Log.WriteLine(FileName);
        Log.WriteNumber(FileStampOf(LinkPath));
    }
}
