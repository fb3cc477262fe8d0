// The settings dialog opened from the main window, as the program shows it: driven from a
// thread timer inside its modal loop the way a user's clicks and keys reach it, with the
// program's real boxes answered the same way.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/core/window/main_commands.h"
#include "monitor/core/window/win32/main_form.h"
#include "monitor/core/window/win32/tests/window_test_support.h"
#include "monitor/setup/system_entries.h"
#include "monitor/setup/win32/tests/dialog_user.h"
#include "monitor/setup/win32/tests/registry_keys.h"

namespace lw {
namespace {

const std::string kFile = "LWSETUP.INI";
HWND Hwnd(const TControl& control) {
    return reinterpret_cast<HWND>(control.Handle());
}

std::string ShortForm(const std::string& path) {
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return shortPath;
}

class OpenSetupTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::MakeAllPortsOpenable(); }
    void TearDown() override {
        testing::RemoveSettingsFile(kFile);
        testing::RemoveRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
        testing::RemoveRegistryValue(HKEY_CURRENT_USER, kRemoteAccessKey, kDialUiValue);
        DeleteFileA(ringLog.c_str());
        testing::DropQuitMessages();
    }
    static void Settings(const std::string& portSection) {
        testing::WriteQuietSettings(kFile, portSection);
    }
    static MainFormOptions Options() {
        return {.arguments = {}, .showCommand = SW_SHOWNORMAL, .settingsFile = kFile};
    }
    // Opens the dialog from the system menu; the user's steps run inside it.
    static void OpenSetup(MainForm& form) {
        SendMessageA(form.Handle(), WM_SYSCOMMAND, kSetupSystemCommand, 0);
    }
    static std::string MenuText(HWND window, UINT command) {
        char text[64] = {};
        GetMenuStringA(GetSystemMenu(window, FALSE), command, text, sizeof text, MF_BYCOMMAND);
        return text;
    }

    Win32Application app{"LineWink"};
    const std::string ringLog = LogFileBeside(Win32Application::ExeName(), "RI");
};

