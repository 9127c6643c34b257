// The page machine: the page table, and what Next and Back do on each page.
#include "DirectoryPath.h"
#include "ErrorBox.h"
#include "FindFile.h"
#include "FolderPaths.h"
#include "Main.h"
#include "SetupPars.h"
#include "ShellFolders.h"
#include "Unit_LanguagePack.h"
#include "Unit_Paths.h"

#include <windows.h>

#include <array>
#include <stdexcept>

namespace {

// What one page shows: its panel (every other one is hidden), Back and Next,
// whether Finish stands where Cancel stands, and where the focus goes. The
// controls are reference members, which cannot be pointed to, so the table
// reaches them through small accessors.
using TPanelOf = TPanel& (*)(TMainForm&);
using TControlOf = TControl& (*)(TMainForm&);

struct TPageRow {
    TPanelOf Panel;
    bool BackVisible, BackEnabled;
    bool NextVisible, NextEnabled;
    bool Finished;
    TControlOf Focus;
};

constexpr std::array<TPageRow, 6> PageTable{{
    // panel                                                     Back         Next         finished  focus
    {[](TMainForm& F) -> TPanel& { return F.WelcomePanel; },     true, false, true, true,  false, [](TMainForm& F) -> TControl& { return F.NextButton; }},
    {[](TMainForm& F) -> TPanel& { return F.LicencePanel; },     true, true,  true, false, false, [](TMainForm& F) -> TControl& { return F.LicenceMemo; }},
    {[](TMainForm& F) -> TPanel& { return F.InstallDirPanel; },  true, true,  true, true,  false, [](TMainForm& F) -> TControl& { return F.NextButton; }},
    {[](TMainForm& F) -> TPanel& { return F.ProgFolderPanel; },  true, true,  true, true,  false, [](TMainForm& F) -> TControl& { return F.NextButton; }},
    {[](TMainForm& F) -> TPanel& { return F.ConfirmPanel; },     true, true,  true, true,  false, [](TMainForm& F) -> TControl& { return F.NextButton; }},
    {[](TMainForm& F) -> TPanel& { return F.FinishPanel; },      false, false, false, false, true, [](TMainForm& F) -> TControl& { return F.FinishButton; }},
}};

}  // namespace

void TMainForm::EnterPage(int Page)
{
    const TPageRow& Row = PageTable.at(static_cast<std::size_t>(Page));
    SetupPars.Page = static_cast<std::uint8_t>(Page);
    for (TPanel* Each : {&LanguagePanel, &WelcomePanel, &LicencePanel, &InstallDirPanel, &ProgFolderPanel,
                         &ConfirmPanel, &FinishPanel})
        if (Each != &Row.Panel(*this))
            Each->SetVisible(false);
    BackButton.SetEnabled(Row.BackEnabled);
    BackButton.SetVisible(Row.BackVisible);
    NextButton.SetEnabled(Row.NextEnabled);
    NextButton.SetVisible(Row.NextVisible);
    CancelButton.SetVisible(!Row.Finished);
    FinishButton.SetVisible(Row.Finished);
    Row.Panel(*this).SetVisible(true);
    Row.Focus(*this).SetFocus();
}

void TMainForm::NextButtonClick()
{
    switch (SetupPars.Page) {
    case 0:
        AgreeRadio.SetChecked(false);
        DisagreeRadio.SetChecked(false);
        EnterPage(1);
        break;
    case 1:
        if (AgreeRadio.Checked()) {
            InstallDirEdit.SetText(SetupPars.InstallDir);
            EnterPage(2);
        } else {
            Close();  // the disagree choice; resuming leaves page 1 as it is
        }
        break;
    case 2: {
        std::string Typed = InstallDirEdit.Text();
        if (!FolderCheck(Typed)) {
            RefuseFolder(InstallDirEdit);
            break;
        }
        std::string Full = FullPathName(Typed);
        if (Full.empty())
            throw std::runtime_error(LanguagePack->DirErrorText);
        SetupPars.InstallDir = RemoveTrailingBackslash(Full);
        FillProgFoldersTree();
        ProgFolderEdit.SetText(SetupPars.ProgFolder);
        EnterPage(3);
        break;
    }
    case 3: {
        std::string Typed = ProgFolderEdit.Text();
        if (!FolderCheck(CombinePath(GetProgramsFolder(Handle()), Typed))) {
            RefuseFolder(ProgFolderEdit);
            break;
        }
        SetupPars.ProgFolder = RemoveTrailingBackslash(Typed);
        FillConfirmMemo();
        EnterPage(4);
        break;
    }
    case 4:
        RunInstallation();
        break;
    }
}

void TMainForm::BackButtonClick()
{
    switch (SetupPars.Page) {
    case 1:
        EnterPage(0);
        break;
    case 2:
        AgreeRadio.SetChecked(false);
        DisagreeRadio.SetChecked(false);
        EnterPage(1);
        break;
    case 3:
        InstallDirEdit.SetText(SetupPars.InstallDir);
        EnterPage(2);
        break;
    case 4:
        FillProgFoldersTree();
        ProgFolderEdit.SetText(SetupPars.ProgFolder);
        EnterPage(3);
        break;
    }
}

void TMainForm::AgreeRadioClick()
{
    NextButton.SetEnabled(true);
}

void TMainForm::DisagreeRadioClick()
{
    NextButton.SetEnabled(true);
}

void TMainForm::RefuseFolder(TEdit& Edit)
{
    ShowErrorBox(LanguagePack->DirErrorText);
    Edit.SetFocus();
}

void TMainForm::FillConfirmMemo()
{
    std::string ProgramsName;
    if (FindFile Programs(GetProgramsFolder(Handle())); Programs.Found())
        ProgramsName = Programs.Data().cFileName;
    std::string Text;
    const auto Lines = ConfirmationLines(LanguagePack->ConfirmInstallDirText, SetupPars.InstallDir,
                                         LanguagePack->ConfirmProgFolderText, ProgramsName, SetupPars.ProgFolder);
    for (std::size_t I = 0; I < Lines.size(); ++I)
        Text += (I == 0 ? "" : "\r\n") + Lines[I];
    ConfirmMemo.SetText(Text);
}
