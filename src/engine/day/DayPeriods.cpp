// SPDX-License-Identifier: MIT
// The periods of a day: the weekday's tables of eighths, muhurtas, choghadiyas and horas applied
// to the daytime and the night, and the ghati tables of the nakshatras.
#include "engine/day/DayPeriods.h"

#include "engine/day/Panchanga.h"
#include "engine/day/Risings.h"
#include "engine/limbs/Limbs.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <iterator>

namespace {

// The eighths of the daytime (1 the first after sunrise ... 8 the last before sunset) that rahu
// kalam, yamaganda and gulika kalam take on each weekday, as every almanac of South and North
// India prints them (e.g. the Rashtriya Panchang of the Positional Astronomy Centre, Kolkata).
struct EighthsRow {
    int Vara;
    int Rahu, Yamaganda, Gulika;
};
constexpr EighthsRow Eighths[] = {
    {0, 8, 5, 7}, // Ravivara
    {1, 2, 4, 6}, // Somavara
    {2, 7, 3, 5}, // Mangalavara
    {3, 5, 2, 4}, // Budhavara
    {4, 6, 1, 3}, // Guruvara
    {5, 4, 7, 2}, // Shukravara
    {6, 3, 6, 1}, // Shanivara
};
static_assert(std::size(Eighths) == 7);

// The durmuhurtas of each weekday, as muhurtas of the whole day counted from sunrise: 1 ... 15
// those of the daytime, 16 ... 30 those of the night (Muhurta Chintamani's table as the
// almanacs print it: Tuesday's second is the 7th muhurta of the night). 0: none.
struct DurmuhurtaRow {
    int Vara;
    int First, Second;
};
constexpr DurmuhurtaRow Durmuhurtas[] = {
    {0, 14, 0}, // Ravivara
    {1, 9, 12}, // Somavara
    {2, 4, 22}, // Mangalavara
    {3, 8, 0},  // Budhavara
    {4, 6, 12}, // Guruvara
    {5, 4, 9},  // Shukravara
    {6, 1, 2},  // Shanivara
};
static_assert(std::size(Durmuhurtas) == 7);

// The choghadiyas: their names, their planets and whether they are good for a beginning.
struct ChoghadiyaRow {
    std::string_view Name;
    int Planet; // the weekday lord that rules it
    PeriodQuality Quality;
};
constexpr ChoghadiyaRow Choghadiyas[] = {
    {"Udveg", 0, PeriodQuality::Bad}, {"Char", 5, PeriodQuality::Neutral},
    {"Labh", 3, PeriodQuality::Good}, {"Amrit", 1, PeriodQuality::Good},
    {"Kaal", 6, PeriodQuality::Bad},  {"Shubh", 4, PeriodQuality::Good},
    {"Rog", 2, PeriodQuality::Bad},
};
static_assert(std::size(Choghadiyas) == ChoghadiyaKindCount);

// The daytime's first choghadiya is the weekday lord's; each next is the next of the table
// above. The night's first is the fifth from the day's first, and each next is two back.
constexpr int DayChoghadiyaStep = 1;
constexpr int NightChoghadiyaOffset = 5;
constexpr int NightChoghadiyaStep = ChoghadiyaKindCount - 2;

constexpr std::string_view WeekdayLords[] = {"Sun",     "Moon",  "Mars",  "Mercury",
                                             "Jupiter", "Venus", "Saturn"};

// In the Chaldean order (Saturn, Jupiter, Mars, the Sun, Venus, Mercury, the Moon) each hora's
// lord follows the last's: in the weekday lords' numbers, five on.
constexpr int HoraStep = 5;

// The ghatis (of the nakshatra's own length taken as 60) at which amrit kalam and varjyam begin,
// each lasting 4 ghatis: the amrita and tyajya ghatis of the almanacs of South India (Telugu
// and Kannada panchangams; the same figures as Muhurta Chintamani's vishaghatis, with Mula's
// second varjyam at its 56th ghati). 0 for none.
struct GhatiRow {
    std::string_view Nakshatra;
    int Amrit;
    int Varjyam, SecondVarjyam;
};
// clang-format off
constexpr GhatiRow Ghatis[] = {
    // 0
    {"Ashvini", 42, 50, 0},
    {"Bharani", 48, 24, 0},
    {"Krittika", 54, 30, 0},
    {"Rohini", 52, 40, 0},
    {"Mrigashira", 38, 14, 0},
    {"Ardra", 35, 21, 0},
    {"Punarvasu", 54, 30, 0},
    {"Pushya", 44, 20, 0},
    {"Ashlesha", 56, 32, 0},
    {"Magha", 54, 30, 0},
    // 10
    {"Purva Phalguni", 44, 20, 0},
    {"Uttara Phalguni", 42, 18, 0},
    {"Hasta", 45, 21, 0},
    {"Chitra", 44, 20, 0},
    {"Swati", 38, 14, 0},
    {"Vishakha", 38, 14, 0},
    {"Anuradha", 34, 10, 0},
    {"Jyeshtha", 38, 14, 0},
    {"Mula", 44, 20, 56},
    {"Purva Ashadha", 48, 24, 0},
    // 20
    {"Uttara Ashadha", 44, 20, 0},
    {"Shravana", 34, 10, 0},
    {"Dhanishta", 34, 10, 0},
    {"Shatabhisha", 42, 18, 0},
    {"Purva Bhadrapada", 40, 16, 0},
    {"Uttara Bhadrapada", 48, 24, 0},
    {"Revati", 54, 30, 0},
};
// clang-format on
static_assert(std::size(Ghatis) == 27);
constexpr int GhatisOfWindow = 4;

TimeSpan Part(double from, double to, int parts, int k) {
    // The k-th of `parts` equal parts of a stretch (0 the first); the last ends exactly at its
    // end, so that the next stretch's first part begins where it ends.
    const double step = (to - from) / parts;
    return {from + step * k, k + 1 == parts ? to : from + step * (k + 1)};
}

TimeSpan Eighth(double sunrise, double sunset, int eighth) {
    return Part(sunrise, sunset, 8, eighth - 1);
}

// A muhurta of the whole day, 1 ... 30.
TimeSpan Muhurta(double sunrise, double sunset, double nextSunrise, int number) {
    if (number <= 15) {
        return Part(sunrise, sunset, 15, number - 1);
    }
    return Part(sunset, nextSunrise, 15, number - 16);
}

bool Overlaps(const TimeSpan& a, const TimeSpan& b) {
    return a.Begins < b.Ends && b.Begins < a.Ends;
}

std::vector<TimeSpan> WindowsOf(const std::vector<NakshatraTime>& nakshatras,
                                const TimeSpan& within, bool amrit) {
    std::vector<TimeSpan> windows;
    for (const NakshatraTime& n : nakshatras) {
        if (n.Index < 0 || n.Index >= 27 || !(n.Begins < n.Ends)) {
            continue;
        }
        const GhatiRow& row = Ghatis[n.Index];
        const double ghati = (n.Ends - n.Begins) / 60;
        for (const int start : {amrit ? row.Amrit : row.Varjyam, amrit ? 0 : row.SecondVarjyam}) {
            if (start == 0) {
                continue;
            }
            const TimeSpan window{n.Begins + ghati * start,
                                  start + GhatisOfWindow >= 60
                                      ? n.Ends
                                      : n.Begins + ghati * (start + GhatisOfWindow)};
            if (Overlaps(window, within)) {
                windows.push_back(window);
            }
        }
    }
    return windows;
}

CivilDate NextDate(const CivilDate& date) {
    const CalendarDate next = CalendarDateOfJulianDay(CivilJulianDayOfDate(date) + 1.5);
    return {static_cast<int>(next.Year), static_cast<int>(next.Month), static_cast<int>(next.Day)};
}

// The checks and the weekday's periods shared by both ways of finding a day's periods.
DayPeriodsOfDate Settle(int vara, const HorizonCrossing& sunrise, const HorizonCrossing& sunset,
                        const HorizonCrossing& nextSunrise) {
    DayPeriodsOfDate result;
    result.Vara = vara;
    if (sunrise.State != HorizonState::Crosses || sunset.State != HorizonState::Crosses ||
        nextSunrise.State != HorizonState::Crosses || vara < 0 || vara > 6) {
        return result;
    }
    result.Sunrise = sunrise.At.JulianDayUT;
    result.Sunset = sunset.At.JulianDayUT;
    result.NextSunrise = nextSunrise.At.JulianDayUT;
    // A clock far from the place's own time can put the date's sunset before its sunrise.
    if (!(result.Sunrise < result.Sunset && result.Sunset < result.NextSunrise)) {
        return result;
    }
    result.Defined = true;
    result.Periods = PeriodsOfDay(result.Sunrise, result.Sunset, result.NextSunrise, vara);
    return result;
}

void AddNakshatraWindows(DayPeriodsOfDate& result, const std::vector<NakshatraTime>& nakshatras) {
    const TimeSpan day{result.Sunrise, result.NextSunrise};
    result.AmritKalam = AmritKalams(nakshatras, day);
    result.Varjyam = Varjyams(nakshatras, day);
}

} // namespace

