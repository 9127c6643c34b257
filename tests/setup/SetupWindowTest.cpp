// Setup.exe's first page, driven through its windows: the wizard window and
// its controls where they belong, the background, the banner, and "Stop".
#include "ControlIds.h"
#include "Driver.h"
#include "SetupFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace Driver;
namespace Id = MainFormId;

// With two packs beside it, the language page waits for a choice.
struct TStartedSetup {
    TSetupFolder Folder{{"English", "Nederlands"}};
    TProgram Program{Folder.SetupExe()};
    HWND Main = WaitForWindow(Program.ProcessId(), "Lexovant Setup");
};

TEST(SetupWindow, ClientSizeAndControlPlaces)
{
    TStartedSetup Setup;
    ASSERT_NE(Setup.Main, nullptr);
    SIZE Client = ClientSize(Setup.Main);
    EXPECT_EQ(Client.cx, 532);
    EXPECT_EQ(Client.cy, 353);
    struct Place {
        int Id;
        RECT Rect;  // in the main window's client area
    } const Places[] = {
        {Id::SetupImage, {16, 16, 136, 296}},    {Id::Bevel, {16, 304, 513, 306}},
        {Id::BackButton, {264, 320, 339, 345}},  {Id::NextButton, {344, 320, 419, 345}},
        {Id::CancelButton, {440, 320, 515, 345}}, {Id::FinishButton, {440, 320, 515, 345}},
        {Id::LanguagePanel, {144, 16, 513, 297}}, {Id::ConfirmPanel, {144, 16, 513, 297}},
        {Id::LanguageBox, {152, 40, 513, 297}},   {Id::LicenceMemo, {152, 56, 513, 217}},
        {Id::AgreeRadio, {176, 264, 513, 281}},   {Id::DisagreeRadio, {176, 280, 513, 297}},
        {Id::InstallDirBox, {152, 248, 513, 297}}, {Id::InstallDirEdit, {160, 268, 409, 289}},
        {Id::BrowseButton, {424, 264, 499, 289}}, {Id::ProgFoldersTree, {152, 104, 513, 297}},
        {Id::FinishedLabel, {152, 16, 513, 185}},
    };
    for (const Place& P : Places) {
        HWND Control = Driver::Control(Setup.Main, P.Id);
        ASSERT_NE(Control, nullptr) << "control " << P.Id;
        RECT R = RectIn(Control, Setup.Main);
        EXPECT_EQ(R.left, P.Rect.left) << "control " << P.Id;
        EXPECT_EQ(R.top, P.Rect.top) << "control " << P.Id;
        EXPECT_EQ(R.right, P.Rect.right) << "control " << P.Id;
        EXPECT_EQ(R.bottom, P.Rect.bottom) << "control " << P.Id;
    }
    // The access-key label sizes itself to its text.
    RECT Label = RectIn(Control(Setup.Main, Id::LanguageLabel), Setup.Main);
    EXPECT_EQ(Label.left, 152);
    EXPECT_EQ(Label.top, 16);
    EXPECT_GT(Label.right - Label.left, 40);
}

