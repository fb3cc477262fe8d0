// The HS lamp of the modem and courier layouts and of their title strips.
#pragma once

#include <cstdint>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"

namespace lw {

// The rate a 115200-baud chip really runs at for a set baud rate (its divisor is whole);
// 0 when there is none.
std::uint32_t EffectiveBaudRate(std::uint32_t baud);

// Lit above 9600 bits per second: the connect speed when the line reports one this tick,
// else the monitored port's effective rate. Unlit while no port is set.
bool HighSpeedLampLit(const MonitorSettings& settings, const SamplingState& sampling);

}  // namespace lw