std::string_view ChoghadiyaName(int kind) {
    return kind >= 0 && kind < ChoghadiyaKindCount ? Choghadiyas[kind].Name : std::string_view{};
}

PeriodQuality ChoghadiyaQuality(int kind) {
    return kind >= 0 && kind < ChoghadiyaKindCount ? Choghadiyas[kind].Quality
                                                   : PeriodQuality::Neutral;
}

std::string_view QualityName(PeriodQuality quality) {
    switch (quality) {
    case PeriodQuality::Good:
        return "good";
    case PeriodQuality::Neutral:
        return "neutral";
    case PeriodQuality::Bad:
        return "bad";
    }
    return {};
}

std::string_view WeekdayLordName(int lord) {
    return lord >= 0 && lord < 7 ? WeekdayLords[lord] : std::string_view{};
}

DayPeriods PeriodsOfDay(double sunrise, double sunset, double nextSunrise, int vara) {
    DayPeriods p;
    vara = ((vara % 7) + 7) % 7;
    const double daytime = sunset - sunrise;
    const double night = nextSunrise - sunset;

    const EighthsRow& eighths = Eighths[vara];
    p.RahuKalam = Eighth(sunrise, sunset, eighths.Rahu);
    p.Yamaganda = Eighth(sunrise, sunset, eighths.Yamaganda);
    p.GulikaKalam = Eighth(sunrise, sunset, eighths.Gulika);

    p.Abhijit = Muhurta(sunrise, sunset, nextSunrise, 8);
    p.AbhijitLeftOut = vara == 3;
    p.BrahmaMuhurta = Muhurta(sunrise, sunset, nextSunrise, 29);
    p.Nishita = Muhurta(sunrise, sunset, nextSunrise, 23);
    // Pradosha: "three muhurtas after the Sun has set".
    p.Pradosha = {sunset, Muhurta(sunrise, sunset, nextSunrise, 18).Ends};
    // Godhuli: half a ghati (a 60th of the daytime, then of the night) before and after sunset
    // (Muhurta Ganapati).
    p.Godhuli = {sunset - daytime / 60, sunset + night / 60};
    for (const int number : {Durmuhurtas[vara].First, Durmuhurtas[vara].Second}) {
        if (number > 0) {
            p.Durmuhurtas.push_back(Muhurta(sunrise, sunset, nextSunrise, number));
        }
    }

    // The weekday's lord is the vara's own number; its choghadiya opens the daytime.
    int dayFirst = 0;
    for (int k = 0; k < ChoghadiyaKindCount; ++k) {
        if (Choghadiyas[k].Planet == vara) {
            dayFirst = k;
        }
    }
    const int nightFirst = (dayFirst + NightChoghadiyaOffset) % ChoghadiyaKindCount;
    for (int k = 0; k < 8; ++k) {
        p.Choghadiyas[k] = {(dayFirst + DayChoghadiyaStep * k) % ChoghadiyaKindCount,
                            Part(sunrise, sunset, 8, k)};
        p.Choghadiyas[8 + k] = {(nightFirst + NightChoghadiyaStep * k) % ChoghadiyaKindCount,
                                Part(sunset, nextSunrise, 8, k)};
    }
    for (int k = 0; k < 12; ++k) {
        p.Horas[k] = {(vara + HoraStep * k) % 7, Part(sunrise, sunset, 12, k)};
        p.Horas[12 + k] = {(vara + HoraStep * (12 + k)) % 7, Part(sunset, nextSunrise, 12, k)};
    }
    return p;
}

