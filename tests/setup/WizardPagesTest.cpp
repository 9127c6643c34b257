// Setup.exe's pages after a pack is applied, driven as a user would: the
// page table forward and back, the licence choice, the folder check on the
// directory and program-folder pages, the folder tree and the confirmation.
#include "ControlIds.h"
#include "Driver.h"
#include "FileChecks.h"
#include "SetupFolder.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Driver;
namespace Id = MainFormId;

const std::string DirError = "This directory cannot be created. Please check the name, or choose a different one.";

// What each page shows, and where the focus is when it is entered.
struct TPageView {
    int Panel;
    bool BackShown, BackEnabled, NextShown, NextEnabled;
    int Focus;
};
constexpr TPageView Pages[] = {
    {Id::WelcomePanel, true, false, true, true, Id::NextButton},
    {Id::LicencePanel, true, true, true, false, Id::LicenceMemo},
    {Id::InstallDirPanel, true, true, true, true, Id::NextButton},
    {Id::ProgFolderPanel, true, true, true, true, Id::NextButton},
    {Id::ConfirmPanel, true, true, true, true, Id::NextButton},
};
constexpr int AllPanels[] = {Id::LanguagePanel,   Id::WelcomePanel, Id::LicencePanel, Id::InstallDirPanel,
                             Id::ProgFolderPanel, Id::ConfirmPanel, Id::FinishPanel};

void ExpectPage(HWND Main, int Page)
{
    const TPageView& View = Pages[Page];
    ASSERT_TRUE(WaitUntil([&] { return IsShown(Control(Main, View.Panel)); }, 5000)) << "page " << Page;
    WaitUntil([&] { return Focus(Main) == Control(Main, View.Focus); }, 2000);
    for (int Panel : AllPanels)
        EXPECT_EQ(IsShown(Control(Main, Panel)), Panel == View.Panel) << "page " << Page << ", panel " << Panel;
    EXPECT_EQ(IsShown(Control(Main, Id::BackButton)), View.BackShown) << "page " << Page;
    EXPECT_EQ(IsEnabled(Control(Main, Id::BackButton)), View.BackEnabled) << "page " << Page;
    EXPECT_EQ(IsShown(Control(Main, Id::NextButton)), View.NextShown) << "page " << Page;
    EXPECT_EQ(IsEnabled(Control(Main, Id::NextButton)), View.NextEnabled) << "page " << Page;
    EXPECT_TRUE(IsShown(Control(Main, Id::CancelButton))) << "page " << Page;
    EXPECT_FALSE(IsShown(Control(Main, Id::FinishButton))) << "page " << Page;
    EXPECT_EQ(Focus(Main), Control(Main, View.Focus)) << "page " << Page;
}

void Screenshot(const char* Name)
{
    if (const char* Shots = std::getenv("LEXOVANT_SCREENSHOTS")) {
        WaitUntil([] { return false; }, 600);
        EXPECT_TRUE(SaveScreenshot(CaptureScreen(), WindowsPath(Shots) + "\\" + Name + ".bmp"));
    }
}

// The paths of the children of Node, in the tree's order, as selecting
// each writes it into the program-folder edit.
std::vector<std::string> ChildPaths(HWND Main, HTREEITEM Node)
{
    HWND Tree = Control(Main, Id::ProgFoldersTree);
    std::vector<std::string> Paths;
    for (HTREEITEM Child = TreeChild(Tree, Node); Child; Child = TreeNext(Tree, Child)) {
        TreeSelect(Tree, Child);
        Paths.push_back(Text(Control(Main, Id::ProgFolderEdit)));
    }
    return Paths;
}

