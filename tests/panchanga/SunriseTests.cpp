// Tests of the sunrise: places of both hemispheres and both sides of Greenwich against an
// independent high-precision computation, the polar day and night, and a date without a sunrise.
#include "panchanga/Sunrise.h"
#include "panchanga/TimeScales.h"
#include "panchanga/TithiTimes.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SunriseCase {
    const char* Place;
    int Year, Month, Day;
    double ClockOffset; // hours, east positive
    double EastLongitude, Latitude;
    int Hour, Minute;
    double Second; // the reference, on the place's clock
};

std::ostream& operator<<(std::ostream& os, const SunriseCase& c) {
    return os << c.Place << ' ' << c.Year << '-' << c.Month << '-' << c.Day << " (" << c.Latitude
              << ", " << c.EastLongitude << ", clock " << c.ClockOffset << " h)";
}

class SunriseReferenceTest : public testing::TestWithParam<SunriseCase> {};

// References: the instant at which the Sun's centre stands at -0 degrees 50' (upper limb with
// standard refraction), from the positions of the Swiss Ephemeris (with its data files) and its own
// Delta T, solved by bisection to a millisecond in a separate program. The solar theory comes
// within a second or two; a minute is what an almanac prints.
TEST_P(SunriseReferenceTest, WithinTenSecondsOfAHighPrecisionEphemeris) {
    const SunriseCase& c = GetParam();
    const Sunrise rise =
        SunriseOnDate(c.Month, c.Day, c.Year, c.ClockOffset, -c.EastLongitude, c.Latitude);
    ASSERT_EQ(rise.Kind, SunriseKind::Rises) << c;
    const double reference = JulianDayOfDate(c.Month, c.Day, c.Year) +
                             (c.Hour * 3600 + c.Minute * 60 + c.Second) / 86400;
    const double found = rise.JulianDayUT + c.ClockOffset / 24;
    EXPECT_NEAR((found - reference) * 86400, 0, 10)
        << c << ": found JD " << std::fixed << found << ", reference " << reference << " (s)";
}

INSTANTIATE_TEST_SUITE_P(
    Places, SunriseReferenceTest,
    testing::Values(
        SunriseCase{"Delhi", 2024, 1, 11, 5.5, 77 + 13 / 60.0, 28 + 36 / 60.0, 7, 15, 8.51},
        SunriseCase{"London, summer time", 2000, 6, 21, 1, -8 / 60.0, 51.5, 4, 43, 8.46},
        SunriseCase{"New York", 2024, 1, 25, -5, -74, 40 + 43 / 60.0, 7, 12, 20.44},
        SunriseCase{"Sydney, summer time", 2024, 12, 21, 11, 151 + 13 / 60.0, -(33 + 52 / 60.0), 5,
                    40, 49.35},
        SunriseCase{"Quito, equinox", 2000, 3, 20, -5, -(78 + 31 / 60.0), -13 / 60.0, 6, 18, 7.25},
        SunriseCase{"Cape Town", 2000, 1, 1, 2, 18 + 25 / 60.0, -(33 + 55 / 60.0), 5, 38, 21.05},
        SunriseCase{"Helsinki, midsummer", 2024, 6, 21, 3, 24 + 56 / 60.0, 60 + 10 / 60.0, 3, 54,
                    9.38},
        SunriseCase{"Greenwich, first day of the range", 1901, 1, 1, 0, 0, 51.5, 8, 6, 3.20},
        SunriseCase{"Tokyo, last day of the range", 2050, 12, 31, 9, 139 + 41 / 60.0,
                    35 + 41 / 60.0, 6, 50, 39.06},
        // A clock thirteen hours ahead at 172 degrees west: the place's date is a day ahead of
        // its solar day.
        SunriseCase{"Apia", 2024, 6, 21, 13, -(171 + 45 / 60.0), -(13 + 50 / 60.0), 6, 49, 30.65},
        // A clock eighteen hours ahead on the meridian of Greenwich: the Sun rises about
        // midnight, just after it on one date and just before the next midnight on another.
        SunriseCase{"Gulf of Guinea, clock +18 h", 2024, 2, 10, 18, 0, 0, 0, 10, 41.88},
        SunriseCase{"Gulf of Guinea, clock +18 h", 2024, 11, 3, 18, 0, 0, 23, 40, 5.58}));

struct NoSunriseCase {
    const char* Place;
    int Year, Month, Day;
    double ClockOffset, EastLongitude, Latitude;
    SunriseKind Kind;
};

TEST(SunriseTest, SaysWhyTheSunDoesNotRise) {
    const NoSunriseCase cases[] = {
        {"Tromso, midsummer", 2024, 6, 21, 1, 18 + 57 / 60.0, 69 + 39 / 60.0,
         SunriseKind::PolarDay},
        {"Tromso, midwinter", 2024, 12, 21, 1, 18 + 57 / 60.0, 69 + 39 / 60.0,
         SunriseKind::PolarNight},
        {"North Pole after the equinox", 2024, 3, 25, 0, 0, 90, SunriseKind::PolarDay},
        {"South Pole at midwinter", 2024, 6, 21, 0, 0, -90, SunriseKind::PolarNight},
        {"Tromso, equinox (it rises)", 2024, 3, 21, 1, 18 + 57 / 60.0, 69 + 39 / 60.0,
         SunriseKind::Rises},
        // The Sun rises at 23:59 and next at 00:00 two dates later (reference: the same
        // ephemeris, scanned minute by minute).
        {"Gulf of Guinea, clock +18 h", 2024, 1, 2, 18, 0, 0, SunriseKind::NotOnDate},
        {"Gulf of Guinea, clock +18 h", 2024, 6, 30, 18, 0, 0, SunriseKind::NotOnDate},
        {"Gulf of Guinea, clock +18 h", 2024, 7, 1, 18, 0, 0, SunriseKind::Rises},
        {"no latitude", 2024, 1, 1, 0, 0, 91, SunriseKind::NotOnDate},
    };
    for (const NoSunriseCase& c : cases) {
        const Sunrise rise =
            SunriseOnDate(c.Month, c.Day, c.Year, c.ClockOffset, -c.EastLongitude, c.Latitude);
        EXPECT_EQ(static_cast<int>(rise.Kind), static_cast<int>(c.Kind))
            << c.Place << ' ' << c.Year << '-' << c.Month << '-' << c.Day << " (0 rises, 1 polar "
            << "day, 2 polar night, 3 not on the date)";
    }
}

// The right ascension and declination of the Sun at the June solstice of 2000 (01:48 UT):
// declination +23 deg 26', right ascension 6h 0m, from the Astronomical Almanac's tables.
TEST(SunriseTest, TheSunAtTheSolsticeStandsAtTheObliquity) {
    const double jde = TerrestrialOfUniversal(JulianDayOfDate(6, 21, 2000) + 1.8 / 24);
    const SunEquatorial sun = SunEquatorialOf(jde);
    EXPECT_NEAR(sun.Declination, 23 + 26.0 / 60, 1.0 / 60)
        << "right ascension " << sun.RightAscension;
    EXPECT_NEAR(sun.RightAscension, 90, 0.05) << "declination " << sun.Declination;
}

} // namespace
