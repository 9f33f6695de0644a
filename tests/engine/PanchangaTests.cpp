// SPDX-License-Identifier: MIT
// Tests of the panchanga of a day and of a moment: the nakshatra and yoga against an independent
// ephemeris, the first and last of them at the 360-degree wrap, the vara on either side of
// sunrise, a kshaya and a vriddhi tithi, the published adhika months with the era years, every
// crossing of a day against the limbs' own angles, a run of days against single days, and the
// moment's tithi against the driver's.
#include "engine/base/Angles.h"
#include "engine/day/Panchanga.h"
#include "engine/present/PanchangaNames.h"
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
constexpr double Millisecond = Second / 1000;

std::string DateText(const CivilDate& d) {
    return std::to_string(d.Year) + '-' + std::to_string(d.Month) + '-' + std::to_string(d.Day);
}

// A reading of a clock with hours, minutes and seconds, as a Julian day on that clock.
double OnClock(const CivilDate& date, int hour, int minute, double second) {
    return CivilJulianDayOfDate(date) + (hour * 3600 + minute * 60 + second) / 86400;
}

// The same from "2024-01-13 11:11:29.41".
double OnClock(const char* reading) {
    CivilDate date;
    int hour = 0, minute = 0;
    double second = 0;
    const int read = std::sscanf(reading, "%d-%d-%d %d:%d:%lf", &date.Year, &date.Month, &date.Day,
                                 &hour, &minute, &second);
    EXPECT_EQ(read, 6) << reading;
    return OnClock(date, hour, minute, second);
}

// References: the Swiss Ephemeris 2.10 with its data files, from a separate program: the Moon's
// and the Sun's apparent longitudes less the mean Lahiri ayanamsa and the nutation (its own),
// and the instants (TT) at which those angles cross a multiple of 13 deg 20', by a secant search.
// The theories come within 5" (Moon) and 14" (Sun) of it, that is within half a minute. The
// moments are given in Universal Time, which the engine turns into Terrestrial Time with its own
// Delta T: by 2050 that runs 44 s ahead of the ephemeris', time in which the Moon moves 24".
TEST(PanchangaOfMoment, NakshatraAndYogaAgreeWithAnIndependentEphemeris) {
    const struct {
        double JulianDayUT;
        double MoonSidereal, SunSidereal; // degrees
        int Nakshatra;
        double NakshatraBegins, NakshatraEnds; // Julian days, TT
        int Yoga;
        double YogaBegins, YogaEnds;
    } cases[] = {
        {2415385.80, 30.0707, 257.7362, 2, 2415385.558718, 2415386.505451, 21, 2415385.284188,
         2415386.165793},
        {2433283.10, 45.6198, 257.4584, 3, 2433282.642970, 2433283.721227, 22, 2433282.366171,
         2433283.368195},
        {2447892.60, 304.1748, 256.6858, 22, 2447891.786218, 2447892.786493, 15, 2447892.540919,
         2447893.461105},
        {2451545.00, 199.4705, 256.5157, 14, 2451543.943556, 2451545.044795, 7, 2451544.797548,
         2451545.823164},
        {2460320.75, 262.9117, 266.2958, 19, 2460320.091213, 2460321.007025, 12, 2460320.158757,
         2460321.014007},
        {2469808.20, 3.4813, 256.9020, 0, 2469807.939243, 2469808.949976, 19, 2469807.710017,
         2469808.642854},
    };
    for (const auto& c : cases) {
        const PanchangaMoment m = PanchangaOfMoment(c.JulianDayUT, Delhi, IndianTime, SkyChoice{});
        const std::string at = "at JD " + std::to_string(c.JulianDayUT);
        EXPECT_NEAR(m.MoonSidereal, c.MoonSidereal, 30.0 / 3600) << at;
        EXPECT_NEAR(m.SunSidereal, c.SunSidereal, 20.0 / 3600) << at;
        EXPECT_EQ(m.Nakshatra.Index, c.Nakshatra) << at;
        EXPECT_NEAR((m.Nakshatra.Begin.Jde - c.NakshatraBegins) / Second, 0, 60) << at;
        EXPECT_NEAR((m.Nakshatra.End.Jde - c.NakshatraEnds) / Second, 0, 60) << at;
        EXPECT_EQ(m.Yoga.Index, c.Yoga) << at;
        EXPECT_NEAR((m.Yoga.Begin.Jde - c.YogaBegins) / Second, 0, 60) << at;
        EXPECT_NEAR((m.Yoga.End.Jde - c.YogaEnds) / Second, 0, 60) << at;
    }
}

