// Tests of the solar theory and the routines it shares with the Moon: Normalize360,
// SolveKepler, NutationInLongitude and SunApparentLongitude.
#include "ephemeris/Ephemeris.h"
#include "panchanga/Sun.h"
#include "panchanga/TimeScales.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

// The reduction as the theory describes it, step by step.
double RepeatedReduction(double x) {
    while (x < 0) {
        x = x + 360;
    }
    while (x > 360) {
        x = x - 360;
    }
    return x;
}

void ExpectSameAsRepeatedReduction(double x) {
    const double fast = Normalize360(x);
    const double slow = RepeatedReduction(x);
    // Bit for bit, so that -0.0 and 0.0 are told apart.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(slow))
        << "Normalize360(" << x << ") = " << fast << ", repeated steps give " << slow;
}

TEST(Normalize360, PublishedExamples) {
    EXPECT_EQ(Normalize360(-10), 350);
    EXPECT_EQ(Normalize360(725), 5);
    EXPECT_EQ(Normalize360(360), 360);
    EXPECT_EQ(Normalize360(0), 0);
}

TEST(Normalize360, IdenticalToRepeatedStepsAtTheEdges) {
    for (double x : {0.0,
                     -0.0,
                     360.0,
                     -360.0,
                     720.0,
                     -720.0,
                     359.99999999999994,
                     360.00000000000006,
                     -1e-300,
                     -1e-20,
                     -5e-14,
                     1e-300,
                     1080.5,
                     -1079.5,
                     700000.0,
                     700000.123456789,
                     -700000.987654321,
                     5212.345678901234,
                     733711.8765432109,
                     1e6,
                     -1e6,
                     123456789.0}) {
        ExpectSameAsRepeatedReduction(x);
    }
}

TEST(Normalize360, IdenticalToRepeatedStepsOverMeanLongitudes) {
    // Mean longitudes of the Moon from 1901 to 2050 run from about 5,000 to over 700,000
    // degrees; differences of mean elements fall either side of 0.
    std::mt19937_64 random(20240111);
    std::uniform_real_distribution<double> longitudes(-800000, 800000);
    std::uniform_real_distribution<double> small(-1000, 1000);
    for (int i = 0; i < 2000; ++i) {
        ExpectSameAsRepeatedReduction(longitudes(random));
        ExpectSameAsRepeatedReduction(small(random));
    }
}

TEST(Normalize360, NotANumberStaysNotANumber) {
    EXPECT_TRUE(std::isnan(Normalize360(std::nan(""))));
    EXPECT_TRUE(std::isnan(Normalize360(INFINITY))); // the repeated steps would never end
}

TEST(SolveKepler, CircularOrbitReturnsMeanAnomaly) {
    EXPECT_EQ(SolveKepler(57.0, 0.0, 0.0000003), 57.0 * DegToRadFactor);
}

TEST(SolveKepler, PublishedExample) {
    // Meeus, Astronomical Algorithms, example 30.a: M = 5 degrees, e = 0.1, E = 5.554589 deg.
    EXPECT_NEAR(SolveKepler(5, 0.1, 0.0000003) * RadToDegFactor, 5.554589, 1e-6);
}

TEST(NutationInLongitude, PublishedExample) {
    // Meeus, example 22.a: 1987 April 10, 0h TD: -3.788 seconds of arc (full series); the short
    // series agrees within a few hundredths of a second.
    EXPECT_NEAR(NutationInLongitude(2446895.5) * 3600, -3.788, 0.05);
}

struct LongitudeCase {
    const char* Source;
    double JulianDay; // TT
    double Degrees, Tolerance;
};

std::ostream& operator<<(std::ostream& os, const LongitudeCase& c) {
    return os << "jd " << c.JulianDay << " (" << c.Source << ")";
}

class SunLongitudeTest : public testing::TestWithParam<LongitudeCase> {};

