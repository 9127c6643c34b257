// Whole installations through the real Setup.exe on a medium of data
// volumes, driven as a user would: every page, the progress dialog, its
// prompts, the finished page. Each test runs in a Wine prefix of its own
// (one ctest per test), so the registry and the Start menu start empty.
#include "ControlIds.h"
#include "DemoIds.h"
#include "Driver.h"
#include "FileChecks.h"
#include "InstallMedium.h"
#include "ShellLink.h"
#include "TempDir.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

using namespace Driver;
namespace Id = MainFormId;
namespace fs = std::filesystem;

const std::string ExtractCaption = "Installing Lexovant";
const std::string OverwriteCaption = "Replace file";
const std::string ExitCaption = "Exit Setup";
const std::vector<std::string> ShortcutNames = {"Lexovant.lnk", "Read me.lnk", "Uninstall Lexovant.lnk"};
const std::vector<std::string> ShortcutTargets = {"Lexovant.exe", "ReadMe.txt", "Uninst.exe"};

// Whether two files hold the same bytes, read a block at a time (the large
// payloads do not fit twice into a 32-bit process).
bool SameBytes(const std::string& Path, const std::string& Original)
{
    std::ifstream A(Path, std::ios::binary), B(Original, std::ios::binary);
    if (!A || !B)
        return false;
    std::string BlockA(1 << 20, '\0'), BlockB(1 << 20, '\0');
    for (;;) {
        A.read(BlockA.data(), static_cast<std::streamsize>(BlockA.size()));
        B.read(BlockB.data(), static_cast<std::streamsize>(BlockB.size()));
        if (A.gcount() != B.gcount() ||
            BlockA.compare(0, static_cast<std::size_t>(A.gcount()), BlockB, 0, static_cast<std::size_t>(B.gcount())) != 0)
            return false;
        if (A.gcount() == 0)
            return true;
    }
}

// Gives Path a last-write time long past, so that its stamp differs from
// the one any run of today recorded.
void MakeOld(const std::string& Path)
{
    HANDLE File = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE) << Path;
    SYSTEMTIME Past{2020, 1, 3, 1, 12, 0, 0, 0};
    FILETIME Time;
    SystemTimeToFileTime(&Past, &Time);
    EXPECT_TRUE(SetFileTime(File, nullptr, nullptr, &Time));
    CloseHandle(File);
}

// The log's lines; the CR LF after the last one ends it.
std::vector<std::string> LogLines(const std::string& InstallDir)
{
    std::string Text = ReadWholeFile(InstallDir + "\\Install.log");
    std::vector<std::string> Lines;
    std::string::size_type From = 0;
    for (std::string::size_type End; (End = Text.find("\r\n", From)) != std::string::npos; From = End + 2)
        Lines.push_back(Text.substr(From, End - From));
    EXPECT_EQ(From, Text.size()) << "the log ends with CR LF";
    return Lines;
}

// A file's last-write time, local, packed as MS-DOS date and time.
std::string Stamp(const std::string& Path)
{
    WIN32_FIND_DATAA Data;
    HANDLE Search = FindFirstFileA(Path.c_str(), &Data);
    if (Search == INVALID_HANDLE_VALUE)
        return "missing " + Path;
    FindClose(Search);
    FILETIME Local;
    WORD Date = 0, Time = 0;
    FileTimeToLocalFileTime(&Data.ftLastWriteTime, &Local);
    FileTimeToDosDateTime(&Local, &Date, &Time);
    return std::to_string(static_cast<std::int32_t>((static_cast<std::uint32_t>(Date) << 16) | Time));
}

