// SPDX-License-Identifier: MIT
// Tests of the time scales: Julian day of a date, date of a Julian day, Delta T.
#include "engine/time/TimeScales.h"

#include <gtest/gtest.h>

namespace {

// The published examples; every other day of the range is counted from them below.
TEST(JulianDay, PublishedExamples) {
    EXPECT_EQ(JulianDayOfDate(1, 1, 2000), 2451544.5);
    EXPECT_EQ(JulianDayOfDate(1, 1, 1901), 2415385.5);
    EXPECT_EQ(JulianDayOfDate(3, 1, 1901), 2415444.5);
}

// Every day of 1901 ... 2050 follows the day before it, and comes back from its Julian day at
// its first and last moment.
TEST(JulianDay, RoundTripsEveryDayOf1901To2050) {
    constexpr int DaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double jd = JulianDayOfDate(1, 1, 1901);
    for (int year = 1901; year <= 2050; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth[month - 1] + (month == 2 && year % 4 == 0);
                 ++day, ++jd) {
                ASSERT_EQ(JulianDayOfDate(month, day, year), jd)
                    << year << '-' << month << '-' << day;
                for (const CalendarDate date :
                     {CalendarDateOfJulianDay(jd), CalendarDateOfJulianDay(jd + 0.999)})
                    ASSERT_TRUE(date.Year == year && date.Month == month && date.Day == day)
                        << "jd " << jd << " read as " << date.Year << '-' << date.Month << '-'
                        << date.Day;
            }
}

TEST(DeltaT, InSecondsOfTime) {
    const struct {
        double JulianDay, Seconds, Tolerance;
    } cases[] = {
        {2451544.5, 65.7, 1e-9},    // 2000-01-01: the decade value itself
        {2453552.5, 71.09, 1e-9},   // 2005-07-01: half way to 2010 (75.5), 65.7 + 5.5 x 0.98
        {2455197.5, 73.449, 1e-3},  // 2010-01-01: 25.5 T^2 - 39, T = 2.09995 centuries from 1800
        {2415385.5, -1.38, 1e-9},   // 1901-01-01: a tenth of the way from -2.7 (1900) to 10.5
        {2470171.5, 121.641, 1e-3}, // 2050-12-31: T = 2.50991
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DeltaT(c.JulianDay) * 3600, c.Seconds, c.Tolerance) << "jd " << c.JulianDay;
}

} // namespace
