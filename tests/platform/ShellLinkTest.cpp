#include "ComApartment.h"
#include "ShellFolders.h"
#include "ShellLink.h"
#include "Unit_Paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace {

// COM for the whole test program, as the installer holds it from start to
// end: initialising and uninitialising it per test leaves messages behind
// for the next test's loops.
class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Com = std::make_unique<TComApartment>(); }
    void TearDown() override { Com.reset(); }
    std::unique_ptr<TComApartment> Com;
};
ComEnvironment* const Com =
    static_cast<ComEnvironment*>(::testing::AddGlobalTestEnvironment(new ComEnvironment));

class ShellLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(Com->Com->Result));
        char Temp[MAX_PATH + 1];
        GetTempPathA(sizeof Temp, Temp);
        Dir = CombinePath(Temp, "lexovant-link-test");
        CreateDirectoryA(Dir.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const char* Name : {"Lexovant.lnk", "Caf\xE9.lnk"})
            DeleteFileA(CombinePath(Dir, Name).c_str());
        RemoveDirectoryA(Dir.c_str());
    }

    std::string Dir;
};

TEST_F(ShellLinkTest, ASavedLinkLoadsBackWithItsTargetAndWorkingDirectory)
{
    std::string LinkPath = CombinePath(Dir, "Lexovant.lnk");
    {
        TShellLink Link;
        // Wine answers S_FALSE for a target that does not exist yet.
        EXPECT_TRUE(SUCCEEDED(Link.SetPath("C:\\Program Files\\Lexovant\\Lexovant.exe")));
        EXPECT_TRUE(SUCCEEDED(Link.SetWorkingDirectory("C:\\Program Files\\Lexovant")));
        ASSERT_EQ(Link.Save(LinkPath), S_OK);
        // The same object serves the next link; a link of the same name is replaced.
        Link.SetPath("C:\\Other\\Uninst.exe");
        Link.SetWorkingDirectory("C:\\Other");
        ASSERT_EQ(Link.Save(LinkPath), S_OK);
    }
    TShellLink Fresh;
    ASSERT_EQ(Fresh.Load(LinkPath), S_OK);
    EXPECT_EQ(Fresh.Path(), "C:\\Other\\Uninst.exe");
    EXPECT_EQ(Fresh.WorkingDirectory(), "C:\\Other");
}

TEST_F(ShellLinkTest, AnAnsiNameIsConvertedForTheLinkFile)
{
    std::string LinkPath = CombinePath(Dir, "Caf\xE9.lnk");
    TShellLink Link;
    Link.SetPath("C:\\Caf\xE9\\Lexovant.exe");
    ASSERT_EQ(Link.Save(LinkPath), S_OK);
    EXPECT_NE(GetFileAttributesA(LinkPath.c_str()), INVALID_FILE_ATTRIBUTES);
    TShellLink Fresh;
    ASSERT_EQ(Fresh.Load(LinkPath), S_OK);
    EXPECT_EQ(Fresh.Path(), "C:\\Caf\xE9\\Lexovant.exe");
}

TEST_F(ShellLinkTest, TheProgramsFolderExistsAndHasNoTrailingBackslash)
{
    std::string Programs = GetProgramsFolder(nullptr);
    ASSERT_FALSE(Programs.empty());
    EXPECT_NE(Programs.back(), '\\');
    DWORD Attributes = GetFileAttributesA(Programs.c_str());
    ASSERT_NE(Attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
