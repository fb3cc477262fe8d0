#include "monitor/core/auto_reset.h"

#include <algorithm>

namespace lw {

CalendarDate AddMonths(const CalendarDate& date, int months) {
    CalendarDate result = date;
    result.month += months;
    while (result.month > 12) {
        result.month -= 12;
        ++result.year;
    }
    result.day = std::min(result.day, DaysInMonth(result.year, result.month));
    return result;
}

std::optional<DayCount> NextAutoResetTime(const MonitorSettings& settings) {
    const DayCount reference = settings.ConnectResetLoggerTimeRef;
    switch (settings.ConnectResetLoggerEvent) {
        case kResetYearly:
            return reference + 365;
        case kResetQuarterly:
        case kResetMonthly: {
            const int months = settings.ConnectResetLoggerEvent == kResetQuarterly ? 3 : 1;
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

}  // namespace lw
