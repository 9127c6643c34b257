#pragma once
// The exit confirmation: leave Setup, or go on.
#include "Form.h"

enum : int { ResumeAnswer = ModalOk, ExitAnswer = ModalCancel };

class TExitForm : public TForm {
public:
    TExitForm();

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
