// Run by full_disk_test.sh with a directory on a nearly full drive: the
// extraction and the log must fail with the system's disk-full message and
// the name of the file, and the log's destructor must not throw.
//   FullDiskProbe MEDIUM_DIR TARGET_DIR
#include "ExtractQuestions.h"
#include "FileError.h"
#include "NativeFileSystem.h"
#include "SystemMessage.h"
#include "Unit_DataFile.h"
#include "Unit_Logfile.h"
#include "Unit_Paths.h"
#include "VolumeChain.h"

#include <cstdio>
#include <string>

#include <windows.h>

namespace {

class NoQuestions : public ExtractQuestions {
public:
    int AskOverwrite(const std::string&) override { return Yes; }
    int ConfirmExit() override { return Resume; }
};

bool Expect(const char* What, const std::string& Message, const std::string& Wanted)
{
    bool Ok = Message.find(Wanted) != std::string::npos;
    std::printf("%s %s: %s\n", Ok ? "ok  " : "FAIL", What, Message.c_str());
    return Ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::string Medium = argv[1], Target = argv[2];
    NativeFileSystem Files;
    NoQuestions Questions;
    bool Ok = true;
    TDataFileOutput Output(Files, Questions, "%f%");
    Files.MakeDirectories(CombinePath(Target, "Install.log"));
    TLogFile Log(Files, Target, "Lexovant", "Log");
    try {
        ExtractChain(Medium, Log, Target, Output, 1 << 20, true);
        Ok = Expect("extraction onto a full disk", "no error", "Could not write to");
    } catch (const FileError& Error) {
        Ok &= Expect("extraction onto a full disk", Error.what(), "Could not write to " + CombinePath(Target, "big.bin") + ": ");
        Ok &= Expect("its reason", Error.what(), ": " + SystemMessage(ERROR_DISK_FULL));
    }
    try {
        std::string Line(64 * 1024, 'x');
        for (int I = 0; I < 64; ++I)
            Log.WriteLine(Line);
        Ok = Expect("log onto a full disk", "no error", "Could not write to");
    } catch (const FileError& Error) {
        Ok &= Expect("log onto a full disk", Error.what(), "Could not write to " + CombinePath(Target, "Install.log") + ": ");
    }
    return Ok ? 0 : 1;
}
