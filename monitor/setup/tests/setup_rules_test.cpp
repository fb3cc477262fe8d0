// The settings dialog's rules that stand apart from its controls: how choices stand for
// values, the start-up entry and the modem icon bit in the registry, the logs and their
// editor, and the driver switch.
#include <gtest/gtest.h>

#include "monitor/core/time/day_count.h"
#include "monitor/setup/driver_switch.h"
#include "monitor/setup/log_actions.h"
#include "monitor/setup/setup_values.h"
#include "monitor/setup/system_entries.h"
#include "monitor/setup/tests/fakes/setup_fakes.h"

namespace lw {
namespace {

using testing::CallLog;

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kShortProgram = "C:\\PROGRA~1\\LINEWINK\\LINEWINK.EXE";

RegistryValue Text(const std::string& text) {
    RegistryValue value{kRegistryString, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

RegistryValue Binary(std::vector<std::uint8_t> bytes) {
    return {kRegistryBinary, std::move(bytes)};
}

TEST(SetupValuesTest, ChoicesStandForTheirSettingValues) {
    EXPECT_EQ(OneTwoZeroValue(0), 1);
    EXPECT_EQ(OneTwoZeroValue(1), 2);
    EXPECT_EQ(OneTwoZeroValue(2), 0);
    EXPECT_EQ(OneTwoZeroItem(1), 0);
    EXPECT_EQ(OneTwoZeroItem(2), 1);
    EXPECT_EQ(OneTwoZeroItem(0), 2);
    EXPECT_EQ(OneTwoZeroItem(3), std::nullopt);

    EXPECT_EQ(ConnectTimeOfItem(0), (ConnectTimeFlags{1, 0}));
    EXPECT_EQ(ConnectTimeOfItem(1), (ConnectTimeFlags{0, 1}));
    EXPECT_EQ(ConnectTimeOfItem(2), (ConnectTimeFlags{0, 0}));
    // The session time wins when a hand-edited file sets both.
    EXPECT_EQ(ConnectTimeItem({1, 1}), 0);
    EXPECT_EQ(ConnectTimeItem({0, 1}), 1);
    EXPECT_EQ(ConnectTimeItem({0, 0}), 2);
    EXPECT_EQ(ConnectTimeItem({2, 2}), 2);
}

TEST(SetupValuesTest, AnotherLayoutKeepsTheMinimisedSignAndAsksForANewWidth) {
    const LayoutChoice other = ChooseLayout(-3, 1);
    EXPECT_EQ(other.orientation, -2);
    EXPECT_TRUE(other.resetWidth);
    const LayoutChoice same = ChooseLayout(-2, 1);
    EXPECT_EQ(same.orientation, -2);
    EXPECT_FALSE(same.resetWidth);
    EXPECT_EQ(ChooseLayout(4, 4).orientation, 5);

    EXPECT_EQ(LayoutItem(-5), 4);
    EXPECT_EQ(LayoutItem(1), 0);
    EXPECT_EQ(LayoutItem(6), std::nullopt);
    EXPECT_EQ(LayoutItem(0), std::nullopt);
    EXPECT_EQ(LayoutItem(std::numeric_limits<std::int32_t>::min()), std::nullopt);
}

TEST(SetupValuesTest, APickedDateKeepsTheTimeAndAPickedTimeKeepsTheDate) {
    const DayCount old = EncodeDateTime({2024, 3, 5}, {18, 30, 0});
    const DayCount picked = EncodeDateTime({2025, 7, 1}, {6, 15, 0});
    EXPECT_DOUBLE_EQ(WithDate(old, picked), EncodeDateTime({2025, 7, 1}, {18, 30, 0}));
    EXPECT_DOUBLE_EQ(WithTime(old, picked), EncodeDateTime({2024, 3, 5}, {6, 15, 0}));
    // Nothing set yet: the picked date at midnight.
    EXPECT_DOUBLE_EQ(WithDate(0, picked), EncodeDate({2025, 7, 1}));
    // Before 30 December 1899 the time of day still counts forward from midnight.
    const DayCount early = EncodeDateTime({1899, 12, 29}, {6, 0, 0});
    EXPECT_EQ(DecodeTime(WithTime(early, picked)), (TimeOfDay{6, 15, 0, 0}));
    EXPECT_EQ(DecodeDate(WithTime(early, picked)), (CalendarDate{1899, 12, 29}));
}

class SystemEntriesTest : public ::testing::Test {
  protected:
    testing::FakeRegistry::Values& RunKey() {
        return registry.KeyAt(RegistryRoot::LocalMachine, kRun);
    }
    testing::FakeRegistry::Values& RemoteAccess() {
        return registry.KeyAt(RegistryRoot::CurrentUser, "RemoteAccess");
    }

    CallLog log;
    testing::FakeRegistry registry{log};
};

TEST_F(SystemEntriesTest, TheStartupEntryMustBeTheShortPathCharacterForCharacter) {
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), std::nullopt);
    WriteStartupEntry(registry, true, kShortProgram);
    EXPECT_TRUE(log.empty()) << "a missing key is never created";

    RunKey();
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), false);
    RunKey()["LineWink"] = Text(kShortProgram);
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), true);
    RunKey()["LineWink"] = Text("c:\\progra~1\\linewink\\linewink.exe");
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), false);
    RunKey()["LineWink"] = Text("C:\\Program Files\\LineWink\\LineWink.exe");
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), false);
    RunKey()["LineWink"] = Binary({'C', ':', 0});
    EXPECT_EQ(ReadStartupEntry(registry, kShortProgram), false);

    WriteStartupEntry(registry, true, kShortProgram);
    EXPECT_EQ(RunKey().at("LineWink"), Text(kShortProgram));
    WriteStartupEntry(registry, false, kShortProgram);
    EXPECT_EQ(RunKey().count("LineWink"), 0u);
}

