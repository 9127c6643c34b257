#pragma once
// Folders the shell knows by number.
#include <windows.h>

#include <string>

// The current user's Start-menu Programs folder, without a trailing
// backslash; empty when the shell gives none. Owner is the window that any
// shell user interface would belong to.
std::string GetProgramsFolder(HWND Owner);
