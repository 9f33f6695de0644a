// SPDX-License-Identifier: MIT
// Tests of a date the clock skipped (Samoa crossed the date line over 30 December 2011): it is
// no civil day, the day before it runs to the next day's sunrise, and no tithi is observed on it.
#include "engine/calendar/Calendar.h"
#include "support/TestClocks.h"

#include <gtest/gtest.h>

namespace {

const Place ApiaPlace{-(171 + 45 / 60.0), -(13 + 50 / 60.0)};

TEST(SkippedDate, OnlyTheDateTheClockJumpedOverIsSkipped) {
    const Apia2011 apia;
    const Madrid2024 madrid;
    EXPECT_FALSE(ClockSkipsDate(apia, {2011, 12, 29}));
    EXPECT_TRUE(ClockSkipsDate(apia, {2011, 12, 30}));
    EXPECT_FALSE(ClockSkipsDate(apia, {2011, 12, 31}));
    // The clocks going forward an hour skip an hour, not a date.
    EXPECT_FALSE(ClockSkipsDate(madrid, {2024, 3, 31}));
    EXPECT_FALSE(ClockSkipsDate(madrid, {2024, 10, 27}));
}

// The tithis at Apia's sunrises of 29 and 31 December 2011 and 1 January 2012: Shashthi (5),
// Saptami (6) and Saptami again (the Swiss Ephemeris 2.10, the Sun's upper limb 34' below the
// horizon, in a separate program). Saptami holds two sunrises, a day of real time apart; Shashthi
// ends before the second.
TEST(SkippedDate, IsNoDayOfTheCalendar) {
    const Apia2011 apia;
    const std::vector<CalendarDay> days =
        CalendarDays({2011, 12, 28}, {2012, 1, 1}, ApiaPlace, apia, SkyChoice{});
    ASSERT_EQ(days.size(), 4u);
    const int dates[] = {28, 29, 31, 1};
    for (std::size_t k = 0; k < days.size(); ++k)
        EXPECT_EQ(days[k].Date.Day, dates[k]);
    EXPECT_EQ(days[1].Ends.Jde, days[2].Begins.Jde);
    EXPECT_NEAR(days[2].Begins.Jde - days[1].Begins.Jde, 1, 0.01); // a day of real time
    EXPECT_EQ(days[1].SunriseTithi(), 5);
    EXPECT_FALSE(days[1].Tithi.Vriddhi);
    EXPECT_EQ(days[2].SunriseTithi(), 6);
    EXPECT_TRUE(days[2].Tithi.Vriddhi);
    EXPECT_TRUE(CalendarDays({2011, 12, 30}, {2011, 12, 30}, ApiaPlace, apia, SkyChoice{}).empty());
    EXPECT_EQ(CalendarMonth(2011, 12, ApiaPlace, apia, SkyChoice{}).size(), 30u);

    for (int tithi = 0; tithi < 30; ++tithi) {
        for (const TithiOccurrence& found :
             FindTithi({tithi}, {2011, 12, 15}, 2, SearchDirection::Forward, ApiaPlace, apia,
                       SkyChoice{})) {
            EXPECT_NE(DateKey(found.Observed), 20111230) << "tithi " << tithi;
        }
    }
}

} // namespace