std::vector<TimeSpan> AmritKalams(const std::vector<NakshatraTime>& nakshatras,
                                  const TimeSpan& within) {
    return WindowsOf(nakshatras, within, true);
}

std::vector<TimeSpan> Varjyams(const std::vector<NakshatraTime>& nakshatras,
                               const TimeSpan& within) {
    return WindowsOf(nakshatras, within, false);
}

DayPeriodsOfDate PeriodsOfPanchangaDay(const PanchangaDay& day) {
    HorizonCrossing next;
    if (day.EndsAtSunrise) {
        next = {HorizonState::Crosses, day.Ends};
    }
    DayPeriodsOfDate result = Settle(day.Vara, day.Sunrise, day.Sunset, next);
    if (result.Defined) {
        std::vector<NakshatraTime> nakshatras;
        for (const DaySpan& span : day.Nakshatra.Spans) {
            nakshatras.push_back({span.Index, span.Begin.JulianDayUT, span.End.JulianDayUT});
        }
        AddNakshatraWindows(result, nakshatras);
    }
    return result;
}

DayPeriodsOfDate PeriodsOfDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                               const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    DayPeriodsOfDate result =
        Settle(VaraOfDate(date), SunriseCrossing(date, place, clock, ephemeris),
               SunsetOnDate(date, place, clock, ephemeris),
               SunriseCrossing(NextDate(date), place, clock, ephemeris));
    if (!result.Defined) {
        return result;
    }
    const double from = ephemeris.TerrestrialOfUniversal(result.Sunrise);
    const double to = ephemeris.TerrestrialOfUniversal(result.NextSunrise);
    std::vector<NakshatraTime> nakshatras;
    auto add = [&nakshatras, &ephemeris](const LimbSpan& span) {
        nakshatras.push_back({span.Index, ephemeris.UniversalOfTerrestrial(span.BeginJde),
                              ephemeris.UniversalOfTerrestrial(span.EndJde)});
    };
    if (const std::optional<LimbSpan> first =
            FindLimbSpan(Limb::Nakshatra, from, LimbAt(Limb::Nakshatra, from, sky), sky)) {
        add(*first);
    }
    for (const LimbSpan& span : SpansBeginningBetween(Limb::Nakshatra, from, to, sky)) {
        // The span at sunrise comes once, should it begin at sunrise itself.
        if (nakshatras.empty() ||
            ephemeris.UniversalOfTerrestrial(span.BeginJde) > nakshatras.front().Begins) {
            add(span);
        }
    }
    AddNakshatraWindows(result, nakshatras);
    return result;
}
