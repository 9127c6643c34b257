// The progress dialog and its prompts, driven through their windows in the
// extraction host (ExtractHost.cpp), on media written byte by byte.
#include "ControlIds.h"
#include "Driver.h"
#include "TempDir.h"
#include "VolumeBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

using namespace Driver;
namespace Extract = ExtractFormId;
namespace Overwrite = OverwriteFormId;
namespace Exit = ExitFormId;

// The English pack with a few texts of the test's choosing.
std::string WritePack(const std::string& Dir, const std::map<std::string, std::string>& Changed)
{
    std::ifstream In(WindowsPath(RequiredEnvironment("LEXOVANT_PACK")), std::ios::binary);
    std::ostringstream Out;
    std::string Line, Replace;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (!Replace.empty()) {
            Line = Replace;
            Replace.clear();
        } else if (Line.rfind("# ", 0) == 0) {
            auto Found = Changed.find(Line.substr(Line.find(' ', 2) + 1));
            if (Found != Changed.end())
                Replace = Found->second;
        }
        Out << Line << "\r\n";
    }
    std::string Path = Dir + "\\Test.lng";
    WriteWholeFile(Path, Out.str());
    return Path;
}

// Texts as the tests' pack has them.
const std::map<std::string, std::string> TestTexts = {
    {"ExtractCaptionText", "Installing"},
    {"ExitCaptionText", "Exit Setup?"},
    {"DiskCaptionText", "Next disk"},
    {"DiskText", "Insert disk %dn% (disk %dn%)"},
    {"OverwriteCaptionText", "Replace file"},
    {"OverwriteText", "Replace %f%? Really %f%?"},
    {"OkButtonText", "O&K here"},
    {"CancelButtonText", "Can&cel here"},
};

struct TReport {
    int Result = -1, OverwriteAll = -1, Position = -1;
};

// A medium folder, a target folder and the host running in the medium.
struct TRun {
    TempDir Medium, Target, Work;
    std::string Install = Target.Path() + "\\Lexovant";
    std::unique_ptr<TProgram> Program;

    void Volume(int Number, const std::string& Bytes)
    {
        std::string Name = Number < 10 ? "Setup.d0" + std::to_string(Number) : "Setup.d" + std::to_string(Number);
        WriteWholeFile(Medium.Path() + "\\" + Name, Bytes);
    }
    void Start()
    {
        std::string Pack = WritePack(Work.Path(), TestTexts);
        Program = std::make_unique<TProgram>(WindowsPath(RequiredEnvironment("LEXOVANT_EXTRACT_HOST")),
                                             "\"" + Pack + "\" \"" + Install + "\" \"" + Work.Path() + "\\report.txt\"",
                                             Medium.Path());
    }
    HWND Dialog() { return WaitForWindow(Program->ProcessId(), "Installing"); }
    // Waits for the host to end and reads its report.
    TReport Finish()
    {
        TReport R;
        EXPECT_TRUE(Program->WaitForExit(60000));
        std::istringstream In(ReadWholeFile(Work.Path() + "\\report.txt"));
        std::string Key;
        int Value;
        while (In >> Key >> Value) {
            if (Key == "result") R.Result = Value;
            if (Key == "overwriteall") R.OverwriteAll = Value;
            if (Key == "position") R.Position = Value;
        }
        return R;
    }
    std::string File(const std::string& Name) { return ReadWholeFile(Install + "\\" + Name); }
    std::vector<std::string> Log()
    {
        std::istringstream In(File("Install.log"));
        std::vector<std::string> Lines;
        for (std::string Line; std::getline(In, Line);)
            Lines.push_back(Line.substr(0, Line.find('\r')));
        return Lines;
    }
    // The name lines of the log's program-files section.
    std::vector<std::string> LoggedNames()
    {
        std::vector<std::string> Lines = Log(), Names;
        auto At = std::find(Lines.begin(), Lines.end(), "{program files}");
        for (++At; At < Lines.end() && !At->empty(); At += 2)
            Names.push_back(*At);
        return Names;
    }
};

// A volume holding whole entries, chained to Next (0: last).
std::string SingleVolume(std::int32_t Total, const std::vector<std::pair<std::string, std::string>>& Files)
{
    std::string Bytes = Long(Total);
    for (const auto& [Name, Data] : Files)
        Bytes += Header(Name, static_cast<std::int32_t>(Data.size())) + Data;
    return Bytes + '\0';
}

