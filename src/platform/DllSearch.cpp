#include "DllSearch.h"

#include <windows.h>

void RestrictDllSearch()
{
    // Windows 7 has SetDefaultDllDirectories only with update KB2533623, so
    // it is looked up; without it, at least the current directory leaves
    // the search.
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    auto SetDirectories = reinterpret_cast<TSetDefaultDllDirectories>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (!SetDirectories || !SetDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryA("");
}
