// SPDX-License-Identifier: MIT
// Tests of the ephemerides: the modern one's Chebyshev table against its own series, the observed
// Delta T against the published values, and the classical one against the report's theories.
// (Both against the Swiss Ephemeris' figures: AccuracyTests.cpp.)
#include "engine/day/LunarMonth.h"
#include "engine/day/Panchanga.h"
#include "engine/sky/ElpMpp02.h"
#include "engine/sky/Ephemeris.h"
#include "engine/sky/ModernPlaces.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"
#include "engine/time/ObservedDeltaT.h"
#include "engine/time/TimeScales.h"
#include "support/DelhiDay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// How far one longitude lies from another, seconds of arc, either way round.
double ArcsecondsApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0)) * 3600;
}

TEST(ModernEphemeris, TableFollowsTheSeriesEverywhere) {
    // Random instants of 1900-2051, piece boundaries among them: the pieces stay within a few
    // thousandths of an arcsecond of the series (a tithi's time moves by about two seconds of
    // time for each arcsecond), and the longitudes one at a time are the same as together.
    std::mt19937_64 random(18);
    std::uniform_real_distribution<double> instant(2415020.5, 2470172.4);
    std::vector<double> instants = {2415020.5, 2415036.5, 2451545.0, 2470156.5, 2470172.4};
    for (int i = 0; i < 40; ++i) {
        instants.push_back(instant(random));
    }
    const Ephemeris& modern = ModernEphemeris();
    for (double jde : instants) {
        const ModernMoonPlace moon = ModernMoonBySeries(jde);
        const SkyLongitudes sky = modern.LongitudesAt(jde);
        EXPECT_LT(ArcsecondsApart(sky.Moon, moon.Longitude), 0.002) << "JDE " << jde;
        EXPECT_LT(ArcsecondsApart(sky.Sun, ModernSunBySeries(jde)), 0.002) << "JDE " << jde;
        EXPECT_LT(std::fabs(sky.Nutation - ModernNutationBySeries(jde)) * 3600, 0.001)
            << "JDE " << jde;
        EXPECT_EQ(sky.Moon, modern.MoonLongitude(jde));
        EXPECT_EQ(sky.Sun, modern.SunLongitude(jde));
        const MoonLatitudeDistance place = modern.MoonPlace(jde);
        EXPECT_LT(std::fabs(place.Latitude - moon.Latitude) * 3600, 0.001) << "JDE " << jde;
        EXPECT_LT(std::fabs(place.DistanceKm - moon.DistanceKm), 0.001) << "JDE " << jde;
    }
}

TEST(ElpMpp02, PiecesFromBesselFunctionsMatchTheTermByTermSums) {
    // The generator's one pass over the terms of a sixteen-day stretch against the sums at
    // single instants: V less the mean longitude, U and r.
    constexpr int Count = 28;
    for (double centerJde : {2415028.5, 2440000.5, 2451545.0, 2470164.5}) {
        const double center = (centerJde - 2451545.0) / 36525;
        const double half = 8 / 36525.0;
        double v[Count], u[Count], r[Count];
        ElpChebyshevPiece(center, half, Count, v, u, r);
        for (double x : {-1.0, -0.61, 0.0, 0.33, 1.0}) {
            const double t = center + half * x;
            const ElpSpherical direct = ElpMoonSpherical(t);
            double b1 = 0, b2 = 0, sum[3] = {};
            const double* c[3] = {v, u, r};
            for (int q = 0; q < 3; ++q) {
                b1 = b2 = 0;
                for (int n = Count - 1; n >= 1; --n) {
                    const double b0 = c[q][n] + 2 * x * b1 - b2;
                    b2 = b1;
                    b1 = b0;
                }
                sum[q] = c[q][0] + x * b1 - b2;
            }
            const double arcsecond = 3.14159265358979323846 / 648000;
            EXPECT_NEAR(sum[0], direct.Longitude - ElpMeanLongitude(t), 0.001 * arcsecond)
                << "JDE " << centerJde << " x " << x;
            EXPECT_NEAR(sum[1], direct.Latitude, 0.001 * arcsecond) << "JDE " << centerJde;
            EXPECT_NEAR(sum[2], direct.DistanceKm, 0.002) << "JDE " << centerJde;
        }
    }
}

TEST(ObservedDeltaT, GivesThePublishedValues) {
    // Delta T at the start of the year as the IERS and the Astronomical Almanac (table K9)
    // publish it; 1900 and 1940 from Stephenson, Morrison and Hohenkerk (2016). Before 1962 the
    // table follows their spline, which lies up to 0.2 s from the Almanac's older reduction.
    struct Case {
        double Jd, Seconds, Tolerance;
    };
    constexpr Case Cases[] = {
        {2415020.5, -2.0, 0.5},  {2429629.5, 24.3, 0.5},  {2433282.5, 29.15, 0.3},
        {2440587.5, 40.18, 0.1}, {2444239.5, 50.54, 0.1}, {2447892.5, 56.86, 0.1},
        {2451544.5, 63.83, 0.1}, {2455197.5, 66.07, 0.1}, {2458849.5, 69.36, 0.1},
    };
    for (const Case& c : Cases) {
        EXPECT_NEAR(ObservedDeltaTSeconds(c.Jd), c.Seconds, c.Tolerance) << "JD " << c.Jd;
        EXPECT_NEAR(ModernEphemeris().DeltaTSeconds(c.Jd), c.Seconds, c.Tolerance);
    }
    // Past the last observation it grows on at the recent rate, a few tenths of a second a
    // year, never back.
    const double last = ObservedDeltaTSeconds(2459945.5);
    const double later = ObservedDeltaTSeconds(2469807.5); // 2050
    EXPECT_GT(later, last);
    EXPECT_LT(later - last, 27 * 0.5);
}