// The last nakshatra (Revati) and yoga (Vaidhriti) give way to the first (Ashvini, Vishkambha)
// where their angle passes 360 degrees; the references are the same ephemeris' crossings of 0.
TEST(PanchangaOfDay, TheLastNakshatraAndYogaGiveWayToTheFirstAtTheWrap) {
    const struct {
        CivilDate Date; // at Delhi: the wrap falls between that date's sunrise and the next
        Limb Which;
        double Wrap; // Julian day, TT
    } cases[] = {
        {{2024, 1, 17}, Limb::Nakshatra, 2460327.420071},
        {{2000, 1, 14}, Limb::Nakshatra, 2451558.078360},
        {{2024, 1, 24}, Limb::Yoga, 2460333.590599},
        {{1999, 12, 25}, Limb::Yoga, 2451538.166794},
    };
    for (const auto& c : cases) {
        const PanchangaDay day = PanchangaOfDay(c.Date, Delhi, IndianTime, SkyChoice{});
        const DayLimb& limb = c.Which == Limb::Nakshatra ? day.Nakshatra : day.Yoga;
        bool found = false;
        for (std::size_t k = 0; k + 1 < limb.Spans.size(); ++k) {
            if (limb.Spans[k].Index == 26 && limb.Spans[k + 1].Index == 0) {
                found = true;
                EXPECT_NEAR((limb.Spans[k].End.Jde - c.Wrap) / Second, 0, 60) << DateText(c.Date);
                EXPECT_EQ(limb.Spans[k].End.Jde, limb.Spans[k + 1].Begin.Jde);
            }
        }
        EXPECT_TRUE(found) << "no wrap on " << DateText(c.Date);
    }
}

// The vara runs from sunrise to sunrise: a moment before its date's sunrise belongs to the day
// before. The weekdays are the calendar's.
TEST(PanchangaOfMoment, AMomentBeforeSunriseTakesThePreviousVara) {
    const struct {
        const char* Where;
        Place At;
        double ClockOffset;
        CivilDate Date;
        int Hour, Minute;
        int Vara;
        bool BeforeSunrise;
    } cases[] = {
        {"Delhi, Thursday before sunrise", Delhi, 5.5, DelhiDay, 6, 0, 3, true},
        {"Delhi, Thursday after sunrise", Delhi, 5.5, DelhiDay, 8, 0, 4, false},
        {"Delhi, just after midnight", Delhi, 5.5, {2000, 1, 1}, 0, 30, 5, true},
        {"New York, Thursday before sunrise", {-74, 40.7}, -5, {2024, 1, 25}, 5, 0, 3, true},
        {"New York, Thursday noon", {-74, 40.7}, -5, {2024, 1, 25}, 12, 0, 4, false},
        // No sunrise in the polar night: the date's own weekday, a Saturday.
        {"Tromso, midwinter", {18.95, 69.65}, 1, {2024, 12, 21}, 12, 0, 6, false},
    };
    for (const auto& c : cases) {
        const FixedOffsetClock clock(c.ClockOffset);
        const double jd = OnClock(c.Date, c.Hour, c.Minute, 0) - c.ClockOffset / 24;
        const PanchangaMoment m = PanchangaOfMoment(jd, c.At, clock, SkyChoice{});
        EXPECT_EQ(m.Vara, c.Vara) << c.Where << ": " << VaraName(m.Vara);
        EXPECT_EQ(m.BeforeSunrise, c.BeforeSunrise) << c.Where;
        EXPECT_EQ(m.Date.Day, c.Date.Day) << c.Where;
    }
    EXPECT_EQ(PanchangaOfDay({2000, 1, 1}, Delhi, IndianTime, SkyChoice{}).Vara, 6); // a Saturday
}

