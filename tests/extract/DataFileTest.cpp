#include "FileError.h"
#include "MemoryFiles.h"
#include "Unit_DataFile.h"
#include "Unit_Logfile.h"
#include "VolumeBytes.h"
#include "VolumeChain.h"

#include <gtest/gtest.h>

namespace {

const std::string A = Pattern(60, 1), B = Pattern(50, 7);
const std::string Zero(1, '\0');  // a last byte of 0: no volume follows

// The medium of the format's own example: a.txt of 60 bytes, b\c.dat of
// 50 bytes split after its first 20, volumes of 107 and 31 bytes.
std::string ExampleVolume1()
{
    return Long(110) + Header("a.txt", 60) + A + Header("b\\c.dat", 50) + B.substr(0, 20) + "\x02";
}
std::string ExampleVolume2()
{
    return B.substr(20) + "\xAB";
}

const std::string Head = "Header\r\n0\r\n\r\n{program folder}\r\nLexovant\r\n";

// A medium in M, extracted into C:\T.
struct Rig {
    void Volume(int Number, const std::string& Bytes) { Files.Files["M\\" + VolumeFileName(Number)] = Bytes; }
    std::unique_ptr<TDataFile> Open(int Number)
    {
        return std::make_unique<TDataFile>("M\\" + VolumeFileName(Number), Log, "C:\\T", Output);
    }
    TChainResult Extract(std::int32_t Budget = 1)
    {
        return ExtractChain("M", Log, "C:\\T", Output, Budget, true);
    }
    // What the log holds after its head.
    std::string Logged() { return Files.Files["C:\\T\\Install.log"].substr(Head.size()); }

    MemoryFiles Files = [] {
        MemoryFiles Made;
        Made.Directories.insert("C:\\T");
        return Made;
    }();
    ScriptedQuestions Questions;
    TLogFile Log{Files, "C:\\T", "Lexovant", "Header"};
    TDataFileOutput Output{Files, Questions, "Replace %f%? (%f%)"};
};

class DataFileTest : public ::testing::Test, public Rig {};

TEST_F(DataFileTest, TheExampleMediumExtractsWithAnyBudget)
{
    for (std::int32_t Budget : {1, 7, 20, 60, 80, 110, 100000}) {
        Rig Fresh;
        Fresh.Volume(1, ExampleVolume1());
        Fresh.Volume(2, ExampleVolume2());
        ASSERT_EQ(Fresh.Files.Files["M\\Setup.d01"].size(), 107u);
        ASSERT_EQ(Fresh.Files.Files["M\\Setup.d02"].size(), 31u);
        TChainResult Result = Fresh.Extract(Budget);
        EXPECT_TRUE(Result.Completed);
        EXPECT_EQ(Result.TotalSize, 110);
        EXPECT_EQ(Result.Volumes, (std::vector<int>{1, 2}));
        EXPECT_EQ(Fresh.Files.Files["C:\\T\\a.txt"], A) << Budget;
        EXPECT_EQ(Fresh.Files.Files["C:\\T\\b\\c.dat"], B) << Budget;  // neither trailing byte is in it
        EXPECT_EQ(Fresh.Logged(), "a.txt\r\n100\r\nb\\c.dat\r\n101\r\n") << Budget;
        EXPECT_TRUE(Fresh.Files.Open.count("C:\\T\\Install.log"));
        EXPECT_EQ(Fresh.Files.Open.size(), 1u);  // every extracted file closed
    }
}

TEST_F(DataFileTest, ABudgetEndingWithTheVolumesDataLeavesTheFileOpenForTheNextVolume)
{
    Volume(1, ExampleVolume1());
    Volume(2, ExampleVolume2());
    bool OverwriteAll = false;
    std::int32_t Done = -1, Total = 0;
    auto First = Open(1);
    ASSERT_TRUE(First->ReadLong(Total));
    EXPECT_EQ(Total, 110);
    EXPECT_TRUE(First->CopyFiles(80, OverwriteAll, Done));
    EXPECT_EQ(Done, 80);
    EXPECT_FALSE(First->HoldsData());
    EXPECT_EQ(Output.BytesLeft, 30);
    EXPECT_TRUE(Files.Open.count("C:\\T\\b\\c.dat"));
    EXPECT_EQ(Logged(), "a.txt\r\n100\r\nb\\c.dat\r\n");  // its stamp waits for its last byte

    // The next call finds the data exhausted.
    EXPECT_TRUE(First->CopyFiles(10, OverwriteAll, Done));
    EXPECT_EQ(Done, 0);
    std::int32_t Next = 0;
    First->ReadByte(Next);
    EXPECT_EQ(Next, 2);
    EXPECT_THROW(First->ReadByte(Next), FileError);
    First.reset();

    auto Second = Open(2);
    EXPECT_TRUE(Second->CopyFiles(10, OverwriteAll, Done));
    EXPECT_EQ(Done, 10);
    EXPECT_TRUE(Second->CopyFiles(1000, OverwriteAll, Done));
    EXPECT_EQ(Done, 20);
    EXPECT_EQ(Files.Files["C:\\T\\b\\c.dat"], B);
    EXPECT_EQ(Logged(), "a.txt\r\n100\r\nb\\c.dat\r\n101\r\n");
}

TEST_F(DataFileTest, AFileSpanningThreeVolumesIsWrittenInOnePiece)
{
    Volume(1, Long(10) + Header("big", 10) + "abc" + "\x02");
    Volume(2, std::string("defg") + "\x03");
    Volume(3, std::string("hij\0", 4));
    TChainResult Result = Extract(2);
    EXPECT_TRUE(Result.Completed);
    EXPECT_EQ(Result.Volumes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Files.Files["C:\\T\\big"], "abcdefghij");
    EXPECT_EQ(Logged(), "big\r\n100\r\n");
}

TEST_F(DataFileTest, EntriesOfLengthZeroMakeEmptyFilesAndCostNoBudget)
{
    Volume(1, Long(3) + Header("e1", 0) + Header("f", 3) + "xyz" + Header("d\\e2", 0) + Zero);
    auto Volume1 = Open(1);
    std::int32_t Total = 0, Done = 0;
    bool OverwriteAll = false;
    Volume1->ReadLong(Total);
    EXPECT_TRUE(Volume1->CopyFiles(3, OverwriteAll, Done));
    EXPECT_EQ(Done, 3);
    // The empty file after the spent budget is taken in the same call: the
    // extraction stops once all data bytes are copied.
    EXPECT_FALSE(Volume1->HoldsData());
    EXPECT_EQ(Files.Files.count("C:\\T\\e1"), 1u);
    EXPECT_EQ(Files.Files["C:\\T\\e1"], "");
    EXPECT_EQ(Files.Files["C:\\T\\d\\e2"], "");
    EXPECT_EQ(Logged(), "e1\r\n100\r\nf\r\n101\r\nd\\e2\r\n102\r\n");
}

TEST_F(DataFileTest, ABudgetOfZeroCopiesNothingButEmptyFiles)
{
    Volume(1, Long(3) + Header("f", 3) + "xyz" + Zero);
    auto Volume1 = Open(1);
    std::int32_t Total = 0, Done = -1;
    bool OverwriteAll = false;
    Volume1->ReadLong(Total);
    EXPECT_TRUE(Volume1->CopyFiles(0, OverwriteAll, Done));
    EXPECT_EQ(Done, 0);
    EXPECT_EQ(Logged(), "");
    EXPECT_TRUE(Volume1->HoldsData());
}

// Two existing files, the second in a sub-directory.
class OverwriteTest : public DataFileTest {
protected:
    OverwriteTest()
    {
        Volume(1, ExampleVolume1());
        Volume(2, ExampleVolume2());
        Files.Directories.insert("C:\\T\\b");
        Files.Files["C:\\T\\a.txt"] = "old a";
        Files.Files["C:\\T\\b\\c.dat"] = "old c";
    }
    const std::string AskA = "O:Replace a.txt? (a.txt)", AskC = "O:Replace c.dat? (c.dat)";
};

TEST_F(OverwriteTest, YesAsksAgainAtTheNextExistingFile)
{
    Questions.OverwriteAnswers = {ExtractQuestions::Yes, ExtractQuestions::Yes};
    EXPECT_TRUE(Extract().Completed);
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{AskA, AskC}));
    EXPECT_EQ(Files.Files["C:\\T\\a.txt"], A);
    EXPECT_EQ(Files.Files["C:\\T\\b\\c.dat"], B);
}

