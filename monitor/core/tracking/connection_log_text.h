// The lines of the connection log "LINEWINK.DCD" and the ring log "LINEWINK.RI".
#pragma once

#include <cstdint>
#include <string>

#include "monitor/core/time/day_count.h"
#include "monitor/core/tracking/connection_log_file.h"

namespace lw {

inline constexpr const char* kLogLineEnd = "\r\n";

// The log file beside the program: its short path with the last three characters (the
// extension "EXE") replaced, e.g. by "DCD" or "RI".
std::string LogFileBeside(const std::string& shortProgramPath, const std::string& extension);

// Short date, a blank and long time; the time is left out at exactly midnight.
std::string FormatLogTime(const DateTimeFormat& format, DayCount when);

// A last line this short is the "Connected" piece of an entry cut off by a crash (or an empty
// file), so the next entry must start on a new line.
bool IsUnfinishedEntry(const std::string& lastLine);

std::string ConnectedPiece(const DateTimeFormat& format, DayCount sessionStart);

// What ends a connection's line at the carrier drop, line end included.
struct DisconnectFacts {
    DayCount now = 0;
    DayCount sessionTime = 0;
    DayCount totalTime = 0;
    bool withBytes = false;
    std::int32_t sent = 0;
    std::int32_t received = 0;
};
std::string DisconnectedPieces(const DateTimeFormat& format, const DisconnectFacts& facts);

std::string RingLine(const DateTimeFormat& format, DayCount lastRing, int rings);

}  // namespace lw
