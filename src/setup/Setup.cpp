// The program entry of the installer.
#include "Application.h"
#include "ComApartment.h"
#include "DllSearch.h"
#include "ErrorBox.h"
#include "Main.h"
#include "Unit_ExitForm.h"
#include "Unit_ExtractForm.h"
#include "Unit_FullScreenForm.h"
#include "Unit_OverwriteForm.h"

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything can load a DLL that is not a KnownDLL.
    RestrictDllSearch();
    // The shell-link objects of the shortcuts need COM on this thread.
    TComApartment Com;
    try {
        Application.Initialize();
        Application.Title = "Setup";
        // In this order: creating the main form runs its FormCreate before
        // any other form exists.
        MainForm = Application.CreateForm<TMainForm>();
        ExitForm = Application.CreateForm<TExitForm>();
        FullScreenForm = Application.CreateForm<TFullScreenForm>();
        ExtractForm = Application.CreateForm<TExtractForm>();
        OverwriteForm = Application.CreateForm<TOverwriteForm>();
        Application.Run();
    } catch (const std::exception& Error) {
        ShowErrorBox(Error.what());
        return 1;
    }
    return 0;
}
