#include <gtest/gtest.h>
#include <algorithm>

#include "monitor/setup/machine_lists.h"
#include "monitor/setup/tests/fakes/discovery_fakes.h"

namespace lw {
namespace {

using testing::CallLog;

class PortSwitchTest : public ::testing::Test {
  protected:
    PortSwitchTest() {
        rig.settings.NewOrientation = 3;
        rig.settings.WindowSizeX = 150;
        rig.sampling.Current.CD = 1;
        rig.sampling.Current.Received = 1000;
        rig.sampling.Previous.RI = 1;
        rig.connection.WarnPromptOpen = true;
        rig.connection.DisconnectPromptOpen = true;
        rig.connection.PanelDirty = false;
        rig.file.Set("LineWinker on COM2", "Window Position X", "200");
        rig.file.Set("LineWinker on COM2", "Window Position Y", "150");
        rig.file.Set("LineWinker on COM2", "WindowSizeX", "180");
        rig.file.Set("LineWinker on COM2", "NewOrientation", "4");
        rig.file.Set("LineWinker on COM2", "Timer Interval", "0");
    }
    std::string Saved(const std::string& key) const {
        return rig.file.Get("LineWinker on COM1", key);
    }

    testing::DiscoveryRig rig;
};

TEST_F(PortSwitchTest, AnotherPortSavesTheOldSectionAndTakesOnTheNewOne) {
    rig.settings.ShowTrayIcon = 1;
    rig.discovery.PortTextChanged("COM2");

    EXPECT_EQ(rig.log,
              (CallLog{"test COM2", "tray show app", "test COM2", "timer 0", "update now shown",
                       "show normal at 200,150 width 180", "make gdi fonts", "invalidate panel"}));
    EXPECT_EQ(Saved("Window Position X"), "30");
    EXPECT_EQ(Saved("Window Position Y"), "40");
    EXPECT_EQ(Saved("NewOrientation"), "3");
    EXPECT_EQ(Saved("ShowTrayIcon"), "1");
    EXPECT_EQ(rig.settings.DefaultPort, 2);
    EXPECT_EQ(rig.settings.NewOrientation, 4);
    EXPECT_EQ(rig.settings.ShowTrayIcon, 0);
    EXPECT_EQ(rig.file.Get("LineWinker: Main", "Default Port"), "<missing>");

    EXPECT_EQ(rig.sampling.Current.CD, 0);
    EXPECT_EQ(rig.sampling.Previous.RI, 0);
    EXPECT_EQ(rig.sampling.Current.Received, 1000);  // only the lamps go out
    EXPECT_EQ(rig.sampling.Port.BaudRate, 57600u);
    EXPECT_FALSE(rig.connection.WarnPromptOpen);
    EXPECT_FALSE(rig.connection.DisconnectPromptOpen);
    EXPECT_TRUE(rig.connection.PanelDirty);
    EXPECT_TRUE(rig.connection.TitleDirty);
    EXPECT_TRUE(rig.connection.NeedRedraw);
}

// The port the list switches to is written at exit: the next start must run on it, with a
// port argument too, and with "-AUTOCHECK" when it opens.
TEST(PortSwitchAndStartTest, EveryPortTheListSwitchesToStartsTheNextRun) {
    int switched = 0;
    for (int port = 2; port <= 12; ++port) {
        testing::DiscoveryRig dialog;
        dialog.discovery.PortTextChanged("COM" + std::to_string(port));
        if (dialog.settings.DefaultPort != port) {
            continue;
        }
        ++switched;
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{}, {"3"}, {"-AUTOCHECK"}}) {
            testing::MainWindowRig next;
            next.file.Set("LineWinker: Main", "Default Port", std::to_string(port));
            next.system.arguments = arguments;
            EXPECT_TRUE(next.Create()) << "COM" << port << " " << arguments.size();
        }
    }
    EXPECT_GE(switched, 3);
}

TEST_F(PortSwitchTest, AMinimisedPortsLayoutIsShownNormallyAndANewMinimisedOneMinimises) {
    rig.settings.NewOrientation = -3;
    rig.discovery.PortTextChanged("COM2");
    EXPECT_EQ(rig.settings.NewOrientation, 4);
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "show normal at 200,150 width 180"), 1);
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "minimize app"), 0);

    rig.log.clear();
    rig.file.Set("LineWinker on COM3", "NewOrientation", "-5");
    rig.file.Set("LineWinker on COM3", "Window Position X", "10");
    rig.file.Set("LineWinker on COM3", "Window Position Y", "20");
    rig.file.Set("LineWinker on COM3", "WindowSizeX", "300");
    rig.discovery.PortTextChanged("COM3");
    EXPECT_EQ(rig.settings.NewOrientation, -5);
    EXPECT_EQ(rig.file.Get("LineWinker on COM2", "NewOrientation"), "4");
    const auto shown = std::find(rig.log.begin(), rig.log.end(), "show normal at 10,20 width 300");
    ASSERT_NE(shown, rig.log.end());
    EXPECT_EQ(*std::next(shown), "minimize app");
}

