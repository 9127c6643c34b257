#include "Control.h"

#include "CommonControls.h"
#include "ErrorBox.h"
#include "Form.h"

#include <commctrl.h>

#include <exception>
#include <stdexcept>
#include <vector>

TControl::TControl(const TControlRow& Row, const TPlacement& Placement, const char* ClassName, DWORD Style,
                   DWORD ExStyle)
    : LayoutRow(Row)
{
    Style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (!(Row.Flags & LayoutFlag::Hidden))
        Style |= WS_VISIBLE;
    if (Row.Flags & LayoutFlag::Disabled)
        Style |= WS_DISABLED;
    const RECT& B = Placement.Bounds;
    Wnd = CreateWindowExA(ExStyle, ClassName, Row.Text, Style, B.left, B.top, B.right - B.left, B.bottom - B.top,
                          Placement.Parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Row.Id)),
                          GetModuleHandleA(nullptr), nullptr);
    if (!Wnd)
        throw std::runtime_error(std::string("Could not create the control ") + Row.Name);
    SendMessageA(Wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Placement.Font), FALSE);
    CommonControls().SetWindowSubclass(Wnd, &SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TControl::~TControl()
{
    if (Wnd) {
        CommonControls().RemoveWindowSubclass(Wnd, &SubclassProc, 0);
        DestroyWindow(Wnd);
    }
}

void TControl::SetText(const std::string& Text)
{
    SetWindowTextA(Wnd, Text.c_str());
}

std::string TControl::Text() const
{
    std::vector<char> Buffer(GetWindowTextLengthA(Wnd) + 1);
    int Length = GetWindowTextA(Wnd, Buffer.data(), static_cast<int>(Buffer.size()));
    return std::string(Buffer.data(), Length > 0 ? Length : 0);
}

void TControl::SetVisible(bool Visible)
{
    ShowWindow(Wnd, Visible ? SW_SHOWNA : SW_HIDE);
}

void TControl::SetEnabled(bool Enabled)
{
    EnableWindow(Wnd, Enabled);
}

bool TControl::Enabled() const
{
    return IsWindowEnabled(Wnd) != FALSE;
}

void TControl::SetFocus()
{
    if (TForm* Form = TForm::Of(Wnd))
        Form->FocusControl(Wnd);
}

LRESULT TControl::ControlProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    return DefaultProc(Message, WParam, LParam);
}

LRESULT TControl::DefaultProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    return CommonControls().DefSubclassProc(Wnd, Message, WParam, LParam);
}

LRESULT CALLBACK TControl::SubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                        DWORD_PTR Self)
{
    auto* Control = reinterpret_cast<TControl*>(Self);
    if (Message == WM_NCDESTROY) {
        CommonControls().RemoveWindowSubclass(Window, &SubclassProc, 0);
        Control->Wnd = nullptr;
        return CommonControls().DefSubclassProc(Window, Message, WParam, LParam);
    }
    try {
        return Control->ControlProc(Message, WParam, LParam);
    } catch (const std::exception& Error) {
        ShowErrorBox(Error.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return 0;
}
