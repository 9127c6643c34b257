#include "FormQuestions.h"

#include "Unit_ExitForm.h"
#include "Unit_OverwriteForm.h"

int TFormQuestions::AskOverwrite(const std::string& Text)
{
    OverwriteForm->OverwriteLabel.SetText(Text);
    return OverwriteForm->ShowModal();
}

int TFormQuestions::ConfirmExit()
{
    return ExitConfirmation();
}
