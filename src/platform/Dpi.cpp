#include "Dpi.h"

#include "Handles.h"

TScale TScale::OfScreen()
{
    TScreenDc Screen(GetDC(nullptr));
    int Dpi = Screen ? GetDeviceCaps(Screen.Get(), LOGPIXELSY) : 96;
    return TScale(Dpi > 0 ? Dpi : 96);
}