// Cancel brings the settings back; the start-up entry, the modem icon bit, the opened driver
// and the deleted log stay as the dialog left them.
TEST_F(OpenSetupTest, CancelRestoresTheSettingsButNotWhatWasDoneToTheSystem) {
    Settings("RNAAPP=1\r\nTimer Interval=18\r\nLog RI=0\r\n");
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
    RegCreateKeyExA(HKEY_CURRENT_USER, kRemoteAccessKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    const BYTE none[4] = {0, 0, 0, 0};
    RegSetValueExA(key, kDialUiValue, 0, REG_BINARY, none, sizeof none);
    RegCloseKey(key);
    std::ofstream(ringLog, std::ios::binary) << "Call: 01.01.2024 10:00:00   Signals= 2\r\n";
    // The driver is a file of that name beside the program; it goes when the driver closes.
    const std::string driver = testing::ProgramDirectory() + "\\LNWINK95.VXD";
    std::ofstream(driver, std::ios::binary) << "driver";

    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    const MonitorSettings before = form.Main().Settings();
    TSetupDlg& dialog = form.Setup().Dialog();
    testing::DialogUser user;
    user.Click(Hwnd(*dialog.CBLoadWindows));
    user.ChoosePage(*dialog.Setup, 2);
    user.Click(Hwnd(*dialog.CBShowDUNIcon));
    user.Click(Hwnd(*dialog.CBNoVxd));
    user.Answer(IDOK);
    user.Type(reinterpret_cast<HWND>(dialog.SETimer->Handle()), "\b\b5");
    user.ChoosePage(*dialog.Setup, 3);
    user.Click(reinterpret_cast<HWND>(dialog.LayoutGroup->ItemHandle(0)));
    user.ChoosePage(*dialog.Setup, 7);
    user.Click(Hwnd(*dialog.CheckBoxLogRI));
    user.Click(Hwnd(*dialog.BitBtn19));
    user.Answer(IDOK);
    user.Check([&] {
        EXPECT_EQ(form.Main().Settings().TimerInterval, 5);
        EXPECT_EQ(form.Main().Settings().NewOrientation, 1);
        EXPECT_EQ(form.Main().Settings().NoVxd, 0);
        EXPECT_EQ(form.Main().Settings().LogRI, 1);
    });
    user.Click(Hwnd(*dialog.Cancel));
    OpenSetup(form);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_EQ(user.boxes,
              (std::vector<std::string>{"LNWINK95.VXD loaded.", "Delete RI Log file?"}));

    const MonitorSettings& after = form.Main().Settings();
    EXPECT_EQ(after.TimerInterval, 18);
    EXPECT_EQ(after.NewOrientation, before.NewOrientation);
    EXPECT_EQ(after.NoVxd, 1);
    EXPECT_EQ(after.LogRI, 0);
    EXPECT_FALSE(IsWindowVisible(form.Setup().Handle()));
    EXPECT_TRUE(KillTimer(form.Handle(), MainForm::kTickTimer)) << "the tick runs again";

    HKEY run = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, &run), ERROR_SUCCESS);
    char entry[MAX_PATH] = {};
    DWORD size = sizeof entry;
    RegQueryValueExA(run, kRunValue, nullptr, nullptr, reinterpret_cast<BYTE*>(entry), &size);
    RegCloseKey(run);
    EXPECT_EQ(std::string(entry), ShortForm(Win32Application::ExeName()));
    HKEY remote = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kRemoteAccessKey, 0, KEY_QUERY_VALUE, &remote),
              ERROR_SUCCESS);
    BYTE dialUi[4] = {};
    size = sizeof dialUi;
    RegQueryValueExA(remote, kDialUiValue, nullptr, nullptr, dialUi, &size);
    RegCloseKey(remote);
    EXPECT_EQ(dialUi[0], 4);
    EXPECT_EQ(GetFileAttributesA(ringLog.c_str()), INVALID_FILE_ATTRIBUTES);
    // The driver is still held open: its file is there, and nobody else may open it.
    EXPECT_NE(GetFileAttributesA(driver.c_str()), INVALID_FILE_ATTRIBUTES);
    const HANDLE other =
        CreateFileA(driver.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    if (other != INVALID_HANDLE_VALUE) {
        CloseHandle(other);
    }
}

