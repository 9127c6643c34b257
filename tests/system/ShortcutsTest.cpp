// The Start-menu shortcuts on the real file system, each link read back
// with a fresh shell-link object. The program runs as the installer does:
// the DLL search restricted to System32 first, then COM for its whole life.
#include "ComApartment.h"
#include "DllSearch.h"
#include "FindFile.h"
#include "LogReaders.h"
#include "NativeFileSystem.h"
#include "RemovalFixture.h"
#include "ShellLink.h"
#include "Unit_LanguagePack.h"
#include "Unit_Logfile.h"
#include "Unit_Shortcuts.h"
#include "Unit_Uninstall.h"

#include <memory>

namespace {

class InstallerEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        RestrictDllSearch();
        Com = std::make_unique<TComApartment>();
    }
    void TearDown() override { Com.reset(); }
    std::unique_ptr<TComApartment> Com;
};
InstallerEnvironment* const Installer =
    static_cast<InstallerEnvironment*>(testing::AddGlobalTestEnvironment(new InstallerEnvironment));

std::vector<std::string> Lines(const std::string& Text)
{
    std::vector<std::string> Result;
    std::string::size_type Begin = 0;
    for (auto End = Text.find("\r\n"); End != std::string::npos; End = Text.find("\r\n", Begin)) {
        Result.push_back(Text.substr(Begin, End - Begin));
        Begin = End + 2;
    }
    return Result;
}

class Shortcuts : public RemovalFixture {
protected:
    void SetUp() override
    {
        RemovalFixture::SetUp();
        ASSERT_TRUE(SUCCEEDED(Installer->Com->Result));
        LanguagePack = std::make_unique<TLanguagePack>();
        LanguagePack->ProgramShortcutText = "Lexovant";
        LanguagePack->ExtraShortcutTarget = "LeesMij.txt";
        LanguagePack->ExtraShortcutText = "Lees mij";
        LanguagePack->UninstallShortcutText = "Lexovant verwijderen";
        ProgFolder = Folder + "\\A\\B";
        Links = CombinePath(Programs, ProgFolder);
    }
    void TearDown() override
    {
        LanguagePack.reset();
        RemovalFixture::TearDown();
    }

    // A whole log around CreateShortcuts, as the installation run writes it.
    std::string InstallWithLog(const std::string& Dir)
    {
        NativeFileSystem Files;
        TLogFile Log(Files, Dir, ProgFolder, "Lexovant installation log");
        Log.BeginProgramFiles();
        CreateShortcuts(nullptr, Dir, ProgFolder, Log);
        Log.Close();
        return ReadWholeFile(CombinePath(Dir, "Install.log"));
    }

    std::string ProgFolder, Links;
};

TEST_F(Shortcuts, ThreeLinksInTheDeepestLevelWithTheirLogLines)
{
    const std::string Dir = CombinePath(Install, "Lexovant 1");  // a blank in the path
    CreateDirectoryA(Dir.c_str(), nullptr);
    std::vector<std::string> Log = Lines(InstallWithLog(Dir));

    const struct {
        const char* Link;
        const char* Target;
    } Expected[] = {{"Lexovant.lnk", "Lexovant.exe"}, {"Lees mij.lnk", "LeesMij.txt"},
                    {"Lexovant verwijderen.lnk", "Uninst.exe"}};
    ASSERT_EQ(Log.size(), 16u);
    EXPECT_EQ(Log[4], ProgFolder);
    EXPECT_EQ(Log[7], "");
    EXPECT_EQ(Log[8], "{program folder files}");
    for (int I = 0; I < 3; ++I) {
        SCOPED_TRACE(Expected[I].Link);
        std::string LinkPath = CombinePath(Links, Expected[I].Link);
        TShellLink Fresh;
        ASSERT_EQ(Fresh.Load(LinkPath), S_OK);
        EXPECT_EQ(Fresh.Path(), CombinePath(Dir, Expected[I].Target));
        EXPECT_EQ(Fresh.WorkingDirectory(), Dir);
        EXPECT_EQ(Log[9 + 2 * I], Expected[I].Link);
        EXPECT_EQ(Log[10 + 2 * I], StampText(LinkPath));
        EXPECT_NE(Log[10 + 2 * I], "0");
    }
    EXPECT_EQ(Log[15], "");
    // Nothing else in the folders made.
    EXPECT_EQ(NativeFileSystem().ListFiles(CombinePath(Programs, Folder)).size(), 3u);
}

TEST_F(Shortcuts, LinksOfTheSameNamesAreReplaced)
{
    WriteWholeFile(CombinePath(Links, "Lexovant.lnk"), "not a link at all");
    {
        TShellLink Old;
        Old.SetPath("C:\\Elsewhere\\Old.exe");
        ASSERT_EQ(Old.Save(CombinePath(Links, "Lees mij.lnk")), S_OK);
    }
    InstallWithLog(Install);
    for (const char* Name : {"Lexovant.lnk", "Lees mij.lnk"}) {
        TShellLink Fresh;
        ASSERT_EQ(Fresh.Load(CombinePath(Links, Name)), S_OK) << Name;
        EXPECT_EQ(Fresh.WorkingDirectory(), Install) << Name;
    }
    TShellLink Fresh;
    Fresh.Load(CombinePath(Links, "Lees mij.lnk"));
    EXPECT_EQ(Fresh.Path(), CombinePath(Install, "LeesMij.txt"));
}

// What one installation records, the next one removes.
TEST_F(Shortcuts, TheNextInstallationRemovesThemAgain)
{
    InstallWithLog(Install);
    ASSERT_TRUE(Exists(CombinePath(Links, "Lexovant.lnk")));
    RemovePreviousInstallation(nullptr, Install, ProgFolder);
    EXPECT_FALSE(Exists(CombinePath(Programs, Folder)));
    EXPECT_TRUE(Exists(Programs));
    EXPECT_FALSE(Exists(Install));
}

}  // namespace
