// A DLL planted beside a program under the name of a system DLL: when it is
// loaded, it leaves a file "<its own path>.loaded" behind.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE Self, DWORD Reason, LPVOID)
{
    if (Reason == DLL_PROCESS_ATTACH) {
        char Path[MAX_PATH];
        DWORD Length = GetModuleFileNameA(Self, Path, MAX_PATH);
        std::string Marker = std::string(Path, Length) + ".loaded";
        HANDLE File = CreateFileA(Marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (File != INVALID_HANDLE_VALUE)
            CloseHandle(File);
    }
    return TRUE;
}
