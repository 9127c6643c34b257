#pragma once
// The exit confirmation: leave Setup, or go on.
#include "Form.h"

class TLanguagePack;

enum : int { ResumeAnswer = ModalOk, ExitAnswer = ModalCancel };

class TExitForm : public TForm {
public:
    TExitForm();

    // Puts the chosen pack's texts on the dialog.
    void ApplyTexts(const TLanguagePack& Pack);

    TLabel& TextLabel;
    TButton &ResumeButton, &ExitButton;

protected:
    void FormShow() override;

private:
    void ResumeButtonClick();
    void ExitButtonClick();
};

extern TExitForm* ExitForm;

// Asks whether to leave: ExitAnswer or ResumeAnswer. Changes nothing else.
int ExitConfirmation();
