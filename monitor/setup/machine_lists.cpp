#include "monitor/setup/machine_lists.h"

#include <functional>

#include "monitor/core/window/port_decision.h"

namespace lw {
namespace {

constexpr const char* kNetDeviceKeyPrefix = "Enum\\Root\\Net\\000";
constexpr const char* kModemKeyPrefix = "System\\CurrentControlSet\\Services\\Class\\Modem\\000";

std::vector<std::string> ValueNamesOf(Registry& registry, RegistryRoot root,
                                      const std::string& path) {
    const auto key = registry.Open(root, path);
    return key ? key->ValueNames() : std::vector<std::string>{};
}

// The ten keys `prefix` followed by a digit: a missing key does not end the search.
void ForEachNumberedKey(Registry& registry, const std::string& prefix,
                        const std::function<void(RegistryKey&)>& visit) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        if (const auto key = registry.Open(RegistryRoot::LocalMachine, prefix + digit)) {
            visit(*key);
        }
    }
}

}  // namespace

std::vector<std::string> AvailablePortNames(const std::array<bool, 4>& available) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < available.size(); ++i) {
        if (available[i]) {
            names.push_back("COM" + std::to_string(i + 1));
        }
    }
    return names;
}

std::optional<int> PortToSwitchTo(const std::string& text, int monitoredPort) {
    if (text == "COM" + std::to_string(monitoredPort)) {
        return std::nullopt;
    }
    for (int port = 1; port <= kHighestChoosablePort; ++port) {
        if (text == "COM" + std::to_string(port)) {
            return port;
        }
    }
    return std::nullopt;
}

std::vector<std::string> DialUpEntries(Registry& registry) {
    return ValueNamesOf(registry, RegistryRoot::CurrentUser, kDialUpEntriesKey);
}

std::vector<std::string> DeviceDescriptions(Registry& registry) {
    std::vector<std::string> descriptions;
    ForEachNumberedKey(registry, kNetDeviceKeyPrefix, [&](RegistryKey& key) {
        descriptions.push_back(StringOf(key.Read("DeviceDesc")));
    });
    return descriptions;
}

std::vector<std::string> ModemLogNames(Registry& registry) {
    std::vector<std::string> logs;
    ForEachNumberedKey(registry, kModemKeyPrefix, [&](RegistryKey& key) {
        if (std::string path = StringOf(key.Read("LoggingPath")); !path.empty()) {
            logs.push_back(std::move(path));
        }
    });
    return logs;
}

std::vector<std::string> StatisticsNames(Registry& registry) {
    return ValueNamesOf(registry, RegistryRoot::DynData, kStatisticsKey);
}

// The system decides what counts as the same name, as it does when the statistics are read;
// an empty name would find the key's unnamed value, which names no connection.
std::optional<bool> IsStatisticsName(Registry& registry, const std::string& name) {
    const auto key = registry.Open(RegistryRoot::DynData, kStatisticsKey);
    if (!key) {
        return std::nullopt;
    }
    return !name.empty() && key->Read(name).has_value();
}

}  // namespace lw
