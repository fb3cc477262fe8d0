// What the settings dialog learns from the machine and what its port list and "Use Registry"
// box set off: the lists of ports, dial-up entries, device descriptions and modem logs, the
// port test of "Detect Com Ports", the port switch and the check of the statistics name.
//
// The dialog holds a SetupDiscovery; the program makes a Discovery from the main window's
// records, the registry, the port switch's services and the registry-entry dialog
// (win32/select_reg_dlg.h):
//
//     Discovery discovery({main.Settings(), main.Sampling(), main.Connection(), portWindow,
//                          startupSystem, openSettingsFile, appearance, clock,
//                          main.Arguments().autoCheck},
//                         registry, selectRegDlg);
#pragma once

#include <string>
#include <vector>

#include "monitor/setup/port_switch.h"
#include "monitor/setup/registry.h"

namespace lw {

class SetupDiscovery {
  public:
    virtual ~SetupDiscovery() = default;
    // "COM1".."COM4" for the ports that are available, in port order.
    virtual std::vector<std::string> PortNames() = 0;
    virtual std::vector<std::string> DialUpEntries() = 0;
    virtual std::vector<std::string> DeviceDescriptions() = 0;
    virtual std::vector<std::string> ModemLogNames() = 0;
    // Tests the four ports anew ("Detect Com Ports"); the dialog refreshes afterwards.
    virtual void DetectComPorts() = 0;
    // The port list's text changed: a switch when it names another port.
    virtual void PortTextChanged(const std::string& text) = 0;
    // "Use Registry" was ticked: offers the choice of the statistics name when the one set is
    // not among them.
    virtual void CheckStatisticsName() = 0;
};

// The dialog that lists the statistics names for the user to pick one.
class RegistryEntryDialog {
  public:
    virtual ~RegistryEntryDialog() = default;
    // Shows it modally; a pick is stored at once.
    virtual void Offer() = 0;
};

// Offers `dialog` when the statistics key lacks the name set in `settings`; nothing when the
// key does not open.
void CheckStatisticsName(Registry& registry, const MonitorSettings& settings,
                         RegistryEntryDialog& dialog);

class Discovery : public SetupDiscovery {
  public:
    Discovery(const PortSwitchServices& ports, Registry& registry, RegistryEntryDialog& dialog);

    std::vector<std::string> PortNames() override;
    std::vector<std::string> DialUpEntries() override;
    std::vector<std::string> DeviceDescriptions() override;
    std::vector<std::string> ModemLogNames() override;
    void DetectComPorts() override;
    void PortTextChanged(const std::string& text) override;
    void CheckStatisticsName() override;

  private:
    PortSwitchServices ports_;
    Registry& registry_;
    RegistryEntryDialog& dialog_;
};

}  // namespace lw
