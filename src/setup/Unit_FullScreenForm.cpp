#include "Unit_FullScreenForm.h"

#include "FullScreenForm.layout.h"

TFullScreenForm* FullScreenForm = nullptr;

TFullScreenForm::TFullScreenForm() : TForm(FullScreenFormLayout::Form), Teal(CreateSolidBrush(RGB(0, 128, 128)))
{
    EnableWindow(Handle(), FALSE);
}

void TFullScreenForm::CoverScreen()
{
    SetWindowPos(Handle(), HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

LRESULT TFullScreenForm::WindowProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ERASEBKGND) {
        RECT Client;
        GetClientRect(Handle(), &Client);
        FillRect(reinterpret_cast<HDC>(WParam), &Client, Teal.Get());
        return 1;
    }
    return TForm::WindowProc(Message, WParam, LParam);
}
