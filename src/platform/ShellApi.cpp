#include "ShellApi.h"

#include <stdexcept>

namespace {

HMODULE Shell32()
{
    // After the DLL search is restricted, so from the system directory.
    static HMODULE Module = LoadLibraryA("shell32.dll");
    if (!Module)
        throw std::runtime_error("shell32.dll could not be loaded");
    return Module;
}

template <typename Function>
Function Lookup(const char* Name)
{
    auto Found = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Shell32(), Name)));
    if (!Found)
        throw std::runtime_error(std::string("shell32.dll has no ") + Name);
    return Found;
}

}  // namespace

namespace ShellApi {

HRESULT GetSpecialFolderLocation(HWND Owner, int Folder, LPITEMIDLIST* Item)
{
    static auto Call = Lookup<HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*)>("SHGetSpecialFolderLocation");
    return Call(Owner, Folder, Item);
}

BOOL GetPathFromIDList(LPCITEMIDLIST Item, char* Path)
{
    static auto Call = Lookup<BOOL(WINAPI*)(LPCITEMIDLIST, char*)>("SHGetPathFromIDListA");
    return Call(Item, Path);
}

LPITEMIDLIST BrowseForFolder(BROWSEINFOA* Info)
{
    static auto Call = Lookup<LPITEMIDLIST(WINAPI*)(BROWSEINFOA*)>("SHBrowseForFolderA");
    return Call(Info);
}

void ChangeNotify(LONG Event, UINT Flags, LPCVOID Item1, LPCVOID Item2)
{
    static auto Call = Lookup<void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID)>("SHChangeNotify");
    Call(Event, Flags, Item1, Item2);
}

}  // namespace ShellApi
