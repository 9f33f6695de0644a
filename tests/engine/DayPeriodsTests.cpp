// SPDX-License-Identifier: MIT
// Tests of the periods of a day: the weekday's eighths, muhurtas, choghadiyas and horas against
// the almanacs' rules applied by hand to a given sunrise and sunset, amrit kalam and varjyam
// against the ghati tables applied by hand, the two ways of finding a date's periods against each
// other, and the polar day, which has none.
#include "engine/day/DayPeriods.h"
#include "engine/day/Panchanga.h"
#include "support/DelhiDay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Millisecond = Second / 1000;

// A midnight of Universal Time; the day's instants are given as "hh:mm:ss.sss" after it, with
// "+1 " for the next day.
constexpr double Midnight = 2460000.5;

double At(const char* text) {
    int day = 0, hour = 0, minute = 0;
    double second = 0;
    if (std::sscanf(text, "+%d %d:%d:%lf", &day, &hour, &minute, &second) != 4) {
        day = 0;
        EXPECT_EQ(std::sscanf(text, "%d:%d:%lf", &hour, &minute, &second), 3) << text;
    }
    return Midnight + day + (hour * 3600 + minute * 60 + second) * Second;
}

// The day of all the hand computations below: sunrise 06:47:12, sunset 17:31:36, next sunrise
// 06:48:00. The daytime is 38,664 s (an eighth 4,833 s, a muhurta 2,577.6 s), the night 47,784 s
// (a muhurta 3,185.6 s).
const double Sunrise = At("06:47:12"), Sunset = At("17:31:36"), NextSunrise = At("+1 06:48:00");

void ExpectSpan(const TimeSpan& span, const char* begins, const char* ends,
                const std::string& what) {
    EXPECT_NEAR(span.Begins, At(begins), Millisecond) << what << " begins, expected " << begins;
    EXPECT_NEAR(span.Ends, At(ends), Millisecond) << what << " ends, expected " << ends;
}

// Rahu kalam, yamaganda and gulika kalam are the weekday's eighth of the daytime: rahu the 8th,
// 2nd, 7th, 5th, 6th, 4th and 3rd from Sunday to Saturday, yamaganda the 5th, 4th, 3rd, 2nd,
// 1st, 7th, 6th, gulika the 7th down to the 1st. The durmuhurtas are the 14th muhurta on
// Sunday, the 9th and 12th on Monday, the 4th and the night's 7th on Tuesday, the 8th on
// Wednesday, the 6th and 12th on Thursday, the 4th and 9th on Friday, the 1st and 2nd on
// Saturday (the tables printed by the almanacs; each instant below is that rule applied by hand
// to the day above).
TEST(DayPeriods, EighthsAndDurmuhurtasFollowTheWeekday) {
    const struct {
        int vara;
        const char *rahu[2], *yamaganda[2], *gulika[2];
        const char* durmuhurtas[2][2]; // the second empty where there is one
    } cases[] = {
        {0,
         {"16:11:03", "17:31:36"},
         {"12:09:24", "13:29:57"},
         {"14:50:30", "16:11:03"},
         {{"16:05:40.8", "16:48:38.4"}, {}}},
        {1,
         {"08:07:45", "09:28:18"},
         {"10:48:51", "12:09:24"},
         {"13:29:57", "14:50:30"},
         {{"12:30:52.8", "13:13:50.4"}, {"14:39:45.6", "15:22:43.2"}}},
        {2,
         {"14:50:30", "16:11:03"},
         {"09:28:18", "10:48:51"},
         {"12:09:24", "13:29:57"},
         {{"08:56:04.8", "09:39:02.4"}, {"22:50:09.6", "23:43:15.2"}}},
        {3,
         {"12:09:24", "13:29:57"},
         {"08:07:45", "09:28:18"},
         {"10:48:51", "12:09:24"},
         {{"11:47:55.2", "12:30:52.8"}, {}}},
        {4,
         {"13:29:57", "14:50:30"},
         {"06:47:12", "08:07:45"},
         {"09:28:18", "10:48:51"},
         {{"10:22:00.0", "11:04:57.6"}, {"14:39:45.6", "15:22:43.2"}}},
        {5,
         {"10:48:51", "12:09:24"},
         {"14:50:30", "16:11:03"},
         {"08:07:45", "09:28:18"},
         {{"08:56:04.8", "09:39:02.4"}, {"12:30:52.8", "13:13:50.4"}}},
        {6,
         {"09:28:18", "10:48:51"},
         {"13:29:57", "14:50:30"},
         {"06:47:12", "08:07:45"},
         {{"06:47:12.0", "07:30:09.6"}, {"07:30:09.6", "08:13:07.2"}}},
    };
    for (const auto& c : cases) {
        const DayPeriods p = PeriodsOfDay(Sunrise, Sunset, NextSunrise, c.vara);
        const std::string day = "vara " + std::to_string(c.vara) + ": ";
        ExpectSpan(p.RahuKalam, c.rahu[0], c.rahu[1], day + "rahu kalam");
        ExpectSpan(p.Yamaganda, c.yamaganda[0], c.yamaganda[1], day + "yamaganda");
        ExpectSpan(p.GulikaKalam, c.gulika[0], c.gulika[1], day + "gulika kalam");
        const std::size_t count = c.durmuhurtas[1][0] ? 2 : 1;
        ASSERT_EQ(p.Durmuhurtas.size(), count) << day;
        for (std::size_t k = 0; k < count; ++k)
            ExpectSpan(p.Durmuhurtas[k], c.durmuhurtas[k][0], c.durmuhurtas[k][1],
                       day + "durmuhurta " + std::to_string(k + 1));
        EXPECT_EQ(p.AbhijitLeftOut, c.vara == 3) << day << "abhijit is left out on Wednesdays";
    }
}

