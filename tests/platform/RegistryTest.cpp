// The registry wrapper against the real registry of the Wine prefix, in a
// key of its own below HKEY_CURRENT_USER that the fixture removes again.
#include "Registry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Registry : public testing::Test {
protected:
    void SetUp() override
    {
        Path = "Software\\LexovantRegistryTest" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                                  nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(Key);
        RegDeleteKeyA(HKEY_CURRENT_USER, Path.c_str());
    }
    void Set(const char* Name, DWORD Type, const void* Data, DWORD Size)
    {
        ASSERT_EQ(RegSetValueExA(Key, Name, 0, Type, static_cast<const BYTE*>(Data), Size), ERROR_SUCCESS);
    }

    std::string Path;
    HKEY Key = nullptr;
};

TEST_F(Registry, OpensExistingKeysOnly)
{
    TRegistry Reg(HKEY_CURRENT_USER);
    EXPECT_TRUE(Reg.OpenKey(Path));
    EXPECT_TRUE(Reg.OpenKey("\\" + Path));  // a leading backslash means the root
    EXPECT_FALSE(Reg.OpenKey(Path + "\\Missing"));
    HKEY Probe;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (Path + "\\Missing").c_str(), 0, KEY_READ, &Probe), ERROR_SUCCESS)
        << "opening must not create the key";
    Reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(Reg.OpenKey(Path));
}

TEST_F(Registry, ReadsStringsAndNothingElse)
{
    const char Plain[] = "C:\\Program Files";
    const char Expand[] = "%ProgramFiles%\\Lexovant";
    const char Unended[] = {'a', 'b', 'c'};
    const char Empty[] = "";
    DWORD Number = 42;
    std::string Long(3000, 'x');
    Set("Plain", REG_SZ, Plain, sizeof Plain);
    Set("Expand", REG_EXPAND_SZ, Expand, sizeof Expand);
    Set("Unended", REG_SZ, Unended, sizeof Unended);
    Set("Empty", REG_SZ, Empty, sizeof Empty);
    Set("Number", REG_DWORD, &Number, sizeof Number);
    Set("Binary", REG_BINARY, Plain, sizeof Plain);
    Set("Long", REG_SZ, Long.c_str(), static_cast<DWORD>(Long.size() + 1));
    Set("", REG_SZ, Plain, sizeof Plain);

    TRegistry Reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(Reg.OpenKey(Path));
    EXPECT_EQ(Reg.ReadString("Plain"), Plain);
    EXPECT_EQ(Reg.ReadString("Expand"), Expand);  // not expanded
    EXPECT_EQ(Reg.ReadString("Unended"), "abc");
    EXPECT_EQ(Reg.ReadString("Empty"), "");
    EXPECT_EQ(Reg.ReadString("Long"), Long);
    EXPECT_EQ(Reg.ReadString(""), Plain);  // the default value
    EXPECT_EQ(Reg.ReadString("Number"), std::nullopt);
    EXPECT_EQ(Reg.ReadString("Binary"), std::nullopt);
    EXPECT_EQ(Reg.ReadString("Missing"), std::nullopt);
}

}  // namespace
