#include "LineReader.h"
#include "LogReaders.h"

#include <gtest/gtest.h>

namespace {

std::optional<std::string> FolderOf(const std::string& Log)
{
    MemorySource Source(Log);
    return ReadProgramFolder(Source);
}

TEST(ReadProgramFolder, TheLineAfterTheExactMarker)
{
    struct Case {
        const char* Name;
        std::string Log;
        std::optional<std::string> Folder;
    } const Cases[] = {
        {"a written log", "Lexovant installation log\r\n0\r\n\r\n{program folder}\r\nLexovant\r\n\r\n{program files}\r\n",
         "Lexovant"},
        {"nested folder", "h\r\n0\r\n\r\n{program folder}\r\nA\\B\r\n", "A\\B"},
        {"marker anywhere", "x\r\ny\r\nz\r\n{program folder}\r\nF", "F"},
        {"marker then an empty line", "h\r\n0\r\n\r\n{program folder}\r\n\r\n", ""},
        {"marker as the last line", "h\r\n0\r\n\r\n{program folder}\r\n", std::nullopt},
        {"marker without line end", "h\r\n{program folder}", std::nullopt},
        {"no marker", "h\r\n0\r\n\r\nLexovant\r\n", std::nullopt},
        {"marker in other case", "{Program Folder}\r\nF\r\n", std::nullopt},
        {"marker with a blank", "{program folder} \r\nF\r\n", std::nullopt},
        {"marker with a leading blank", " {program folder}\r\nF\r\n", std::nullopt},
        {"the first marker counts", "{program folder}\r\nFirst\r\n{program folder}\r\nSecond\r\n", "First"},
        {"1A ends the file", "{program folder}\r\n\x1A" "F\r\n", std::nullopt},
        {"LF-only lines are one line", "h\n{program folder}\nF\n", std::nullopt},
        {"empty file", "", std::nullopt},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(FolderOf(C.Log), C.Folder) << C.Name;
}

}  // namespace