// The muhurtas that do not depend on the weekday: abhijit the 8th of the daytime's 15, brahma
// muhurta the 14th of the night's (two night muhurtas to one before sunrise), nishita the
// night's 8th, pradosha the night's first three, godhuli half a ghati either side of sunset
// (a 60th of the daytime before, of the night after).
TEST(DayPeriods, MuhurtasOfTheDaytimeAndTheNight) {
    for (int vara = 0; vara < 7; ++vara) {
        const DayPeriods p = PeriodsOfDay(Sunrise, Sunset, NextSunrise, vara);
        const std::string day = "vara " + std::to_string(vara) + ": ";
        ExpectSpan(p.Abhijit, "11:47:55.2", "12:30:52.8", day + "abhijit");
        ExpectSpan(p.BrahmaMuhurta, "+1 05:01:48.8", "+1 05:54:54.4", day + "brahma muhurta");
        ExpectSpan(p.Nishita, "23:43:15.2", "+1 00:36:20.8", day + "nishita");
        ExpectSpan(p.Pradosha, "17:31:36", "20:10:52.8", day + "pradosha");
        ExpectSpan(p.Godhuli, "17:20:51.6", "17:44:52.4", day + "godhuli");
    }
}

// The choghadiyas of each weekday as the charts print them (day, then night), and the times of
// the daytime's 6th and the night's 2nd by hand: eighths of the daytime and of the night.
TEST(DayPeriods, ChoghadiyasInTheChartsOrder) {
    const char* const charts[7][16] = {
        {"Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", //
         "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh"},
        {"Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit", //
         "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char"},
        {"Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog", //
         "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal"},
        {"Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", //
         "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg"},
        {"Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", //
         "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit"},
        {"Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", //
         "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog"},
        {"Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal", //
         "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh"},
    };
    const std::map<std::string, PeriodQuality> quality = {
        {"Amrit", PeriodQuality::Good}, {"Shubh", PeriodQuality::Good},
        {"Labh", PeriodQuality::Good},  {"Char", PeriodQuality::Neutral},
        {"Rog", PeriodQuality::Bad},    {"Kaal", PeriodQuality::Bad},
        {"Udveg", PeriodQuality::Bad},
    };
    for (int vara = 0; vara < 7; ++vara) {
        const DayPeriods p = PeriodsOfDay(Sunrise, Sunset, NextSunrise, vara);
        for (int k = 0; k < 16; ++k) {
            const int kind = p.Choghadiyas[k].Kind;
            EXPECT_EQ(ChoghadiyaName(kind), charts[vara][k]) << "vara " << vara << ", " << k + 1;
            EXPECT_EQ(ChoghadiyaQuality(kind), quality.at(charts[vara][k])) << charts[vara][k];
        }
        ExpectSpan(p.Choghadiyas[5].Span, "13:29:57", "14:50:30", "the daytime's 6th");
        ExpectSpan(p.Choghadiyas[9].Span, "19:11:09", "20:50:42", "the night's 2nd");
        // The parts follow one another without a gap, the night's first from the sunset itself.
        const auto begins = [](const auto& part) { return part.Span.Begins; };
        const auto ends = [](const auto& part) { return part.Span.Ends; };
        ExpectSpansMeet(p.Choghadiyas, begins, ends, "choghadiya");
        ExpectSpansMeet(p.Horas, begins, ends, "hora");
        EXPECT_EQ(p.Choghadiyas[0].Span.Begins, Sunrise);
        EXPECT_EQ(p.Choghadiyas[7].Span.Ends, Sunset);
        EXPECT_EQ(p.Choghadiyas[15].Span.Ends, NextSunrise);
    }
}

