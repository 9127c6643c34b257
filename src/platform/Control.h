#pragma once
// The base of every control: a child window of a system class (or of our
// panel class), made from one row of a layout. Each control is subclassed,
// so that it can see its own messages; the form routes the notifications
// that controls send to their parent back to the control by handle.
// The control window is destroyed with its parent; the object then only
// forgets its handle (WM_NCDESTROY), so destroy the form's window before
// its control objects.
#include "Layout.h"

#include <windows.h>

#include <string>

class TControl {
public:
    struct TPlacement {
        HWND Parent;
        RECT Bounds;  // scaled, in the parent's client coordinates
        HFONT Font;
    };

    TControl(const TControlRow& Row, const TPlacement& Placement, const char* ClassName, DWORD Style,
             DWORD ExStyle = 0);
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl();

    HWND Handle() const { return Wnd; }
    const TControlRow& Row() const { return LayoutRow; }
    int Id() const { return LayoutRow.Id; }

    virtual void SetText(const std::string& Text);
    std::string Text() const;
    // The control's own visibility; it shows only when its parents do too.
    void SetVisible(bool Visible);
    void SetEnabled(bool Enabled);
    bool Enabled() const;
    // Focuses the control now, or when its form is next activated.
    void SetFocus();

    // A notification that the control sent to its parent.
    virtual void Command(int /*NotifyCode*/) {}
    virtual LRESULT Notify(const NMHDR& /*Header*/) { return 0; }

protected:
    // The control's own messages; the default is the class's procedure.
    virtual LRESULT ControlProc(UINT Message, WPARAM WParam, LPARAM LParam);
    LRESULT DefaultProc(UINT Message, WPARAM WParam, LPARAM LParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                         DWORD_PTR Self);
    const TControlRow& LayoutRow;
    HWND Wnd = nullptr;
};
