// Setup.exe at 144 DPI (run by gui-run.sh --dpi 144): the wizard is larger,
// every position and size scaled by 1.5.
#include "ControlIds.h"
#include "Driver.h"
#include "SetupFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace Driver;

TEST(SetupAt144Dpi, EverythingScaled)
{
    TSetupFolder Folder({"English", "Nederlands"});
    TProgram Program(Folder.SetupExe());
    HWND Main = WaitForWindow(Program.ProcessId(), "Lexovant Setup");
    ASSERT_NE(Main, nullptr);
    HDC Screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(Screen, LOGPIXELSY), 144) << "the screen is not at 144 DPI";
    ReleaseDC(nullptr, Screen);
    SIZE Client = ClientSize(Main);
    EXPECT_EQ(Client.cx, 798);  // 532 * 1.5
    EXPECT_EQ(Client.cy, 530);  // 353 * 1.5, rounded
    RECT Cancel = RectIn(Control(Main, MainFormId::CancelButton), Main);
    EXPECT_EQ(Cancel.left, 660);
    EXPECT_EQ(Cancel.top, 480);
    EXPECT_EQ(Cancel.right - Cancel.left, 113);
    EXPECT_EQ(Cancel.bottom - Cancel.top, 38);
    RECT Box = RectIn(Control(Main, MainFormId::LanguageBox), Main);
    EXPECT_EQ(Box.left, 228);
    EXPECT_EQ(Box.top, 60);
    RECT Image = RectIn(Control(Main, MainFormId::SetupImage), Main);
    EXPECT_EQ(Image.right - Image.left, 180);
    EXPECT_EQ(Image.bottom - Image.top, 420);
    // The font grows too: the label's text is taller than at 96 DPI.
    RECT Label = RectIn(Control(Main, MainFormId::LanguageLabel), Main);
    EXPECT_GE(Label.bottom - Label.top, 18);
    EXPECT_TRUE(Click(Control(Main, MainFormId::CancelButton)));
    EXPECT_TRUE(Program.WaitForExit(5000));
}

}  // namespace
