// The installation run: what Next does on the confirmation page. It removes
// a previous installation, writes the new log while the progress dialog
// extracts the product, copies the language packs, makes the shortcuts and
// writes the settings, then shows the finished page. An exception from any
// step ends the run there and leaves the wizard on the confirmation page.
#include "DirectoryPath.h"
#include "FindFile.h"
#include "FormQuestions.h"
#include "Main.h"
#include "NativeFileSystem.h"
#include "OverwritePrompt.h"
#include "ProgramFile.h"
#include "SetupPars.h"
#include "Unit_ExtractForm.h"
#include "Unit_LanguagePack.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"
#include "Unit_Settings.h"
#include "Unit_Shortcuts.h"
#include "Unit_Uninstall.h"

#include <windows.h>

namespace {

// ExtractPars points at the run's log only while the progress dialog runs.
class TExtractParsScope {
public:
    TExtractParsScope(TLogFile& Log, const std::string& TargetDir)
    {
        ExtractPars.LogFile = &Log;
        ExtractPars.TargetDir = TargetDir;
    }
    ~TExtractParsScope() { ExtractPars = {}; }
    TExtractParsScope(const TExtractParsScope&) = delete;
    TExtractParsScope& operator=(const TExtractParsScope&) = delete;
};

}  // namespace

void TMainForm::RunInstallation()
{
    if (SetupPars.PrevInstallFound) {
        RemovePreviousInstallation(Handle(), SetupPars.PrevInstallDir, SetupPars.PrevProgFolder);
        // Its log is gone now: a run started again after a later step
        // failed must not look for it a second time.
        SetupPars.PrevInstallFound = false;
    }
    // Its result is not looked at: a directory that could not be made
    // shows when the log is created in it.
    MakeSureDirectoryPathExists(CombinePath(SetupPars.InstallDir, "Install.log"));
    NativeFileSystem Files;
    TLogFile Log(Files, SetupPars.InstallDir, SetupPars.ProgFolder, LanguagePack->LogHeaderText);

    int Result;
    {
        TExtractParsScope Pars(Log, SetupPars.InstallDir);
        Result = ExtractForm->ShowModal();
    }
    if (Result != ModalOk) {
        // Closing only posts the end of the program: the log, with what
        // was extracted so far, is ended by its destructor on the way out.
        SetupPars.CloseWithoutAsking = true;
        Close();
        return;
    }

    CopyLanguagePacks(Log, !ExtractForm->OverwriteAll);
    CreateShortcuts(Handle(), SetupPars.InstallDir, SetupPars.ProgFolder, Log);
    Log.Close();
    WriteSettings(SetupPars.LanguageName, SetupPars.InstallDir);

    SetupPars.CloseWithoutAsking = true;
    EnterPage(5);
}

void TMainForm::CopyLanguagePacks(TLogFile& Log, bool Ask)
{
    const std::string SourceDir = ProgramDirectory();
    for (int Index = 0; Index < LanguageBox.Count(); ++Index) {
        const std::string File = LanguageBox.Item(Index) + ".lng";
        const std::string Source = CombinePath(SourceDir, File);
        const std::string Destination = CombinePath(SetupPars.InstallDir, File);
        bool Copied = true;
        // While asking, an existing pack makes the first copy fail; any
        // other failure is asked about the same way.
        if (!CopyFileA(Source.c_str(), Destination.c_str(), Ask) && Ask) {
            switch (TFormQuestions().AskOverwrite(OverwritePromptText(LanguagePack->OverwriteText, File))) {
            case ExtractQuestions::YesToAll:
                Ask = false;
                [[fallthrough]];
            case ExtractQuestions::Yes:
                CopyFileA(Source.c_str(), Destination.c_str(), FALSE);
                break;
            default:
                Copied = false;
                break;
            }
        }
        if (Copied) {
            Log.WriteLine(File);
            Log.WriteNumber(FileStampOf(Destination));
        }
    }
}