// 1050 and 50 would step the bar past its end: it stops there instead of
// wrapping round. A total of 0 makes no step at all.
TEST(ExtractDialog, BarStandsAt99ForAMultipleOf100ElseAt100)
{
    struct Case {
        std::int32_t Total;
        int Position;
    } const Cases[] = {{1000, 99}, {1005, 100}, {1050, 100}, {50, 49}, {0, 0}};
    for (const Case& C : Cases) {
        TRun Run;
        std::string Data = Pattern(static_cast<std::size_t>(C.Total), 7);
        Run.Volume(1, SingleVolume(C.Total, {{"Data\\a.bin", Data}}));
        Run.Start();
        TReport R = Run.Finish();
        EXPECT_EQ(R.Result, 1) << C.Total;
        EXPECT_EQ(R.Position, C.Position) << C.Total;
        if (C.Total == 0)
            continue;
        EXPECT_EQ(Run.File("Data\\a.bin"), Data) << C.Total;
        EXPECT_EQ(Run.LoggedNames(), std::vector<std::string>{"Data\\a.bin"}) << C.Total;
    }
}

// a.bin (300 bytes) runs over three volumes; each volume's data ends where
// a step of 10 bytes ends.
TEST(ExtractDialog, FileOverThreeVolumesWithStepsEndingAtVolumeEnds)
{
    TRun Run;
    std::string A = Pattern(300, 1), B = Pattern(700, 2);
    Run.Volume(1, Long(1000) + Header("a.bin", 300) + A.substr(0, 200) + '\x02');
    Run.Volume(2, A.substr(200, 50) + '\x03');
    Run.Volume(3, A.substr(250) + Header("b.bin", 700) + B + '\0');
    Run.Start();
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 1);
    EXPECT_EQ(R.Position, 99);
    EXPECT_EQ(Run.File("a.bin"), A);
    EXPECT_EQ(Run.File("b.bin"), B);
    EXPECT_EQ(Run.LoggedNames(), (std::vector<std::string>{"a.bin", "b.bin"}));
}

TEST(VolumePrompt, AsksForVolume2UntilItIsThere)
{
    TRun Run;
    std::string A = Pattern(400, 3);
    Run.Volume(1, Long(400) + Header("a.bin", 400) + A.substr(0, 150) + '\x02');
    Run.Start();
    DWORD Id = Run.Program->ProcessId();

    // Shown with the number without its leading zero; OK tests again.
    std::optional<TMessageBox> Box = WaitForMessageBox(Id);
    ASSERT_TRUE(Box);
    EXPECT_EQ(Box->Caption, "Next disk");
    EXPECT_EQ(Box->Text, "Insert disk 2 (disk 2)");
    EXPECT_EQ(Box->Buttons, (std::vector<std::string>{"O&K here", "Can&cel here"}));
    EXPECT_NE(Box->Icon, nullptr);
    ASSERT_TRUE(Answer(*Box, "O&K here"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(Box->Window); }, 5000));
    Box = WaitForMessageBox(Id);
    ASSERT_TRUE(Box);
    EXPECT_EQ(Box->Text, "Insert disk 2 (disk 2)");

    // Setup.d02 is there now, but Cancel and Resume ask again untested.
    Run.Volume(2, A.substr(150) + '\0');
    ASSERT_TRUE(Answer(*Box, "Can&cel here"));
    HWND Question = WaitForWindow(Id, "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Click(Control(Question, Exit::ResumeButton)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(Box->Window); }, 5000));
    Box = WaitForMessageBox(Id);
    ASSERT_TRUE(Box);
    ASSERT_TRUE(Answer(*Box, "O&K here"));

    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 1);
    EXPECT_EQ(Run.File("a.bin"), A);
}

TEST(VolumePrompt, GivingUpClosesWithCancelAndNoSecondQuestion)
{
    TRun Run;
    std::string A = Pattern(400, 3);
    Run.Volume(1, Long(400) + Header("a.bin", 400) + A.substr(0, 150) + '\x02');
    Run.Start();
    std::optional<TMessageBox> Box = WaitForMessageBox(Run.Program->ProcessId());
    ASSERT_TRUE(Box);
    PressEscape(Box->Window);
    HWND Question = WaitForWindow(Run.Program->ProcessId(), "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Click(Control(Question, Exit::ExitButton)));
    // A second question would keep the host open.
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 2);
    EXPECT_EQ(Run.File("a.bin").size(), 150u);
    EXPECT_EQ(Run.Log().back(), "");  // closed normally...
    EXPECT_EQ(Run.LoggedNames().back(), "a.bin");
}

