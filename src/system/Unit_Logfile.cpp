#include "Unit_Logfile.h"

#include "FileSystem.h"
#include "Unit_Paths.h"

#include <stdexcept>

TLogFile::TLogFile(FileSystem& Files, const std::string& InstallDir, const std::string& ProgFolder,
                   const std::string& HeaderText)
    : File(Files.Create(CombinePath(InstallDir, "Install.log")))
{
    WriteLine(HeaderText);
    WriteLine("0");
    WriteLine("");
    WriteLine("{program folder}");
    WriteLine(ProgFolder);
}

TLogFile::~TLogFile()
{
    if (!File)
        return;
    // The empty line makes the last entry readable; if the disk refuses it
    // now, there is nobody left to tell.
    try {
        Close();
    } catch (...) {
    }
}

void TLogFile::BeginProgramFiles()
{
    WriteLine("");
    WriteLine("{program files}");
}

void TLogFile::BeginProgramFolderFiles()
{
    WriteLine("");
    WriteLine("{program folder files}");
}

void TLogFile::WriteLine(const std::string& Text)
{
    if (!File)
        throw std::logic_error("Install.log is already closed");
    std::string Line = Text + "\r\n";
    File->Write(Line.data(), Line.size());
}

void TLogFile::WriteNumber(std::int32_t Value)
{
    WriteLine(std::to_string(Value));
}

void TLogFile::Close()
{
    WriteLine("");
    std::unique_ptr<FileWriter> Closing = std::move(File);
    Closing->Close();
}
