// SPDX-License-Identifier: MIT
// Tests of the sunrise: places of both hemispheres and both sides of Greenwich against an
// independent high-precision computation, the polar day and night, and a date without a sunrise.
#include "engine/day/Sunrise.h"
#include "engine/time/TimeScales.h"

#include <gtest/gtest.h>

namespace {

// References: the instant at which the Sun's centre stands at -0 degrees 50' (upper limb with
// standard refraction), from the positions of the Swiss Ephemeris (with its data files) and its
// own Delta T, solved by bisection to a millisecond in a separate program. The solar theory comes
// within a second or two; a minute is what an almanac prints.
TEST(SunriseOnDate, WithinTenSecondsOfAHighPrecisionEphemerisOrSaysWhyNot) {
    using enum HorizonState;
    const struct {
        const char* Place;
        int Year, Month, Day;
        double ClockOffset; // hours, east positive
        double EastLongitude, Latitude;
        HorizonState State;
        int Hour = 0, Minute = 0;
        double Second = 0; // the reference, on the place's clock
    } cases[] = {
        {"Delhi", 2024, 1, 11, 5.5, 77 + 13 / 60.0, 28.6, Crosses, 7, 15, 8.51},
        {"London, summer time", 2000, 6, 21, 1, -8 / 60.0, 51.5, Crosses, 4, 43, 8.46},
        {"New York", 2024, 1, 25, -5, -74, 40 + 43 / 60.0, Crosses, 7, 12, 20.44},
        {"Sydney, summer time", 2024, 12, 21, 11, 151 + 13 / 60.0, -(33 + 52 / 60.0), Crosses, 5,
         40, 49.35},
        {"Quito, equinox", 2000, 3, 20, -5, -(78 + 31 / 60.0), -13 / 60.0, Crosses, 6, 18, 7.25},
        {"Helsinki, midsummer", 2024, 6, 21, 3, 24 + 56 / 60.0, 60 + 10 / 60.0, Crosses, 3, 54,
         9.38},
        {"Tokyo, last day", 2050, 12, 31, 9, 139 + 41 / 60.0, 35 + 41 / 60.0, Crosses, 6, 50,
         39.06},
        // A clock thirteen hours ahead at 172 degrees west: the place's date is a day ahead of
        // its solar day.
        {"Apia", 2024, 6, 21, 13, -(171 + 45 / 60.0), -(13 + 50 / 60.0), Crosses, 6, 49, 30.65},
        // A clock eighteen hours ahead on the meridian of Greenwich: the Sun rises about
        // midnight, just after it on one date and just before the next midnight on another, and
        // on some dates not at all: at 23:59 and next at 00:00 two dates later (the same
        // ephemeris, scanned minute by minute).
        {"Gulf of Guinea", 2024, 2, 10, 18, 0, 0, Crosses, 0, 10, 41.88},
        {"Gulf of Guinea", 2024, 11, 3, 18, 0, 0, Crosses, 23, 40, 5.58},
        {"Gulf of Guinea", 2024, 1, 2, 18, 0, 0, NotOnDate},
        {"Gulf of Guinea", 2024, 6, 30, 18, 0, 0, NotOnDate},
        {"Tromso, midsummer", 2024, 6, 21, 1, 18.95, 69.65, AboveAllDate},
        {"Tromso, midwinter", 2024, 12, 21, 1, 18.95, 69.65, BelowAllDate},
        {"North Pole after the equinox", 2024, 3, 25, 0, 0, 90, AboveAllDate},
        {"South Pole at midwinter", 2024, 6, 21, 0, 0, -90, BelowAllDate},
        {"no latitude", 2024, 1, 1, 0, 0, 91, NoLatitude},
    };
    for (const auto& c : cases) {
        const Sunrise rise = SunriseOnDate({c.Year, c.Month, c.Day}, {c.EastLongitude, c.Latitude},
                                           FixedOffsetClock(c.ClockOffset));
        ASSERT_EQ(static_cast<int>(rise.State), static_cast<int>(c.State))
            << c.Place << ' ' << c.Year << '-' << c.Month << '-' << c.Day
            << " (0 rises, 1 polar day, 2 polar night, 3 not on the date, 4 no latitude)";
        const double reference = JulianDayOfDate(c.Month, c.Day, c.Year) +
                                 (c.Hour * 3600 + c.Minute * 60 + c.Second) / 86400;
        if (c.State == Crosses) {
            EXPECT_NEAR((rise.JulianDayUT + c.ClockOffset / 24 - reference) * 86400, 0, 10)
                << c.Place << ' ' << c.Year << '-' << c.Month << '-' << c.Day << " (seconds)";
        }
    }
}

} // namespace
