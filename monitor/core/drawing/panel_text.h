// The text lines under the lamps of the small layouts.
#pragma once

#include <string>
#include <vector>

#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/time/day_count.h"
#include "monitor/core/tracking/connection_state.h"

namespace lw {

// One line; the throughput line has a second part, shifted right by the width of
// kSecondColumnSample.
struct PanelTextLine {
    std::string text;
    std::string second;
    friend bool operator==(const PanelTextLine&, const PanelTextLine&) = default;
};

inline constexpr const char* kSecondColumnSample = "TD: 1234  ";
inline constexpr int kTextLeft = 4;
inline constexpr int kTextTop = 21;

// The lines in the order shown, as many as ShownTextLines counts.
std::vector<PanelTextLine> PanelTextLines(const MonitorSettings& settings,
                                          const SamplingState& sampling,
                                          const ConnectionState& connection, DayCount now);

// The running session with the negotiation delay; what the panel and the title bar show.
DayCount SessionTimeShown(const MonitorSettings& settings, const ConnectionState& connection,
                          DayCount now, bool withTotal);

}  // namespace lw
