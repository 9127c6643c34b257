// The language page of Setup.exe, driven as a user would: no pack, a pack
// that fails to load, the pointer highlight, clicks and Enter.
#include "ControlIds.h"
#include "Driver.h"
#include "SetupFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace Driver;
namespace Id = MainFormId;

// The middle of entry Index of the list (items 13 pixels high).
constexpr int EntryX = 20;
int EntryY(int Index)
{
    return Index * 13 + 6;
}

// Nothing happens for a while: the page is still the language page.
bool StaysOnLanguagePage(HWND Main)
{
    WaitUntil([] { return false; }, 400);
    return IsShown(Control(Main, Id::LanguagePanel)) && !IsShown(Control(Main, Id::WelcomePanel)) &&
           Text(Control(Main, Id::CancelButton)) == "Stop";
}

bool ShowsWelcome(HWND Main)
{
    return WaitUntil([&] { return IsShown(Control(Main, Id::WelcomePanel)); }, 10000) &&
           !IsShown(Control(Main, Id::LanguagePanel));
}

// English.lng without its last line, ":main".
std::string WithoutMainLine(std::string Pack)
{
    std::string::size_type Main = Pack.rfind(":main");
    EXPECT_NE(Main, std::string::npos);
    return Pack.substr(0, Main);
}

TEST(LanguagePage, NoPackEndsWithTheMessageAndNoQuestion)
{
    TSetupFolder Folder({});
    Folder.Write("Notes.lng", "Not a pack\r\n0\r\n");
    TProgram Setup(Folder.SetupExe());
    auto Box = WaitForMessageBox(Setup.ProcessId());
    ASSERT_TRUE(Box);
    EXPECT_EQ(Box->Caption, "Setup");
    EXPECT_EQ(Box->Text, "Could not find a language pack.");
    EXPECT_TRUE(Answer(*Box, "OK"));
    EXPECT_TRUE(Setup.WaitForExit(5000)) << "an exit question would keep it open";
}

TEST(LanguagePage, PointerClicksAndAFailedPack)
{
    TSetupFolder Folder({"English", "Nederlands"});
    Folder.Write("Broken.lng", WithoutMainLine(TSetupFolder::PackBytes("English")));
    TProgram Setup(Folder.SetupExe());
    HWND Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup");
    ASSERT_NE(Main, nullptr);
    HWND Box = Control(Main, Id::LanguageBox);
    EXPECT_EQ(ListEntries(Box), (std::vector<std::string>{"Broken", "English", "Nederlands"}));
    EXPECT_TRUE(ListSelection(Box).empty()) << "nothing is highlighted before the pointer comes";
    if (const char* Shots = std::getenv("LEXOVANT_SCREENSHOTS")) {
        MouseMove(Box, EntryX, EntryY(1));
        WaitUntil([] { return false; }, 600);
        EXPECT_TRUE(SaveScreenshot(CaptureScreen(), WindowsPath(Shots) + "\\language-page.bmp"));
    }

    // The highlight follows the pointer and goes below the last entry.
    MouseMove(Box, EntryX, EntryY(2));
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(Box) == std::vector<int>{2}; }, 3000));
    MouseMove(Box, EntryX, EntryY(1));
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(Box) == std::vector<int>{1}; }, 3000));
    MouseMove(Box, EntryX, 200);
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(Box).empty(); }, 3000));

    // Press, move a pixel, release: nothing is chosen.
    MouseMove(Box, EntryX, EntryY(1));
    MouseDown(Box, EntryX, EntryY(1));
    MouseUp(Box, EntryX + 1, EntryY(1));
    EXPECT_TRUE(StaysOnLanguagePage(Main));

    // Ctrl-click on the highlighted entry takes the highlight away; the
    // release then finds nothing to choose.
    MouseMove(Box, EntryX, EntryY(1));
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(Box) == std::vector<int>{1}; }, 3000));
    MouseDown(Box, EntryX, EntryY(1), false, MK_CONTROL);
    MouseUp(Box, EntryX, EntryY(1), false, MK_CONTROL);
    EXPECT_TRUE(StaysOnLanguagePage(Main));
    EXPECT_TRUE(ListSelection(Box).empty());

    // Enter with nothing selected does nothing.
    ASSERT_EQ(Focus(Main), Box);
    PressEnter(Main);
    EXPECT_TRUE(StaysOnLanguagePage(Main));

    // A pack without ":main": the message, and the page stays.
    MouseMove(Box, EntryX, EntryY(0));
    MouseDown(Box, EntryX, EntryY(0));
    MouseUp(Box, EntryX, EntryY(0));
    auto Failed = WaitForMessageBox(Setup.ProcessId());
    ASSERT_TRUE(Failed);
    EXPECT_EQ(Failed->Text, "Language pack could not be read.");
    EXPECT_TRUE(Answer(*Failed, "OK"));
    EXPECT_TRUE(StaysOnLanguagePage(Main));
    EXPECT_EQ(ListEntries(Box).size(), 3u);

    // Then another: a right-button click applies it.
    MouseMove(Box, EntryX, EntryY(2));
    MouseDown(Box, EntryX, EntryY(2), true);
    MouseUp(Box, EntryX, EntryY(2), true);
    ASSERT_TRUE(ShowsWelcome(Main));
    EXPECT_EQ(Text(Control(Main, Id::CancelButton)), "Annuleren");
    EXPECT_EQ(Text(Control(Main, Id::NextButton)), "&Volgende >");
    EXPECT_EQ(Focus(Main), Control(Main, Id::NextButton));

    // Closing now asks, in the pack's language; Esc there leaves.
    CloseBox(Main);
    HWND Question = WaitForWindow(Setup.ProcessId(), "Setup afsluiten", 5000);
    ASSERT_NE(Question, nullptr);
    EXPECT_EQ(Text(Control(Question, ExitFormId::ResumeButton)), "&Doorgaan");
    PressEscape(Question);
    EXPECT_TRUE(Setup.WaitForExit(5000));
}

