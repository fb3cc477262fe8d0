// The menu, the keys, minimising, the about box, the settings dialog and the exit.
#include <gtest/gtest.h>

#include <stdexcept>

#include "monitor/core/tracking/auto_reset.h"
#include "monitor/core/window/main_window_texts.h"
#include "monitor/core/window/tests/fakes/main_window_fakes.h"

namespace lw {
namespace {

using testing::CallLog;
using testing::kCom1;
using testing::kCom2;
using testing::kMain;

class MainWindowCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.file.Set(kMain, "Default Port", "1");
        rig.file.Set(kCom1, "Timer Interval", "10");
    }
    void Start() { ASSERT_TRUE(rig.Create()); }
    MenuItem& Item(const std::string& caption) {
        for (MenuItem* item : window.Menu().Items()) {
            if (item->Caption == caption) {
                return *item;
            }
        }
        throw std::logic_error("no menu item " + caption);
    }
    void Connect() {
        rig.sampler.next.CD = 1;
        window.OnTimer();
    }
    int Writes(const std::string& key) const {
        int count = 0;
        for (const auto& [section, written] : rig.file.writes) {
            count += written == key;
        }
        return count;
    }

    testing::MainWindowRig rig;
    MainWindow& window = rig.window;
};

TEST_F(MainWindowCommandsTest, TheMenuHasItsCaptionsAndSetupAsDefault) {
    std::vector<std::string> captions;
    for (MenuItem* item : window.Menu().Items()) {
        captions.push_back(item->Caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&Setup", "Toggle Titlebar &On/Off",
                                                  "&Reset Session Connect Time",
                                                  "Reset &Total Connect Time", "Hang-up &NOW!",
                                                  "&Minimize", "-", "&About", "&Help", "E&xit"}));
    EXPECT_TRUE(Item("&Setup").Default);
    EXPECT_FALSE(Item("&About").Default);
}

TEST_F(MainWindowCommandsTest, ResettingTheSessionIsOfferedOnlyWhileConnected) {
    Start();
    window.Menu().Popup(10, 20);
    EXPECT_FALSE(Item("&Reset Session Connect Time").Enabled);
    Connect();
    window.Menu().Popup(10, 20);
    EXPECT_TRUE(Item("&Reset Session Connect Time").Enabled);
}

TEST_F(MainWindowCommandsTest, MenuItemsRunTheirCommands) {
    Start();
    rig.desktop.ChooseFromMenu("Hang-up &NOW!");
    window.Menu().Popup(0, 0);
    rig.desktop.Pump();
    EXPECT_EQ(rig.sampler.hangUps, 1);

    rig.clock.now += 1;
    rig.desktop.ChooseFromMenu("Reset &Total Connect Time");
    window.Menu().Popup(0, 0);
    rig.desktop.Pump();
    EXPECT_EQ(window.Settings().TotalConnectNew, 0);
    EXPECT_EQ(window.Settings().TotalConnectReset, rig.clock.now);

    rig.log.clear();
    rig.desktop.ChooseFromMenu("Toggle Titlebar &On/Off");
    window.Menu().Popup(0, 0);
    rig.desktop.Pump();
    EXPECT_EQ(window.Settings().NoTitleBar, 1);
    EXPECT_EQ(rig.LogFrom("caption"), (CallLog{"caption off"}));
}

TEST_F(MainWindowCommandsTest, KeysActLikeTheMenuInEitherCase) {
    Start();
    window.OnKey('n');
    window.OnKey('N');
    EXPECT_EQ(rig.sampler.hangUps, 2);
    rig.log.clear();
    window.OnKey('o');
    window.OnKey('O');
    EXPECT_EQ(rig.log, (CallLog{"caption off", "caption on"}));
    rig.log.clear();
    window.OnKey('a');
    window.OnKey('h');
    window.OnKey('s');
    window.OnKey('x');
    window.OnKey('1');
    EXPECT_EQ(rig.log, (CallLog{"about box", "no update now entry",
                                "help C:\\PROGRA~1\\LINEWINK\\linewink.hlp 1", "setup dialog",
                                "no update now entry"}));
}