TEST(ObservedDeltaT, UniversalAndTerrestrialTimeGoBothWays) {
    const Ephemeris& modern = ModernEphemeris();
    for (double jd = 2415020.5; jd < 2470172.5; jd += 1234.567) {
        const double jde = modern.TerrestrialOfUniversal(jd);
        // A Julian day holds about 40 microseconds.
        EXPECT_NEAR((jde - jd) * 86400, modern.DeltaTSeconds(jd), 1e-4);
        EXPECT_NEAR(modern.UniversalOfTerrestrial(jde), jd, 1e-10) << "JD " << jd;
    }
}

TEST(ClassicalEphemeris, IsTheReportsTheoriesBitForBit) {
    const Ephemeris& classical = ClassicalEphemeris();
    for (double jde = 2415385.9; jde < 2469807.5; jde += 997.13) {
        const double nutation = NutationInLongitude(jde);
        const SkyLongitudes sky = classical.LongitudesAt(jde);
        EXPECT_EQ(sky.Moon, MoonLongitude(jde, nutation));
        EXPECT_EQ(sky.Sun, SunApparentLongitude(jde, nutation));
        EXPECT_EQ(classical.TerrestrialOfUniversal(jde), TerrestrialOfUniversal(jde));
        EXPECT_EQ(classical.UniversalOfTerrestrial(jde), UniversalOfTerrestrial(jde));
    }
}

TEST(ModernEphemeris, NewMoonsAtThePublishedMinute) {
    // New moons as the U.S. Naval Observatory publishes them (Universal Time, to the minute):
    // the elongation's zero on the modern ephemeris, with its Delta T, falls within that minute
    // (half a minute either side, and a few seconds for the theories).
    struct Case {
        int Lunation;       // counted from the new moon of 2000 January 6
        double PublishedUT; // Julian day of the published minute
    };
    constexpr Case Cases[] = {
        {0, 2451549.5 + (18 * 60 + 14) / 1440.0},   // 2000 Jan 6 18:14
        {297, 2460320.5 + (11 * 60 + 57) / 1440.0}, // 2024 Jan 11 11:57
        {300, 2460408.5 + (18 * 60 + 21) / 1440.0}, // 2024 Apr 8 18:21, the eclipse
    };
    const Ephemeris& modern = ModernEphemeris();
    for (const Case& c : Cases) {
        const double ut =
            modern.UniversalOfTerrestrial(NewMoonOf(c.Lunation, SkyChoice{modern.Kind()}));
        EXPECT_NEAR((ut - c.PublishedUT) * 86400, 0, 35) << "lunation " << c.Lunation;
        // The classical theories with their Delta T come within a minute and a half.
        const Ephemeris& classical = ClassicalEphemeris();
        const double classicalUT =
            classical.UniversalOfTerrestrial(NewMoonOf(c.Lunation, SkyChoice{classical.Kind()}));
        EXPECT_NEAR((classicalUT - c.PublishedUT) * 86400, 0, 90) << "lunation " << c.Lunation;
    }
}

TEST(Ephemeris, TwoCalculationsSideBySide) {
    // One day at Delhi on both ephemerides at once: the same spans, their times apart by the
    // theories' few seconds of arc and the two Delta Ts (some 20 s in 2024), never by minutes.
    const PanchangaDay modern =
        PanchangaOfDay({2024, 6, 11}, Delhi, IndianTime, SkyChoice{EphemerisKind::Modern});
    const PanchangaDay classical =
        PanchangaOfDay({2024, 6, 11}, Delhi, IndianTime, SkyChoice{EphemerisKind::Classical});
    ASSERT_EQ(modern.Tithi.Spans.size(), classical.Tithi.Spans.size());
    for (std::size_t k = 0; k < modern.Tithi.Spans.size(); ++k) {
        EXPECT_EQ(modern.Tithi.Spans[k].Index, classical.Tithi.Spans[k].Index);
        const double apart =
            (modern.Tithi.Spans[k].End.JulianDayUT - classical.Tithi.Spans[k].End.JulianDayUT) *
            86400;
        EXPECT_GT(std::fabs(apart), 0.5) << "the two ephemerides gave the same instant";
        EXPECT_LT(std::fabs(apart), 90);
    }
    EXPECT_NEAR((modern.Sunrise.At.JulianDayUT - classical.Sunrise.At.JulianDayUT) * 86400, 0, 3);
}

TEST(Ephemeris, ChosenByName) {
    EXPECT_EQ(EphemerisNamed("modern"), EphemerisKind::Modern);
    EXPECT_EQ(EphemerisNamed("classical"), EphemerisKind::Classical);
    for (const char* other : {"", "Modern", "classic", "de431"}) {
        EXPECT_FALSE(EphemerisNamed(other).has_value()) << other;
    }
    EXPECT_EQ(EphemerisOf(EphemerisKind::Modern).Name(), "modern");
    EXPECT_EQ(EphemerisOf(EphemerisKind::Classical).Name(), "classical");
}

} // namespace
