#pragma once
// Install.log, the record of one installation: a head naming the program
// folder, then the sections of installed files, each file a name line and
// a stamp line. Every line reaches the system as soon as it is written (one
// write per line, CR LF), so a crash loses no line already written.
//
//   1 LogHeaderText        4 {program folder}
//   2 0                    5 the program folder
//   3 (empty)              then the sections, then one empty line
#include <cstdint>
#include <memory>
#include <string>

class FileSystem;
class FileWriter;

class TLogFile {
public:
    // Creates CombinePath(InstallDir, "Install.log"), replacing a file of
    // that name, and writes lines 1 to 5. The directory must exist.
    TLogFile(FileSystem& Files, const std::string& InstallDir, const std::string& ProgFolder,
             const std::string& HeaderText);
    // Closes without the final empty line's errors being reported; call
    // Close to know that the log is complete.
    ~TLogFile();
    TLogFile(const TLogFile&) = delete;
    TLogFile& operator=(const TLogFile&) = delete;

    // An empty line, then "{program files}".
    void BeginProgramFiles();
    // An empty line, then "{program folder files}".
    void BeginProgramFolderFiles();
    void WriteLine(const std::string& Text);
    // Decimal, with a minus sign when negative.
    void WriteNumber(std::int32_t Value);
    // Writes the final empty line and closes the file. Nothing can be
    // written afterwards.
    void Close();

private:
    std::unique_ptr<FileWriter> File;
};