TEST_F(OverwriteTest, YesToAllAsksNoMore)
{
    Questions.OverwriteAnswers = {ExtractQuestions::YesToAll};
    bool OverwriteAll = false;
    std::int32_t Total = 0, Done = 0;
    auto Volume1 = Open(1);
    Volume1->ReadLong(Total);
    EXPECT_TRUE(Volume1->CopyFiles(1000, OverwriteAll, Done));
    EXPECT_TRUE(OverwriteAll);
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{AskA}));
    EXPECT_EQ(Files.Files["C:\\T\\a.txt"], A);
}

TEST_F(OverwriteTest, NoThenResumeShowsTheSamePromptAgain)
{
    Questions.OverwriteAnswers = {ExtractQuestions::No, ExtractQuestions::No, ExtractQuestions::Yes,
                                  ExtractQuestions::Yes};
    Questions.ExitAnswers = {ExtractQuestions::Resume, ExtractQuestions::Resume};
    EXPECT_TRUE(Extract().Completed);
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{AskA, "E", AskA, "E", AskA, AskC}));
    EXPECT_EQ(Files.Files["C:\\T\\a.txt"], A);
}

TEST_F(OverwriteTest, NoThenExitGivesUpWithoutTouchingTheFile)
{
    Questions.OverwriteAnswers = {ExtractQuestions::Yes, ExtractQuestions::No};
    Questions.ExitAnswers = {ExtractQuestions::Exit};
    bool OverwriteAll = false;
    std::int32_t Total = 0, Done = 0;
    auto Volume1 = Open(1);
    Volume1->ReadLong(Total);
    EXPECT_FALSE(Volume1->CopyFiles(1000, OverwriteAll, Done));
    EXPECT_EQ(Done, 60);  // a.txt was copied in this call
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{AskA, AskC, "E"}));
    EXPECT_EQ(Files.Files["C:\\T\\b\\c.dat"], "old c");
    EXPECT_EQ(Output.BytesLeft, 0);
    EXPECT_EQ(Output.OutputFile, nullptr);
    EXPECT_EQ(Logged(), "a.txt\r\n100\r\nb\\c.dat\r\n");  // the last name has no stamp
}