TEST_F(MainWindowCommandsTest, RResetsTheSessionEvenWhileItsItemIsDisabled) {
    Start();
    window.Menu().Popup(0, 0);
    ASSERT_FALSE(Item("&Reset Session Connect Time").Enabled);
    rig.clock.now += 0.5;
    window.OnKey('r');
    EXPECT_EQ(window.Connection().SessionStart, rig.clock.now);
}

TEST_F(MainWindowCommandsTest, TheSetupItemDoesNotOpenASecondDialog) {
    Start();
    rig.view.setupVisible = true;
    rig.log.clear();
    window.Run(MainCommand::Setup);
    EXPECT_TRUE(rig.log.empty());
}

TEST_F(MainWindowCommandsTest, MinimisingRemembersItAndHidesToTheTray) {
    rig.file.Set(kCom1, "ShowTrayIcon", "1");
    Start();
    rig.log.clear();
    window.OnKey('m');
    EXPECT_EQ(window.Settings().NewOrientation, -3);
    EXPECT_FALSE(Item("&Minimize").Enabled);
    EXPECT_EQ(rig.log, (CallLog{"app: activate", "app: minimize", "tray hide app"}));

    // The application's own minimise (the taskbar's) comes the same way.
    rig.desktop.app.Restore();
    EXPECT_EQ(window.Settings().NewOrientation, 3);
    EXPECT_TRUE(Item("&Minimize").Enabled);
    rig.log.clear();
    rig.desktop.app.Minimize();
    EXPECT_EQ(window.Settings().NewOrientation, -3);
    EXPECT_EQ(rig.log, (CallLog{"app: activate", "app: minimize", "tray hide app"}));
}

TEST_F(MainWindowCommandsTest, ATrayDoubleClickRestores) {
    Start();
    window.MinimizeApp();
    window.Connection().PanelDirty = false;
    rig.log.clear();
    window.OnTrayDoubleClick();
    EXPECT_EQ(window.Settings().NewOrientation, 3);
    EXPECT_TRUE(Item("&Minimize").Enabled);
    EXPECT_TRUE(window.Connection().PanelDirty);
    EXPECT_EQ(rig.log, (CallLog{"tray show app"}));
}

TEST_F(MainWindowCommandsTest, TheAboutBoxIsModalAndRebuildsTheUpdateEntry) {
    Start();
    bool modal = false;
    rig.view.whileModal = [&] {
        modal = window.ModalOpen();
        window.Settings().TimerInterval = 0;
    };
    rig.log.clear();
    window.OnSystemCommand(kAboutSystemCommand);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(window.ModalOpen());
    EXPECT_EQ(rig.log, (CallLog{"about box", "update now entry"}));
}

TEST_F(MainWindowCommandsTest, CancelledSetupPutsEverythingBack) {
    rig.file.Set(kCom1, "No Title Bar", "1");
    Start();
    rig.view.setupResult = ModalResult::Cancel;
    bool dialogOpen = false;
    std::int32_t titleBarSeen = -1;
    rig.view.whileModal = [&] {
        dialogOpen = window.DialogOpen();
        titleBarSeen = window.Settings().NoTitleBar;
        window.Settings().LightColorOn = 0x00FF00;
        window.Settings().NewOrientation = 5;
        window.Settings().TimerInterval = 0;
    };
    rig.log.clear();
    window.OnSystemCommand(kSetupSystemCommand);
    EXPECT_TRUE(dialogOpen);
    EXPECT_EQ(titleBarSeen, 0) << "the panel is sized for the caption the dialog shows";
    EXPECT_FALSE(window.DialogOpen());
    EXPECT_EQ(window.Settings().LightColorOn, 255u);
    EXPECT_EQ(window.Settings().NewOrientation, 3);
    EXPECT_EQ(window.Settings().NoTitleBar, 1);
    EXPECT_TRUE(window.Connection().PanelDirty);
    EXPECT_EQ(rig.log, (CallLog{"caption on", "setup dialog", "border sizeable", "make fonts",
                                "timer 100", "no update now entry", "caption off"}));
}

