#include "ErrorBox.h"

#include "Application.h"
#include "ErrorText.h"

#include <windows.h>

void ShowErrorBox(const std::string& Message)
{
    // Owned by the active window, so that the box is modal to the form
    // whose handler failed.
    MessageBoxA(GetActiveWindow(), ErrorBoxText(Message).c_str(), Application.Title.c_str(), MB_ICONSTOP | MB_OK);
}
