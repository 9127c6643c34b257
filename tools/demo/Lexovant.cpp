// A stand-in for the Lexovant program on the demonstration medium: a window
// that names the program and shows the word list it was opened with, so
// that the installed shortcuts and the .wdl association can be seen working.
#include "DemoIds.h"

#include <windows.h>

#include <string>

namespace {

const char* const Title = "Lexovant 1.0";

std::string WordListText(const std::string& Path)
{
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (File == INVALID_HANDLE_VALUE)
        return "The word list cannot be read.";
    std::string Text(64 * 1024, '\0');
    DWORD Read = 0;
    if (!ReadFile(File, Text.data(), static_cast<DWORD>(Text.size()), &Read, nullptr))
        Read = 0;
    CloseHandle(File);
    Text.resize(Read);
    return Text;
}

LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(Window, Message, WParam, LParam);
}

HWND Child(HWND Parent, const char* Class, const char* Text, DWORD Style, int Id, int X, int Y, int W, int H)
{
    HWND Control = CreateWindowExA(0, Class, Text, WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(Control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return Control;
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int Show)
{
    std::string WordList = __argc > 1 ? __argv[1] : "";

    WNDCLASSA Class{};
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = Instance;
    Class.hIcon = LoadIconA(Instance, MAKEINTRESOURCEA(DemoProgramIcon));
    Class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    Class.lpszClassName = "LexovantDemoWindow";
    RegisterClassA(&Class);

    HWND Window = CreateWindowExA(0, Class.lpszClassName, Title, WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 480, 360, nullptr, nullptr, Instance, nullptr);
    HWND TitleLabel = Child(Window, "STATIC", Title, SS_LEFT, DemoTitleLabel, 16, 10, 440, 24);
    HFONT TitleFont = CreateFontA(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SendMessageA(TitleLabel, WM_SETFONT, reinterpret_cast<WPARAM>(TitleFont), TRUE);
    std::string Opened = WordList.empty() ? "No word list opened." : "Word list: " + WordList;
    Child(Window, "STATIC", Opened.c_str(), SS_LEFT | SS_PATHELLIPSIS, DemoPathLabel, 16, 36, 440, 20);
    std::string Contents = WordList.empty() ? std::string() : WordListText(WordList);
    HWND ContentsEdit = Child(Window, "EDIT", Contents.c_str(),
                              WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, DemoContentsEdit,
                              16, 64, 440, 240);
    // Word lists are two columns separated by a tab.
    int TabStop = 80;
    SendMessageA(ContentsEdit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&TabStop));
    ShowWindow(Window, Show);

    MSG Message;
    while (GetMessageA(&Message, nullptr, 0, 0) > 0) {
        TranslateMessage(&Message);
        DispatchMessageA(&Message);
    }
    return 0;
}
