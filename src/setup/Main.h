#pragma once
// The wizard window. Its handlers live in several files, one job each:
// Main.cpp (creation, showing, closing), WizardPages.cpp (the page table,
// Next and Back), LanguagePage.cpp (the language list and SetLanguage),
// FolderPages.cpp (the folder check, Browse and the folder tree),
// InstallationRun.cpp (what Next on the confirmation page does).
#include "Form.h"
#include "ImageList.h"

#include <string>

class TLogFile;

class TMainForm : public TForm {
public:
    TMainForm();

    TPicture& SetupImage;
    TBevel& Bevel;
    TButton &BackButton, &NextButton, &CancelButton, &FinishButton;
    TPanel &LanguagePanel, &WelcomePanel, &LicencePanel, &InstallDirPanel, &ProgFolderPanel, &ConfirmPanel,
        &FinishPanel;
    TLabel &LanguageLabel, &WelcomeLabel, &BeforeLicenceLabel, &AfterLicenceLabel, &SelectInstallDirLabel,
        &ProgFolderLabel, &ConfirmSettingsLabel, &FinishedLabel;
    TListBox& LanguageBox;
    TMemo &LicenceMemo, &ConfirmMemo;
    TRadioButton &AgreeRadio, &DisagreeRadio;
    TGroupBox& InstallDirBox;
    TEdit &InstallDirEdit, &ProgFolderEdit;
    TButton& BrowseButton;
    TTreeView& ProgFoldersTree;

protected:
    void FormShow() override;
    void FormCloseQuery(bool& CanClose) override;

private:
    void FormCreate();
    void CancelButtonClick();
    void FinishButtonClick();

    // WizardPages.cpp
    void NextButtonClick();
    void BackButtonClick();
    void AgreeRadioClick();
    void DisagreeRadioClick();
    // Shows page Page as the page table says: its panel, Back, Next,
    // Cancel or Finish, and the focus.
    void EnterPage(int Page);
    void FillConfirmMemo();
    // DirErrorText, then the focus in the page's edit.
    void RefuseFolder(TEdit& Edit);
    // InstallationRun.cpp: the run started by Next on the confirmation
    // page, and its copy of the language packs into the installation
    // directory (Ask: an existing pack is replaced only after a Yes).
    void RunInstallation();
    void CopyLanguagePacks(TLogFile& Log, bool Ask);

    // LanguagePage.cpp
    void FindLanguagePacks();
    void LanguageBoxMouseMove(int X, int Y);
    void LanguageBoxMouseDown(int X, int Y);
    void LanguageBoxMouseUp(int X, int Y);
    void LanguageBoxKeyPress(char& Key);
    void ChooseSelectedLanguage();
    void SetLanguage(const std::string& Name);
    void ApplyLanguageTexts();

    // FolderPages.cpp
    // True when Path exists or can be made. Leaves the disk as it was.
    bool FolderCheck(const std::string& Path);
    void BrowseButtonClick();
    std::string BrowseForFolder();
    void FillProgFoldersTree();
    void AddSubFolders(HTREEITEM Node, const std::string& Path);
    void ProgFoldersTreeChange(HTREEITEM Node);

    // Closed and open folder, for ProgFoldersTree.
    TOwnedImageList ImageList;
    bool ShownBefore = false;
    // Where a mouse button was last pressed on LanguageBox.
    POINT MouseDownPos{};
};

extern TMainForm* MainForm;
