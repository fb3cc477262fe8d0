// Dates and times as day counts: whole days since 30 December 1899, the fraction being the
// time of day (the usual Windows/OLE convention).
#pragma once

#include <cstdint>

namespace lw {

using DayCount = double;

inline constexpr double kMsPerDay = 86'400'000.0;
inline constexpr DayCount kOneSecond = 1.0 / 86'400;
inline constexpr DayCount kOneMinute = 1.0 / 1'440;

struct CalendarDate {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Whole day count of a calendar date (proleptic Gregorian, any year from 1 on).
DayCount EncodeDate(const CalendarDate& date);
DayCount EncodeTime(const TimeOfDay& time);
DayCount EncodeDateTime(const CalendarDate& date, const TimeOfDay& time);

// The calendar date of a day count; the time of day of its fraction, rounded to the
// millisecond. Before 30 December 1899 the fraction still counts forward from midnight, as
// in the OLE convention (-1.25 is 29 December 1899, 06:00).
CalendarDate DecodeDate(DayCount value);
TimeOfDay DecodeTime(DayCount value);

}  // namespace lw
