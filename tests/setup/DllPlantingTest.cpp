// Setup.exe started from a folder full of planted DLLs (a download folder)
// loads none of them. Wine's own core DLLs are always its builtins; for the
// others Wine is told (in the registry of this test's prefix copy, for the
// two programs only) to prefer a DLL file where the search finds one, so
// that a search that looked beside the program would take the planted one.
// DllProbe.exe shows that it would, and that the restriction stops it.
#include "ControlIds.h"
#include "Driver.h"
#include "SetupFolder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

namespace {

using namespace Driver;

// Loaded by Setup.exe itself, or by the common controls that it loads.
const std::vector<std::string> Replaceable = {"comctl32", "uxtheme", "dwmapi", "dbghelp", "shcore",
                                              "propsys",  "windowscodecs", "winmm"};
// Planted as well, but left to Wine's loader: its core DLLs, and the DLLs
// that those load while the process starts (imm32, version, zlib1) or
// through their delay imports (msimg32); Wine takes those from beside the
// program when told to prefer DLL files, whatever the program restricts.
// On Windows the core and imm32 are KnownDLLs.
const std::vector<std::string> Core = {"advapi32", "gdi32", "kernel32", "msvcrt", "user32", "ole32",
                                       "shell32",  "imm32", "version",  "zlib1",  "msimg32"};

class DllPlanting : public testing::Test {
protected:
    void SetUp() override
    {
        char Temp[MAX_PATH];
        GetTempPathA(MAX_PATH, Temp);
        Folder = std::string(Temp) + "planted";
        CreateDirectoryA(Folder.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPath(RequiredEnvironment("LEXOVANT_SETUP_EXE")).c_str(),
                              (Folder + "\\Setup.exe").c_str(), FALSE));
        // Two packs: the language page waits, and Stop ends it at once.
        for (const char* Pack : {"English", "Nederlands"})
            std::ofstream(Folder + "\\" + Pack + ".lng", std::ios::binary) << TSetupFolder::PackBytes(Pack);
        ASSERT_TRUE(CopyFileA(WindowsPath(RequiredEnvironment("LEXOVANT_DLL_PROBE")).c_str(),
                              (Folder + "\\DllProbe.exe").c_str(), FALSE));
        std::string Planted = WindowsPath(RequiredEnvironment("LEXOVANT_PLANTED_DLL"));
        for (const auto* Names : {&Replaceable, &Core})
            for (const std::string& Name : *Names)
                ASSERT_TRUE(CopyFileA(Planted.c_str(), (Folder + "\\" + Name + ".dll").c_str(), FALSE)) << Name;
        for (const char* Program : {"Setup.exe", "DllProbe.exe"}) {
            HKEY Key;
            std::string Path = std::string(OverridesKey) + "\\" + Program + "\\DllOverrides";
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                                      nullptr),
                      ERROR_SUCCESS);
            for (const std::string& Name : Replaceable)
                RegSetValueExA(Key, Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
            RegCloseKey(Key);
        }
    }
    void TearDown() override
    {
        for (const char* Program : {"Setup.exe", "DllProbe.exe"}) {
            std::string Path = std::string(OverridesKey) + "\\" + Program;
            RegDeleteKeyA(HKEY_CURRENT_USER, (Path + "\\DllOverrides").c_str());
            RegDeleteKeyA(HKEY_CURRENT_USER, Path.c_str());
        }
    }

    std::vector<std::string> Loaded() const
    {
        std::vector<std::string> Found;
        for (const auto* Names : {&Replaceable, &Core})
            for (const std::string& Name : *Names)
                if (GetFileAttributesA((Folder + "\\" + Name + ".dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES)
                    Found.push_back(Name);
        return Found;
    }
    void Forget() const
    {
        for (const auto* Names : {&Replaceable, &Core})
            for (const std::string& Name : *Names)
                DeleteFileA((Folder + "\\" + Name + ".dll.loaded").c_str());
    }

    static constexpr const char* OverridesKey = "Software\\Wine\\AppDefaults";
    std::string Folder;
};

TEST_F(DllPlanting, ThePlantedDllsWouldBeTakenWithoutTheRestriction)
{
    TProgram Probe(Folder + "\\DllProbe.exe", "uxtheme dwmapi", Folder);
    ASSERT_TRUE(Probe.WaitForExit(20000));
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"uxtheme", "dwmapi"}));
    Forget();
    TProgram Restricted(Folder + "\\DllProbe.exe", "restricted uxtheme dwmapi", Folder);
    ASSERT_TRUE(Restricted.WaitForExit(20000));
    EXPECT_EQ(Loaded(), std::vector<std::string>{});
}

TEST_F(DllPlanting, SetupLoadsNoneOfThem)
{
    TProgram Setup(Folder + "\\Setup.exe", "", Folder);
    HWND Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup");
    ASSERT_NE(Main, nullptr);
    // Some painting and input, so that what loads late has loaded.
    WaitUntil([] { return false; }, 500);
    PressTab(Main);
    EXPECT_TRUE(Click(Control(Main, MainFormId::CancelButton)));
    EXPECT_TRUE(Setup.WaitForExit(5000));
    EXPECT_EQ(Loaded(), std::vector<std::string>{});
}

}  // namespace
