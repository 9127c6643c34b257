// The real file system: POSIX calls natively, Win32 calls under Wine.
#include "FileError.h"
#include "FileStamp.h"
#include "NativeFileSystem.h"
#include "TempDir.h"
#include "Unit_Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstdlib>
#include <ctime>

#ifdef _WIN32
#include "FindFile.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace {

// Sets the last-write time of Path to a local time.
void SetLocalWriteTime(const std::string& Path, int Year, int Month, int Day, int Hour, int Minute, int Second)
{
#ifdef _WIN32
    SYSTEMTIME Local{static_cast<WORD>(Year), static_cast<WORD>(Month), 0, static_cast<WORD>(Day),
                     static_cast<WORD>(Hour), static_cast<WORD>(Minute), static_cast<WORD>(Second), 0};
    FILETIME LocalTime, Utc;
    ASSERT_TRUE(SystemTimeToFileTime(&Local, &LocalTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&LocalTime, &Utc));
    HANDLE File = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(File, nullptr, nullptr, &Utc));
    CloseHandle(File);
#else
    std::tm Local{};
    Local.tm_year = Year - 1900, Local.tm_mon = Month - 1, Local.tm_mday = Day;
    Local.tm_hour = Hour, Local.tm_min = Minute, Local.tm_sec = Second, Local.tm_isdst = -1;
    struct timespec Times[2] = {{0, UTIME_OMIT}, {std::mktime(&Local), 0}};
    std::string HostPath = Path;
    std::replace(HostPath.begin(), HostPath.end(), '\\', '/');
    ASSERT_EQ(utimensat(AT_FDCWD, HostPath.c_str(), Times, 0), 0);
#endif
}

class FileSystemTest : public ::testing::Test {
protected:
    std::string In(const std::string& Name) { return CombinePath(Dir.Path(), Name); }
    TempDir Dir;
    NativeFileSystem Files;
};

TEST_F(FileSystemTest, CreatesTruncatesAndReads)
{
    auto Out = Files.Create(In("f.bin"));
    std::string Big(3 << 20, 'x');
    Big[12345] = '\0';
    Out->Write(Big.data(), Big.size());
    Out->Close();
    auto In1 = Files.OpenRead(In("f.bin"));
    EXPECT_EQ(In1->Size(), static_cast<std::int64_t>(Big.size()));
    In1.reset();
    EXPECT_EQ(ReadWholeFile(In("f.bin")), Big);

    Out = Files.Create(In("f.bin"));
    Out->Write("ab", 2);
    Out.reset();  // closed by its destructor
    EXPECT_EQ(ReadWholeFile(In("f.bin")), "ab");
}

TEST_F(FileSystemTest, CreatesNewOnlyWhereNothingIsInTheWay)
{
    auto Out = Files.CreateNew(In("new.txt"));
    ASSERT_TRUE(Out);
    Out->Write("n", 1);
    Out->Close();
    EXPECT_EQ(ReadWholeFile(In("new.txt")), "n");

    Files.MakeDirectories(In("sub\\x"));
    // Each leaves everything as it was, for the long way to decide.
    EXPECT_FALSE(Files.CreateNew(In("new.txt")));
    EXPECT_EQ(ReadWholeFile(In("new.txt")), "n");
    EXPECT_FALSE(Files.CreateNew(In("sub")));
    EXPECT_FALSE(Files.FileExists(In("sub")));
    EXPECT_FALSE(Files.CreateNew(In("nodir\\x.txt")));
    EXPECT_FALSE(Files.FileExists(In("nodir\\x.txt")));
}

TEST_F(FileSystemTest, MakesDirectoriesAndTellsFilesFromThem)
{
    std::string Deep = In("a\\b\\c\\file.txt");
    Files.MakeDirectories(Deep);
    EXPECT_FALSE(Files.FileExists(In("a\\b\\c")));  // a directory is no file
    EXPECT_FALSE(Files.FileExists(Deep));
    Files.Create(Deep)->Close();
    EXPECT_TRUE(Files.FileExists(Deep));
    Files.MakeDirectories(Deep);  // again: nothing to do, nothing breaks
    WriteWholeFile(In("a\\top.txt"), "t");
    std::vector<std::string> Listed = Files.ListFiles(Dir.Path());
    std::sort(Listed.begin(), Listed.end());
    EXPECT_EQ(Listed, (std::vector<std::string>{"a\\b\\c\\file.txt", "a\\top.txt"}));
}

TEST_F(FileSystemTest, ErrorsNameTheFileAndTheSystemsReason)
{
    struct Case {
        const char* What;
        std::string Path, Action;
        std::function<void()> Do;
    };
    std::string Missing = In("none.txt"), NoDir = In("nodir\\x.txt");
    Files.MakeDirectories(In("sub\\x"));
    std::string ADir = In("sub");
    const Case Cases[] = {
        {"open a missing file", Missing, "Could not open", [&] { Files.OpenRead(Missing); }},
        {"create in a missing directory", NoDir, "Could not create", [&] { Files.Create(NoDir); }},
        {"create over a directory", ADir, "Could not create", [&] { Files.Create(ADir); }},
        {"open a directory", ADir, "Could not open", [&] { Files.OpenRead(ADir); }},
        {"list a missing directory", In("gone"), "Could not list", [&] { Files.ListFiles(In("gone")); }},
    };
    for (const Case& C : Cases) {
        try {
            C.Do();
            ADD_FAILURE() << C.What;
        } catch (const FileError& Error) {
            std::string Prefix = C.Action + " " + C.Path + ": ";
            std::string Message = Error.what();
            EXPECT_EQ(Message.rfind(Prefix, 0), 0u) << C.What << ": " << Message;
            EXPECT_GT(Message.size(), Prefix.size() + 3) << C.What << ": no reason in " << Message;
            EXPECT_EQ(Error.FileName, C.Path);
        }
    }
}

TEST_F(FileSystemTest, TheStampIsTheLocalWriteTimePackedAndFrom2044Negative)
{
    WriteWholeFile(In("s.txt"), "s");
    SetLocalWriteTime(In("s.txt"), 2024, 6, 15, 13, 45, 30);
    EXPECT_EQ(Files.FileStamp(In("s.txt")), FileStampOfLocalTime(2024, 6, 15, 13, 45, 30));
    SetLocalWriteTime(In("s.txt"), 2044, 6, 1, 12, 0, 0);
    EXPECT_EQ(Files.FileStamp(In("s.txt")), FileStampOfLocalTime(2044, 6, 1, 12, 0, 0));
    EXPECT_LT(Files.FileStamp(In("s.txt")), 0);
    EXPECT_EQ(Files.FileStamp(In("none.txt")), 0);
#ifdef _WIN32
    // The removal finds the stamps by a directory search; they must agree.
    FindFile Search(In("s.txt"));
    ASSERT_TRUE(Search.Found());
    EXPECT_EQ(Files.FileStamp(In("s.txt")), FileStampOfTime(Search.Data().ftLastWriteTime));
#endif
}

}  // namespace
