#pragma once
// The base of every window made by this layer. All our window classes share
// one window procedure: it takes the object from the create parameters on
// WM_NCCREATE, keeps it in the window's user data, hands every message to
// the object's WindowProc and drops the link on WM_NCDESTROY. It is also the
// boundary that no exception crosses: an exception that a handler does not
// catch ends that handler and is shown in the error box.
#include <windows.h>

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    // Destroys the window if it still exists.
    virtual ~TWindow();

    HWND Handle() const { return Wnd; }
    // The object of a window made by this layer, or null for any other.
    static TWindow* FromHandle(HWND Window);

protected:
    // ClassName is registered on first use with the shared procedure.
    void CreateHandle(const char* ClassName, HBRUSH Background, DWORD ExStyle, DWORD Style, const char* Text,
                      int X, int Y, int Width, int Height, HWND Parent);
    virtual LRESULT WindowProc(UINT Message, WPARAM WParam, LPARAM LParam);

private:
    static LRESULT CALLBACK Procedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    HWND Wnd = nullptr;
};
