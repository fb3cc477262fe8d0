// LineWink.exe as a whole program, started as the user starts it, with its settings file in
// the Windows directory and its boxes answered from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "monitor/core/window/main_window_texts.h"
#include "monitor/core/window/win32/tests/window_test_support.h"

namespace lw {
namespace {

using testing::LookAtDialog;
using testing::ReadSetting;
using testing::SeenDialog;

const std::string kFile = "LINEWINK.INI";
const std::string kMain = "LineWinker: Main";

// One run of the monitor; ended, if it still runs, however the test ends.
class MonitorRun {
  public:
    explicit MonitorRun(const std::string& arguments, WORD showCommand = SW_SHOWNORMAL) {
        const std::string program = testing::ProgramDirectory() + "\\LineWink.exe";
        std::string commandLine = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = showCommand;
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            processId_ = info.dwProcessId;
        }
    }
    ~MonitorRun() {
        if (process_ != nullptr) {
            if (!Ended(0)) {
                TerminateProcess(process_, 1);
                WaitForSingleObject(process_, 5000);
            }
            CloseHandle(process_);
        }
    }
    MonitorRun(const MonitorRun&) = delete;
    MonitorRun& operator=(const MonitorRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    bool Ended(DWORD milliseconds) const {
        return WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
    }

    // The box "LineWink" the program shows, once it shows one (within ten seconds).
    SeenDialog WaitForBox() const { return LookAtDialog(WaitFor("#32770", "LineWink")); }
    HWND WaitForPanel() const { return WaitFor("LwForm", "LineWink"); }

    // Presses the box's only button as the user would and waits until the box has gone.
    static void Answer(const SeenDialog& box) {
        PostMessageA(box.window, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 100 && IsWindow(box.window); ++i) {
            Sleep(50);
        }
    }

    // The close box, then the end of the program.
    bool Close() const {
        const HWND panel = WaitForPanel();
        return panel != nullptr && PostMessageA(panel, WM_SYSCOMMAND, SC_CLOSE, 0) && Ended(10000);
    }
    bool PanelShown() const {
        return testing::FindWindowOf(processId_, "LwForm", "LineWink") != nullptr;
    }
    // The main window's close, shown or not, then the end of the program.
    bool CloseHidden() const {
        const HWND panel = WaitFor("LwForm", "LineWink", false);
        return panel != nullptr && PostMessageA(panel, WM_CLOSE, 0, 0) && Ended(10000);
    }

  private:
    HWND WaitFor(const char* className, const char* title, bool shownOnly = true) const {
        for (int i = 0; i < 200; ++i) {
            if (const HWND window =
                    testing::FindWindowOf(processId_, className, title, shownOnly)) {
                return window;
            }
            if (Ended(0)) {
                return nullptr;
            }
            Sleep(50);
        }
        return nullptr;
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::MakeAllPortsOpenable(); }
    void TearDown() override {
        testing::MakeAllPortsOpenable();
        testing::RemoveSettingsFile(kFile);
    }
    static void Settings(const std::string& text) { testing::WriteSettingsFile(kFile, text); }
    // Quiet settings for a port: no logo, no driver.
    static std::string Quiet(int port, const std::string& more = "") {
        return "[LineWinker: Main]\r\nDefault Port=" + std::to_string(port) +
               "\r\nShow Logo at Startup=0\r\n[LineWinker on COM" + std::to_string(port) +
               "]\r\nNoVxd=1\r\n" + more;
    }
};

// The settings are read before the command line: COM3 runs with what was kept for COM1 and
// keeps it in its own section at exit.
TEST_F(ProgramTest, APortArgumentRunsWithTheStoredPortsSettingsAndBecomesTheStoredPort) {
    Settings(Quiet(1, "LightColorOn=65280\r\nTimer Interval=4\r\n"));
    MonitorRun run("3");
    ASSERT_TRUE(run.Started());
    ASSERT_NE(run.WaitForPanel(), nullptr);
    ASSERT_TRUE(run.Close());

    EXPECT_EQ(ReadSetting(kFile, kMain, "Default Port"), "3");
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM3", "LightColorOn"), "65280");
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM3", "Timer Interval"), "4");
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "Window Position X"), "<missing>");
}

