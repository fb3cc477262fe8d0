// The controller's windows and started programs on the real system: the icon window and its
// commands, the progress window's Cancel, and programs waited for with their exit codes.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/controller/run/controller_services.h"
#include "installer/controller/run/win32/win32_controller_windows.h"
#include "installer/controller/run/win32/win32_machine.h"
#include "installer/controller/win32/pending_messages.h"
#include "installer/controller/win32/tests/test_files.h"

namespace aw::test {
namespace {

// A plain window standing for the install screen, noting the null messages it receives.
struct Screen {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NULL) {
            closeRequests.push_back(wParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Screen() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "awtestscreen";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "awtestscreen", "screen", WS_POPUP, 0, 0, 640, 480, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~Screen() { DestroyWindow(window); }
    HWND window;
    static inline std::vector<WPARAM> closeRequests;
};

TEST(ControllerWindowsWine, TheIconWindowStandsInvisibleAndItsCommandsBringTheScreenBack) {
    Screen screen;
    Win32ControllerWindows windows(GetModuleHandleA(nullptr));
    windows.SetInstallScreen(screen.window);
    windows.LoadProgramIcon("C:\\no such icon.ico");
    ASSERT_TRUE(windows.CreateIconWindow("Setup"));
    windows.SetIconWindowTitle("Line Wink");
    HWND icon = windows.IconWindow();
    char name[32] = {};
    GetClassNameA(icon, name, sizeof name);
    EXPECT_STREQ(name, "wndclassic");
    char title[32] = {};
    GetWindowTextA(icon, title, sizeof title);
    EXPECT_STREQ(title, "Line Wink");
    EXPECT_FALSE(windows.IconWindowVisible());

    ShowWindow(icon, SW_SHOWMINNOACTIVE);
    SendMessageA(icon, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(windows.IconWindowVisible());
    EXPECT_TRUE(IsWindowVisible(screen.window));
    EXPECT_TRUE(Screen::closeRequests.empty());
    SendMessageA(icon, WM_SYSCOMMAND, SC_CLOSE, 0);
    RunPendingMessages();
    EXPECT_EQ(Screen::closeRequests, std::vector<WPARAM>{2});
    EXPECT_TRUE(IsWindow(icon));
    windows.DestroyIconWindow();
    EXPECT_FALSE(IsWindow(icon));
}

TEST(ControllerWindowsWine, CancelInTheProgressWindowIsTakenOnce) {
    Win32ControllerWindows windows(GetModuleHandleA(nullptr));
    ASSERT_TRUE(windows.LoadLanguage(testing::ProgramDirectory() + "\\awenu.dll"));
    windows.ShowProgressWindow(true);
    ASSERT_TRUE(windows.ProgressWindowShown());
    windows.SetProgressLines("Copying a", "From: b", "To: c");
    windows.SetProgressPercent(40, "Setup - 40% complete");
    char line[64] = {};
    GetDlgItemTextA(windows.ProgressWindow(), 130, line, sizeof line);
    EXPECT_STREQ(line, "Copying a");
    EXPECT_FALSE(windows.TakeCancelRequest());
    SendMessageA(windows.ProgressWindow(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(windows.TakeCancelRequest());
    EXPECT_FALSE(windows.TakeCancelRequest());
    windows.ShowProgressWindow(false);
    EXPECT_FALSE(windows.ProgressWindowShown());
}

TEST(ControllerWindowsWine, ProgramsAreWaitedForWithTheirExitCodes) {
    Win32Machine machine;
    ExecuteRequest request;
    request.Kind = 1;
    request.ShowWindow = SW_HIDE;
    request.CommandLine = "cmd.exe /c exit 7";
    ASSERT_TRUE(machine.Execute(request));
    EXPECT_EQ(request.ExitCode, 7u);
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    request.CommandLine = "no-such-program.exe";
    EXPECT_FALSE(machine.Execute(request));
    request.ThroughShell = 1;
    EXPECT_FALSE(machine.Execute(request));
}

}  // namespace
}  // namespace aw::test
