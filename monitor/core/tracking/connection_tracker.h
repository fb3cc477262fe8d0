// The monitor's tick: turns each sampled line state into session and total times, log lines,
// sounds, alerts, automatic disconnects and exits, and the decision to redraw.
#pragma once

#include <string>

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/sampling/line_sampler.h"
#include "monitor/core/sampling/line_state.h"
#include "monitor/core/settings/settings.h"
#include "monitor/core/time/clock.h"
#include "monitor/core/tracking/connection_log_file.h"
#include "monitor/core/tracking/connection_setup_link.h"
#include "monitor/core/tracking/connection_state.h"
#include "monitor/core/tracking/sound_rule.h"
#include "monitor/core/tracking/window_actions.h"

namespace lw {

// Everything the tick does to the world goes through these.
struct TickServices {
    const Clock& clock;
    LineSampler& sampler;
    SoundPlayer& sounds;
    MessageBoxes& boxes;
    LogFiles& logs;
    const DateTimeFormat& dates;
    WindowActions& window;
    SetupDialogLink& dialog;
};

struct LogFileNames {
    std::string connections;  // "LINEWINK.DCD" beside the program
    std::string rings;        // "LINEWINK.RI" beside the program
};

class ConnectionTracker {
  public:
    // The records belong to the main window and outlive the tracker.
    ConnectionTracker(MonitorSettings& settings, SamplingState& sampling,
                      ConnectionState& connection, const TickServices& services,
                      LogFileNames logFiles);

    // One timer tick (or a manual update). Boxes opened here keep the message loop running,
    // so OnTick may be entered again before it returns. A log file that cannot be written
    // ends the tick with a LogFileError.
    void OnTick();
    void ResetSession();
    void ResetTotal();
    // Adds the running session, negotiation delay included, to "TotalConnectNew".
    void AddSessionToTotal();
    // While the settings dialog is open, the copy of the settings that its Cancel puts back:
    // what the line does to the connect-time totals meanwhile goes into it too, so that Cancel
    // takes back the user's edits only. Null when no dialog is open.
    void KeepTotalsAlsoIn(MonitorSettings* copy) { totalsCopy_ = copy; }

  private:
    const LineState& Line() const { return sampling_.Current; }
    bool CarrierUp() const { return Line().CD == 1; }
    bool RisingRing() const { return Line().RI == 1 && connection_.PrevRI == 0; }
    DayCount Now() const { return services_.clock.Now(); }
    DayCount SessionTime() const;

    void TrackActivity();
    void TrackThroughput();
    void TrackCarrierEdges();
    void OnCarrierRise();
    void OnCarrierDrop();
    void OnCarrierEdge();
    void CheckAutoExit();
    void TrackRings();
    void CheckInactivity();
    void CheckInactivityWarning();
    bool InactiveFor(std::int32_t minutes, std::int32_t seconds) const;
    void LogConnection();
    void WriteConnectedPiece();
    void WriteDisconnectedPieces();
    void KeepPortStatus();
    void CheckAutoReset();
    bool CheckScheduledDisconnect();
    void CheckTimedDisconnect();
    MessageAnswer Alert(const std::string& text, MessageButtons buttons);
    void DecideRedraw();
    bool LampsChanged() const;
    bool ShowsRunningValues() const;
    void UpdateSetupDialog();
    void Redraw();

    template <typename Change>
    void ChangeTotals(Change change) {
        change(settings_);
        if (totalsCopy_ != nullptr) {
            change(*totalsCopy_);
        }
    }

    MonitorSettings& settings_;
    MonitorSettings* totalsCopy_ = nullptr;
    SamplingState& sampling_;
    ConnectionState& connection_;
    TickServices services_;
    LogFileNames logFiles_;
};

}  // namespace lw
