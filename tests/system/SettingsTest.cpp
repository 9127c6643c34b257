// The registry settings against the real registry of the Wine prefix, read
// back with RegQueryValueExA. The fixture removes the product's keys before
// and after each test.
#include "Registry.h"
#include "Unit_LanguagePack.h"
#include "Unit_Settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace {

const char* const ProductKey = "Software\\Lexovant";
const char* const UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lexovant";

std::optional<std::string> Value(HKEY Root, const std::string& Path, const char* Name, DWORD* TypeOut = nullptr)
{
    HKEY Key;
    if (RegOpenKeyExA(Root, Path.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS)
        return std::nullopt;
    char Buffer[1024];
    DWORD Size = sizeof Buffer, Type = 0;
    LONG Status = RegQueryValueExA(Key, Name, nullptr, &Type, reinterpret_cast<BYTE*>(Buffer), &Size);
    RegCloseKey(Key);
    if (Status != ERROR_SUCCESS)
        return std::nullopt;
    if (TypeOut)
        *TypeOut = Type;
    return std::string(Buffer, Size && Buffer[Size - 1] == '\0' ? Size - 1 : Size);
}

// Every key below Path with every value: "key|name" -> "type:data".
void Snapshot(HKEY Root, const std::string& Path, std::map<std::string, std::string>& Into)
{
    HKEY Key;
    if (RegOpenKeyExA(Root, Path.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS)
        return;
    Into[Path] = "(key)";
    char Name[256];
    BYTE Data[1024];
    for (DWORD Index = 0;; ++Index) {
        DWORD NameSize = sizeof Name, DataSize = sizeof Data, Type = 0;
        if (RegEnumValueA(Key, Index, Name, &NameSize, nullptr, &Type, Data, &DataSize) != ERROR_SUCCESS)
            break;
        Into[Path + "|" + Name] = std::to_string(Type) + ":" + std::string(reinterpret_cast<char*>(Data), DataSize);
    }
    for (DWORD Index = 0;; ++Index) {
        DWORD NameSize = sizeof Name;
        if (RegEnumKeyExA(Key, Index, Name, &NameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        Snapshot(Root, Path + "\\" + Name, Into);
    }
    RegCloseKey(Key);
}

class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        Clear();
        LanguagePack = std::make_unique<TLanguagePack>();
        LanguagePack->WordlistTypeText = "Lexovant-woordenlijst";
    }
    void TearDown() override
    {
        Clear();
        LanguagePack.reset();
    }
    static void Clear()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, ProductKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".wdl");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "Lexovant.Wordlist");
    }
    static std::map<std::string, std::string> Everything()
    {
        std::map<std::string, std::string> All;
        Snapshot(HKEY_LOCAL_MACHINE, ProductKey, All);
        Snapshot(HKEY_LOCAL_MACHINE, UninstallKey, All);
        Snapshot(HKEY_CLASSES_ROOT, ".wdl", All);
        Snapshot(HKEY_CLASSES_ROOT, "Lexovant.Wordlist", All);
        return All;
    }
};

TEST_F(Settings, WritesTheProductKeyTheUninstallEntryAndTheAssociation)
{
    struct Case {
        const char* InstallDir;
        const char* Uninstall;
        const char* Icon;
        const char* Command;
    } const Cases[] = {
        {"C:\\Program Files\\Lexovant", "C:\\Program Files\\Lexovant\\Uninst.exe",
         "C:\\Program Files\\Lexovant\\Lexovant.exe,1", "\"C:\\Program Files\\Lexovant\\Lexovant.exe\" \"%1\""},
        {"C:\\", "C:\\Uninst.exe", "C:\\Lexovant.exe,1", "\"C:\\Lexovant.exe\" \"%1\""},
        {"D:\\Lex", "D:\\Lex\\Uninst.exe", "D:\\Lex\\Lexovant.exe,1", "\"D:\\Lex\\Lexovant.exe\" \"%1\""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.InstallDir);
        WriteSettings("Nederlands", C.InstallDir);
        DWORD Type = 0;
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, ProductKey, "Language", &Type), "Nederlands");
        EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"), "Lexovant");
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"), C.Uninstall);
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".wdl", ""), "Lexovant.Wordlist");
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Lexovant.Wordlist", ""), "Lexovant-woordenlijst");
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Lexovant.Wordlist\\DefaultIcon", ""), C.Icon);
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Lexovant.Wordlist\\Shell", ""), "open");
        EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "Lexovant.Wordlist\\Shell\\open\\command", ""), C.Command);
    }
}

TEST_F(Settings, TheVerbKeyIsLowerCaseAndHoldsNothing)
{
    WriteSettings("English", "C:\\Lexovant");
    HKEY Shell;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Lexovant.Wordlist\\Shell", 0, KEY_READ, &Shell), ERROR_SUCCESS);
    char Name[64];
    DWORD Size = sizeof Name;
    ASSERT_EQ(RegEnumKeyExA(Shell, 0, Name, &Size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(Name, "open");
    Size = sizeof Name;
    EXPECT_EQ(RegEnumKeyExA(Shell, 1, Name, &Size, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(Shell);
    std::map<std::string, std::string> All = Everything();
    EXPECT_EQ(All.count("Lexovant.Wordlist\\Shell\\open"), 1u);
    for (const auto& [Key, Data] : All)
        EXPECT_FALSE(Key.starts_with("Lexovant.Wordlist\\Shell\\open|")) << Key;
}

TEST_F(Settings, TwiceGivesWhatOnceGives)
{
    WriteSettings("English", "C:\\Program Files\\Lexovant");
    std::map<std::string, std::string> Once = Everything();
    WriteSettings("English", "C:\\Program Files\\Lexovant");
    EXPECT_EQ(Everything(), Once);
    EXPECT_EQ(Once.size(), 16u);  // 8 keys, 8 values
}

TEST_F(Settings, ReplacesItsOwnValuesAndLeavesOthersAlone)
{
    WriteSettings("English", "C:\\Old");
    HKEY Key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_ALL_ACCESS, &Key), ERROR_SUCCESS);
    RegSetValueExA(Key, "Publisher", 0, REG_SZ, reinterpret_cast<const BYTE*>("Someone"), 8);
    RegCloseKey(Key);
    WriteSettings("Nederlands", "C:\\New");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, ProductKey, "Language"), "Nederlands");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"), "C:\\New\\Uninst.exe");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "Publisher"), "Someone");
}

}  // namespace
