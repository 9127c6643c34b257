#include "OverwritePrompt.h"

#include "ExtractQuestions.h"
#include "Placeholder.h"

std::string OverwritePromptText(const std::string& OverwriteText, const std::string& Path)
{
    std::string::size_type Cut = Path.find_last_of("\\:");
    std::string Name = Cut == std::string::npos ? Path : Path.substr(Cut + 1);
    return ReplacePlaceholder(OverwriteText, "%f%", Name);
}

bool ConfirmOverwrite(ExtractQuestions& Questions, const std::string& OverwriteText, const std::string& Path,
                      bool& OverwriteAll)
{
    for (;;) {
        switch (Questions.AskOverwrite(OverwritePromptText(OverwriteText, Path))) {
        case ExtractQuestions::Yes:
            return true;
        case ExtractQuestions::YesToAll:
            OverwriteAll = true;
            return true;
        case ExtractQuestions::No:
            if (Questions.ConfirmExit() == ExtractQuestions::Exit)
                return false;
            break;
        default:
            break;
        }
    }
}
