#include <gtest/gtest.h>

#include "monitor/setup/machine_lists.h"
#include "monitor/setup/tests/fakes/discovery_fakes.h"

namespace lw {
namespace {

using testing::MemoryRegistry;
using Names = std::vector<std::string>;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
const std::string kNet = "Enum\\Root\\Net\\";
const std::string kModem = "System\\CurrentControlSet\\Services\\Class\\Modem\\";

TEST(MachineListsTest, OnlyAvailablePortsAreListedInPortOrder) {
    EXPECT_EQ(AvailablePortNames({true, false, true, false}), (Names{"COM1", "COM3"}));
    EXPECT_EQ(AvailablePortNames({false, false, false, false}), Names{});
}

TEST(MachineListsTest, OnlyTheExactNameOfAnotherPortSwitches) {
    EXPECT_EQ(PortToSwitchTo("COM2", 1), 2);
    EXPECT_EQ(PortToSwitchTo("COM9", 1), 9);
    EXPECT_EQ(PortToSwitchTo("COM1", 0), 1);
    EXPECT_EQ(PortToSwitchTo("COM1", 1), std::nullopt);
    for (const char* text : {"com2", "Com2", "COM0", "COM10", " COM2", "COM2 ", "COM", "", "2"}) {
        EXPECT_EQ(PortToSwitchTo(text, 1), std::nullopt) << '"' << text << '"';
    }
}

TEST(MachineListsTest, DeviceKeysAreTriedForEachDigitAndNoFurther) {
    MemoryRegistry registry;
    registry.SetString(kMachine, kNet + "0002", "DeviceDesc", "Dial-Up Adapter #2");
    registry.SetString(kMachine, kNet + "0000", "DeviceDesc", "Dial-Up Adapter");
    registry.SetString(kMachine, kNet + "0010", "DeviceDesc", "Eleventh Adapter");
    EXPECT_EQ(DeviceDescriptions(registry), (Names{"Dial-Up Adapter", "Dial-Up Adapter #2"}));

    registry.KeyAt(kMachine, kNet + "0005").emplace_back("DeviceDesc", RegistryValue{3, {1}});
    registry.KeyAt(kMachine, kNet + "0009");
    EXPECT_EQ(DeviceDescriptions(registry),
              (Names{"Dial-Up Adapter", "Dial-Up Adapter #2", "", ""}));
}

TEST(MachineListsTest, ModemsWithoutALogPathAddNothing) {
    MemoryRegistry registry;
    registry.SetString(kMachine, kModem + "0000", "LoggingPath", "");
    registry.SetString(kMachine, kModem + "0001", "LoggingPath", "C:\\WINDOWS\\MODEMLOG.TXT");
    registry.KeyAt(kMachine, kModem + "0003");
    registry.SetString(kMachine, kModem + "0007", "LoggingPath", "C:\\WINDOWS\\Fax.log");
    registry.SetString(kMachine, kModem + "0010", "LoggingPath", "C:\\WINDOWS\\Eleventh.log");
    EXPECT_EQ(ModemLogNames(registry),
              (Names{"C:\\WINDOWS\\MODEMLOG.TXT", "C:\\WINDOWS\\Fax.log"}));
}

TEST(MachineListsTest, EntriesAndStatisticsNamesAreValueNamesInTheSystemsOrder) {
    MemoryRegistry registry;
    EXPECT_EQ(DialUpEntries(registry), Names{});
    EXPECT_EQ(StatisticsNames(registry), Names{});
    EXPECT_EQ(IsStatisticsName(registry, "Dial-Up Adapter"), std::nullopt);

    registry.KeyAt(RegistryRoot::CurrentUser, kDialUpEntriesKey) = {{"Office", {3, {0}}},
                                                                    {"My ISP", {3, {0}}}};
    EXPECT_EQ(DialUpEntries(registry), (Names{"Office", "My ISP"}));

    registry.SetString(RegistryRoot::DynData, kStatisticsKey, "Dial-Up Adapter", "");
    registry.SetString(RegistryRoot::DynData, kStatisticsKey, "", "unnamed");
    EXPECT_EQ(StatisticsNames(registry), (Names{"Dial-Up Adapter", ""}));
    EXPECT_EQ(IsStatisticsName(registry, "Dial-Up Adapter"), true);
    EXPECT_EQ(IsStatisticsName(registry, "Dial-Up Adapter #2"), false);
    EXPECT_EQ(IsStatisticsName(registry, ""), false);
}

TEST(MachineListsTest, StringValuesEndAtTheirTerminator) {
    EXPECT_EQ(StringOf(RegistryValue{kRegistryString, {'a', 'b', 0, 'c'}}), "ab");
    EXPECT_EQ(StringOf(RegistryValue{kRegistryString, {'a', 'b'}}), "ab");
    EXPECT_EQ(StringOf(RegistryValue{kRegistryBinary, {'a'}}), "");
    EXPECT_EQ(StringOf(std::nullopt), "");
    EXPECT_EQ(StringValue("ab"), (RegistryValue{kRegistryString, {'a', 'b', 0}}));
}

}  // namespace
}  // namespace lw