TEST_P(SunLongitudeTest, ApparentLongitude) {
    const LongitudeCase& c = GetParam();
    const double sun = SunApparentLongitude(c.JulianDay);
    EXPECT_NEAR(sun, c.Degrees, c.Tolerance)
        << "SunApparentLongitude(" << c.JulianDay << ") = " << sun << ", expected " << c.Degrees;
}

INSTANTIATE_TEST_SUITE_P(
    Published, SunLongitudeTest,
    testing::Values(LongitudeCase{"J2000.0", 2451545.0, 280.37, 0.005},
                    // Meeus, example 25.b: 1992 October 13, 0h TD, from the full theory.
                    LongitudeCase{"1992-10-13", 2448908.5, 199.907347, 0.005}));

// The same theory worked independently in double precision, to a millionth of a degree.
INSTANTIATE_TEST_SUITE_P(Recomputed, SunLongitudeTest,
                         testing::Values(LongitudeCase{"1901", 2415385.5, 279.9083202556003, 1e-7},
                                         LongitudeCase{"1918", 2422000.25, 320.9639444038912, 1e-7},
                                         LongitudeCase{"1950", 2433282.5, 280.0054661555405, 1e-7},
                                         LongitudeCase{"1968", 2440000.75, 63.12069647046519, 1e-7},
                                         LongitudeCase{"2000", 2451545.0, 280.3673821191551, 1e-7},
                                         LongitudeCase{"2023", 2460000.5, 336.1069621212446, 1e-7},
                                         LongitudeCase{"2050", 2470171.5, 279.47858124770573,
                                                       1e-7}));

// The Julian day (TT) at which the apparent longitude passes 0, by bisection near jd.
double EquinoxNear(double jd) {
    auto signedLongitude = [](double t) {
        const double sun = SunApparentLongitude(t);
        return sun > 180 ? sun - 360 : sun;
    };
    double before = jd - 2;
    double after = jd + 2;
    while (after - before > 1e-7) {
        const double middle = (before + after) / 2;
        (signedLongitude(middle) < 0 ? before : after) = middle;
    }
    return (before + after) / 2;
}

struct EquinoxCase {
    int Year, Day, Hour, Minute; // March, Universal Time
    const char* Source;
};

std::ostream& operator<<(std::ostream& os, const EquinoxCase& c) {
    return os << c.Year << "-03-" << c.Day << ' ' << c.Hour << ':' << c.Minute << " UT";
}

class MarchEquinoxTest : public testing::TestWithParam<EquinoxCase> {};

TEST_P(MarchEquinoxTest, WithinFiveMinutesOfPublishedInstant) {
    const EquinoxCase& c = GetParam();
    const double published = JulianDayOfDate(3, c.Day, c.Year) + (c.Hour + c.Minute / 60.0) / 24;
    const double crossingTT = EquinoxNear(published);
    const double crossingUT = crossingTT - DeltaT(crossingTT) / 24;
    const double minutes = (crossingUT - published) * 1440;
    EXPECT_LT(std::fabs(minutes), 5) << "crossing at jd " << crossingUT << " UT, " << minutes
                                     << " minutes from the published instant (" << c.Source << ")";
    EXPECT_EQ(CalendarDateOfJulianDay(crossingUT).Day, c.Day);
}

INSTANTIATE_TEST_SUITE_P(
    Years, MarchEquinoxTest,
    testing::Values(EquinoxCase{1901, 21, 7, 24, "VSOP87"}, EquinoxCase{1950, 21, 4, 35, "VSOP87"},
                    EquinoxCase{2000, 20, 7, 35, "USNO"}, EquinoxCase{2010, 20, 17, 32, "USNO"},
                    EquinoxCase{2024, 20, 3, 6, "USNO"}, EquinoxCase{2044, 19, 23, 20, "USNO"},
                    EquinoxCase{2048, 19, 22, 34, "USNO"}));

} // namespace
