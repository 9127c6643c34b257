// Start-up's search for a previous installation, against the real registry
// of the Wine prefix. Each case sets up its own uninstall entry, Install.log
// and "ProgramFilesDir", and the fixture puts everything back afterwards.
#include "SetupPars.h"
#include "StartState.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

const char* const UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lexovant";
const char* const CurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

void WriteFile(const std::string& Path, const std::string& Bytes)
{
    std::FILE* File = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(File, nullptr) << Path;
    std::fwrite(Bytes.data(), 1, Bytes.size(), File);
    std::fclose(File);
}

std::optional<std::string> ReadValue(HKEY Key, const char* Name, DWORD& Type)
{
    char Buffer[1024];
    DWORD Size = sizeof Buffer;
    if (RegQueryValueExA(Key, Name, nullptr, &Type, reinterpret_cast<BYTE*>(Buffer), &Size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(Buffer, Size);
}

class StartState : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, CurrentVersionKey, 0, KEY_ALL_ACCESS, &CurrentVersion),
                  ERROR_SUCCESS);
        SavedProgramFiles = ReadValue(CurrentVersion, "ProgramFilesDir", SavedType);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
        char Temp[MAX_PATH];
        GetTempPathA(MAX_PATH, Temp);
        Dir = std::string(Temp) + "lexovant-start-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(Dir.c_str(), nullptr);
    }
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
        if (SavedProgramFiles)
            RegSetValueExA(CurrentVersion, "ProgramFilesDir", 0, SavedType,
                           reinterpret_cast<const BYTE*>(SavedProgramFiles->data()),
                           static_cast<DWORD>(SavedProgramFiles->size()));
        RegCloseKey(CurrentVersion);
        DeleteFileA((Dir + "\\Install.log").c_str());
        RemoveDirectoryA((Dir + "\\Install.log").c_str());
        RemoveDirectoryA(Dir.c_str());
    }

    void SetProgramFiles(const std::string& Value)
    {
        RegSetValueExA(CurrentVersion, "ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                       static_cast<DWORD>(Value.size() + 1));
    }
    void SetUninstallString(const std::string& Value, DWORD Type = REG_SZ)
    {
        HKEY Key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                                  nullptr),
                  ERROR_SUCCESS);
        if (Type == REG_DWORD) {
            DWORD Number = 7;
            RegSetValueExA(Key, "UninstallString", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Number), 4);
        } else {
            RegSetValueExA(Key, "UninstallString", 0, Type, reinterpret_cast<const BYTE*>(Value.c_str()),
                           static_cast<DWORD>(Value.size() + 1));
        }
        RegCloseKey(Key);
    }
    TSetupPars Found()
    {
        TSetupPars Pars;
        Pars.Page = 3;
        Pars.PrevInstallFound = true;
        FindPreviousInstallation(Pars);
        return Pars;
    }

    HKEY CurrentVersion = nullptr;
    std::optional<std::string> SavedProgramFiles;
    DWORD SavedType = REG_SZ;
    std::string Dir;
};

TEST_F(StartState, DefaultsWithoutAnUninstallEntry)
{
    struct Case {
        std::optional<std::string> ProgramFiles;  // nothing: the value is removed
        const char* InstallDir;
    } const Cases[] = {
        {"C:\\Program Files", "C:\\Program Files\\Lexovant"},
        {"D:\\Apps\\", "D:\\Apps\\Lexovant"},
        {"E:\\", "E:\\Lexovant"},
        {std::nullopt, "C:\\Program Files\\Lexovant"},
        {"", "C:\\Program Files\\Lexovant"},  // an empty value would give a relative path
    };
    for (const Case& C : Cases) {
        if (C.ProgramFiles)
            SetProgramFiles(*C.ProgramFiles);
        else
            RegDeleteValueA(CurrentVersion, "ProgramFilesDir");
        TSetupPars Pars = Found();
        EXPECT_EQ(Pars.InstallDir, C.InstallDir) << C.InstallDir;
        EXPECT_EQ(Pars.ProgFolder, "Lexovant");
        EXPECT_FALSE(Pars.PrevInstallFound);
        EXPECT_EQ(Pars.Page, 0);
        EXPECT_EQ(Pars.PrevInstallDir, "");
    }
    // A value of another type counts as missing.
    DWORD Number = 1;
    RegSetValueExA(CurrentVersion, "ProgramFilesDir", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Number), 4);
    EXPECT_EQ(Found().InstallDir, "C:\\Program Files\\Lexovant");
}

