// Tests of the time scales: Julian day of a date, date of a Julian day, Delta T.
#include "panchanga/TimeScales.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DateCase {
    int Year, Month, Day;
    double JulianDay; // of 0h
};

std::ostream& operator<<(std::ostream& os, const DateCase& c) {
    return os << c.Year << '-' << c.Month << '-' << c.Day;
}

class JulianDayTest : public testing::TestWithParam<DateCase> {};

TEST_P(JulianDayTest, OfCivilDate) {
    const DateCase& c = GetParam();
    EXPECT_EQ(JulianDayOfDate(c.Month, c.Day, c.Year), c.JulianDay);
}

// The first three are the published examples; the others count days from them by hand.
INSTANTIATE_TEST_SUITE_P(
    Dates, JulianDayTest,
    testing::Values(DateCase{2000, 1, 1, 2451544.5}, DateCase{1901, 1, 1, 2415385.5},
                    DateCase{1901, 3, 1, 2415444.5}, DateCase{1901, 2, 28, 2415443.5},
                    DateCase{2000, 2, 29, 2451603.5}, DateCase{2000, 3, 1, 2451604.5},
                    DateCase{1999, 12, 31, 2451543.5}, DateCase{2050, 12, 31, 2470171.5}));

// Every day of 1901 ... 2050 follows the day before it, and comes back from its Julian day.
TEST(JulianDay, RoundTripsEveryDayOf1901To2050) {
    constexpr int DaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double expected = JulianDayOfDate(1, 1, 1901);
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int days = DaysInMonth[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const double jd = JulianDayOfDate(month, day, year);
                ASSERT_EQ(jd, expected) << year << '-' << month << '-' << day;
                for (double hour : {0.0, 0.25, 0.999}) {
                    const CalendarDate date = CalendarDateOfJulianDay(jd + hour);
                    ASSERT_EQ(date.Year, year) << "jd " << jd + hour;
                    ASSERT_EQ(date.Month, month) << "jd " << jd + hour;
                    ASSERT_EQ(date.Day, day) << "jd " << jd + hour;
                }
                expected += 1;
            }
        }
    }
}

TEST(CalendarDate, OfPublishedJulianDays) {
    const CalendarDate noon = CalendarDateOfJulianDay(2451545.0);
    EXPECT_EQ(noon.Year, 2000);
    EXPECT_EQ(noon.Month, 1);
    EXPECT_EQ(noon.Day, 1);
    const CalendarDate beforeMidnight = CalendarDateOfJulianDay(2451544.49);
    EXPECT_EQ(beforeMidnight.Year, 1999);
    EXPECT_EQ(beforeMidnight.Month, 12);
    EXPECT_EQ(beforeMidnight.Day, 31);
}

struct DeltaTCase {
    const char* What;
    double JulianDay;
    double Seconds, Tolerance;
};

std::ostream& operator<<(std::ostream& os, const DeltaTCase& c) {
    return os << c.What;
}

class DeltaTTest : public testing::TestWithParam<DeltaTCase> {};

TEST_P(DeltaTTest, InSecondsOfTime) {
    const DeltaTCase& c = GetParam();
    const double seconds = DeltaT(c.JulianDay) * 3600;
    EXPECT_NEAR(seconds, c.Seconds, c.Tolerance)
        << "jd " << c.JulianDay << ": " << seconds << " s, expected " << c.Seconds << " s";
}

INSTANTIATE_TEST_SUITE_P(
    Instants, DeltaTTest,
    testing::Values(
        // The decade value itself.
        DeltaTCase{"2000-01-01", 2451544.5, 65.7, 1e-9},
        // Half way from 2000 (65.7) to 2010 (75.5): 65.7 + 5.5 x 0.98.
        DeltaTCase{"2005-07-01", 2453552.5, 71.09, 1e-9},
        // From 2010 the parabola 25.5 T^2 - 39, T = 2.09995 centuries from 1800.
        DeltaTCase{"2010-01-01", 2455197.5, 73.449, 0.001},
        // 1901.0 lies a tenth of the way from 1900 (-2.7) to 1910 (10.5).
        DeltaTCase{"1901-01-01", 2415385.5, -1.38, 1e-9},
        // T = 2.50991 centuries: 25.5 T^2 - 39.
        DeltaTCase{"2050-12-31", 2470171.5, 121.641, 0.001}));

} // namespace
