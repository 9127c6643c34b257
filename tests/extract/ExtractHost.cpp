// A host for the extraction dialog, driven by the tests and the benchmark
// as the installation run would use it: the forms in the program's order,
// a language pack loaded and applied, ExtractPars filled with a new log,
// then the progress dialog shown modally. Run it in the medium's folder.
//
//   ExtractHost.exe PACK TARGET_DIR REPORT_FILE
//
// Writes REPORT_FILE once the dialog has closed and the log is closed:
//   result 1|2, overwriteall 0|1, position N (the bar), ms N (the dialog),
//   longeststep_us N, steps N, steptime_us N (all steps together),
//   peakworkingset N (bytes), pagefileusage_peak N
// The exit status is the dialog's result.
#include "Application.h"
#include "NativeFileSystem.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractForm.h"
#include "Unit_LanguagePack.h"
#include "Unit_Logfile.h"
#include "Unit_OverwriteForm.h"
#include "Unit_Paths.h"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

namespace {

// The dialogs' texts, as the language page puts them.
void ApplyTexts(const TLanguagePack& Pack)
{
    ExitForm->ApplyTexts(Pack);
    ExtractForm->ApplyTexts(Pack);
    OverwriteForm->ApplyTexts(Pack);
}

std::vector<std::string> Arguments()
{
    std::vector<std::string> Result;
    for (int I = 1; I < __argc; ++I)
        Result.push_back(__argv[I]);
    return Result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::vector<std::string> Args = Arguments();
    if (Args.size() != 3)
        return 3;
    const std::string Pack = Args[0], Target = Args[1], Report = Args[2];
    int Result = 0;
    try {
        Application.Initialize();
        Application.Title = "Setup";
        ExitForm = Application.CreateForm<TExitForm>();
        ExtractForm = Application.CreateForm<TExtractForm>();
        OverwriteForm = Application.CreateForm<TOverwriteForm>();
        LanguagePack = std::make_unique<TLanguagePack>();
        if (!LanguagePack->LoadFile(Pack))
            throw std::runtime_error("Language pack could not be read.");
        ApplyTexts(*LanguagePack);

        NativeFileSystem Files;
        Files.MakeDirectories(CombinePath(Target, "Install.log"));
        TLogFile Log(Files, Target, "Lexovant", LanguagePack->LogHeaderText);
        ExtractPars.LogFile = &Log;
        ExtractPars.TargetDir = Target;
        auto Began = std::chrono::steady_clock::now();
        Result = ExtractForm->ShowModal();
        auto Took = std::chrono::steady_clock::now() - Began;
        Log.Close();

        PROCESS_MEMORY_COUNTERS Memory{};
        Memory.cb = sizeof Memory;
        GetProcessMemoryInfo(GetCurrentProcess(), &Memory, sizeof Memory);
        FILE* Out = std::fopen(Report.c_str(), "w");
        if (!Out)
            throw std::runtime_error("Cannot write " + Report);
        using std::chrono::duration_cast;
        std::fprintf(Out, "result %d\noverwriteall %d\nposition %d\nms %lld\nlongeststep_us %lld\nsteps %ld\n"
                          "steptime_us %lld\npeakworkingset %lu\npagefileusage_peak %lu\n",
                     Result, ExtractForm->OverwriteAll ? 1 : 0, ExtractForm->ProgressBar.Position(),
                     static_cast<long long>(duration_cast<std::chrono::milliseconds>(Took).count()),
                     static_cast<long long>(duration_cast<std::chrono::microseconds>(ExtractForm->LongestStep).count()),
                     ExtractForm->StepCount,
                     static_cast<long long>(duration_cast<std::chrono::microseconds>(ExtractForm->StepTime).count()),
                     static_cast<unsigned long>(Memory.PeakWorkingSetSize),
                     static_cast<unsigned long>(Memory.PeakPagefileUsage));
        std::fclose(Out);
    } catch (const std::exception& Error) {
        MessageBoxA(nullptr, Error.what(), "ExtractHost", MB_OK);
        return 4;
    }
    return Result;
}
