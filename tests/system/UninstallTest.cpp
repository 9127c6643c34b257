// The removal of a previous installation against the real file system and
// registry of the Wine prefix.
#include "FileError.h"
#include "FileStamp.h"
#include "LogReaders.h"
#include "RemovalFixture.h"
#include "Registry.h"
#include "Unit_Uninstall.h"

#include <optional>

namespace {

// One "{program files}" section, its files made beforehand, and what is
// left afterwards.
enum class Recorded { Same, Zero, Later, EmptyLine, NoLine };

struct Entry {
    std::string Name;
    Recorded Stamp;
};

struct RemovalCase {
    const char* Name;
    std::string Line2;
    std::vector<std::string> Files;  // made before the run, all with the same time
    std::vector<Entry> Entries;
    std::vector<std::string> Kept;  // relative to the install directory; "" is the directory itself
    std::vector<std::string> Gone;
};

class Removal : public RemovalFixture {};

TEST_F(Removal, DeletesUnchangedFilesAndTheDirectoriesThisEmpties)
{
    const RemovalCase Cases[] = {
        {"an unchanged file is deleted, and with it the log and the directory", "0", {"Lexovant.exe"},
         {{"Lexovant.exe", Recorded::Same}}, {}, {"Lexovant.exe", "Install.log", ""}},
        {"a changed file stays, and so do its directories", "0", {"Data\\Sub\\File.txt"},
         {{"Data\\Sub\\File.txt", Recorded::Later}}, {"Data\\Sub\\File.txt", "Data\\Sub", "Data", ""}, {"Install.log"}},
        {"a stamp of 0 deletes the file whatever its stamp", "0", {"A.txt"}, {{"A.txt", Recorded::Zero}}, {},
         {"A.txt", ""}},
        {"an empty line 2 deletes without comparing", "", {"A.txt", "B\\C.txt"},
         {{"A.txt", Recorded::NoLine}, {"B\\C.txt", Recorded::NoLine}}, {}, {"A.txt", "B\\C.txt", "B", ""}},
        {"Data\\Sub goes, then Data only when empty", "0", {"Data\\Sub\\File.txt", "Data\\Keep.txt"},
         {{"Data\\Sub\\File.txt", Recorded::Same}}, {"Data\\Keep.txt", "Data", ""}, {"Data\\Sub\\File.txt", "Data\\Sub"}},
        {"Data\\Sub and Data both go when empty", "0", {"Data\\Sub\\File.txt", "Data\\Other.txt"},
         {{"Data\\Sub\\File.txt", Recorded::Same}, {"Data\\Other.txt", Recorded::Same}}, {}, {"Data\\Sub", "Data", ""}},
        {"a cancelled run's last file, without a stamp, stays", "0", {"A.txt", "B.txt"},
         {{"A.txt", Recorded::Same}, {"B.txt", Recorded::EmptyLine}}, {"B.txt", ""}, {"A.txt", "Install.log"}},
        {"a file not there only leads to its directory steps", "0", {}, {{"Gone\\File.txt", Recorded::Zero}}, {},
         {"Install.log", ""}},
        {"a file the user added keeps the directory", "0", {"A.txt", "Mine.txt"}, {{"A.txt", Recorded::Same}},
         {"Mine.txt", ""}, {"A.txt", "Install.log"}},
    };
    for (const RemovalCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        CreateDirectoryA(Install.c_str(), nullptr);
        for (const std::string& File : C.Files)
            Put(CombinePath(Install, File));
        std::vector<std::string> Lines = Head(C.Line2);
        Lines.insert(Lines.end(), {"", "{program files}"});
        for (const Entry& E : C.Entries) {
            Lines.push_back(E.Name);
            std::string Path = CombinePath(Install, E.Name);
            switch (E.Stamp) {
            case Recorded::Same: Lines.push_back(StampText(Path)); break;
            case Recorded::Zero: Lines.push_back("0"); break;
            case Recorded::Later: Lines.push_back(std::to_string(FileStampOf(Path) + (1 << 5))); break;  // a minute
            case Recorded::EmptyLine: Lines.push_back(""); break;
            case Recorded::NoLine: break;
            }
        }
        Lines.push_back("");
        WriteLog(Lines);

        RemovePreviousInstallation(nullptr, Install, Folder);

        for (const std::string& Path : C.Kept)
            EXPECT_TRUE(Exists(CombinePath(Install, Path))) << "kept: " << Path;
        for (const std::string& Path : C.Gone)
            EXPECT_FALSE(Exists(CombinePath(Install, Path))) << "gone: " << Path;
        std::error_code Ignored;
        std::filesystem::remove_all(Install, Ignored);
    }
}

TEST_F(Removal, ShortcutsAndTheirFolderLevelsGoButNotTheProgramsFolder)
{
    const std::string ProgFolder = Folder + "\\A\\B";
    const std::string Shortcuts = CombinePath(Programs, ProgFolder);
    Put(CombinePath(Shortcuts, "Lexovant.lnk"));
    Put(CombinePath(Shortcuts, "Uninstall.lnk"));
    Put(CombinePath(Install, "Lexovant.exe"));
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", ProgFolder, "", "{program files}",
              "Lexovant.exe", StampText(CombinePath(Install, "Lexovant.exe")), "", "{program folder files}",
              "Lexovant.lnk", StampText(CombinePath(Shortcuts, "Lexovant.lnk")), "Uninstall.lnk", "0", ""});

    RemovePreviousInstallation(nullptr, Install, ProgFolder);

    EXPECT_FALSE(Exists(CombinePath(Programs, Folder))) << "A\\B, A and the folder above them are removed";
    EXPECT_TRUE(Exists(Programs));
    EXPECT_FALSE(Exists(Install));
}

