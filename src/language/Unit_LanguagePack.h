#pragma once
// The forty texts of one language pack, its .lng loader and the quick test
// with which the language page lists a file as a pack.
#include <memory>
#include <string>

class ByteSource;

// Why a pack failed to load: the number of the line where the first rule
// was broken and the rule, in words. Line is 0 when the pack loaded.
struct TPackProblem {
    int Line = 0;
    std::string Reason;
};

class TLanguagePack {
public:
    static constexpr int SlotCount = 40;

    std::string OkButtonText, CancelButtonText, YesButtonText, NoButtonText;
    std::string BackButtonText, NextButtonText, FinishButtonText;
    std::string ExitCaptionText, ExitText, ResumeButtonText, ExitButtonText;
    std::string WelcomeText, BeforeLicenceText, LicenceText, AfterLicenceText;
    std::string AgreeText, DisagreeText;
    std::string SelectInstallDirText, InstallDirBoxText, BrowseButtonText, BrowseTitleText, DirErrorText;
    std::string ProgFolderText, ConfirmSettingsText, ConfirmInstallDirText, ConfirmProgFolderText;
    std::string ExtractCaptionText, ExtractText, DiskCaptionText, DiskText;
    std::string OverwriteCaptionText, OverwriteText, YesToAllButtonText, FinishedText;
    std::string LogHeaderText, WordlistTypeText, ExtraShortcutTarget;
    std::string ProgramShortcutText, ExtraShortcutText, UninstallShortcutText;

    // Slot 1..40 by number, and its name as the file format lists it.
    std::string& Slot(int Number);
    const std::string& Slot(int Number) const;
    static const char* SlotName(int Number);

    // Loads Name + ".lng" from the directory of the installer's program file.
    bool Load(const std::string& Name);

    // Loads the pack at Path; false when it is missing, unreadable or
    // malformed. Problem, when given, tells which rule was broken.
    bool LoadFile(const std::string& Path, TPackProblem* Problem = nullptr);
    // Reads a pack from any byte source; a ReadError of the source passes on.
    bool Parse(ByteSource& Source, TPackProblem* Problem = nullptr);
};

// True when the file's first line is the pack header and its second line a
// format version of 0. Nothing else of the file is examined.
bool IsLanguagePack(const std::string& Path);
bool IsLanguagePack(ByteSource& Source);

// Decodes the escapes of one text line: \# \: \\ and \n (CR LF).
std::string DecodeEscapes(const std::string& Line);

// The current pack; null until the user first chooses a language.
extern std::unique_ptr<TLanguagePack> LanguagePack;