// The horas: the first of the day is the weekday's lord, and each next the next in the Chaldean
// order (Saturn, Jupiter, Mars, the Sun, Venus, Mercury, the Moon), so that the 25th would be
// the next weekday's lord. A Sunday's 24 written out; the daytime's 3rd and the night's 5th by
// hand (twelfths of the daytime and of the night).
TEST(DayPeriods, HorasInTheChaldeanOrder) {
    const char* const sunday[24] = {
        "Sun",     "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",
        "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",
        "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",     "Venus", "Mercury",
    };
    const DayPeriods p = PeriodsOfDay(Sunrise, Sunset, NextSunrise, 0);
    for (int k = 0; k < 24; ++k)
        EXPECT_EQ(WeekdayLordName(p.Horas[k].Lord), sunday[k]) << "hora " << k + 1;
    ExpectSpan(p.Horas[2].Span, "08:34:36", "09:28:18", "the daytime's 3rd hora");
    ExpectSpan(p.Horas[16].Span, "21:57:04", "23:03:26", "the night's 5th hora");
    const char* const lords[7] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    for (int vara = 0; vara < 7; ++vara) {
        const DayPeriods day = PeriodsOfDay(Sunrise, Sunset, NextSunrise, vara);
        EXPECT_EQ(WeekdayLordName(day.Horas[0].Lord), lords[vara]);
        // The lord that would follow the 24th opens the next weekday.
        EXPECT_EQ((day.Horas[23].Lord + 5) % 7, (vara + 1) % 7) << "vara " << vara;
    }
}

// Amrit kalam and varjyam: four ghatis from the table's ghati, a ghati being a 60th of the
// nakshatra. Ashvini over exactly a day (a ghati of 24 minutes): varjyam from the 50th ghati,
// 20 h after it begins; amrit from the 42nd, 16 h 48 min after. Mula, over the same length, has
// two varjyams (20th and 56th ghati) and its amrit at the 44th. Only those that overlap the
// stretch asked for come back.
TEST(DayPeriods, AmritKalamAndVarjyamFromTheGhatiTables) {
    const std::vector<NakshatraTime> ashvini = {{0, At("10:00:00"), At("+1 10:00:00")}};
    const TimeSpan wholeDay{At("00:00:00"), At("+2 00:00:00")};
    const std::vector<TimeSpan> varjyam = Varjyams(ashvini, wholeDay);
    ASSERT_EQ(varjyam.size(), 1u);
    ExpectSpan(varjyam[0], "+1 06:00:00", "+1 07:36:00", "Ashvini's varjyam");
    const std::vector<TimeSpan> amrit = AmritKalams(ashvini, wholeDay);
    ASSERT_EQ(amrit.size(), 1u);
    ExpectSpan(amrit[0], "+1 02:48:00", "+1 04:24:00", "Ashvini's amrit kalam");

    const std::vector<NakshatraTime> mula = {{18, At("00:00:00"), At("+1 00:00:00")}};
    const std::vector<TimeSpan> both = Varjyams(mula, wholeDay);
    ASSERT_EQ(both.size(), 2u);
    ExpectSpan(both[0], "08:00:00", "09:36:00", "Mula's first varjyam");
    ExpectSpan(both[1], "22:24:00", "+1 00:00:00", "Mula's second varjyam");
    const TimeSpan afternoon{At("12:00:00"), At("+1 12:00:00")};
    const std::vector<TimeSpan> late = Varjyams(mula, afternoon);
    ASSERT_EQ(late.size(), 1u);
    ExpectSpan(late[0], "22:24:00", "+1 00:00:00", "Mula's varjyam after noon");
    const std::vector<TimeSpan> mulaAmrit = AmritKalams(mula, afternoon);
    ASSERT_EQ(mulaAmrit.size(), 1u);
    ExpectSpan(mulaAmrit[0], "17:36:00", "19:12:00", "Mula's amrit kalam");
}

