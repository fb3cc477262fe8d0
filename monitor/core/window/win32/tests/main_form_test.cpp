// The main window in this process, on real windows, with the real sampling and a settings
// file of its own.
#include "monitor/core/window/win32/main_form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "monitor/core/sampling/win32/tests/dialer_stand_in.h"
#include "monitor/core/window/main_commands.h"
#include "monitor/core/window/win32/tests/window_test_support.h"

namespace lw {
namespace {

using testing::PumpFor;
using testing::PumpUntil;
using testing::ReadSetting;

const std::string kFile = "LWWINDOW.INI";
const std::string kMain = "LineWinker: Main";

std::string SystemDirectory() {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return directory;
}

// The stand-in dial-up program, installed and running as the system's; gone at the end.
class DialUp {
  public:
    DialUp() : path_(SystemDirectory() + "\\RNAAPP.EXE") {
        CopyFileA((testing::ProgramDirectory() + "\\RNAAPP.exe").c_str(), path_.c_str(), FALSE);
        std::string commandLine = "\"" + path_ + "\" 28800";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
        }
        for (int i = 0; i < 200 && dialog_ == nullptr && process_ != nullptr; ++i) {
            dialog_ = FindWindowA("#32770", lw::testing::kStandInTitle);
            Sleep(dialog_ == nullptr ? 50 : 0);
        }
    }
    ~DialUp() {
        if (dialog_ != nullptr) {
            PostMessageA(dialog_, WM_CLOSE, 0, 0);
        }
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
                TerminateProcess(process_, 1);
            }
            CloseHandle(process_);
        }
        DeleteFileA(path_.c_str());
    }
    DialUp(const DialUp&) = delete;
    DialUp& operator=(const DialUp&) = delete;

    bool Running() const { return dialog_ != nullptr; }
    void Traffic(WPARAM received, LPARAM sent) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(dialog_, lw::testing::kAddTraffic, received, sent, SMTO_BLOCK, 5000,
                            &result);
    }

  private:
    std::string path_;
    HANDLE process_ = nullptr;
    HWND dialog_ = nullptr;
};

// What the user does once a modal form is up: run from a thread timer inside its message loop.
std::function<void()> g_whileModal;

void CALLBACK RunWhileModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_whileModal();
}

void ClickButton(HWND form, int id) {
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
}

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::MakeAllPortsOpenable(); }
    void TearDown() override {
        testing::MakeAllPortsOpenable();
        testing::RemoveSettingsFile(kFile);
        testing::DropQuitMessages();
    }
    static void Settings(const std::string& portSection) {
        testing::WriteQuietSettings(kFile, portSection);
    }
    MainFormOptions Options(std::vector<std::string> arguments = {}) const {
        return {.arguments = std::move(arguments), .settingsFile = kFile};
    }
    static std::string MenuText(HWND window, UINT command) {
        char text[64] = {};
        GetMenuStringA(GetSystemMenu(window, FALSE), command, text, sizeof text, MF_BYCOMMAND);
        return text;
    }

    Win32Application app{"LineWink"};
};

TEST_F(MainFormTest, TheSystemMenuGetsItsEntries) {
    Settings("");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(MenuText(form.Handle(), kSetupSystemCommand), "&Setup...");
    EXPECT_EQ(MenuText(form.Handle(), kAboutSystemCommand), "&About...");
    EXPECT_EQ(MenuText(form.Handle(), kHelpSystemCommand), "&HELP");
    EXPECT_EQ(MenuText(form.Handle(), kUpdateNowCommand), "");
    char title[32] = {};
    GetWindowTextA(form.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "LineWink");
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

// Without ticks nothing is sampled until the system menu's entry asks, once each time.
TEST_F(MainFormTest, WithoutTicksUpdateLampsNowSamplesOnce) {
    DialUp dialUp;
    ASSERT_TRUE(dialUp.Running());
    Settings("Timer Interval=0\r\nRNAAPP=1\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(MenuText(form.Handle(), kUpdateNowCommand), "Update Lamps &Now!");
    const LineState& lamps = form.Main().Sampling().Current;
    PumpFor(300);
    EXPECT_EQ(lamps.CD, 0);

    SendMessageA(form.Handle(), WM_SYSCOMMAND, kUpdateNowCommand, 0);
    EXPECT_EQ(lamps.CD, 1);
    dialUp.Traffic(1500, 300);
    PumpFor(300);
    EXPECT_EQ(lamps.RD, 0);
    SendMessageA(form.Handle(), WM_SYSCOMMAND, kUpdateNowCommand, 0);
    EXPECT_EQ(lamps.RD, 1);
    EXPECT_EQ(form.Main().Sampling().LastReceived, 1500);
    PumpFor(300);
    EXPECT_EQ(lamps.RD, 1);
}

TEST_F(MainFormTest, WithoutAutoCheckNoPortButTheMonitoredOneIsOpened) {
    Settings("");
    testing::SetPortOpenable(1, false);
    testing::SetPortOpenable(3, false);
    {
        MainForm form(app, Options());
        ASSERT_TRUE(form.Create());
        EXPECT_EQ(form.Main().Sampling().PortAvailable,
                  (std::array<bool, 4>{false, true, true, true}));
    }
    MainForm checked(app, Options({"-AutoCheck"}));
    testing::SetPortOpenable(1, true);
    ASSERT_TRUE(checked.Create());
    EXPECT_EQ(checked.Main().Sampling().PortAvailable,
              (std::array<bool, 4>{true, true, false, true}));
}

TEST_F(MainFormTest, TheExitSequenceRunsOnceForTheCloseBoxAndTheSystemsShutdown) {
    Settings("Title=1\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    SetWindowPos(form.Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(form.Main().Closing(), ClosingState::Closed);
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "Window Position X"), "123");
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "Window Position Y"), "45");

    // Whatever the user does to the file meanwhile stays.
    WritePrivateProfileStringA("LineWinker on COM1", "Window Position X", "7", kFile.c_str());
    SetWindowPos(form.Handle(), nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(SendMessageA(form.Handle(), WM_QUERYENDSESSION, 0, 0));
    SendMessageA(form.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "Window Position X"), "7");
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFormTest, TheLightsHandOverArrivesAsCopyData) {
    Settings("");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    char text[] = "12 5678 My ISP";
    COPYDATASTRUCT record{1, sizeof text, text};
    EXPECT_TRUE(SendMessageA(form.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)));
    EXPECT_EQ(form.Main().Sampling().LightsEvent, 12u);
    EXPECT_EQ(form.Main().Sampling().LightsDevice, 5678u);
    EXPECT_EQ(form.Main().Sampling().LightsName, "My ISP");
    EXPECT_FALSE(SendMessageA(form.Handle(), WM_COPYDATA, 0, 0));
    EXPECT_EQ(form.Main().Sampling().LightsName, "My ISP");
}

