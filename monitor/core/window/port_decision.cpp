#include "monitor/core/window/port_decision.h"

namespace lw {
namespace {

bool Available(int port, const std::array<bool, 4>& available) {
    return port >= 1 && port <= static_cast<int>(available.size()) && available[port - 1];
}

bool SetPortAvailable(int setPort, const PortsFound& found) {
    if (setPort > static_cast<int>(found.available.size())) {
        return setPort <= kHighestChoosablePort && found.setPortAboveFour;
    }
    return Available(setPort, found.available);
}

}  // namespace

PortDecision DecidePort(int setPort, const CommandLine& commandLine, const PortsFound& found) {
    const bool given = commandLine.port != 0 || commandLine.invalidPort;
    if (setPort == 0 && !given) {
        return {PortVerdict::Welcome, 0};
    }
    if (commandLine.invalidPort || (setPort >= 1 && !SetPortAvailable(setPort, found)) ||
        (commandLine.port >= 1 && !Available(commandLine.port, found.available))) {
        return {PortVerdict::Refuse, setPort};
    }
    return {PortVerdict::Monitor, commandLine.port != 0 ? commandLine.port : setPort};
}

}  // namespace lw
