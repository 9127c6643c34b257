#pragma once
// The two questions the file copy may ask: the overwrite prompt and the exit
// confirmation. In the product they are the modal forms OverwriteForm and
// ExitForm; tests answer from a script.
#include <string>

class ExtractQuestions {
public:
    // Modal results of the overwrite prompt...
    static constexpr int Yes = 1, No = 2, YesToAll = 3;
    // ...and of the exit confirmation.
    static constexpr int Resume = 1, Exit = 2;

    virtual ~ExtractQuestions() = default;
    // Shows the overwrite prompt with Text on its label.
    virtual int AskOverwrite(const std::string& Text) = 0;
    virtual int ConfirmExit() = 0;
};
