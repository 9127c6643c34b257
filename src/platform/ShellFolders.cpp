#include "ShellFolders.h"

#include "Unit_Paths.h"

#include <shlobj.h>

std::string GetProgramsFolder(HWND Owner)
{
    LPITEMIDLIST Item = nullptr;
    char Buffer[MAX_PATH + 1] = {};
    if (SUCCEEDED(SHGetSpecialFolderLocation(Owner, CSIDL_PROGRAMS, &Item)) && Item) {
        SHGetPathFromIDListA(Item, Buffer);
        CoTaskMemFree(Item);
    }
    return RemoveTrailingBackslash(Buffer);
}
