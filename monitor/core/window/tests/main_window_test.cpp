#include <gtest/gtest.h>

#include "monitor/core/window/main_window_texts.h"
#include "monitor/core/window/tests/fakes/main_window_fakes.h"

namespace lw {
namespace {

using testing::CallLog;
using testing::kCom1;
using testing::kCom2;
using testing::kCom3;
using testing::kMain;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetPort(int port) { rig.file.Set(kMain, "Default Port", std::to_string(port)); }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        rig.file.Set(section, key, value);
    }

    testing::MainWindowRig rig;
    MainWindow& window = rig.window;
};

TEST_F(MainWindowTest, CreationRunsItsStepsInOrder) {
    SetPort(2);
    rig.file.Set(kMain, "Show Logo at Startup", "1");
    Set(kCom2, "InitModem", "1");
    Set(kCom2, "ModemInitString", "ATZ");
    Set(kCom2, "NewOrientation", "4");
    Set(kCom2, "WindowSizeX", "130");
    Set(kCom2, "Window Position X", "200");
    Set(kCom2, "Window Position Y", "300");
    Set(kCom2, "ShowTrayIcon", "1");
    Set(kCom2, "Auto Run", "1");
    Set(kCom2, "Auto Run Program", "notepad.exe");
    Set(kCom2, "DUNRunConnectoid", "1");
    Set(kCom2, "DUNRunConnectoidName", "My ISP");
    rig.driver.opens = false;
    rig.system.startedMinimized = true;

    ASSERT_TRUE(rig.Create());

    const CallLog expected = {
        "load tray icons",
        "border sizeable",
        "bounds 200,300 130x10",
        "create drawing context",
        "system menu entries",
        "modem COM2 ATZ",
        "test COM2",
        "timer 56",
        "make fonts",
        "forget title window",
        "splash",
        "open driver",
        "box " + std::string(kDriverMissingText),
        "tray on",
        "tray show app",
        "app: activate",
        "app: minimize",
        "tray hide app",
        "show not topmost",
        "run notepad.exe",
        "run RUNDLL.EXE rnaui.dll,RnaDial My ISP",
    };
    EXPECT_EQ(rig.log, expected);
    EXPECT_EQ(rig.sounds.played,
              (std::vector<std::string>{"C:\\Program Files\\LineWink\\LineWink.wav"}));
    EXPECT_EQ(window.HelpFile(), "C:\\PROGRA~1\\LINEWINK\\linewink.hlp");
    EXPECT_EQ(rig.form.window.text, "LineWink");
    EXPECT_EQ(window.Settings().NewOrientation, -4);
    EXPECT_FALSE(window.Menu().Items()[5]->Enabled);
    EXPECT_EQ(window.Connection().SessionStart, rig.clock.now);
}

TEST_F(MainWindowTest, ASmallLayoutWithoutCaptionGetsASingleBorderAndLosesItsCaption) {
    SetPort(1);
    Set(kCom1, "NewOrientation", "2");
    Set(kCom1, "No Title Bar", "1");
    ASSERT_TRUE(rig.Create());
    const CallLog start(rig.log.begin() + 1, rig.log.begin() + 5);
    EXPECT_EQ(start, (CallLog{"border single", "bounds 512,384 100x10", "create drawing context",
                              "caption off"}));
}

TEST_F(MainWindowTest, WindowsNtIsRefusedBeforeAnythingElse) {
    SetPort(1);
    rig.system.windows9x = false;
    EXPECT_FALSE(rig.Create());
    EXPECT_EQ(rig.log, (CallLog{"box " + std::string(kNotForWindowsNtText)}));
    EXPECT_TRUE(rig.Terminated());
}

// The settings are read before the command line: the given port runs with the stored port's
// settings, which are written to its own section at exit.
TEST_F(MainWindowTest, AGivenPortRunsWithTheStoredPortsSettingsAndKeepsThem) {
    SetPort(1);
    Set(kCom1, "LightColorOn", "65280");
    rig.system.arguments = {"3"};
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(window.Settings().DefaultPort, 3);
    EXPECT_EQ(window.Settings().LightColorOn, 65280u);
    EXPECT_EQ(rig.LogFrom("test").front(), "test COM3");

    window.Shutdown();
    EXPECT_EQ(rig.file.Get(kMain, "Default Port"), "3");
    EXPECT_EQ(rig.file.Get(kCom3, "LightColorOn"), "65280");
}

TEST_F(MainWindowTest, AnInvalidPortArgumentRefusesToStart) {
    SetPort(1);
    rig.system.arguments = {"7"};
    EXPECT_FALSE(rig.Create());
    EXPECT_EQ(rig.LogFrom("box"), (CallLog{"box " + std::string(kPortNotAvailableText)}));
    EXPECT_EQ(rig.view.timer, 0u);
    EXPECT_TRUE(rig.Terminated());
}

