#include "monitor/core/drawing/panel_text.h"

#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/time/duration_text.h"

namespace lw {
namespace {

// Blanks after a text that may be shorter than the one drawn before it.
constexpr const char* kPadding = "        ";

}  // namespace

DayCount SessionTimeShown(const MonitorSettings& settings, const ConnectionState& connection,
                          DayCount now, bool withTotal) {
    DayCount shown = now - connection.SessionStart + settings.NegotiationDelay * kOneSecond;
    if (withTotal) {
        shown += settings.TotalConnectNew;
    }
    return shown;
}

std::vector<PanelTextLine> PanelTextLines(const MonitorSettings& settings,
                                          const SamplingState& sampling,
                                          const ConnectionState& connection, DayCount now) {
    std::vector<PanelTextLine> lines;
    if (PanelLayoutNumber(settings.NewOrientation) <= 2) {
        return lines;
    }
    if (IsOn(settings.StatusInDisplay)) {
        lines.push_back(
            {"COM " + std::to_string(settings.DefaultPort) + " " + connection.PortStatus + kPadding,
             {}});
    }
    const bool total = IsOn(settings.DisplayTotalConnectTimeInDisplay);
    if ((IsOn(settings.DisplayConnectTime) || total) && sampling.Current.CD == 1) {
        lines.push_back(
            {"Connect time: " + FormatDuration(SessionTimeShown(settings, connection, now, total)) +
                 kPadding,
             {}});
    }
    if (IsOn(settings.SPYSpeedInDisplay)) {
        PanelTextLine line;
        if (settings.RDTDSpeedUpdate != 0) {
            line.text = "TD: " + std::to_string(connection.TxWindowShown) + kPadding;
            line.second = "RD: " + std::to_string(connection.RxWindowShown) + kPadding;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace lw
