// Load finds its pack beside the program file, wherever the current
// directory is.
#include "PackBuilder.h"
#include "ProgramFile.h"
#include "Unit_LanguagePack.h"
#include "Unit_Paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

namespace {

class PackBesideProgram : public ::testing::Test {
protected:
    void Write(const std::string& Name, const std::string& Bytes)
    {
        std::string Path = CombinePath(ProgramDirectory(), Name + ".lng");
        std::ofstream(Path, std::ios::binary) << Bytes;
        Written.push_back(Path);
    }
    void TearDown() override
    {
        for (const std::string& Path : Written)
            DeleteFileA(Path.c_str());
    }
    std::vector<std::string> Written;
};

TEST_F(PackBesideProgram, LoadReadsNameDotLngFromTheProgramDirectory)
{
    PackBuilder B;
    B.Lines[B.TextLine(12)] = "Welcome to %v%";
    Write("TestTaal", B.Bytes());
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));

    TLanguagePack Pack;
    EXPECT_TRUE(Pack.Load("TestTaal"));
    EXPECT_EQ(Pack.WelcomeText, "Welcome to %v%");
    EXPECT_TRUE(IsLanguagePack(CombinePath(ProgramDirectory(), "TestTaal.lng")));

    TLanguagePack Missing;
    EXPECT_FALSE(Missing.Load("NoSuchLanguage"));
}

TEST(ProgramFile, DirectoryHoldsTheProgram)
{
    std::string Name = ProgramFileName();
    std::string Dir = ProgramDirectory();
    ASSERT_FALSE(Dir.empty());
    EXPECT_EQ(Name.rfind(Dir, 0), 0u);
    EXPECT_NE(GetFileAttributesA(Name.c_str()), INVALID_FILE_ATTRIBUTES);
    DWORD Attributes = GetFileAttributesA(Dir.c_str());
    ASSERT_NE(Attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
