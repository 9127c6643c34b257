#pragma once
// The wizard window.
#include "Form.h"

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
    TTreeView& ProgFoldersTree;

protected:
    void FormShow() override;
    void FormCloseQuery(bool& CanClose) override;

private:
    void FormCreate();
    void CancelButtonClick();

    // Closed and open folder, for ProgFoldersTree.
    TOwnedImageList ImageList;
    bool ShownBefore = false;
};

extern TMainForm* MainForm;
