#include "FolderPaths.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SplitExistingPath, TheDeepestExistingDirectoryAndTheRest)
{
    const std::set<std::string> Dirs = {"C:\\", "C:", "C:\\Data", "Rel"};
    auto Exists = [&](const std::string& Path) { return Dirs.count(Path) > 0; };
    struct Case {
        const char* Path;
        const char* Existing;
        const char* Missing;
    } const Cases[] = {
        {"C:\\Data\\A\\B", "C:\\Data", "A\\B"},
        {"C:\\Data\\A\\B\\", "C:\\Data", "A\\B"},     // a trailing backslash adds nothing
        {"C:\\Data", "C:\\Data", ""},
        {"C:\\Data\\\\A", "C:\\Data", "A"},           // empty components are dropped
        {"X\\Y", "", "X\\Y"},                         // relative, first component missing
        {"Rel\\New", "Rel", "New"},
        {"Q:\\A", "", "Q:\\A"},                       // no drive Q:
        {"C:\\New", "C:", "New"},                     // cut just before the backslash
        {"\\Top\\Sub", "", "Top\\Sub"},
        {"", "", ""},
    };
    for (const Case& C : Cases) {
        TSplitPath Split = SplitExistingPath(C.Path, Exists);
        EXPECT_EQ(Split.Existing, C.Existing) << C.Path;
        EXPECT_EQ(Split.Missing, C.Missing) << C.Path;
    }
}

TEST(NodePath, TextsJoinedBelowTheRoot)
{
    EXPECT_EQ(NodePath({}), "");
    EXPECT_EQ(NodePath({"Accessories"}), "Accessories");
    EXPECT_EQ(NodePath({"Accessories", "Tools"}), "Accessories\\Tools");
}

TEST(ConfirmationLines, SixLinesWithTheFolderAsTheStartMenuShowsIt)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ConfirmationLines("Directory:", "C:\\Program Files\\Lexovant", "Folder:", "Programs", "Lexovant"),
              (Lines{"Directory:", "   C:\\Program Files\\Lexovant", "", "", "Folder:", "   Programs | Lexovant"}));
    EXPECT_EQ(ConfirmationLines("D", "C:\\", "F", "Programs", "A\\B")[5], "   Programs | A | B");
    EXPECT_EQ(ConfirmationLines("D", "C:\\", "F", "Programs", "")[5], "   Programs");
}

}  // namespace