TEST_F(Removal, ALogWithoutShortcutsStillHasItsFilesRemoved)
{
    Put(CombinePath(Install, "Lexovant.exe"));
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", Folder, "", "{program files}", "Lexovant.exe",
              StampText(CombinePath(Install, "Lexovant.exe")), ""});
    RemovePreviousInstallation(nullptr, Install, Folder);
    EXPECT_FALSE(Exists(Install));
}

TEST_F(Removal, AStampLineThatIsNoNumberStopsWithTheLogAndFilesInPlace)
{
    Put(CombinePath(Install, "A.txt"));
    Put(CombinePath(Programs, Folder + "\\Lexovant.lnk"));
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", Folder, "", "{program files}", "A.txt", "12x",
              "", "{program folder files}", "Lexovant.lnk", "0", ""});
    try {
        RemovePreviousInstallation(nullptr, Install, Folder);
        ADD_FAILURE() << "no error";
    } catch (const ConvertError& Error) {
        EXPECT_STREQ(Error.what(), "'12x' is not a valid integer value");
    }
    EXPECT_TRUE(Exists(CombinePath(Install, "A.txt")));
    EXPECT_TRUE(Exists(CombinePath(Install, "Install.log")));
    EXPECT_TRUE(Exists(CombinePath(Programs, Folder + "\\Lexovant.lnk")));
}

TEST_F(Removal, AMissingLogIsAFileError)
{
    EXPECT_THROW(RemovePreviousInstallation(nullptr, Install, Folder), FileError);
    EXPECT_TRUE(Exists(Install));
}

// Entries of a damaged or tampered log that point outside their folders:
// the files there stay, and so does every directory from the section's
// folder up.
TEST_F(Removal, EntriesOutsideTheirFoldersAreSkipped)
{
    const std::string Victim = CombinePath(Temp.Path(), "Victim.txt");
    const std::string VictimDir = CombinePath(Temp.Path(), "VictimDir");
    Put(Victim);
    CreateDirectoryA(VictimDir.c_str(), nullptr);
    Put(CombinePath(Install, "Lexovant.exe"));
    const std::string Absolute = Victim;
    const std::string Rooted = Victim.substr(2);  // "\..." on the same drive
    const std::string DriveRelative = Victim.substr(0, 2) + Victim.substr(3);
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", Folder, "", "{program files}",
              "..\\Victim.txt", "0", "Sub\\..\\..\\Victim.txt", "0", ".\\Lexovant.exe", "0", Absolute, "0", Rooted,
              "0", DriveRelative, "0", "..\\VictimDir\\x", "0", "..\\", "0", "Lexovant.exe", "0", "",
              "{program folder files}", "..\\..\\Victim.txt", "0", ""});

    RemovePreviousInstallation(nullptr, Install, Folder);

    EXPECT_TRUE(Exists(Victim));
    EXPECT_TRUE(Exists(VictimDir));
    EXPECT_TRUE(Exists(Temp.Path()));
    EXPECT_TRUE(Exists(Programs));
    EXPECT_FALSE(Exists(Install)) << "the sound entry is still handled";
}