TEST_F(MainFormTest, TheOKeyTakesTheCaptionAwayAndGivesItBack) {
    Settings("");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    SendMessageA(form.Handle(), WM_CHAR, 'o', 0);
    EXPECT_EQ(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_BORDER, 0);
    EXPECT_EQ(form.Main().Settings().NoTitleBar, 1);
    SendMessageA(form.Handle(), WM_CHAR, 'O', 0);
    EXPECT_NE(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_BORDER, 0);
}

// While the left button is down the panel answers as its caption, so that it drags.
TEST_F(MainFormTest, ThePanelDragsFromAnywhereWhileTheLeftButtonIsDown) {
    Settings("");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    PumpFor(100);
    RECT client;
    GetClientRect(form.Handle(), &client);
    POINT inside{client.right / 2, client.bottom / 2};
    ClientToScreen(form.Handle(), &inside);
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    EXPECT_EQ(SendMessageA(form.Handle(), WM_NCHITTEST, 0, at), HTCLIENT);

    SetCursorPos(0, 0);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof press);
    const bool dragged =
        PumpUntil([&] { return SendMessageA(form.Handle(), WM_NCHITTEST, 0, at) == HTCAPTION; });
    press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &press, sizeof press);
    PumpFor(50);
    EXPECT_TRUE(dragged);
}

// The settings dialog edits the settings in place; Cancel puts back what was there.
TEST_F(MainFormTest, CancellingSetupPutsTheSettingsBack) {
    Settings("LightColorOn=255\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    bool shown = false;
    g_whileModal = [&] {
        shown = IsWindowVisible(form.Setup().Handle()) && form.Main().DialogOpen();
        form.Main().Settings().LightColorOn = 0x00FF00;
        ClickButton(form.Setup().Handle(), IDCANCEL);
    };
    SetTimer(nullptr, 0, 100, RunWhileModal);
    SendMessageA(form.Handle(), WM_CHAR, 's', 0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(form.Main().DialogOpen());
    EXPECT_EQ(form.Main().Settings().LightColorOn, 255u);

    g_whileModal = [&] {
        form.Main().Settings().LightColorOn = 0x00FF00;
        ClickButton(form.Setup().Handle(), IDOK);
    };
    SetTimer(nullptr, 0, 100, RunWhileModal);
    SendMessageA(form.Handle(), WM_SYSCOMMAND, kSetupSystemCommand, 0);
    EXPECT_EQ(form.Main().Settings().LightColorOn, 0x00FF00u);
}

TEST_F(MainFormTest, TheAboutBoxIsModalAndClosesWithOk) {
    Settings("");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    bool modal = false;
    bool mainEnabled = true;
    g_whileModal = [&] {
        modal = IsWindowVisible(form.About().Handle()) && form.Main().ModalOpen();
        mainEnabled = IsWindowEnabled(form.Handle()) != FALSE;
        ClickButton(form.About().Handle(), IDOK);
    };
    SetTimer(nullptr, 0, 100, RunWhileModal);
    SendMessageA(form.Handle(), WM_CHAR, 'A', 0);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(form.Main().ModalOpen());
    EXPECT_FALSE(IsWindowVisible(form.About().Handle()));
}

}  // namespace
}  // namespace lw
