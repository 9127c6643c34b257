#pragma once
// The three Start-menu shortcuts of an installation: the program, the extra
// file that the language pack names, and the uninstaller.
#include <windows.h>

#include <string>

class TLogFile;

// Makes the shortcuts in ProgFolder (relative to the current user's
// Start-menu Programs folder, every missing level made), each pointing into
// InstallDir and starting there, replacing links of the same names, and
// records them in Log's "{program folder files}" section with their file
// stamps. Owner is the window that shell questions belong to. Needs COM on
// the calling thread; a shell-link object that cannot be made raises
// TComError after the section marker is written.
void CreateShortcuts(HWND Owner, const std::string& InstallDir, const std::string& ProgFolder, TLogFile& Log);
