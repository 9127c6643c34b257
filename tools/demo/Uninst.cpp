// A stand-in for the Lexovant uninstaller on the demonstration medium.
#include "DemoIds.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr,
                "This is the uninstaller of the Lexovant demonstration medium. It removes nothing.\r\n\r\n"
                "Running Setup again removes the previous installation first.",
                "Uninstall Lexovant", MB_OK | MB_ICONINFORMATION);
    return 0;
}