TEST_F(OpenSetupTest, ARateOfZeroStopsTheTickAtOnceAndOffersUpdateLampsNow) {
    Settings("Timer Interval=18\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(MenuText(form.Handle(), kUpdateNowCommand), "");
    TSetupDlg& dialog = form.Setup().Dialog();
    testing::DialogUser user;
    user.ChoosePage(*dialog.Setup, 2);
    user.Type(reinterpret_cast<HWND>(dialog.SETimer->Handle()), "\b\b0");
    bool tickRunning = true;
    user.Check([&] {
        tickRunning = KillTimer(form.Handle(), MainForm::kTickTimer) != FALSE;
        EXPECT_EQ(MenuText(form.Handle(), kUpdateNowCommand), "");
    });
    user.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_FALSE(tickRunning);
    EXPECT_EQ(form.Main().Settings().TimerInterval, 0);
    EXPECT_EQ(MenuText(form.Handle(), kUpdateNowCommand), "Update Lamps &Now!");
}

TEST_F(OpenSetupTest, AnotherLayoutWhileMinimisedStaysMinimisedAndTheSameKeepsTheWidth) {
    Settings("NewOrientation=-3\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    TSetupDlg& dialog = form.Setup().Dialog();
    MonitorSettings& settings = form.Main().Settings();
    testing::DialogUser user;
    user.ChoosePage(*dialog.Setup, 3);
    std::int32_t widthBefore = 0;
    std::int32_t widthAfter = 0;
    user.Check([&] {
        EXPECT_EQ(settings.NewOrientation, 3) << "shown while the dialog is open";
        widthBefore = settings.WindowSizeX;
        SendMessageA(reinterpret_cast<HWND>(dialog.LayoutGroup->ItemHandle(2)), BM_CLICK, 0, 0);
        widthAfter = settings.WindowSizeX;
        SendMessageA(reinterpret_cast<HWND>(dialog.LayoutGroup->ItemHandle(4)), BM_CLICK, 0, 0);
        EXPECT_EQ(settings.WindowSizeX, 0);
    });
    user.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_EQ(widthAfter, widthBefore);
    EXPECT_EQ(settings.NewOrientation, -5);
}

// A switch to a port whose layout is not minimised shows the window normally where the new
// port's settings put it.
TEST_F(OpenSetupTest, SwitchingFromAMinimisedPortShowsTheWindowAtTheNewPortsPlace) {
    testing::WriteSettingsFile(kFile,
                               "[LineWinker: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n"
                               "[LineWinker on COM1]\r\nNoVxd=1\r\nNewOrientation=-3\r\n"
                               "[LineWinker on COM2]\r\nNoVxd=1\r\nNewOrientation=4\r\n"
                               "Window Position X=150\r\nWindow Position Y=120\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    EXPECT_TRUE(testing::PumpUntil([&] { return IsIconic(app.Handle()) != FALSE; }));
    TSetupDlg& dialog = form.Setup().Dialog();
    const HWND ports = GetWindow(Hwnd(*dialog.ComboBPorts), GW_CHILD);
    testing::DialogUser user;
    user.ChoosePage(*dialog.Setup, 2);
    user.Then([ports] {
        SetFocus(ports);
        SendMessageA(ports, EM_SETSEL, 0, -1);
        for (char key : std::string("COM2")) {
            SendMessageA(ports, WM_CHAR, static_cast<unsigned char>(key), 0);
        }
        return true;
    });
    user.Check([&] { EXPECT_EQ(form.Main().Settings().DefaultPort, 2); });
    user.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    testing::PumpFor(200);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();

    EXPECT_EQ(form.Main().Settings().NewOrientation, 4);
    EXPECT_FALSE(IsIconic(app.Handle()));
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    RECT place;
    GetWindowRect(form.Handle(), &place);
    EXPECT_EQ(place.left, 150);
    EXPECT_EQ(place.top, 120);
}

// The dialog shows the caption over a whole panel; afterwards the caption goes or stays as the
// port then monitored has it, and each port's section keeps its user's choice.
TEST_F(OpenSetupTest, TheCaptionShowsForTheDialogAndThenFollowsThePortSwitchedTo) {
    testing::WriteSettingsFile(kFile,
                               "[LineWinker: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n"
                               "[LineWinker on COM1]\r\nNoVxd=1\r\nNewOrientation=1\r\n"
                               "No Title Bar=1\r\n"
                               "[LineWinker on COM2]\r\nNoVxd=1\r\nNewOrientation=1\r\n"
                               "No Title Bar=0\r\n");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    const HWND window = form.Handle();
    const auto captionShown = [window] {
        return (GetWindowLongPtrA(window, GWL_STYLE) & WS_BORDER) != 0;
    };
    const auto height = [window] {
        RECT bounds;
        GetWindowRect(window, &bounds);
        return static_cast<int>(bounds.bottom - bounds.top);
    };
    // The large square panel under a caption.
    const int captionedHeight =
        70 + GetSystemMetrics(SM_CYSIZE) + GetSystemMetrics(SM_CYDLGFRAME) + 1;
    testing::PumpFor(200);
    EXPECT_FALSE(captionShown());
    EXPECT_LT(height(), captionedHeight);

    TSetupDlg& dialog = form.Setup().Dialog();
    const HWND ports = GetWindow(Hwnd(*dialog.ComboBPorts), GW_CHILD);
    const auto choosePort = [ports](const std::string& name) {
        return [ports, name] {
            SetFocus(ports);
            SendMessageA(ports, EM_SETSEL, 0, -1);
            for (char key : name) {
                SendMessageA(ports, WM_CHAR, static_cast<unsigned char>(key), 0);
            }
            return true;
        };
    };
    testing::DialogUser user;
    // The panel is sized again at its next drawing; a wrong size is reported, not waited out.
    int looks = 0;
    user.Then([&] {
        return (captionShown() && height() == captionedHeight) ||
               ++looks == testing::DialogUser::kPatience;
    });
    user.Check([&] {
        EXPECT_TRUE(captionShown());
        EXPECT_EQ(height(), captionedHeight);
    });
    user.ChoosePage(*dialog.Setup, 2);
    user.Then(choosePort("COM2"));
    user.Check([&] {
        EXPECT_EQ(form.Main().Settings().DefaultPort, 2);
        EXPECT_EQ(testing::ReadSetting(kFile, "LineWinker on COM1", "No Title Bar"), "1");
    });
    user.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    testing::PumpFor(200);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_TRUE(captionShown());
    EXPECT_EQ(form.Main().Settings().NoTitleBar, 0);

    testing::DialogUser back;
    back.ChoosePage(*dialog.Setup, 2);
    back.Then(choosePort("COM1"));
    back.Check([&] {
        EXPECT_EQ(form.Main().Settings().DefaultPort, 1);
        EXPECT_TRUE(captionShown()) << "still shown while the dialog is open";
        EXPECT_EQ(testing::ReadSetting(kFile, "LineWinker on COM2", "No Title Bar"), "0");
    });
    back.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    EXPECT_TRUE(back.failures.empty()) << back.failures.front();
    EXPECT_FALSE(captionShown());
    EXPECT_EQ(form.Main().Settings().NoTitleBar, 1);
    EXPECT_TRUE(testing::PumpUntil([&] { return height() < captionedHeight; }));
}

// Ticking "Use Registry" with a statistics name the system does not publish offers the names;
// the one picked shows in the settings dialog's list at once.
TEST_F(OpenSetupTest, UseRegistryOffersTheStatisticsNamesAndThePickShowsAtOnce) {
    Settings("DUNRegistry=0\r\nDUNRegistryName=Gone\r\n");
    testing::SetRegistryString(HKEY_DYN_DATA, "PerfStats\\StartSrv", "Dial-Up Adapter", "");
    testing::SetRegistryString(HKEY_DYN_DATA, "PerfStats\\StartSrv", "Dial-Up Adapter #2", "");
    MainForm form(app, Options());
    ASSERT_TRUE(form.Create());
    TSetupDlg& dialog = form.Setup().Dialog();
    TSelectRegDlg& names = form.SelectReg();
    std::string picked;
    testing::DialogUser user;
    user.ChoosePage(*dialog.Setup, 2);
    user.Click(Hwnd(*dialog.CBDunRegistry));
    user.Then([&] {
        if (!IsWindowVisible(names.Handle())) {
            return false;
        }
        const HWND list = names.List();
        const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        char text[64] = {};
        SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
        picked = text;
        const LPARAM where = MAKELPARAM(5, height + height / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageA(list, WM_LBUTTONUP, 0, where);
        PostMessageA(GetDlgItem(names.Handle(), IDOK), BM_CLICK, 0, 0);
        return true;
    });
    user.Check([&] {
        EXPECT_FALSE(IsWindowVisible(names.Handle()));
        EXPECT_EQ(dialog.ComboBDeviceDesc->Text(), picked);
        EXPECT_TRUE(IsWindowEnabled(Hwnd(*dialog.ComboBDeviceDesc)));
    });
    user.Click(Hwnd(*dialog.Ok));
    OpenSetup(form);
    testing::RemoveRegistryKeys(HKEY_DYN_DATA, {"PerfStats\\StartSrv"});
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_FALSE(picked.empty());
    EXPECT_EQ(form.Main().Settings().DUNRegistryName, picked);
    EXPECT_EQ(form.Main().Settings().DUNRegistry, 1);
}

}  // namespace
}  // namespace lw
