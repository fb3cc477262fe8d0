#include <gtest/gtest.h>

#include "monitor/core/time/day_count.h"
#include "monitor/core/tracking/auto_reset.h"

namespace lw {
namespace {

DayCount At(int year, int month, int day, int hour = 0, int minute = 0) {
    return EncodeDateTime({year, month, day}, {hour, minute});
}

MonitorSettings ResetSettings(int interval, DayCount reference) {
    MonitorSettings settings;
    settings.ConnectResetLoggerEvent = interval;
    settings.ConnectResetLoggerTimeRef = reference;
    return settings;
}

TEST(NextAutoResetTime, MonthsAndQuartersClampTheDayToTheMonth) {
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetMonthly, At(2024, 1, 31, 10))),
                     At(2024, 2, 29, 10));
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetQuarterly, At(2023, 11, 30))),
                     At(2024, 2, 29));
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetMonthly, At(2023, 3, 31, 23, 59))),
                     At(2023, 4, 30, 23, 59));
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetQuarterly, At(2023, 10, 15))),
                     At(2024, 1, 15));
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetMonthly, At(2023, 12, 31))),
                     At(2024, 1, 31));
}

TEST(NextAutoResetTime, FixedIntervalsAndNone) {
    const DayCount r = At(2024, 3, 1, 8);
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetYearly, r)), r + 365);
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetWeekly, r)), r + 7);
    EXPECT_DOUBLE_EQ(*NextAutoResetTime(ResetSettings(kResetDaily, r)), r + 1);
    EXPECT_FALSE(NextAutoResetTime(ResetSettings(kNoAutoReset, r)));
    EXPECT_FALSE(NextAutoResetTime(ResetSettings(6, r)));
    EXPECT_FALSE(NextAutoResetTime(ResetSettings(-1, r)));
}

}  // namespace
}  // namespace lw
