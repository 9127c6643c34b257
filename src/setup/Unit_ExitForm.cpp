#include "Unit_ExitForm.h"

#include "ExitForm.layout.h"
#include "Unit_LanguagePack.h"

TExitForm* ExitForm = nullptr;

TExitForm::TExitForm()
    : TForm(ExitFormLayout::Form),
      TextLabel(Find<TLabel>(ExitFormId::TextLabel)),
      ResumeButton(Find<TButton>(ExitFormId::ResumeButton)),
      ExitButton(Find<TButton>(ExitFormId::ExitButton))
{
    ResumeButton.OnClick = [this] { ResumeButtonClick(); };
    ExitButton.OnClick = [this] { ExitButtonClick(); };
}

void TExitForm::ApplyTexts(const TLanguagePack& Pack)
{
    SetCaption(Pack.ExitCaptionText);
    TextLabel.SetText(Pack.ExitText);
    ResumeButton.SetText(Pack.ResumeButtonText);
    ExitButton.SetText(Pack.ExitButtonText);
}

void TExitForm::FormShow()
{
    // Each time: Enter must resume, wherever the focus was left last time.
    ResumeButton.SetFocus();
}

void TExitForm::ResumeButtonClick()
{
    SetModalResult(ResumeAnswer);
}

void TExitForm::ExitButtonClick()
{
    SetModalResult(ExitAnswer);
}

int ExitConfirmation()
{
    return ExitForm->ShowModal();
}
