// The registry wrapper against the real registry of the Wine prefix, in a
// key of its own below HKEY_CURRENT_USER that the fixture removes again.
#include "Registry.h"

#include <gtest/gtest.h>

#include <optional>
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

std::optional<std::string> Query(HKEY Root, const std::string& Path, const char* Name, DWORD& Type)
{
    HKEY Key;
    if (RegOpenKeyExA(Root, Path.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS)
        return std::nullopt;
    char Buffer[256];
    DWORD Size = sizeof Buffer;
    LONG Status = RegQueryValueExA(Key, Name, nullptr, &Type, reinterpret_cast<BYTE*>(Buffer), &Size);
    RegCloseKey(Key);
    if (Status != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(Buffer, Size);
}

TEST_F(Registry, CreatesMissingKeysWithEveryLevelAndWritesStrings)
{
    TRegistry Reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(Reg.OpenKey("\\" + Path + "\\A\\B", true));
    Reg.WriteString("Name", "C:\\Program Files\\Lexovant");
    Reg.WriteString("", "default");
    Reg.WriteString("Empty", "");
    Reg.CloseKey();
    ASSERT_TRUE(Reg.OpenKey(Path + "\\A\\B", true));  // an existing key opens as it is
    Reg.WriteString("Name", "replaced");
    Reg.CloseKey();

    DWORD Type = 0;
    EXPECT_EQ(Query(HKEY_CURRENT_USER, Path + "\\A\\B", "Name", Type), std::string("replaced", 9));
    EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Query(HKEY_CURRENT_USER, Path + "\\A\\B", "", Type), std::string("default", 8));
    EXPECT_EQ(Query(HKEY_CURRENT_USER, Path + "\\A\\B", "Empty", Type), std::string(1, '\0'));
    RegDeleteKeyA(HKEY_CURRENT_USER, (Path + "\\A\\B").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (Path + "\\A").c_str());
}

TEST_F(Registry, WritingWithoutAnOpenKeyFailsWithTheValuesName)
{
    TRegistry Reg(HKEY_CURRENT_USER);
    for (const char* Name : {"Language", ""}) {
        try {
            Reg.WriteString(Name, "x");
            ADD_FAILURE() << "no error for '" << Name << "'";
        } catch (const TRegistryError& Error) {
            EXPECT_EQ(std::string(Error.what()), "Failed to set data for '" + std::string(Name) + "'");
        }
    }
    // A key that failed to open leaves no key open: nothing lands in the root.
    EXPECT_FALSE(Reg.OpenKey(Path + "\\Missing"));
    EXPECT_THROW(Reg.WriteString("Stray", "x"), TRegistryError);
    DWORD Type;
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "", "Stray", Type), std::nullopt);
}

TEST_F(Registry, CountsDeletesValuesAndDeletesKeys)
{
    TRegistry Reg(HKEY_CURRENT_USER);
    EXPECT_EQ(Reg.GetKeyInfo(), std::nullopt) << "no key open";
    ASSERT_TRUE(Reg.OpenKey(Path + "\\Sub", true));
    Reg.CloseKey();
    ASSERT_TRUE(Reg.OpenKey(Path));
    Reg.WriteString("", "default");
    Reg.WriteString("One", "1");
    std::optional<TRegKeyInfo> Info = Reg.GetKeyInfo();
    ASSERT_TRUE(Info);
    EXPECT_EQ(Info->NumSubKeys, 1u);
    EXPECT_EQ(Info->NumValues, 2u);
    EXPECT_TRUE(Reg.DeleteValue(""));
    EXPECT_FALSE(Reg.DeleteValue("")) << "already gone";
    EXPECT_EQ(Reg.GetKeyInfo()->NumValues, 1u);

    EXPECT_FALSE(Reg.DeleteKey(Path)) << "a key with a sub-key stays";
    EXPECT_FALSE(Reg.DeleteKey("")) << "never the root";
    EXPECT_TRUE(Reg.DeleteKey("\\" + Path + "\\Sub"));
    EXPECT_FALSE(Reg.OpenKey(Path + "\\Sub"));
    EXPECT_FALSE(Reg.DeleteKey(Path + "\\Sub"));
}

}  // namespace
