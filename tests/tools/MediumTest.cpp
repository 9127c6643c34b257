// The media builder's plan and volumes, and the installer's reading of
// them, on the real file system.
#include "ExtractQuestions.h"
#include "FileError.h"
#include "Medium.h"
#include "MemoryFiles.h"
#include "NativeFileSystem.h"
#include "TempDir.h"
#include "Unit_DataFile.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"
#include "VolumeBytes.h"
#include "VolumeChain.h"

#include <gtest/gtest.h>

namespace {

class MediumTest : public ::testing::Test {
protected:
    std::string In(const std::string& Name) { return CombinePath(Dir.Path(), Name); }
    void Source(const std::string& Name, const std::string& Bytes) { WriteWholeFile(In("src\\" + Name), Bytes); }
    TVolumeLayout Make(std::int64_t VolumeSize, const std::string& Out = "out")
    {
        std::vector<TSourceFile> Sources = SourceFiles(Files, In("src"));
        TVolumeLayout Layout = PlanVolumes(Sources, VolumeSize);
        WriteMedium(Files, In("src"), Sources, Layout, In(Out));
        return Layout;
    }
    TempDir Dir;
    NativeFileSystem Files;
};

TEST_F(MediumTest, TheExampleMediumByteForByte)
{
    const std::string A = Pattern(60, 1), B = Pattern(50, 7);
    Source("a.txt", A);
    Source("b\\c.dat", B);
    Make(107);
    EXPECT_EQ(ReadWholeFile(In("out\\Setup.d01")),
              Long(110) + Header("a.txt", 60) + A + Header("b\\c.dat", 50) + B.substr(0, 20) + "\x02");
    EXPECT_EQ(ReadWholeFile(In("out\\Setup.d02")), B.substr(20) + std::string(1, '\0'));
    EXPECT_EQ(ReadWholeFile(In("out\\Setup.d03")), "<missing>");

    // Extracted for real, with an old Install.log and an old a.txt in the way.
    WriteWholeFile(In("target\\Install.log"), std::string(500, 'z'));
    WriteWholeFile(In("target\\a.txt"), "old");
    ScriptedQuestions Questions;
    Questions.OverwriteAnswers = {ExtractQuestions::Yes};
    TDataFileOutput Output(Files, Questions, "%f%?");
    {
        TLogFile Log(Files, In("target"), "Lexovant", "Log");
        Log.BeginProgramFiles();
        TChainResult Result = ExtractChain(In("out"), Log, In("target"), Output, 1, true);
        EXPECT_TRUE(Result.Completed);
        Log.Close();
    }
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{"O:a.txt?"}));
    EXPECT_EQ(ReadWholeFile(In("target\\a.txt")), A);
    EXPECT_EQ(ReadWholeFile(In("target\\b\\c.dat")), B);
    std::string Logged = ReadWholeFile(In("target\\Install.log"));
    std::string Expected = "Log\r\n0\r\n\r\n{program folder}\r\nLexovant\r\n\r\n{program files}\r\na.txt\r\n" +
                           std::to_string(Files.FileStamp(In("target\\a.txt"))) + "\r\nb\\c.dat\r\n" +
                           std::to_string(Files.FileStamp(In("target\\b\\c.dat"))) + "\r\n\r\n";
    EXPECT_EQ(Logged, Expected);  // replaced, not appended to
    EXPECT_NE(Files.FileStamp(In("target\\a.txt")), 0);
}