// A tithi that begins after one sunrise and ends before the next (kshaya) names no day, and one
// that holds two sunrises (vriddhi) names two. References: the same ephemeris' sunrises (the
// Sun's centre at -0 deg 50') and crossings of the elongation, on Indian Standard Time. After
// 2010 the engine's Delta T runs some 20 s ahead of the ephemeris', so that its times come
// about that much early.
TEST(PanchangaOfDay, KshayaAndVriddhiTithis) {
    struct Span {
        int Index;
        const char* Begins; // Indian Standard Time
        const char* Ends;
        bool Kshaya;
    };
    const struct {
        CivilDate Date;
        bool Vriddhi;
        std::vector<Span> Spans;
    } cases[] = {
        // Shukla Chaturthi begins after the sunrise of 07:15 and ends before the next.
        {{2024, 1, 14},
         false,
         {{2, "2024-01-13 11:11:29.41", "2024-01-14 08:00:22.73", false},
          {3, "2024-01-14 08:00:22.73", "2024-01-15 04:59:41.88", true},
          {4, "2024-01-15 04:59:41.88", "2024-01-16 02:17:06.08", false}}},
        // Krishna Chaturthi holds the sunrises of 07:11 and 07:10.
        {{2024, 1, 29}, true, {{18, "2024-01-29 06:11:16.34", "2024-01-30 08:54:37.49", false}}},
    };
    for (const auto& c : cases) {
        const PanchangaDay day = PanchangaOfDay(c.Date, Delhi, IndianTime, SkyChoice{});
        EXPECT_EQ(day.Tithi.Vriddhi, c.Vriddhi) << DateText(c.Date);
        ASSERT_EQ(day.Tithi.Spans.size(), c.Spans.size()) << DateText(c.Date);
        for (std::size_t k = 0; k < c.Spans.size(); ++k) {
            const Span& want = c.Spans[k];
            const DaySpan& got = day.Tithi.Spans[k];
            const std::string what = DateText(c.Date) + " span " + std::to_string(k);
            EXPECT_EQ(got.Index, want.Index) << what;
            EXPECT_EQ(got.Kshaya, want.Kshaya) << what;
            EXPECT_NEAR((got.Begin.Civil() - OnClock(want.Begins)) / Second, 0, 60) << what;
            EXPECT_NEAR((got.End.Civil() - OnClock(want.Ends)) / Second, 0, 60) << what;
        }
    }
}

// The adhika months of the published calendars (Jyeshtha 2018, Ashvin 2020, Shravana 2023,
// Jyeshtha 2026), each beside the nija month of the same name; the purnimanta month, which names
// the dark fortnight for the month to come (Shravana begins on 4 July 2023 in the North; the
// Janmashtami of 6 September 2023 is Bhadrapada Krishna Ashtami there, Shravana Krishna Ashtami
// in the amanta reckoning); and the era years, which turn at the new moon of Chaitra (Vikram
// 2081 and Shaka 1946 begin on 9 April 2024).
TEST(PanchangaOfDay, PublishedAdhikaMonthsAndEraYears) {
    enum Masa {
        Chaitra,
        Vaishakha,
        Jyeshtha,
        Ashadha,
        Shravana,
        Bhadrapada,
        Ashvin,
        Phalguna = 11
    };
    const struct {
        CivilDate Date;
        int Amanta;
        bool Adhika;
        int Purnimanta;
        bool PurnimantaAdhika;
        int Vikram, Shaka;
    } cases[] = {
        {{2018, 6, 1}, Jyeshtha, true, Jyeshtha, true, 2075, 1940},
        {{2018, 6, 20}, Jyeshtha, false, Jyeshtha, false, 2075, 1940},
        {{2020, 10, 1}, Ashvin, true, Ashvin, true, 2077, 1942},
        {{2020, 10, 25}, Ashvin, false, Ashvin, false, 2077, 1942},
        {{2023, 7, 10}, Ashadha, false, Shravana, false, 2080, 1945},
        {{2023, 8, 5}, Shravana, true, Shravana, true, 2080, 1945},
        {{2023, 9, 6}, Shravana, false, Bhadrapada, false, 2080, 1945},
        {{2026, 6, 1}, Jyeshtha, true, Jyeshtha, true, 2083, 1948},
        {{2026, 6, 20}, Jyeshtha, false, Jyeshtha, false, 2083, 1948},
        {{2024, 4, 8}, Phalguna, false, Chaitra, false, 2080, 1945},
        {{2024, 4, 9}, Chaitra, false, Chaitra, false, 2081, 1946},
    };
    for (const auto& c : cases) {
        const MonthAndYears month = PanchangaOfDay(c.Date, Delhi, IndianTime, SkyChoice{}).Month;
        const std::string what = DateText(c.Date) + ": " +
                                 std::string(month.Amanta.Adhika ? "adhika " : "") +
                                 std::string(MasaName(month.Amanta.Index));
        EXPECT_EQ(month.Amanta.Index, c.Amanta) << what;
        EXPECT_EQ(month.Amanta.Adhika, c.Adhika) << what;
        EXPECT_EQ(month.Amanta.KshayaIndex, -1) << what;
        EXPECT_EQ(month.Purnimanta.Index, c.Purnimanta) << what;
        EXPECT_EQ(month.Purnimanta.Adhika, c.PurnimantaAdhika) << what;
        EXPECT_EQ(month.Vikram, c.Vikram) << what;
        EXPECT_EQ(month.Shaka, c.Shaka) << what;
    }
}

