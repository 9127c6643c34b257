// The exit question and the error box, driven through the windows of the
// forms host (FormsHost.cpp), and the wizard's close request.
#include "ControlIds.h"
#include "Driver.h"
#include "FormsHost.h"

#include <gtest/gtest.h>

namespace {

using namespace Driver;
namespace Host = FormsHostId;
namespace Exit = ExitFormId;

std::string HostPath()
{
    return WindowsPath(RequiredEnvironment("LEXOVANT_FORMS_HOST"));
}

struct TStartedHost {
    TProgram Program{HostPath()};
    HWND Main = WaitForWindow(Program.ProcessId(), "Forms host");

    std::string Result() const { return Text(Control(Main, Host::ResultLabel)); }
    bool ResultIs(const std::string& Expected) const
    {
        return WaitUntil([&] { return Result() == Expected; }, 5000);
    }
    // Asks the exit question; the dialog, or null when it did not appear.
    HWND Ask() const
    {
        if (!Click(Control(Main, Host::AskButton)))
            return nullptr;
        return WaitForWindow(Program.ProcessId(), "Exit Setup", 5000);
    }
};

TEST(ExitConfirmation, DialogAsDesigned)
{
    TStartedHost Host;
    ASSERT_NE(Host.Main, nullptr);
    HWND Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    SIZE Client = ClientSize(Dialog);
    EXPECT_EQ(Client.cx, 345);
    EXPECT_EQ(Client.cy, 185);
    EXPECT_EQ(Text(Control(Dialog, Exit::TextLabel)), "Exit Setup text");
    EXPECT_EQ(Text(Control(Dialog, Exit::ResumeButton)), "&Resume");
    EXPECT_EQ(Text(Control(Dialog, Exit::ExitButton)), "E&xit Setup");
    RECT Resume = RectIn(Control(Dialog, Exit::ResumeButton), Dialog);
    EXPECT_EQ(Resume.left, 176);
    EXPECT_EQ(Resume.top, 152);
    EXPECT_EQ(Resume.right - Resume.left, 75);
    EXPECT_EQ(Resume.bottom - Resume.top, 25);
    // Modal: the window behind it takes no input while it is open.
    EXPECT_FALSE(IsEnabled(Host.Main));
    EXPECT_TRUE(Click(Control(Dialog, Exit::ResumeButton)));
    EXPECT_TRUE(Host.ResultIs("1"));
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(Dialog) && IsEnabled(Host.Main); }, 5000));
}

TEST(ExitConfirmation, EscCloseBoxAndExitButtonGiveExit)
{
    TStartedHost Host;
    ASSERT_NE(Host.Main, nullptr);
    struct Way {
        const char* Name;
        void (*Answer)(HWND Dialog);
    } const Ways[] = {
        {"Esc", [](HWND Dialog) { PressEscape(Dialog); }},
        {"close box", [](HWND Dialog) { CloseBox(Dialog); }},
        {"Exit button", [](HWND Dialog) { EXPECT_TRUE(Click(Control(Dialog, Exit::ExitButton))); }},
        {"access key", [](HWND Dialog) { PressKeyWithAlt(Dialog, 'x'); }},
    };
    for (const Way& W : Ways) {
        HWND Dialog = Host.Ask();
        ASSERT_NE(Dialog, nullptr) << W.Name;
        W.Answer(Dialog);
        EXPECT_TRUE(Host.ResultIs("2")) << W.Name;
        EXPECT_TRUE(WaitUntil([&] { return !IsShown(Dialog); }, 5000)) << W.Name;
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Host.Main); }, 5000));
        // Cleared for the next round.
        SendMessageA(Control(Host.Main, Host::ResultLabel), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    }
}

TEST(ExitConfirmation, EnterResumesEvenAfterTheFocusWasOnExitLastTime)
{
    TStartedHost Host;
    ASSERT_NE(Host.Main, nullptr);
    // First time: the focus is moved to ExitButton, and Esc leaves it there.
    HWND Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Focus(Dialog) == Control(Dialog, Exit::ResumeButton); }, 5000));
    PressTab(Dialog);
    EXPECT_TRUE(WaitUntil([&] { return Focus(Dialog) == Control(Dialog, Exit::ExitButton); }, 5000));
    PressEscape(Dialog);
    ASSERT_TRUE(Host.ResultIs("2"));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Host.Main); }, 5000));

    // Next time the focus is on ResumeButton again, and Enter resumes.
    Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Focus(Dialog) == Control(Dialog, Exit::ResumeButton); }, 5000));
    PressEnter(Dialog);
    EXPECT_TRUE(Host.ResultIs("1"));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Host.Main); }, 5000));

    // Enter presses the focused button: after Tab that is ExitButton.
    Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Focus(Dialog) == Control(Dialog, Exit::ResumeButton); }, 5000));
    PressTab(Dialog);
    EXPECT_TRUE(WaitUntil([&] { return Focus(Dialog) == Control(Dialog, Exit::ExitButton); }, 5000));
    PressEnter(Dialog);
    EXPECT_TRUE(Host.ResultIs("2"));
}

