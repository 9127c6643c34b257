#pragma once
// The shell functions that the installer calls, looked up in shell32.dll at
// first use instead of imported: a static import would load shell32 before
// the program can restrict the DLL search, and shell32 would then load its
// own dependencies (shcore) from the program's folder.
#include <windows.h>
#include <shlobj.h>

namespace ShellApi {

HRESULT GetSpecialFolderLocation(HWND Owner, int Folder, LPITEMIDLIST* Item);
BOOL GetPathFromIDList(LPCITEMIDLIST Item, char* Path);
LPITEMIDLIST BrowseForFolder(BROWSEINFOA* Info);
void ChangeNotify(LONG Event, UINT Flags, LPCVOID Item1, LPCVOID Item2);

}  // namespace ShellApi
