#include "Main.h"

#include "MainForm.layout.h"
#include "Resources.h"
#include "SetupPars.h"
#include "StartState.h"
#include "Unit_ExitForm.h"
#include "Unit_FullScreenForm.h"

#include <utility>

TMainForm* MainForm = nullptr;

namespace Id = MainFormId;

TMainForm::TMainForm()
    : TForm(MainFormLayout::Form),
      SetupImage(Find<TPicture>(Id::SetupImage)),
      Bevel(Find<TBevel>(Id::Bevel)),
      BackButton(Find<TButton>(Id::BackButton)),
      NextButton(Find<TButton>(Id::NextButton)),
      CancelButton(Find<TButton>(Id::CancelButton)),
      FinishButton(Find<TButton>(Id::FinishButton)),
      LanguagePanel(Find<TPanel>(Id::LanguagePanel)),
      WelcomePanel(Find<TPanel>(Id::WelcomePanel)),
      LicencePanel(Find<TPanel>(Id::LicencePanel)),
      InstallDirPanel(Find<TPanel>(Id::InstallDirPanel)),
      ProgFolderPanel(Find<TPanel>(Id::ProgFolderPanel)),
      ConfirmPanel(Find<TPanel>(Id::ConfirmPanel)),
      FinishPanel(Find<TPanel>(Id::FinishPanel)),
      LanguageLabel(Find<TLabel>(Id::LanguageLabel)),
      WelcomeLabel(Find<TLabel>(Id::WelcomeLabel)),
      BeforeLicenceLabel(Find<TLabel>(Id::BeforeLicenceLabel)),
      AfterLicenceLabel(Find<TLabel>(Id::AfterLicenceLabel)),
      SelectInstallDirLabel(Find<TLabel>(Id::SelectInstallDirLabel)),
      ProgFolderLabel(Find<TLabel>(Id::ProgFolderLabel)),
      ConfirmSettingsLabel(Find<TLabel>(Id::ConfirmSettingsLabel)),
      FinishedLabel(Find<TLabel>(Id::FinishedLabel)),
      LanguageBox(Find<TListBox>(Id::LanguageBox)),
      LicenceMemo(Find<TMemo>(Id::LicenceMemo)),
      ConfirmMemo(Find<TMemo>(Id::ConfirmMemo)),
      AgreeRadio(Find<TRadioButton>(Id::AgreeRadio)),
      DisagreeRadio(Find<TRadioButton>(Id::DisagreeRadio)),
      InstallDirBox(Find<TGroupBox>(Id::InstallDirBox)),
      InstallDirEdit(Find<TEdit>(Id::InstallDirEdit)),
      ProgFolderEdit(Find<TEdit>(Id::ProgFolderEdit)),
      BrowseButton(Find<TButton>(Id::BrowseButton)),
      ProgFoldersTree(Find<TTreeView>(Id::ProgFoldersTree))
{
    TResourceBytes Banner = ProgramResource("BANNER");
    SetupImage.SetJpeg(Banner.Data, Banner.Size);
    ImageList = LoadImageList(Scale(), 16, {"FOLDER_CLOSED", "FOLDER_OPEN"}, RGB(255, 0, 255));
    ProgFoldersTree.SetImages(ImageList.Get());
    CancelButton.OnClick = [this] { CancelButtonClick(); };
    FinishButton.OnClick = [this] { FinishButtonClick(); };
    NextButton.OnClick = [this] { NextButtonClick(); };
    BackButton.OnClick = [this] { BackButtonClick(); };
    AgreeRadio.OnClick = [this] { AgreeRadioClick(); };
    DisagreeRadio.OnClick = [this] { DisagreeRadioClick(); };
    BrowseButton.OnClick = [this] { BrowseButtonClick(); };
    ProgFoldersTree.OnChange = [this](HTREEITEM Node) { ProgFoldersTreeChange(Node); };
    LanguageBox.OnMouseMove = [this](WPARAM, int X, int Y) { LanguageBoxMouseMove(X, Y); };
    LanguageBox.OnMouseDown = [this](TListBox::TMouseButton, WPARAM, int X, int Y) { LanguageBoxMouseDown(X, Y); };
    LanguageBox.OnMouseUp = [this](TListBox::TMouseButton, WPARAM, int X, int Y) { LanguageBoxMouseUp(X, Y); };
    LanguageBox.OnKeyPress = [this](char& Key) { LanguageBoxKeyPress(Key); };
    FormCreate();
}

void TMainForm::FormCreate()
{
    FindPreviousInstallation(SetupPars);
    SetupPars.CloseWithoutAsking = true;
    SetCaption("Lexovant Setup");
    LanguageLabel.SetText("&Select a language:");
    CancelButton.SetText("Stop");
}

void TMainForm::FormShow()
{
    if (std::exchange(ShownBefore, true))
        return;
    FullScreenForm->CoverScreen();
    FindLanguagePacks();
}

void TMainForm::FormCloseQuery(bool& CanClose)
{
    CanClose = SetupPars.CloseWithoutAsking || ExitConfirmation() == ExitAnswer;
}

void TMainForm::CancelButtonClick()
{
    Close();
}

void TMainForm::FinishButtonClick()
{
    Close();
}
