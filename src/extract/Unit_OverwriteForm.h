#pragma once
// The modal overwrite prompt: Yes (1), Yes to all (3) or No (2) for a file
// that exists already. Its label is set before every showing.
#include "Form.h"

class TLanguagePack;

class TOverwriteForm : public TForm {
public:
    TOverwriteForm();

    // Puts the chosen pack's texts on the dialog.
    void ApplyTexts(const TLanguagePack& Pack);

    TLabel& OverwriteLabel;
    TButton &YesButton, &YesToAllButton, &NoButton;

private:
    void YesButtonClick();
    void YesToAllButtonClick();
    void NoButtonClick();
};

extern TOverwriteForm* OverwriteForm;
