#include "FileError.h"
#include "FileStamp.h"
#include "LineReader.h"
#include "LogReaders.h"
#include "MemoryFiles.h"
#include "Unit_Logfile.h"

#include <gtest/gtest.h>

namespace {

const std::string LogPath = "C:\\Prog\\Install.log";

MemoryFiles WithInstallDir()
{
    MemoryFiles Files;
    Files.Directories.insert("C:\\Prog");
    return Files;
}

TEST(TLogFile, WritesTheWholeLayoutOneLinePerWrite)
{
    MemoryFiles Files = WithInstallDir();
    TLogFile Log(Files, "C:\\Prog\\", "Lexovant\\Tools", "Lexovant installation log");
    Log.BeginProgramFiles();
    Log.WriteLine("Lexovant.exe");
    Log.WriteNumber(0x5A2B1C3D);
    Log.WriteLine("English.lng");
    Log.WriteNumber(-1);
    Log.BeginProgramFolderFiles();
    for (const char* Shortcut : {"Lexovant.lnk", "Read me.lnk", "Uninstall.lnk"}) {
        Log.WriteLine(Shortcut);
        Log.WriteNumber(INT32_MIN);
    }
    Log.Close();

    const std::vector<std::string> Lines = {
        "Lexovant installation log", "0", "", "{program folder}", "Lexovant\\Tools", "", "{program files}",
        "Lexovant.exe", "1512774717", "English.lng", "-1", "", "{program folder files}",
        "Lexovant.lnk", "-2147483648", "Read me.lnk", "-2147483648", "Uninstall.lnk", "-2147483648", "",
    };
    std::string Whole;
    for (const std::string& Line : Lines)
        Whole += Line + "\r\n";
    EXPECT_EQ(Files.Files[LogPath], Whole);
    // Each line reached the system in one write of its own.
    ASSERT_EQ(Files.Writes[LogPath].size(), Lines.size());
    for (std::size_t I = 0; I < Lines.size(); ++I)
        EXPECT_EQ(Files.Writes[LogPath][I], Lines[I] + "\r\n");
    EXPECT_FALSE(Files.Open.count(LogPath));
}

TEST(TLogFile, AStampFrom2044OnIsWrittenNegative)
{
    EXPECT_GT(FileStampOfLocalTime(2043, 12, 31, 23, 59, 58), 0);
    std::int32_t Stamp = FileStampOfLocalTime(2044, 1, 1, 0, 0, 0);
    EXPECT_EQ(Stamp, PackFileStamp(0x8021, 0));
    EXPECT_LT(Stamp, 0);
    EXPECT_EQ(FileStampOfLocalTime(2024, 6, 15, 13, 45, 31), PackFileStamp((44 << 9) | (6 << 5) | 15, (13 << 11) | (45 << 5) | 15));
    EXPECT_EQ(FileStampOfLocalTime(1979, 12, 31, 0, 0, 0), 0);

    MemoryFiles Files = WithInstallDir();
    TLogFile Log(Files, "C:\\Prog", "F", "H");
    Log.WriteNumber(Stamp);
    EXPECT_EQ(Files.Writes[LogPath].back(), "-2145320960\r\n");
}

TEST(TLogFile, FailuresReachTheWriterButNotTheDestructor)
{
    MemoryFiles Files;  // no install directory
    EXPECT_THROW(TLogFile(Files, "C:\\Prog", "F", "H"), FileError);

    Files = WithInstallDir();
    Files.FailingFile = LogPath;
    Files.FailAfter = 100;
    auto Log = std::make_unique<TLogFile>(Files, "C:\\Prog", "F", "H");
    try {
        for (int I = 0; I < 100; ++I)
            Log->WriteLine("Data\\File.txt");
        FAIL() << "the full disk went unnoticed";
    } catch (const FileError& Error) {
        EXPECT_EQ(std::string(Error.what()), "Could not write to " + LogPath + ": There is not enough space on the disk.");
    }
    EXPECT_THROW(Log->Close(), FileError);
    EXPECT_NO_THROW(Log.reset());

    // The destructor of a log that was never closed still ends it with the
    // empty line that makes its last entry readable.
    Files = WithInstallDir();
    {
        TLogFile Stopped(Files, "C:\\Prog", "F", "H");
        Stopped.BeginProgramFiles();
        Stopped.WriteLine("half.dat");
    }
    EXPECT_EQ(Files.Files[LogPath].substr(Files.Files[LogPath].size() - 12), "half.dat\r\n\r\n");
}

TEST(TLogFile, WhatItWritesReadsBack)
{
    MemoryFiles Files = WithInstallDir();
    {
        TLogFile Log(Files, "C:\\Prog", "A\\B", "H");
        Log.BeginProgramFiles();
        Log.WriteLine("Lexovant.exe");
        Log.WriteNumber(-5);
        Log.WriteLine("Data\\Sub\\File.txt");
        Log.WriteNumber(7);
        Log.BeginProgramFolderFiles();
        Log.WriteLine("Lexovant.lnk");
        Log.WriteNumber(9);
        Log.Close();
    }
    MemorySource ForFolder(Files.Files[LogPath]);
    EXPECT_EQ(ReadProgramFolder(ForFolder), "A\\B");
    MemorySource Source(Files.Files[LogPath]);
    TLogSections Sections = ReadLogSections(Source);
    EXPECT_TRUE(Sections.Stamped);
    ASSERT_EQ(Sections.ProgramFiles.size(), 2u);
    EXPECT_EQ(Sections.ProgramFiles[1].Name, "Data\\Sub\\File.txt");
    EXPECT_EQ(Sections.ProgramFiles[0].Stamp, -5);
    ASSERT_EQ(Sections.ProgramFolderFiles.size(), 1u);
    EXPECT_EQ(Sections.ProgramFolderFiles[0].Stamp, 9);
}

// Names and stamps of a section, "name=stamp" or "name" when it has none.
std::vector<std::string> Show(const std::vector<TLogEntry>& Entries)
{
    std::vector<std::string> Shown;
    for (const TLogEntry& Entry : Entries)
        Shown.push_back(Entry.Stamp ? Entry.Name + "=" + std::to_string(*Entry.Stamp) : Entry.Name);
    return Shown;
}

TEST(ReadLogSections, FollowsTheEndOfFileAndLineTwoRules)
{
    using Names = std::vector<std::string>;
    struct Case {
        const char* What;
        std::string Log;
        bool Stamped;
        Names Files, Folder;
    } const Cases[] = {
        {"complete", "H\r\n0\r\n\r\n{program folder}\r\nF\r\n\r\n{program files}\r\na\r\n1\r\nb\\c\r\n-2\r\n\r\n"
                     "{program folder files}\r\nx.lnk\r\n3\r\n\r\n",
         true, {"a=1", "b\\c=-2"}, {"x.lnk=3"}},
        {"line 2 empty: names alone", "H\r\n\r\n\r\n{program files}\r\na\r\nb\r\n\r\n{program folder files}\r\nx\r\n\r\n",
         false, {"a", "b"}, {"x"}},
        {"ends right after a name", "H\r\n0\r\n{program files}\r\na\r\n1\r\nb\r\n", true, {"a=1"}, {}},
        {"no final empty line after a stamp", "H\r\n0\r\n{program files}\r\na\r\n1\r\n", true, {"a=1"}, {}},
        {"stopped in the middle of a file", "H\r\n0\r\n{program files}\r\na\r\n1\r\nhalf\r\n\r\n", true, {"a=1", "half"}, {}},
        {"no folder section", "H\r\n0\r\n\r\n{program files}\r\na\r\n1\r\n\r\n", true, {"a=1"}, {}},
        {"markers are exact", "H\r\n0\r\n{Program Files}\r\na\r\n1\r\n\r\n", true, {}, {}},
        {"folder files looked for from line 3", "{program folder files}\r\nx\r\n\r\n", true, {}, {}},
        {"program files from line 1", "{program files}\r\na\r\n\r\n", true, {"a"}, {}},
        {"1A ends the file", "H\r\n0\r\n{program files}\r\na\r\n1\r\n\x1A" "b\r\n2\r\n\r\n", true, {"a=1"}, {}},
        {"empty", "", false, {}, {}},
    };
    for (const Case& C : Cases) {
        MemorySource Source(C.Log);
        TLogSections Sections = ReadLogSections(Source);
        EXPECT_EQ(Sections.Stamped, C.Stamped) << C.What;
        EXPECT_EQ(Show(Sections.ProgramFiles), C.Files) << C.What;
        EXPECT_EQ(Show(Sections.ProgramFolderFiles), C.Folder) << C.What;
    }
}

TEST(ReadLogSections, AStampThatIsNoNumberIsAConvertError)
{
    for (const char* Bad : {"12x", "x", "-", "+", " 1", "2147483648", "-2147483649", "99999999999999999999"}) {
        std::string Log = std::string("H\r\n0\r\n{program files}\r\na\r\n") + Bad + "\r\n\r\n";
        MemorySource Source(Log);
        try {
            ReadLogSections(Source);
            ADD_FAILURE() << Bad;
        } catch (const ConvertError& Error) {
            EXPECT_EQ(std::string(Error.what()), std::string("'") + Bad + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StampFromText("2147483647"), INT32_MAX);
    EXPECT_EQ(StampFromText("-2147483648"), INT32_MIN);
    EXPECT_EQ(StampFromText("+12"), 12);
}

}  // namespace
