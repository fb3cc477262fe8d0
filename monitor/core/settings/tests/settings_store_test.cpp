#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "monitor/core/settings/profile_values.h"
#include "monitor/core/settings/settings_keys.h"
#include "monitor/core/settings/settings_store.h"
#include "monitor/core/settings/tests/fakes/fake_profile.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"

namespace lw {
namespace {

using testing::FakeAppearance;
using testing::FakeClock;
using testing::FakeProfile;

const std::string kCom2 = "LineWinker on COM2";

class SettingsStoreTest : public ::testing::Test {
  protected:
    MonitorSettings Load(std::int32_t port = 2) {
        MonitorSettings settings;
        settings.DefaultPort = port;
        LoadPortSettings(settings, file, system, clock);
        return settings;
    }

    FakeProfile file;
    FakeAppearance system;
    FakeClock clock;
};

TEST_F(SettingsStoreTest, MissingFileGivesTheDefaults) {
    const MonitorSettings s = Load();
    EXPECT_EQ(s.AutoTimedDisconnectHours, 1);
    EXPECT_EQ(s.BackgroundColor, 12632256u);
    EXPECT_EQ(s.LightColorOff, 8553090u);
    EXPECT_EQ(s.LightColorOn, 255u);
    EXPECT_EQ(s.CDAutoExitDelay, 30);
    EXPECT_EQ(s.NewOrientation, 3);
    EXPECT_EQ(s.RNAAPP, -1);
    EXPECT_EQ(s.TimerInterval, 18);
    EXPECT_EQ(s.PanelFont.face, "Arial");
    EXPECT_EQ(s.PanelFont.size, 10);
    EXPECT_EQ(s.WindowPositionX, 512);
    EXPECT_EQ(s.WindowPositionY, 384);
    EXPECT_EQ(s.TitleBarFont.face, "MS Sans Serif");
    EXPECT_TRUE(s.TitleBarFont.bold);
    EXPECT_EQ(s.TitleBarFont.colour, system.captionText);
    EXPECT_EQ(s.FontTitlebarBackgroundColor, system.activeCaption);
    EXPECT_EQ(s.TotalConnectReset, clock.now);
}

TEST_F(SettingsStoreTest, KeysAreReadInTableOrderAfterTheEditorName) {
    Load();
    ASSERT_EQ(file.reads.size(), 1 + PortSettingKeys().size());
    EXPECT_EQ(file.reads[0], (FakeProfile::Entry{kMainSection, "EditorName"}));
    EXPECT_EQ(file.reads[1], (FakeProfile::Entry{kCom2, "Auto Run"}));
    EXPECT_EQ(file.reads[34], (FakeProfile::Entry{kCom2, "No Direct Hardware Acesss"}));
    EXPECT_EQ(file.reads.back(), (FakeProfile::Entry{kCom2, "WarnInactiveSound"}));
    EXPECT_EQ(PortSettingKeys().size(), 86u);
}

TEST_F(SettingsStoreTest, NumbersParseOrFallBackToTheKeysDefault) {
    file.Set(kCom2, "DCD Interval", "0x1F");
    file.Set(kCom2, "Timer Interval", "fast");
    file.Set(kCom2, "CD Auto Exit Delay", "");
    file.Set(kCom2, "TextColor", "0xFF00");
    file.Set(kCom2, "TotalConnectNew", "1.5E-0001");
    file.Set(kCom2, "ConnectResetLoggerTimeRef", "yesterday");
    file.Set(kCom2, "Log DCD", "2");
    const MonitorSettings s = Load();
    EXPECT_EQ(s.DCDInterval, 31);
    EXPECT_EQ(s.TimerInterval, 18);
    EXPECT_EQ(s.CDAutoExitDelay, 30);
    EXPECT_EQ(s.TextColor, 0xFF00u);
    EXPECT_DOUBLE_EQ(s.TotalConnectNew, 0.15);
    EXPECT_EQ(s.ConnectResetLoggerTimeRef, 0);
    EXPECT_EQ(s.LogDCD, 2);
    EXPECT_FALSE(IsOn(s.LogDCD));
}

TEST_F(SettingsStoreTest, TextsAreCutTo1023Characters) {
    file.Set(kCom2, "ModemInitString", std::string(2000, 'A'));
    file.Set(kMainSection, "EditorName", std::string(1024, 'e'));
    const MonitorSettings s = Load();
    EXPECT_EQ(s.ModemInitString, std::string(1023, 'A'));
    EXPECT_EQ(s.EditorName.size(), 1023u);
}

TEST_F(SettingsStoreTest, OrientationKeepsItsMinimisedSignButNotZeroOrSix) {
    for (auto [text, expected] :
         {std::pair{"-4", -4}, {"-6", 3}, {"6", 3}, {"0", 3}, {"5", 5}, {"-1", -1}, {"7", 7}}) {
        file.Set(kCom2, "NewOrientation", text);
        EXPECT_EQ(Load().NewOrientation, expected) << text;
    }
}

// Hand-edited numbers far beyond any screen or time are held to a size whose sums stay in range.
TEST_F(SettingsStoreTest, ExtremeNumbersAreClampedAtLoad) {
    file.Set(kCom2, "NewOrientation", "-2147483648");
    file.Set(kCom2, "Window Position X", "-2147483648");
    file.Set(kCom2, "TitleBar Offset", "2147483647");
    const MonitorSettings s = Load();
    EXPECT_EQ(s.NewOrientation, -1'000'000);
    EXPECT_EQ(s.WindowPositionX, 512);
    EXPECT_EQ(s.TitleBarOffset, 1'000'000);
}

TEST_F(SettingsStoreTest, WindowOffScreenMovesToTheMiddle) {
    file.Set(kCom2, "Window Position X", "5000");
    file.Set(kCom2, "Window Position Y", "-30");
    MonitorSettings s = Load();
    EXPECT_EQ(s.WindowPositionX, 512);
    EXPECT_EQ(s.WindowPositionY, 384);  // layout 3 is 25 high: more than 29 above is lost

    file.Set(kCom2, "Window Position X", "-105");
    file.Set(kCom2, "Window Position Y", "-29");
    s = Load();
    EXPECT_EQ(s.WindowPositionX, -105);
    EXPECT_EQ(s.WindowPositionY, -29);

    file.Set(kCom2, "NewOrientation", "-1");  // 100 x 70
    file.Set(kCom2, "Window Position Y", "-74");
    system.screenWidth = 1025;
    file.Set(kCom2, "Window Position X", "1026");
    s = Load();
    EXPECT_EQ(s.WindowPositionY, -74);
    EXPECT_EQ(s.WindowPositionX, 512);  // 512.5 rounds to even
}

TEST_F(SettingsStoreTest, StyleFlagsOfOnePortDoNotLeakIntoTheNext) {
    file.Set(kCom2, "FontBold", "1");
    file.Set(kCom2, "FontUnderline", "2");
    file.Set(kCom2, "FontTitlebarItalic", "1");
    file.Set(kCom2, "Font Style Titlebar", "Courier New");
    MonitorSettings s = Load();
    EXPECT_TRUE(s.PanelFont.bold);
    EXPECT_FALSE(s.PanelFont.underline);
    EXPECT_TRUE(s.TitleBarFont.italic);
    EXPECT_EQ(s.TitleBarFont.face, "Courier New");

    s.DefaultPort = 3;
    LoadPortSettings(s, file, system, clock);
    EXPECT_FALSE(s.PanelFont.bold);
    EXPECT_FALSE(s.TitleBarFont.italic);
}

TEST_F(SettingsStoreTest, NamedTitleFontKeepsTheColoursOfTheFile) {
    file.Set(kCom2, "Font Style Titlebar", "Arial");
    file.Set(kCom2, "Font Color Titlebar", "65280");
    file.Set(kCom2, "FontTitlebarBackgroundColor", "16711680");
    file.Set(kCom2, "Font Size Titlebar", "9");
    MonitorSettings s = Load();
    EXPECT_EQ(s.TitleBarFont.colour, 65280u);
    EXPECT_EQ(s.FontTitlebarBackgroundColor, 16711680u);
    EXPECT_EQ(s.TitleBarFont.size, 9);

    file.Set(kCom2, "Font Style Titlebar", "");
    s = Load();
    EXPECT_EQ(s.TitleBarFont.face, "MS Sans Serif");
    EXPECT_EQ(s.TitleBarFont.size, 8);
    EXPECT_EQ(s.TitleBarFont.colour, system.captionText);
    EXPECT_EQ(s.FontTitlebarBackgroundColor, system.activeCaption);
}

TEST_F(SettingsStoreTest, UnsetResetDateTakesTheReferenceOrNow) {
    file.Set(kCom2, "TotalConnectReset", "0");
    file.Set(kCom2, "ConnectResetLoggerTimeRef", "0");
    EXPECT_EQ(Load().TotalConnectReset, clock.now);

    file.Set(kCom2, "ConnectResetLoggerTimeRef", "45000.25");
    EXPECT_EQ(Load().TotalConnectReset, 45000.25);

    file.Set(kCom2, "TotalConnectReset", "44000");
    EXPECT_EQ(Load().TotalConnectReset, 44000);
}

TEST_F(SettingsStoreTest, NegativePortReadsOnlyTheEditorName) {
    file.Set(kMainSection, "EditorName", "notepad.exe");
    const MonitorSettings s = Load(-1);
    EXPECT_EQ(s.EditorName, "notepad.exe");
    EXPECT_EQ(file.reads.size(), 1u);
}

TEST_F(SettingsStoreTest, PortZeroWritesNothing) {
    MonitorSettings s = Load(0);
    s.EditorName = "notepad.exe";
    SavePortSettings(s, file);
    EXPECT_TRUE(file.writes.empty());
}

// The port section's keys as the file spells them, in the order they are read and written
// (written out here, not taken from the key table).
const char* const kPortKeys[] = {
    "Auto Run",
    "AutoMaximize",
    "AutoTimedDisconnectActive",
    "AutoTimedDisconnectHours",
    "AutoTimedDisconnectMinutes",
    "BackgroundColor",
    "ConnectResetLoggerEvent",
    "CD Auto Exit",
    "CD Auto Exit Delay",
    "DCD Interval",
    "Log DCD",
    "Display connect time",
    "Display connect time in Titlebar",
    "Display total connect time in Display",
    "Display total connect time in Titlebar",
    "Disconnect if Inactive",
    "Disconnect time if Inactive",
    "Disconnect time if Inactive, Seconds",
    "DUNLights",
    "DUNRegistry",
    "DUNRunConnectoid",
    "InitModem",
    "LampLook",
    "LampLookTitle",
    "LightColorOff",
    "LightColorOn",
    "RD/TD Speed Update",
    "Font Size SPY",
    "Font Color Titlebar",
    "Font Size Titlebar",
    "FontTitlebarBackgroundColor",
    "SPY Speed in Display",
    "Negotiation Delay",
    "No Direct Hardware Acesss",
    "No Title Bar",
    "NoVxd",
    "OnTop",
    "NewOrientation",
    "Orientation Title",
    "ConnectPlaySound",
    "DisconnectPlaySound",
    "RIPlaySound",
    "WarnInactivePlaySound",
    "Window Position X",
    "Window Position Y",
    "Alternative method for RD",
    "Log RI",
    "RNAAPP",
    "Run Lights",
    "AutoDelay Title",
    "Status in Display",
    "TextColor",
    "Timer Interval",
    "Title",
    "TitleBar Offset",
    "TitleBar OffsetT",
    "Log total bytes",
    "ShowTrayIcon",
    "Trigger RD",
    "Warn when Exiting",
    "Warn if Inactive",
    "Warn time if Inactive",
    "Warn time if Inactive, Seconds",
    "WindowSizeX",
    "FontBold",
    "FontItalic",
    "FontUnderline",
    "FontStrikeOut",
    "FontTitlebarBold",
    "FontTitlebarItalic",
    "FontTitlebarUnderline",
    "FontTitlebarStrikeOut",
    "Auto Run Program",
    "ConnectResetLoggerTimeRef",
    "ConnectSound",
    "DisconnectSound",
    "DUNRegistryName",
    "DUNRunConnectoidName",
    "Font Style SPY",
    "Font Style Titlebar",
    "ModemInitString",
    "ModemLogName",
    "RISound",
    "TotalConnectNew",
    "TotalConnectReset",
    "WarnInactiveSound",
};

TEST_F(SettingsStoreTest, EveryKeyIsSpelledAndOrderedAsTheFileHasIt) {
    MonitorSettings s = Load();
    SavePortSettings(s, file);
    std::vector<std::string> read;
    std::vector<std::string> written;
    for (const auto& [section, key] : file.reads) {
        if (section == kCom2) {
            read.push_back(key);
        }
    }
    for (const auto& [section, key] : file.writes) {
        if (section == kCom2) {
            written.push_back(key);
        }
    }
    const std::vector<std::string> expected(std::begin(kPortKeys), std::end(kPortKeys));
    EXPECT_EQ(read, expected);
    EXPECT_EQ(written, expected);
}

TEST_F(SettingsStoreTest, SaveWritesEveryKeyInOrderWithItsSpelling) {
    MonitorSettings s = Load();
    s.EditorName = "c:\\tools\\ed.exe";
    s.NewOrientation = -6;
    s.TotalConnectNew = 0.25;
    s.ConnectResetLoggerTimeRef = 45292.5;
    s.PanelFont.strikeOut = true;
    s.PanelFont.face = "Times New Roman";
    s.PanelFont.size = 12;
    s.TitleBarFont.colour = 0xFFFFFFFF;
    s.RNAAPP = -1;
    SavePortSettings(s, file);

    ASSERT_EQ(file.writes.size(), 1 + PortSettingKeys().size());
    EXPECT_EQ(file.writes[0], (FakeProfile::Entry{kMainSection, "EditorName"}));
    for (std::size_t i = 0; i < PortSettingKeys().size(); ++i) {
        EXPECT_EQ(file.writes[i + 1].second, PortSettingKeys()[i].name);
    }
    EXPECT_EQ(file.Get(kMainSection, "EditorName"), "c:\\tools\\ed.exe");
    EXPECT_EQ(file.Get(kCom2, "NewOrientation"), "3");
    EXPECT_EQ(file.Get(kCom2, "TotalConnectNew"), " 2.50000000000000E-0001");
    EXPECT_EQ(file.Get(kCom2, "ConnectResetLoggerTimeRef"), " 4.52925000000000E+0004");
    EXPECT_EQ(file.Get(kCom2, "TotalConnectReset"), FormatProfileReal(clock.now));
    EXPECT_EQ(file.Get(kCom2, "FontStrikeOut"), "1");
    EXPECT_EQ(file.Get(kCom2, "FontBold"), "0");
    EXPECT_EQ(file.Get(kCom2, "FontTitlebarBold"), "1");
    EXPECT_EQ(file.Get(kCom2, "Font Style SPY"), "Times New Roman");
    EXPECT_EQ(file.Get(kCom2, "Font Size SPY"), "12");
    EXPECT_EQ(file.Get(kCom2, "Font Style Titlebar"), "MS Sans Serif");
    EXPECT_EQ(file.Get(kCom2, "Font Color Titlebar"), "4294967295");
    EXPECT_EQ(file.Get(kCom2, "RNAAPP"), "-1");
    EXPECT_EQ(file.Get(kCom2, "Window Position X"), "512");
}

TEST_F(SettingsStoreTest, SavedSettingsLoadBackUnchanged) {
    MonitorSettings saved = Load();
    saved.NewOrientation = -4;
    saved.ModemInitString = "AT&F  ;x=1";
    saved.TotalConnectNew = 1.0 / 3;
    saved.PanelFont.italic = true;
    SavePortSettings(saved, file);
    const MonitorSettings loaded = Load();
    EXPECT_EQ(loaded.NewOrientation, -4);
    EXPECT_EQ(loaded.ModemInitString, saved.ModemInitString);
    EXPECT_NEAR(loaded.TotalConnectNew, saved.TotalConnectNew, 1e-15);
    EXPECT_TRUE(loaded.PanelFont.italic);
}

TEST_F(SettingsStoreTest, RefusedWriteRaisesTheFileError) {
    MonitorSettings s = Load();
    file.refuseWrites = true;
    try {
        SavePortSettings(s, file);
        FAIL() << "no error raised";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to LINEWINK.INI");
    }
    EXPECT_THROW(WriteDefaultPort(file, 2), SettingsWriteError);
}

TEST_F(SettingsStoreTest, MainSectionValues) {
    EXPECT_EQ(ReadDefaultPort(file), 0);
    EXPECT_EQ(ReadShowLogoAtStartup(file), 1);
    file.Set(kMainSection, "Default Port", "-3");
    EXPECT_EQ(ReadDefaultPort(file), 0);
    WriteDefaultPort(file, 4);
    WriteShowLogoAtStartup(file, 0);
    EXPECT_EQ(ReadDefaultPort(file), 4);
    EXPECT_EQ(ReadShowLogoAtStartup(file), 0);
    EXPECT_EQ(PortSectionName(2), kCom2);
}

}  // namespace
}  // namespace lw
