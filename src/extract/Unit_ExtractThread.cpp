#include "Unit_ExtractThread.h"

#include "ErrorBox.h"
#include "FileError.h"
#include "FormQuestions.h"
#include "NativeFileSystem.h"
#include "Unit_DataFile.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractForm.h"
#include "Unit_LanguagePack.h"
#include "Unit_Logfile.h"
#include "VolumeChain.h"
#include "VolumePrompt.h"

#include <exception>

namespace {

// A copy piece gives the user-interface thread back after about this long,
// at the next file or block boundary.
constexpr auto PieceTime = std::chrono::milliseconds(30);

// Carried from a failed step to the worker, whose body it ends.
struct TStepFailed {};

}  // namespace

// The extraction's state and its steps, all run on the user-interface
// thread; the worker reads Counts only between steps.
class TExtraction : public TExtractSteps {
public:
    explicit TExtraction(TExtractForm& Form)
        : Form(Form), Output(Files, Questions, LanguagePack ? LanguagePack->OverwriteText : std::string())
    {
    }

    TExtractCounts Counts;
    bool OverwriteAll = false;
    std::vector<int> VolumesRead;  // the numbers of the volumes opened so far

    void InitExtraction() override
    {
        OverwriteAll = Counts.VolumeMissing = Counts.CopyAborted = false;
        ExtractPars.LogFile->BeginProgramFiles();
        DataFile = Open(VolumeFileName(1));
        VolumesRead = {1};
        Counts.TotalSize = ReadTotalSize(*DataFile);
        Counts.VolumeExhausted = !DataFile->HoldsData();
    }

    void CopyPiece(std::int32_t Budget, bool EndsStep) override
    {
        bool Ok = DataFile->CopyFiles(Budget, OverwriteAll, Counts.StepDone,
                                      std::chrono::steady_clock::now() + PieceTime);
        if (!Ok)
            Form.CopyAborted = Counts.CopyAborted = true;
        Form.OverwriteAll = OverwriteAll;
        Counts.VolumeExhausted = !DataFile->HoldsData();
        // Held while the exit question is open: the bar waits with the worker.
        Counts.BarMoved = Ok && EndsStep && Counts.StepDone == Budget && !ExtractThread.Suspended();
        if (Counts.BarMoved)
            StepProgress();
    }

    void NextVolume() override
    {
        std::int32_t VolumeNumber = 0;
        DataFile->ReadByte(VolumeNumber);
        AddNextVolume(VolumesRead, VolumeNumber, DataFile->Name());
        DataFile.reset();
        const std::string VolumeName = VolumeFileName(VolumeNumber);
        Counts.VolumeMissing = !Files.FileExists(VolumeName);
        while (Counts.VolumeMissing) {
            if (AskForVolume(VolumePromptText(LanguagePack->DiskText, VolumeNumber))) {
                if (ExitConfirmation() == ExitAnswer) {
                    Form.ExitConfirmed = true;
                    return;
                }
            } else {
                Counts.VolumeMissing = !Files.FileExists(VolumeName);
            }
        }
        DataFile = Open(VolumeName);
        Counts.VolumeExhausted = !DataFile->HoldsData();
    }

    // Totals below 100 * 99 bytes make more than a hundred steps; the bar
    // stops at its end rather than wrap round.
    void StepProgress() override
    {
        if (Form.ProgressBar.Position() < 100)
            Form.ProgressBar.StepIt();
    }
    void FinishOk() override { Form.Finish(ModalOk); }
    void FinishCancel() override { Form.Finish(ModalCancel); }

private:
    std::unique_ptr<TDataFile> Open(const std::string& Name)
    {
        return std::make_unique<TDataFile>(Name, *ExtractPars.LogFile, ExtractPars.TargetDir, Output);
    }

    TExtractForm& Form;
    NativeFileSystem Files;
    TFormQuestions Questions;
    TDataFileOutput Output;
    // Declared after Output, which a volume writes through: goes first.
    std::unique_ptr<TDataFile> DataFile;
};

TExtractThread::TExtractThread(TExtractForm& Form) : Form(Form), Work(std::make_unique<TExtraction>(Form)) {}

TExtractThread::~TExtractThread() = default;

void TExtractThread::RunStep(const std::function<void()>& Step)
{
    Synchronize([&] {
        auto Began = std::chrono::steady_clock::now();
        struct TTimed {
            TExtractForm& Form;
            std::chrono::steady_clock::time_point Began;
            ~TTimed()
            {
                auto Took = std::chrono::steady_clock::now() - Began;
                Form.StepTime += Took;
                ++Form.StepCount;
                if (Took > Form.LongestStep)
                    Form.LongestStep = Took;
            }
        } Timed{Form, Began};
        try {
            Step();
        } catch (const std::exception& Error) {
            ShowErrorBox(Error.what());
            // Closes without a further question: the error was the answer.
            Form.ExitConfirmed = true;
            Form.Finish(ModalCancel);
            throw TStepFailed{};
        }
    });
}

void TExtractThread::Execute()
{
    TExtractSequence Sequence{*Work, Work->Counts, [this](const std::function<void()>& Step) { RunStep(Step); },
                              [this] { return Terminated(); }};
    try {
        Sequence.Execute();
    } catch (const TStepFailed&) {
        // Shown and closed by the step itself.
    }
}
