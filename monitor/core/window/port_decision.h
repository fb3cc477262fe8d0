// Which port the monitor watches for this run, from the stored port, the command line and the
// ports found at start-up.
#pragma once

#include <array>

#include "monitor/core/window/command_line.h"

namespace lw {

// The settings dialog's port list switches to COM1 up to this port (a typed name above COM4);
// whatever it switches to is stored and must start the next run.
constexpr int kHighestChoosablePort = 9;

enum class PortVerdict {
    Monitor,  // run on `port` (0 only when none was set and none given)
    Refuse,   // "Port not available! LineWink will not start."
    Welcome,  // first run: nothing set, nothing given
};

struct PortDecision {
    PortVerdict verdict = PortVerdict::Monitor;
    int port = 0;
};

// What start-up found: COM1-COM4, and whether a set port above COM4 (up to the highest one
// the port list offers) is there.
struct PortsFound {
    std::array<bool, 4> available{};
    bool setPortAboveFour = false;
};

PortDecision DecidePort(int setPort, const CommandLine& commandLine, const PortsFound& found);

}  // namespace lw
