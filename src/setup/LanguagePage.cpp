// The language page: the packs beside the installer, the list's pointer
// highlight and clicks, and SetLanguage, which puts a pack's texts on every
// window.
#include "ErrorBox.h"
#include "FindFile.h"
#include "Main.h"
#include "Placeholder.h"
#include "ProgramFile.h"
#include "SetupPars.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractForm.h"
#include "Unit_LanguagePack.h"
#include "Unit_OverwriteForm.h"
#include "Unit_Paths.h"

#include <windows.h>

#include <memory>

namespace {

const char* const ProductVersion = "1.0";

}  // namespace

void TMainForm::FindLanguagePacks()
{
    const std::string Dir = ProgramDirectory();
    for (FindFile Search(CombinePath(Dir, "*.lng")); Search.Found(); Search.Next()) {
        const WIN32_FIND_DATAA& Entry = Search.Data();
        if (Entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM))
            continue;
        std::string Name = Entry.cFileName;
        if (Name.size() > 4 && IsLanguagePack(CombinePath(Dir, Name)))
            LanguageBox.Add(Name.substr(0, Name.size() - 4));
    }
    if (LanguageBox.Count() == 0) {
        ShowErrorBox("Could not find a language pack.");
        SetupPars.CloseWithoutAsking = true;
        Close();
    } else if (LanguageBox.Count() == 1) {
        SetLanguage(LanguageBox.Item(0));
    }
}

void TMainForm::LanguageBoxMouseMove(int X, int Y)
{
    int Index = LanguageBox.ItemAt(POINT{X, Y});
    if (Index < 0) {
        LanguageBox.SetSelected(-1, false);
        LanguageBox.SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return;
    }
    if (LanguageBox.Selected(Index))
        return;
    LanguageBox.SetSelected(-1, false);
    LanguageBox.SetSelected(Index, true);
    LanguageBox.SetCursor(LoadCursor(nullptr, IDC_HAND));
}

void TMainForm::LanguageBoxMouseDown(int X, int Y)
{
    MouseDownPos = POINT{X, Y};
}

void TMainForm::LanguageBoxMouseUp(int X, int Y)
{
    // A release where the press was, not one pixel away.
    if (X == MouseDownPos.x && Y == MouseDownPos.y)
        ChooseSelectedLanguage();
}

void TMainForm::LanguageBoxKeyPress(char& Key)
{
    if (Key == '\r')
        ChooseSelectedLanguage();
}

void TMainForm::ChooseSelectedLanguage()
{
    for (int Index = 0; Index < LanguageBox.Count(); ++Index)
        if (LanguageBox.Selected(Index)) {
            SetLanguage(LanguageBox.Item(Index));
            return;
        }
}

void TMainForm::SetLanguage(const std::string& Name)
{
    LanguagePack = std::make_unique<TLanguagePack>();
    if (!LanguagePack->Load(Name)) {
        ShowErrorBox("Language pack could not be read.");
        return;
    }
    SetupPars.LanguageName = Name;
    ApplyLanguageTexts();
    SetupPars.CloseWithoutAsking = false;
    LanguagePanel.SetVisible(false);
    BackButton.SetVisible(true);
    NextButton.SetVisible(true);
    WelcomePanel.SetVisible(true);
    NextButton.SetFocus();
}

void TMainForm::ApplyLanguageTexts()
{
    const TLanguagePack& Pack = *LanguagePack;
    BackButton.SetText(Pack.BackButtonText);
    NextButton.SetText(Pack.NextButtonText);
    CancelButton.SetText(Pack.CancelButtonText);
    FinishButton.SetText(Pack.FinishButtonText);
    WelcomeLabel.SetText(ReplacePlaceholder(Pack.WelcomeText, "%v%", ProductVersion));
    BeforeLicenceLabel.SetText(Pack.BeforeLicenceText);
    LicenceMemo.SetText(Pack.LicenceText);
    AfterLicenceLabel.SetText(Pack.AfterLicenceText);
    AgreeRadio.SetText(Pack.AgreeText);
    DisagreeRadio.SetText(Pack.DisagreeText);
    SelectInstallDirLabel.SetText(Pack.SelectInstallDirText);
    InstallDirBox.SetText(Pack.InstallDirBoxText);
    BrowseButton.SetText(Pack.BrowseButtonText);
    ProgFolderLabel.SetText(Pack.ProgFolderText);
    ConfirmSettingsLabel.SetText(Pack.ConfirmSettingsText);
    FinishedLabel.SetText(Pack.FinishedText);

    ExitForm->ApplyTexts(Pack);
    ExtractForm->ApplyTexts(Pack);
    OverwriteForm->ApplyTexts(Pack);
}
