// The drop-down lists that come from the machine: the ports that can be monitored, the
// dial-up entries, the network device descriptions, the modem log files, and the names under
// which the dial-up statistics appear. Keys are opened, never created; one that does not open
// gives nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "monitor/setup/registry.h"

namespace lw {

inline constexpr const char* kDialUpEntriesKey = "RemoteAccess\\Addresses";
inline constexpr const char* kStatisticsKey = "PerfStats\\StartSrv";

// "COM" and the number of each available port, in port order.
std::vector<std::string> AvailablePortNames(const std::array<bool, 4>& available);

// The port list's text names a port to switch to: "COM1" to "COM9" exactly, and not the port
// already monitored.
std::optional<int> PortToSwitchTo(const std::string& text, int monitoredPort);

// The value names under "RemoteAccess\Addresses" of the current user, one per entry.
std::vector<std::string> DialUpEntries(Registry& registry);
// "DeviceDesc" of each of the network device keys "Enum\Root\Net\0000" to "...0009" that
// exists, empty where it has none.
std::vector<std::string> DeviceDescriptions(Registry& registry);
// The non-empty "LoggingPath" of each modem key "...\Class\Modem\0000" to "...0009".
std::vector<std::string> ModemLogNames(Registry& registry);
// The value names under "PerfStats\StartSrv" of the dynamic data.
std::vector<std::string> StatisticsNames(Registry& registry);
// Whether `name` is one of those; nothing when the key does not open.
std::optional<bool> IsStatisticsName(Registry& registry, const std::string& name);

}  // namespace lw
