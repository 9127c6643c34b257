#pragma once
// The registry as the installer uses it: one root key, keys opened by path
// with full access (the only mode the program uses), string values. A key
// that cannot be opened with full access counts as absent.
#include "Handles.h"

#include <optional>
#include <stdexcept>
#include <string>

// A value could not be written. The text is the system's own wording of
// the failure; Key and Code tell which key and why.
class TRegistryError : public std::runtime_error {
public:
    TRegistryError(const std::string& Message, const std::string& Key, long Code)
        : std::runtime_error(Message), Key(Key), Code(Code)
    {
    }
    const std::string Key;
    const long Code;
};

struct TRegKeyInfo {
    unsigned long NumSubKeys = 0;
    unsigned long NumValues = 0;
};

class TRegistry {
public:
    explicit TRegistry(HKEY Root) : Root(Root) {}

    void SetRootKey(HKEY NewRoot);
    // Opens the key below the root ("\" first or not), closing the key open
    // before. With CanCreate a missing key is created (non-volatile, with
    // every missing level). False when the key is missing and not created,
    // or not open to full access; no key is open then.
    bool OpenKey(const std::string& Path, bool CanCreate = false);
    // Closes the current key; later reads work on the root itself.
    void CloseKey();

    // The value as a string; nothing when it is missing or not a string
    // (REG_SZ or REG_EXPAND_SZ, taken unexpanded).
    std::optional<std::string> ReadString(const std::string& Name) const;
    // Writes a REG_SZ value of the open key ("" is the default value),
    // replacing one of that name. Raises TRegistryError
    // "Failed to set data for '<Name>'" when it fails or no key is open.
    void WriteString(const std::string& Name, const std::string& Value);
    // Deletes a value of the open key; false when it could not be deleted.
    bool DeleteValue(const std::string& Name);
    // The numbers of sub-keys and values of the open key; nothing when no
    // key is open or the system does not tell.
    std::optional<TRegKeyInfo> GetKeyInfo() const;

    // Deletes the key at Path below the root, which must have no sub-keys;
    // false when it could not be deleted. Closes the current key first.
    bool DeleteKey(const std::string& Path);

private:
    static std::string Relative(const std::string& Path);
    HKEY Current() const { return Key ? Key.Get() : Root; }
    HKEY Root;
    TOwnedKey Key;
    std::string KeyPath;
};
