// What the tick asks of line sampling.
#pragma once

#include <string>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/tracking/connection_state.h"

namespace lw {

class LineSampler {
  public:
    virtual ~LineSampler() = default;
    // Moves sampling.Current to sampling.Previous and fills this tick's sampling.Current from
    // the sources the settings choose; counts traffic into the connection's throughput window
    // and, while the carrier is up, its session totals.
    virtual void SampleLine(SamplingState& sampling, const MonitorSettings& settings,
                            ConnectionState& connection) = 0;
    // Drops DTR on the monitored port for one second.
    virtual void HangUp(const MonitorSettings& settings) = 0;
    // Appends the port status text ("8N1 57600", or the connect-speed text) to `text`.
    virtual void PortStatusText(const SamplingState& sampling, const MonitorSettings& settings,
                                std::string& text) = 0;
};

}  // namespace lw
