#include "CommonControls.h"

#include "Handles.h"

#include <stdexcept>

namespace {

template <typename Function>
void Bind(HMODULE Dll, const char* Name, Function& Target)
{
    Target = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Dll, Name)));
    if (!Target)
        throw std::runtime_error(std::string("comctl32.dll has no ") + Name);
}

TCommonControls Load()
{
    HMODULE Dll = LoadLibraryA("comctl32.dll");
    if (!Dll)
        throw std::runtime_error("Could not load comctl32.dll");
    TCommonControls Functions{};
    Bind(Dll, "InitCommonControlsEx", Functions.InitCommonControlsEx);
    Bind(Dll, "SetWindowSubclass", Functions.SetWindowSubclass);
    Bind(Dll, "RemoveWindowSubclass", Functions.RemoveWindowSubclass);
    Bind(Dll, "DefSubclassProc", Functions.DefSubclassProc);
    Bind(Dll, "ImageList_Create", Functions.ImageList_Create);
    Bind(Dll, "ImageList_AddMasked", Functions.ImageList_AddMasked);
    Bind(Dll, "ImageList_Destroy", Functions.ImageList_Destroy);
    return Functions;
}

}  // namespace

void TImageListTraits::Release(HIMAGELIST List)
{
    CommonControls().ImageList_Destroy(List);
}

const TCommonControls& CommonControls()
{
    static const TCommonControls Functions = Load();
    return Functions;
}
