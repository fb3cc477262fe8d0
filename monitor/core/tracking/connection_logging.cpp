// The ring log and the connection log. Each file is touched only at a call or connection
// boundary. The log state moves on before the file is written, so that a file that cannot be
// written is reported once rather than on every following tick.
#include "monitor/core/tracking/connection_log_text.h"
#include "monitor/core/tracking/connection_tracker.h"

namespace lw {
namespace {

// A call is over when no ring came for this long.
constexpr DayCount kCallOver = 10 * kOneSecond;

}  // namespace

void ConnectionTracker::TrackRings() {
    if (IsOn(settings_.LogRI)) {
        if (RisingRing()) {
            if (connection_.RingCount == 0) {
                connection_.RingCount = 1;
            }
            ++connection_.RingCount;
            connection_.LastRingTime = Now();
        } else if (Line().RI == 0 && connection_.RingCount >= 1 &&
                   Now() - connection_.LastRingTime > kCallOver) {
            const int rings = connection_.RingCount - 1;
            connection_.RingCount = 0;
            services_.logs.Append(logFiles_.rings,
                                  RingLine(services_.dates, connection_.LastRingTime, rings));
        }
    }
    connection_.PrevRI = Line().RI;
}

void ConnectionTracker::LogConnection() {
    if (!IsOn(settings_.LogDCD)) {
        return;
    }
    const bool longEnough = Now() - connection_.SessionStart > settings_.DCDInterval * kOneSecond;
    if (CarrierUp()) {
        if (connection_.DcdLogState == 0) {
            connection_.DcdLogState = 1;
        }
        if (longEnough && connection_.DcdLogState == 1) {
            connection_.DcdLogState = 2;
            WriteConnectedPiece();
        }
        return;
    }
    if (longEnough && connection_.DcdLogState == 1) {
        connection_.DcdLogState = 0;
    }
    if (connection_.DcdLogState == 2) {
        connection_.DcdLogState = 0;
        WriteDisconnectedPieces();
    }
}

// An entry cut short (by a crash, say) is closed with a line end before the new one starts.
void ConnectionTracker::WriteConnectedPiece() {
    const auto lastLine = services_.logs.ReadLastLine(logFiles_.connections);
    std::string text = lastLine && IsUnfinishedEntry(*lastLine) ? kLogLineEnd : "";
    text += ConnectedPiece(services_.dates, connection_.SessionStart);
    services_.logs.Append(logFiles_.connections, text);
}

void ConnectionTracker::WriteDisconnectedPieces() {
    DisconnectFacts facts;
    facts.now = Now();
    facts.sessionTime = SessionTime();
    facts.totalTime = settings_.TotalConnectNew;
    facts.withBytes = IsOn(settings_.LogTotalBytes);
    facts.sent = connection_.SessionTransmitted;
    facts.received = connection_.SessionReceived;
    services_.logs.Append(logFiles_.connections, DisconnectedPieces(services_.dates, facts));
}

}  // namespace lw