TEST_F(SystemEntriesTest, TheModemIconBitLeavesEveryOtherBitAsItWas) {
    EXPECT_EQ(ReadModemIconHidden(registry), std::nullopt);
    RemoteAccess();
    EXPECT_EQ(ReadModemIconHidden(registry), false);
    WriteModemIconHidden(registry, true);
    EXPECT_EQ(RemoteAccess().at("DialUI"), Binary({4, 0, 0, 0}));

    RemoteAccess()["DialUI"] = Binary({0x13, 0x80, 0, 1});
    EXPECT_EQ(ReadModemIconHidden(registry), false);
    WriteModemIconHidden(registry, true);
    EXPECT_EQ(RemoteAccess().at("DialUI"), Binary({0x17, 0x80, 0, 1}));
    EXPECT_EQ(ReadModemIconHidden(registry), true);
    WriteModemIconHidden(registry, false);
    EXPECT_EQ(RemoteAccess().at("DialUI"), Binary({0x13, 0x80, 0, 1}));

    // A shorter value counts from its low byte.
    RemoteAccess()["DialUI"] = Binary({0x05});
    EXPECT_EQ(ReadModemIconHidden(registry), true);
}

TEST_F(SystemEntriesTest, ADialUiOfAnotherTypeOrLongerThanFourBytesIsAnError) {
    RemoteAccess()["DialUI"] = RegistryValue{4, {4, 0, 0, 0}};
    EXPECT_THROW(ReadModemIconHidden(registry), RegistryError);
    EXPECT_THROW(WriteModemIconHidden(registry, true), RegistryError);
    RemoteAccess()["DialUI"] = Binary({4, 0, 0, 0, 0});
    EXPECT_THROW(ReadModemIconHidden(registry), RegistryError);
    EXPECT_THROW(WriteModemIconHidden(registry, false), RegistryError);
    EXPECT_TRUE(log.empty()) << "nothing is written over a value that could not be read";
}

class LogActionsTest : public ::testing::Test {
  protected:
    LogActionsTest() { system.files.insert("C:\\TOOLS\\Edit Pad.exe"); }

    CallLog log;
    MonitorSettings settings;
    testing::FakeSetupSystem system{log};
    testing::NotedBoxes boxes{log};
    LogActions logs{settings, system, boxes};
};

TEST_F(LogActionsTest, TheEditorIsTheOneNamedOrElseTheOneThatOpensWinIni) {
    system.shortPaths["C:\\TOOLS\\Edit Pad.exe"] = "C:\\TOOLS\\EDITPA~1.EXE";
    settings.EditorName = "C:\\TOOLS\\Edit Pad.exe";
    EXPECT_EQ(FindLogEditor(settings.EditorName, system), "C:\\TOOLS\\EDITPA~1.EXE ");
    settings.EditorName = "C:\\TOOLS\\Gone.exe";
    EXPECT_EQ(FindLogEditor(settings.EditorName, system), std::nullopt);
    EXPECT_TRUE(log.empty()) << "a named editor is never looked for elsewhere";

    system.association = "C:\\WINDOWS\\NOTEPAD.EXE";
    system.files.insert(*system.association);
    EXPECT_EQ(FindLogEditor("", system), "C:\\WINDOWS\\NOTEPAD.EXE ");
    EXPECT_EQ(log, (CallLog{"associated with C:\\WINDOWS\\win.ini"}));
    system.association.reset();
    EXPECT_EQ(FindLogEditor("", system), std::nullopt);
}