std::optional<std::string> RegistryString(HKEY Root, const std::string& Key, const std::string& Name)
{
    char Value[1024] = {};
    DWORD Size = sizeof Value - 1;
    if (RegGetValueA(Root, Key.c_str(), Name.empty() ? nullptr : Name.c_str(), RRF_RT_REG_SZ, nullptr, Value,
                     &Size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(Value);
}

// The directory that Setup offers on a machine without a previous
// installation: the system's program-files folder, as a 32-bit program
// sees it, and "Lexovant".
std::string DefaultDirectory()
{
    auto ProgramFiles =
        RegistryString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    return ProgramFiles.value_or("C:\\Program Files") + "\\Lexovant";
}
const std::string DefaultDir = DefaultDirectory();

const std::string UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lexovant";

// One run of Setup.exe from the medium's folder, walked as a user walks it.
class TSetupRun {
public:
    explicit TSetupRun(const TInstallMedium& Medium) : Setup(Medium.SetupExe(), {}, Medium.Dir())
    {
        Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup");
    }

    HWND Item(int Id) const { return Control(Main, Id); }
    bool Shows(int Panel, int Milliseconds = 10000) const
    {
        return WaitUntil([&] { return IsShown(Item(Panel)); }, Milliseconds);
    }
    DWORD Process() const { return Setup.ProcessId(); }
    TProgram& Program() { return Setup; }

    // English from the list, the licence accepted, the directory typed
    // (the default when empty), the default program folder: ends on the
    // confirmation page.
    void ToConfirmation(const std::string& InstallDir = {})
    {
        ASSERT_NE(Main, nullptr);
        HWND Box = Item(Id::LanguageBox);
        ASSERT_EQ(ListEntries(Box), (std::vector<std::string>{"English", "Nederlands"}));
        RECT Entry{};
        SendMessageA(Box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&Entry));
        MouseDown(Box, 20, (Entry.top + Entry.bottom) / 2);
        MouseUp(Box, 20, (Entry.top + Entry.bottom) / 2);
        ASSERT_TRUE(Shows(Id::WelcomePanel));
        ASSERT_TRUE(Click(Item(Id::NextButton)));
        ASSERT_TRUE(Shows(Id::LicencePanel));
        ASSERT_TRUE(Click(Item(Id::AgreeRadio)));
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Item(Id::NextButton)); }, 5000));
        ASSERT_TRUE(Click(Item(Id::NextButton)));
        ASSERT_TRUE(Shows(Id::InstallDirPanel));
        if (!InstallDir.empty())
            SetWindowTextA(Item(Id::InstallDirEdit), InstallDir.c_str());
        ASSERT_TRUE(Click(Item(Id::NextButton)));
        ASSERT_TRUE(Shows(Id::ProgFolderPanel));
        EXPECT_EQ(Text(Item(Id::ProgFolderEdit)), "Lexovant");
        ASSERT_TRUE(Click(Item(Id::NextButton)));
        ASSERT_TRUE(Shows(Id::ConfirmPanel));
    }
    void Install() { ASSERT_TRUE(Click(Item(Id::NextButton))); }

    // The finished page as the run leaves it, then Finish ends the
    // program without a question.
    void ExpectFinishedThenFinish()
    {
        ASSERT_TRUE(Shows(Id::FinishPanel, 60000)) << "the finished page";
        EXPECT_FALSE(IsShown(Item(Id::ConfirmPanel)));
        for (int Hidden : {Id::BackButton, Id::NextButton, Id::CancelButton})
            EXPECT_FALSE(IsShown(Item(Hidden))) << Hidden;
        EXPECT_TRUE(IsShown(Item(Id::FinishButton)));
        EXPECT_TRUE(WaitUntil([&] { return Focus(Main) == Item(Id::FinishButton); }, 3000));
        EXPECT_NE(Text(Item(Id::FinishedLabel)).find("Setup has installed Lexovant"), std::string::npos);
        ASSERT_TRUE(Click(Item(Id::FinishButton)));
        EXPECT_TRUE(Setup.WaitForExit(10000)) << "Finish ends Setup without a question";
        EXPECT_EQ(Setup.ExitCode(), 0u);
    }

    // The overwrite prompt for File, answered with one of its buttons. The
    // same window serves every prompt, so each waits for its own text.
    void AnswerOverwrite(const std::string& File, int Button)
    {
        const std::string Question = "The file \"" + File + "\" already exists.\r\nDo you want to replace it?";
        HWND Prompt = WaitForWindow(Setup.ProcessId(), OverwriteCaption, 30000);
        ASSERT_NE(Prompt, nullptr) << "the overwrite prompt for " << File;
        HWND Label = Control(Prompt, OverwriteFormId::OverwriteLabel);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Prompt) && Text(Label) == Question; }, 30000))
            << "the prompt for " << File << " shows: " << Text(Label);
        ASSERT_TRUE(Click(Control(Prompt, Button)));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(Prompt) || Text(Label) != Question; }, 10000));
    }

