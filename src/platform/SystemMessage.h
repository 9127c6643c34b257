#pragma once
// The system's own text for an error code, without its line end.
#include <windows.h>

#include <string>

std::string SystemMessage(DWORD Code);
