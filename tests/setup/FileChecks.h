#pragma once
// Small looks at the disk that the tests of Setup.exe share.
#include <windows.h>
#include <shlobj.h>

#include <string>

inline bool Exists(const std::string& Path)
{
    return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The current user's Start-menu Programs folder, made when missing.
inline std::string ProgramsFolder()
{
    char Path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, Path, CSIDL_PROGRAMS, TRUE);
    return Path;
}