private:
    TProgram Setup;
    HWND Main = nullptr;
};

// What a whole installation leaves: every file of the medium byte for
// byte, the log line by line, the shortcuts and the registry values.
void ExpectInstalled(const TInstallMedium& Medium, const std::string& Dir,
                     const std::vector<std::string>& LoggedPacks = {"English.lng", "Nederlands.lng"})
{
    for (const std::string& Name : Medium.Files())
        EXPECT_TRUE(SameBytes(Dir + "\\" + Name, Medium.Source(Name))) << Name;

    std::vector<std::string> Expected = {"Lexovant installation log", "0", "", "{program folder}", "Lexovant",
                                         "", "{program files}"};
    for (const std::string& Name : Medium.Files()) {
        Expected.push_back(Name);
        Expected.push_back(Stamp(Dir + "\\" + Name));
    }
    for (const std::string& Pack : LoggedPacks) {
        Expected.push_back(Pack);
        Expected.push_back(Stamp(Dir + "\\" + Pack));
    }
    Expected.push_back("");
    Expected.push_back("{program folder files}");
    const std::string Folder = ProgramsFolder() + "\\Lexovant";
    for (const std::string& Link : ShortcutNames) {
        Expected.push_back(Link);
        Expected.push_back(Stamp(Folder + "\\" + Link));
    }
    Expected.push_back("");
    EXPECT_EQ(LogLines(Dir), Expected);

    for (std::size_t I = 0; I < ShortcutNames.size(); ++I) {
        TShellLink Link;
        ASSERT_EQ(Link.Load(Folder + "\\" + ShortcutNames[I]), S_OK) << ShortcutNames[I];
        EXPECT_EQ(Link.Path(), Dir + "\\" + ShortcutTargets[I]);
        EXPECT_EQ(Link.WorkingDirectory(), Dir);
    }

    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, "Software\\Lexovant", "Language"), "English");
    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"), "Lexovant");
    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"), Dir + "\\Uninst.exe");
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, ".wdl", ""), "Lexovant.Wordlist");
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, "Lexovant.Wordlist", ""), "Lexovant word list");
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, "Lexovant.Wordlist\\Shell\\open\\command", ""),
              "\"" + Dir + "\\Lexovant.exe\" \"%1\"");
}

// The stand-in program's window, in whichever process shows it.
HWND WaitForProgramWindow()
{
    HWND Found = nullptr;
    WaitUntil([&] { return (Found = FindWindowA("LexovantDemoWindow", "Lexovant 1.0")) != nullptr; }, 30000);
    return Found;
}

void CloseProgramWindow(HWND Window)
{
    PostMessageA(Window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(Window); }, 10000));
}

class Installation : public testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    // A whole run with the defaults and no question.
    void InstallWithDefaults()
    {
        TSetupRun Run(Medium);
        Run.ToConfirmation();
        Run.Install();
        Run.ExpectFinishedThenFinish();
    }

    TInstallMedium Medium;
};

TEST_F(Installation, FirstInstallation)
{
    ASSERT_GE(Medium.VolumeCount(), 3u);
    InstallWithDefaults();
    ExpectInstalled(Medium, DefaultDir);
    for (const char* Pack : {"English", "Nederlands"})
        EXPECT_EQ(ReadWholeFile(DefaultDir + "\\" + Pack + ".lng"), TSetupFolder::PackBytes(Pack)) << Pack;
}

TEST_F(Installation, TheProgramStartsFromItsShortcutAndOnAWordList)
{
    InstallWithDefaults();

    // The program shortcut, opened as the Start menu opens it.
    const std::string Link = ProgramsFolder() + "\\Lexovant\\Lexovant.lnk";
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", Link.c_str(), nullptr, nullptr, SW_SHOW)), 32);
    HWND Program = WaitForProgramWindow();
    ASSERT_NE(Program, nullptr) << "the shortcut starts Lexovant";
    CloseProgramWindow(Program);

    // A word list, opened through its association as "wine start" opens it.
    const std::string WordList = DefaultDir + "\\Wordlists\\English-Dutch\\Basics.wdl";
    char System[MAX_PATH];
    GetSystemDirectoryA(System, MAX_PATH);
    TProgram Start(std::string(System) + "\\start.exe", "\"" + WordList + "\"");
    Program = WaitForProgramWindow();
    ASSERT_NE(Program, nullptr) << "the association starts Lexovant";
    // The window comes before its controls are filled in.
    std::string Shown;
    EXPECT_TRUE(WaitUntil(
        [&] {
            Shown = Text(GetDlgItem(Program, DemoPathLabel));
            return Shown.find(WordList) != std::string::npos;
        },
        10000))
        << Shown;
    CloseProgramWindow(Program);
}

