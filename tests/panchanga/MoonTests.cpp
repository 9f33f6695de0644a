// Tests of the lunar theory: MoonLongitude and its series tables.
#include "panchanga/Moon.h"
#include "panchanga/Tithi.h"

#include <gtest/gtest.h>

namespace {

struct LongitudeCase {
    const char* Source;
    double JulianDay; // TT
    double Degrees, Tolerance;
};

std::ostream& operator<<(std::ostream& os, const LongitudeCase& c) {
    return os << "jd " << c.JulianDay << " (" << c.Source << ")";
}

class MoonLongitudeTest : public testing::TestWithParam<LongitudeCase> {};

TEST_P(MoonLongitudeTest, ApparentLongitude) {
    const LongitudeCase& c = GetParam();
    const double moon = MoonLongitude(c.JulianDay);
    EXPECT_NEAR(moon, c.Degrees, c.Tolerance)
        << "MoonLongitude(" << c.JulianDay << ") = " << moon << ", expected " << c.Degrees;
}

INSTANTIATE_TEST_SUITE_P(Published, MoonLongitudeTest,
                         testing::Values(LongitudeCase{"J2000.0", 2451545.0, 223.3145, 0.0001},
                                         // Meeus, Astronomical Algorithms, example 47.a: 1992 April
                                         // 12, 0h TD, apparent longitude from a longer series.
                                         LongitudeCase{"1992-04-12", 2448724.5, 133.167265,
                                                       0.002}));

// The same theory worked independently in double precision, to a millionth of a degree: these
// catch a wrong multiplier or coefficient anywhere in the series.
INSTANTIATE_TEST_SUITE_P(
    Recomputed, MoonLongitudeTest,
    testing::Values(LongitudeCase{"1901", 2415385.5, 48.316943567470844, 1e-7},
                    LongitudeCase{"1918", 2422000.25, 88.99437960381329, 1e-7},
                    LongitudeCase{"1950", 2433282.5, 61.41124033080996, 1e-7},
                    LongitudeCase{"1968", 2440000.75, 29.867947375169024, 1e-7},
                    LongitudeCase{"2000", 2451545.0, 223.31454338645563, 1e-7},
                    LongitudeCase{"2023", 2460000.5, 38.63635662966408, 1e-7},
                    LongitudeCase{"2050", 2470171.5, 132.42878327902872, 1e-7}));

TEST(MoonLongitude, StaysWithin0To360) {
    // Every 7 hours and a bit from 1901 to 2050, so that all phases and anomalies are visited.
    for (double jd = 2415385.5; jd < 2470172.5; jd += 0.3137) {
        const double moon = MoonLongitude(jd);
        ASSERT_GE(moon, 0) << "jd " << jd;
        ASSERT_LE(moon, 360) << "jd " << jd;
    }
}

TEST(LunarSeries, RecordColumnsHoldTheSeriesRowForRow) {
    CalculationRecord rec;
    FillLunarTables(rec);

    // Rows read off the published tables.
    EXPECT_EQ(rec.MainTermL[4], 1);
    EXPECT_EQ(rec.MainTermLs[4], 0);
    EXPECT_EQ(rec.MainTermF[4], 0);
    EXPECT_EQ(rec.MainTermD[4], 0);
    EXPECT_EQ(rec.MainTermCoef[4], 22639.5);
    EXPECT_EQ(rec.MainTermL[92], 2);
    EXPECT_EQ(rec.MainTermLs[92], -1);
    EXPECT_EQ(rec.MainTermD[92], -1);
    EXPECT_EQ(rec.MainTermCoef[92], -0.352);
    EXPECT_EQ(rec.MinorTermL[4], 2); // row 4 of the minor series keeps its F multiplier of 1
    EXPECT_EQ(rec.MinorTermLs[4], 1);
    EXPECT_EQ(rec.MinorTermF[4], 1);
    EXPECT_EQ(rec.MinorTermD[4], -6);
    EXPECT_EQ(rec.MinorTermCoef[4], -0.091);
    EXPECT_EQ(rec.MinorTermCoef[26], 0.092);
    // The slot past the last row stays empty.
    EXPECT_EQ(rec.MainTermCoef[93], 0);
    EXPECT_EQ(rec.MinorTermCoef[27], 0);
}

} // namespace