TEST(ErrorBox, CaptionStopIconOneButtonAndTheFullStopRule)
{
    TStartedHost Host;
    ASSERT_NE(Host.Main, nullptr);
    struct Case {
        int Button;
        const char* Text;
    } const Cases[] = {
        {Host::FailButton, "Something failed."},
        {Host::FailWithStopButton, "Already ends."},
    };
    for (const Case& C : Cases) {
        ASSERT_TRUE(Click(Control(Host.Main, C.Button)));
        std::optional<TMessageBox> Box = WaitForMessageBox(Host.Program.ProcessId());
        ASSERT_TRUE(Box.has_value()) << C.Text;
        EXPECT_EQ(Box->Caption, "Setup");
        EXPECT_EQ(Box->Text, C.Text);
        EXPECT_EQ(Box->Buttons, std::vector<std::string>{"OK"});
        ASSERT_NE(Box->Icon, nullptr);
        // The stop icon is mostly red; the others are blue or yellow.
        WaitUntil([] { return false; }, 300);
        TScreenImage Shot = CaptureScreen();
        RECT Icon = RectIn(Box->Icon, nullptr);
        int Red = 0, All = 0;
        for (int Y = Icon.top; Y < Icon.bottom; ++Y)
            for (int X = Icon.left; X < Icon.right; ++X) {
                COLORREF P = Shot.At(X, Y);
                Red += GetRValue(P) > 150 && GetGValue(P) < 100 && GetBValue(P) < 100;
                ++All;
            }
        EXPECT_GT(Red * 4, All) << Red << " red pixels of " << All;
        EXPECT_TRUE(Answer(*Box, "OK"));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(Box->Window); }, 5000));
    }
    // The program goes on waiting for input.
    HWND Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    PressEscape(Dialog);
    EXPECT_TRUE(Host.ResultIs("2"));
}

TEST(Synchronize, ServedWhileAModalFormOrAMessageBoxIsOpen)
{
    TStartedHost Host;
    ASSERT_NE(Host.Main, nullptr);
    ASSERT_TRUE(Click(Control(Host.Main, Host::WorkerButton)));
    HWND Dialog = Host.Ask();
    ASSERT_NE(Dialog, nullptr);
    EXPECT_TRUE(Host.ResultIs("synchronized"));
    EXPECT_TRUE(IsShown(Dialog));
    PressEscape(Dialog);
    ASSERT_TRUE(Host.ResultIs("2"));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Host.Main); }, 5000));

    ASSERT_TRUE(Click(Control(Host.Main, Host::WorkerButton)));
    ASSERT_TRUE(Click(Control(Host.Main, Host::FailButton)));
    std::optional<TMessageBox> Box = WaitForMessageBox(Host.Program.ProcessId());
    ASSERT_TRUE(Box.has_value());
    EXPECT_TRUE(Host.ResultIs("synchronized"));
    EXPECT_TRUE(IsWindow(Box->Window));
    Answer(*Box, "OK");
}

TEST(WizardClose, AsksOnceALanguageIsChosen)
{
    TProgram Wizard(HostPath(), "wizard");
    HWND Main = WaitForWindow(Wizard.ProcessId(), "Lexovant Setup");
    ASSERT_NE(Main, nullptr);
    // Resume: the wizard stays.
    CloseBox(Main);
    HWND Dialog = WaitForWindow(Wizard.ProcessId(), "Exit Setup", 5000);
    ASSERT_NE(Dialog, nullptr);
    PressEnter(Dialog);
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(Dialog); }, 5000));
    EXPECT_FALSE(Wizard.WaitForExit(300));
    EXPECT_TRUE(IsShown(Main));
    // The Cancel button asks too; Exit ends the program.
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Main); }, 5000));
    EXPECT_TRUE(Click(Control(Main, MainFormId::CancelButton)));
    Dialog = WaitForWindow(Wizard.ProcessId(), "Exit Setup", 5000);
    ASSERT_NE(Dialog, nullptr);
    PressEscape(Dialog);
    EXPECT_TRUE(Wizard.WaitForExit(5000));
    EXPECT_EQ(Wizard.ExitCode(), 0u);
}

}  // namespace
