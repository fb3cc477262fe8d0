#include "monitor/core/time/day_count.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace lw {
namespace {

namespace cal = std::chrono;

// Day 0 of the count.
constexpr cal::sys_days kEpoch = cal::year{1899} / cal::December / 30;

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
    return cal::year{year}.is_leap();
}

int DaysInMonth(int year, int month) {
    const auto last = cal::year{year} / cal::month{static_cast<unsigned>(month)} / cal::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

// A day past the end of its month counts on into the next, as the calendar types do.
DayCount EncodeDate(const CalendarDate& date) {
    const cal::sys_days day = cal::year{date.year} / cal::month{static_cast<unsigned>(date.month)} /
                              cal::day{static_cast<unsigned>(date.day)};
    return static_cast<DayCount>((day - kEpoch).count());
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
    const cal::year_month_day date{kEpoch + cal::days{Split(value).day}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
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
