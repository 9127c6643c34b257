#pragma once
// An in-memory FileSystem for tests: files and directories by path, every
// Write call recorded, a stamp per file, and a write that fails on demand.
#include "ExtractQuestions.h"
#include "FileSystem.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class MemoryFiles : public FileSystem {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Directories;
    std::map<std::string, std::vector<std::string>> Writes;  // every Write call, per file
    std::set<std::string> Open;                              // files being written
    std::int32_t NextStamp = 100;
    std::map<std::string, std::int32_t> Stamps;
    // Writes to a file of this name fail once this many bytes would be
    // exceeded, and from then on, as on a full disk.
    std::string FailingFile;
    std::size_t FailAfter = 0;
    bool DiskFull = false;  // set by the first failure; every later write and close fails too

    std::unique_ptr<FileReader> OpenRead(const std::string& Path) override;
    std::unique_ptr<FileWriter> Create(const std::string& Path) override;
    std::unique_ptr<FileWriter> CreateNew(const std::string& Path) override;
    void MakeDirectories(const std::string& Path) override;
    bool FileExists(const std::string& Path) override;
    std::int32_t FileStamp(const std::string& Path) override;
    std::vector<std::string> ListFiles(const std::string& Dir) override;
};

// Answers the two questions from a script and records what was asked:
// "O:<text>" for an overwrite prompt, "E" for the exit confirmation.
class ScriptedQuestions : public ExtractQuestions {
public:
    std::vector<int> OverwriteAnswers, ExitAnswers;
    std::vector<std::string> Asked;

    int AskOverwrite(const std::string& Text) override;
    int ConfirmExit() override;
};
