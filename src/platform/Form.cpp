#include "Form.h"

#include "Application.h"

#include <map>
#include <utility>

namespace {

DWORD StyleOf(TFormBorder Border)
{
    switch (Border) {
    case TFormBorder::Dialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case TFormBorder::DialogNoSysMenu: return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    case TFormBorder::None: return WS_POPUP | WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

DWORD ExStyleOf(TFormBorder Border)
{
    return (Border == TFormBorder::None ? 0 : WS_EX_DLGMODALFRAME) | WS_EX_CONTROLPARENT;
}

struct TEnabledWindows {
    HWND Except;
    std::vector<HWND> Disabled;
};

BOOL CALLBACK CollectEnabled(HWND Window, LPARAM Data)
{
    auto* Collect = reinterpret_cast<TEnabledWindows*>(Data);
    if (Window != Collect->Except && IsWindowVisible(Window) && IsWindowEnabled(Window))
        Collect->Disabled.push_back(Window);
    return TRUE;
}

}  // namespace

TForm::TForm(const TFormLayout& Layout) : ScaleValue(TScale::OfScreen())
{
    const TScale& S = ScaleValue;
    // The window rectangle that gives the client size asked for, centred
    // on the screen.
    RECT Frame{0, 0, S(Layout.ClientWidth), S(Layout.ClientHeight)};
    AdjustWindowRectEx(&Frame, StyleOf(Layout.Border), FALSE, ExStyleOf(Layout.Border));
    int Width = Frame.right - Frame.left, Height = Frame.bottom - Frame.top;
    int X = (GetSystemMetrics(SM_CXSCREEN) - Width) / 2, Y = (GetSystemMetrics(SM_CYSCREEN) - Height) / 2;
    CreateHandle("LexovantForm", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), ExStyleOf(Layout.Border),
                 StyleOf(Layout.Border), Layout.Caption, X, Y, Width, Height, Application.Handle());

    Font.Reset(CreateFontA(-S(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font.Get()), FALSE);

    // Where each container's rows go: a panel holds its rows itself; a group
    // box only frames them, its rows are its parent's children shifted by
    // the box's position (so that their notifications reach the form).
    struct TContainer {
        HWND Window;
        int Left, Top;  // design offset inside Window
    };
    std::map<int, TContainer> Containers{{0, {Handle(), 0, 0}}};
    std::map<int, bool> GroupStarted;
    for (const TControlRow& Row : Layout.Controls) {
        const TContainer& In = Containers.at(Row.ParentId);
        int Left = In.Left + Row.Left, Top = In.Top + Row.Top;
        // Sizes are scaled by themselves, so that equal design sizes stay equal.
        TControl::TPlacement Placement{
            In.Window, {S(Left), S(Top), S(Left) + S(Row.Width), S(Top) + S(Row.Height)}, Font.Get()};
        bool FirstOfGroup = false;
        if (Row.Kind == TControlKind::RadioButton)
            FirstOfGroup = !std::exchange(GroupStarted[Row.ParentId], true);
        Controls.push_back(MakeControl(Row, Placement, S, FirstOfGroup));
        if (Row.Kind == TControlKind::Panel)
            Containers[Row.Id] = {Controls.back()->Handle(), 0, 0};
        else if (Row.Kind == TControlKind::GroupBox)
            Containers[Row.Id] = {In.Window, Left, Top};
    }
    // A group box lies over the rows it frames; at the bottom of the window
    // order it no longer clips them. It takes no focus, so the tab order
    // stays as the layout gives it.
    for (const auto& Each : Controls)
        if (Each->Row().Kind == TControlKind::GroupBox)
            SetWindowPos(Each->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TForm::~TForm()
{
    if (HWND Window = Handle())
        DestroyWindow(Window);
}

void TForm::Show()
{
    FormShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm::Hide()
{
    ShowWindow(Handle(), SW_HIDE);
}

bool TForm::Visible() const
{
    return IsWindowVisible(Handle()) != FALSE;
}

int TForm::ShowModal()
{
    if (Modal || Visible())
        throw std::logic_error("Cannot make a visible window modal");
    HWND Previous = GetActiveWindow();
    // Every other enabled, visible window of this thread is disabled while
    // the modal form is open, as the dialog manager does for its owner.
    TEnabledWindows Collect{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabled, reinterpret_cast<LPARAM>(&Collect));
    for (HWND Window : Collect.Disabled)
        EnableWindow(Window, FALSE);

    Modal = true;
    Result = ModalNone;
    Show();
    while (Result == ModalNone) {
        if (!Application.ProcessMessage()) {
            Result = ModalCancel;  // the program is ending
            break;
        }
        if (Result != ModalNone)
            EndModal();
    }
    // Enable the others before hiding, so that activation goes back to them.
    for (HWND Window : Collect.Disabled)
        if (IsWindow(Window))
            EnableWindow(Window, TRUE);
    Hide();
    if (Previous && IsWindow(Previous))
        SetActiveWindow(Previous);
    Modal = false;
    return Result;
}

void TForm::EndModal()
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (CanClose)
        FormClose();
    else
        Result = ModalNone;
}

void TForm::SetModalResult(int NewResult)
{
    Result = NewResult;
    // Wakes the modal loop, should nothing else be queued.
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

void TForm::Close()
{
    if (Modal) {
        SetModalResult(ModalCancel);
        return;
    }
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (!CanClose)
        return;
    FormClose();
    Hide();
    if (Application.GetMainForm() == this)
        Application.Terminate();
}

void TForm::SetCaption(const std::string& Caption)
{
    SetWindowTextA(Handle(), Caption.c_str());
}

void TForm::FocusControl(HWND Control)
{
    ActiveControl = Control;
    if (GetActiveWindow() == Handle())
        SetFocus(Control);
}

TForm* TForm::Of(HWND Window)
{
    return Window ? dynamic_cast<TForm*>(TWindow::FromHandle(GetAncestor(Window, GA_ROOT))) : nullptr;
}

TControl* TForm::ControlOf(HWND Window) const
{
    for (const auto& Each : Controls)
        if (Each->Handle() == Window)
            return Each.get();
    return nullptr;
}

TButton* TForm::FirstButton(bool (TButton::*Role)() const) const
{
    for (const auto& Each : Controls)
        if (auto* Button = dynamic_cast<TButton*>(Each.get()))
            if ((Button->*Role)() && IsWindowVisible(Button->Handle()) && Button->Enabled())
                return Button;
    return nullptr;
}

bool TForm::PreTranslate(MSG& Message)
{
    if (Message.message == WM_KEYDOWN && (Message.wParam == VK_RETURN || Message.wParam == VK_ESCAPE))
        return DialogKey(Message);
    return IsDialogMessageA(Handle(), &Message) != FALSE;
}

bool TForm::DialogKey(const MSG& Message)
{
    HWND Focus = GetFocus();
    LRESULT Wants = Focus ? SendMessageA(Focus, WM_GETDLGCODE, Message.wParam,
                                         reinterpret_cast<LPARAM>(&Message))
                          : 0;
    if (Wants & DLGC_WANTMESSAGE)
        return false;
    if (Message.wParam == VK_ESCAPE) {
        TButton* Cancel = FirstButton(&TButton::IsCancel);
        if (!Cancel)
            return false;
        Cancel->Press();
        return true;
    }
    if (Wants & DLGC_WANTALLKEYS)
        return false;
    if (auto* Focused = dynamic_cast<TButton*>(ControlOf(Focus)); Focused && Focused->Enabled()) {
        Focused->Press();
        return true;
    }
    if (TButton* Default = FirstButton(&TButton::IsDefault)) {
        Default->Press();
        return true;
    }
    return false;
}

LRESULT TForm::WindowProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_COMMAND:
        if (TControl* Control = ControlOf(reinterpret_cast<HWND>(LParam)))
            Control->Command(HIWORD(WParam));
        return 0;
    case WM_NOTIFY: {
        const auto& Header = *reinterpret_cast<const NMHDR*>(LParam);
        if (TControl* Control = ControlOf(Header.hwndFrom))
            return Control->Notify(Header);
        return 0;
    }
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(WParam) == WA_INACTIVE) {
            HWND Focus = GetFocus();
            if (Focus && IsChild(Handle(), Focus))
                ActiveControl = Focus;
        } else {
            HWND Target = ActiveControl;
            if (!Target || !IsWindow(Target) || !IsWindowVisible(Target) || !IsWindowEnabled(Target))
                Target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (Target)
                SetFocus(Target);
        }
        return 0;
    case DM_GETDEFID:
        if (TButton* Default = FirstButton(&TButton::IsDefault))
            return MAKELRESULT(Default->Id(), DC_HASDEFID);
        return 0;
    }
    return TWindow::WindowProc(Message, WParam, LParam);
}
