// SPDX-License-Identifier: MIT
// Tests of the civil clock: the hemisphere rule, the readings a change of offset skips or
// repeats, and the almanac read on a clock whose offset changes.
#include "engine/calendar/Almanac.h"
#include "engine/report/Tithi.h"
#include "engine/time/CivilClock.h"
#include "engine/time/TimeScales.h"

#include "support/TestClocks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Second = 1.0 / 86400;

TEST(HemisphereRule, TheZoneFollowsTheLongitudeAndSavingAddsAnHourEitherSide) {
    const struct {
        double ZoneHours, WestLongitude;
        double Offset, WithSaving; // hours, east positive
    } cases[] = {
        {5.5, -82.5, 5.5, 6.5}, // east
        {5, 74, -5, -4},        // west
        {1, -10, 1, 2},         // east, an hour more in summer
        {0, 0, 0, 1},           // the meridian counts as west: the magnitude 0 becomes -1
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClockOffsetHours(c.ZoneHours, c.WestLongitude), c.Offset) << c.WestLongitude;
        const double saving = ZoneHoursWithDaylightSaving(c.ZoneHours, c.WestLongitude);
        EXPECT_EQ(ClockOffsetHours(saving, c.WestLongitude), c.WithSaving) << c.WestLongitude;
        EXPECT_EQ(FixedOffsetClock::FromZoneMagnitude(c.ZoneHours, c.WestLongitude)
                      .OffsetHoursAt(2451545),
                  c.Offset);
    }
}

TEST(ResolveReading, NamesTheSkippedAndTheRepeatedReadings) {
    const Madrid2024 clock;
    const struct {
        const char* What;
        double CivilJd;
        ClockReadingKind Kind;
        double Offset, LaterOffset; // hours; 0 where there is none
        double ChangeUT;            // Julian day; 0 where there is no change within a day
    } cases[] = {
        {"winter noon", Jd(2024, 1, 15, 12), ClockReadingKind::Unique, 1, 0, 0},
        {"summer noon", Jd(2024, 7, 15, 12), ClockReadingKind::Unique, 2, 0, 0},
        {"02:30 on the night the clocks go forward", Jd(2024, 3, 31, 2.5), ClockReadingKind::Gap, 0,
         0, Jd(2024, 3, 31, 1)},
        {"01:59 just before it", Jd(2024, 3, 31, 1 + 59 / 60.0), ClockReadingKind::Unique, 1, 0,
         Jd(2024, 3, 31, 1)},
        {"03:00 just after it", Jd(2024, 3, 31, 3), ClockReadingKind::Unique, 2, 0,
         Jd(2024, 3, 31, 1)},
        {"02:30 on the night they go back", Jd(2024, 10, 27, 2.5), ClockReadingKind::Overlap, 2, 1,
         Jd(2024, 10, 27, 1)},
    };
    for (const auto& c : cases) {
        const ResolvedReading r = ResolveReading(clock, c.CivilJd);
        EXPECT_EQ(r.Kind, c.Kind) << c.What;
        EXPECT_EQ(r.OffsetHours.value_or(0), c.Offset) << c.What;
        EXPECT_EQ(r.LaterOffsetHours.value_or(0), c.LaterOffset) << c.What;
        if (c.ChangeUT != 0) {
            EXPECT_NEAR((r.ChangeJd - c.ChangeUT) / Second, 0, 1) << c.What << " (seconds)";
        }
    }
    // The skipped 02:30 belongs to no instant: the day's readings carry on from the change.
    EXPECT_NEAR((UniversalOfCivil(clock, Jd(2024, 3, 31, 2.5)) - Jd(2024, 3, 31, 1)) / Second, 0,
                1);
    // The repeated 02:30 is first read at 00:30 UT.
    EXPECT_NEAR((UniversalOfCivil(clock, Jd(2024, 10, 27, 2.5)) - Jd(2024, 10, 27, 0.5)) / Second,
                0, 1e-3);
}

// The almanac reads each begin and end with the offset of its own instant, and its range runs
// from midnight to midnight on the clock, however long the days on which the clock changes.
TEST(ComputeAlmanac, ReadsEachInstantWithItsOwnOffset) {
    const Madrid2024 clock;
    const Place madrid = {-(3 + 42 / 60.0), 40 + 25 / 60.0};
    const auto spans =
        ComputeAlmanac(madrid, clock, {{2024, 3, 1}, {2024, 4, 30}}, Limb::Tithi, SkyChoice{});
    ASSERT_FALSE(spans.empty());
    EXPECT_GE(spans.front().BeginUT, Jd(2024, 3, 1) - 1 / 24.0);
    EXPECT_LT(spans.back().BeginUT, Jd(2024, 5, 1) - 2 / 24.0);
    bool spansTheChange = false;
    for (const AlmanacSpan& span : spans) {
        EXPECT_EQ(span.BeginOffsetHours, clock.OffsetHoursAt(span.BeginUT));
        EXPECT_EQ(span.EndOffsetHours, clock.OffsetHoursAt(span.EndUT));
        EXPECT_NEAR(ModernEphemeris().TerrestrialOfUniversal(span.BeginUT), span.BeginJde,
                    1e-3 * Second);
        spansTheChange = spansTheChange || span.BeginOffsetHours != span.EndOffsetHours;
    }
    EXPECT_TRUE(spansTheChange) << "a tithi that runs across the night of 31 March";

    // A fixed clock gives the same spans as the search of the tithis between the two midnights.
    const FixedOffsetClock india(5.5);
    const auto fixed =
        ComputeAlmanac({77, 28}, india, {{2024, 1, 1}, {2024, 1, 31}}, Limb::Tithi, SkyChoice{});
    const Ephemeris& modern = ModernEphemeris();
    const auto tithis =
        TithisBeginningBetween(modern.TerrestrialOfUniversal(Jd(2024, 1, 1, -5.5)),
                               modern.TerrestrialOfUniversal(Jd(2024, 2, 1, -5.5)), SkyChoice{});
    ASSERT_EQ(fixed.size(), tithis.size());
    for (std::size_t k = 0; k < fixed.size(); ++k) {
        EXPECT_EQ(fixed[k].Index, tithis[k].Index);
        EXPECT_EQ(fixed[k].BeginJde, tithis[k].BeginJde);
    }
    EXPECT_TRUE(
        ComputeAlmanac({}, india, {{2024, 2, 1}, {2024, 1, 1}}, Limb::Tithi, SkyChoice{}).empty());
}

} // namespace
