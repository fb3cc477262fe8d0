#include "monitor/core/day_count.h"

#include <algorithm>
#include <cmath>

namespace lw {
namespace {

// Days from 1 January of year 1 to 30 December 1899.
constexpr std::int64_t kEpochOffset = 693'593;

std::int64_t DaysBeforeYear(std::int64_t year) {
    const std::int64_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

// Whole days and the milliseconds into the day, rounding that may carry into the next day.
struct SplitDay {
    std::int64_t day;
    std::int64_t ms;
};

// Day counts of 1 January 0001 and 31 December 9999, the range that dates are decoded in.
constexpr DayCount kFirstDay = -693'593;
constexpr DayCount kLastDay = 2'958'465;

SplitDay Split(DayCount value) {
    value = std::isnan(value) ? 0 : std::clamp(value, kFirstDay, kLastDay + 0.999);
    const double whole = std::trunc(value);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(value - whole) * kMsPerDay));
    auto day = static_cast<std::int64_t>(whole);
    if (ms >= static_cast<std::int64_t>(kMsPerDay)) {
        ms -= static_cast<std::int64_t>(kMsPerDay);
        day += value < 0 ? -1 : 1;
    }
    return {day, ms};
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    switch (month) {
        case 2:
            return IsLeapYear(year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

DayCount EncodeDate(const CalendarDate& date) {
    std::int64_t days = DaysBeforeYear(date.year);
    for (int m = 1; m < date.month; ++m) {
        days += DaysInMonth(date.year, m);
    }
    days += date.day - 1;
    return static_cast<DayCount>(days - kEpochOffset);
}

DayCount EncodeTime(const TimeOfDay& time) {
    const double ms =
        ((time.hour * 60.0 + time.minute) * 60.0 + time.second) * 1000.0 + time.millisecond;
    return ms / kMsPerDay;
}

DayCount EncodeDateTime(const CalendarDate& date, const TimeOfDay& time) {
    const DayCount day = EncodeDate(date);
    // A time belongs to its date even before the epoch, where day counts are negative.
    return day < 0 ? day - EncodeTime(time) : day + EncodeTime(time);
}

CalendarDate DecodeDate(DayCount value) {
    std::int64_t remaining = Split(value).day + kEpochOffset;  // days since 1 January of year 1
    // Four-century cycles of 146097 days, then centuries, four-year cycles and years.
    std::int64_t year = 1 + 400 * (remaining / 146'097);
    remaining %= 146'097;
    std::int64_t centuries = std::min<std::int64_t>(remaining / 36'524, 3);
    year += 100 * centuries;
    remaining -= centuries * 36'524;
    year += 4 * (remaining / 1'461);
    remaining %= 1'461;
    std::int64_t years = std::min<std::int64_t>(remaining / 365, 3);
    year += years;
    remaining -= years * 365;

    CalendarDate date{static_cast<int>(year), 1, 1};
    while (remaining >= DaysInMonth(date.year, date.month)) {
        remaining -= DaysInMonth(date.year, date.month);
        ++date.month;
    }
    date.day = static_cast<int>(remaining) + 1;
    return date;
}

TimeOfDay DecodeTime(DayCount value) {
    std::int64_t ms = Split(value).ms;
    TimeOfDay time;
    time.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    time.second = static_cast<int>(ms % 60);
    ms /= 60;
    time.minute = static_cast<int>(ms % 60);
    time.hour = static_cast<int>(ms / 60);
    return time;
}

}  // namespace lw
