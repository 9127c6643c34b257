#include "Registry.h"

#include <vector>

std::string TRegistry::Relative(const std::string& Path)
{
    return Path.starts_with('\\') ? Path.substr(1) : Path;
}

void TRegistry::SetRootKey(HKEY NewRoot)
{
    CloseKey();
    Root = NewRoot;
}

bool TRegistry::OpenKey(const std::string& Path, bool CanCreate)
{
    CloseKey();
    HKEY Opened = nullptr;
    LONG Status = CanCreate ? RegCreateKeyExA(Root, Relative(Path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                              KEY_ALL_ACCESS, nullptr, &Opened, nullptr)
                            : RegOpenKeyExA(Root, Relative(Path).c_str(), 0, KEY_ALL_ACCESS, &Opened);
    if (Status != ERROR_SUCCESS)
        return false;
    Key.Reset(Opened);
    KeyPath = Path;
    return true;
}

void TRegistry::CloseKey()
{
    Key.Reset();
    KeyPath.clear();
}

std::optional<std::string> TRegistry::ReadString(const std::string& Name) const
{
    // The value may change between the two calls; grow and ask again.
    std::vector<char> Buffer(256);
    for (;;) {
        DWORD Type = 0;
        DWORD Size = static_cast<DWORD>(Buffer.size());
        LONG Status = RegQueryValueExA(Current(), Name.c_str(), nullptr, &Type,
                                       reinterpret_cast<BYTE*>(Buffer.data()), &Size);
        if (Status == ERROR_MORE_DATA) {
            Buffer.resize(Size + 1);
            continue;
        }
        if (Status != ERROR_SUCCESS || (Type != REG_SZ && Type != REG_EXPAND_SZ))
            return std::nullopt;
        // Stored strings need not end in a zero; the text ends at the first.
        std::string Text(Buffer.data(), Size);
        if (auto Zero = Text.find('\0'); Zero != std::string::npos)
            Text.resize(Zero);
        return Text;
    }
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value)
{
    // Never into the root itself: a key that failed to open must not send
    // its values to the top of the hive.
    LONG Status = Key ? RegSetValueExA(Key.Get(), Name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(Value.c_str()),
                                       static_cast<DWORD>(Value.size() + 1))
                      : ERROR_INVALID_HANDLE;
    if (Status != ERROR_SUCCESS)
        throw TRegistryError("Failed to set data for '" + Name + "'", KeyPath, Status);
}

bool TRegistry::DeleteValue(const std::string& Name)
{
    return Key && RegDeleteValueA(Key.Get(), Name.c_str()) == ERROR_SUCCESS;
}

std::optional<TRegKeyInfo> TRegistry::GetKeyInfo() const
{
    TRegKeyInfo Info;
    DWORD SubKeys = 0, Values = 0;
    if (!Key || RegQueryInfoKeyA(Key.Get(), nullptr, nullptr, nullptr, &SubKeys, nullptr, nullptr, &Values, nullptr,
                                 nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    Info.NumSubKeys = SubKeys;
    Info.NumValues = Values;
    return Info;
}

bool TRegistry::DeleteKey(const std::string& Path)
{
    CloseKey();
    std::string Name = Relative(Path);
    // An empty name would mean the root itself.
    return !Name.empty() && RegDeleteKeyA(Root, Name.c_str()) == ERROR_SUCCESS;
}
