#pragma once

#include <optional>

#include "monitor/core/settings/settings.h"
#include "monitor/core/time/day_count.h"

namespace lw {

// Intervals of the automatic reset of the total connect time ("ConnectResetLoggerEvent").
enum AutoResetInterval : int {
    kNoAutoReset = 0,
    kResetYearly = 1,
    kResetQuarterly = 2,
    kResetMonthly = 3,
    kResetWeekly = 4,
    kResetDaily = 5,
};

// The date `months` months after `date`, its day clamped to the length of that month.
CalendarDate AddMonths(const CalendarDate& date, int months);

// When the total connect time is next reset: one interval after the reference time
// "ConnectResetLoggerTimeRef"; nothing when no (or no known) interval is set.
std::optional<DayCount> NextAutoResetTime(const MonitorSettings& settings);

// The latest reset time that is due at `now`, reached from the reference by whole intervals;
// nothing while no reset is due. When several intervals passed unseen (the program was not
// running) the total is thus reset once and the schedule keeps its time of day. A reference
// so far back (a damaged file) that whole intervals cannot reach `now` starts anew at `now`.
std::optional<DayCount> DueAutoResetTime(const MonitorSettings& settings, DayCount now);

}  // namespace lw
