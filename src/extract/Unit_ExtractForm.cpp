#include "Unit_ExtractForm.h"

#include "ExtractForm.layout.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractThread.h"
#include "Unit_LanguagePack.h"

TExtractPars ExtractPars;
TExtractForm* ExtractForm = nullptr;
TThreadHandle ExtractThread;

TExtractForm::TExtractForm()
    : TForm(ExtractFormLayout::Form),
      ProgressBar(Find<TProgressBar>(ExtractFormId::ProgressBar)),
      CancelButton(Find<TButton>(ExtractFormId::CancelButton)),
      ExtractLabel(Find<TLabel>(ExtractFormId::ExtractLabel))
{
    ProgressBar.SetStep(1);
    CancelButton.OnClick = [this] { CancelButtonClick(); };
}

TExtractForm::~TExtractForm()
{
    if (ExtractThread) {
        ExtractThread.Terminate();
        ExtractThread.WaitFor();
    }
}

void TExtractForm::ApplyTexts(const TLanguagePack& Pack)
{
    SetCaption(Pack.ExtractCaptionText);
    ExtractLabel.SetText(Pack.ExtractText);
    CancelButton.SetText(Pack.CancelButtonText);
}

void TExtractForm::Finish(int Result)
{
    Finished = Result;
    SetModalResult(Result);
}

void TExtractForm::FormShow()
{
    ExitConfirmed = false;
    Finished = ModalNone;
    auto* Worker = new TExtractThread(*this);
    Worker->FreeOnTerminate = true;
    ExtractThread = Worker->Handle();
    Worker->Start();
}

void TExtractForm::CancelButtonClick()
{
    SetModalResult(ModalCancel);
}

void TExtractForm::FormCloseQuery(bool& CanClose)
{
    if (ExitConfirmed || CopyAborted || ModalResult() != ModalCancel || Finished != ModalNone) {
        CanClose = true;
        return;
    }
    ExtractThread.Suspend();
    CanClose = ExitConfirmation() == ExitAnswer;
    if (CanClose)
        return;
    // A step handed over before the question may have finished the
    // extraction while it was open: then its result closes the dialog.
    if (Finished != ModalNone) {
        SetModalResult(Finished);
        CanClose = true;
        return;
    }
    ExtractThread.Resume();
}

void TExtractForm::FormClose()
{
    if (ModalResult() == ModalCancel)
        ExtractThread.Terminate();
    // The worker makes no step after Terminate or a finishing step, so this
    // returns at once; no worker outlives the dialog.
    ExtractThread.WaitFor();
}
