#include "monitor/setup/discovery.h"

#include "monitor/setup/machine_lists.h"

namespace lw {

Discovery::Discovery(const PortSwitchServices& ports, Registry& registry,
                     RegistryEntryDialog& dialog)
    : ports_(ports), registry_(registry), dialog_(dialog) {}

std::vector<std::string> Discovery::PortNames() {
    return AvailablePortNames(ports_.sampling.PortAvailable);
}

std::vector<std::string> Discovery::DialUpEntries() {
    return lw::DialUpEntries(registry_);
}

std::vector<std::string> Discovery::DeviceDescriptions() {
    return lw::DeviceDescriptions(registry_);
}

std::vector<std::string> Discovery::ModemLogNames() {
    return lw::ModemLogNames(registry_);
}

// A port that does not open now is left out of the list until it is detected again.
void Discovery::DetectComPorts() {
    std::array<bool, 4>& available = ports_.sampling.PortAvailable;
    for (int port = 1; port <= static_cast<int>(available.size()); ++port) {
        available[port - 1] = false;
        available[port - 1] = ports_.system.TestPort(port, ports_.sampling.Port);
    }
}

void Discovery::PortTextChanged(const std::string& text) {
    if (const auto port = PortToSwitchTo(text, ports_.settings.DefaultPort)) {
        SwitchPort(ports_, *port);
    }
}

void CheckStatisticsName(Registry& registry, const MonitorSettings& settings,
                         RegistryEntryDialog& dialog) {
    const std::optional<bool> known = IsStatisticsName(registry, settings.DUNRegistryName);
    if (known.has_value() && !*known) {
        dialog.Offer();
    }
}

void Discovery::CheckStatisticsName() {
    lw::CheckStatisticsName(registry_, ports_.settings, dialog_);
}

}  // namespace lw