TEST_F(ProgramTest, APortArgumentOutsideOneToFourRefusesToStart) {
    Settings(Quiet(1));
    MonitorRun run("7");
    const SeenDialog box = run.WaitForBox();
    EXPECT_EQ(box.text, kPortNotAvailableText);
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK"}));
    MonitorRun::Answer(box);
    EXPECT_TRUE(run.Ended(5000));
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "Window Position X"), "<missing>");
}

TEST_F(ProgramTest, LowerCaseAutoCheckRefusesAStoredPortThatCannotBeOpened) {
    Settings(Quiet(2));
    testing::SetPortOpenable(2, false);
    MonitorRun run("-autocheck");
    const SeenDialog box = run.WaitForBox();
    EXPECT_EQ(box.text, kPortNotAvailableText);
    MonitorRun::Answer(box);
    EXPECT_TRUE(run.Ended(5000));
}

// Without the check every port counts as there: the stored one is opened only after the
// decision, and its failure does not stop the program.
TEST_F(ProgramTest, WithoutAutoCheckAPortThatCannotBeOpenedStillStarts) {
    Settings(Quiet(2));
    testing::SetPortOpenable(2, false);
    MonitorRun run("");
    ASSERT_NE(run.WaitForPanel(), nullptr);
    EXPECT_TRUE(run.Close());
}

// The driver is looked for even then, and is not found beside the test programs.
TEST_F(ProgramTest, FirstRunWelcomesAndRunsWithoutAPort) {
    Settings("[LineWinker: Main]\r\nShow Logo at Startup=0\r\n");
    MonitorRun run("");
    const SeenDialog welcome = run.WaitForBox();
    EXPECT_EQ(welcome.text, kWelcomeText);
    EXPECT_EQ(welcome.buttons, (std::vector<std::string>{"OK"}));
    MonitorRun::Answer(welcome);
    const SeenDialog driver = run.WaitForBox();
    EXPECT_EQ(driver.text, kDriverMissingText);
    MonitorRun::Answer(driver);
    ASSERT_NE(run.WaitForPanel(), nullptr);
    ASSERT_TRUE(run.Close());
    EXPECT_EQ(ReadSetting(kFile, kMain, "Default Port"), "<missing>");
    EXPECT_EQ(ReadSetting(kFile, kMain, "Show Logo at Startup"), "0");
}

// Started minimised without activation (as a shortcut set to "Minimized" starts it), the
// panel stays out of sight, and the minimised state is kept with the layout.
TEST_F(ProgramTest, StartedMinimisedThePanelStaysHiddenAndTheLayoutKeepsTheState) {
    Settings(Quiet(1));
    MonitorRun run("", SW_SHOWMINNOACTIVE);
    Sleep(1500);
    EXPECT_FALSE(run.PanelShown());
    ASSERT_TRUE(run.CloseHidden());
    EXPECT_EQ(ReadSetting(kFile, "LineWinker on COM1", "NewOrientation"), "-3");
}

// Wine reports Windows XP to this one program.
class WindowsNtTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key_);
        RegSetValueExA(key_, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        ProgramTest::TearDown();
    }

  private:
    static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\LineWink.exe";
    HKEY key_ = nullptr;
};

TEST_F(WindowsNtTest, WindowsNtIsRefusedBeforeAnythingElse) {
    Settings(Quiet(1));
    MonitorRun run("");
    const SeenDialog box = run.WaitForBox();
    EXPECT_EQ(box.text, kNotForWindowsNtText);
    MonitorRun::Answer(box);
    EXPECT_TRUE(run.Ended(5000));
    EXPECT_EQ(ReadSetting(kFile, kMain, "EditorName"), "<missing>");
}

}  // namespace
}  // namespace lw