TEST_F(DataFileTest, ADirectoryNamedLikeTheFileIsNoExistingFile)
{
    Volume(1, ExampleVolume1());
    Files.Directories.insert("C:\\T\\a.txt");
    try {
        Extract();
        FAIL() << "a directory cannot be replaced by a file";
    } catch (const FileError& Error) {
        EXPECT_EQ(Error.FileName, "C:\\T\\a.txt");
    }
    EXPECT_TRUE(Questions.Asked.empty());
}

TEST_F(DataFileTest, AnUnsafeOrNegativeEntryStopsBeforeItIsLoggedOrMade)
{
    struct Case {
        std::string Entry, Expected;
    } const Cases[] = {
        {Header("..\\..\\evil.dll", 1) + "x", "\"..\\..\\evil.dll\", has a name that has a \"..\" component"},
        {Header("sub\\C:\\x", 1) + "x", "has a name that holds a \":\""},
        {Header("install.LOG", 1) + "x", "would replace the install log"},
        {Header("d\\nul.txt", 1) + "x", "device name nul.txt"},
        {Header("sub\\neg.txt", -5), "\"sub\\neg.txt\", has a negative length (-5)"},
        {"no end to this name", "has a name that runs past the end of the volume's data"},
        {std::string("ab\0\1\2", 5), "has a length that runs past the end of the volume's data"},
    };
    for (const Case& C : Cases) {
        Rig Fresh;
        Fresh.Volume(1, Long(1) + Header("good", 0) + C.Entry + Zero);
        try {
            Fresh.Extract();
            ADD_FAILURE() << C.Expected;
        } catch (const FileError& Error) {
            std::string Message = Error.what();
            EXPECT_EQ(Message.rfind("Damaged volume M\\Setup.d01: the entry at offset 13", 0), 0u) << Message;
            EXPECT_NE(Message.find(C.Expected), std::string::npos) << Message;
        }
        EXPECT_EQ(Fresh.Logged(), "good\r\n100\r\n") << C.Expected;
        EXPECT_EQ(Fresh.Files.Directories, std::set<std::string>{"C:\\T"}) << C.Expected;
        EXPECT_EQ(Fresh.Files.Files.size(), 3u) << C.Expected;  // volume, log, good
    }
}

TEST_F(DataFileTest, ABrokenChainIsAnError)
{
    Volume(1, ExampleVolume1());
    EXPECT_THROW(Extract(), FileError);  // Setup.d02 missing
    Volume(2, ExampleVolume2().substr(0, 20) + "\x01");
    EXPECT_THROW(Extract(), FileError);  // names Setup.d01 again
    Volume(1, "\x01\x02");
    EXPECT_THROW(Extract(), FileError);  // too short for the total size
}

}  // namespace

namespace {

// With a deadline that has passed, every call still makes progress and ends
// at a file or block boundary; spread over many calls, the files and the
// log are what one call gives.
TEST_F(DataFileTest, ADeadlineSpreadsTheCopyOverCallsAtFileAndBlockBoundaries)
{
    const std::string Big = Pattern(3 << 20, 3);
    Volume(1, Long(static_cast<std::int32_t>(60 + Big.size())) + Header("a.txt", 60) + A + Header("e0", 0) +
                  Header("big.bin", static_cast<std::int32_t>(Big.size())) + Big + Zero);
    auto Data = Open(1);
    std::int32_t Total = 0;
    ASSERT_TRUE(Data->ReadLong(Total));
    const auto Past = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    bool OverwriteAll = false;
    std::vector<std::int32_t> Calls;
    while (Data->HoldsData()) {
        std::int32_t Done = -1;
        ASSERT_TRUE(Data->CopyFiles(1 << 30, OverwriteAll, Done, Past));
        Calls.push_back(Done);
        ASSERT_LT(Calls.size(), 100u);
    }
    // a.txt alone; the empty e0 begun as progress of its own, then big.bin
    // in blocks.
    ASSERT_GE(Calls.size(), 4u);
    EXPECT_EQ(Calls[0], 60);
    EXPECT_EQ(Calls[1], 0);
    for (std::size_t I = 2; I < Calls.size(); ++I)
        EXPECT_GT(Calls[I], 0);
    EXPECT_EQ(Files.Files["C:\\T\\a.txt"], A);
    EXPECT_EQ(Files.Files["C:\\T\\e0"], "");
    EXPECT_EQ(Files.Files["C:\\T\\big.bin"], Big);
    EXPECT_EQ(Logged(), "a.txt\r\n100\r\ne0\r\n101\r\nbig.bin\r\n102\r\n");
}

}  // namespace
