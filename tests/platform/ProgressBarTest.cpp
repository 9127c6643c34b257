// The progress bar: its position changes at once, its repaints are held
// back and cover only the part that changed. What the screen shows after
// the repaints must be what a repaint of the whole bar shows.
#include "Application.h"
#include "Controls.h"
#include "Form.h"
#include "Layout.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

constexpr int BarId = 1;
constexpr TControlRow Rows[] = {
    {"Bar", BarId, TControlKind::ProgressBar, 0, 16, 72, 329, 16, 0, ""},
};
constexpr TFormLayout Layout = {"Bar test", 363, 153, TFormBorder::Dialog, Rows};

class TBarForm : public TForm {
public:
    TBarForm() : TForm(Layout), Bar(Find<TProgressBar>(BarId)) {}
    TProgressBar& Bar;
};

// Serves messages (paints and timers among them) for a while.
void PumpFor(int Milliseconds)
{
    DWORD Start = GetTickCount();
    while (GetTickCount() - Start < static_cast<DWORD>(Milliseconds)) {
        MSG Message;
        while (PeekMessageA(&Message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&Message);
            DispatchMessageA(&Message);
        }
        Sleep(1);
    }
}

// The bar's pixels as they are on the screen.
std::vector<COLORREF> Pixels(HWND Window)
{
    RECT Client;
    GetClientRect(Window, &Client);
    HDC Screen = GetDC(Window);
    std::vector<COLORREF> Result;
    for (int Y = 0; Y < Client.bottom; Y += 3)
        for (int X = 0; X < Client.right; ++X)
            Result.push_back(GetPixel(Screen, X, Y));
    ReleaseDC(Window, Screen);
    return Result;
}

std::vector<COLORREF> PixelsOfWholeRepaint(HWND Window)
{
    InvalidateRect(Window, nullptr, TRUE);
    UpdateWindow(Window);
    return Pixels(Window);
}

TEST(ProgressBar, StepsAtOnceAndPaintsWhatAWholeRepaintPaints)
{
    Application.Initialize();
    TBarForm Form;
    Form.Bar.SetStep(1);
    Form.Show();
    PumpFor(300);
    HWND Bar = Form.Bar.Handle();
    // Single steps painted one by one, runs of steps painted together
    // (faster than the repaint interval), and a step back.
    const int Runs[] = {1, 1, 1, 7, 1, 13, 2, 30};
    int Expected = 0;
    for (int Steps : Runs) {
        for (int I = 0; I < Steps; ++I) {
            Form.Bar.StepIt();
            EXPECT_EQ(Form.Bar.Position(), ++Expected);
        }
        PumpFor(2 * static_cast<int>(TProgressBar::RepaintInterval.count()));
        std::vector<COLORREF> Shown = Pixels(Bar);
        EXPECT_EQ(Shown, PixelsOfWholeRepaint(Bar)) << "at " << Expected;
    }
    Form.Bar.SetPosition(20);
    EXPECT_EQ(Form.Bar.Position(), 20);
    PumpFor(2 * static_cast<int>(TProgressBar::RepaintInterval.count()));
    std::vector<COLORREF> Shown = Pixels(Bar);
    EXPECT_EQ(Shown, PixelsOfWholeRepaint(Bar)) << "back at 20";
    Form.Hide();
}

}  // namespace
