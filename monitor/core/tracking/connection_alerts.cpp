// The automatic disconnects and the inactivity warning. Their boxes are modal and the timer
// keeps ticking inside them, so each alert is guarded before its box opens.
#include "monitor/core/boxes/scoped_flag.h"
#include "monitor/core/tracking/auto_reset.h"
#include "monitor/core/tracking/connection_tracker.h"

namespace lw {
namespace {

const char* const kDisconnectPerformed = "Automatic disconnect performed!";

std::string InactiveText(std::int32_t minutes, std::int32_t seconds) {
    return "Your connection has been inactive for " + std::to_string(minutes) + " minute(s) and " +
           std::to_string(seconds) + " seconds(s). ";
}

}  // namespace

// Boxes raised by automatic actions must not open behind other windows.
MessageAnswer ConnectionTracker::Alert(const std::string& text, MessageButtons buttons) {
    services_.window.SetTopmost(true);
    return services_.boxes.ShowWarning(text, buttons);
}

bool ConnectionTracker::InactiveFor(std::int32_t minutes, std::int32_t seconds) const {
    return CarrierUp() && connection_.LastActivity != 0 &&
           Now() - minutes * kOneMinute - seconds * kOneSecond >= connection_.LastActivity;
}

void ConnectionTracker::CheckInactivity() {
    const std::int32_t minutes = settings_.DisconnectTimeIfInactive;
    const std::int32_t seconds = settings_.DisconnectTimeIfInactiveSeconds;
    if (connection_.DisconnectPromptOpen || !IsOn(settings_.DisconnectIfInactive) ||
        !InactiveFor(minutes, seconds)) {
        return;
    }
    {
        ScopedFlag guard(connection_.DisconnectPromptOpen);
        services_.sampler.HangUp(settings_);
        Alert(InactiveText(minutes, seconds) + kDisconnectPerformed, MessageButtons::Ok);
    }
    connection_.LastActivity = Now();
}

void ConnectionTracker::CheckInactivityWarning() {
    const std::int32_t minutes = settings_.WarnTimeIfInactive;
    const std::int32_t seconds = settings_.WarnTimeIfInactiveSeconds;
    if (connection_.WarnPromptOpen || !IsOn(settings_.WarnIfInactive) ||
        !InactiveFor(minutes, seconds)) {
        return;
    }
    PlaySoundSetting(services_.sounds, settings_.WarnInactivePlaySound,
                     settings_.WarnInactiveSound);
    {
        ScopedFlag guard(connection_.WarnPromptOpen);
        const std::string question = InactiveText(minutes, seconds) + "Do You want to disconnect?";
        if (Alert(question, MessageButtons::YesNo) == MessageAnswer::Yes) {
            services_.sampler.HangUp(settings_);
        }
    }
    connection_.LastActivity = Now();
}

void ConnectionTracker::CheckAutoReset() {
    if (!CarrierUp() || settings_.ConnectResetLoggerEvent == 0) {
        return;
    }
    const DayCount now = Now();
    const std::optional<DayCount> due = DueAutoResetTime(settings_, now);
    if (!due) {
        return;
    }
    ChangeTotals([now, due](MonitorSettings& settings) {
        settings.TotalConnectNew = 0;
        settings.TotalConnectReset = now;
        settings.ConnectResetLoggerTimeRef = *due;
    });
    connection_.SessionStart = now;
    services_.dialog.Refresh();
}

bool ConnectionTracker::CheckScheduledDisconnect() {
    if (!CarrierUp() || !connection_.ScheduledDisconnectArmed ||
        !(Now() > connection_.ScheduledDisconnectAt)) {
        return false;
    }
    services_.sampler.HangUp(settings_);
    connection_.ScheduledDisconnectArmed = false;
    services_.dialog.ClearScheduledDisconnect();
    services_.sounds.Beep();
    Alert(kDisconnectPerformed, MessageButtons::Ok);
    return true;
}

void ConnectionTracker::CheckTimedDisconnect() {
    if (!CarrierUp() || !IsOn(settings_.AutoTimedDisconnectActive) ||
        connection_.TimedDisconnectDone) {
        return;
    }
    const DayCount limit = connection_.SessionStart + settings_.AutoTimedDisconnectHours / 24.0 +
                           settings_.AutoTimedDisconnectMinutes * kOneMinute;
    if (!(Now() > limit)) {
        return;
    }
    services_.sampler.HangUp(settings_);
    connection_.TimedDisconnectDone = true;
    services_.sounds.Beep();
    Alert(kDisconnectPerformed, MessageButtons::Ok);
}

}  // namespace lw