TEST_F(StartState, PreviousInstallationByItsLog)
{
    SetProgramFiles("C:\\Program Files");
    SetUninstallString(Dir + "\\Uninst.exe");
    struct Case {
        const char* Name;
        std::optional<std::string> Log;  // nothing: no Install.log
        std::optional<std::string> Folder;  // nothing: not found
    } const Cases[] = {
        {"log with the marker", "Lexovant installation log\r\n0\r\n\r\n{program folder}\r\nMy Tools\\Lexovant\r\n",
         "My Tools\\Lexovant"},
        {"marker then an empty line", "h\r\n{program folder}\r\n\r\n", ""},
        {"marker as the last line", "h\r\n{program folder}\r\n", std::nullopt},
        {"marker in other case", "{Program Folder}\r\nF\r\n", std::nullopt},
        {"marker with blanks", " {program folder} \r\nF\r\n", std::nullopt},
        {"no log", std::nullopt, std::nullopt},
    };
    for (const Case& C : Cases) {
        DeleteFileA((Dir + "\\Install.log").c_str());
        if (C.Log)
            WriteFile(Dir + "\\Install.log", *C.Log);
        TSetupPars Pars = Found();
        EXPECT_EQ(Pars.PrevInstallDir, Dir) << C.Name;
        EXPECT_EQ(Pars.PrevInstallFound, C.Folder.has_value()) << C.Name;
        if (C.Folder) {
            EXPECT_EQ(Pars.InstallDir, Dir) << C.Name;
            EXPECT_EQ(Pars.ProgFolder, *C.Folder) << C.Name;
            EXPECT_EQ(Pars.PrevProgFolder, *C.Folder) << C.Name;
        } else {
            EXPECT_EQ(Pars.InstallDir, "C:\\Program Files\\Lexovant") << C.Name;
            EXPECT_EQ(Pars.ProgFolder, "Lexovant") << C.Name;
        }
    }
}

TEST_F(StartState, LogThatCannotBeReadCountsAsMissing)
{
    SetProgramFiles("C:\\Program Files");
    SetUninstallString(Dir + "\\Uninst.exe");
    // Locked by another opener that shares nothing.
    WriteFile(Dir + "\\Install.log", "{program folder}\r\nF\r\n");
    HANDLE Locked = CreateFileA((Dir + "\\Install.log").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(Locked, INVALID_HANDLE_VALUE);
    TSetupPars Pars = Found();
    CloseHandle(Locked);
    EXPECT_FALSE(Pars.PrevInstallFound);
    EXPECT_EQ(Pars.InstallDir, "C:\\Program Files\\Lexovant");
    // A directory of that name.
    DeleteFileA((Dir + "\\Install.log").c_str());
    ASSERT_TRUE(CreateDirectoryA((Dir + "\\Install.log").c_str(), nullptr));
    EXPECT_FALSE(Found().PrevInstallFound);
}

TEST_F(StartState, UninstallerPathsOfEveryShape)
{
    SetProgramFiles("C:\\Program Files");
    struct Case {
        const char* Uninstaller;
        DWORD Type;
        const char* PrevInstallDir;
    } const Cases[] = {
        {"C:\\Uninst.exe", REG_SZ, "C:\\"},        // a drive root keeps its backslash
        {"C:Uninst.exe", REG_SZ, "C:"},            // drive-relative: not a usable directory
        {"Uninst.exe", REG_SZ, ""},                // no directory at all
        {"Tools\\Uninst.exe", REG_SZ, "Tools"},    // relative to the current directory
        {"", REG_DWORD, ""},                       // not a string: no uninstaller
    };
    // Logs where the relative paths would lead, in the current directory
    // (in the installer: the medium). They must not be read.
    CreateDirectoryA("Tools", nullptr);
    WriteFile("Install.log", "{program folder}\r\nF\r\n");
    WriteFile("Tools\\Install.log", "{program folder}\r\nF\r\n");
    for (const Case& C : Cases) {
        SetUninstallString(C.Uninstaller, C.Type);
        TSetupPars Pars = Found();
        EXPECT_EQ(Pars.PrevInstallDir, C.PrevInstallDir) << C.Uninstaller;
        EXPECT_FALSE(Pars.PrevInstallFound) << C.Uninstaller;
        EXPECT_EQ(Pars.InstallDir, "C:\\Program Files\\Lexovant") << C.Uninstaller;
    }
    DeleteFileA("Install.log");
    DeleteFileA("Tools\\Install.log");
    RemoveDirectoryA("Tools");
    // At a drive root the log is found there.
    WriteFile("C:\\Install.log", "{program folder}\r\nRoot Folder\r\n");
    SetUninstallString("C:\\Uninst.exe");
    TSetupPars Pars = Found();
    DeleteFileA("C:\\Install.log");
    EXPECT_TRUE(Pars.PrevInstallFound);
    EXPECT_EQ(Pars.InstallDir, "C:\\");
    EXPECT_EQ(Pars.ProgFolder, "Root Folder");
}

}  // namespace