// Enough small files for the dialog to be open a few seconds under Wine.
std::vector<std::pair<std::string, std::string>> ManyFiles(int Count)
{
    std::vector<std::pair<std::string, std::string>> Files;
    for (int I = 0; I < Count; ++I)
        Files.push_back({"F" + std::to_string(I % 5) + "\\File" + std::to_string(I) + ".dat",
                         Pattern(1000 + I % 300, I)});
    return Files;
}

std::int32_t TotalOf(const std::vector<std::pair<std::string, std::string>>& Files)
{
    std::int32_t Total = 0;
    for (const auto& File : Files)
        Total += static_cast<std::int32_t>(File.second.size());
    return Total;
}

TEST(CancelButton, ResumeGoesOnWithNoByteCopiedTwice)
{
    TRun Run;
    auto Files = ManyFiles(1500);
    Run.Volume(1, SingleVolume(TotalOf(Files), Files));
    Run.Start();
    HWND Dialog = Run.Dialog();
    ASSERT_NE(Dialog, nullptr);
    ASSERT_TRUE(Click(Control(Dialog, Extract::CancelButton)));
    HWND Question = WaitForWindow(Run.Program->ProcessId(), "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Run.Program->Running());
    ASSERT_TRUE(Click(Control(Question, Exit::ResumeButton)));
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 1);
    std::vector<std::string> Names = Run.LoggedNames();
    ASSERT_EQ(Names.size(), Files.size());
    for (std::size_t I = 0; I < Files.size(); ++I) {
        EXPECT_EQ(Names[I], Files[I].first);
        ASSERT_EQ(Run.File(Files[I].first), Files[I].second) << Files[I].first;
    }
}

TEST(CancelButton, ExitEndsWithCancelAndNoSecondQuestion)
{
    TRun Run;
    auto Files = ManyFiles(1500);
    Run.Volume(1, SingleVolume(TotalOf(Files), Files));
    Run.Start();
    HWND Dialog = Run.Dialog();
    ASSERT_NE(Dialog, nullptr);
    PressEscape(Dialog);
    HWND Question = WaitForWindow(Run.Program->ProcessId(), "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Click(Control(Question, Exit::ExitButton)));
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 2);
    EXPECT_LT(Run.LoggedNames().size(), Files.size());
}

// Three files that exist already in the target.
struct TOverwriteRun : TRun {
    std::vector<std::pair<std::string, std::string>> Files = {
        {"a.txt", "new a"}, {"Sub\\b.txt", "new b"}, {"c.txt", "new c"}};
    TOverwriteRun()
    {
        std::filesystem::create_directories(Install + "\\Sub");
        for (const auto& File : Files)
            WriteWholeFile(Install + "\\" + File.first, "old");
        Volume(1, SingleVolume(TotalOf(Files), Files));
        Start();
    }
    HWND Prompt(const std::string& Name)
    {
        HWND Form = WaitForWindow(Program->ProcessId(), "Replace file");
        if (Form) {
            EXPECT_TRUE(WaitUntil([&] { return Text(Control(Form, Overwrite::OverwriteLabel)) ==
                                               "Replace " + Name + "? Really " + Name + "?"; }, 5000)) << Name;
        }
        return Form;
    }
};

TEST(OverwritePrompt, YesThenYesToAllReplacesWithoutFurtherQuestions)
{
    TOverwriteRun Run;
    HWND Form = Run.Prompt("a.txt");
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(Click(Control(Form, Overwrite::YesButton)));
    // The same dialog comes back for the next file at once, often before a
    // poll could see it hidden: its text tells that a.txt was answered.
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(Form) || Text(Control(Form, Overwrite::OverwriteLabel)).find("a.txt") == std::string::npos; }, 5000));
    Form = Run.Prompt("b.txt");  // Yes asks about the next one again
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(Click(Control(Form, Overwrite::YesToAllButton)));
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 1);
    EXPECT_EQ(R.OverwriteAll, 1);
    for (const auto& File : Run.Files)
        EXPECT_EQ(Run.File(File.first), File.second);
}

