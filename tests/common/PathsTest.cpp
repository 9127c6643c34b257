#include "Unit_Paths.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* Input;
    const char* Expected;
};

TEST(RemoveTrailingBackslash, Table)
{
    const Case Cases[] = {
        {"", ""},
        {"\\", ""},
        {"C:\\Program Files\\Lexovant\\", "C:\\Program Files\\Lexovant"},
        {"C:\\Program Files\\Lexovant", "C:\\Program Files\\Lexovant"},
        {"C:\\", "C:\\"},              // a drive root keeps its backslash
        {"C:\\\\", "C:\\"},            // only one backslash is ever dropped
        {"D:\\Data\\\\", "D:\\Data\\"},
        {"C:", "C:"},
        {"X:\\A", "X:\\A"},
        {"ab\\", "ab"},                // three characters but no drive root
        {"a:\\b\\", "a:\\b"},
        {"\\\\server\\share\\", "\\\\server\\share"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(RemoveTrailingBackslash(C.Input), C.Expected) << "input: " << C.Input;
}

TEST(CombinePath, Table)
{
    struct Join {
        const char* Dir;
        const char* Name;
        const char* Expected;
    };
    const Join Cases[] = {
        {"C:\\Program Files", "Lexovant", "C:\\Program Files\\Lexovant"},
        {"C:\\Program Files\\", "Lexovant", "C:\\Program Files\\Lexovant"},
        {"", "Lexovant", "Lexovant"},
        {"C:\\", "Uninst.exe", "C:\\Uninst.exe"},
        {"C:\\Data", "", "C:\\Data"},               // an empty name gives Dir
        {"C:\\Data\\", "", "C:\\Data"},
        {"C:\\", "", "C:\\"},                       // a drive root keeps its backslash
        {"C:\\Data", "Sub\\", "C:\\Data\\Sub"},     // Name's trailing backslash goes
        {"C:\\Data", "A\\B\\c.txt", "C:\\Data\\A\\B\\c.txt"},
        {"", "", ""},
        {"A", "\\", "A\\"},           // A + \ + \, then one backslash dropped
        {"C:", "x", "C:\\x"},
    };
    for (const Join& C : Cases)
        EXPECT_EQ(CombinePath(C.Dir, C.Name), C.Expected) << C.Dir << " + " << C.Name;
}

}  // namespace
