#pragma once
// The wizard window: 532 x 353 at 96 DPI. Rows in tab order; the page
// panels lie on top of each other, one visible at a time.
#include "ControlIds.h"
#include "Layout.h"

namespace MainFormLayout {
using K = TControlKind;
using namespace LayoutFlag;
namespace Id = MainFormId;

inline constexpr TControlRow Controls[] = {
    // name                    id                         kind            parent               x    y    w    h  flags
    {"SetupImage",             Id::SetupImage,            K::Picture,     0,                   16,  16, 120, 280, 0, ""},
    {"Bevel",                  Id::Bevel,                 K::Bevel,       0,                   16, 304, 497,   2, 0, ""},
    {"CancelButton",           Id::CancelButton,          K::Button,      0,                  440, 320,  75,  25, Cancel, ""},
    {"NextButton",             Id::NextButton,            K::Button,      0,                  344, 320,  75,  25, Hidden | Default, ""},
    {"BackButton",             Id::BackButton,            K::Button,      0,                  264, 320,  75,  25, Hidden | Disabled, ""},
    {"FinishButton",           Id::FinishButton,          K::Button,      0,                  440, 320,  75,  25, Hidden | Default, ""},

    {"WelcomePanel",           Id::WelcomePanel,          K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"WelcomeLabel",           Id::WelcomeLabel,          K::Label,       Id::WelcomePanel,     8,   0, 361, 281, 0, ""},

    {"LicencePanel",           Id::LicencePanel,          K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"BeforeLicenceLabel",     Id::BeforeLicenceLabel,    K::Label,       Id::LicencePanel,     8,   0, 361,  33, 0, ""},
    {"LicenceMemo",            Id::LicenceMemo,           K::Memo,        Id::LicencePanel,     8,  40, 361, 161, 0, ""},
    {"AfterLicenceLabel",      Id::AfterLicenceLabel,     K::Label,       Id::LicencePanel,     8, 208, 361,  41, 0, ""},
    {"DisagreeRadio",          Id::DisagreeRadio,         K::RadioButton, Id::LicencePanel,    32, 264, 337,  17, 0, ""},
    {"AgreeRadio",             Id::AgreeRadio,            K::RadioButton, Id::LicencePanel,    32, 248, 337,  17, 0, ""},

    {"InstallDirPanel",        Id::InstallDirPanel,       K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"SelectInstallDirLabel",  Id::SelectInstallDirLabel, K::Label,       Id::InstallDirPanel,  8,   0, 361, 225, 0, ""},
    {"InstallDirBox",          Id::InstallDirBox,         K::GroupBox,    Id::InstallDirPanel,  8, 232, 361,  49, 0, ""},
    {"InstallDirEdit",         Id::InstallDirEdit,        K::Edit,        Id::InstallDirBox,    8,  20, 249,  21, 0, ""},
    {"BrowseButton",           Id::BrowseButton,          K::Button,      Id::InstallDirBox,  272,  16,  75,  25, 0, ""},

    {"ProgFolderPanel",        Id::ProgFolderPanel,       K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"ProgFolderLabel",        Id::ProgFolderLabel,       K::Label,       Id::ProgFolderPanel,  8,   0, 361,  49, 0, ""},
    {"ProgFolderEdit",         Id::ProgFolderEdit,        K::Edit,        Id::ProgFolderPanel,  8,  56, 361,  21, 0, ""},
    {"ProgFoldersTree",        Id::ProgFoldersTree,       K::TreeView,    Id::ProgFolderPanel,  8,  88, 361, 193, 0, ""},

    {"ConfirmPanel",           Id::ConfirmPanel,          K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"ConfirmSettingsLabel",   Id::ConfirmSettingsLabel,  K::Label,       Id::ConfirmPanel,     8,   0, 361,  89, 0, ""},
    {"ConfirmMemo",            Id::ConfirmMemo,           K::Memo,        Id::ConfirmPanel,     8,  88, 361, 193, NoWordWrap, ""},

    {"FinishPanel",            Id::FinishPanel,           K::Panel,       0,                  144,  16, 369, 281, Hidden, ""},
    {"FinishedLabel",          Id::FinishedLabel,         K::Label,       Id::FinishPanel,      8,   0, 361, 169, 0, ""},

    {"LanguagePanel",          Id::LanguagePanel,         K::Panel,       0,                  144,  16, 369, 281, 0, ""},
    {"LanguageLabel",          Id::LanguageLabel,         K::Label,       Id::LanguagePanel,    8,   0,   0,   0, AutoSize, ""},
    {"LanguageBox",            Id::LanguageBox,           K::ListBox,     Id::LanguagePanel,    8,  24, 361, 257, 0, ""},
};

inline constexpr TFormLayout Form = {"Lexovant Setup", 532, 353, TFormBorder::Dialog, Controls};
}  // namespace MainFormLayout