class WizardPages : public testing::Test {
protected:
    void SetUp() override
    {
        // Folders of the Start menu, made before the tree reads them.
        for (const char* Name : {"beta", "Alpha", "Gamma", "delta", "Alpha\\Tools", "Alpha\\Extra", "Hidden"})
            CreateDirectoryA((Programs + "\\" + Name).c_str(), nullptr);
        SetFileAttributesA((Programs + "\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
        Main = WaitForWindow(Setup.ProcessId(), "Lexovant Setup");
    }
    void TearDown() override
    {
        for (const char* Name : {"Alpha\\Tools", "Alpha\\Extra", "beta", "Alpha", "Gamma", "delta", "Hidden", "Later"})
            RemoveDirectoryA((Programs + "\\" + Name).c_str());
    }

    HWND Item(int Id) const { return Control(Main, Id); }
    void SetEdit(int Id, const std::string& Text) const { SetWindowTextA(Item(Id), Text.c_str()); }
    // Next on a folder page that must refuse: DirErrorText, then the focus
    // in the page's edit.
    void NextFails(int Edit) const
    {
        EXPECT_TRUE(Click(Item(Id::NextButton)));
        auto Box = WaitForMessageBox(Setup.ProcessId());
        ASSERT_TRUE(Box);
        EXPECT_EQ(Box->Caption, "Setup");
        EXPECT_EQ(Box->Text, DirError);
        EXPECT_TRUE(Answer(*Box, "OK"));
        EXPECT_TRUE(WaitUntil([&] { return Focus(Main) == Item(Edit); }, 5000));
    }
    // Next on the directory page with Typed; it passes, and Back shows
    // what was stored.
    std::string StoredInstallDir(const std::string& Typed) const
    {
        SetEdit(Id::InstallDirEdit, Typed);
        EXPECT_TRUE(Click(Item(Id::NextButton)));
        ExpectPage(Main, 3);
        EXPECT_TRUE(Click(Item(Id::BackButton)));
        ExpectPage(Main, 2);
        return Text(Item(Id::InstallDirEdit));
    }

    std::string Programs = ProgramsFolder();
    TSetupFolder Folder{{"English"}};
    TProgram Setup{Folder.SetupExe()};
    HWND Main = nullptr;
};

TEST_F(WizardPages, ForwardAndBackThroughEveryPage)
{
    ASSERT_NE(Main, nullptr);
    // One pack: applied at once, every text in place.
    ExpectPage(Main, 0);
    EXPECT_EQ(Text(Item(Id::CancelButton)), "Cancel");
    std::string Welcome = Text(Item(Id::WelcomeLabel));
    EXPECT_EQ(Welcome.rfind("Welcome to Setup for Lexovant 1.0.", 0), 0u) << Welcome;
    EXPECT_EQ(Welcome.find("%v%"), std::string::npos);
    EXPECT_EQ(Text(Item(Id::BrowseButton)), "B&rowse...");
    Screenshot("welcome-page");

    // The licence: Next waits for a radio button, also after Back.
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 1);
    EXPECT_TRUE(Click(Item(Id::BackButton)));
    ExpectPage(Main, 0);
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 1);
    EXPECT_TRUE(Click(Item(Id::DisagreeRadio)));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(Item(Id::NextButton)); }, 3000));
    // Disagree, Next: the question; Resume keeps the licence page as it was.
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    HWND Question = WaitForWindow(Setup.ProcessId(), "Exit Setup", 5000);
    ASSERT_NE(Question, nullptr);
    EXPECT_EQ(Text(Control(Question, ExitFormId::TextLabel)).rfind("Setup has not finished yet.", 0), 0u);
    EXPECT_TRUE(Click(Control(Question, ExitFormId::ResumeButton)));
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(Question); }, 5000));
    EXPECT_TRUE(IsShown(Item(Id::LicencePanel)));
    EXPECT_EQ(SendMessageA(Item(Id::DisagreeRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(IsEnabled(Item(Id::NextButton)));
    EXPECT_TRUE(Click(Item(Id::AgreeRadio)));
    Screenshot("licence-page");
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 2);
    // The default: the system's program-files directory, then Lexovant.
    std::string Default = Text(Item(Id::InstallDirEdit));
    EXPECT_EQ(Default.rfind("C:\\Program Files", 0), 0u) << Default;
    EXPECT_EQ(Default.substr(Default.size() - 9), "\\Lexovant") << Default;
    EXPECT_TRUE(Click(Item(Id::BackButton)));
    ExpectPage(Main, 1);
    EXPECT_EQ(SendMessageA(Item(Id::AgreeRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Item(Id::DisagreeRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(Click(Item(Id::AgreeRadio)));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(Item(Id::NextButton)); }, 3000));
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 2);
    Screenshot("directory-page");

    // Browse, then Cancel: the typed text stays.
    SetEdit(Id::InstallDirEdit, "typed by hand");
    EXPECT_TRUE(Click(Item(Id::BrowseButton)));
    auto Browse = WaitForMessageBox(Setup.ProcessId());
    ASSERT_TRUE(Browse) << "the folder-browse dialog did not open";
    EXPECT_NE(Browse->Caption, "Setup") << Browse->Text;
    CloseBox(Browse->Window);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(Main); }, 5000));
    EXPECT_EQ(Text(Item(Id::InstallDirEdit)), "typed by hand");

    // The folder check: refusals, then paths that pass and how they are stored.
    SetEdit(Id::InstallDirEdit, "R:\\Lexovant");
    NextFails(Id::InstallDirEdit);
    SetEdit(Id::InstallDirEdit, "");
    NextFails(Id::InstallDirEdit);
    EXPECT_TRUE(IsShown(Item(Id::InstallDirPanel)));
    const std::string Dir = Folder.Path();
    EXPECT_EQ(StoredInstallDir(Dir + "\\new1\\new2"), Dir + "\\new1\\new2");
    EXPECT_FALSE(Exists(Dir + "\\new1")) << "the check leaves the disk as it was";
    EXPECT_EQ(StoredInstallDir(Dir + "\\made\\"), Dir + "\\made") << "a new directory with a trailing backslash";
    EXPECT_FALSE(Exists(Dir + "\\made"));
    EXPECT_EQ(StoredInstallDir(Dir + "\\"), Dir);
    EXPECT_EQ(StoredInstallDir("C:\\"), "C:\\");
    // ".." is resolved before the check: what was there before stays.
    CreateDirectoryA((Dir + "\\keep").c_str(), nullptr);
    EXPECT_EQ(StoredInstallDir(Dir + "\\keep\\new\\..\\x"), Dir + "\\keep\\x");
    EXPECT_TRUE(Exists(Dir + "\\keep"));
    EXPECT_FALSE(Exists(Dir + "\\keep\\new"));
    EXPECT_FALSE(Exists(Dir + "\\keep\\x"));
    EXPECT_EQ(StoredInstallDir("rel\\dir"), Dir + "\\rel\\dir");
    EXPECT_FALSE(Exists(Dir + "\\rel"));
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 3);

    // The tree: the root expanded, sorted at every level, no hidden folders.
    HWND Tree = Item(Id::ProgFoldersTree);
    EXPECT_EQ(Text(Item(Id::ProgFolderEdit)), "Lexovant");
    Screenshot("program-folder-page");
    HTREEITEM Root = TreeChild(Tree, nullptr);
    ASSERT_NE(Root, nullptr);
    EXPECT_EQ(TreeNext(Tree, Root), nullptr) << "one root";
    EXPECT_TRUE(TreeExpanded(Tree, Root));
    std::vector<std::string> Top = ChildPaths(Main, Root);
    std::vector<std::string> Ours;
    for (const std::string& Path : Top)
        if (Path == "Alpha" || Path == "beta" || Path == "delta" || Path == "Gamma" || Path == "Hidden")
            Ours.push_back(Path);
    EXPECT_EQ(Ours, (std::vector<std::string>{"Alpha", "beta", "delta", "Gamma"}));
    HTREEITEM Alpha = TreeChild(Tree, Root);
    while (Alpha && (TreeSelect(Tree, Alpha), Text(Item(Id::ProgFolderEdit))) != "Alpha")
        Alpha = TreeNext(Tree, Alpha);
    ASSERT_NE(Alpha, nullptr);
    EXPECT_FALSE(TreeExpanded(Tree, Alpha)) << "deeper levels stay collapsed";
    EXPECT_EQ(ChildPaths(Main, Alpha), (std::vector<std::string>{"Alpha\\Extra", "Alpha\\Tools"}));
    TreeSelect(Tree, Root);
    EXPECT_EQ(Text(Item(Id::ProgFolderEdit)), "");

    // A nested folder, confirmed with " | " between the levels.
    SetEdit(Id::ProgFolderEdit, "A\\B");
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 4);
    EXPECT_FALSE(Exists(Programs + "\\A"));
    EXPECT_EQ(Text(Item(Id::ConfirmMemo)), "Installation directory:\r\n   " + Dir +
                                               "\\rel\\dir\r\n\r\n\r\nStart menu program folder:\r\n"
                                               "   Programs | A | B");
    Screenshot("confirmation-page");

    // Back rebuilds the tree: a folder made meanwhile shows; the edit shows
    // the stored folder.
    CreateDirectoryA((Programs + "\\Later").c_str(), nullptr);
    EXPECT_TRUE(Click(Item(Id::BackButton)));
    ExpectPage(Main, 3);
    EXPECT_EQ(Text(Item(Id::ProgFolderEdit)), "A\\B");
    Top = ChildPaths(Main, TreeChild(Tree, nullptr));
    EXPECT_NE(std::find(Top.begin(), Top.end(), "Later"), Top.end());

    // An empty program folder is the Programs folder itself.
    SetEdit(Id::ProgFolderEdit, "");
    EXPECT_TRUE(Click(Item(Id::NextButton)));
    ExpectPage(Main, 4);
    std::string Confirm = Text(Item(Id::ConfirmMemo));
    EXPECT_EQ(Confirm.substr(Confirm.rfind("\r\n") + 2), "   Programs");

    // Back to the directory page shows the stored directory.
    EXPECT_TRUE(Click(Item(Id::BackButton)));
    ExpectPage(Main, 3);
    EXPECT_TRUE(Click(Item(Id::BackButton)));
    ExpectPage(Main, 2);
    EXPECT_EQ(Text(Item(Id::InstallDirEdit)), Dir + "\\rel\\dir");

    // Cancel asks in the pack's language; Exit ends the program.
    EXPECT_TRUE(Click(Item(Id::CancelButton)));
    Question = WaitForWindow(Setup.ProcessId(), "Exit Setup", 5000);
    ASSERT_NE(Question, nullptr);
    EXPECT_EQ(Text(Control(Question, ExitFormId::ExitButton)), "E&xit Setup");
    EXPECT_TRUE(Click(Control(Question, ExitFormId::ExitButton)));
    EXPECT_TRUE(Setup.WaitForExit(5000));
}

}  // namespace
