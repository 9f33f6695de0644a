// Tests of the begin and end of a tithi: published new and full moons, the elongation on either
// side of every reported crossing, the window's minutes, the almanac's run of tithis, and the
// way back from Terrestrial Time to the place's clock.
#include "ephemeris/Ephemeris.h"
#include "panchanga/TimeScales.h"
#include "panchanga/TithiDay.h"
#include "panchanga/TithiTimes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>

namespace {

constexpr double Second = 1.0 / 86400;

struct PlaceAndMoment {
    int Year, Month, Day, Hour, Minute;
    int ZoneHour, ZoneMinute, LonDeg;
    bool East, Dst;
};

std::ostream& operator<<(std::ostream& os, const PlaceAndMoment& m) {
    return os << m.Year << '-' << m.Month << '-' << m.Day << ' ' << m.Hour << ':' << m.Minute
              << " zone " << m.ZoneHour << ':' << m.ZoneMinute << ' ' << m.LonDeg
              << (m.East ? 'E' : 'W') << (m.Dst ? " DST" : "");
}

// The record as the form leaves it after PrepareMoment.
CalculationRecord Prepared(const PlaceAndMoment& m) {
    CalculationRecord rec;
    rec.BirthYear = static_cast<std::int16_t>(m.Year);
    rec.BirthMonth = static_cast<std::int16_t>(m.Month);
    rec.BirthDay = static_cast<std::int16_t>(m.Day);
    rec.BirthHour = static_cast<std::int16_t>(m.Hour);
    rec.BirthMinute = static_cast<std::int16_t>(m.Minute);
    rec.ZoneHour = static_cast<std::int16_t>(m.ZoneHour);
    rec.ZoneMinute = static_cast<std::int16_t>(m.ZoneMinute);
    rec.LonDeg = static_cast<std::int16_t>(m.LonDeg);
    rec.LonEast = ToFlag(m.East);
    rec.DstFlag = ToFlag(m.Dst);
    PrepareMoment(rec);
    return rec;
}

// The tithi the window shows when a reading of the clock is entered at the same place.
int TithiEnteredAt(PlaceAndMoment place, const ClockReading& reading) {
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

// New and full moons of January 2000 and January 2024, in Universal Time, from the published
// tables of the phases of the Moon (U.S. Naval Observatory). The theories agree to within a minute
// or two; the ends are read on the entered place's clock.
struct PhaseCase {
    const char* What;
    PlaceAndMoment Moment;  // a moment in the tithi that the phase begins or ends
    bool PhaseEndsTheTithi; // else it begins it
    int PublishedHourUT, PublishedMinuteUT;
    int PhaseYear, PhaseMonth, PhaseDay; // date of the phase in Universal Time
};

class PublishedPhaseTest : public testing::TestWithParam<PhaseCase> {};

TEST_P(PublishedPhaseTest, TithiBoundaryFallsAtThePublishedPhase) {
    const PhaseCase& c = GetParam();
    const CalculationRecord rec = Prepared(c.Moment);
    const auto day = ComputeTithiDay(rec, false);
    ASSERT_TRUE(day.has_value()) << c.Moment;
    const double published = JulianDayOfDate(c.PhaseMonth, c.PhaseDay, c.PhaseYear) +
                             (c.PublishedHourUT + c.PublishedMinuteUT / 60.0) / 24;
    const double civil = c.PhaseEndsTheTithi ? day->EndCivil : day->BeginCivil;
    const double universal = civil - day->ClockOffsetHours / 24;
    EXPECT_NEAR((universal - published) * 1440, 0, 2)
        << c.What << " for " << c.Moment << ": found JD " << universal << " UT, published JD "
        << published << " (minutes)";
}

INSTANTIATE_TEST_SUITE_P(January2000And2024, PublishedPhaseTest,
                         testing::Values(PhaseCase{"new moon ends Amavasya",
                                                   {2000, 1, 6, 12, 0, 0, 0, 0, false, false},
                                                   true,
                                                   18,
                                                   14,
                                                   2000,
                                                   1,
                                                   6},
                                         PhaseCase{"full moon ends Purnima",
                                                   {2000, 1, 21, 0, 0, 0, 0, 0, false, false},
                                                   true,
                                                   4,
                                                   40,
                                                   2000,
                                                   1,
                                                   21},
                                         PhaseCase{"new moon begins Shukla Pratipada, east",
                                                   {2024, 1, 11, 18, 30, 5, 30, 77, true, false},
                                                   false,
                                                   11,
                                                   57,
                                                   2024,
                                                   1,
                                                   11},
                                         PhaseCase{"full moon begins Krishna Pratipada, west",
                                                   {2024, 1, 25, 15, 0, 5, 0, 74, false, false},
                                                   false,
                                                   17,
                                                   54,
                                                   2024,
                                                   1,
                                                   25},
                                         PhaseCase{"the same full moon with daylight saving",
                                                   {2024, 1, 25, 14, 0, 5, 0, 74, false, true},
                                                   false,
                                                   17,
                                                   54,
                                                   2024,
                                                   1,
                                                   25}));

// Random moments and places over the whole range: every crossing is where the elongation
// changes its tithi, and the window's minutes agree with the tithi it shows.
TEST(TithiSpanTest, CrossingsSeparateTheTithisAndTheMinutesAgreeWithTheWindow) {
    std::mt19937 random(20240111);
    auto between = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    for (int n = 0; n < 400; ++n) {
        const PlaceAndMoment m{between(1901, 2050), between(1, 12),  between(1, 28),
                               between(0, 23),      between(0, 59),  between(0, 13),
                               between(0, 59),      between(0, 179), between(0, 1) == 1,
                               between(0, 3) == 0};
        const CalculationRecord rec = Prepared(m);
        const auto day = ComputeTithiDay(rec, false);
        ASSERT_TRUE(day.has_value()) << m;
        const int index = day->Span.Index;
        const int before = (index + 29) % 30;
        const int after = (index + 1) % 30;
        ASSERT_EQ(index, day->Moment.Tithi.Index) << m;

        EXPECT_LE(day->Span.BeginJde, day->Moment.JulianDayTT) << m;
        EXPECT_GT(day->Span.EndJde, day->Moment.JulianDayTT) << m;
        // A tithi lasts from about 19 to 27 hours.
        EXPECT_NEAR(day->Span.EndJde - day->Span.BeginJde, 0.96, 0.2) << m;

        // One second either side of each crossing.
        EXPECT_EQ(TithiAt(day->Span.BeginJde - Second).Index, before) << m;
        EXPECT_EQ(TithiAt(day->Span.BeginJde + Second).Index, index) << m;
        EXPECT_EQ(TithiAt(day->Span.EndJde - Second).Index, index) << m;
        EXPECT_EQ(TithiAt(day->Span.EndJde + Second).Index, after) << m;

        // The window shows this tithi from the minute "Began" to the minute before "Ends".
        EXPECT_EQ(TithiEnteredAt(m, day->FirstMinute), index) << m;
        EXPECT_EQ(TithiEnteredAt(m, MinuteBefore(day->FirstMinute)), before) << m;
        EXPECT_EQ(TithiEnteredAt(m, MinuteBefore(day->EndMinute)), index) << m;
        EXPECT_EQ(TithiEnteredAt(m, day->EndMinute), after) << m;
    }
}

TEST(TithiSpanTest, AMomentWithoutATithiHasNoSpan) {
    TithiMoment m;
    m.Tithi.Index = -1;
    EXPECT_FALSE(FindTithiSpan(m).has_value());

    CalculationRecord rec = Prepared({2024, 1, 11, 17, 0, 5, 30, 77, true, false});
    rec.LocalHours = std::nan("");
    EXPECT_FALSE(ComputeTithiDay(rec).has_value());
}

TEST(TithisBeginningBetweenTest, AYearIsAnUnbrokenRunOfTithis) {
    const double from = JulianDayOfDate(1, 1, 2024);
    const double to = JulianDayOfDate(1, 1, 2025);
    const std::vector<TithiSpan> spans = TithisBeginningBetween(from, to);
    // 366 days of a synodic month of 29.530589 days in thirty tithis.
    ASSERT_NEAR(static_cast<double>(spans.size()), 366 / 29.530589 * 30, 1.5);
    EXPECT_GE(spans.front().BeginJde, from);
    EXPECT_LT(spans.back().BeginJde, to);
    EXPECT_GE(spans.back().EndJde, to);
    EXPECT_LT(TithiAt(from).Index, 30);
    EXPECT_EQ(spans.front().Index, (TithiAt(from).Index + 1) % 30);
    for (std::size_t k = 1; k < spans.size(); ++k) {
        EXPECT_EQ(spans[k].BeginJde, spans[k - 1].EndJde) << "span " << k;
        EXPECT_EQ(spans[k].Index, (spans[k - 1].Index + 1) % 30) << "span " << k;
    }
    // Each agrees with the search from a moment inside it.
    for (std::size_t k = 0; k < spans.size(); k += 37) {
        TithiMoment inside;
        inside.JulianDayTT = (spans[k].BeginJde + spans[k].EndJde) / 2;
        inside.Tithi = TithiAt(inside.JulianDayTT);
        const auto span = FindTithiSpan(inside);
        ASSERT_TRUE(span.has_value());
        EXPECT_EQ(span->Index, spans[k].Index);
        EXPECT_NEAR(span->BeginJde, spans[k].BeginJde, 1e-7) << "span " << k;
        EXPECT_NEAR(span->EndJde, spans[k].EndJde, 1e-7) << "span " << k;
    }
}

TEST(TithisBeginningBetweenTest, AnEmptyOrReversedRangeHasNone) {
    const double jd = JulianDayOfDate(1, 1, 2024);
    EXPECT_TRUE(TithisBeginningBetween(jd, jd).empty());
    EXPECT_TRUE(TithisBeginningBetween(jd + 1, jd).empty());
    EXPECT_TRUE(TithisBeginningBetween(std::nan(""), jd).empty());
    // Half an hour holds at most one beginning.
    EXPECT_LE(TithisBeginningBetween(jd, jd + 1.0 / 48).size(), 1u);
}

// Delta T is a function of Universal Time; the way back from Terrestrial Time must land on the
// instant that goes forward to it, also where the decade table gives way to the formula of 2010.
TEST(UniversalOfTerrestrialTest, GoesBackToTheInstantThatLeadsForward) {
    const double instants[] = {
        JulianDayOfDate(1, 1, 1901),
        JulianDayOfDate(7, 1, 1955) + 0.3,
        JulianDayOfDate(1, 1, 2010) - 1e-4,
        JulianDayOfDate(1, 1, 2010) + 1e-4,
        JulianDayOfDate(1, 1, 2010) + 80 * Second,
        JulianDayOfDate(3, 1, 2024) - 1e-9,
        JulianDayOfDate(12, 31, 2050) + 0.99,
    };
    for (const double jde : instants) {
        const double jd = UniversalOfTerrestrial(jde);
        EXPECT_NEAR(TerrestrialOfUniversal(jd), jde, 1e-3 * Second) << "JDE " << jde;
        EXPECT_NEAR((jde - jd) * 86400, DeltaT(jd) * 3600, 1e-3) << "JDE " << jde;
    }
}

struct ClockCase {
    double CivilJd;
    ClockRounding Rounding;
    ClockReading Expected;
};

TEST(ReadClockTest, ReadsTheDateAndTimeRoundedAsAsked) {
    const double jan1 = 2451544.5; // 2000-01-01 0h
    const ClockCase cases[] = {
        {2451545.0, ClockRounding::UpToSecond, {2000, 1, 1, 12, 0, 0}},
        {jan1 + 30.4 * Second, ClockRounding::UpToSecond, {2000, 1, 1, 0, 0, 31}},
        {jan1 + 30.4 * Second, ClockRounding::NearestSecond, {2000, 1, 1, 0, 0, 30}},
        {jan1 + 30.4 * Second, ClockRounding::UpToMinute, {2000, 1, 1, 0, 1, 0}},
        {jan1 + 29.6 * Second, ClockRounding::NearestMinute, {2000, 1, 1, 0, 0, 0}},
        // The last second of a day carries into the next day, month and year.
        {jan1 - 0.4 * Second, ClockRounding::UpToSecond, {2000, 1, 1, 0, 0, 0}},
        {jan1 - 0.6 * Second, ClockRounding::NearestSecond, {1999, 12, 31, 23, 59, 59}},
        {jan1 - 20 * Second, ClockRounding::UpToMinute, {2000, 1, 1, 0, 0, 0}},
        {2460369.5 + 0.75, ClockRounding::NearestSecond, {2024, 2, 29, 18, 0, 0}},
        {std::nan(""), ClockRounding::UpToSecond, {0, 0, 0, 0, 0, 0}},
    };
    for (const ClockCase& c : cases) {
        const ClockReading r = ReadClock(c.CivilJd, c.Rounding);
        const ClockReading& e = c.Expected;
        EXPECT_TRUE(r.Year == e.Year && r.Month == e.Month && r.Day == e.Day && r.Hour == e.Hour &&
                    r.Minute == e.Minute && r.Second == e.Second)
            << "JD " << std::fixed << c.CivilJd << " rounding " << static_cast<int>(c.Rounding)
            << ": read " << r.Year << '-' << r.Month << '-' << r.Day << ' ' << r.Hour << ':'
            << r.Minute << ':' << r.Second << ", expected " << e.Year << '-' << e.Month << '-'
            << e.Day << ' ' << e.Hour << ':' << e.Minute << ':' << e.Second;
    }
}

} // namespace
