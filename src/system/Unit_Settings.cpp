#include "Unit_Settings.h"

#include "Registry.h"
#include "ShellApi.h"
#include "Unit_LanguagePack.h"
#include "Unit_Paths.h"

#include <stdexcept>

namespace {

// Opens Path, creating it when missing, writes Value as its default value
// and closes it.
void WriteDefault(TRegistry& Reg, const std::string& Path, const std::string& Value)
{
    Reg.OpenKey(Path, true);
    Reg.WriteString("", Value);
    Reg.CloseKey();
}

}  // namespace

void WriteSettings(const std::string& LanguageName, const std::string& InstallDir)
{
    if (!LanguagePack)
        throw std::logic_error("No language has been chosen");
    const std::string Program = CombinePath(InstallDir, "Lexovant.exe");
    TRegistry Reg(HKEY_LOCAL_MACHINE);

    Reg.OpenKey("\\Software\\Lexovant", true);
    Reg.WriteString("Language", LanguageName);
    Reg.CloseKey();

    Reg.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lexovant", true);
    Reg.WriteString("DisplayName", "Lexovant");
    // Unquoted: start-up takes the directory of this value as it stands.
    Reg.WriteString("UninstallString", CombinePath(InstallDir, "Uninst.exe"));
    Reg.CloseKey();

    Reg.SetRootKey(HKEY_CLASSES_ROOT);
    WriteDefault(Reg, "\\.wdl", "Lexovant.Wordlist");
    WriteDefault(Reg, "\\Lexovant.Wordlist", LanguagePack->WordlistTypeText);
    WriteDefault(Reg, "\\Lexovant.Wordlist\\DefaultIcon", Program + ",1");
    WriteDefault(Reg, "\\Lexovant.Wordlist\\Shell", "open");
    Reg.OpenKey("\\Lexovant.Wordlist\\Shell\\open", true);
    Reg.CloseKey();
    // The program path quoted as well: unquoted, a path with blanks lets
    // Windows start C:\Program.exe instead.
    WriteDefault(Reg, "\\Lexovant.Wordlist\\Shell\\open\\command", "\"" + Program + "\" \"%1\"");

    // Explorer shows the new association without a restart.
    ShellApi::ChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
