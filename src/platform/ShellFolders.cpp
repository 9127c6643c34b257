#include "ShellFolders.h"

#include "ShellApi.h"
#include "Unit_Paths.h"

std::string GetProgramsFolder(HWND Owner)
{
    LPITEMIDLIST Item = nullptr;
    char Buffer[MAX_PATH + 1] = {};
    if (SUCCEEDED(ShellApi::GetSpecialFolderLocation(Owner, CSIDL_PROGRAMS, &Item)) && Item) {
        ShellApi::GetPathFromIDList(Item, Buffer);
        CoTaskMemFree(Item);
    }
    return RemoveTrailingBackslash(Buffer);
}
