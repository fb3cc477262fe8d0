// The screen's controls driven by real window messages: picture buttons, the activity
// gauge and the percentage bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"
#include "installer/ui/win32/install_screen.h"
#include "installer/ui/win32/percentage_bar_window.h"
#include "installer/ui/win32/tests/test_support.h"

namespace aw {
namespace {

using test::PixelOf;

using Command = test::ScreenController::Command;

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

class PictureButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded());
        layout.Gauge.Visible = 0;
        ASSERT_TRUE(screen.Create("Buttons"));
        ASSERT_TRUE(screen.Realise());
        exit = GetDlgItem(screen.Window(), kExitCommand);
        ASSERT_NE(exit, nullptr);
    }
    // The bitmaps' bevel: light at the top left when up, dark when down.
    bool DrawnDown(HWND button) const { return PixelOf(button, 1, 1) != RGB(255, 255, 255); }

    LanguageLibrary library{test::ProgramFolder() + "\\awenu.dll"};
    test::ScreenController controller{library.Instance()};
    ScreenLayout layout;
    InstallScreen screen{layout, controller};
    HWND exit = nullptr;
};

TEST_F(PictureButtonTest, PressingLeavingAndReleasingSendsNothing) {
    SendMessageA(exit, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), exit);
    EXPECT_TRUE(DrawnDown(exit));
    SendMessageA(exit, WM_MOUSEMOVE, MK_LBUTTON, At(-20, 10));
    EXPECT_FALSE(DrawnDown(exit));
    SendMessageA(exit, WM_MOUSEMOVE, MK_LBUTTON, At(70, 45));
    EXPECT_FALSE(DrawnDown(exit));
    SendMessageA(exit, WM_LBUTTONUP, 0, At(70, 45));
    EXPECT_TRUE(controller.commands.empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(DrawnDown(exit));
}

TEST_F(PictureButtonTest, PressingAndReleasingSendsTheCommandWithTheFormerFocus) {
    const HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20,
                                      screen.Window(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SetFocus(edit);
    SendMessageA(exit, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(exit, WM_MOUSEMOVE, MK_LBUTTON, At(100, 10));
    SendMessageA(exit, WM_MOUSEMOVE, MK_LBUTTON, At(11, 11));
    EXPECT_TRUE(DrawnDown(exit));
    SendMessageA(exit, WM_LBUTTONUP, 0, At(11, 11));
    ASSERT_EQ(controller.commands.size(), 1u);
    EXPECT_EQ(controller.commands[0], (Command{kExitCommand, edit}));

    const HWND help = GetDlgItem(screen.Window(), kHelpCommand);
    const HWND minimise = GetDlgItem(screen.Window(), kMinimiseCommand);
    for (HWND button : {help, minimise}) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
        SendMessageA(button, WM_LBUTTONUP, 0, At(5, 5));
    }
    ASSERT_EQ(controller.commands.size(), 3u);
    EXPECT_EQ(controller.commands[1], (Command{kHelpCommand, exit}));
    EXPECT_EQ(controller.commands[2], (Command{kMinimiseCommand, nullptr}));
}

TEST_F(PictureButtonTest, LosingThePointerToAnotherWindowEndsThePress) {
    SendMessageA(exit, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SetCapture(screen.Window());
    EXPECT_FALSE(DrawnDown(exit));
    ReleaseCapture();
    SendMessageA(exit, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_TRUE(controller.commands.empty());
}

TEST(ActivityGaugeWindow, PulsesSetBothBarsBetweenSeventyAndAHundred) {
    LanguageLibrary library(test::ProgramFolder() + "\\awenu.dll");
    test::ScreenController controller(library.Instance());
    ScreenLayout layout;
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Gauge"));
    ASSERT_TRUE(screen.Realise());
    const HWND gauge = test::OwnedDialog(screen.Window());
    ASSERT_NE(gauge, nullptr);
    auto levels = [&] {
        return std::pair{SendDlgItemMessageA(gauge, AW_ID_GAUGE_FIRST_BAR, kBarGetValue, 0, 0),
                         SendDlgItemMessageA(gauge, AW_ID_GAUGE_SECOND_BAR, kBarGetValue, 0, 0)};
    };
    EXPECT_EQ(levels(), (std::pair<LRESULT, LRESULT>{77, 90}));
    screen.GaugePulse();
    const auto pulsed = levels();
    for (LRESULT level : {pulsed.first, pulsed.second}) {
        EXPECT_GE(level, 70);
        EXPECT_LE(level, 100);
    }
    EXPECT_NE(pulsed, (std::pair<LRESULT, LRESULT>{77, 90}));
}

class PercentageBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterPercentageBar());
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND Bar(int width, int height) {
        return CreateWindowExA(0, AW_PERCENT_BAR_CLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, width,
                               height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    // Black pixels of the value's text inside the given part of the bar.
    static int TextPixels(const test::Snapshot& shot, RECT part) {
        int count = 0;
        for (int y = part.top; y < part.bottom; ++y) {
            for (int x = part.left; x < part.right; ++x) {
                count += shot.At(x, y) == RGB(0, 0, 0) ? 1 : 0;
            }
        }
        return count;
    }
    HWND parent = nullptr;
};

TEST_F(PercentageBarTest, AWideBarFillsFromTheLeftWithItsValueInTheMiddle) {
    const HWND bar = Bar(200, 24);
    SendMessageA(bar, kBarSetColour, RGB(0, 0, 200), 0);
    SendMessageA(bar, kBarSetValue, 25, 0);
    EXPECT_EQ(SendMessageA(bar, kBarGetValue, 0, 0), 25);
    const test::Snapshot shot(bar);
    EXPECT_EQ(shot.At(2, 12), RGB(0, 0, 200));
    EXPECT_EQ(shot.At(49, 2), RGB(0, 0, 200));
    EXPECT_EQ(shot.At(50, 2), RGB(255, 255, 255));
    EXPECT_EQ(shot.At(197, 12), RGB(255, 255, 255));
    EXPECT_GT(TextPixels(shot, {80, 0, 120, 24}), 10);
    EXPECT_EQ(TextPixels(shot, {0, 0, 60, 24}) + TextPixels(shot, {140, 0, 200, 24}), 0);
}

TEST_F(PercentageBarTest, ATallBarFillsFromTheBottomWithItsValueUpright) {
    const HWND bar = Bar(24, 200);
    SendMessageA(bar, kBarSetColour, RGB(0, 150, 0), 0);
    SendMessageA(bar, kBarSetValue, 40, 0);
    const test::Snapshot shot(bar);
    EXPECT_EQ(shot.At(2, 197), RGB(0, 150, 0));
    EXPECT_EQ(shot.At(2, 120), RGB(0, 150, 0));
    EXPECT_EQ(shot.At(2, 119), RGB(255, 255, 255));
    // Upright text stands in the middle and is taller than it is wide.
    EXPECT_GT(TextPixels(shot, {0, 80, 24, 120}), 10);
    EXPECT_EQ(TextPixels(shot, {0, 0, 24, 60}) + TextPixels(shot, {0, 140, 24, 200}), 0);
}

}  // namespace
}  // namespace aw
