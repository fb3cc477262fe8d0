#include "monitor/core/tracking/auto_reset.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace lw {

CalendarDate AddMonths(const CalendarDate& date, int months) {
    namespace cal = std::chrono;
    const cal::year_month shifted =
        cal::year{date.year} / cal::month{static_cast<unsigned>(date.month)} + cal::months{months};
    const int year = static_cast<int>(shifted.year());
    const int month = static_cast<int>(static_cast<unsigned>(shifted.month()));
    return {year, month, std::min(date.day, DaysInMonth(year, month))};
}

namespace {

std::optional<DayCount> ResetAfter(DayCount reference, int interval) {
    switch (interval) {
        case kResetYearly:
            return reference + 365;
        case kResetQuarterly:
        case kResetMonthly: {
            const int months = interval == kResetQuarterly ? 3 : 1;
            return EncodeDateTime(AddMonths(DecodeDate(reference), months), DecodeTime(reference));
        }
        case kResetWeekly:
            return reference + 7;
        case kResetDaily:
            return reference + 1;
        default:
            return std::nullopt;
    }
}

// Days in an interval of fixed length; months and quarters vary.
std::optional<int> IntervalDays(int interval) {
    switch (interval) {
        case kResetYearly:
            return 365;
        case kResetWeekly:
            return 7;
        case kResetDaily:
            return 1;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<DayCount> NextAutoResetTime(const MonitorSettings& settings) {
    return ResetAfter(settings.ConnectResetLoggerTimeRef, settings.ConnectResetLoggerEvent);
}

// Fixed intervals are skipped over in one step: stepping one at a time from a reference of
// -1E20 would never end (at that size adding a day changes nothing). Months are stepped, as
// each step clamps its day afresh (31 January, 29 February, 29 March); dates are decoded
// within the calendar, so their steps are bounded.
std::optional<DayCount> DueAutoResetTime(const MonitorSettings& settings, DayCount now) {
    const int interval = settings.ConnectResetLoggerEvent;
    DayCount due = settings.ConnectResetLoggerTimeRef;
    std::optional<DayCount> next = ResetAfter(due, interval);
    if (!next || !(now >= *next)) {
        return std::nullopt;
    }
    if (const std::optional<int> days = IntervalDays(interval)) {
        due += std::floor((now - due) / *days) * *days;
    } else {
        while (next && now >= *next && *next > due) {
            due = *next;
            next = ResetAfter(due, interval);
        }
    }
    next = ResetAfter(due, interval);
    if (!(due <= now) || !next || now >= *next) {
        return now;
    }
    return due;
}

}  // namespace lw
