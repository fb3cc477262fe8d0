// Which port the monitor watches for this run, from the stored port, the command line and the
// ports found at start-up.
#pragma once

#include <array>

#include "monitor/core/window/command_line.h"

namespace lw {

enum class PortVerdict {
    Monitor,  // run on `port` (0 only when none was set and none given)
    Refuse,   // "Port not available! LineWink will not start."
    Welcome,  // first run: nothing set, nothing given
};

struct PortDecision {
    PortVerdict verdict = PortVerdict::Monitor;
    int port = 0;
};

// `available` holds COM1-COM4; any other port number counts as not available.
PortDecision DecidePort(int setPort, const CommandLine& commandLine,
                        const std::array<bool, 4>& available);

}  // namespace lw
