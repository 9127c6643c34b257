#include "FolderPaths.h"

#include "Unit_Paths.h"

TSplitPath SplitExistingPath(const std::string& Path, const std::function<bool(const std::string&)>& DirectoryExists)
{
    TSplitPath Split{Path, ""};
    // Each pass shortens Existing, so the loop ends.
    while (!Split.Existing.empty() && !DirectoryExists(Split.Existing)) {
        std::string::size_type Cut = Split.Existing.rfind('\\');
        if (Cut == std::string::npos) {
            Split.Missing = CombinePath(Split.Existing, Split.Missing);
            Split.Existing.clear();
        } else {
            Split.Missing = CombinePath(Split.Existing.substr(Cut + 1), Split.Missing);
            Split.Existing.resize(Cut == 0 ? 0 : Cut);
        }
    }
    return Split;
}

std::string NodePath(const std::vector<std::string>& TextsBelowRoot)
{
    std::string Text;
    for (auto Node = TextsBelowRoot.rbegin(); Node != TextsBelowRoot.rend(); ++Node)
        Text = CombinePath(*Node, Text);
    return Text;
}

std::vector<std::string> ConfirmationLines(const std::string& InstallDirHeading, const std::string& InstallDir,
                                           const std::string& ProgFolderHeading, const std::string& ProgramsName,
                                           const std::string& ProgFolder)
{
    std::string Shown;
    for (char C : CombinePath(ProgramsName, ProgFolder))
        Shown += C == '\\' ? std::string(" | ") : std::string(1, C);
    return {InstallDirHeading, "   " + InstallDir, "", "", ProgFolderHeading, "   " + Shown};
}