// Every begin and end of a day separates two spans of the limb's own angle within a millisecond,
// the first span holds the sunrise and the last the next sunrise, at places and dates across
// the range (a clock far from the place's time, a southern place, the first and last dates).
TEST(PanchangaOfDay, EveryCrossingSeparatesTwoSpansWithinAMillisecond) {
    const struct {
        CivilDate Date;
        Place At;
        double ClockOffset;
    } cases[] = {
        {{1901, 1, 1}, Delhi, 5.5},           {{1957, 8, 15}, {-74, 40.7}, -5},
        {{2009, 12, 31}, {151.2, -33.9}, 11}, {{2024, 1, 14}, Delhi, 5.5},
        {{2024, 6, 21}, {0, 51.5}, 1},        {{2050, 12, 31}, {-171.75, -13.8}, 13},
    };
    for (const auto& c : cases) {
        const PanchangaDay day =
            PanchangaOfDay(c.Date, c.At, FixedOffsetClock(c.ClockOffset), SkyChoice{});
        const std::pair<Limb, const DayLimb*> limbs[] = {{Limb::Tithi, &day.Tithi},
                                                         {Limb::Karana, &day.Karana},
                                                         {Limb::Nakshatra, &day.Nakshatra},
                                                         {Limb::Yoga, &day.Yoga}};
        for (const auto& [limb, dayLimb] : limbs) {
            const std::string what = DateText(c.Date) + ' ' + std::string(DefinitionOf(limb).Name);
            ASSERT_FALSE(dayLimb->Spans.empty()) << what;
            EXPECT_LE(dayLimb->Spans.front().Begin.Jde, day.Begins.Jde) << what;
            EXPECT_GT(dayLimb->Spans.back().End.Jde, day.Ends.Jde) << what;
            for (const DaySpan& span : dayLimb->Spans) {
                EXPECT_EQ(LimbAt(limb, span.Begin.Jde + Millisecond, SkyChoice{}).Index, span.Index)
                    << what;
                EXPECT_EQ(LimbAt(limb, span.End.Jde - Millisecond, SkyChoice{}).Index, span.Index)
                    << what;
                EXPECT_NE(LimbAt(limb, span.End.Jde + Millisecond, SkyChoice{}).Index, span.Index)
                    << what;
            }
        }
    }
}

// A run of days gives what each day alone gives: sharing the sunrises and the lunations' signs
// changes nothing.
TEST(PanchangaOfDays, ARunGivesWhatEachDayGivesAlone) {
    const std::vector<PanchangaDay> run =
        PanchangaOfDays({2024, 1, 28}, {2024, 2, 3}, Delhi, IndianTime, SkyChoice{});
    ASSERT_EQ(run.size(), 7u);
    for (const PanchangaDay& day : run) {
        const PanchangaDay alone = PanchangaOfDay(day.Date, Delhi, IndianTime, SkyChoice{});
        const std::string what = DateText(day.Date);
        EXPECT_EQ(day.Begins.Jde, alone.Begins.Jde) << what;
        EXPECT_EQ(day.Ends.Jde, alone.Ends.Jde) << what;
        EXPECT_EQ(day.Moonrise.At.Jde, alone.Moonrise.At.Jde) << what;
        EXPECT_EQ(day.Tithi.AtSunrise().End.Jde, alone.Tithi.AtSunrise().End.Jde) << what;
        EXPECT_EQ(day.Yoga.Spans.size(), alone.Yoga.Spans.size()) << what;
        EXPECT_EQ(day.Month.Amanta.Index, alone.Month.Amanta.Index) << what;
    }
    EXPECT_TRUE(
        PanchangaOfDays({2024, 2, 3}, {2024, 1, 28}, Delhi, IndianTime, SkyChoice{}).empty());
}

