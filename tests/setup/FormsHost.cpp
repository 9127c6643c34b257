// A host for the installer's forms, driven by the tests like the real
// program. Two ways to start it:
//   FormsHost.exe          a host window with buttons that ask the exit
//                          question, fail in a handler, and start a worker
//                          thread that uses Synchronize; the last result
//                          shows in its label
//   FormsHost.exe wizard   the installer's own five windows, as Setup.exe
//                          makes them, but with a language as good as
//                          chosen: closing the wizard asks the exit question
#include "Application.h"
#include "Form.h"
#include "Main.h"
#include "SetupPars.h"
#include "Thread.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractForm.h"
#include "Unit_FullScreenForm.h"
#include "Unit_OverwriteForm.h"

#include "FormsHost.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using namespace FormsHostId;
using K = TControlKind;

constexpr TControlRow HostControls[] = {
    {"AskButton", AskButton, K::Button, 0, 8, 8, 120, 25, 0, "Ask"},
    {"FailButton", FailButton, K::Button, 0, 8, 40, 120, 25, 0, "Fail"},
    {"FailWithStopButton", FailWithStopButton, K::Button, 0, 8, 72, 120, 25, 0, "Fail with stop"},
    {"WorkerButton", WorkerButton, K::Button, 0, 8, 104, 120, 25, 0, "Worker"},
    {"ResultLabel", ResultLabel, K::Label, 0, 140, 8, 150, 25, 0, ""},
};
constexpr TFormLayout HostForm = {"Forms host", 300, 140, TFormBorder::Dialog, HostControls};

// Waits a while, so that the test can open a modal window first, then has
// the label set on the user-interface thread.
class TLateWorker : public TThread {
public:
    explicit TLateWorker(TLabel& Result) : Result(Result) {}

protected:
    void Execute() override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        Synchronize([this] { Result.SetText("synchronized"); });
    }

private:
    TLabel& Result;
};

class THostForm : public TForm {
public:
    THostForm() : TForm(HostForm)
    {
        auto& Result = Find<TLabel>(ResultLabel);
        Find<TButton>(AskButton).OnClick = [&Result] { Result.SetText(std::to_string(ExitConfirmation())); };
        Find<TButton>(FailButton).OnClick = [] { throw std::runtime_error("Something failed"); };
        Find<TButton>(FailWithStopButton).OnClick = [] { throw std::runtime_error("Already ends."); };
        Find<TButton>(WorkerButton).OnClick = [&Result] {
            auto* Worker = new TLateWorker(Result);
            Worker->FreeOnTerminate = true;
            Worker->Start();
        };
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR CommandLine, int)
{
    Application.Initialize();
    Application.Title = "Setup";
    if (std::string(CommandLine) == "wizard") {
        MainForm = Application.CreateForm<TMainForm>();
        ExitForm = Application.CreateForm<TExitForm>();
        FullScreenForm = Application.CreateForm<TFullScreenForm>();
        ExtractForm = Application.CreateForm<TExtractForm>();
        OverwriteForm = Application.CreateForm<TOverwriteForm>();
    } else {
        Application.CreateForm<THostForm>();
        ExitForm = Application.CreateForm<TExitForm>();
    }
    Application.Run();
    return 0;
}
