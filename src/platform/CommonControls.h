#pragma once
// The common controls, loaded at run time rather than imported: a static
// import would load comctl32 and the DLLs it imports before the program's
// first line runs, while the DLL search still includes the program's own
// folder. Loaded after RestrictDllSearch, by the manifest's binding
// (version 6, side by side).
#include <windows.h>
#include <commctrl.h>

struct TCommonControls {
    decltype(&::InitCommonControlsEx) InitCommonControlsEx;
    decltype(&::SetWindowSubclass) SetWindowSubclass;
    decltype(&::RemoveWindowSubclass) RemoveWindowSubclass;
    decltype(&::DefSubclassProc) DefSubclassProc;
    decltype(&::ImageList_Create) ImageList_Create;
    decltype(&::ImageList_AddMasked) ImageList_AddMasked;
    decltype(&::ImageList_Destroy) ImageList_Destroy;
};

// Loads the DLL on first use; throws when it or one of its functions is missing.
const TCommonControls& CommonControls();
