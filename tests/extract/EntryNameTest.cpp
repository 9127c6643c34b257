#include "EntryName.h"
#include "MemoryFiles.h"
#include "OverwritePrompt.h"

#include <gtest/gtest.h>

namespace {

TEST(UnsafeNameReason, RejectsEveryNameThatCouldLeaveTheTargetOrNameADevice)
{
    const std::string Unsafe[] = {
        "",  "\\Windows\\x.dll", "/etc/passwd", "C:x", "C:\\x", "c:", "a:b", "dir\\file:stream", "a/b", "a\\/b",
        "a<b", "a>b", "a\"b", "a|b", "a?b", "a*b", std::string("a\x01") + "b", "tab\there", "a\x1F",
        "a\\\\b", "a\\", "\\\\server\\share\\x", ".", "..", "a\\.\\b", "a\\..\\..\\b", "..\\x",
        "CON", "con.txt", "Prn", "aux.tar.gz", "NUL", "sub\\nul", "COM1", "com9.log", "LPT1", "lpt9.x", "CON .txt",
        "a.", "a\\b.\\c", "trailing ", "dir \\x",
        "Install.log", "INSTALL.LOG", "install.Log",
    };
    for (const std::string& Name : Unsafe)
        EXPECT_TRUE(UnsafeNameReason(Name)) << PrintableName(Name);

    const std::string Safe[] = {
        "a.txt", "b\\c.dat", "Lexovant.exe", "Data\\Sub\\File.txt", ".hidden", "a..b", "...x", "CONSOLE.txt",
        "COM0", "COM10", "LPT", "LPTX", "xCON", "con\x80", "sub\\Install.log", "Install.log.bak", "Install.lo",
        "a b", "\xE9t\xE9.txt", "[x]{y}#&%$!@^'`~=+;,",
    };
    for (const std::string& Name : Safe)
        EXPECT_EQ(UnsafeNameReason(Name), std::nullopt) << Name << ": " << UnsafeNameReason(Name).value_or("");
}

TEST(OverwritePromptText, EveryPlaceholderBecomesTheNamePart)
{
    EXPECT_EQ(OverwritePromptText("%f% exists. Replace %f%?", "C:\\Prog\\Data\\a.txt"), "a.txt exists. Replace a.txt?");
    EXPECT_EQ(OverwritePromptText("[%f%]", "C:a.txt"), "[a.txt]");
    EXPECT_EQ(OverwritePromptText("[%f%]", "plain"), "[plain]");
    EXPECT_EQ(OverwritePromptText("%F% and %f", "C:\\x"), "%F% and %f");  // case-sensitive, whole placeholder only
    EXPECT_EQ(OverwritePromptText("%f%%f%", "C:\\%f%"), "%f%%f%");        // the name is not searched again
}

TEST(ConfirmOverwrite, AnswersOutsideTheThreeAskAgain)
{
    ScriptedQuestions Questions;
    Questions.OverwriteAnswers = {0, 7, ExtractQuestions::Yes};
    bool OverwriteAll = false;
    EXPECT_TRUE(ConfirmOverwrite(Questions, "%f%", "C:\\x", OverwriteAll));
    EXPECT_EQ(Questions.Asked, (std::vector<std::string>{"O:x", "O:x", "O:x"}));
    EXPECT_FALSE(OverwriteAll);
}

}  // namespace
