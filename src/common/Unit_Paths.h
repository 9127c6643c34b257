#pragma once
// Path helpers shared by every unit. Paths are held without a trailing
// backslash; a drive root such as "C:\" keeps its own.
#include <string>

// Drops one trailing backslash, except from a drive root ("C:\").
std::string RemoveTrailingBackslash(const std::string& Path);

// Dir + "\" + Name (no separator added when Dir is empty or already ends in
// one), then RemoveTrailingBackslash. Name itself is not examined.
std::string CombinePath(const std::string& Dir, const std::string& Name);
