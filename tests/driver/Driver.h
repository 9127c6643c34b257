#pragma once
// Drives a real Windows program of ours from a test, as a user would,
// through window messages: the program runs in its own process (under Wine
// and Xvfb in our test runs), the test finds its windows by caption and
// their controls by id, clicks, types, presses keys and reads what is
// shown. Every wait has a time limit; a program still running when its
// TProgram goes is killed.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Driver {

// The Windows form of a path from the environment: a Unix path (from the
// build) becomes one on drive Z:, a Windows path stays as it is.
std::string WindowsPath(const std::string& Path);
// An environment variable that the test's command line sets; fails the
// calling test when it is missing.
std::string RequiredEnvironment(const char* Name);

class TProgram {
public:
    // Starts Program with the given command-line arguments in WorkDir (the
    // program's own directory when empty).
    explicit TProgram(const std::string& Program, const std::string& Arguments = {},
                      const std::string& WorkDir = {});
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;
    ~TProgram();

    DWORD ProcessId() const { return Info.dwProcessId; }
    bool Running() const;
    // True when the program ended within the time.
    bool WaitForExit(int Milliseconds);
    DWORD ExitCode() const;
    void Kill();

private:
    PROCESS_INFORMATION Info{};
};

// Polls until Condition holds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& Condition, int Milliseconds);

// A visible top-level window of the process with that caption (and class,
// when given); null when none appeared in time.
HWND WaitForWindow(DWORD ProcessId, const std::string& Caption, int Milliseconds = 10000,
                   const char* ClassName = nullptr);
// The visible top-level windows of a process.
std::vector<HWND> TopLevelWindows(DWORD ProcessId);
// A descendant of Window by control id; null when there is none.
HWND Control(HWND Window, int Id);

std::string Text(HWND Window);
std::string ClassName(HWND Window);
// The window's own visibility flag, and whether it is really shown (its
// parents too).
bool HasVisibleStyle(HWND Window);
bool IsShown(HWND Window);
bool IsEnabled(HWND Window);
// The window's rectangle in the client coordinates of Parent.
RECT RectIn(HWND Window, HWND Parent);
SIZE ClientSize(HWND Window);
// The control that has the keyboard focus in the window's thread.
HWND Focus(HWND AnyWindowOfThread);

// Clicks a visible, enabled button (false, and nothing done, otherwise).
bool Click(HWND Button);
// The close box (or the system menu's Close).
void CloseBox(HWND Window);
// A key press (down and up) to the focused control of the window's thread,
// or to the window itself when nothing has the focus.
void PressKey(HWND Window, WORD VirtualKey);
void PressKeyWithAlt(HWND Window, char Letter);
inline void PressEnter(HWND Window) { PressKey(Window, VK_RETURN); }
inline void PressEscape(HWND Window) { PressKey(Window, VK_ESCAPE); }
inline void PressTab(HWND Window) { PressKey(Window, VK_TAB); }
// Types the characters into a control, one WM_CHAR each.
void TypeText(HWND Control, const std::string& Text);
// Mouse buttons and moves at a point of the control's client area; Keys
// adds MK_CONTROL or MK_SHIFT, as held during a click.
void MouseDown(HWND Control, int X, int Y, bool Right = false, WPARAM Keys = 0);
void MouseUp(HWND Control, int X, int Y, bool Right = false, WPARAM Keys = 0);
void MouseMove(HWND Control, int X, int Y);

std::vector<std::string> ListEntries(HWND ListBox);
// Tree-view nodes: the first root (Parent null) or first child, the next
// sibling, selecting one (as a click would), and whether it is expanded.
HTREEITEM TreeChild(HWND Tree, HTREEITEM Parent);
HTREEITEM TreeNext(HWND Tree, HTREEITEM Node);
void TreeSelect(HWND Tree, HTREEITEM Node);
bool TreeExpanded(HWND Tree, HTREEITEM Node);
std::vector<int> ListSelection(HWND ListBox);

// A message box (the system's dialog class) of the process.
struct TMessageBox {
    HWND Window = nullptr;
    std::string Caption, Text;
    std::vector<std::string> Buttons;  // their texts, in window order
    HWND Icon = nullptr;               // the icon picture, when the box has one
};
std::optional<TMessageBox> WaitForMessageBox(DWORD ProcessId, int Milliseconds = 10000);
// Presses the box's button with that text.
bool Answer(const TMessageBox& Box, const std::string& ButtonText);

// The screen's pixels, top-down rows of red, green, blue.
struct TScreenImage {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Rgb;
    COLORREF At(int X, int Y) const;
};
TScreenImage CaptureScreen();
// Writes the screen to a 24-bit BMP file; false when it cannot be written.
bool SaveScreenshot(const TScreenImage& Image, const std::string& BmpPath);

}  // namespace Driver
