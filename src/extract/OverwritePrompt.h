#pragma once
// The question before an existing file is replaced.
#include <string>

class ExtractQuestions;

// OverwriteText with every "%f%" replaced by the name part of Path (what
// follows its last "\" or ":").
std::string OverwritePromptText(const std::string& OverwriteText, const std::string& Path);

// Asks until the user lets the file be replaced: Yes, or Yes to all (which
// sets OverwriteAll). No leads to the exit confirmation: Exit gives up
// (false), Resume asks about the same file again; a file cannot be skipped.
bool ConfirmOverwrite(ExtractQuestions& Questions, const std::string& OverwriteText, const std::string& Path,
                      bool& OverwriteAll);
