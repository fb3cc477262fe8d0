#include <gtest/gtest.h>

#include "monitor/core/time/day_count.h"
#include "monitor/core/time/duration_text.h"

namespace lw {
namespace {

DayCount At(int year, int month, int day, int hour = 0, int minute = 0) {
    return EncodeDateTime({year, month, day}, {hour, minute});
}

TEST(DayCount, KnownDatesMatchTheWindowsConvention) {
    EXPECT_EQ(EncodeDate({1899, 12, 30}), 0);
    EXPECT_EQ(EncodeDate({1900, 1, 1}), 2);
    EXPECT_EQ(EncodeDate({2000, 3, 1}), 36'586);
    EXPECT_EQ(EncodeDate({2024, 1, 1}), 45'292);
    EXPECT_EQ(EncodeDate({2024, 2, 29}), 45'351);
    EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(DecodeDate(-1.25), (CalendarDate{1899, 12, 29}));
    EXPECT_EQ(DecodeTime(-1.25), (TimeOfDay{6, 0, 0, 0}));
}

TEST(DayCount, EveryDayOfFourCenturiesDecodesToTheDateItCameFrom) {
    for (int day = -36'600; day < 146'100 - 36'600; ++day) {
        const CalendarDate date = DecodeDate(day);
        ASSERT_EQ(EncodeDate(date), day) << date.year << "-" << date.month << "-" << date.day;
        ASSERT_LE(date.day, DaysInMonth(date.year, date.month));
    }
}

TEST(DayCount, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 11), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
}

TEST(DayCount, TimeOfDayRoundsToTheMillisecondAndCarriesIntoTheNextDay) {
    EXPECT_EQ(DecodeTime(0.5 + 1.0 / kMsPerDay * 0.4), (TimeOfDay{12, 0, 0, 0}));
    const DayCount almostMidnight = 45'292 + (kMsPerDay - 0.2) / kMsPerDay;
    EXPECT_EQ(DecodeDate(almostMidnight), (CalendarDate{2024, 1, 2}));
    EXPECT_EQ(DecodeTime(almostMidnight), (TimeOfDay{0, 0, 0, 0}));
}

TEST(DayCount, ValuesFarOutsideTheCalendarDecodeWithoutOverflow) {
    EXPECT_EQ(DecodeDate(1e300).year, 9999);
    EXPECT_EQ(DecodeDate(-1e300).year, 1);
    EXPECT_EQ(DecodeDate(std::numeric_limits<double>::quiet_NaN()), (CalendarDate{1899, 12, 30}));
}

TEST(FormatDuration, ShowsHoursMinutesAndSeconds) {
    EXPECT_EQ(FormatDuration(0), "0:00:00");
    EXPECT_EQ(FormatDuration(5 * kOneMinute + 9 * kOneSecond), "0:05:09");
    EXPECT_EQ(FormatDuration(0.25), "6:00:00");
    EXPECT_EQ(FormatDuration(1.5), "36:00:00");
    EXPECT_EQ(FormatDuration(1 + 2.5 / 24), "26:30:00");
    EXPECT_EQ(FormatDuration(400), "9600:00:00");
}

TEST(FormatDuration, ValueJustBelowAWholeMinuteIsNotShownAsSixtySeconds) {
    EXPECT_EQ(FormatDuration(kOneMinute - 1e-12), "0:01:00");
    EXPECT_EQ(FormatDuration(1 - 1e-12), "24:00:00");
}

TEST(FormatDuration, NegativeDurationsKeepTheirSign) {
    EXPECT_EQ(FormatDuration(-kOneMinute), "-0:01:00");
}

}  // namespace
}  // namespace lw
