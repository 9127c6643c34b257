#pragma once
// A previous installation on the real file system for the removal tests: an
// install directory in a temporary folder, a program folder of its own
// below the Start-menu Programs folder (removed again at the end), files
// with a fixed last-write time, and an Install.log written line by line.
#include "FindFile.h"
#include "ShellFolders.h"
#include "TempDir.h"
#include "Unit_Paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

class RemovalFixture : public testing::Test {
protected:
    void SetUp() override
    {
        Install = CombinePath(Temp.Path(), "Lexovant");
        Programs = GetProgramsFolder(nullptr);
        ASSERT_FALSE(Programs.empty());
        Folder = "LexovantRemovalTest" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(Install.c_str(), nullptr);
    }
    void TearDown() override
    {
        std::error_code Ignored;
        std::filesystem::remove_all(CombinePath(Programs, Folder), Ignored);
    }

    // A file with the last-write time 1 March 2026, 10:00 UTC, so that its
    // stamp lies away from any change of the clocks.
    static void Put(const std::string& Path, const std::string& Text = "data")
    {
        WriteWholeFile(Path, Text);
        SetWriteTime(Path, 2026, 3, 1, 10, 0);
    }
    static void SetWriteTime(const std::string& Path, int Year, int Month, int Day, int Hour, int Minute)
    {
        SYSTEMTIME Time{};
        Time.wYear = static_cast<WORD>(Year);
        Time.wMonth = static_cast<WORD>(Month);
        Time.wDay = static_cast<WORD>(Day);
        Time.wHour = static_cast<WORD>(Hour);
        Time.wMinute = static_cast<WORD>(Minute);
        FILETIME File;
        SystemTimeToFileTime(&Time, &File);
        HANDLE Handle = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(Handle, INVALID_HANDLE_VALUE) << Path;
        SetFileTime(Handle, nullptr, nullptr, &File);
        CloseHandle(Handle);
    }
    static std::string StampText(const std::string& Path) { return std::to_string(FileStampOf(Path)); }
    static bool Exists(const std::string& Path) { return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    // Lines joined as the log writes them, each ended by CR LF.
    void WriteLog(const std::vector<std::string>& Lines)
    {
        std::string Text;
        for (const std::string& Line : Lines)
            Text += Line + "\r\n";
        WriteWholeFile(CombinePath(Install, "Install.log"), Text);
    }
    std::vector<std::string> Head(const std::string& Line2 = "0") const
    {
        return {"Lexovant installation log", Line2, "", "{program folder}", Folder};
    }

    TempDir Temp;
    std::string Install, Programs, Folder;
};
