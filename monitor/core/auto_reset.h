#pragma once

#include <optional>

#include "monitor/core/day_count.h"
#include "monitor/core/settings.h"

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

}  // namespace lw
