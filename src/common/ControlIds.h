#pragma once
// The stable ids of the controls of every form, named as the controls are
// named in the code. The tests that drive the program find controls by them.
namespace MainFormId {
enum : int {
    SetupImage = 100, Bevel, CancelButton, NextButton, BackButton, FinishButton,
    WelcomePanel = 110, WelcomeLabel,
    LicencePanel = 120, BeforeLicenceLabel, LicenceMemo, AfterLicenceLabel, DisagreeRadio, AgreeRadio,
    InstallDirPanel = 130, SelectInstallDirLabel, InstallDirBox, InstallDirEdit, BrowseButton,
    ProgFolderPanel = 140, ProgFolderLabel, ProgFolderEdit, ProgFoldersTree,
    ConfirmPanel = 150, ConfirmSettingsLabel, ConfirmMemo,
    FinishPanel = 160, FinishedLabel,
    LanguagePanel = 170, LanguageLabel, LanguageBox,
};
}

namespace ExitFormId {
enum : int { TextLabel = 201, ResumeButton, ExitButton };
}

namespace ExtractFormId {
enum : int { ProgressBar = 301, CancelButton, ExtractLabel };
}

namespace OverwriteFormId {
enum : int { OverwriteLabel = 401, YesButton, YesToAllButton, NoButton };
}
