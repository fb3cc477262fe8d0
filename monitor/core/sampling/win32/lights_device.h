// The "lights" hand-over against the system: the copy-data record, the connection's device,
// and the start of the system's own modem-lights program.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

// The text of a copy-data record, up to its terminator and never past its stated size.
std::string CopyDataText(const COPYDATASTRUCT& record);

class ConnectionDevice : public LightsDevice {
  public:
    bool ConnectionAlive(std::uintptr_t event) override;
    void QueryStatistics(std::uintptr_t device, std::array<std::uint8_t, 20>& block) override;
};

class WinExecLauncher : public ProgramLauncher {
  public:
    void Run(const std::string& commandLine) override;
};

}  // namespace lw
