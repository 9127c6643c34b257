#pragma once
// Path work of the directory and program-folder pages that touches no
// system: the split into an existing and a missing part, the path a folder
// tree node stands for, and the confirmation text.
#include <functional>
#include <string>
#include <vector>

struct TSplitPath {
    std::string Existing;  // the deepest existing directory, possibly empty
    std::string Missing;   // the components below it, joined by "\"
};

// DirectoryExists is the directory-exists test to use.
TSplitPath SplitExistingPath(const std::string& Path, const std::function<bool(const std::string&)>& DirectoryExists);

// The path a tree node stands for: the texts from the root's child down to
// the node, joined by "\" (the root itself stands for the empty path).
std::string NodePath(const std::vector<std::string>& TextsBelowRoot);

// The six lines of the confirmation page. ProgramsName is the Programs
// folder's own name; every "\" of the shown folder becomes " | ".
std::vector<std::string> ConfirmationLines(const std::string& InstallDirHeading, const std::string& InstallDir,
                                           const std::string& ProgFolderHeading, const std::string& ProgramsName,
                                           const std::string& ProgFolder);