TEST_F(Removal, ATamperedProgramFolderLeavesTheShortcutSectionAlone)
{
    const std::string Victim = CombinePath(Temp.Path(), "Victim.lnk");
    Put(Victim);
    // The program folder reaches from the Programs folder to the victim.
    std::string Up;
    for (std::string Rest = Programs; Rest.find('\\') != std::string::npos; Rest.resize(Rest.rfind('\\')))
        Up += "..\\";
    const std::string ProgFolder = Up + Temp.Path().substr(3);
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", ProgFolder, "", "{program files}", "",
              "{program folder files}", "Victim.lnk", "0", ""});
    RemovePreviousInstallation(nullptr, Install, ProgFolder);
    EXPECT_TRUE(Exists(Victim));
    EXPECT_TRUE(Exists(Programs));
}

// A directory in the install directory that is a symbolic link to a folder
// outside: neither the file through it nor the link itself is removed.
TEST_F(Removal, SymbolicLinksAreNotFollowed)
{
    const std::string Outside = CombinePath(Temp.Path(), "Outside");
    Put(CombinePath(Outside, "File.txt"));
    const std::string Link = CombinePath(Install, "Data");
    BOOL Made = CreateSymbolicLinkA(Link.c_str(), Outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
    DWORD Attributes = GetFileAttributesA(Link.c_str());
    if (!Made || Attributes == INVALID_FILE_ATTRIBUTES || !(Attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "this system makes no symbolic links here";  // Wine 8 answers TRUE and makes none
    WriteLog({"Lexovant installation log", "0", "", "{program folder}", Folder, "", "{program files}",
              "Data\\File.txt", "0", ""});
    RemovePreviousInstallation(nullptr, Install, Folder);
    EXPECT_TRUE(Exists(CombinePath(Outside, "File.txt")));
    EXPECT_TRUE(Exists(Link));
    RemoveDirectoryA(Link.c_str());
}

// Run with TZ=Europe/Amsterdam. A file written in the other half of the
// year than now: the stamp recorded then used that season's bias, while
// local time with today's bias is an hour off. Both forms count.
TEST_F(Removal, AFileFromTheOtherSideOfTheClockChangeIsUnchanged)
{
    TIME_ZONE_INFORMATION Zone;
    bool SummerNow = GetTimeZoneInformation(&Zone) == TIME_ZONE_ID_DAYLIGHT;
    ASSERT_EQ(Zone.Bias, -60) << "the test runs in Central European Time";
    // 10:00 UTC is 12:00 in summer, 11:00 in winter.
    const int Month = SummerNow ? 1 : 7;
    const int WhenWritten = SummerNow ? 11 : 12;
    const int WithTodaysBias = SummerNow ? 12 : 11;
    const struct {
        const char* Name;
        int Hour;
        bool Deleted;
    } Cases[] = {
        {"the stamp the writer got", WhenWritten, true},
        {"the stamp with today's bias", WithTodaysBias, true},
        {"an hour further off", WhenWritten + (WhenWritten - WithTodaysBias), false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const std::string File = CombinePath(Install, "Lexovant.exe");
        WriteWholeFile(File, "x");
        SetWriteTime(File, 2026, Month, 1, 10, 0);
        ASSERT_EQ(FileStampOf(File), FileStampOfLocalTime(2026, Month, 1, WithTodaysBias, 0, 0));
        WriteLog({"Lexovant installation log", "0", "", "{program folder}", Folder, "", "{program files}",
                  "Lexovant.exe", std::to_string(FileStampOfLocalTime(2026, Month, 1, C.Hour, 0, 0)), ""});
        RemovePreviousInstallation(nullptr, Install, Folder);
        EXPECT_EQ(Exists(File), !C.Deleted);
        CreateDirectoryA(Install.c_str(), nullptr);
    }
}

// The verb keys that older installations left below the association.
class VerbKeys : public testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() { RegDeleteTreeA(HKEY_CLASSES_ROOT, "Lexovant.Wordlist"); }
    static void Make(const std::string& Path, const char* ValueName = nullptr)
    {
        HKEY Key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                                  nullptr),
                  ERROR_SUCCESS);
        if (ValueName)
            RegSetValueExA(Key, ValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
        RegCloseKey(Key);
    }
    static bool KeyExists(const std::string& Path)
    {
        HKEY Key;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, Path.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(Key);
        return true;
    }
    static std::optional<std::string> Value(const std::string& Path, const char* Name)
    {
        char Buffer[256];
        DWORD Size = sizeof Buffer, Type = 0;
        if (RegGetValueA(HKEY_CLASSES_ROOT, Path.c_str(), Name, RRF_RT_REG_SZ, &Type, Buffer, &Size) != ERROR_SUCCESS)
            return std::nullopt;
        return std::string(Buffer);
    }
};

const std::string Openen = "Lexovant.Wordlist\\Shell\\Openen";
const std::string Open = "Lexovant.Wordlist\\Shell\\Open";

TEST_F(VerbKeys, GoWhenTheyHoldNothingElse)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<std::string, const char*>> Made;  // key, value name (nullptr: none)
        std::vector<std::string> Kept, Gone;
    } const Cases[] = {
        {"command with only its default value", {{Openen + "\\command", ""}}, {"Lexovant.Wordlist\\Shell"},
         {Openen + "\\command", Openen}},
        {"the lower-case open verb of the settings", {{"Lexovant.Wordlist\\Shell\\open\\command", ""}},
         {"Lexovant.Wordlist\\Shell"}, {Open + "\\command", Open}},
        {"command with another value", {{Openen + "\\command", ""}, {Openen + "\\command", "Other"}},
         {Openen + "\\command", Openen}, {}},
        {"verb with a value of its own", {{Openen + "\\command", ""}, {Openen, "Other"}}, {Openen},
         {Openen + "\\command"}},
        {"verb with another sub-key", {{Openen + "\\command", ""}, {Openen + "\\ddeexec", nullptr}},
         {Openen, Openen + "\\ddeexec"}, {Openen + "\\command"}},
        {"verb without a command", {{Openen, nullptr}}, {}, {Openen}},
        {"nothing there", {}, {}, {Openen}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Clear();
        for (const auto& [Key, ValueName] : C.Made)
            Make(Key, ValueName);
        TempDir Temp;
        WriteWholeFile(CombinePath(Temp.Path(), "Install.log"), "Lexovant installation log\r\n0\r\n\r\n");
        RemovePreviousInstallation(nullptr, Temp.Path(), "Lexovant");
        for (const std::string& Key : C.Kept)
            EXPECT_TRUE(KeyExists(Key)) << "kept: " << Key;
        for (const std::string& Key : C.Gone)
            EXPECT_FALSE(KeyExists(Key)) << "gone: " << Key;
    }
}

TEST_F(VerbKeys, ACommandKeyLosesItsDefaultValueEvenWhenItStays)
{
    Make(Openen + "\\command", "");
    Make(Openen + "\\command", "Other");
    TRegistry Reg(HKEY_CLASSES_ROOT);
    DeleteCommandKey(Reg, Openen + "\\command");
    EXPECT_EQ(Value(Openen + "\\command", nullptr), std::nullopt);
    EXPECT_EQ(Value(Openen + "\\command", "Other"), "x");
    DeleteKeyIfEmpty(Reg, Openen);
    EXPECT_TRUE(KeyExists(Openen));
}

}  // namespace
