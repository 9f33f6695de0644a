// Tests of the moment preparation: decimal hours, the signed longitude and the hemisphere rule
// for daylight saving.
#include "ephemeris/Ephemeris.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct MomentCase {
    const char* What;
    int Hour, Minute;
    int ZoneHour, ZoneMinute;
    int LonDeg, LonMin;
    bool East, Dst;
    double LocalHours, ZoneHours, Longitude; // expected
};

std::ostream& operator<<(std::ostream& os, const MomentCase& c) {
    return os << c.What << ": " << c.Hour << ':' << c.Minute << ", zone " << c.ZoneHour << ':'
              << c.ZoneMinute << ", " << c.LonDeg << "deg " << c.LonMin << "' "
              << (c.East ? 'E' : 'W') << (c.Dst ? ", DST" : "");
}

class PrepareMomentTest : public testing::TestWithParam<MomentCase> {};

TEST_P(PrepareMomentTest, DerivesWorkingValues) {
    const MomentCase& c = GetParam();
    CalculationRecord rec;
    rec.BirthYear = 2000;
    rec.BirthMonth = 7;
    rec.BirthDay = 31;
    rec.BirthHour = static_cast<std::int16_t>(c.Hour);
    rec.BirthMinute = static_cast<std::int16_t>(c.Minute);
    rec.ZoneHour = static_cast<std::int16_t>(c.ZoneHour);
    rec.ZoneMinute = static_cast<std::int16_t>(c.ZoneMinute);
    rec.LonDeg = static_cast<std::int16_t>(c.LonDeg);
    rec.LonMin = static_cast<std::int16_t>(c.LonMin);
    rec.LonEast = ToFlag(c.East);
    rec.DstFlag = ToFlag(c.Dst);

    PrepareMoment(rec);
    EXPECT_DOUBLE_EQ(rec.LocalHours, c.LocalHours);
    EXPECT_DOUBLE_EQ(rec.ZoneHours, c.ZoneHours);
    EXPECT_DOUBLE_EQ(rec.Longitude, c.Longitude);
    EXPECT_EQ(rec.DateYear, 2000);
    EXPECT_EQ(rec.DateMonth, 7);
    EXPECT_EQ(rec.DateDay, 31);
    EXPECT_EQ(rec.DegToRad, 0.0174532925199433);
    EXPECT_EQ(rec.RadToDeg, 57.2957795130823);

    // A second run must not apply daylight saving again.
    PrepareMoment(rec);
    EXPECT_DOUBLE_EQ(rec.ZoneHours, c.ZoneHours) << "after a second run";
}

// Expected values worked by hand from the hemisphere rule.
INSTANTIATE_TEST_SUITE_P(
    Moments, PrepareMomentTest,
    testing::Values(
        MomentCase{"east, no saving", 12, 0, 5, 30, 82, 30, true, false, 12, 5.5, -82.5},
        MomentCase{"west, saving shrinks the zone", 12, 0, 5, 0, 74, 0, false, true, 12, 4, 74},
        MomentCase{"east, saving grows the zone", 12, 0, 1, 0, 10, 0, true, true, 12, 2, -10},
        MomentCase{"meridian counts as west", 12, 0, 0, 0, 0, 0, true, true, 12, -1, 0},
        MomentCase{"minutes of arc", 6, 30, 3, 45, 0, 45, false, false, 6.5, 3.75, 0.75},
        MomentCase{"last minute of the day", 23, 59, 0, 0, 1, 0, false, false, 23 + 59 / 60.0, 0,
                   1},
        MomentCase{"midnight", 0, 0, 0, 0, 1, 0, false, false, 0, 0, 1}));

} // namespace