TEST_F(MediumTest, RoundTripsDownToTheSmallestVolumeSize)
{
    Source("Lexovant.exe", Pattern(2000, 3));
    Source("Data\\Sub\\words.wdl", Pattern(777, 9));
    Source("Data\\empty.txt", "");
    Source("ReadMe.txt", Pattern(1, 4));
    Source("z.bin", Pattern(300, 5));
    std::size_t Longest = std::string("Data\\Sub\\words.wdl").size() + 5;
    for (std::int64_t Size : std::initializer_list<std::int64_t>{LargestVolume, 100000, 4096, 1000, 107, 64, 30, 24}) {
        std::string Out = "out" + std::to_string(Size);
        TVolumeLayout Layout = Make(Size, Out);
        for (std::size_t V = 1; V <= Layout.Volumes.size(); ++V) {
            std::string Bytes = ReadWholeFile(In(Out + "\\" + VolumeFileName(static_cast<int>(V))));
            EXPECT_LE(static_cast<std::int64_t>(Bytes.size()), Size);
            EXPECT_EQ(static_cast<std::int64_t>(Bytes.size()), Layout.VolumeBytes(V));
        }
        TListedMedium Listed = ListMedium(Files, In(Out));
        EXPECT_EQ(Listed.TotalSize, 3078);
        EXPECT_EQ(Listed.VolumeCount, Layout.Volumes.size());
        ASSERT_EQ(Listed.Files.size(), 5u);
        EXPECT_EQ(Listed.Files[0].Name, "Data\\Sub\\words.wdl");  // sorted by bytes: 'S' before 'e'
        EXPECT_EQ(VerifyMedium(Files, In(Out), In("src")), std::vector<std::string>{}) << Size;
    }
    // The smallest size is the longest header and the last byte; one less is refused.
    EXPECT_THROW(Make(static_cast<std::int64_t>(Longest), "tiny"), LayoutError);
    EXPECT_EQ(ReadWholeFile(In("tiny\\Setup.d01")), "<missing>");
}

TEST_F(MediumTest, VerifyNamesEveryDifference)
{
    Source("a.txt", "aaaa");
    Source("b.txt", "bbbb");
    Make(20);
    Source("a.txt", "aaab");
    Source("c.txt", "new");
    WriteWholeFile(In("src\\b.txt"), "bbbbb");
    std::vector<std::string> Problems = VerifyMedium(Files, In("out"), In("src"));
    EXPECT_EQ(Problems, (std::vector<std::string>{"a.txt differs from the source", "b.txt has a different length in the source",
                                                  "c.txt is in the source directory but not in the volumes"}));
}

TEST(PlanVolumes, RefusesWhatTheInstallerCouldNotTake)
{
    struct Case {
        const char* What;
        std::vector<TSourceFile> Files;
        std::int64_t VolumeSize;
        std::string Message;
    } const Cases[] = {
        {"unsafe name", {{"CON.txt", 1}}, LargestVolume, "the name CON.txt has the device name"},
        {"the log's name", {{"install.log", 1}}, LargestVolume, "would replace the install log"},
        {"2 GiB file", {{"big", std::int64_t(1) << 31}}, LargestVolume, "big is 2 GiB or larger"},
        {"2^31 in all", {{"a", INT32_MAX}, {"b", 1}}, LargestVolume, "2^31 bytes or more"},
        {"too many volumes", {{"a", 3000}}, 11, "more than 255 volumes"},
        {"255 volumes are fine", {{"a", 2540}}, 11, ""},
        {"header too long", {{"abcdef", 1}}, 11, "too small for the entry of abcdef, which needs 12"},
        {"no room at all", {}, 4, "too small"},
        {"an empty file alone after the data", {{"a", 5}, {"z", 0}}, 7, "the empty file z would begin in a volume after"},
        {"only empty files", {{"a", 0}}, 100, "every file is empty"},
        {"larger than a volume can be", {{"a", 1}}, LargestVolume + 1, "at most"},
    };
    for (const Case& C : Cases) {
        try {
            PlanVolumes(C.Files, C.VolumeSize);
            EXPECT_EQ(C.Message, "") << C.What;
        } catch (const LayoutError& Error) {
            EXPECT_NE(C.Message, "") << C.What << ": " << Error.what();
            EXPECT_NE(std::string(Error.what()).find(C.Message), std::string::npos) << C.What << ": " << Error.what();
        }
    }
}

TEST(PlanVolumes, HeadersNeverStraddleAndFullVolumesEndEarly)
{
    // Volume size 20: 15 data bytes in the first volume, 19 in the others.
    TVolumeLayout Layout = PlanVolumes({{"a", 5}, {"bb", 6}, {"c", 0}}, 20);
    ASSERT_EQ(Layout.Volumes.size(), 2u);
    EXPECT_EQ(Layout.VolumeBytes(1), 4 + 6 + 5 + 1);  // bb's 7-byte header does not fit in the 4 left
    EXPECT_EQ(Layout.VolumeBytes(2), 7 + 6 + 6 + 1);  // c's header fills the rest exactly
    EXPECT_EQ(Layout.TotalSize, 11);
}

}  // namespace
