#pragma once
// The registry as the installer uses it: one root key, keys opened by path
// with full access (the only mode the program uses), string values. A key
// that cannot be opened with full access counts as absent.
#include "Handles.h"

#include <optional>
#include <string>

class TRegistry {
public:
    explicit TRegistry(HKEY Root) : Root(Root) {}

    void SetRootKey(HKEY NewRoot);
    // Opens an existing key below the root ("\" first or not), closing the
    // key open before; false when it is missing or not open to full access.
    bool OpenKey(const std::string& Path);
    // Closes the current key; later calls work on the root itself.
    void CloseKey();

    // The value as a string; nothing when it is missing or not a string
    // (REG_SZ or REG_EXPAND_SZ, taken unexpanded).
    std::optional<std::string> ReadString(const std::string& Name) const;

private:
    HKEY Current() const { return Key ? Key.Get() : Root; }
    HKEY Root;
    TOwnedKey Key;
};