// The exit saves the user's "No Title Bar", not the 0 held while the dialog shows the caption.
TEST_F(MainWindowCommandsTest, ASetupDialogThatFailsToOpenPutsTheCaptionBack) {
    rig.file.Set(kCom1, "No Title Bar", "1");
    Start();
    rig.view.whileModal = [] { throw std::runtime_error("refresh"); };
    rig.log.clear();
    EXPECT_THROW(window.OpenSetup(), std::runtime_error);
    EXPECT_FALSE(window.DialogOpen());
    EXPECT_EQ(window.Settings().NoTitleBar, 1);
    EXPECT_EQ(rig.log.back(), "caption off");
}

// The line goes on while the dialog is open; Cancel takes back only what the user changed.
TEST_F(MainWindowCommandsTest, CancelledSetupKeepsWhatTheLineDidToTheTotals) {
    Start();
    Connect();
    rig.clock.now += 0.25;
    rig.view.setupResult = ModalResult::Cancel;
    rig.view.whileModal = [&] {
        window.Settings().LightColorOn = 0x00FF00;
        rig.sampler.next.CD = 0;
        window.OnTimer();
    };
    window.OpenSetup();
    EXPECT_EQ(window.Settings().LightColorOn, 255u);
    EXPECT_DOUBLE_EQ(window.Settings().TotalConnectNew, 0.25);

    window.Settings().ConnectResetLoggerEvent = kResetDaily;
    window.Settings().ConnectResetLoggerTimeRef = rig.clock.now - 1.5;
    rig.view.whileModal = [&] { Connect(); };
    window.OpenSetup();
    EXPECT_DOUBLE_EQ(window.Settings().TotalConnectNew, 0);
    EXPECT_DOUBLE_EQ(window.Settings().TotalConnectReset, rig.clock.now);
    EXPECT_DOUBLE_EQ(window.Settings().ConnectResetLoggerTimeRef, rig.clock.now - 0.5);
}

TEST_F(MainWindowCommandsTest, AcceptedSetupKeepsTheChanges) {
    Start();
    rig.view.whileModal = [&] { window.Settings().TimerInterval = 0; };
    rig.log.clear();
    window.OpenSetup();
    EXPECT_EQ(window.Settings().TimerInterval, 0);
    EXPECT_EQ(rig.log, (CallLog{"setup dialog", "update now entry"}));
}

// A port switch in the dialog holds the new port's "No Title Bar" in place of the old one's.
TEST_F(MainWindowCommandsTest, AfterAcceptedSetupTheCaptionFollowsThePortThenMonitored) {
    Start();
    rig.view.whileModal = [&] {
        MonitorSettings& settings = window.Settings();
        window.CaptionDuringSetup().PutBack(settings);
        settings.DefaultPort = 2;
        settings.NoTitleBar = 1;
        window.CaptionDuringSetup().Hold(settings);
    };
    rig.log.clear();
    window.OpenSetup();
    EXPECT_EQ(window.Settings().NoTitleBar, 1);
    EXPECT_EQ(rig.log, (CallLog{"setup dialog", "no update now entry", "caption off"}));

    rig.view.whileModal = [&] {};
    rig.view.setupResult = ModalResult::Cancel;
    rig.log.clear();
    window.OpenSetup();
    EXPECT_EQ(window.Settings().NoTitleBar, 1);
    EXPECT_EQ(rig.log.front(), "caption on");
    EXPECT_EQ(rig.log.back(), "caption off");

    // The system ends the program while the dialog is open: the user's choice is written.
    rig.view.whileModal = [&] { window.Shutdown(); };
    window.OpenSetup();
    EXPECT_EQ(rig.file.Get(kCom2, "No Title Bar"), "1");
}

TEST_F(MainWindowCommandsTest, SetupOfAMinimisedWindowLeavesItMinimisedUnlessThePortChanged) {
    rig.file.Set(kCom1, "ShowTrayIcon", "1");
    Start();
    window.MinimizeApp();
    int orientationSeen = 0;
    rig.view.whileModal = [&] { orientationSeen = window.Settings().NewOrientation; };
    rig.log.clear();
    window.OpenSetup();
    EXPECT_EQ(orientationSeen, 3);
    EXPECT_EQ(window.Settings().NewOrientation, -3);
    EXPECT_EQ(rig.log, (CallLog{"setup dialog", "tray hide app", "no update now entry"}));

    rig.view.whileModal = [&] { window.Settings().DefaultPort = 2; };
    window.OpenSetup();
    EXPECT_EQ(window.Settings().NewOrientation, 3);
}

