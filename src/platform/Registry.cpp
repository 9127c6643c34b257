#include "Registry.h"

#include <vector>

void TRegistry::SetRootKey(HKEY NewRoot)
{
    CloseKey();
    Root = NewRoot;
}

bool TRegistry::OpenKey(const std::string& Path)
{
    CloseKey();
    std::string Relative = Path.starts_with('\\') ? Path.substr(1) : Path;
    HKEY Opened = nullptr;
    if (RegOpenKeyExA(Root, Relative.c_str(), 0, KEY_ALL_ACCESS, &Opened) != ERROR_SUCCESS)
        return false;
    Key.Reset(Opened);
    return true;
}

void TRegistry::CloseKey()
{
    Key.Reset();
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