// A date's periods found from its panchanga and found alone agree, amrit kalam and varjyam
// included (they come from the nakshatras that each way finds for itself), for weeks at three
// places and on each choice of the sky; each lies within the day, and the rahu kalam is the
// weekday's eighth of the engine's own sunrise and sunset.
TEST(DayPeriods, AFoundDateAgreesWithItsPanchanga) {
    const FixedOffsetClock india(5.5), newYork(-5), london(0);
    const struct {
        Place where;
        const CivilClock* clock;
    } places[] = {{{77.2, 28.6}, &india}, {{-74.0, 40.7}, &newYork}, {{-0.13, 51.5}, &london}};
    const int rahu[7] = {8, 2, 7, 5, 6, 4, 3};
    // Each ephemeris and another ayanamsa too: both ways take the same choice, sunrise and all.
    const SkyChoice skies[] = {{EphemerisKind::Modern, AyanamsaKind::Lahiri},
                               {EphemerisKind::Classical, AyanamsaKind::Lahiri},
                               {EphemerisKind::Classical, AyanamsaKind::Raman}};
    for (const SkyChoice& sky : skies) {
        for (const auto& place : places) {
            for (const PanchangaDay& day :
                 PanchangaOfDays({2025, 3, 1}, {2025, 3, 14}, place.where, *place.clock, sky)) {
                const DayPeriodsOfDate fromDay = PeriodsOfPanchangaDay(day);
                const DayPeriodsOfDate alone =
                    PeriodsOfDate(day.Date, place.where, *place.clock, sky);
                const std::string at = std::to_string(day.Date.Day) + " March at " +
                                       std::to_string(place.where.Longitude) + " on the " +
                                       std::string(EphemerisName(sky.Ephemeris)) + " ephemeris, " +
                                       std::string(AyanamsaName(sky.Ayanamsa));
                ASSERT_TRUE(fromDay.Defined && alone.Defined) << at;
                EXPECT_NEAR(fromDay.Periods.RahuKalam.Begins, alone.Periods.RahuKalam.Begins,
                            Millisecond)
                    << at;
                const double eighth = (day.Sunset.At.JulianDayUT - day.Sunrise.At.JulianDayUT) / 8;
                EXPECT_NEAR(alone.Periods.RahuKalam.Begins,
                            day.Sunrise.At.JulianDayUT + eighth * (rahu[day.Vara] - 1), Millisecond)
                    << at;
                EXPECT_NEAR(alone.Periods.Choghadiyas[15].Span.Ends, day.Ends.JulianDayUT,
                            Millisecond)
                    << at;
                ASSERT_EQ(fromDay.AmritKalam.size(), alone.AmritKalam.size()) << at;
                ASSERT_EQ(fromDay.Varjyam.size(), alone.Varjyam.size()) << at;
                for (std::size_t k = 0; k < alone.Varjyam.size(); ++k) {
                    EXPECT_NEAR(fromDay.Varjyam[k].Begins, alone.Varjyam[k].Begins, Second) << at;
                    EXPECT_LT(alone.Varjyam[k].Begins, alone.NextSunrise) << at;
                    EXPECT_GT(alone.Varjyam[k].Ends, alone.Sunrise) << at;
                }
                for (std::size_t k = 0; k < alone.AmritKalam.size(); ++k)
                    EXPECT_NEAR(fromDay.AmritKalam[k].Ends, alone.AmritKalam[k].Ends, Second) << at;
            }
        }
    }
}

// Where the Sun does not rise or set (Tromsø in midsummer and midwinter, a latitude beyond the
// pole) the periods are not defined: none is reckoned from a missing sunrise.
TEST(DayPeriods, NoneWhereTheSunDoesNotRiseOrSet) {
    const FixedOffsetClock norway(1);
    const Place tromso{18.96, 69.65};
    for (const CivilDate date : {CivilDate{2025, 6, 21}, CivilDate{2025, 12, 21}}) {
        EXPECT_FALSE(PeriodsOfDate(date, tromso, norway, SkyChoice{}).Defined) << date.Month;
        EXPECT_FALSE(
            PeriodsOfPanchangaDay(PanchangaOfDay(date, tromso, norway, SkyChoice{})).Defined)
            << date.Month;
    }
    EXPECT_FALSE(PeriodsOfDate({2025, 3, 1}, {10, 95}, norway, SkyChoice{}).Defined);
    EXPECT_TRUE(PeriodsOfDate({2025, 3, 21}, tromso, norway, SkyChoice{}).Defined);
}

} // namespace
