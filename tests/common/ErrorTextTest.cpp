#include "ErrorText.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, FullStopAfterCharactersThatSortAfterTheDot)
{
    struct Case {
        const char* Message;
        const char* Shown;
    } const Cases[] = {
        {"Could not find a language pack.", "Could not find a language pack."},
        {"Failed to set data for Language", "Failed to set data for Language."},
        {"Failed to set data for 'Language'", "Failed to set data for 'Language'"},  // "'" sorts before "."
        {"Disk 2", "Disk 2."},
        {"Name is C:", "Name is C:."},
        {"Really?", "Really?."},
        {"Stop!", "Stop!"},          // "!" sorts before "."
        {"Done,", "Done,"},
        {"Path -", "Path -"},
        {"Slash /", "Slash /."},     // "/" sorts right after "."
        {"", ""},
        {"Caf\xE9", "Caf\xE9."},     // a byte above 7F sorts after "."
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ErrorBoxText(C.Message), C.Shown) << C.Message;
}