TEST_F(Installation, SecondInstallationOverTheFirst)
{
    InstallWithDefaults();
    // The user changed one word list since.
    const std::string Changed = "Wordlists\\English-Dutch\\Basics.wdl";
    WriteWholeFile(DefaultDir + "\\" + Changed, "my own words\r\n");
    MakeOld(DefaultDir + "\\" + Changed);
    // A file of the old installation that the user added is not the run's.
    WriteWholeFile(DefaultDir + "\\Notes.txt", "mine\r\n");

    TSetupRun Run(Medium);
    Run.ToConfirmation();
    // The previous installation's directory is the default.
    EXPECT_NE(Text(Run.Item(Id::ConfirmMemo)).find(DefaultDir), std::string::npos);
    Run.Install();
    // The removal kept the changed file; the extraction asks before it
    // replaces it, and nothing else.
    Run.AnswerOverwrite("Basics.wdl", OverwriteFormId::YesButton);
    Run.ExpectFinishedThenFinish();
    ExpectInstalled(Medium, DefaultDir);
    EXPECT_EQ(ReadWholeFile(DefaultDir + "\\Notes.txt"), "mine\r\n");
}


TEST_F(Installation, CancelThenExitEndsAtOnceAndALaterRunSucceeds)
{
    // Enough data that the extraction is still running when Cancel comes.
    TInstallMedium Large({{"Data\\Large.bin", 400 << 20}}, 150 << 20);
    {
        TSetupRun Run(Large);
        Run.ToConfirmation();
        Run.Install();
        HWND Progress = WaitForWindow(Run.Process(), ExtractCaption, 30000);
        ASSERT_NE(Progress, nullptr);
        ASSERT_TRUE(Click(Control(Progress, ExtractFormId::CancelButton)));
        HWND Question = WaitForWindow(Run.Process(), ExitCaption, 30000);
        ASSERT_NE(Question, nullptr) << "Cancel asks whether to leave";
        ASSERT_TRUE(Click(Control(Question, ExitFormId::ExitButton)));
        ASSERT_TRUE(Run.Program().WaitForExit(30000)) << "Exit ends Setup without a second question";
    }
    // What was extracted stays and is in the log, the last entry perhaps
    // without its stamp; nothing after the extraction happened.
    std::vector<std::string> Lines = LogLines(DefaultDir);
    ASSERT_GE(Lines.size(), 7u);
    EXPECT_EQ(Lines[6], "{program files}");
    EXPECT_LT(Lines.size(), 7 + 2 * Large.Files().size() + 1) << "the extraction was stopped";
    for (std::size_t I = 7; I < Lines.size() && !Lines[I].empty(); I += 2) {
        EXPECT_TRUE(Exists(DefaultDir + "\\" + Lines[I])) << Lines[I];
        if (I + 1 < Lines.size() && !Lines[I + 1].empty()) {
            EXPECT_TRUE(SameBytes(DefaultDir + "\\" + Lines[I], Large.Source(Lines[I]))) << Lines[I];
        }
    }
    EXPECT_EQ(Lines.back(), "");
    for (const char* Pack : {"English.lng", "Nederlands.lng"})
        EXPECT_FALSE(Exists(DefaultDir + "\\" + Pack)) << Pack;
    EXPECT_FALSE(Exists(ProgramsFolder() + "\\Lexovant"));
    EXPECT_FALSE(RegistryString(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"));
    EXPECT_FALSE(RegistryString(HKEY_LOCAL_MACHINE, "Software\\Lexovant", "Language"));
    EXPECT_FALSE(RegistryString(HKEY_CLASSES_ROOT, ".wdl", ""));

    // A later run over what is left: Yes to all at the first file it finds.
    TSetupRun Again(Large);
    Again.ToConfirmation();
    Again.Install();
    Again.AnswerOverwrite(fs::path(Lines[7]).filename().string(), OverwriteFormId::YesToAllButton);
    Again.ExpectFinishedThenFinish();
    ExpectInstalled(Large, DefaultDir);
}

TEST_F(Installation, AMissingVolumeIsAskedForByItsNumber)
{
    const std::string Volume = Medium.Dir() + "\\Setup.d03", Away = Medium.Dir() + "\\Setup.d03.away";
    ASSERT_TRUE(MoveFileA(Volume.c_str(), Away.c_str()));
    TSetupRun Run(Medium);
    Run.ToConfirmation();
    Run.Install();
    auto Prompt = WaitForMessageBox(Run.Process(), 30000);
    ASSERT_TRUE(Prompt);
    EXPECT_EQ(Prompt->Caption, "Next disk");
    EXPECT_NE(Prompt->Text.find("insert disk 3 of"), std::string::npos) << Prompt->Text;
    ASSERT_TRUE(MoveFileA(Away.c_str(), Volume.c_str()));
    ASSERT_TRUE(Answer(*Prompt, "OK"));
    Run.ExpectFinishedThenFinish();
    ExpectInstalled(Medium, DefaultDir);
}

// Both packs lie in the installation directory already.
class ExistingPacks : public Installation {
protected:
    void SetUp() override
    {
        Installation::SetUp();
        WriteWholeFile(DefaultDir + "\\English.lng", "old English");
        WriteWholeFile(DefaultDir + "\\Nederlands.lng", "old Dutch");
    }
    std::string Pack(const char* Name) const { return ReadWholeFile(DefaultDir + "\\" + Name); }
};

TEST_F(ExistingPacks, NoKeepsOnePackOutOfTheLogYesReplacesTheOther)
{
    TSetupRun Run(Medium);
    Run.ToConfirmation();
    Run.Install();
    Run.AnswerOverwrite("English.lng", OverwriteFormId::NoButton);
    Run.AnswerOverwrite("Nederlands.lng", OverwriteFormId::YesButton);
    Run.ExpectFinishedThenFinish();
    EXPECT_EQ(Pack("English.lng"), "old English");
    EXPECT_EQ(Pack("Nederlands.lng"), TSetupFolder::PackBytes("Nederlands"));
    ExpectInstalled(Medium, DefaultDir, {"Nederlands.lng"});
}

TEST_F(ExistingPacks, YesToAllAtTheFirstAsksNoMore)
{
    TSetupRun Run(Medium);
    Run.ToConfirmation();
    Run.Install();
    Run.AnswerOverwrite("English.lng", OverwriteFormId::YesToAllButton);
    Run.ExpectFinishedThenFinish();
    EXPECT_EQ(Pack("English.lng"), TSetupFolder::PackBytes("English"));
    EXPECT_EQ(Pack("Nederlands.lng"), TSetupFolder::PackBytes("Nederlands"));
    ExpectInstalled(Medium, DefaultDir);
}

TEST_F(Installation, AFailedStepLeavesTheConfirmationPageAndNextRunsAgain)
{
    InstallWithDefaults();
    // Into another directory, whose parent turns into a file after the
    // folder check: the log cannot be made there.
    const std::string Parent = "C:\\Elsewhere", Dir = Parent + "\\Lexovant";
    TSetupRun Run(Medium);
    Run.ToConfirmation(Dir);
    WriteWholeFile(Parent, "in the way");
    Run.Install();
    auto Error = WaitForMessageBox(Run.Process(), 30000);
    ASSERT_TRUE(Error);
    EXPECT_EQ(Error->Caption, "Setup");
    EXPECT_NE(Error->Text.find("Install.log"), std::string::npos) << Error->Text;
    ASSERT_TRUE(Answer(*Error, "OK"));
    EXPECT_TRUE(Run.Shows(Id::ConfirmPanel));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(Run.Item(Id::NextButton)); }, 5000));
    // The previous installation is gone already: the run removed it first.
    EXPECT_FALSE(Exists(DefaultDir + "\\Lexovant.exe"));

    ASSERT_TRUE(DeleteFileA(Parent.c_str()));
    Run.Install();
    Run.ExpectFinishedThenFinish();
    ExpectInstalled(Medium, Dir);
}

}  // namespace
