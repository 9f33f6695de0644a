// Tests of the tithi driver: the elongation and its index, the hemisphere rule, and whole
// moments from the civil date to the tithi.
#include "ephemeris/Ephemeris.h"
#include "panchanga/Tithi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

struct LongitudesCase {
    const char* What;
    double Moon, Sun;
    double Elongation;
    int Index;
};

std::ostream& operator<<(std::ostream& os, const LongitudesCase& c) {
    return os << c.What << ": moon " << c.Moon << ", sun " << c.Sun;
}

class TithiOfLongitudesTest : public testing::TestWithParam<LongitudesCase> {};

TEST_P(TithiOfLongitudesTest, ElongationAndIndex) {
    const LongitudesCase& c = GetParam();
    const TithiStep step = TithiOfLongitudes(c.Moon, c.Sun);
    EXPECT_DOUBLE_EQ(step.Elongation, c.Elongation);
    EXPECT_EQ(step.Index, c.Index) << "elongation " << step.Elongation;
}

INSTANTIATE_TEST_SUITE_P(
    Longitudes, TithiOfLongitudesTest,
    testing::Values(LongitudesCase{"moon raised past the sun", 10, 350, 20, 1},
                    LongitudesCase{"conjunction", 123.4, 123.4, 0, 0},
                    LongitudesCase{"end of the full-moon tithi", 179.9 + 20, 20, 179.9, 14},
                    LongitudesCase{"full moon", 200, 20, 180, 15},
                    LongitudesCase{"end of the new-moon tithi", 359.9, 0, 359.9, 29},
                    // A full turn is the conjunction, not a thirty-first tithi.
                    LongitudesCase{"moon at 360, sun at 0", 360, 0, 0, 0},
                    LongitudesCase{"moon a hair behind the sun", std::nextafter(100.0, 0.0), 100, 0,
                                   0},
                    LongitudesCase{"moon at 360, sun just past 0", 360, 1e-9, 360 - 1e-9, 29}));

// A moment as the form gives it, with what the driver should make of it.
struct MomentCase {
    const char* Source;
    int Year, Month, Day, Hour, Minute;
    int ZoneHour, ZoneMinute, LonDeg, LonMin;
    bool East, Dst;
    int Index;
    double Elongation, Tolerance;
};

std::ostream& operator<<(std::ostream& os, const MomentCase& c) {
    return os << c.Year << '-' << c.Month << '-' << c.Day << ' ' << c.Hour << ':' << c.Minute
              << " zone " << c.ZoneHour << ':' << c.ZoneMinute << ' ' << c.LonDeg << ':' << c.LonMin
              << (c.East ? 'E' : 'W') << (c.Dst ? " DST" : "") << " (" << c.Source << ")";
}

CalculationRecord RecordOf(const MomentCase& c) {
    CalculationRecord rec;
    rec.BirthYear = static_cast<std::int16_t>(c.Year);
    rec.BirthMonth = static_cast<std::int16_t>(c.Month);
    rec.BirthDay = static_cast<std::int16_t>(c.Day);
    rec.BirthHour = static_cast<std::int16_t>(c.Hour);
    rec.BirthMinute = static_cast<std::int16_t>(c.Minute);
    rec.ZoneHour = static_cast<std::int16_t>(c.ZoneHour);
    rec.ZoneMinute = static_cast<std::int16_t>(c.ZoneMinute);
    rec.LonDeg = static_cast<std::int16_t>(c.LonDeg);
    rec.LonMin = static_cast<std::int16_t>(c.LonMin);
    rec.LonEast = ToFlag(c.East);
    rec.DstFlag = ToFlag(c.Dst);
    return rec;
}

class ComputeTithiTest : public testing::TestWithParam<MomentCase> {};

TEST_P(ComputeTithiTest, TithiOfTheMoment) {
    const MomentCase& c = GetParam();
    CalculationRecord rec = RecordOf(c);
    PrepareMoment(rec);
    const TithiMoment m = ComputeTithiMoment(rec);
    EXPECT_NEAR(m.Tithi.Elongation, c.Elongation, c.Tolerance)
        << "moon " << m.Moon << ", sun " << m.Sun << ", jde " << m.JulianDayTT;
    EXPECT_EQ(m.Tithi.Index, c.Index) << "elongation " << m.Tithi.Elongation;
    EXPECT_EQ(rec.TithiIndex, c.Index);

    // ComputeTithi itself leaves the same index in a fresh record.
    CalculationRecord again = RecordOf(c);
    PrepareMoment(again);
    ComputeTithi(again);
    EXPECT_EQ(again.TithiIndex, c.Index);
}

