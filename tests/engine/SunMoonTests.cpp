// SPDX-License-Identifier: MIT
// Tests of the solar and lunar theories: Normalize360, which they share, SunApparentLongitude
// and MoonLongitude. (SolveKepler and the nutation are checked through the longitudes.)
#include "engine/report/PrepareMoment.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Sun.h"
#include "engine/time/TimeScales.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

// The reduction as the theory describes it, step by step; Normalize360 must give the same
// value, bit for bit (so that -0.0 and 0.0 are told apart).
void ExpectSameAsRepeatedReduction(double x) {
    double slow = x;
    while (slow < 0)
        slow = slow + 360;
    while (slow > 360)
        slow = slow - 360;
    const double fast = Normalize360(x);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(slow))
        << "Normalize360(" << x << ") = " << fast << ", repeated steps give " << slow;
}

TEST(Normalize360, IdenticalToRepeatedSteps) {
    // The published examples (-10 gives 350, 725 gives 5, 360 stays 360) and the edges.
    for (double x : {-10.0, 725.0, 0.0, -0.0, 360.0, -360.0, 720.0, -720.0, 1080.5, -1079.5,
                     700000.0, 1e6, -1e-300, -1e-20, -5e-14, 1e-300})
        ExpectSameAsRepeatedReduction(x);
    for (double x : {359.99999999999994, 360.00000000000006, 700000.123456789, -700000.987654321,
                     733711.8765432109, 123456789.0})
        ExpectSameAsRepeatedReduction(x);
    // Mean longitudes of the Moon from 1901 to 2050 run from about 5,000 to over 700,000
    // degrees; differences of mean elements fall either side of 0.
    std::mt19937_64 random(20240111);
    std::uniform_real_distribution<double> longitudes(-800000, 800000), small(-1000, 1000);
    for (int i = 0; i < 2000; ++i) {
        ExpectSameAsRepeatedReduction(longitudes(random));
        ExpectSameAsRepeatedReduction(small(random));
    }
}

TEST(Normalize360, NotANumberStaysNotANumber) {
    EXPECT_TRUE(std::isnan(Normalize360(std::nan(""))));
    EXPECT_TRUE(std::isnan(Normalize360(INFINITY))); // the repeated steps would never end
}

// Published values, and the same theories worked independently in double precision to a
// millionth of a degree: these catch a wrong multiplier or coefficient anywhere in the series.
TEST(ApparentLongitude, OfTheSunAndTheMoon) {
    const struct {
        const char* Source;
        double (*Longitude)(double jde);
        double JulianDay; // TT
        double Degrees, Tolerance;
    } cases[] = {
        {"Sun, J2000.0", SunApparentLongitude, 2451545.0, 280.37, 0.005},
        // Meeus, example 25.b: 1992 October 13, 0h TD, from the full theory.
        {"Sun, Meeus 25.b", SunApparentLongitude, 2448908.5, 199.907347, 0.005},
        {"Sun, 1901", SunApparentLongitude, 2415385.5, 279.9083202556003, 1e-7},
        {"Sun, 2050", SunApparentLongitude, 2470171.5, 279.47858124770573, 1e-7},
        {"Moon, J2000.0", MoonLongitude, 2451545.0, 223.3145, 0.0001},
        // Meeus, example 47.a: 1992 April 12, 0h TD, apparent longitude from a longer series.
        {"Moon, Meeus 47.a", MoonLongitude, 2448724.5, 133.167265, 0.002},
        {"Moon, 1901", MoonLongitude, 2415385.5, 48.316943567470844, 1e-7},
        {"Moon, 2050", MoonLongitude, 2470171.5, 132.42878327902872, 1e-7},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.Longitude(c.JulianDay), c.Degrees, c.Tolerance) << c.Source;
}

// The March equinoxes, where the Sun's apparent longitude passes 0, against the published
// instants in Universal Time (USNO; VSOP87 for 1901 and 1950).
TEST(ApparentLongitude, TheSunCrossesTheEquinoxWithinFiveMinutesOfThePublishedInstant) {
    const struct {
        int Year, Day, Hour, Minute; // March, Universal Time
    } cases[] = {{1901, 21, 7, 24}, {1950, 21, 4, 35},  {2000, 20, 7, 35}, {2010, 20, 17, 32},
                 {2024, 20, 3, 6},  {2044, 19, 23, 20}, {2048, 19, 22, 34}};
    for (const auto& c : cases) {
        const double published =
            JulianDayOfDate(3, c.Day, c.Year) + (c.Hour + c.Minute / 60.0) / 24;
        // Bisection on the signed longitude, two days either side.
        double before = published - 2, after = published + 2;
        while (after - before > 1e-7) {
            const double middle = (before + after) / 2;
            (SunApparentLongitude(middle) > 180 ? before : after) = middle;
        }
        const double crossingUT = before - DeltaT(before) / 24;
        EXPECT_NEAR((crossingUT - published) * 1440, 0, 5) << "March " << c.Year << " (minutes)";
    }
}

} // namespace