// The dialog shows the caption, so "No Title Bar" reads 0 while it is open; the file gets the
// user's own value, and the new port's value waits for the end of the dialog.
TEST_F(PortSwitchTest, TheUsersTitleBarSettingIsSavedAndTheNewPortsHeld) {
    rig.settings.NoTitleBar = 1;
    rig.caption.Hold(rig.settings);
    rig.file.Set("LineWinker on COM2", "No Title Bar", "0");
    rig.discovery.PortTextChanged("COM2");
    EXPECT_EQ(Saved("No Title Bar"), "1");
    EXPECT_EQ(rig.settings.NoTitleBar, 0);
    EXPECT_TRUE(rig.caption.PutBack(rig.settings));
    EXPECT_EQ(rig.settings.NoTitleBar, 0);

    rig.caption.Hold(rig.settings);
    rig.file.Set("LineWinker on COM3", "No Title Bar", "1");
    rig.discovery.PortTextChanged("COM3");
    EXPECT_EQ(rig.file.Get("LineWinker on COM2", "No Title Bar"), "0");
    EXPECT_EQ(rig.settings.NoTitleBar, 0);
    // Choosing the same port again saves it and keeps holding.
    EXPECT_TRUE(SwitchPort(rig.ports, 3));
    EXPECT_EQ(rig.file.Get("LineWinker on COM3", "No Title Bar"), "1");
    EXPECT_EQ(rig.settings.NoTitleBar, 0);
    EXPECT_TRUE(rig.caption.PutBack(rig.settings));
    EXPECT_EQ(rig.settings.NoTitleBar, 1);
}

TEST_F(PortSwitchTest, TextsThatNameNoOtherPortChangeNothing) {
    for (const char* text : {"com2", "COM1", "COM10", "2", ""}) {
        rig.discovery.PortTextChanged(text);
    }
    EXPECT_TRUE(rig.log.empty());
    EXPECT_TRUE(rig.file.writes.empty());
    EXPECT_EQ(rig.settings.DefaultPort, 1);
}

TEST_F(PortSwitchTest, APortThatDoesNotOpenIsNotSwitchedTo) {
    rig.system.unopenablePort = 2;
    rig.discovery.PortTextChanged("COM2");
    EXPECT_EQ(rig.log, CallLog{"test COM2"});
    EXPECT_TRUE(rig.file.writes.empty());
    EXPECT_EQ(rig.settings.DefaultPort, 1);
    EXPECT_EQ(rig.sampling.Current.CD, 1);

    // Started with -AUTOCHECK, the ports were tested then and are not tried first.
    testing::DiscoveryRig autoChecked;
    autoChecked.ports.autoCheck = true;
    autoChecked.system.unopenablePort = 2;
    EXPECT_TRUE(SwitchPort(autoChecked.ports, 2));
    EXPECT_EQ(autoChecked.settings.DefaultPort, 2);
}

TEST_F(PortSwitchTest, PortsAboveFourCanBeSwitchedToByName) {
    rig.file.Set("LineWinker on COM7", "Timer Interval", "4");
    rig.discovery.PortTextChanged("COM7");
    EXPECT_EQ(rig.settings.DefaultPort, 7);
    EXPECT_EQ(rig.settings.TimerInterval, 4);
    EXPECT_EQ(rig.log.front(), "test COM7");
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "timer 250"), 1);
}

TEST_F(PortSwitchTest, TheSamePortIsSavedAndPlacedAgainWithoutLoading) {
    rig.settings.TimerInterval = 18;
    rig.settings.WindowPositionX = 1;
    EXPECT_TRUE(SwitchPort(rig.ports, 1));
    EXPECT_EQ(rig.log,
              (CallLog{"test COM1", "test COM1", "timer 56", "update now hidden",
                       "show normal at 30,40 width 150", "make gdi fonts", "invalidate panel"}));
    EXPECT_EQ(Saved("Timer Interval"), "18");
    EXPECT_TRUE(std::find(rig.file.reads.begin(), rig.file.reads.end(),
                          std::pair<std::string, std::string>{
                              "LineWinker on COM1", "Timer Interval"}) == rig.file.reads.end());
}

TEST(DiscoveryTest, DetectingPortsTestsTheFourInOrder) {
    testing::DiscoveryRig rig;
    rig.system.unopenablePort = 2;
    rig.sampling.PortAvailable = {false, true, false, false};
    rig.discovery.DetectComPorts();
    EXPECT_EQ(rig.log, (CallLog{"test COM1", "test COM2", "test COM3", "test COM4"}));
    EXPECT_EQ(rig.discovery.PortNames(), (std::vector<std::string>{"COM1", "COM3", "COM4"}));
}

TEST(DiscoveryTest, TheStatisticsNameIsOfferedOnlyWhenTheKeyLacksIt) {
    testing::DiscoveryRig rig;
    rig.settings.DUNRegistryName = "Dial-Up Adapter";
    rig.discovery.CheckStatisticsName();  // no key: nothing to choose from
    EXPECT_EQ(rig.dialog.offers, 0);

    rig.registry.SetString(RegistryRoot::DynData, kStatisticsKey, "Dial-Up Adapter", "");
    rig.discovery.CheckStatisticsName();
    EXPECT_EQ(rig.dialog.offers, 0);
    rig.settings.DUNRegistryName = "Dial-Up Adapter #2";
    rig.discovery.CheckStatisticsName();
    rig.settings.DUNRegistryName = "";
    rig.discovery.CheckStatisticsName();
    EXPECT_EQ(rig.dialog.offers, 2);
}

}  // namespace
}  // namespace lw
