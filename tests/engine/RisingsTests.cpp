// SPDX-License-Identifier: MIT
// Tests of the risings and settings: sunset and the Moon's rising and setting at places of both
// hemispheres and both sides of Greenwich against an independent high-precision computation,
// with the dates on which the Moon does not rise or set, or stays above or below the horizon.
#include "engine/day/Panchanga.h"
#include "engine/day/Risings.h"
#include "engine/time/TimeScales.h"
#include "support/DelhiDay.h"
#include "support/TestClocks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Site {
    const char* Name;
    double ClockOffset; // hours, east positive
    Place At;
};

const Site DelhiSite{"Delhi", 5.5, Delhi};
const Site NewYork{"New York", -5, {-74, 40 + 43 / 60.0}};
const Site LondonSummer{"London, summer time", 1, {-8 / 60.0, 51.5}};
const Site SydneySummer{"Sydney, summer time", 11, {151 + 13 / 60.0, -(33 + 52 / 60.0)}};
const Site Quito{"Quito", -5, {-(78 + 31 / 60.0), -13 / 60.0}};
const Site Tokyo{"Tokyo", 9, {139 + 41 / 60.0, 35 + 41 / 60.0}};
const Site CapeTown{"Cape Town", 2, {18 + 25 / 60.0, -(33 + 55 / 60.0)}};
const Site HelsinkiSummer{"Helsinki, summer time", 3, {24 + 56 / 60.0, 60 + 10 / 60.0}};
const Site Tromso{"Tromso", 1, {18.95, 69.65}};
const Site Nowhere{"no latitude", 0, {0, 91}};

// What an almanac prints for a crossing: the time on the place's clock ("17:42:32.58"), or
// "none" (not on this date), "above" or "below" (all date), "no latitude".
void ExpectCrossing(const HorizonCrossing& got, const std::string& want, const CivilDate& date,
                    const std::string& what) {
    using enum HorizonState;
    const HorizonState state = want == "none"          ? NotOnDate
                               : want == "above"       ? AboveAllDate
                               : want == "below"       ? BelowAllDate
                               : want == "no latitude" ? NoLatitude
                                                       : Crosses;
    const ClockReading r = ReadClock(got.At.Civil(), ClockRounding::NearestSecond);
    ASSERT_EQ(static_cast<int>(got.State), static_cast<int>(state))
        << what << ": want " << want << ", got state " << static_cast<int>(got.State) << " at "
        << r.Hour << ':' << r.Minute << ':' << r.Second
        << " (0 crosses, 1 above, 2 below, 3 not on the date, 4 no latitude)";
    if (state == Crosses) {
        int hour = 0, minute = 0;
        double second = 0;
        ASSERT_EQ(std::sscanf(want.c_str(), "%d:%d:%lf", &hour, &minute, &second), 3);
        const double reference = JulianDayOfDate(date.Month, date.Day, date.Year) +
                                 (hour * 3600 + minute * 60 + second) / 86400;
        // Within ten seconds: Kestrava comes within three of the reference; an almanac prints
        // minutes.
        EXPECT_NEAR((got.At.Civil() - reference) * 86400, 0, 10) << what << ", want " << want;
    }
}

