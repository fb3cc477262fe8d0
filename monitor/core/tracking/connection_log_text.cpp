#include "monitor/core/tracking/connection_log_text.h"

#include "monitor/core/time/duration_text.h"

namespace lw {

std::string LogFileBeside(const std::string& shortProgramPath, const std::string& extension) {
    const std::size_t keep = shortProgramPath.size() < 3 ? 0 : shortProgramPath.size() - 3;
    return shortProgramPath.substr(0, keep) + extension;
}

std::string FormatLogTime(const DateTimeFormat& format, DayCount when) {
    const CalendarDate date = DecodeDate(when);
    const TimeOfDay time = DecodeTime(when);
    std::string text = format.ShortDate(date.year, date.month, date.day);
    if (time != TimeOfDay{}) {
        text += ' ';
        text += format.LongTime(time.hour, time.minute, time.second);
    }
    return text;
}

bool IsUnfinishedEntry(const std::string& lastLine) {
    return lastLine.size() < 40;
}

std::string ConnectedPiece(const DateTimeFormat& format, DayCount sessionStart) {
    return "Connected: " + FormatLogTime(format, sessionStart);
}

std::string DisconnectedPieces(const DateTimeFormat& format, const DisconnectFacts& facts) {
    std::string text = "  Disconnected: " + FormatLogTime(format, facts.now);
    text += "  Session Time = " + FormatDuration(facts.sessionTime);
    text += "  Total Time = " + FormatDuration(facts.totalTime);
    if (facts.withBytes) {
        text += "  Sent: " + std::to_string(facts.sent) +
                "  Received: " + std::to_string(facts.received) + " bytes";
    }
    return text + kLogLineEnd;
}

std::string RingLine(const DateTimeFormat& format, DayCount lastRing, int rings) {
    return "Call: " + FormatLogTime(format, lastRing) + "   Signals= " + std::to_string(rings) +
           kLogLineEnd;
}

}  // namespace lw
