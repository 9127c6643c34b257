#include "Application.h"

#include "CommonControls.h"
#include "ErrorBox.h"
#include "Form.h"

#include <commctrl.h>

#include <exception>

TApplication Application;

namespace {

// The application window: a zero-sized top-level popup that owns the forms
// and carries the program's task-bar button with the application title. A
// close request on it (from the task bar) is a close request on the main
// form.
class TApplicationWindow : public TWindow {
public:
    explicit TApplicationWindow(const char* Title)
    {
        CreateHandle("LexovantApplication", nullptr, 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, Title,
                     0, 0, 0, 0, nullptr);
    }

protected:
    LRESULT WindowProc(UINT Message, WPARAM WParam, LPARAM LParam) override
    {
        if (Message == WM_CLOSE) {
            if (TForm* Main = Application.GetMainForm())
                Main->Close();
            return 0;
        }
        return TWindow::WindowProc(Message, WParam, LParam);
    }
};

}  // namespace

void TApplication::Initialize()
{
    INITCOMMONCONTROLSEX Controls{sizeof Controls, ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS};
    CommonControls().InitCommonControlsEx(&Controls);
    AppWindow = std::make_unique<TApplicationWindow>(Title.c_str());
}

void TApplication::Run()
{
    SetWindowTextA(Handle(), Title.c_str());
    ShowWindow(Handle(), SW_SHOWNA);
    if (MainForm)
        MainForm->Show();
    while (ProcessMessage()) {
    }
    while (!Forms.empty())
        Forms.pop_back();
    AppWindow.reset();
}

bool TApplication::ProcessMessage()
{
    MSG Message;
    BOOL Got = GetMessageA(&Message, nullptr, 0, 0);
    if (Got == 0 || Got == -1) {
        PostQuitMessage(Got == 0 ? static_cast<int>(Message.wParam) : 1);
        return false;
    }
    try {
        TForm* Form = TForm::Of(Message.hwnd);
        if (Form && Form->PreTranslate(Message))
            return true;
    } catch (const std::exception& Error) {
        ShowErrorBox(Error.what());
        return true;
    }
    TranslateMessage(&Message);
    DispatchMessageA(&Message);
    return true;
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}