// For an entered moment the panchanga's tithi and its begin and end are the driver's and the
// tithi day's, to the last bit; given the tithi day's span, it is the same panchanga. The karana
// is a half of that tithi: one of its ends is the tithi's own, the other its middle crossing.
TEST(PanchangaOfMoment, TheTithiIsTheDriversWithTheSameBeginAndEnd) {
    std::mt19937 random(11);
    auto between = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    for (int n = 0; n < 100; ++n) {
        MomentInputs m{between(1901, 2050), between(1, 12), between(1, 28), between(0, 23),
                       between(0, 59),      between(0, 13), between(0, 59), between(0, 179)};
        m.LonEast = between(0, 1) == 1;
        m.LatDeg = between(0, 60);
        const CalculationRecord rec = Prepared(m);
        // On the report's own theories the tithi is the driver's; on the modern ephemeris, the one
        // that ephemeris puts at the same instant of Universal Time.
        for (const Ephemeris* theories : {&ClassicalEphemeris(), &ModernEphemeris()}) {
            const std::optional<TithiDay> day =
                ComputeTithiDay(rec, false, SkyChoice{theories->Kind()});
            ASSERT_TRUE(day.has_value()) << m;
            const PanchangaMoment moment =
                PanchangaOfMoment(day->Moment.JulianDayUT, PlaceOfRecord(rec), ClockOfRecord(rec),
                                  SkyChoice{theories->Kind()});
            EXPECT_EQ(moment.Tithi.Index, day->Span.Index) << m;
            if (theories == &ClassicalEphemeris()) {
                EXPECT_EQ(moment.Tithi.Index, day->Moment.Tithi.Index) << m;
                EXPECT_EQ(moment.Moment.Jde, day->Moment.JulianDayTT) << m;
            } else {
                EXPECT_EQ(moment.Moment.Jde,
                          theories->TerrestrialOfUniversal(day->Moment.JulianDayUT))
                    << m;
            }
            EXPECT_EQ(moment.Tithi.Begin.Jde, day->Span.BeginJde) << m;
            EXPECT_EQ(moment.Tithi.End.Jde, day->Span.EndJde) << m;
            EXPECT_EQ(moment.Karana.Index, day->Karana) << m;

            const PanchangaMoment given =
                PanchangaOfMoment(day->Moment.JulianDayUT, day->Span, PlaceOfRecord(rec),
                                  ClockOfRecord(rec), SkyChoice{theories->Kind()});
            for (const auto& [a, b] : {std::pair{moment.Tithi, given.Tithi},
                                       {moment.Karana, given.Karana},
                                       {moment.Nakshatra, given.Nakshatra},
                                       {moment.Yoga, given.Yoga}}) {
                EXPECT_EQ(a.Index, b.Index) << m;
                EXPECT_EQ(a.Begin.Jde, b.Begin.Jde) << m;
                EXPECT_EQ(a.End.Jde, b.End.Jde) << m;
            }
            EXPECT_LE(moment.Karana.Begin.Jde, moment.Moment.Jde) << m;
            EXPECT_GT(moment.Karana.End.Jde, moment.Moment.Jde) << m;
            const bool firstHalf = moment.Karana.Index % 2 == 0;
            EXPECT_EQ(firstHalf ? moment.Karana.Begin.Jde : moment.Karana.End.Jde,
                      firstHalf ? day->Span.BeginJde : day->Span.EndJde)
                << m;
            const double middle = firstHalf ? moment.Karana.End.Jde : moment.Karana.Begin.Jde;
            EXPECT_NEAR(Normalize360(TithiAt(middle, *theories).Elongation -
                                     6.0 * (2 * day->Span.Index + 1) + 180),
                        180, 1e-5)
                << m;
        }
    }
}

// The ruling planets of the Vimshottari order: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter,
// Saturn, Mercury from Ashvini, three times round.
TEST(NakshatraLord, TheVimshottariOrder) {
    const struct {
        int Nakshatra;
        const char* Lord;
    } cases[] = {{0, "Ketu"},  {1, "Venus"}, {8, "Mercury"},  {9, "Ketu"},
                 {13, "Mars"}, {18, "Ketu"}, {26, "Mercury"}, {27, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(VimshottariLordName(NakshatraLord(c.Nakshatra)), c.Lord) << c.Nakshatra;
    }
}

} // namespace
