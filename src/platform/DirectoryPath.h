#pragma once
// Directory helpers over the file attributes and CreateDirectoryA.
#include <string>

// True when Path can be examined and is a directory.
bool DirectoryExists(const std::string& Path);

// Makes every missing directory of Path up to its last "\" (so "C:\A\B\f"
// makes C:\A and C:\A\B). True when that directory exists afterwards. Our
// own, so that the program needs no library outside the known system DLLs.
bool MakeSureDirectoryPathExists(const std::string& Path);

// Path made absolute against the current directory, "." and ".." resolved
// (GetFullPathNameA); empty when it cannot be.
std::string FullPathName(const std::string& Path);