INSTANTIATE_TEST_SUITE_P(Published, ComputeTithiTest,
                         testing::Values(MomentCase{"new moon", 2000, 1, 6, 18, 14, 0, 0, 0, 0,
                                                    false, false, 0, 0, 0.01},
                                         MomentCase{"before full moon", 2000, 1, 21, 4, 40, 0, 0, 0,
                                                    0, false, false, 14, 179.996, 0.001},
                                         MomentCase{"after full moon", 2000, 1, 21, 5, 0, 0, 0, 0,
                                                    0, false, false, 15, 180.19, 0.005},
                                         MomentCase{"before new moon", 2024, 1, 11, 17, 0, 5, 30,
                                                    77, 0, true, false, 29, 359.74, 0.005},
                                         MomentCase{"after new moon", 2024, 1, 11, 18, 30, 5, 30,
                                                    77, 0, true, false, 0, 0.60, 0.005},
                                         MomentCase{"before full moon, west", 2024, 1, 25, 10, 0, 5,
                                                    0, 74, 0, false, false, 14, 178.65, 0.005},
                                         MomentCase{"after full moon, west", 2024, 1, 25, 15, 0, 5,
                                                    0, 74, 0, false, false, 15, 180.98, 0.005}));

// The same theory and driver worked independently in double precision.
INSTANTIATE_TEST_SUITE_P(
    Recomputed, ComputeTithiTest,
    testing::Values(MomentCase{"2000-01-06", 2000, 1, 6, 18, 14, 0, 0, 0, 0, false, false, 0,
                               0.0031043045528349467, 1e-6},
                    MomentCase{"2024-01-25", 2024, 1, 25, 15, 0, 5, 0, 74, 0, false, false, 15,
                               180.97966795648972, 1e-6},
                    MomentCase{"first moment of the range", 1901, 1, 1, 0, 0, 0, 0, 0, 0, false,
                               false, 10, 128.4084140780568, 1e-6},
                    MomentCase{"east", 1925, 7, 14, 6, 45, 5, 30, 88, 22, true, false, 23,
                               283.82025210513893, 1e-6},
                    MomentCase{"east, midnight", 1947, 8, 15, 0, 0, 5, 30, 77, 13, true, false, 27,
                               335.99520322994795, 1e-6},
                    MomentCase{"west, saving", 1969, 7, 20, 20, 17, 5, 0, 95, 5, false, true, 5,
                               71.9283398181069, 1e-6},
                    MomentCase{"leap day", 1988, 2, 29, 23, 59, 9, 0, 139, 45, true, false, 12,
                               147.0455358796753, 1e-6},
                    MomentCase{"meridian, saving", 2012, 12, 21, 11, 11, 1, 0, 0, 0, false, true, 8,
                               104.2393304777579, 1e-6},
                    MomentCase{"east, saving", 2033, 3, 30, 14, 30, 10, 0, 151, 12, true, true, 29,
                               351.50666034673486, 1e-6},
                    MomentCase{"last moment of the range", 2050, 12, 31, 23, 59, 12, 45, 176, 30,
                               false, false, 19, 230.23814059555298, 1e-6}));

struct HemisphereCase {
    const char* What;
    MomentCase Moment;
    double UniversalHours;
    int UtYear, UtMonth, UtDay;
};

std::ostream& operator<<(std::ostream& os, const HemisphereCase& c) {
    return os << c.What;
}

class HemisphereRuleTest : public testing::TestWithParam<HemisphereCase> {};

TEST_P(HemisphereRuleTest, UniversalTimeOfTheMoment) {
    const HemisphereCase& c = GetParam();
    CalculationRecord rec = RecordOf(c.Moment);
    PrepareMoment(rec);
    const TithiMoment m = ComputeTithiMoment(rec);
    EXPECT_DOUBLE_EQ(m.UniversalHours, c.UniversalHours);
    EXPECT_DOUBLE_EQ(m.JulianDayUT, m.JulianDay0 + c.UniversalHours / 24);
    EXPECT_DOUBLE_EQ(m.JulianDayTT, m.JulianDayUT + m.DeltaTHours / 24);
    // The date of the Universal Time, as the record keeps it.
    EXPECT_EQ(rec.CalYear, c.UtYear);
    EXPECT_EQ(rec.CalMonth, c.UtMonth);
    EXPECT_EQ(rec.CalDay, c.UtDay);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, HemisphereRuleTest,
    testing::Values(HemisphereCase{"east, 02:00, zone 5:30: 20:30 UT the day before",
                                   {"", 2024, 3, 1, 2, 0, 5, 30, 77, 0, true, false, 0, 0, 0},
                                   -3.5,
                                   2024,
                                   2,
                                   29},
                    HemisphereCase{"west, 21:00, zone 5: 02:00 UT the next day",
                                   {"", 2023, 12, 31, 21, 0, 5, 0, 74, 0, false, false, 0, 0, 0},
                                   26,
                                   2024,
                                   1,
                                   1},
                    HemisphereCase{"west with daylight saving, 12:00, zone 5",
                                   {"", 2024, 7, 4, 12, 0, 5, 0, 74, 0, false, true, 0, 0, 0},
                                   16,
                                   2024,
                                   7,
                                   4},
                    HemisphereCase{"meridian counts as west, whichever button",
                                   {"", 2024, 7, 4, 12, 0, 2, 0, 0, 0, true, false, 0, 0, 0},
                                   14,
                                   2024,
                                   7,
                                   4}));

} // namespace
