// The demonstration's user: starts Setup.exe in its own folder (the medium,
// where it finds the data volumes), walks through every page as a user
// would with the defaults (English, agree, the default directory and
// program folder, install, finish), saves a picture of the screen at every
// page, and copies the Install.log of the finished installation beside the
// pictures. It drives Setup.exe through its windows with the library the
// tests use; Setup.exe must run in the same Wine session as this program.
//   DemoWalk SETUP_EXE OUT_DIR
// Exit status 0 when the walk reached the end, 1 when it failed (with the
// reason on standard error and the screen at that moment in
// OUT_DIR\failure.bmp), 2 for bad usage.
#include "ControlIds.h"
#include "Driver.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

using namespace Driver;
namespace Id = MainFormId;

const char* const Language = "English";
const int PageTime = 15000;
// The whole installation, from Next on the confirmation page to the
// finished page.
const int InstallTime = 60000;

class TWalk {
public:
    TWalk(const std::string& SetupExe, const std::string& OutDir) : Out(OutDir), Setup(SetupExe) {}

    void Run();
    void SaveFailureScreen() const { SaveScreenshot(CaptureScreen(), Out + "\\failure.bmp"); }

private:
    HWND Item(int ControlId) const { return Control(Main, ControlId); }
    void Press(int Button) const;
    void WaitForPage(int Panel, const char* Name, int Milliseconds = PageTime) const;
    void CheckSetupAlone() const;
    void Picture(const char* Name, int PaintTime = 600);
    void ChooseLanguage();
    void WatchInstallation();

    std::string Out;
    TProgram Setup;
    HWND Main = nullptr;
};

// What a message box, the exit question or the overwrite prompt of Setup
// says, when one is open: none of them belongs to the walk.
std::string QuestionText(DWORD ProcessId)
{
    for (HWND Window : TopLevelWindows(ProcessId)) {
        HWND Said = nullptr;
        if (ClassName(Window) == "#32770")
            Said = Control(Window, 0xFFFF);  // a message box's text
        else if (!(Said = Control(Window, OverwriteFormId::OverwriteLabel)))
            Said = Control(Window, ExitFormId::TextLabel);
        if (Said || ClassName(Window) == "#32770")
            return "\"" + Text(Window) + "\"" + (Said ? ": " + Text(Said) : "");
    }
    return {};
}

void TWalk::CheckSetupAlone() const
{
    if (!Setup.Running())
        throw std::runtime_error("Setup.exe ended (exit status " + std::to_string(Setup.ExitCode()) + ")");
    std::string Question = QuestionText(Setup.ProcessId());
    if (!Question.empty())
        throw std::runtime_error("Setup.exe showed " + Question);
}

void TWalk::WaitForPage(int Panel, const char* Name, int Milliseconds) const
{
    bool Shown = WaitUntil(
        [&] {
            CheckSetupAlone();
            return IsShown(Item(Panel));
        },
        Milliseconds);
    if (!Shown)
        throw std::runtime_error(std::string("the ") + Name + " did not appear within " +
                                 std::to_string(Milliseconds / 1000) + " s");
    std::printf("page: %s\n", Name);
    std::fflush(stdout);
}

void TWalk::Press(int Button) const
{
    HWND Window = Item(Button);
    if (!WaitUntil([&] { return IsShown(Window) && IsEnabled(Window); }, PageTime) || !Click(Window))
        throw std::runtime_error("the button " + Text(Window) + " cannot be pressed");
}

// The whole screen, once the page has had time to paint itself.
void TWalk::Picture(const char* Name, int PaintTime)
{
    WaitUntil([] { return false; }, PaintTime);
    std::string Path = Out + "\\" + Name + ".bmp";
    if (!SaveScreenshot(CaptureScreen(), Path))
        throw std::runtime_error("cannot write " + Path);
}

// Points at the entry and clicks it without moving: press and release at
// the same point, as the language page expects of a choice.
void TWalk::ChooseLanguage()
{
    HWND Box = Item(Id::LanguageBox);
    if (!WaitUntil([&] { return !ListEntries(Box).empty(); }, PageTime))
        throw std::runtime_error("the language page lists no pack");
    std::vector<std::string> Entries = ListEntries(Box);
    std::string Listed;
    int Index = -1;
    for (std::size_t I = 0; I < Entries.size(); ++I) {
        Listed += (I ? ", " : "") + Entries[I];
        if (Entries[I] == Language)
            Index = static_cast<int>(I);
    }
    std::printf("  packs listed: %s\n", Listed.c_str());
    if (Index < 0)
        throw std::runtime_error(std::string("the language page does not list ") + Language);
    auto Height = static_cast<int>(SendMessageA(Box, LB_GETITEMHEIGHT, 0, 0));
    auto Top = static_cast<int>(SendMessageA(Box, LB_GETTOPINDEX, 0, 0));
    int X = 20, Y = (Index - Top) * Height + Height / 2;
    MouseMove(Box, X, Y);
    WaitUntil([&] { return ListSelection(Box) == std::vector<int>{Index}; }, 3000);
    Picture("1-language-page");
    MouseDown(Box, X, Y);
    MouseUp(Box, X, Y);
}

