#pragma once
// Where the running program file lies.
#include <string>

// Full path of this program's .exe.
std::string ProgramFileName();
// Its directory, without a trailing backslash (a drive root keeps its own).
std::string ProgramDirectory();
