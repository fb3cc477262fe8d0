#include "monitor/core/window/port_decision.h"

namespace lw {
namespace {

bool Available(int port, const std::array<bool, 4>& available) {
    return port >= 1 && port <= static_cast<int>(available.size()) && available[port - 1];
}

}  // namespace

PortDecision DecidePort(int setPort, const CommandLine& commandLine,
                        const std::array<bool, 4>& available) {
    const bool given = commandLine.port != 0 || commandLine.invalidPort;
    if (setPort == 0 && !given) {
        return {PortVerdict::Welcome, 0};
    }
    if (commandLine.invalidPort || (setPort >= 1 && !Available(setPort, available)) ||
        (commandLine.port >= 1 && !Available(commandLine.port, available))) {
        return {PortVerdict::Refuse, setPort};
    }
    return {PortVerdict::Monitor, commandLine.port != 0 ? commandLine.port : setPort};
}

}  // namespace lw