// After Next on the confirmation page: the progress dialog comes and goes
// by itself; its picture is taken when it is caught, then the walk waits
// for the finished page.
void TWalk::WatchInstallation()
{
    bool Caught = false;
    bool Finished = WaitUntil(
        [&] {
            for (HWND Window : TopLevelWindows(Setup.ProcessId()))
                if (HWND Bar = Control(Window, ExtractFormId::ProgressBar); Bar && !Caught) {
                    Caught = true;
                    auto Percent = SendMessageA(Bar, PBM_GETPOS, 0, 0);
                    std::printf("dialog: \"%s\" (caught at %ld %%)\n", Text(Window).c_str(),
                                static_cast<long>(Percent));
                    Picture("7-progress-dialog", 150);
                }
            if (IsShown(Item(Id::FinishPanel)))
                return true;
            CheckSetupAlone();
            return false;
        },
        InstallTime);
    if (!Finished)
        throw std::runtime_error("the finished page did not appear within " + std::to_string(InstallTime / 1000) +
                                 " s of Next on the confirmation page" +
                                 (Caught ? "" : "; no progress dialog was seen, so the installation did not start"));
    if (!Caught)
        std::printf("dialog: the progress dialog came and went between two looks\n");
    std::printf("page: finished page\n");
}

void TWalk::Run()
{
    Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup", PageTime);
    if (!Main)
        throw std::runtime_error("the window \"Lexovant Setup\" did not appear within " +
                                 std::to_string(PageTime / 1000) + " s");
    WaitForPage(Id::LanguagePanel, "language page");
    ChooseLanguage();

    WaitForPage(Id::WelcomePanel, "welcome page");
    Picture("2-welcome-page");
    Press(Id::NextButton);

    WaitForPage(Id::LicencePanel, "licence page");
    Press(Id::AgreeRadio);
    if (!WaitUntil([&] { return IsEnabled(Item(Id::NextButton)); }, PageTime))
        throw std::runtime_error("Next stays disabled after the agree choice");
    Picture("3-licence-page");
    Press(Id::NextButton);

    WaitForPage(Id::InstallDirPanel, "directory page");
    std::string InstallDir = Text(Item(Id::InstallDirEdit));
    std::printf("  directory: %s\n", InstallDir.c_str());
    Picture("4-directory-page");
    Press(Id::NextButton);

    WaitForPage(Id::ProgFolderPanel, "program-folder page");
    std::printf("  program folder: %s\n", Text(Item(Id::ProgFolderEdit)).c_str());
    Picture("5-program-folder-page");
    Press(Id::NextButton);

    WaitForPage(Id::ConfirmPanel, "confirmation page");
    Picture("6-confirmation-page");
    Press(Id::NextButton);

    WatchInstallation();
    Picture("8-finished-page");
    Press(Id::FinishButton);
    if (!Setup.WaitForExit(PageTime))
        throw std::runtime_error("Setup.exe did not end after Finish");
    if (Setup.ExitCode() != 0)
        throw std::runtime_error("Setup.exe ended with status " + std::to_string(Setup.ExitCode()) + " after Finish");
    std::printf("Setup.exe ended after Finish\n");

    std::string Log = InstallDir + "\\Install.log";
    if (!CopyFileA(Log.c_str(), (Out + "\\Install.log").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + Log + " (error " + std::to_string(GetLastError()) + ")");
    std::printf("installed in: %s\n", InstallDir.c_str());
}

}  // namespace

int main(int Count, char** Arguments)
{
    if (Count != 3) {
        std::fprintf(stderr, "usage: DemoWalk SETUP_EXE OUT_DIR\n");
        return 2;
    }
    std::string OutDir = WindowsPath(Arguments[2]);
    try {
        TWalk Walk(WindowsPath(Arguments[1]), OutDir);
        try {
            Walk.Run();
        } catch (...) {
            Walk.SaveFailureScreen();
            throw;
        }
    } catch (const std::exception& Error) {
        std::fflush(stdout);
        std::fprintf(stderr, "DemoWalk: %s\n", Error.what());
        return 1;
    }
    return 0;
}