TEST_F(MainWindowCommandsTest, ClosingWhileConnectedAsksFirst) {
    Start();
    Connect();
    rig.boxes.answer = MessageAnswer::No;
    rig.log.clear();
    window.OnKey('e');
    EXPECT_EQ(rig.log, (CallLog{"box " + std::string(kStillConnectedText)}));
    EXPECT_EQ(window.Closing(), ClosingState::Running);
    EXPECT_FALSE(rig.Terminated());

    rig.boxes.answer = MessageAnswer::Yes;
    window.Run(MainCommand::Exit);
    EXPECT_EQ(window.Closing(), ClosingState::Closed);
    EXPECT_TRUE(rig.Terminated());
}

TEST_F(MainWindowCommandsTest, ClosingWhileDisconnectedAsksNothing) {
    Start();
    Connect();
    rig.sampler.next.CD = 0;
    window.OnTimer();
    rig.log.clear();
    rig.form.Close();
    EXPECT_TRUE(rig.LogFrom("box").empty());
    EXPECT_EQ(window.Closing(), ClosingState::Closed);
}

TEST_F(MainWindowCommandsTest, WarnWhenExitingOneClosesWithoutAsking) {
    rig.file.Set(kCom1, "Warn when Exiting", "1");
    Start();
    Connect();
    rig.log.clear();
    rig.form.Close();
    EXPECT_TRUE(rig.LogFrom("box").empty());
    EXPECT_EQ(window.Closing(), ClosingState::Closed);
}

TEST_F(MainWindowCommandsTest, TheExitSequenceRunsOnce) {
    rig.file.Set(kCom1, "Title", "2");
    Start();
    Connect();
    rig.clock.now += 0.25;
    rig.log.clear();
    rig.form.Close();
    // Windows' shutdown after the close box.
    window.Shutdown();
    window.OnTimer();

    EXPECT_EQ(rig.log, (CallLog{"box " + std::string(kStillConnectedText), "release driver",
                                "clear foreground title", "release drawing",
                                "close help C:\\PROGRA~1\\LINEWINK\\linewink.hlp"}));
    EXPECT_DOUBLE_EQ(window.Settings().TotalConnectNew, 0.25);
    EXPECT_EQ(Writes("Default Port"), 1);
    EXPECT_EQ(Writes("TotalConnectNew"), 1);
    EXPECT_EQ(Writes("Show Logo at Startup"), 1);
    EXPECT_EQ(rig.file.Get(kCom1, "Window Position X"), "40");
    EXPECT_EQ(rig.file.Get(kCom1, "Window Position Y"), "50");
    EXPECT_EQ(rig.sampler.samples, 1);
}

TEST_F(MainWindowCommandsTest, AnUnwritableSettingsFileIsReportedAndTheProgramStillEnds) {
    Start();
    rig.file.refuseWrites = true;
    rig.log.clear();
    rig.form.Close();
    EXPECT_EQ(rig.desktop.system.errors,
              (std::vector<std::string>{": Unable to write to LINEWINK.INI"}));
    EXPECT_EQ(rig.LogFrom("release drawing").size(), 2u);
    EXPECT_EQ(window.Closing(), ClosingState::Closed);
    EXPECT_TRUE(rig.Terminated());
}

TEST_F(MainWindowCommandsTest, AnAutomaticExitStopsTheTimerAndClosesTheNormalWay) {
    rig.file.Set(kCom1, "CD Auto Exit", "1");
    rig.file.Set(kCom1, "CD Auto Exit Delay", "5");
    Start();
    Connect();
    rig.sampler.next.CD = 0;
    window.OnTimer();
    rig.clock.now += 6 * kOneSecond;
    window.OnTimer();
    EXPECT_EQ(rig.view.timer, 0u);
    EXPECT_EQ(window.Closing(), ClosingState::Closed);
    EXPECT_TRUE(rig.Terminated());
}

}  // namespace
}  // namespace lw
