// SPDX-License-Identifier: MIT
// Tests of the begin and end of a tithi: published new and full moons, the elongation on either
// side of every reported crossing, the window's minutes, the almanac's run of tithis, and the
// way back from Terrestrial Time to the place's clock.
#include "engine/report/Tithi.h"
#include "engine/report/TithiDay.h"
#include "engine/time/TimeScales.h"
#include "support/DelhiDay.h"
#include "support/Moments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr double Second = 1.0 / 86400;

// The tithi the window shows when a reading of the clock is entered at the same place.
int TithiEnteredAt(MomentInputs place, const ClockReading& reading) {
    place.Year = reading.Year;
    place.Month = reading.Month;
    place.Day = reading.Day;
    place.Hour = reading.Hour;
    place.Minute = reading.Minute;
    CalculationRecord rec = Prepared(place);
    ComputeTithi(rec);
    return static_cast<int>(rec.TithiIndex);
}

ClockReading MinuteBefore(const ClockReading& reading) {
    return ReadClock(CivilJulianDay(reading) - 60 * Second, ClockRounding::NearestMinute);
}

// New and full moons of January 2000 and January 2024 in Universal Time, from the published
// tables of the phases of the Moon (U.S. Naval Observatory). The theories agree to within a
// minute or two; the ends are read on the entered place's clock.
TEST(TithiSpan, BoundariesFallAtThePublishedPhases) {
    const struct {
        const char* What;
        MomentInputs Moment; // a moment in the tithi that the phase begins or ends
        bool PhaseEndsTheTithi;
        int Year, Day, Hour, Minute; // the phase in January, Universal Time
    } cases[] = {
        {"new moon ends Amavasya", {2000, 1, 6, 12, 0}, true, 2000, 6, 18, 14},
        {"full moon ends Purnima", {2000, 1, 21, 0, 0}, true, 2000, 21, 4, 40},
        {"new moon begins a tithi",
         {2024, 1, 11, 18, 30, 5, 30, 77, 0, true},
         false,
         2024,
         11,
         11,
         57},
        {"full moon begins a tithi", {2024, 1, 25, 15, 0, 5, 0, 74}, false, 2024, 25, 17, 54},
        {"the same, saving", WithDst({2024, 1, 25, 14, 0, 5, 0, 74}), false, 2024, 25, 17, 54},
    };
    for (const auto& c : cases) {
        const auto day = ComputeTithiDay(Prepared(c.Moment), false, SkyChoice{});
        ASSERT_TRUE(day.has_value()) << c.Moment;
        const double published =
            JulianDayOfDate(1, c.Day, c.Year) + (c.Hour + c.Minute / 60.0) / 24;
        const double civil = c.PhaseEndsTheTithi ? day->EndCivil : day->BeginCivil;
        EXPECT_NEAR((civil - day->ClockOffsetHours / 24 - published) * 1440, 0, 2)
            << c.What << " for " << c.Moment << " (minutes)";
    }
}

// Random moments and places over the whole range: every crossing is where the elongation
// changes its tithi, and the window's minutes agree with the tithi it shows.
TEST(TithiSpan, CrossingsSeparateTheTithisAndTheMinutesAgreeWithTheWindow) {
    std::mt19937 random(20240111);
    auto between = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    for (int n = 0; n < 400; ++n) {
        MomentInputs m{between(1901, 2050), between(1, 12), between(1, 28), between(0, 23),
                       between(0, 59),      between(0, 13), between(0, 59), between(0, 179)};
        m.LonEast = between(0, 1) == 1;
        m.Dst = between(0, 3) == 0;
        // The report's driver and its own theories: the classical ephemeris.
        const Ephemeris& classical = ClassicalEphemeris();
        const auto day = ComputeTithiDay(Prepared(m), false, SkyChoice{EphemerisKind::Classical});
        ASSERT_TRUE(day.has_value()) << m;
        const int index = day->Span.Index, before = (index + 29) % 30, after = (index + 1) % 30;
        ASSERT_EQ(index, day->Moment.Tithi.Index) << m;
        EXPECT_LE(day->Span.BeginJde, day->Moment.JulianDayTT) << m;
        EXPECT_GT(day->Span.EndJde, day->Moment.JulianDayTT) << m;

        // One second either side of each crossing.
        EXPECT_EQ(TithiAt(day->Span.BeginJde - Second, classical).Index, before) << m;
        EXPECT_EQ(TithiAt(day->Span.BeginJde + Second, classical).Index, index) << m;
        EXPECT_EQ(TithiAt(day->Span.EndJde - Second, classical).Index, index) << m;
        EXPECT_EQ(TithiAt(day->Span.EndJde + Second, classical).Index, after) << m;

        // The window shows this tithi from the minute "Began" to the minute before "Ends".
        EXPECT_EQ(TithiEnteredAt(m, day->FirstMinute), index) << m;
        EXPECT_EQ(TithiEnteredAt(m, MinuteBefore(day->FirstMinute)), before) << m;
        EXPECT_EQ(TithiEnteredAt(m, MinuteBefore(day->EndMinute)), index) << m;
        EXPECT_EQ(TithiEnteredAt(m, day->EndMinute), after) << m;
    }
}

