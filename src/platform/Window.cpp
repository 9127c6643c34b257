#include "Window.h"

#include "ErrorBox.h"

#include <exception>
#include <stdexcept>
#include <string>

TWindow::~TWindow()
{
    if (Wnd)
        DestroyWindow(Wnd);
}

TWindow* TWindow::FromHandle(HWND Window)
{
    if (!Window || reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Window, GWLP_WNDPROC)) != &Procedure)
        return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
}

void TWindow::CreateHandle(const char* ClassName, HBRUSH Background, DWORD ExStyle, DWORD Style, const char* Text,
                           int X, int Y, int Width, int Height, HWND Parent)
{
    HINSTANCE Instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA Existing{};
    Existing.cbSize = sizeof Existing;
    if (!GetClassInfoExA(Instance, ClassName, &Existing)) {
        WNDCLASSEXA Class{};
        Class.cbSize = sizeof Class;
        Class.lpfnWndProc = &Procedure;
        Class.hInstance = Instance;
        Class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        Class.hbrBackground = Background;
        Class.hIcon = LoadIconA(Instance, "MAINICON");
        Class.lpszClassName = ClassName;
        if (!RegisterClassExA(&Class))
            throw std::runtime_error(std::string("Could not register the window class ") + ClassName);
    }
    if (!CreateWindowExA(ExStyle, ClassName, Text, Style, X, Y, Width, Height, Parent, nullptr, Instance, this))
        throw std::runtime_error(std::string("Could not create the window ") + Text);
}

LRESULT TWindow::WindowProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    return DefWindowProcA(Wnd, Message, WParam, LParam);
}

LRESULT CALLBACK TWindow::Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_NCCREATE) {
        auto* Self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        Self->Wnd = Window;
        SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
    }
    auto* Self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
    if (!Self)
        return DefWindowProcA(Window, Message, WParam, LParam);
    if (Message == WM_NCDESTROY) {
        SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
        Self->Wnd = nullptr;
        return DefWindowProcA(Window, Message, WParam, LParam);
    }
    try {
        return Self->WindowProc(Message, WParam, LParam);
    } catch (const std::exception& Error) {
        ShowErrorBox(Error.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return 0;
}