TEST(OverwritePrompt, NoThenResumeAsksAgainNoThenExitGivesUp)
{
    TOverwriteRun Run;
    DWORD Id = Run.Program->ProcessId();
    HWND Form = Run.Prompt("a.txt");
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(Click(Control(Form, Overwrite::NoButton)));
    HWND Question = WaitForWindow(Id, "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Click(Control(Question, Exit::ResumeButton)));
    Form = Run.Prompt("a.txt");  // the same file again
    ASSERT_NE(Form, nullptr);
    PressEnter(Form);  // No is the default button
    Question = WaitForWindow(Id, "Exit Setup?");
    ASSERT_NE(Question, nullptr);
    ASSERT_TRUE(Click(Control(Question, Exit::ExitButton)));
    TReport R = Run.Finish();
    EXPECT_EQ(R.Result, 2);
    EXPECT_EQ(R.OverwriteAll, 0);
    EXPECT_EQ(Run.File("a.txt"), "old");
    std::vector<std::string> Log = Run.Log();
    // The name line of the file not written, without its stamp line.
    ASSERT_GE(Log.size(), 3u);
    EXPECT_EQ(Log[Log.size() - 3], "{program files}");
    EXPECT_EQ(Log[Log.size() - 2], "a.txt");
}

TEST(StepErrors, ShownInTheErrorBoxThenClosedWithCancel)
{
    struct Case {
        const char* Name;
        std::string Volume1;  // empty: none
        const char* Shown;
        std::string Volume2 = {};  // empty: none
    } const Cases[] = {
        {"missing first volume", "", "Setup.d01"},
        {"first volume too short", "\x10\x00", "Damaged volume Setup.d01: it is too short to hold the total size."},
        {"negative total", Long(-5) + '\0', "Damaged volume Setup.d01: its total size is negative."},
        {"unsafe name", Long(3) + Header("..\\evil.txt", 3) + "abc" + '\0', "..\\evil.txt"},
        // Setup.d02 names itself as the next volume: read again, it would
        // never end.
        {"a chain back to a volume read before", Long(10) + Header("a.bin", 10) + "abcd" + '\x02',
         "Damaged volume Setup.d02: it names Setup.d02, which was read before, as the next volume.", "ef\x02"},
    };
    for (const Case& C : Cases) {
        TRun Run;
        if (!C.Volume1.empty())
            Run.Volume(1, C.Volume1);
        if (!C.Volume2.empty())
            Run.Volume(2, C.Volume2);
        Run.Start();
        std::optional<TMessageBox> Box = WaitForMessageBox(Run.Program->ProcessId());
        ASSERT_TRUE(Box) << C.Name;
        EXPECT_EQ(Box->Caption, "Setup") << C.Name;
        EXPECT_NE(Box->Text.find(C.Shown), std::string::npos) << C.Name << ": " << Box->Text;
        ASSERT_TRUE(Answer(*Box, "OK")) << C.Name;
        TReport R = Run.Finish();
        EXPECT_EQ(R.Result, 2) << C.Name;
        EXPECT_FALSE(std::filesystem::exists(Run.Target.Path() + "\\evil.txt")) << C.Name;
    }
}

// Run by full_disk_extract_test.sh with a small file system mounted at
// LEXOVANT_FULL_DISK.
TEST(StepErrors, FullDiskShownThenClosedWithCancel)
{
    const char* Disk = std::getenv("LEXOVANT_FULL_DISK");
    if (!Disk)
        GTEST_SKIP() << "needs a small disk (full_disk_extract_test.sh)";
    TRun Run;
    Run.Install = WindowsPath(Disk) + "\\Lexovant";
    std::string Big = Pattern(3 << 20, 5);
    Run.Volume(1, SingleVolume(static_cast<std::int32_t>(Big.size()), {{"big.bin", Big}}));
    Run.Start();
    std::optional<TMessageBox> Box = WaitForMessageBox(Run.Program->ProcessId(), 30000);
    ASSERT_TRUE(Box);
    EXPECT_EQ(Box->Caption, "Setup");
    EXPECT_NE(Box->Text.find("Could not write to " + Run.Install + "\\big.bin: "), std::string::npos) << Box->Text;
    ASSERT_TRUE(Answer(*Box, "OK"));
    EXPECT_TRUE(Run.Program->WaitForExit(30000));
    EXPECT_EQ(Run.Program->ExitCode(), 2u);
}

}  // namespace
