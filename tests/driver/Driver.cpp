#include "Driver.h"

#include <chrono>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace Driver {

namespace {

const int ReplyTime = 5000;  // the longest a sent message may take

// The driver measures the program's windows in real pixels: a program that
// is not DPI-aware would see them scaled to 96 DPI.
const BOOL DpiAware = SetProcessDPIAware();

struct TFindTopLevel {
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectTopLevel(HWND Window, LPARAM Data)
{
    auto* Find = reinterpret_cast<TFindTopLevel*>(Data);
    DWORD Owner = 0;
    GetWindowThreadProcessId(Window, &Owner);
    if (Owner == Find->ProcessId && IsWindowVisible(Window))
        Find->Found.push_back(Window);
    return TRUE;
}

struct TFindChild {
    int Id;
    HWND Found;
};

BOOL CALLBACK FindChildById(HWND Window, LPARAM Data)
{
    auto* Find = reinterpret_cast<TFindChild*>(Data);
    if (GetDlgCtrlID(Window) == Find->Id) {
        Find->Found = Window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChildren(HWND Window, LPARAM Data)
{
    reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Window);
    return TRUE;
}

LRESULT Send(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    DWORD_PTR Result = 0;
    if (!SendMessageTimeoutA(Window, Message, WParam, LParam, SMTO_ABORTIFHUNG, ReplyTime, &Result))
        return 0;
    return static_cast<LRESULT>(Result);
}

HWND KeyTarget(HWND Window)
{
    HWND Target = Focus(Window);
    return Target ? Target : Window;
}

LPARAM KeyData(WORD VirtualKey, bool Up, bool Alt = false)
{
    UINT Scan = MapVirtualKeyA(VirtualKey, MAPVK_VK_TO_VSC);
    LPARAM Data = 1 | (static_cast<LPARAM>(Scan) << 16);
    if (Alt)
        Data |= 1 << 29;
    if (Up)
        Data |= (1u << 30) | (1u << 31);
    return Data;
}

}  // namespace

std::string WindowsPath(const std::string& Path)
{
    if (Path.empty() || Path[0] != '/')
        return Path;
    std::string Result = "Z:" + Path;
    for (char& C : Result)
        if (C == '/')
            C = '\\';
    return Result;
}

std::string RequiredEnvironment(const char* Name)
{
    const char* Value = std::getenv(Name);
    if (!Value || !*Value)
        throw std::runtime_error(std::string("The environment variable ") + Name + " is not set");
    return Value;
}

TProgram::TProgram(const std::string& Program, const std::string& Arguments, const std::string& WorkDir)
{
    std::string CommandLine = "\"" + Program + "\"" + (Arguments.empty() ? "" : " " + Arguments);
    std::string Directory = WorkDir;
    if (Directory.empty()) {
        std::string::size_type Cut = Program.find_last_of("\\/");
        Directory = Cut == std::string::npos ? "." : Program.substr(0, Cut);
    }
    STARTUPINFOA Startup{};
    Startup.cb = sizeof Startup;
    if (!CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, Directory.c_str(), &Startup, &Info))
        throw std::runtime_error("Could not start " + Program + " (error " + std::to_string(GetLastError()) + ")");
}

TProgram::~TProgram()
{
    Kill();
    CloseHandle(Info.hThread);
    CloseHandle(Info.hProcess);
}

bool TProgram::Running() const
{
    return WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT;
}

bool TProgram::WaitForExit(int Milliseconds)
{
    return WaitForSingleObject(Info.hProcess, Milliseconds) == WAIT_OBJECT_0;
}

DWORD TProgram::ExitCode() const
{
    DWORD Code = STILL_ACTIVE;
    GetExitCodeProcess(Info.hProcess, &Code);
    return Code;
}

void TProgram::Kill()
{
    if (Running()) {
        TerminateProcess(Info.hProcess, 255);
        WaitForSingleObject(Info.hProcess, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& Condition, int Milliseconds)
{
    auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(Milliseconds);
    for (;;) {
        if (Condition())
            return true;
        if (std::chrono::steady_clock::now() >= Deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::vector<HWND> TopLevelWindows(DWORD ProcessId)
{
    TFindTopLevel Find{ProcessId, {}};
    EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&Find));
    return Find.Found;
}

HWND WaitForWindow(DWORD ProcessId, const std::string& Caption, int Milliseconds, const char* WantedClass)
{
    HWND Found = nullptr;
    WaitUntil(
        [&] {
            for (HWND Window : TopLevelWindows(ProcessId))
                if (Text(Window) == Caption && (!WantedClass || ClassName(Window) == WantedClass)) {
                    Found = Window;
                    return true;
                }
            return false;
        },
        Milliseconds);
    return Found;
}

HWND Control(HWND Window, int Id)
{
    TFindChild Find{Id, nullptr};
    EnumChildWindows(Window, &FindChildById, reinterpret_cast<LPARAM>(&Find));
    return Find.Found;
}

std::string Text(HWND Window)
{
    LRESULT Length = Send(Window, WM_GETTEXTLENGTH, 0, 0);
    std::string Result(static_cast<std::size_t>(Length) + 1, '\0');
    Length = Send(Window, WM_GETTEXT, Result.size(), reinterpret_cast<LPARAM>(Result.data()));
    Result.resize(static_cast<std::size_t>(Length));
    return Result;
}

std::string ClassName(HWND Window)
{
    char Name[256];
    int Length = GetClassNameA(Window, Name, sizeof Name);
    return std::string(Name, Length > 0 ? Length : 0);
}

bool HasVisibleStyle(HWND Window)
{
    return (GetWindowLongA(Window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsShown(HWND Window)
{
    return IsWindowVisible(Window) != FALSE;
}

bool IsEnabled(HWND Window)
{
    return IsWindowEnabled(Window) != FALSE;
}

RECT RectIn(HWND Window, HWND Parent)
{
    RECT Rect;
    GetWindowRect(Window, &Rect);
    MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&Rect), 2);
    return Rect;
}

SIZE ClientSize(HWND Window)
{
    RECT Rect{};
    GetClientRect(Window, &Rect);
    return {Rect.right, Rect.bottom};
}

HWND Focus(HWND AnyWindowOfThread)
{
    GUITHREADINFO Info{};
    Info.cbSize = sizeof Info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(AnyWindowOfThread, nullptr), &Info))
        return nullptr;
    return Info.hwndFocus;
}

bool Click(HWND Button)
{
    if (!Button || !IsShown(Button) || !IsEnabled(Button))
        return false;
    // Posted, not sent: a click that opens a modal window returns only
    // when that window closes.
    return PostMessageA(Button, BM_CLICK, 0, 0) != FALSE;
}

void CloseBox(HWND Window)
{
    PostMessageA(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void PressKey(HWND Window, WORD VirtualKey)
{
    HWND Target = KeyTarget(Window);
    PostMessageA(Target, WM_KEYDOWN, VirtualKey, KeyData(VirtualKey, false));
    PostMessageA(Target, WM_KEYUP, VirtualKey, KeyData(VirtualKey, true));
}

void PressKeyWithAlt(HWND Window, char Letter)
{
    HWND Target = KeyTarget(Window);
    WORD Key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(Letter)));
    PostMessageA(Target, WM_SYSKEYDOWN, Key, KeyData(Key, false, true));
    PostMessageA(Target, WM_SYSCHAR, static_cast<unsigned char>(Letter), KeyData(Key, false, true));
    PostMessageA(Target, WM_SYSKEYUP, Key, KeyData(Key, true, true));
}

void TypeText(HWND Control, const std::string& Text)
{
    for (char C : Text)
        PostMessageA(Control, WM_CHAR, static_cast<unsigned char>(C), 1);
}

void MouseDown(HWND Control, int X, int Y, bool Right, WPARAM Keys)
{
    PostMessageA(Control, Right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, (Right ? MK_RBUTTON : MK_LBUTTON) | Keys,
                 MAKELPARAM(X, Y));
}

void MouseUp(HWND Control, int X, int Y, bool Right, WPARAM Keys)
{
    PostMessageA(Control, Right ? WM_RBUTTONUP : WM_LBUTTONUP, Keys, MAKELPARAM(X, Y));
}

void MouseMove(HWND Control, int X, int Y)
{
    PostMessageA(Control, WM_MOUSEMOVE, 0, MAKELPARAM(X, Y));
}

std::vector<std::string> ListEntries(HWND ListBox)
{
    // In wide characters: across processes Wine hands the list's text over
    // as the list window keeps it.
    std::vector<std::string> Entries;
    LRESULT Count = Send(ListBox, LB_GETCOUNT, 0, 0);
    for (LRESULT I = 0; I < Count; ++I) {
        LRESULT Length = SendMessageW(ListBox, LB_GETTEXTLEN, I, 0);
        std::wstring Wide(static_cast<std::size_t>(Length > 0 ? Length : 0) + 1, L'\0');
        Length = SendMessageW(ListBox, LB_GETTEXT, I, reinterpret_cast<LPARAM>(Wide.data()));
        Wide.resize(static_cast<std::size_t>(Length > 0 ? Length : 0));
        std::string Entry(Wide.size() * 2 + 1, '\0');
        int Bytes = WideCharToMultiByte(CP_ACP, 0, Wide.c_str(), static_cast<int>(Wide.size()), Entry.data(),
                                        static_cast<int>(Entry.size()), nullptr, nullptr);
        Entry.resize(static_cast<std::size_t>(Bytes > 0 ? Bytes : 0));
        Entries.push_back(Entry);
    }
    return Entries;
}

HTREEITEM TreeChild(HWND Tree, HTREEITEM Parent)
{
    return reinterpret_cast<HTREEITEM>(
        Send(Tree, TVM_GETNEXTITEM, Parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(Parent)));
}

HTREEITEM TreeNext(HWND Tree, HTREEITEM Node)
{
    return reinterpret_cast<HTREEITEM>(Send(Tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(Node)));
}

void TreeSelect(HWND Tree, HTREEITEM Node)
{
    Send(Tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Node));
}

bool TreeExpanded(HWND Tree, HTREEITEM Node)
{
    return (Send(Tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Node), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

std::vector<int> ListSelection(HWND ListBox)
{
    std::vector<int> Selected;
    LRESULT Count = Send(ListBox, LB_GETCOUNT, 0, 0);
    for (LRESULT I = 0; I < Count; ++I)
        if (Send(ListBox, LB_GETSEL, I, 0) > 0)
            Selected.push_back(static_cast<int>(I));
    return Selected;
}

std::optional<TMessageBox> WaitForMessageBox(DWORD ProcessId, int Milliseconds)
{
    HWND Found = nullptr;
    WaitUntil(
        [&] {
            for (HWND Window : TopLevelWindows(ProcessId))
                if (ClassName(Window) == "#32770") {
                    Found = Window;
                    return true;
                }
            return false;
        },
        Milliseconds);
    if (!Found)
        return std::nullopt;
    TMessageBox Box;
    Box.Window = Found;
    Box.Caption = Text(Found);
    std::vector<HWND> Children;
    EnumChildWindows(Found, &CollectChildren, reinterpret_cast<LPARAM>(&Children));
    for (HWND Child : Children) {
        std::string Kind = ClassName(Child);
        LONG Style = GetWindowLongA(Child, GWL_STYLE);
        if (Kind == "Button")
            Box.Buttons.push_back(Text(Child));
        else if (Kind == "Static" && (Style & SS_TYPEMASK) == SS_ICON)
            Box.Icon = Child;
        else if (Kind == "Static" && GetDlgCtrlID(Child) == 0xFFFF)
            Box.Text = Text(Child);
    }
    return Box;
}

bool Answer(const TMessageBox& Box, const std::string& ButtonText)
{
    std::vector<HWND> Children;
    EnumChildWindows(Box.Window, &CollectChildren, reinterpret_cast<LPARAM>(&Children));
    for (HWND Child : Children)
        if (ClassName(Child) == "Button" && Text(Child) == ButtonText)
            return Click(Child);
    return false;
}

COLORREF TScreenImage::At(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= Width || Y >= Height)
        return CLR_INVALID;
    const std::uint8_t* P = &Rgb[(static_cast<std::size_t>(Y) * Width + X) * 3];
    return RGB(P[0], P[1], P[2]);
}

TScreenImage CaptureScreen()
{
    TScreenImage Image;
    HDC Screen = GetDC(nullptr);
    Image.Width = GetSystemMetrics(SM_CXSCREEN);
    Image.Height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof Info.bmiHeader;
    Info.bmiHeader.biWidth = Image.Width;
    Info.bmiHeader.biHeight = -Image.Height;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    HBITMAP Bitmap = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HDC Memory = CreateCompatibleDC(Screen);
    HGDIOBJ Old = SelectObject(Memory, Bitmap);
    BitBlt(Memory, 0, 0, Image.Width, Image.Height, Screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* Pixels = static_cast<const std::uint8_t*>(Bits);
    Image.Rgb.resize(static_cast<std::size_t>(Image.Width) * Image.Height * 3);
    for (std::size_t I = 0; I < static_cast<std::size_t>(Image.Width) * Image.Height; ++I) {
        Image.Rgb[I * 3] = Pixels[I * 4 + 2];
        Image.Rgb[I * 3 + 1] = Pixels[I * 4 + 1];
        Image.Rgb[I * 3 + 2] = Pixels[I * 4];
    }
    SelectObject(Memory, Old);
    DeleteDC(Memory);
    DeleteObject(Bitmap);
    ReleaseDC(nullptr, Screen);
    return Image;
}

bool SaveScreenshot(const TScreenImage& Image, const std::string& BmpPath)
{
    int Stride = (Image.Width * 3 + 3) & ~3;
    BITMAPFILEHEADER File{};
    BITMAPINFOHEADER Header{};
    File.bfType = 0x4D42;
    File.bfOffBits = sizeof File + sizeof Header;
    File.bfSize = File.bfOffBits + Stride * Image.Height;
    Header.biSize = sizeof Header;
    Header.biWidth = Image.Width;
    Header.biHeight = -Image.Height;
    Header.biPlanes = 1;
    Header.biBitCount = 24;
    Header.biCompression = BI_RGB;
    std::FILE* Out = std::fopen(BmpPath.c_str(), "wb");
    if (!Out)
        return false;
    bool Ok = std::fwrite(&File, sizeof File, 1, Out) == 1 && std::fwrite(&Header, sizeof Header, 1, Out) == 1;
    std::vector<std::uint8_t> Row(Stride, 0);
    for (int Y = 0; Ok && Y < Image.Height; ++Y) {
        for (int X = 0; X < Image.Width; ++X) {
            const std::uint8_t* P = &Image.Rgb[(static_cast<std::size_t>(Y) * Image.Width + X) * 3];
            Row[X * 3] = P[2];
            Row[X * 3 + 1] = P[1];
            Row[X * 3 + 2] = P[0];
        }
        Ok = std::fwrite(Row.data(), Row.size(), 1, Out) == 1;
    }
    return std::fclose(Out) == 0 && Ok;
}

}  // namespace Driver
