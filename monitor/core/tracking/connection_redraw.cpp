// Whether the panel must be drawn this tick, the settings dialog's running total, and the
// drawing itself.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "monitor/core/time/duration_text.h"
#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/core/tracking/connection_tracker.h"

namespace lw {
namespace {

// Whole seconds since the epoch, rounded to the millisecond first as dates are decoded.
std::int64_t WholeSecond(DayCount when) {
    return std::llround(when * kMsPerDay) / 1000;
}

bool AnyConnectTimeShown(const MonitorSettings& s) {
    return IsOn(s.DisplayConnectTime) || IsOn(s.DisplayConnectTimeInTitlebar) ||
           IsOn(s.DisplayTotalConnectTimeInDisplay) || IsOn(s.DisplayTotalConnectTimeInTitlebar);
}

}  // namespace

// The modem and courier layouts also show the control lines.
bool ConnectionTracker::LampsChanged() const {
    const LineState& now = sampling_.Current;
    const LineState& before = sampling_.Previous;
    const bool statusChanged = now.RI != before.RI || now.CD != before.CD ||
                               now.DSR != before.DSR || now.CTS != before.CTS ||
                               now.TD != before.TD || now.RD != before.RD;
    const int layout = std::abs(settings_.NewOrientation);
    const bool controlShown = layout == 4 || layout == 5;
    return statusChanged || (controlShown && (now.RTS != before.RTS || now.DTR != before.DTR));
}

bool ConnectionTracker::ShowsRunningValues() const {
    if (settings_.Title == 1) {
        return true;
    }
    if (CarrierUp() && (settings_.Title == 2 || AnyConnectTimeShown(settings_))) {
        return true;
    }
    return IsOn(settings_.SPYSpeedInDisplay) && settings_.RDTDSpeedUpdate != 0;
}

void ConnectionTracker::DecideRedraw() {
    if (LampsChanged()) {
        connection_.NeedRedraw = true;
    }
    if (settings_.NewOrientation >= 1 && (connection_.PanelDirty || connection_.FirstDrawPending)) {
        connection_.NeedRedraw = true;
    }
    if (connection_.NeedRedraw || !ShowsRunningValues()) {
        return;
    }
    const DayCount now = Now();
    if (WholeSecond(now) != WholeSecond(connection_.LastShownSecond)) {
        connection_.NeedRedraw = true;
        connection_.LastShownSecond = now;
    }
}

// The label is set only when its text changes: while the carrier is up once a second, while
// it is down when the total is reset. A dialog opened anew gets it at the next tick.
void ConnectionTracker::UpdateSetupDialog() {
    if (!services_.dialog.IsOpen()) {
        connection_.DialogShownText.clear();
        return;
    }
    DayCount total = settings_.TotalConnectNew;
    if (CarrierUp()) {
        const DayCount now = Now();
        if (WholeSecond(now) == WholeSecond(connection_.DialogShownSecond)) {
            return;
        }
        connection_.DialogShownSecond = now;
        total += SessionTime();
    }
    std::string text = "Total connect time   " + FormatDuration(total) + "   since " +
                       FormatLogTime(services_.dates, settings_.TotalConnectReset);
    if (text != connection_.DialogShownText) {
        connection_.DialogShownText = std::move(text);
        services_.dialog.ShowConnectTime(connection_.DialogShownText);
    }
}

void ConnectionTracker::Redraw() {
    if (!connection_.NeedRedraw) {
        return;
    }
    services_.window.InvalidatePanel();
    if (!services_.window.IsClosing()) {
        services_.window.DrawPanelNow();
    }
}

}  // namespace lw