// Left out of the runs: under a loaded machine the posted Enter sometimes
// does not reach the list (seen once in three full runs); not yet explained.
TEST(LanguagePage, DISABLED_ArrowKeysThenEnterApply)
{
    TSetupFolder Folder({"English"});
    // A welcome text with the version twice.
    std::string Dutch = TSetupFolder::PackBytes("Nederlands");
    std::string::size_type Version = Dutch.find("Lexovant %v%.");
    ASSERT_NE(Version, std::string::npos);
    Dutch.replace(Version, 13, "Lexovant %v% (%v%).");
    Folder.Write("Nederlands.lng", Dutch);
    TProgram Setup(Folder.SetupExe());
    HWND Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup");
    ASSERT_NE(Main, nullptr);
    HWND Box = Control(Main, Id::LanguageBox);
    // A plain click gives the list the focus; moving one pixel away keeps
    // it from choosing.
    MouseDown(Box, EntryX, EntryY(0));
    MouseUp(Box, EntryX, EntryY(0) + 1);
    ASSERT_TRUE(WaitUntil([&] { return Focus(Main) == Box; }, 3000));
    PressKey(Main, VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(Box) == std::vector<int>{1}; }, 3000));
    WaitUntil([] { return false; }, 300);  // the key's release handled too
    ASSERT_EQ(Focus(Main), Box);
    PressEnter(Main);
    ASSERT_TRUE(ShowsWelcome(Main));
    EXPECT_EQ(Text(Control(Main, Id::CancelButton)), "Annuleren");
    std::string Welcome = Text(Control(Main, Id::WelcomeLabel));
    EXPECT_EQ(Welcome.rfind("Welkom bij de installatie van Lexovant 1.0 (1.0).", 0), 0u) << Welcome;
    EXPECT_TRUE(Click(Control(Main, Id::CancelButton)));
    HWND Question = WaitForWindow(Setup.ProcessId(), "Setup afsluiten", 5000);
    ASSERT_NE(Question, nullptr);
    EXPECT_TRUE(Click(Control(Question, ExitFormId::ExitButton)));
    EXPECT_TRUE(Setup.WaitForExit(5000));
}

}  // namespace
