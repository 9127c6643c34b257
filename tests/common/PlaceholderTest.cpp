#include "Placeholder.h"

#include <gtest/gtest.h>

TEST(ReplacePlaceholder, EveryOccurrenceCaseSensitivelyAndNeverItsOwnResult)
{
    struct {
        const char *Text, *Placeholder, *Value, *Expected;
    } Cases[] = {
        {"Lexovant %v% (%v%).", "%v%", "1.0", "Lexovant 1.0 (1.0)."},
        {"%v%%v%", "%v%", "x", "xx"},
        {"no placeholder", "%v%", "1.0", "no placeholder"},
        {"%V% stays", "%v%", "1.0", "%V% stays"},
        {"disk %dn% of %dn", "%dn%", "3", "disk 3 of %dn"},
        {"%f%", "%f%", "%f%", "%f%"},
        {"a%f%b", "%f%", "", "ab"},
        {"", "%f%", "x", ""},
        {"%%f%%", "%f%", "F", "%F%"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(ReplacePlaceholder(Case.Text, Case.Placeholder, Case.Value), Case.Expected) << Case.Text;
}
