// The lists, the port test and the port switch against the prefix's registry, COM ports and
// settings file.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/core/settings/win32/appearance.h"
#include "monitor/core/settings/win32/private_profile.h"
#include "monitor/core/time/win32/system_clock.h"
#include "monitor/core/window/win32/startup_system.h"
#include "monitor/core/window/win32/tests/window_test_support.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/win32/registry.h"
#include "monitor/setup/win32/tests/registry_keys.h"

namespace lw {
namespace {

using Names = std::vector<std::string>;

const char kSettingsFile[] = "LWDISCOV.INI";
const std::string kNet = "Enum\\Root\\Net\\";
const std::string kModem = "System\\CurrentControlSet\\Services\\Class\\Modem\\";

class NotedWindow : public PortSwitchWindow {
  public:
    WindowPlace Place() const override { return {77, 88}; }
    void TrayShowApp() override { log.push_back("tray show app"); }
    void SetTimerInterval(unsigned milliseconds) override {
        log.push_back("timer " + std::to_string(milliseconds));
    }
    void SetUpdateNowEntry(bool) override {}
    void ShowNormalAt(int left, int top, int width) override {
        log.push_back("at " + std::to_string(left) + "," + std::to_string(top) + " width " +
                      std::to_string(width));
    }
    void MinimizeApp() override { log.push_back("minimize"); }
    void MakeGdiFonts() override {}
    void InvalidatePanel() override {}
    Names log;
};

class NoDialog : public RegistryEntryDialog {
  public:
    void Offer() override { ADD_FAILURE() << "no dialog expected"; }
};

class DiscoveryWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::MakeAllPortsOpenable();
        testing::RemoveSettingsFile(kSettingsFile);
        RemoveKeys();
        settings.DefaultPort = 1;
    }
    void TearDown() override {
        testing::MakeAllPortsOpenable();
        testing::RemoveSettingsFile(kSettingsFile);
        RemoveKeys();
    }
    static void RemoveKeys() {
        std::vector<std::string> keys;
        for (const char* last : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) {
            keys.push_back(kNet + "000" + last);
            keys.push_back(kModem + "000" + last);
        }
        testing::RemoveRegistryKeys(HKEY_LOCAL_MACHINE, keys);
        testing::RemoveRegistryKeys(HKEY_CURRENT_USER, {"RemoteAccess\\Addresses"});
    }
    std::string Setting(const std::string& section, const std::string& key) {
        return testing::ReadSetting(kSettingsFile, section, key);
    }

    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    SetupCaption caption;
    NotedWindow window;
    Win32StartupSystem system{{}, SW_SHOWNORMAL};
    Win32Appearance appearance;
    SystemClock clock;
    Win32Registry registry;
    NoDialog dialog;
    Discovery discovery{
        {settings, sampling, connection, caption, window, system,
         [] { return std::make_unique<PrivateProfile>(kSettingsFile); }, appearance, clock},
        registry,
        dialog};
};

TEST_F(DiscoveryWineTest, WithCom1AndCom3AvailableThePortListIsCom1AndCom3) {
    testing::SetPortOpenable(2, false);
    testing::SetPortOpenable(4, false);
    sampling.PortAvailable = {false, true, false, true};
    discovery.DetectComPorts();
    EXPECT_EQ(discovery.PortNames(), (Names{"COM1", "COM3"}));
}

TEST_F(DiscoveryWineTest, OnlyAPortThatOpensAndIsNamedExactlyIsSwitchedTo) {
    testing::WriteSettingsFile(kSettingsFile,
                               "[LineWinker on COM2]\r\nWindow Position X=300\r\n"
                               "Window Position Y=200\r\nWindowSizeX=120\r\nNewOrientation=3\r\n");
    settings.NewOrientation = -4;
    discovery.PortTextChanged("com2");
    testing::SetPortOpenable(2, false);
    discovery.PortTextChanged("COM2");
    EXPECT_EQ(settings.DefaultPort, 1);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(Setting("LineWinker on COM1", "NewOrientation"), "<missing>");

    testing::SetPortOpenable(2, true);
    discovery.PortTextChanged("COM2");
    EXPECT_EQ(settings.DefaultPort, 2);
    EXPECT_EQ(Setting("LineWinker on COM1", "NewOrientation"), "-4");
    EXPECT_EQ(Setting("LineWinker on COM1", "Window Position X"), "77");
    EXPECT_EQ(Setting("LineWinker on COM1", "Window Position Y"), "88");
    EXPECT_EQ(window.log, (Names{"timer 56", "at 300,200 width 120"}));
}

TEST_F(DiscoveryWineTest, NumberedKeysAreTriedOneByOneAndAnEleventhIsNeverRead) {
    testing::SetRegistryString(HKEY_LOCAL_MACHINE, kNet + "0000", "DeviceDesc", "Dial-Up Adapter");
    testing::SetRegistryString(HKEY_LOCAL_MACHINE, kNet + "0002", "DeviceDesc",
                               "Dial-Up Adapter #2");
    testing::SetRegistryString(HKEY_LOCAL_MACHINE, kNet + "0010", "DeviceDesc", "Never Listed");
    EXPECT_EQ(discovery.DeviceDescriptions(), (Names{"Dial-Up Adapter", "Dial-Up Adapter #2"}));

    testing::SetRegistryString(HKEY_LOCAL_MACHINE, kModem + "0000", "LoggingPath", "");
    testing::SetRegistryString(HKEY_LOCAL_MACHINE, kModem + "0003", "LoggingPath",
                               "C:\\WINDOWS\\ModemLog_Standard Modem.txt");
    EXPECT_EQ(discovery.ModemLogNames(), (Names{"C:\\WINDOWS\\ModemLog_Standard Modem.txt"}));

    EXPECT_EQ(discovery.DialUpEntries(), Names{});
    testing::SetRegistryString(HKEY_CURRENT_USER, "RemoteAccess\\Addresses", "Office", "");
    testing::SetRegistryString(HKEY_CURRENT_USER, "RemoteAccess\\Addresses", "My ISP", "");
    Names entries = discovery.DialUpEntries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Names{"My ISP", "Office"}));
}

}  // namespace
}  // namespace lw