TEST_F(MainWindowTest, AutoCheckTestsEveryPortAndRefusesAnUnopenableSetPort) {
    SetPort(2);
    rig.system.arguments = {"-autocheck"};
    rig.system.unopenablePort = 2;
    EXPECT_FALSE(rig.Create());
    EXPECT_EQ(rig.LogFrom("test"), (CallLog{"test COM1", "test COM2", "test COM3", "test COM4",
                                            "box " + std::string(kPortNotAvailableText)}));
    EXPECT_EQ(window.Sampling().PortAvailable, (std::array<bool, 4>{true, false, true, true}));
}

TEST_F(MainWindowTest, WithoutAutoCheckOnlyTheMonitoredPortIsOpened) {
    SetPort(2);
    rig.system.unopenablePort = 3;
    ASSERT_TRUE(rig.Create());
    CallLog tests;
    for (const std::string& entry : rig.log) {
        if (entry.starts_with("test")) {
            tests.push_back(entry);
        }
    }
    EXPECT_EQ(tests, (CallLog{"test COM2"}));
    EXPECT_EQ(window.Sampling().PortAvailable, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(window.Sampling().Port.BaudRate, 57600u);
}

TEST_F(MainWindowTest, FirstRunWelcomesAndRunsWithoutAPort) {
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(rig.LogFrom("box").front(), "box " + std::string(kWelcomeText));
    EXPECT_EQ(window.Settings().DefaultPort, 0);
    EXPECT_EQ(rig.view.timer, 56u);
    for (const std::string& entry : rig.log) {
        EXPECT_FALSE(entry.starts_with("test")) << entry;
    }
    window.OnTimer();
    EXPECT_EQ(rig.sampler.samples, 0);
    window.Shutdown();
    EXPECT_EQ(rig.file.Get(kMain, "Default Port"), "<missing>");
    EXPECT_EQ(rig.file.Get(kMain, "Show Logo at Startup"), "0");
}

TEST_F(MainWindowTest, WithoutTicksTheSystemMenuUpdatesOnce) {
    SetPort(1);
    Set(kCom1, "Timer Interval", "0");
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(rig.view.timer, 0u);
    EXPECT_TRUE(rig.view.updateNowEntry);
    EXPECT_TRUE(window.OnSystemCommand(kUpdateNowCommand));
    EXPECT_EQ(rig.sampler.samples, 1);
    EXPECT_FALSE(window.OnSystemCommand(0xF060));
}

TEST_F(MainWindowTest, ANegativeRateAlsoOffersTheManualUpdate) {
    SetPort(1);
    Set(kCom1, "Timer Interval", "-2");
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(rig.view.timer, 0u);
    EXPECT_TRUE(rig.view.updateNowEntry);
}

TEST_F(MainWindowTest, ADriverThatWillNotHookIsWarnedAboutAndLetGo) {
    SetPort(1);
    rig.driver.hooks = false;
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(rig.LogFrom("open driver"),
              (CallLog{"open driver", "hook driver", "release driver",
                       "box " + std::string(kDriverHookFailedText), "show not topmost"}));
    EXPECT_FALSE(rig.driver.IsOpen());
}

TEST_F(MainWindowTest, BoxesMarkTheModalStateWhileTheyAreOpen) {
    SetPort(1);
    rig.driver.opens = false;
    bool modalSeen = false;
    rig.boxes.whileOpen = [&] { modalSeen = window.ModalOpen(); };
    ASSERT_TRUE(rig.Create());
    EXPECT_TRUE(modalSeen);
    EXPECT_FALSE(window.ModalOpen());
}

TEST_F(MainWindowTest, NoVxdLeavesTheDriverAlone) {
    SetPort(1);
    Set(kCom1, "NoVxd", "1");
    ASSERT_TRUE(rig.Create());
    EXPECT_TRUE(rig.LogFrom("open driver").empty());
}

TEST_F(MainWindowTest, TheDialUpProgramsAreFoundInTheSystemDirectory) {
    SetPort(1);
    rig.system.fileDates["RNAAPP.EXE"] = EncodeDate({1996, 8, 24});
    rig.system.fileSizes["LIGHTS.EXE"] = 21'248;
    rig.system.fileSizes["LIGHTS!.EXE"] = 30'000;
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(window.Sampling().DialerVersion, 1);
    EXPECT_EQ(window.Settings().RNAAPP, 1);
    EXPECT_TRUE(window.Sampling().LightsInstalled);
    EXPECT_TRUE(window.LightsProgramFound());
}

TEST_F(MainWindowTest, AnOldDialUpProgramLeavesTheChoiceOpen) {
    SetPort(1);
    rig.system.fileDates["RNAAPP.EXE"] = EncodeDate({1995, 7, 11});
    ASSERT_TRUE(rig.Create());
    EXPECT_EQ(window.Sampling().DialerVersion, 2);
    EXPECT_EQ(window.Settings().RNAAPP, -1);
    EXPECT_FALSE(window.Sampling().LightsInstalled);
}

}  // namespace
}  // namespace lw