TEST(TithisBeginningBetween, AYearIsAnUnbrokenRunOfTithis) {
    const double from = JulianDayOfDate(1, 1, 2024), to = JulianDayOfDate(1, 1, 2025);
    const std::vector<TithiSpan> spans = TithisBeginningBetween(from, to, SkyChoice{});
    // 366 days of a synodic month of 29.530589 days in thirty tithis.
    ASSERT_NEAR(static_cast<double>(spans.size()), 366 / 29.530589 * 30, 1.5);
    EXPECT_GE(spans.front().BeginJde, from);
    EXPECT_EQ(spans.front().Index, (TithiAt(from).Index + 1) % 30);
    EXPECT_LT(spans.back().BeginJde, to);
    EXPECT_GE(spans.back().EndJde, to);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        // Each begins where the elongation enters its tithi, and ends where the next begins.
        EXPECT_EQ(TithiAt(spans[k].BeginJde - Second).Index, (spans[k].Index + 29) % 30) << k;
        EXPECT_EQ(TithiAt(spans[k].BeginJde + Second).Index, spans[k].Index) << k;
        if (k > 0) {
            EXPECT_EQ(spans[k].Index, (spans[k - 1].Index + 1) % 30) << "span " << k;
        }
    }
    ExpectSpansMeet(spans, "tithi");
    // None in an empty or reversed range; half an hour holds at most one beginning.
    EXPECT_TRUE(TithisBeginningBetween(from, from, SkyChoice{}).empty());
    EXPECT_TRUE(TithisBeginningBetween(from + 1, from, SkyChoice{}).empty());
    EXPECT_TRUE(TithisBeginningBetween(std::nan(""), from, SkyChoice{}).empty());
    EXPECT_LE(TithisBeginningBetween(from, from + 1.0 / 48, SkyChoice{}).size(), 1u);
}

// Delta T is a function of Universal Time; the way back from Terrestrial Time must land on the
// instant that goes forward to it, also where the decade table gives way to the formula of 2010.
TEST(UniversalOfTerrestrial, GoesBackToTheInstantThatLeadsForward) {
    const double y2010 = JulianDayOfDate(1, 1, 2010);
    for (const double jde : {JulianDayOfDate(1, 1, 1901), y2010 - 1e-4, y2010 + 1e-4,
                             y2010 + 80 * Second, JulianDayOfDate(12, 31, 2050) + 0.99})
        EXPECT_NEAR(TerrestrialOfUniversal(UniversalOfTerrestrial(jde)), jde, 1e-3 * Second)
            << "JDE " << jde;
}

TEST(ReadClock, ReadsTheDateAndTimeRoundedAsAsked) {
    const double jan1 = 2451544.5; // 2000-01-01 0h
    const struct {
        double CivilJd;
        ClockRounding Rounding;
        const char* Expected;
    } cases[] = {
        {jan1 + 30.4 * Second, ClockRounding::UpToSecond, "2000-01-01 00:00:31"},
        {jan1 + 30.4 * Second, ClockRounding::NearestSecond, "2000-01-01 00:00:30"},
        {jan1 + 30.4 * Second, ClockRounding::UpToMinute, "2000-01-01 00:01:00"},
        // The last second of a day carries into the next day, month and year.
        {jan1 - 0.4 * Second, ClockRounding::UpToSecond, "2000-01-01 00:00:00"},
        {jan1 - 0.6 * Second, ClockRounding::NearestSecond, "1999-12-31 23:59:59"},
        {std::nan(""), ClockRounding::UpToSecond, "0-00-00 00:00:00"},
    };
    for (const auto& c : cases) {
        const ClockReading r = ReadClock(c.CivilJd, c.Rounding);
        char text[64];
        std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", r.Year, r.Month, r.Day,
                      r.Hour, r.Minute, r.Second);
        EXPECT_EQ(std::string(text), c.Expected)
            << "JD " << std::fixed << c.CivilJd << " rounding " << static_cast<int>(c.Rounding);
    }
}

} // namespace