TEST(SetupWindow, FirstPageBeforeAPackIsApplied)
{
    TStartedSetup Setup;
    ASSERT_NE(Setup.Main, nullptr);
    EXPECT_EQ(Text(Control(Setup.Main, Id::CancelButton)), "Stop");
    EXPECT_EQ(Text(Control(Setup.Main, Id::LanguageLabel)), "&Select a language:");
    EXPECT_TRUE(IsShown(Control(Setup.Main, Id::CancelButton)));
    EXPECT_TRUE(IsShown(Control(Setup.Main, Id::LanguageBox)));
    for (int Hidden : {Id::NextButton, Id::BackButton, Id::FinishButton, Id::WelcomePanel, Id::LicencePanel,
                       Id::InstallDirPanel, Id::ProgFolderPanel, Id::ConfirmPanel, Id::FinishPanel})
        EXPECT_FALSE(HasVisibleStyle(Control(Setup.Main, Hidden))) << "control " << Hidden;
    EXPECT_FALSE(IsEnabled(Control(Setup.Main, Id::BackButton)));
    EXPECT_EQ(Focus(Setup.Main), Control(Setup.Main, Id::CancelButton));

    // The background covers the screen, behind the wizard, and takes no input.
    HWND Background = WaitForWindow(Setup.Program.ProcessId(), "Tessarine Setup");
    ASSERT_NE(Background, nullptr);
    RECT Screen;
    GetWindowRect(Background, &Screen);
    EXPECT_EQ(Screen.left, 0);
    EXPECT_EQ(Screen.top, 0);
    EXPECT_EQ(Screen.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Screen.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(IsEnabled(Background));

    WaitUntil([] { return false; }, 700);  // let everything paint
    TScreenImage Shot = CaptureScreen();
    EXPECT_EQ(Shot.At(4, 4), RGB(0, 128, 128));
    EXPECT_EQ(Shot.At(Shot.Width - 5, Shot.Height - 5), RGB(0, 128, 128));
    // The banner is a picture, not a blank area: many colours.
    RECT Banner = RectIn(Control(Setup.Main, Id::SetupImage), nullptr);
    std::set<COLORREF> Colours;
    for (int Y = Banner.top; Y < Banner.bottom; Y += 3)
        for (int X = Banner.left; X < Banner.right; X += 3)
            Colours.insert(Shot.At(X, Y));
    EXPECT_GT(Colours.size(), 50u);
    if (const char* Folder = std::getenv("LEXOVANT_SCREENSHOTS")) {
        EXPECT_TRUE(SaveScreenshot(Shot, WindowsPath(Folder) + "\\first-page.bmp"));
    }
}

TEST(SetupWindow, RowsInsideTheGroupBoxAreDrawn)
{
    TStartedSetup Setup;
    ASSERT_NE(Setup.Main, nullptr);
    // Without going through the pages: the test turns the panels itself.
    ShowWindow(Control(Setup.Main, Id::LanguagePanel), SW_HIDE);
    ShowWindow(Control(Setup.Main, Id::InstallDirPanel), SW_SHOWNA);
    HWND Edit = Control(Setup.Main, Id::InstallDirEdit);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(Edit); }, 5000));
    WaitUntil([] { return false; }, 500);
    TScreenImage Shot = CaptureScreen();
    RECT R = RectIn(Edit, nullptr);
    EXPECT_EQ(Shot.At((R.left + R.right) / 2, (R.top + R.bottom) / 2), GetSysColor(COLOR_WINDOW));
    RECT Frame = RectIn(Control(Setup.Main, Id::InstallDirBox), nullptr);
    EXPECT_NE(Shot.At(Frame.left + 1, Frame.bottom - 2), GetSysColor(COLOR_BTNFACE)) << "the frame is drawn";
}

TEST(SetupWindow, StopEscAndCloseBoxEndAtOnce)
{
    struct Way {
        const char* Name;
        void (*Leave)(HWND Main);
    } const Ways[] = {
        {"Stop", [](HWND Main) { EXPECT_TRUE(Click(Control(Main, Id::CancelButton))); }},
        {"Esc", [](HWND Main) { PressEscape(Main); }},
        {"close box", [](HWND Main) { CloseBox(Main); }},
    };
    for (const Way& W : Ways) {
        TStartedSetup Setup;
        ASSERT_NE(Setup.Main, nullptr) << W.Name;
        W.Leave(Setup.Main);
        // A question would wait for an answer; the program ends instead.
        EXPECT_TRUE(Setup.Program.WaitForExit(5000)) << W.Name;
        EXPECT_EQ(Setup.Program.ExitCode(), 0u) << W.Name;
    }
}

}  // namespace
