#pragma once
// What the installation leaves in the registry: the product key with the
// chosen language, the uninstall entry that the next run finds it by, and
// the association of word-list files (.wdl) with the program.
#include <string>

// Writes every key and value, creating missing keys; existing values of the
// same names are replaced and nothing else is touched. The texts of the
// association come from the current language pack. A value that cannot be
// written raises TRegistryError "Failed to set data for '<name>'"; what was
// written before stays.
void WriteSettings(const std::string& LanguageName, const std::string& InstallDir);
