#include "Resources.h"

#include <windows.h>

TResourceBytes ProgramResource(const char* Name)
{
    HMODULE Module = GetModuleHandleA(nullptr);
    HRSRC Found = FindResourceA(Module, Name, reinterpret_cast<LPCSTR>(RT_RCDATA));
    if (!Found)
        return {};
    HGLOBAL Loaded = LoadResource(Module, Found);
    if (!Loaded)
        return {};
    return {LockResource(Loaded), SizeofResource(Module, Found)};
}
