#include "monitor/core/tracking/connection_tracker.h"

#include <utility>

#include "monitor/core/tracking/sound_rule.h"

namespace lw {
namespace {

bool ShowsTimeInPanel(const MonitorSettings& s) {
    return IsOn(s.DisplayConnectTime) || IsOn(s.DisplayTotalConnectTimeInDisplay);
}

bool ShowsTimeInTitleBar(const MonitorSettings& s) {
    return IsOn(s.DisplayConnectTimeInTitlebar) || IsOn(s.DisplayTotalConnectTimeInTitlebar);
}

}  // namespace

ConnectionTracker::ConnectionTracker(MonitorSettings& settings, SamplingState& sampling,
                                     ConnectionState& connection, const TickServices& services,
                                     LogFileNames logFiles)
    : settings_(settings),
      sampling_(sampling),
      connection_(connection),
      services_(services),
      logFiles_(std::move(logFiles)) {}

void ConnectionTracker::OnTick() {
    if (settings_.DefaultPort <= 0) {
        return;
    }
    services_.sampler.SampleLine(sampling_, settings_, connection_);
    TrackActivity();
    TrackCarrierEdges();
    CheckAutoExit();
    TrackRings();
    CheckInactivity();
    CheckInactivityWarning();
    LogConnection();
    KeepPortStatus();
    CheckAutoReset();
    if (!CheckScheduledDisconnect()) {
        CheckTimedDisconnect();
    }
    DecideRedraw();
    UpdateSetupDialog();
    Redraw();
}

void ConnectionTracker::ResetSession() {
    connection_.SessionStart = Now();
}

void ConnectionTracker::ResetTotal() {
    const DayCount now = Now();
    ChangeTotals([now](MonitorSettings& settings) {
        settings.TotalConnectNew = 0;
        settings.TotalConnectReset = now;
    });
}

DayCount ConnectionTracker::SessionTime() const {
    return Now() - connection_.SessionStart + settings_.NegotiationDelay * kOneSecond;
}

void ConnectionTracker::AddSessionToTotal() {
    const DayCount session = SessionTime();
    ChangeTotals([session](MonitorSettings& settings) { settings.TotalConnectNew += session; });
}

// Traffic, the ring sound, the busy-on-top state, the restore request, the throughput window.
void ConnectionTracker::TrackActivity() {
    const LineState& line = Line();
    const bool traffic = line.RD == 1 || line.TD == 1;
    const DayCount now = Now();
    if (IsOn(settings_.TriggerRD) ? line.RD == 1 : traffic) {
        connection_.LastActivity = now;
    }
    if (RisingRing()) {
        PlaySoundSetting(services_.sounds, settings_.RIPlaySound, settings_.RISound);
    }
    if (settings_.OnTop == 2) {
        if (traffic) {
            connection_.BusyOnTop = true;
            connection_.BusyStamp = now;
        } else if (now - connection_.BusyStamp > settings_.AutoDelayTitle * kOneSecond) {
            connection_.BusyOnTop = false;
        }
    }
    if (!CarrierUp()) {
        connection_.LastActivity = 0;
    }
    connection_.RestoreRequest = IsOn(settings_.AutoMaximize) && traffic;
    TrackThroughput();
    if (!CarrierUp()) {
        sampling_.LightsDevice = 0;
    }
}

// The shown throughput changes at each whole multiple of "RD/TD Speed Update" seconds.
void ConnectionTracker::TrackThroughput() {
    const std::int64_t period = settings_.RDTDSpeedUpdate;
    if (period == 0) {
        return;
    }
    const std::uint32_t tick = services_.clock.TickCount();
    const std::int64_t seconds = tick / 1000;
    if (static_cast<std::uint32_t>(tick - connection_.WindowTick) <= 1000 ||
        seconds / period * period != seconds) {
        return;
    }
    connection_.RxWindowShown = std::exchange(connection_.RxWindowCount, 0);
    connection_.TxWindowShown = std::exchange(connection_.TxWindowCount, 0);
    if (connection_.RxWindowShown != 0 || connection_.TxWindowShown != 0) {
        connection_.NeedRedraw = true;
    }
    connection_.WindowTick = tick;
}

void ConnectionTracker::TrackCarrierEdges() {
    const bool up = CarrierUp();
    const bool wasUp = connection_.PrevCD == 1;
    if (up && !wasUp) {
        OnCarrierRise();
    } else if (!up && wasUp) {
        OnCarrierDrop();
    }
    if (up != wasUp) {
        OnCarrierEdge();
    }
    connection_.PrevCD = Line().CD;
}

void ConnectionTracker::OnCarrierRise() {
    PlaySoundSetting(services_.sounds, settings_.ConnectPlaySound, settings_.ConnectSound);
    sampling_.LastReceived = 0;
    sampling_.LastTransmitted = 0;
    connection_.SessionReceived = 0;
    connection_.SessionTransmitted = 0;
    if (ShowsTimeInPanel(settings_)) {
        connection_.PanelDirty = true;
    }
    const DayCount now = Now();
    connection_.SessionStart = now;
    connection_.LastActivity = now;
}

void ConnectionTracker::OnCarrierDrop() {
    PlaySoundSetting(services_.sounds, settings_.DisconnectPlaySound, settings_.DisconnectSound);
    sampling_.SpeedText.clear();
    if (IsOn(settings_.DisplayConnectTime)) {
        connection_.PanelDirty = true;
    }
    AddSessionToTotal();
    if (settings_.Title == 2 || ShowsTimeInTitleBar(settings_)) {
        services_.window.RemoveTitleBarDisplay();
        connection_.NeedRedraw = true;
    }
}

void ConnectionTracker::OnCarrierEdge() {
    connection_.AutoExitPending = !CarrierUp() && IsOn(settings_.CDAutoExit);
    if (connection_.AutoExitPending) {
        connection_.DisconnectTime = Now();
    }
    connection_.TimedDisconnectDone = false;
    if (settings_.Title != 0 && ShowsTimeInTitleBar(settings_)) {
        connection_.TitleDirty = true;
    }
    if (ShowsTimeInPanel(settings_)) {
        connection_.PanelDirty = true;
        connection_.NeedRedraw = true;
    }
    sampling_.LightsDevice = 0;
}

// Cleared when it fires, so that a later tick cannot release the driver a second time.
void ConnectionTracker::CheckAutoExit() {
    if (!connection_.AutoExitPending ||
        !(Now() - connection_.DisconnectTime > settings_.CDAutoExitDelay * kOneSecond)) {
        return;
    }
    connection_.AutoExitPending = false;
    services_.window.ReleaseDriver();
    services_.window.StopTimer();
    services_.window.CloseMainWindow();
}

void ConnectionTracker::KeepPortStatus() {
    if (IsOn(settings_.StatusInDisplay)) {
        connection_.PortStatus.clear();
        services_.sampler.PortStatusText(sampling_, settings_, connection_.PortStatus);
    }
}

}  // namespace lw