// References: the Swiss Ephemeris 2.10 with its data files, from a separate program:
// swe_rise_trans_true_hor without its refraction model (SE_BIT_NO_REFRACTION) and a horizon
// 34' down, for the Moon's upper limb seen from the place (its default), and for the Sun's
// centre at -0 deg 50' (SE_BIT_DISC_CENTER); where it finds no crossing on the date, the
// topocentric altitude scanned every quarter of an hour.
TEST(Risings, SunsetMoonriseAndMoonsetAgreeWithAnIndependentEphemeris) {
    const struct {
        const Site& Where;
        CivilDate Date;
        const char* Sunset;
        const char* Moonrise;
        const char* Moonset;
    } cases[] = {
        // A new moon: the Moon rises and sets with the Sun.
        {DelhiSite, DelhiDay, "17:42:32.58", "07:13:16.79", "17:27:30.80"},
        // A full moon on either side of Greenwich.
        {DelhiSite, {2024, 1, 25}, "17:54:04.53", "17:29:59.91", "07:05:52.65"},
        {NewYork, {2024, 1, 25}, "17:04:30.64", "16:55:54.56", "07:33:45.35"},
        // Dates on which the Moon sets but does not rise (it rises just after the midnight that
        // closes the date), or rises but does not set.
        {LondonSummer, {2000, 6, 21}, "21:21:31.39", "none", "08:52:06.19"},
        {SydneySummer, {2024, 12, 21}, "20:05:35.93", "none", "11:10:03.16"},
        {DelhiSite, {2024, 1, 3}, "17:36:29.27", "none", "11:44:26.66"},
        {DelhiSite, {2024, 1, 17}, "17:47:25.12", "11:20:22.62", "none"},
        {Quito, {1950, 3, 20}, "18:24:56.24", "07:37:18.81", "19:56:26.28"},
        {Tokyo, {2050, 12, 31}, "16:37:35.65", "19:46:04.07", "08:31:03.63"},
        {CapeTown, {1901, 1, 1}, "20:00:58.69", "16:39:17.71", "02:16:35.60"},
        {HelsinkiSummer, {2024, 6, 21}, "22:50:06.91", "23:55:41.27", "02:02:57.38"},
        // Above the Arctic circle the Moon stays below the horizon for days, and above it a
        // fortnight later; at midsummer the Sun does not set, at midwinter the Moon still rises.
        {Tromso, {2024, 1, 10}, "below", "below", "below"},
        {Tromso, {2024, 1, 23}, "13:33:53.21", "above", "above"},
        {Tromso, {2024, 6, 21}, "above", "below", "below"},
        {Tromso, {2024, 12, 21}, "below", "22:04:12.38", "12:10:19.31"},
        {Nowhere, {2024, 1, 1}, "no latitude", "no latitude", "no latitude"},
    };
    for (const auto& c : cases) {
        const FixedOffsetClock clock(c.Where.ClockOffset);
        const std::string what = std::string(c.Where.Name) + ' ' + std::to_string(c.Date.Year) +
                                 '-' + std::to_string(c.Date.Month) + '-' +
                                 std::to_string(c.Date.Day);
        ExpectCrossing(SunsetOnDate(c.Date, c.Where.At, clock), c.Sunset, c.Date, what + " sunset");
        const MoonCrossings moon = MoonCrossingsOnDate(c.Date, c.Where.At, clock, SkyChoice{});
        ExpectCrossing(moon.Rise, c.Moonrise, c.Date, what + " moonrise");
        ExpectCrossing(moon.Set, c.Moonset, c.Date, what + " moonset");
    }
}

// A day runs from sunrise to sunrise: its sunset is the first after its sunrise, which near
// midsummer at Reykjavik comes after the next midnight; the date's own setting, just after its
// midnight, is the previous evening's. References: the Swiss Ephemeris 2.10 with its data files,
// swe_rise_trans_true_hor from the day's sunrise, no refraction model and a horizon 34' down,
// the Sun's upper limb, at 64:09N 21:57W; Reykjavik keeps UTC all year.
TEST(Risings, TheDaysSunsetIsTheFirstAfterItsSunrise) {
    const Place reykjavik{-(21 + 57 / 60.0), 64 + 9 / 60.0};
    const FixedOffsetClock utc(0);
    const struct {
        CivilDate Date;
        CivilDate SunsetDate;
        double SunsetSeconds; // after the midnight that opens SunsetDate
    } cases[] = {
        {{2024, 6, 14}, {2024, 6, 14}, 23 * 3600 + 59 * 60 + 27.7},
        {{2024, 6, 15}, {2024, 6, 16}, 38.6},
        {{2024, 6, 16}, {2024, 6, 17}, 60 + 39.2},
        {{2024, 6, 17}, {2024, 6, 18}, 2 * 60 + 29.3},
        {{2024, 6, 18}, {2024, 6, 19}, 3 * 60 + 8.5},
    };
    for (const auto& c : cases) {
        const double want =
            Jd(c.SunsetDate.Year, c.SunsetDate.Month, c.SunsetDate.Day) + c.SunsetSeconds / 86400;
        const std::string what = "Reykjavik 2024-06-" + std::to_string(c.Date.Day);
        const HorizonCrossing sunrise = SunriseCrossing(c.Date, reykjavik, utc);
        const HorizonCrossing sunset = SunsetOfDay(c.Date, sunrise, reykjavik, utc);
        ASSERT_EQ(sunset.State, HorizonState::Crosses) << what;
        EXPECT_GT(sunset.At.JulianDayUT, sunrise.At.JulianDayUT) << what;
        EXPECT_NEAR((sunset.At.Civil() - want) * 86400, 0, 20) << what;
        const PanchangaDay day = PanchangaOfDay(c.Date, reykjavik, utc, SkyChoice{});
        EXPECT_NEAR((day.Sunset.At.Civil() - want) * 86400, 0, 20) << what << ", the day";
        const PanchangaMoment noon = PanchangaOfMoment(
            Jd(c.Date.Year, c.Date.Month, c.Date.Day, 12), reykjavik, utc, SkyChoice{});
        EXPECT_NEAR((noon.Sunset.At.Civil() - want) * 86400, 0, 20) << what << ", a moment";
    }
    // Where the Sun neither rises nor sets, the date's own state stands.
    const Place tromso{18.95, 69.65};
    const FixedOffsetClock cet(1);
    const CivilDate midsummer{2024, 6, 21};
    EXPECT_EQ(SunsetOfDay(midsummer, SunriseCrossing(midsummer, tromso, cet), tromso, cet).State,
              HorizonState::AboveAllDate);
}

} // namespace
