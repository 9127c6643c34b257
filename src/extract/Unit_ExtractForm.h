#pragma once
// The modal extraction progress dialog. Showing it starts the worker that
// extracts every file of the data volumes; it closes with 1 when every data
// byte was copied and with 2 when the user gave up or a step failed.
#include "Form.h"

class TLanguagePack;
#include "Thread.h"

#include <chrono>
#include <string>

class TLogFile;

// What the installation run hands to the extraction.
struct TExtractPars {
    TLogFile* LogFile = nullptr;  // the open install log; not owned
    std::string TargetDir;
};

extern TExtractPars ExtractPars;

class TExtractForm : public TForm {
public:
    TExtractForm();
    // Ends a worker that is still there (the program is ending).
    ~TExtractForm() override;

    // Puts the chosen pack's texts on the dialog.
    void ApplyTexts(const TLanguagePack& Pack);

    TProgressBar& ProgressBar;
    TButton& CancelButton;
    TLabel& ExtractLabel;

    bool ExitConfirmed = false;  // the user already confirmed the exit (or a step failed)
    bool CopyAborted = false;    // the user gave up at an overwrite prompt
    bool OverwriteAll = false;   // the worker's Yes to all, after every copy step

    // For the benchmark: the longest time one synchronised step kept the
    // user-interface thread, the number of steps and their time together.
    std::chrono::steady_clock::duration LongestStep{};
    std::chrono::steady_clock::duration StepTime{};
    long StepCount = 0;

    // Set by the finishing steps; a finish that happens while the exit
    // question is open still closes the dialog.
    void Finish(int Result);

protected:
    void FormShow() override;
    void FormCloseQuery(bool& CanClose) override;
    void FormClose() override;

private:
    void CancelButtonClick();

    int Finished = ModalNone;
};

extern TExtractForm* ExtractForm;
// The running worker; harmless to stop once it has ended.
extern TThreadHandle ExtractThread;
