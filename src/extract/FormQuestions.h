#pragma once
// The questions of the file copy asked with the program's own dialogs: the
// overwrite prompt OverwriteForm and the exit confirmation ExitForm.
#include "ExtractQuestions.h"

class TFormQuestions : public ExtractQuestions {
public:
    int AskOverwrite(const std::string& Text) override;
    int ConfirmExit() override;
};