TEST_F(LogActionsTest, WithoutAnEditorEveryShowButtonSaysSoAndStartsNothing) {
    settings.EditorName = "C:\\TOOLS\\Gone.exe";
    settings.ModemLogName = "C:\\WINDOWS\\ModemLog.txt";
    system.files.insert(settings.ModemLogName);
    logs.ShowLog(MonitorLog::Ring);
    logs.ShowLog(MonitorLog::Connection);
    logs.ShowModemLog();
    EXPECT_EQ(log, CallLog(3, "error Can not find editor for log files"));
}

TEST_F(LogActionsTest, TheLogsLieBesideTheProgramAndOpenInTheEditor) {
    settings.EditorName = "C:\\TOOLS\\Edit Pad.exe";
    logs.ShowLog(MonitorLog::Ring);
    logs.ShowLog(MonitorLog::Connection);
    settings.ModemLogName = "C:\\WINDOWS\\Modem Log.txt";
    logs.ShowModemLog();
    system.shortPaths[settings.ModemLogName] = "C:\\WINDOWS\\MODEML~1.TXT";
    logs.ShowModemLog();
    EXPECT_EQ(log, (CallLog{"start C:\\TOOLS\\Edit Pad.exe C:\\PROGRA~1\\LINEWINK\\LINEWINK.RI",
                            "start C:\\TOOLS\\Edit Pad.exe C:\\PROGRA~1\\LINEWINK\\LINEWINK.DCD",
                            "error Can not find log file",
                            "start C:\\TOOLS\\Edit Pad.exe C:\\WINDOWS\\MODEML~1.TXT"}));
}

TEST_F(LogActionsTest, DeletingAsksAndClosesTheFileWhateverTheAnswer) {
    const std::string ring = "C:\\Program Files\\LineWink\\LineWink.RI";
    logs.DeleteLog(MonitorLog::Ring);
    EXPECT_EQ(log, (CallLog{"error Can not find the log file LINEWINK.RI"}));

    log.clear();
    system.files.insert(ring);
    boxes.answer = MessageAnswer::Cancel;
    logs.DeleteLog(MonitorLog::Ring);
    EXPECT_EQ(log, (CallLog{"open " + ring, "warning Delete RI Log file?", "close " + ring}));

    log.clear();
    boxes.answer = MessageAnswer::Ok;
    logs.DeleteLog(MonitorLog::Ring);
    EXPECT_EQ(log, (CallLog{"open " + ring, "warning Delete RI Log file?", "close " + ring,
                            "remove " + ring}));

    log.clear();
    logs.DeleteLog(MonitorLog::Connection);
    EXPECT_EQ(log, (CallLog{"error Can not find the log file LINEWINK.DCD"}));
    system.files.insert("C:\\Program Files\\LineWink\\LineWink.DCD");
    log.clear();
    logs.DeleteLog(MonitorLog::Connection);
    EXPECT_EQ(log.at(1), "warning Delete Connect Log file?");
}

TEST(DriverSwitchTest, TheDriverIsReleasedOrOpenedAtOnceAndTheUserTold) {
    CallLog log;
    MonitorSettings settings;
    testing::FakeDriverControl driver{log};
    testing::NotedBoxes boxes{log};

    SwitchDriver(true, settings, driver, boxes);
    EXPECT_EQ(settings.NoVxd, 1);
    EXPECT_TRUE(log.empty()) << "a closed driver is left alone";

    SwitchDriver(false, settings, driver, boxes);
    EXPECT_EQ(settings.NoVxd, 0);
    SwitchDriver(false, settings, driver, boxes);
    SwitchDriver(true, settings, driver, boxes);
    driver.opens = false;
    SwitchDriver(false, settings, driver, boxes);
    EXPECT_EQ(settings.NoVxd, 0);
    EXPECT_EQ(log, (CallLog{"open driver", "box LNWINK95.VXD loaded.", "release driver",
                            "box LNWINK95.VXD unloaded.", "open driver",
                            "warning LNWINK95.VXD not found in the LineWink directory. You will "
                            "have problems with the detection."}));
}

}  // namespace
}  // namespace lw
